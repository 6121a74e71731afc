#include "process/process_command.h"

namespace quillon {

std::span<const ProcessCommand> FrameCommands() { return {}; }

}  // namespace quillon
