#pragma once
// The whole process-command table: every family's rows, each defined beside
// its generators.
#include <span>
#include <string_view>
#include <vector>

#include "process/process_command.h"

namespace quillon {

std::span<const ProcessCommand> FrameCommands();      // Material Input, ATC ready-requests
std::span<const ProcessCommand> RotaryCommands();     // M-axis drilling ... milling
std::span<const ProcessCommand> MeasuringCommands();  // measurement and zero offset

// All rows, in menu order of families; nullptr when the name is unknown.
std::vector<const ProcessCommand*> AllProcessCommands();
const ProcessCommand* FindProcessCommand(std::string_view name);

}  // namespace quillon
