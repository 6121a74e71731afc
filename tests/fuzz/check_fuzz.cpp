// The program check over arbitrary bytes: it must neither crash nor report a
// finding outside the text, and the index it builds itself must give what a
// separately built index gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/machine_parameters.h"
#include "check/program_check.h"
#include "program/program_index.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  quillon::MachineParameters machine;
  // The first byte picks a spindle limit, so the speed rules see both sides of it.
  if (size > 0) machine.MaxS = 100.0 * data[0];
  const std::vector<quillon::Finding> findings = quillon::CheckProgram(text, machine);
  const quillon::ProgramIndex index(text);
  if (findings != quillon::CheckProgram(text, index, machine)) std::abort();
  for (const quillon::Finding& f : findings) {
    if (f.line < 1 || f.line > index.lineCount() || f.column < 1) std::abort();
    if (f.rule >= quillon::CheckRules().size()) std::abort();
    (void)quillon::FormatFinding("fuzz", f);
  }
  return 0;
}
