// The program frame ("Material Input") and the bare ATC ready-request lines.
#include "process/process_command.h"
#include "process_rotary/ugc.h"

namespace quillon {

namespace {

// The user types the tool number after the request, so neither the number
// nor a line end is written; these lines are wanted whatever Tallix says.
ProcessOutput ReadyRequest(const ProcessContext& ctx, const char* kind) {
  ProcessOutput out;
  out.atCaret = std::string("N000 MT=") + kind + (ctx.machine.TG ? " TG=" : "");
  return out;
}

ProcessOutput ProcessMT1_Click(ProcessContext& ctx) { return ReadyRequest(ctx, "1"); }
ProcessOutput ProcessMT3_Click(ProcessContext& ctx) { return ReadyRequest(ctx, "3"); }

// clang-format off
const ProcessCommand kFrameCommands[] = {
  // name          dialog                        setup    generate
  {"ProcessUGC",  CommandDialog::MaterialInput, nullptr, GenerateMaterialInput},
  {"ProcessMT1",  CommandDialog::None,          nullptr, ProcessMT1_Click},
  {"ProcessMT3",  CommandDialog::None,          nullptr, ProcessMT3_Click},
};
// clang-format on

}  // namespace

std::span<const ProcessCommand> FrameCommands() { return kFrameCommands; }

}  // namespace quillon
