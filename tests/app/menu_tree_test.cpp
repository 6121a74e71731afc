// The menu tree, toolbar and status-bar tables against the menus users know:
// every control name, caption (blanks included), shortcut and start state.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/menu_tree.h"

namespace quillon {
namespace {

struct ExpectedItem {
  const char* name;
  int index;
  const char* caption;
  const char* shortcut;
  const char* state;  // "disabled", "hidden", "checked" or ""
};

// clang-format off
const ExpectedItem kExpected[] = {
  // control name                index caption                                 shortcut  start state
  {"mnuFile",                     0, "File(&F)",                              "",       ""},
  {"mnuFileNew",                  0, "New (&N)",                              "",       ""},
  {"mnuFileOpen",                 0, "Open (&O)",                             "Ctrl+O", ""},
  {"mnuFileClose",                0, "Close (&C)",                            "",       "disabled"},
  {"mnuFileBar1",                 0, "-",                                     "",       ""},
  {"mnuFileSave",                 0, "Save (&S)",                             "Ctrl+S", "disabled"},
  {"mnuFileSaveAs",               0, "As Save (&A)...",                       "",       "disabled"},
  {"mnuFileBar3",                 0, "-",                                     "",       ""},
  {"mnuFilePrinterSetup",         0, "Printer Setup ",                        "",       ""},
  {"mnuFilePrint",                0, "Print (&P)...",                         "Ctrl+P", "disabled"},
  {"mnuFileBar4",                 0, "-",                                     "",       ""},
  {"mnuFileFont",                 0, "Screen Font (&F)...",                   "Ctrl+F", ""},
  {"mnuFileBar5",                 0, "-",                                     "",       ""},
  {"mnuFileRecentFile",           1, "RecentFile1",                           "",       "hidden"},
  {"mnuFileRecentFile",           2, "RecentFile2",                           "",       "hidden"},
  {"mnuFileRecentFile",           3, "RecentFile3",                           "",       "hidden"},
  {"mnuFileRecentFile",           4, "RecentFile4",                           "",       "hidden"},
  {"mnuFileRecentFile",           5, "RecentFile5",                           "",       "hidden"},
  {"mnuFileBar6",                 0, "-",                                     "",       ""},
  {"mnuFileExit",                 0, " Quillon Exit (&X)",                    "",       ""},
  {"mnuEdit",                     0, "Edit(&E)",                              "",       ""},
  {"mnuEditUndo",                 0, " Undo (&U)",                            "Ctrl+Z", "disabled"},
  {"mnuEditBar1",                 0, "-",                                     "",       ""},
  {"mnuEditCut",                  0, " Cut (&T)",                             "Ctrl+X", "disabled"},
  {"mnuEditCopy",                 0, " Copy (&C)",                            "Ctrl+C", "disabled"},
  {"mnuEditPaste",                0, " Past (&P)",                            "Ctrl+V", "disabled"},
  {"mnuSearch",                   0, "-",                                     "",       ""},
  {"mnuSearchFind",               0, " Fund (&F)",                            "",       "disabled"},
  {"mnuSearchNextFind",           0, " Next Fund (&N)",                       "F3",     "disabled"},
  {"mnuSearchReplace",            0, " Replace (&R)",                         "",       "disabled"},
  {"mnuSearchGoToLine",           0, " Go to line (&G)",                      "Ctrl+G", ""},
  {"mnuInsert",                   0, "Insert ",                               "",       ""},
  {"mnuInsertComment",            0, " Fix Comment ",                         "",       ""},
  {"mnuInsertFile",               0, " Sub Program ",                         "",       ""},
  {"mnuInsertBar1",               0, "-",                                     "",       ""},
  {"mnuInsertDate",               0, " Date ",                                "",       ""},
  {"Process",                     0, "Process(&P)",                           "",       ""},
  {"ProcessSetup",                0, "Prosess setting ",                      "",       ""},
  {"ProcessBar1",                 0, "-",                                     "",       ""},
  {"ProcessUGC",                  0, " Material Input ",                      "",       ""},
  {"ProcessMT",                   0, "ATC  Ready-request ",                   "",       ""},
  {"ProcessMT1",                  0, "L Tool ",                               "",       ""},
  {"ProcessMT3",                  0, "M Tool ",                               "",       ""},
  {"ProcessBar5",                 0, "-",                                     "",       ""},
  {"ProcessDrill",                0, " Drill ",                               "",       ""},
  {"ProcessDrillHss",             0, "Hiss",                                  "",       ""},
  {"ProcessDrillU",               0, "corbyte",                               "",       ""},
  {"ProcessRough",                0, " Rough ",                               "",       ""},
  {"ProcessRoughFaceOD",          0, " Face + O.D. ",                         "",       ""},
  {"ProcessRoughFace",            0, " Face ",                                "",       ""},
  {"ProcessRoughOD",              0, " O.D. ",                                "",       ""},
  {"ProcessRoughID",              0, " I.D. ",                                "",       ""},
  {"ProcessFinish",               0, " Finish ",                              "",       ""},
  {"ProcessFinishFaceOD",         0, " Face + O.D. ",                         "",       ""},
  {"ProcessFinishFace",           0, " Face ",                                "",       ""},
  {"ProcessFinishOD",             0, " O.D. ",                                "",       ""},
  {"ProcessFinishID",             0, " I.D. ",                                "",       ""},
  {"ProcessGroove",               0, " Groove ",                              "",       ""},
  {"ProcessGrooveFace",           0, " Face ",                                "",       ""},
  {"ProcessGrooveOD",             0, " O.D. ",                                "",       ""},
  {"ProcessGrooveID",             0, " I.D. ",                                "",       ""},
  {"ProcessThread",               0, " Thread ",                              "",       ""},
  {"ProcessThreadFace",           0, " Face ",                                "",       ""},
  {"ProcessThreadOD",             0, " O.D. ",                                "",       ""},
  {"ProcessThreadID",             0, " I.D. ",                                "",       ""},
  {"ProcessBar2",                 0, "-",                                     "",       ""},
  {"ProcessMDrill",               0, " M-axis  Drill ",                       "",       ""},
  {"ProcessMDrillFace",           0, " Face ",                                "",       ""},
  {"ProcessMDrillSide",           0, " Side ",                                "",       ""},
  {"ProcessMDrillSlant",          0, " Slant ",                               "",       ""},
  {"ProcessMTap",                 0, " M-axis  Tap ",                         "",       ""},
  {"ProcessMTapFace",             0, " Face ",                                "",       ""},
  {"ProcessMTapSide",             0, " Side ",                                "",       ""},
  {"ProcessMTapSlant",            0, " Slant ",                               "",       ""},
  {"ProcessMKey",                 0, " M-axis  Key way ",                     "",       ""},
  {"ProcessMKeyFace",             0, " Face ",                                "",       ""},
  {"ProcessMKeySide",             0, " Side ",                                "",       ""},
  {"ProcessMKeySlant",            0, " Slant ",                               "",       ""},
  {"ProcessMSousei",              0, " M-axis milling",                       "",       ""},
  {"ProcessMSouseiFace",          0, " Face ",                                "",       ""},
  {"ProcessMSouseiSide",          0, " Side ",                                "",       ""},
  {"ProcessMCircle",              0, " M-axis endmill circle ",               "",       ""},
  {"ProcessMCircleFace",          0, " Face ",                                "",       "disabled"},
  {"ProcessMCircleSide",          0, " Side ",                                "",       "disabled"},
  {"ProcessMCircleSlant",         0, " Slant ",                               "",       ""},
  {"ProcessMPlanetTap",           0, " M-axis planet Tap ",                   "",       ""},
  {"ProcessMPlanetTapFace",       0, " Face ",                                "",       "disabled"},
  {"ProcessMPlanetTapSide",       0, " Side ",                                "",       "disabled"},
  {"ProcessMPlanetTapSlant",      0, " Slant ",                               "",       ""},
  {"ProcessBar4",                 0, "-",                                     "",       ""},
  {"ProcessMeasureInside",        0, "In-process  measurement ",              "",       ""},
  {"ProcessMeasuerZero",          0, "Zero  setting ",                        "",       ""},
  {"ProcessMeasuerZeroZaxis",     0, " Z-axis ",                              "",       ""},
  {"ProcessMeasuerZeroCaxis",     0, " C-axis ",                              "",       ""},
  {"ProcessMeasuerOut",           0, " O.D.  measurement ",                   "",       ""},
  {"ProcessMeasuerOutR",          0, "Radius  measurement ",                  "",       ""},
  {"ProcessMeasuerOutD",          0, "Diameter  measurement ",                "",       ""},
  {"ProcessMeasuerIn",            0, " I.D.  measurement ",                   "",       ""},
  {"ProcessMeasuerInR",           0, "Radius  measurement ",                  "",       ""},
  {"ProcessMeasuerInD",           0, "Diameter  measurement ",                "",       ""},
  {"ProcessMeasuerOutside",       0, " post-process gauging ",                "",       ""},
  {"mnuTools",                    0, "Tool(&T)",                              "",       ""},
  {"mnuToolsAutoNo",              0, " Auto Sequence No.  Insert ",           "",       ""},
  {"mnuToolsNumberArrange",       0, "Sequence  number arrange (&A)",         "",       ""},
  {"mnuToolsSizeShift",           0, "Calculation data change (&S)",          "",       "disabled"},
  {"mnuToolsrpm",                 0, "Spindle Speed Calculation (&N)",        "Ctrl+N", ""},
  {"mnuToolsCalculator",          0, "Calculator ",                           "",       ""},
  {"ClosPoint",                   0, "Point calculation(&C)",                 "",       ""},
  {"LineAngle",                   0, "Line and angle ",                       "",       ""},
  {"LineCircleLine",              0, "2 line and circle ",                    "",       ""},
  {"LineR",                       0, "Line-Circle closs point",               "",       ""},
  {"PointLineCircle",             0, "1Point+Line then Circle",               "",       ""},
  {"CirclrLine",                  0, "Circlr+Line",                           "",       ""},
  {"Gcode",                       0, "G-code(&G)",                            "",       ""},
  {"GcodeTurret",                 0, "Turret  command ",                      "",       ""},
  {"mnuGcode",                   13, "A turret  G13",                         "",       ""},
  {"mnuGcode",                   14, "B turret  G14",                         "",       ""},
  {"GcodeSpindle",                0, "Main spindle  select ",                 "",       ""},
  {"GcodeSpindleMain",            0, " main  main spindle (L) G140",          "",       ""},
  {"GcodeSpindleSubL",            0, " sub  main spindle  down (R) G141",     "",       ""},
  {"GcodeSpindleSubUp",           0, " sub  main spindle  up  G142",          "",       ""},
  {"GcodeG04",                    0, "Dwell  G04",                            "",       ""},
  {"GcodeTool",                   0, "Tool  diameter  compensation ",         "",       ""},
  {"mnuGcodeComp",                1, " compensation  right  On  G41",         "",       ""},
  {"mnuGcodeComp",                2, " compensation  left  On  G42",          "",       ""},
  {"mnuGcodeComp",                3, " compensation  cancel  G40",            "",       ""},
  {"mnuGcodeComp",                4, "X-Z plane  coordinate  G18",            "",       ""},
  {"mnuGcodeComp",                5, "X-Y plane  coordinate  G17",            "",       ""},
  {"mnuGcodeComp",                6, "Y-Z plane  coordinate  G19",            "",       ""},
  {"GcodeHome",                   0, "Home  postion ",                        "",       ""},
  {"GcodeHomeG21",                0, "ATC home  postion  G21",                "",       ""},
  {"GcodeHomeG20",                0, " standard  home  postion  G20",         "",       ""},
  {"GcodeToruku",                 0, "Torque  control ",                      "",       ""},
  {"GcodeG29",                    0, " torque  limit  G29",                   "",       ""},
  {"GcodeG22",                    0, " torque  skip  G22",                    "",       ""},
  {"GcodeG28",                    0, " limit  cancel  G28",                   "",       ""},
  {"GcodeThread",                 0, "Thread ",                               "",       ""},
  {"GcodeFace",                   0, "Face  direction ",                      "",       ""},
  {"GcodeG32",                    0, "1 Cycle  G32",                          "",       ""},
  {"GcodeG72",                    0, " multiple  Cycle  G72",                 "",       ""},
  {"GcodeSide",                   0, "Length direction ",                     "",       ""},
  {"GcodeG31",                    0, "1 Cycle  G31",                          "",       ""},
  {"GcodeG71",                    0, " multiple  Cycle  G71",                 "",       ""},
  {"GcodeG34",                    0, "Not fix Cycle  G34",                    "",       ""},
  {"GcodeTei",                    0, "Constant speed control ",               "",       ""},
  {"GcodeG96",                    0, " On  G96",                              "",       ""},
  {"GcodeG97",                    0, " Off  G97",                             "",       ""},
  {"GcodeG110",                   0, "G96 for A turret  G110",                "",       ""},
  {"GcodeG111",                   0, "G96 for B turret G111",                 "",       ""},
  {"GcodeChamfer",                0, " Auto  Chamfer ",                       "",       ""},
  {"GcodeG75",                    0, "C Chamfer  G75",                        "",       ""},
  {"GcodeG76",                    0, "R Chamfer  G76",                        "",       ""},
  {"GcodeRask",                   0, "RASK Cycle ",                           "",       ""},
  {"mnuGcodeRask",                1, "Rough  Cycle  G85",                     "",       ""},
  {"mnuGcodeRask",                2, "Rough  condition  change  G84",         "",       ""},
  {"mnuGcodeRask",                3, "Finish  Cycle  G87",                    "",       ""},
  {"mnuGcodeRask",                4, "From Cycle  G86",                       "",       ""},
  {"mnuGcodeRask",                5, "Special  Thread  Cycle  G88",           "",       ""},
  {"mnuGcodeRask",                6, "Length shape  command  G81",            "",       ""},
  {"mnuGcodeRask",                7, "Face  shape  command  G82",             "",       ""},
  {"mnuGcodeRask",                8, "Material  shape  command  G83",         "",       ""},
  {"mnuGcodeRask",                9, "Shape  command  finish  G80",           "",       ""},
  {"GcodeMtool",                  0, "Rotation  Tool  Cycle ",                "",       ""},
  {"mnuGcodeMap",                 1, "Drill  G181",                           "",       ""},
  {"mnuGcodeMap",                 2, "Deep  hole  Drill  G183",               "",       ""},
  {"mnuGcodeMap",                 3, "Synchro  Tap  right  thread  G178",     "",       ""},
  {"mnuGcodeMap",                 4, "Synchro  Tap  left  thread  G179",      "",       ""},
  {"mnuGcodeMap",                 5, "Furote Tap  G184",                      "",       ""},
  {"mnuGcodeMap",                 6, "Key way  length 手 G190",                "",       ""},
  {"mnuGcodeMap",                 7, "Key way  Face  G191",                   "",       ""},
  {"mnuGcodeMap",                 8, "Thread length G185",                    "",       ""},
  {"mnuGcodeMap",                 9, "Thread  Face  G186",                    "",       ""},
  {"mnuGcodeMap",                10, "Thread  length  G187",                  "",       ""},
  {"mnuGcodeMap",                11, "Thread  Face  G188",                    "",       ""},
  {"mnuGcodeMap",                12, "Milling G189",                          "",       ""},
  {"mnuGcodeMap",                13, "Boring  G182",                          "",       ""},
  {"mnuGcodeMap",                14, "Cycle  cancel  G180",                   "",       ""},
  {"GcodeTailstock",              0, "Tailstock  movement  G152",             "",       ""},
  {"GcodeTap",                    0, "Main spindle  Tap  Cycle ",             "",       ""},
  {"GcodeG77",                    0, "Right  thread  G77",                    "",       ""},
  {"GcodeG78",                    0, "Left  thread  G78",                     "",       ""},
  {"Mcode",                       0, "M-code(&M)",                            "",       ""},
  {"McodeDoor",                   0, "Door ",                                 "",       ""},
  {"McodeDoorFront",              0, " Front ",                               "",       ""},
  {"McodeDoorFrontOpen",          0, " Open  M91",                            "",       ""},
  {"McodeDoorFrontClose",         0, " Close  M90",                           "",       ""},
  {"McodeDoorCeiling",            0, "Ceiling ",                              "",       ""},
  {"McodeDoorCeilingOpen",        0, " Open  M291",                           "",       ""},
  {"McodeDoorCeilingClose",       0, " Close  M290",                          "",       ""},
  {"McodeCoolant",                0, "Coolant",                               "",       ""},
  {"McodeCoolantStanderd",        0, "Standard ",                             "",       ""},
  {"McodeCoolantStanderdOn",      0, " On  M08",                              "",       ""},
  {"McodeCoolantStanderdOff",     0, " Off  M09",                             "",       ""},
  {"McodeCoolantHipress",         0, "High pressure  1",                      "",       ""},
  {"McodeCoolantHipressOn",       0, " On  M145",                             "",       ""},
  {"McodeCoolantHipressOff",      0, " Off  M144",                            "",       ""},
  {"McodeCoolantHipress2",        0, "High pressure  2",                      "",       ""},
  {"McodeCoolantHipress2On",      0, " On  M175",                             "",       ""},
  {"McodeCoolantHipress2Off",     0, " Off  M174",                            "",       ""},
  {"McodeAirblow",                0, "Air  blow ",                            "",       ""},
  {"McodeAirblowChuck",           0, " chuck ",                               "",       ""},
  {"McodeAirblowChuckOn",         0, " On  M89",                              "",       ""},
  {"McodeAirblowChuckOff",        0, " Off  M88",                             "",       ""},
  {"McodeAirblowWorksensor",      0, "Work measurement  sensor ",             "",       ""},
  {"McodeAirblowWorksensorOn",    0, " On  M155",                             "",       ""},
  {"McodeAirblowWorksensorOff",   0, " Off  M154",                            "",       ""},
  {"McodeAirblowTouchsensor",     0, "Touch-setter ",                         "",       ""},
  {"McodeAirblowTouchsensorOn",   0, " On  M127",                             "",       ""},
  {"McodeAirblowTouchsensorOff",  0, " Off  M126",                            "",       ""},
  {"McodeAirblowAdditional",      0, "Other  additional ",                    "",       ""},
  {"McodeAirblowAdditionalOn",    0, " On  M51",                              "",       ""},
  {"McodeAirblowAdditionalOff",   0, " Off  M50",                             "",       ""},
  {"McodeChuck",                  0, "Chuck ",                                "",       ""},
  {"McodeChuckMain",              0, "Main spindle ",                         "",       ""},
  {"McodeChuckMainClose",         0, " Close  M83",                           "",       ""},
  {"McodeChuckMainOpen",          0, " Open  M84",                            "",       ""},
  {"McodeChuckSub",               0, "Sub spindle ",                          "",       ""},
  {"McodeChuckSubClose",          0, " Close  M283",                          "",       ""},
  {"McodeChuckSubOpen",           0, " Open  M284",                           "",       ""},
  {"McodeChuckInterlock",         0, "Interlock ignore ",                     "",       ""},
  {"McodeChuckInterlockMain",     0, "Main  spindle ",                        "",       ""},
  {"McodeChuckInterlockMainOn",   0, " On  M185",                             "",       ""},
  {"McodeChuckInterlockMainOff",  0, " Off  M184",                            "",       ""},
  {"McodeChuckInterlockSub",      0, "Sub spindle ",                          "",       ""},
  {"McodeChuckInterlockSubOn",    0, " On  M247",                             "",       ""},
  {"McodeChuckInterlockSubOff",   0, " Off  M246",                            "",       ""},
  {"McodeChuckPressure",          0, "Pressure Off change",                   "",       ""},
  {"McodeChuckPressureHigh",      0, " high  M59",                            "",       ""},
  {"McodeChuckPressureLow",       0, " low  M58",                             "",       ""},
  {"McodeChuckBarrier",           0, "Barrier ",                              "",       ""},
  {"McodeChuckBarrierOn",         0, " On  M25",                              "",       ""},
  {"McodeChuckBarrierOff",        0, " Off  M24",                             "",       ""},
  {"McodeChuckMiss",              0, "Miss detection ",                       "",       ""},
  {"McodeChuckMissOn",            0, " On  M133",                             "",       ""},
  {"McodeChuckMissOff",           0, " Off  M132",                            "",       ""},
  {"McodeChuckMissAirOn",         0, " air  On  M131",                        "",       ""},
  {"McodeChuckMissAirOff",        0, " air  Off  M130",                       "",       ""},
  {"McodeTailstock",              0, "Tailstock",                             "",       ""},
  {"McodeTailstockAddvance",      0, " advance  M56",                         "",       ""},
  {"McodeTailstockRetract",       0, " retract  M55",                         "",       ""},
  {"McodeTailstockInterlock",     0, " interlock  ignore ",                   "",       ""},
  {"McodeTailstockInterlockOn",   0, " On  M157",                             "",       ""},
  {"McodeTailstockInterlockOff",  0, " Off  M156",                            "",       ""},
  {"McodeSpindle",                0, "Main spindle ",                         "",       ""},
  {"McodeSpindleM03",             0, " CW  M03",                              "",       ""},
  {"McodeSpindleM04",             0, " CCW  M04",                             "",       ""},
  {"McodeSpindleM05",             0, " stop  M05",                            "",       ""},
  {"McodeSpindleM19",             0, " orientation  stop  M19 C= angle ",     "",       ""},
  {"McodeCaxis",                  0, "C  axis ",                              "",       ""},
  {"McodeCaxisJoint",             0, " connection ",                          "",       ""},
  {"McodeCaxisJointM110",         0, " On  M110",                             "",       ""},
  {"McodeCaxisJointM109",         0, " Off  M109",                            "",       ""},
  {"McodeCaxisBrake",             0, " brake ",                               "",       ""},
  {"McodeCaxisBrakeM147",         0, " clamp  M147",                          "",       ""},
  {"McodeCaxisBrakeM146",         0, " unclamp  M146",                        "",       ""},
  {"McodeCaxisPositioning",       0, " positioning  direction ",              "",       ""},
  {"McodeCaxisPositioningM15",    0, " CW  M15",                              "",       ""},
  {"McodeCaxisPositioningM16",    0, " CCW  M16",                             "",       ""},
  {"McodeCaxisInterlock",         0, "Interlock  ignore ",                    "",       ""},
  {"McodeCaxisInterlockM153",     0, " On  M153",                             "",       ""},
  {"McodeCaxisInterlockM152",     0, " Off  M152",                            "",       ""},
  {"McodeMspindle",               0, "Rotation  Tool ",                       "",       ""},
  {"McodeMspindleM13",            0, "CW  M13",                               "",       ""},
  {"McodeMspindleM14",            0, "CCW  M14",                              "",       ""},
  {"McodeMspindleM12",            0, "Stop  M12",                             "",       ""},
  {"McodeMspindleM229",           0, " orientation  stop  M229 CB= angle ",   "",       ""},
  {"mnuView",                     0, "Display(&V)",                           "",       ""},
  {"mnuViewToolbar",              0, "Tool bar (&T)",                         "",       "checked"},
  {"mnuViewStatusBar",            0, "Status bar (&B)",                       "",       "checked"},
  {"mnuViewBar",                  0, "-",                                     "",       ""},
  {"mnuWindowCascade",            0, "Cascade(&C)",                           "",       ""},
  {"mnuWindowTileHorizontal",     0, "Horizontal(&H)",                        "",       ""},
  {"mnuWindowTileVertical",       0, "Vertical(&V)",                          "",       "checked"},
  {"mnuViewOutline",              0, "Outline (&O)",                          "",       ""},
  {"mnuHelp",                     0, "Help(&H)",                              "",       ""},
  {"GcodeHelp",                   0, "G  code ",                              "",       ""},
  {"McodeHelp",                   0, "M  code ",                              "",       ""},
  {"VariableHelp",                0, "System  variable ",                     "",       ""},
  {"MnemonicHelp",                0, "Mnemonic",                              "",       ""},
  {"mnuHelpBar1",                 0, "-",                                     "",       ""},
  {"QuillonHelp",                 0, "Quillon help ",                         "",       ""},
  {"mnuHelpAbout",                0, "Abut Quillon(&A)",                      "",       ""},
};
// clang-format on

std::string StateOf(const MenuItem& item) {
  if (item.flags & kMenuDisabled) return "disabled";
  if (item.flags & kMenuHidden) return "hidden";
  return (item.flags & kMenuChecked) ? "checked" : "";
}

// Guards against: an item lost, added, renamed or used twice, a caption whose blanks or spelling drifted, a
// shortcut or start state typed wrong (the table holds every name and index once, in menu order).
TEST(MenuTreeTest, EveryItemMatchesTheKnownMenus) {
  const auto tree = MenuTree();
  // 10 menus of the bar + 270 items = 280 rows, and Go to line and Outline at the ends of
  // their menus; the tree adds Redo after Undo.
  ASSERT_EQ(std::size(kExpected), 282u);
  ASSERT_EQ(tree.size(), 283u);
  std::size_t next = 0;
  for (std::size_t i = 0; i < tree.size(); ++i) {
    const MenuItem& item = tree[i];
    if (item.name == "mnuEditRedo") {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(tree[i - 1].name, "mnuEditUndo");
      EXPECT_EQ(item.caption, " Redo (&Y)");
      EXPECT_EQ(item.shortcut, "Ctrl+Y");
      EXPECT_EQ(StateOf(item), "disabled");
      continue;
    }
    ASSERT_LT(next, std::size(kExpected)) << "extra item " << item.name;
    const ExpectedItem& e = kExpected[next++];
    EXPECT_EQ(item.name, e.name) << "row " << next;
    EXPECT_EQ(item.index, e.index) << e.name;
    EXPECT_EQ(item.caption, e.caption) << e.name;
    EXPECT_EQ(item.shortcut, e.shortcut) << e.name;
    EXPECT_EQ(StateOf(item), e.state) << e.name;
  }
  EXPECT_EQ(next, std::size(kExpected)) << "Redo missing";
}

// Guards against: a submenu without children or a leaf that swallows the
// rows after it, which would misplace every following item.
TEST(MenuTreeTest, LevelsFormATree) {
  const auto tree = MenuTree();
  int menus = 0;
  for (std::size_t i = 0; i < tree.size(); ++i) {
    const MenuItem& item = tree[i];
    menus += item.level == 0;
    const int nextLevel = i + 1 < tree.size() ? tree[i + 1].level : 0;
    if (item.level == 0 || (item.flags & kMenuSubmenu))
      EXPECT_EQ(nextLevel, item.level + 1) << item.name << " has no children";
    else
      EXPECT_LE(nextLevel, item.level) << item.name << " is a leaf";
  }
  EXPECT_EQ(menus, 10);
}

struct ParentCase {
  const char* name;
  const char* item;
  const char* parent;
};

// Guards against: items that share a name prefix with a neighbour landing in the wrong submenu.
class MenuParentTest : public ::testing::TestWithParam<ParentCase> {};

TEST_P(MenuParentTest, SitsInItsSubmenu) {
  const auto tree = MenuTree();
  std::string_view parent;
  for (std::size_t i = 0; i < tree.size(); ++i)
    if (tree[i].name == GetParam().item)
      for (std::size_t j = i; j-- > 0 && parent.empty();)
        if (tree[j].level == tree[i].level - 1) parent = tree[j].name;
  EXPECT_EQ(parent, GetParam().parent);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Nesting, MenuParentTest,
    ::testing::Values(
        // case name            item                      parent
        ParentCase{"AtcLTool",           "ProcessMT1",             "ProcessMT"},
        ParentCase{"BarAfterAtc",        "ProcessBar5",            "Process"},
        ParentCase{"MTapNotInMT",        "ProcessMTap",            "Process"},
        ParentCase{"ZeroSetting",        "ProcessMeasuerZero",     "ProcessMeasureInside"},
        ParentCase{"PostProcessGauging", "ProcessMeasuerOutside",  "Process"},
        ParentCase{"NotFixCycle",        "GcodeG34",               "GcodeThread"},
        ParentCase{"FaceCycle",          "GcodeG32",               "GcodeFace"},
        ParentCase{"DwellLeaf",          "GcodeG04",               "Gcode"},
        ParentCase{"TailstockLeaf",      "GcodeTailstock",         "Gcode"},
        ParentCase{"HighPressure2",      "McodeCoolantHipress2",   "McodeCoolant"},
        ParentCase{"InterlockSub",       "McodeChuckInterlockSub", "McodeChuckInterlock"},
        ParentCase{"WindowModes",        "mnuWindowTileVertical",  "mnuView"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against: toolbar positions shifted, so HideDocumentMenus hides the
// wrong buttons, or a button bound to a command that does not exist.
TEST(ToolbarTableTest, PositionsSeparatorsAndCommands) {
  const auto buttons = ToolbarButtons();
  ASSERT_EQ(buttons.size(), 22u);
  std::set<int> separators, documentOnly;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const ToolbarButton& b = buttons[i];
    EXPECT_EQ(b.position, static_cast<int>(i) + 1);
    if (b.document) documentOnly.insert(b.position);
    if (IsSeparator(b)) {
      separators.insert(b.position);
      continue;
    }
    EXPECT_NE(FindMenuItem(b.command), nullptr) << b.command;
    EXPECT_FALSE(b.toolTip.empty()) << b.position;
  }
  EXPECT_EQ(separators, (std::set<int>{4, 6, 11, 17}));
  EXPECT_EQ(documentOnly, (std::set<int>{3, 5, 7, 8, 9, 10, 12, 13, 14, 15, 16, 18, 19, 20, 21, 22}));
  EXPECT_EQ(buttons[11].key, " Auto Sequence No.  Insert ");
  EXPECT_EQ(buttons[11].toolTip, " Auto N000  Insert ");
  EXPECT_EQ(buttons[13].toolTip, "Calculation Replace");
}

// Guards against: status panels out of order, or the lock panels' tooltips misspelt.
TEST(StatusPanelTableTest, SixPanelsInOrder) {
  const auto panels = StatusPanels();
  std::vector<std::string_view> keys;
  for (const StatusPanel& p : panels) keys.push_back(p.key);
  ASSERT_EQ(keys, (std::vector<std::string_view>{"Memo", "INS", "CAPS", "NUM", "Date", "Time", "LnCol"}));
  EXPECT_EQ(panels[1].toolTip, "Insrt Key");
  EXPECT_EQ(panels[2].toolTip, "Caps Lock");
  EXPECT_EQ(panels[3].toolTip, "Num Lock");
}

// Guards against: document menus, document commands, Tallix or checkable items naming items that do not
// exist (they would silently never be shown, enabled or checked).
TEST(MenuTreeTest, ItemListsNameRealItems) {
  for (std::string_view name : DocumentMenus()) {
    const MenuItem* item = FindMenuItem(name);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->level, 0) << name;
  }
  for (std::string_view name : DocumentCommands()) EXPECT_TRUE(FindMenuItem(name) && NeedsDocument(name)) << name;
  for (std::string_view name : TallixItems()) EXPECT_NE(FindMenuItem(name), nullptr) << name;
  EXPECT_EQ(DocumentMenus().size(), 7u);
  EXPECT_EQ(DocumentCommands().size(), 12u);
  EXPECT_EQ(TallixItems().size(), 6u);
  EXPECT_TRUE(NeedsDocument("mnuEditUndo"));
  EXPECT_FALSE(NeedsDocument("mnuFileNew") || NeedsDocument("mnuToolsrpm"));
  for (const char* name : {"mnuViewToolbar", "mnuViewStatusBar", "mnuWindowCascade", "mnuWindowTileHorizontal",
                           "mnuWindowTileVertical", "mnuToolsAutoNo"})
    EXPECT_TRUE(FindMenuItem(name) && (FindMenuItem(name)->flags & kMenuCheckable)) << name;
}

}  // namespace
}  // namespace quillon
