// The turning-tool rows of the process-command table, in menu order (which is
// also the order of their cutting-condition rows 1 to 16).
#include "process/turning_generators.h"

namespace quillon {

namespace {

// clang-format off
const ProcessCommand kTurningCommands[] = {
  // name                  dialog                   set-up                      generator
  {"ProcessDrillHss",      CommandDialog::Process,  ProcessDrillHss_Setup,      ProcessDrillHss_Click},
  {"ProcessDrillU",        CommandDialog::Process,  ProcessDrillU_Setup,        ProcessDrillU_Click},
  {"ProcessRoughFaceOD",   CommandDialog::Process,  ProcessRoughFaceOD_Setup,   ProcessRoughFaceOD_Click},
  {"ProcessRoughFace",     CommandDialog::Process,  ProcessRoughFace_Setup,     ProcessRoughFace_Click},
  {"ProcessRoughOD",       CommandDialog::Process,  ProcessRoughOD_Setup,       ProcessRoughOD_Click},
  {"ProcessRoughID",       CommandDialog::Process,  ProcessRoughID_Setup,       ProcessRoughID_Click},
  {"ProcessFinishFaceOD",  CommandDialog::Process,  ProcessFinishFaceOD_Setup,  ProcessFinishFaceOD_Click},
  {"ProcessFinishFace",    CommandDialog::Process,  ProcessFinishFace_Setup,    ProcessFinishFace_Click},
  {"ProcessFinishOD",      CommandDialog::Process,  ProcessFinishOD_Setup,      ProcessFinishOD_Click},
  {"ProcessFinishID",      CommandDialog::Process,  ProcessFinishID_Setup,      ProcessFinishID_Click},
  {"ProcessGrooveFace",    CommandDialog::Process,  ProcessGrooveFace_Setup,    ProcessGrooveFace_Click},
  {"ProcessGrooveOD",      CommandDialog::Process,  ProcessGrooveOD_Setup,      ProcessGrooveOD_Click},
  {"ProcessGrooveID",      CommandDialog::Process,  ProcessGrooveID_Setup,      ProcessGrooveID_Click},
  {"ProcessThreadFace",    CommandDialog::Process,  ProcessThreadFace_Setup,    ProcessThreadFace_Click},
  {"ProcessThreadOD",      CommandDialog::Process,  ProcessThreadOD_Setup,      ProcessThreadOD_Click},
  {"ProcessThreadID",      CommandDialog::Process,  ProcessThreadID_Setup,      ProcessThreadID_Click},
};
// clang-format on

}  // namespace

std::span<const ProcessCommand> TurningCommands() { return kTurningCommands; }

}  // namespace quillon
