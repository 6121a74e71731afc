#include "process_rotary/command_table.h"

namespace quillon {

std::vector<const ProcessCommand*> AllProcessCommands() {
  std::vector<const ProcessCommand*> all;
  for (auto family : {FrameCommands(), TurningCommands(), RotaryCommands(), MeasuringCommands()})
    for (const auto& row : family) all.push_back(&row);
  return all;
}

const ProcessCommand* FindProcessCommand(std::string_view name) {
  for (const ProcessCommand* row : AllProcessCommands())
    if (row->name == name) return row;
  return nullptr;
}

}  // namespace quillon
