// The measuring and zero-offset commands: where their texts land in a document (their set-ups: command_table_test.cpp).
#include <gtest/gtest.h>

#include <string>

#include "process/process_command.h"
#include "process/process_run.h"
#include "process/process_test_support.h"
#include "process_rotary/command_table.h"
#include "support/edit_parts.h"

namespace quillon {
namespace {

using testing_support::AfterCaret;
using testing_support::AtCaret;
using testing_support::Count;
using testing_support::Parts;

DocumentEdit RunMeasurement(const char* command) {
  ProcessDialogValues values;
  // Sensor 5, offset 3, target D40 at Z-20: TOF1 = two(5 + 10) = 15.
  values.texts = testing_support::ParseBoxes("ToolNumber=5 V=3 U=0.02 W=0.05 EndX=40 EndZ=-20 StartX=60 StartZ=5");
  ProcessContext ctx;
  return RunProcessCommand(*FindProcessCommand(command), values, ctx);
}

struct PlacementCase {
  const char *command, *call, *subprogram;
};  // call without a line end; subprogram's name

// Guards against: a call line with a line end of its own, the caret moved past the call, the subprogram written at the
// caret instead of at the end, and a half edit (call without subprogram): both come in one output.
class MeasurementPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(MeasurementPlacementTest, CallAtCaretSubprogramAtEnd) {
  const auto& c = GetParam();
  const DocumentEdit out = RunMeasurement(c.command);
  EXPECT_EQ(AtCaret(out), "");
  EXPECT_EQ(AfterCaret(out), c.call);
  EXPECT_EQ(out.appendAtEnd.rfind("\t\n", 0), 0u);
  EXPECT_NE(out.appendAtEnd.find(std::string("\n") + c.subprogram + "\n"), std::string::npos);
  EXPECT_EQ(out.appendAtEnd.substr(out.appendAtEnd.size() - 9), "NRTS RTS\n");

  // Caret at the start of the second line of "N001 A\nN002 B\n".
  const std::string doc = "N001 A\nN002 B\n";
  const AppliedText once = ApplyDocumentEdit(doc, {7, 0}, out);
  EXPECT_EQ(once.caret, 7u);
  EXPECT_EQ(once.text, "N001 A\n" + std::string(c.call) + "N002 B\n" + out.appendAtEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MeasurementPlacementTest,
    ::testing::ValuesIn(testing_support::LoadCases<PlacementCase, 3>("process_rotary/cases/measurement_placement.txt")),
    [](const auto& row) { return std::string(row.param.command).substr(14); });

// Guards against a second run replacing the first subprogram or putting its call after the subprograms.
TEST(MeasurementPlacementTest, TwoRunsAppendTwoSubprograms) {
  const DocumentEdit out = RunMeasurement("ProcessMeasuerInD");
  AppliedText doc = ApplyDocumentEdit("", {}, out);
  doc = ApplyDocumentEdit(doc.text, {doc.caret, 0}, out);
  EXPECT_EQ(doc.caret, 0u);
  EXPECT_EQ(Count(doc.text, "\nOME12\n"), 2);
  EXPECT_EQ(Count(doc.text, "N000 CALL OME12 (ID.MEASURE D40)"), 2);
  // Both calls stand before both subprograms.
  EXPECT_LT(doc.text.rfind("N000 CALL OME12"), doc.text.find("\nOME12\n"));
}

// Guards against the outside measurement opening a dialog or putting its call anywhere but at the caret.
TEST(MeasuerOutsideTest, NoDialogCallAtTheCaret) {
  const ProcessCommand* row = FindProcessCommand("ProcessMeasuerOutside");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->dialog, CommandDialog::None);
  ProcessContext ctx;
  EXPECT_EQ(Parts(RunPlainCommand(*row, ctx)), "N000 CALL OXMS\n||");
}

}  // namespace
}  // namespace quillon
