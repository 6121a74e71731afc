#include "process/process_command.h"

namespace quillon {

std::span<const ProcessCommand> TurningCommands() { return {}; }

}  // namespace quillon
