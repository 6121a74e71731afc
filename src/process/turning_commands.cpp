// The turning-tool rows of the process-command table, in menu order (which is
// also the order of their cutting-condition rows 1 to 16).
#include "process/turning_generators.h"

namespace quillon {

namespace {

// The controller's tool kinds (VTLIN) of the lathe tools.
constexpr int kOdRoughingTool = 1;  // outside and face roughing
constexpr int kIdRoughingTool = 2;
constexpr int kOdFinishingTool = 7;  // outside and face finishing
constexpr int kIdFinishingTool = 8;
constexpr int kOdThreadingTool = 13;
constexpr int kIdThreadingTool = 14;
constexpr int kFaceThreadingTool = 15;
constexpr int kOdGroovingTool = 19;
constexpr int kIdGroovingTool = 20;
constexpr int kFaceGroovingTool = 21;
constexpr int kHssDrill = 22;
constexpr int kUDrill = 23;  // an insert drill

// Nose angles (VTLA1) of the inserts and point angles of the drills, degrees.
constexpr int kRhombic55 = 55;    // outside turning insert
constexpr int kTriangle60 = 60;   // boring and threading insert
constexpr int kRhombic80 = 80;    // facing insert
constexpr int kSquareEdge = 180;  // grooving inserts and insert drills cut square
constexpr int kHssPoint = 118;

// VTLA2, the second angle of the tool shape, degrees.
constexpr double kSecondAngle3 = 3;
constexpr double kSecondAngle5 = 5;
// VTLL, the tool length, of every outside and face tool, mm.
constexpr double kOutsideLength = 40;
// VTLD, the diameter of a boring bar, mm.
constexpr double kBarDiameter = 20;

// The length of a boring bar or drill: the depth it works to and 20 mm more.
double BoreReach(const ProcessInput& in) { return (in.StartZ - in.EndZ) + 20; }
double GrooveWidth(const ProcessInput& in) { return in.L; }  // the L box of a grooving dialog
double DrillDiameter(const ProcessInput& in) { return in.U; }

// clang-format off
constexpr ToolData kOdRough{kOdRoughingTool,     kRhombic55,  {{{"A2", kSecondAngle3}, {"L", kOutsideLength}}}};
constexpr ToolData kFaceRough{kOdRoughingTool,   kRhombic80,  {{{"A2", kSecondAngle5}, {"L", kOutsideLength}}}};
constexpr ToolData kIdRough{kIdRoughingTool,     kTriangle60, {{{"A2", kSecondAngle3}, {"D", kBarDiameter}, {"L", 0, BoreReach}}}};
constexpr ToolData kOdFinish{kOdFinishingTool,   kRhombic55,  {{{"A2", kSecondAngle5}, {"L", kOutsideLength}}}};
constexpr ToolData kIdFinish{kIdFinishingTool,   kTriangle60, {{{"A2", kSecondAngle3}, {"D", kBarDiameter}, {"L", 0, BoreReach}}}};
constexpr ToolData kOdThread{kOdThreadingTool,   kTriangle60, {{{"L", kOutsideLength}}}};
constexpr ToolData kIdThread{kIdThreadingTool,   kTriangle60, {{{"D", kBarDiameter}, {"L", 0, BoreReach}}}};
constexpr ToolData kFaceThread{kFaceThreadingTool, kTriangle60, {{{"L", kOutsideLength}}}};
constexpr ToolData kOdGroove{kOdGroovingTool,    kSquareEdge, {{{"W", 0, GrooveWidth}, {"L", kOutsideLength}}}};
constexpr ToolData kIdGroove{kIdGroovingTool,    kSquareEdge, {{{"D", kBarDiameter}, {"W", 0, GrooveWidth}, {"L", 0, BoreReach}}}};
constexpr ToolData kFaceGroove{kFaceGroovingTool, kSquareEdge, {{{"W", 0, GrooveWidth}, {"L", kOutsideLength}}}};
constexpr ToolData kHssDrilling{kHssDrill,       kHssPoint,   {{{"D", 0, DrillDiameter}, {"L", 0, BoreReach}}}};
constexpr ToolData kUDrilling{kUDrill,           kSquareEdge, {{{"D", 0, DrillDiameter}, {"L", 0, BoreReach}}}};

const ProcessCommand kTurningCommands[] = {
  // name                  dialog                   row  set-up                      generator                   tool
  {"ProcessDrillHss",      CommandDialog::Process,    1, ProcessDrillHss_Setup,      ProcessDrillHss_Click,       &kHssDrilling},
  {"ProcessDrillU",        CommandDialog::Process,    2, ProcessDrillU_Setup,        ProcessDrillU_Click,         &kUDrilling},
  {"ProcessRoughFaceOD",   CommandDialog::Process,    3, ProcessRoughFaceOD_Setup,   ProcessRoughFaceOD_Click,    &kFaceRough},
  {"ProcessRoughFace",     CommandDialog::Process,    4, ProcessRoughFace_Setup,     ProcessRoughFace_Click,      &kFaceRough},
  {"ProcessRoughOD",       CommandDialog::Process,    5, ProcessRoughOD_Setup,       ProcessRoughOD_Click,        &kOdRough},
  {"ProcessRoughID",       CommandDialog::Process,    6, ProcessRoughID_Setup,       ProcessRoughID_Click,        &kIdRough},
  {"ProcessFinishFaceOD",  CommandDialog::Process,    7, ProcessFinishFaceOD_Setup,  ProcessFinishFaceOD_Click,   &kOdFinish},
  {"ProcessFinishFace",    CommandDialog::Process,    8, ProcessFinishFace_Setup,    ProcessFinishFace_Click,     &kOdFinish},
  {"ProcessFinishOD",      CommandDialog::Process,    9, ProcessFinishOD_Setup,      ProcessFinishOD_Click,       &kOdFinish},
  {"ProcessFinishID",      CommandDialog::Process,   10, ProcessFinishID_Setup,      ProcessFinishID_Click,       &kIdFinish},
  {"ProcessGrooveFace",    CommandDialog::Process,   11, ProcessGrooveFace_Setup,    ProcessGrooveFace_Click,     &kFaceGroove},
  {"ProcessGrooveOD",      CommandDialog::Process,   12, ProcessGrooveOD_Setup,      ProcessGrooveOD_Click,       &kOdGroove},
  {"ProcessGrooveID",      CommandDialog::Process,   13, ProcessGrooveID_Setup,      ProcessGrooveID_Click,       &kIdGroove},
  {"ProcessThreadFace",    CommandDialog::Process,   14, ProcessThreadFace_Setup,    ProcessThreadFace_Click,     &kFaceThread},
  {"ProcessThreadOD",      CommandDialog::Process,   15, ProcessThreadOD_Setup,      ProcessThreadOD_Click,       &kOdThread},
  {"ProcessThreadID",      CommandDialog::Process,   16, ProcessThreadID_Setup,      ProcessThreadID_Click,       &kIdThread},
};
// clang-format on

}  // namespace

std::span<const ProcessCommand> TurningCommands() { return kTurningCommands; }

}  // namespace quillon
