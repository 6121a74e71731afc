// Material files as the loader meets them: any bytes parse to a table or to a
// message, every record span lies in the text in order, and every row's and
// every process dialog's pre-fill either fills the dialog or is refused with
// a process error.
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "numbers/process_error.h"
#include "process/cutting_conditions.h"
#include "process/process_run.h"
#include "process_rotary/command_table.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const CuttingConditionLoad load = ParseCuttingConditionTable(bytes, "FUZZ.CSV");
  fuzz::Require(load.ok == load.error.empty());
  if (!load.ok) {
    fuzz::Require(load.error.rfind("FUZZ.CSV", 0) == 0);
    return 0;
  }
  const auto spans = FindCuttingConditionRecords(bytes);
  fuzz::Require(spans.size() <= static_cast<std::size_t>(kCuttingConditionRecords));
  std::size_t after = 0;
  for (const CuttingConditionRecordSpan& span : spans) {
    fuzz::Require(after <= span.begin && span.begin <= span.end && span.end <= span.next && span.next <= size);
    after = span.next;
  }
  for (int row = -1; row <= kCuttingConditionRows; ++row) {
    try {
      const ProcessDialogValues values = LoadCuttingConditionRow(load.table, row);
      fuzz::Require(row >= 0 && row < kCuttingConditionRows);
      (void)values;
    } catch (const ProcessError& e) {
      fuzz::Require(e.number == kErrSubscriptOutOfRange || e.number == kErrCuttingCondition);
    }
  }
  // Every process dialog's pre-fill from the table: its row, then the set-up.
  static const std::vector<const ProcessCommand*> commands = AllProcessCommands();
  for (const ProcessCommand* command : commands) {
    if (command->dialog != CommandDialog::Process || !command->setup) continue;
    try {
      (void)PrepareProcessDialog(*command, command->setup(KeptState{}), load.table);
    } catch (const ProcessError& e) {
      fuzz::Require(e.number == kErrCuttingCondition);
    }
  }
  return 0;
}
