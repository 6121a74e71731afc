#include "process/process_command.h"

namespace quillon {

std::span<const ProcessCommand> RotaryCommands() { return {}; }

}  // namespace quillon
