// The flow every front end uses: pre-fill, run, keep; and where output lands.
#include "process/process_run.h"

#include <gtest/gtest.h>

#include <string>

#include "document/document_edit.h"
#include "numbers/process_error.h"
#include "process_rotary/command_table.h"
#include "support/case_file.h"
#include "support/param_name.h"

namespace quillon {
namespace {

constexpr auto kName = testing_support::kRowName;

const ProcessCommand kRowFive{"ProcessDummy", CommandDialog::Process, 5, nullptr, nullptr};
const ProcessCommand kNoRow{"ProcessDummy", CommandDialog::Process, 0, nullptr, nullptr};

// A block written at the caret: what goes before the caret, after it, and at the end.
DocumentEdit Out(const std::string& atCaret, const std::string& afterCaret, const std::string& appendAtEnd) {
  return InsertAtSelection(atCaret + afterCaret, atCaret.size(), appendAtEnd);
}

// Guards against the dialog opening without a material (error 13 before it), against a set-up without a row needing
// one, and against the set-up's pre-fills being overwritten by the row (they come after it).
TEST(PrepareProcessDialogTest, RowFirstThenPrefill) {
  // Rows 1..4 filler, row 5 a roughing row choosing CCW and coolant off.
  std::string file = "h1\r\nh2\r\n";
  for (int row = 1; row <= 4; ++row) file += "a,b," + std::to_string(row) + ",0,1,1,1,1,1,1,1,1\r\n";
  CuttingConditionTable table;
  ASSERT_EQ(ApplyCuttingConditionLoad(
                table, ParseCuttingConditionTable(file + "Rough OD,CNMG,5,1,0,150,0.3,3,0,0.4,0.1,1\r\n", "t.csv")),
            "");
  ProcessDialogSetup setup;
  setup.prefill = {{"EndX", "80"}, {"StartZ", "0"}, {"V", "99"}};
  ProcessDialogValues v = PrepareProcessDialog(kRowFive, setup, table);
  std::string texts;
  for (const char* box : {"ToolNumber", "F", "V", "EndX", "StartZ"}) texts += v.text(box) + "|";
  EXPECT_EQ(texts, "5|0.3|99|80|0|");
  EXPECT_FALSE(v.spindleCW);
  EXPECT_FALSE(v.coolantOn);

  try {
    PrepareProcessDialog(kRowFive, setup, CuttingConditionTable{});
    ADD_FAILURE() << "no error";
  } catch (const ProcessError& e) {
    EXPECT_EQ(e.number, kErrCuttingCondition);
  }
  v = PrepareProcessDialog(kNoRow, setup, CuttingConditionTable{});
  EXPECT_EQ(v.text("StartZ"), "0");
  EXPECT_EQ(v.text("ToolNumber"), "");
}

struct VisibleCase {
  const char* name;
  std::vector<std::string> hidden, shown;
  const char* box;
  bool visible;
};

// Guards against B and SZ counting as visible when a set-up does not show them, and against hidden boxes being
// settable.
class ProcessBoxVisibleTest : public ::testing::TestWithParam<VisibleCase> {};

TEST_P(ProcessBoxVisibleTest, FollowsDesignAndSetup) {
  const auto& c = GetParam();
  ProcessDialogSetup setup;
  setup.hidden = c.hidden;
  setup.shown = c.shown;
  EXPECT_EQ(ProcessBoxVisible(setup, c.box), c.visible);
}

INSTANTIATE_TEST_SUITE_P(Boxes, ProcessBoxVisibleTest,
                         ::testing::Values(VisibleCase{"PlainBox", {}, {}, "StartX", true},
                                           VisibleCase{"HiddenBox", {"L", "EndC"}, {}, "L", false},
                                           VisibleCase{"BHiddenByDesign", {}, {}, "B", false},
                                           VisibleCase{"SZHiddenByDesign", {}, {}, "SZ", false},
                                           VisibleCase{"BShown", {}, {"B", "SZ"}, "B", true},
                                           VisibleCase{"SZShownThenHidden", {"SZ"}, {"SZ"}, "SZ", false}),
                         kName);

// Test generators: one leaves a spindle speed, one fails after changing it.
DocumentEdit Succeeds(ProcessContext& ctx) {
  ctx.kept.SpindleSpeed = 1030;
  return InsertAtSelection("block for " + ctx.command + "\n");
}
DocumentEdit FailsHalfWay(ProcessContext& ctx) {
  ctx.kept.SpindleSpeed = 1;
  throw ProcessError(kErrDivisionByZero);
}

struct RunCase {
  const char* name;
  const char* command;
  bool fails;
  double spindleAfter;
  bool keepsZeroShift;
};

// Guards against a failing generator leaving half-updated kept state, the last confirmed dialog being lost when
// generating fails, and the zero shift being kept for commands that are not slant commands.
class RunProcessCommandTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunProcessCommandTest, KeepsWhatTheDialogConfirmed) {
  const auto& c = GetParam();
  const ProcessCommand command{c.command, CommandDialog::Process, 0, nullptr, c.fails ? FailsHalfWay : Succeeds};
  ProcessDialogValues typed;
  typed.texts = {{"ToolNumber", "5"}, {"B", "45"}, {"SZ", "-10"}, {"C", "12.3"}};
  typed.spindleCW = false;
  ProcessContext ctx;
  ctx.kept.SpindleSpeed = 450;
  if (c.fails)
    EXPECT_THROW(RunProcessCommand(command, typed, ctx), ProcessError);
  else
    EXPECT_EQ(RunProcessCommand(command, typed, ctx).text, "block for " + std::string(c.command) + "\n");
  EXPECT_EQ(ctx.kept.SpindleSpeed, c.spindleAfter);
  EXPECT_EQ(ctx.kept.LastInput.B, 45);
  EXPECT_EQ(ctx.kept.LastInput.SZ, -10);
  EXPECT_EQ(ctx.kept.LastInput.SpindleCode, " M04 M63");
  const auto shift = ctx.kept.ZeroShiftX.find(c.command);
  ASSERT_EQ(shift != ctx.kept.ZeroShiftX.end(), c.keepsZeroShift);
  EXPECT_TRUE(!c.keepsZeroShift || shift->second == 12.3);  // as typed, not via single precision
}

INSTANTIATE_TEST_SUITE_P(Commands, RunProcessCommandTest,
                         ::testing::ValuesIn(testing_support::LoadCases<RunCase, 5>("process/cases/run_command.txt")),
                         kName);

struct ApplyCase {
  const char* name;
  const char* text;
  std::size_t selStart, selLength;
  DocumentEdit output;
  const char* result;
  std::size_t caret;
};

// Guards against the caret landing after the whole insertion (the user's machining belongs between head and end) and
// against the subprogram being put at the caret instead of the end.
class ApplyDocumentEditTest : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyDocumentEditTest, ReplacesSelectionAndAppends) {
  const auto& c = GetParam();
  AppliedText applied = ApplyDocumentEdit(c.text, {c.selStart, c.selLength}, c.output);
  EXPECT_EQ(applied.text, c.result);
  EXPECT_EQ(applied.caret, c.caret);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ApplyDocumentEditTest,
    ::testing::Values(ApplyCase{"EmptyDocument", "", 0, 0, Out("head\n", "end\n", "sub\n"), "head\nend\nsub\n", 5},
                      ApplyCase{"CaretInText", "ab\ncd\n", 3, 0, Out("H\n", "E\n", "S\n"), "ab\nH\nE\ncd\nS\n", 5},
                      ApplyCase{"SelectionReplaced", "ab\nXX\ncd\n", 3, 3, Out("H\n", "", ""), "ab\nH\ncd\n", 5},
                      ApplyCase{"AppendAfterUnterminatedLastLine", "ab", 0, 0, Out("", "", "\tsub\n"), "ab\tsub\n", 0},
                      ApplyCase{"BareRequestCaretAfterIt", "x\n", 2, 0, Out("N000 MT=3 TG=", "", ""),
                                "x\nN000 MT=3 TG=", 15},
                      ApplyCase{"SelectionPastTheEndCut", "abc", 2, 50, Out("Z", "", ""), "abZ", 3},
                      ApplyCase{"StartPastTheEndAppends", "abc", 9, 0, Out("Z", "", ""), "abcZ", 4}),
    kName);

// Guards against threading dividing by (or computing from) a negative reference diameter: only d > 0 recomputes,
// otherwise the last speed stays.
TEST(TurningSpeedTest, ThreadWithNegativeDiameterKeepsTheSpeed) {
  ProcessContext ctx;
  ctx.kept.SpindleSpeed = 770;
  ctx.input.ToolNumber = 5, ctx.input.V = 100, ctx.input.StartX = 24, ctx.input.EndX = -20, ctx.input.EndZ = -20;
  FindProcessCommand("ProcessThreadOD")->generate(ctx);
  EXPECT_EQ(ctx.kept.SpindleSpeed, 770);
}

}  // namespace
}  // namespace quillon
