// The whole process-command table against its dump: every row with its dialog, cutting-condition row, tool-data
// description and the frmProcess set-up it makes before and after "Material Input" was used.
#include "process_rotary/command_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "numbers/nc_number.h"
#include "process/nc_block.h"
#include "process/process_run.h"
#include "support/golden_file.h"

namespace quillon {
namespace {

using testing_support::Quoted;

std::string Pairs(const std::vector<std::pair<std::string, std::string>>& pairs) {
  std::string s;
  for (const auto& [name, text] : pairs) s += " " + name + "=" + Quoted(text);
  return s;
}

std::string Names(const std::vector<std::string>& names) {
  std::string s;
  for (const auto& name : names) s += " " + name;
  return s;
}

// Guards against: a row missing, out of menu order or reaching another row's cutting conditions, a caption or label
// whose blanks drifted, a box hidden that the block reads or shown that it ignores, a lost tool tip, a pre-fill reading
// the wrong kept value (or writing "80.0"), and tool-data words or kinds typed wrong.
TEST(CommandTableTest, MatchesItsDump) {
  static const char* const kDialogs[] = {"frmProcess", "frmUGC", "none"};
  KeptState used;  // after "Material Input" and one accepted dialog
  used.MaterialOD = 80, used.MaterialID = 30, used.PZero = 2.5;
  used.LastInput.B = 30, used.LastInput.SZ = -12.5;
  // A computed tool-data word is shown with its value for this input.
  ProcessInput sample;
  sample.U = 10, sample.D = 2, sample.L = 3, sample.W = 0.5, sample.StartX = 40, sample.StartZ = 2, sample.EndX = 60,
  sample.EndZ = -30;
  std::ostringstream out;
  out << "# computed tool-data words show their value for U=10 D=2 L=3 W=0.5 StartX=40 StartZ=2 EndX=60 EndZ=-30\n";
  for (const ProcessCommand* row : AllProcessCommands()) {
    EXPECT_EQ(FindProcessCommand(row->name), row);
    out << row->name << " dialog " << kDialogs[static_cast<int>(row->dialog)] << " row " << row->conditionRow;
    if (const ToolData* tool = row->tool) {
      out << " tool kind " << tool->kind;
      if (tool->angle1) out << " A1=" << *tool->angle1;
      for (const ToolDataWord& w : tool->words)
        if (!w.suffix.empty())
          out << ' ' << w.suffix << '='
              << (w.computed ? "computed:" + ShortestNumberText(w.computed(sample)) : ShortestNumberText(w.value));
    }
    out << (row->generate ? "\n" : " (no generator)\n");
    if (!row->setup) continue;
    const ProcessDialogSetup s = row->setup(KeptState{});
    out << "  caption " << Quoted(s.caption) << "\n  labels" << Pairs(s.labels) << "\n  hidden" << Names(s.hidden)
        << "\n  shown" << Names(s.shown) << "\n  tips" << Pairs(s.toolTips) << "\n  boxes";
    for (const char* box : kProcessBoxes)
      if (ProcessBoxVisible(s, box)) out << ' ' << box;
    out << "\n  prefill" << Pairs(s.prefill) << "\n  prefill after Material Input" << Pairs(row->setup(used).prefill)
        << '\n';
  }
  EXPECT_EQ(testing_support::GoldenMismatch("process_rotary/golden/command_table.txt", out.str()), "");
  EXPECT_EQ(FindProcessCommand("ProcessNothing"), nullptr);
}

}  // namespace
}  // namespace quillon
