// The flow every front end uses: pre-fill, run, keep; and where output lands.
#include "process/process_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/document_edit.h"
#include "numbers/process_error.h"
#include "process/process_test_support.h"
#include "process_rotary/command_table.h"

namespace quillon {
namespace {

const ProcessCommand kRowFive{"ProcessDummy", CommandDialog::Process, 5, nullptr, nullptr};
const ProcessCommand kNoRow{"ProcessDummy", CommandDialog::Process, 0, nullptr, nullptr};

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

  EXPECT_EQ(testing_support::ThrownNumber([&] { PrepareProcessDialog(kRowFive, setup, CuttingConditionTable{}); }),
            kErrCuttingCondition);
  v = PrepareProcessDialog(kNoRow, setup, CuttingConditionTable{});
  EXPECT_EQ(v.text("StartZ"), "0");
  EXPECT_EQ(v.text("ToolNumber"), "");
}

struct VisibleCase {
  const char *name, *hidden, *shown, *box;  // hidden, shown: box names apart by blanks
  bool visible;
};

// Guards against B and SZ counting as visible when a set-up does not show them, and against hidden boxes being
// settable.
class ProcessBoxVisibleTest : public ::testing::TestWithParam<VisibleCase> {};

TEST_P(ProcessBoxVisibleTest, FollowsDesignAndSetup) {
  const auto& c = GetParam();
  ProcessDialogSetup setup;
  setup.hidden = testing_support::SplitList(c.hidden, ' ');
  setup.shown = testing_support::SplitList(c.shown, ' ');
  EXPECT_EQ(ProcessBoxVisible(setup, c.box), c.visible);
}

QUILLON_CASE_SUITE(Boxes, ProcessBoxVisibleTest, VisibleCase, 5, "process/cases/box_visible.txt");

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
  const char *name, *command;
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

QUILLON_CASE_SUITE(Commands, RunProcessCommandTest, RunCase, 5, "process/cases/run_command.txt");

struct ApplyCase {
  const char *name, *text;
  std::size_t selStart, selLength;
  const char *atCaret, *afterCaret, *appendAtEnd, *result;
  std::size_t caret;
};

// Guards against the caret landing after the whole insertion (the user's machining belongs between head and end) and
// against the subprogram being put at the caret instead of the end.
class ApplyDocumentEditTest : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyDocumentEditTest, ReplacesSelectionAndAppends) {
  const auto& c = GetParam();
  // A block written at the caret: what goes before the caret, after it, and at the end.
  const DocumentEdit output =
      InsertAtSelection(std::string(c.atCaret) + c.afterCaret, std::string(c.atCaret).size(), c.appendAtEnd);
  AppliedText applied = ApplyDocumentEdit(c.text, {c.selStart, c.selLength}, output);
  EXPECT_EQ(applied.text, c.result);
  EXPECT_EQ(applied.caret, c.caret);
}

QUILLON_CASE_SUITE(Edits, ApplyDocumentEditTest, ApplyCase, 9, "process/cases/apply_edit.txt");

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
