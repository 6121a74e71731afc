// The program frame ("Material Input") and the bare ATC ready-request lines.
#include "process_rotary/command_table.h"
#include "process_rotary/ugc.h"

namespace quillon {

namespace {

// The user types the tool number after the request, so neither the number
// nor a line end is written; these lines are wanted whatever Tallix says.
DocumentEdit ReadyRequest(const ProcessContext& ctx, const char* kind) {
  return InsertAtSelection(std::string("N000 MT=") + kind + (ctx.machine.TG ? " TG=" : ""));
}

DocumentEdit ProcessMT1_Click(ProcessContext& ctx) { return ReadyRequest(ctx, "1"); }
DocumentEdit ProcessMT3_Click(ProcessContext& ctx) { return ReadyRequest(ctx, "3"); }

// clang-format off
const ProcessCommand kFrameCommands[] = {
  // name          dialog                        row setup    generate
  {"ProcessUGC",  CommandDialog::MaterialInput,   0, nullptr, GenerateMaterialInput},
  {"ProcessMT1",  CommandDialog::None,            0, nullptr, ProcessMT1_Click},
  {"ProcessMT3",  CommandDialog::None,            0, nullptr, ProcessMT3_Click},
};
// clang-format on

}  // namespace

std::span<const ProcessCommand> FrameCommands() { return kFrameCommands; }

}  // namespace quillon
