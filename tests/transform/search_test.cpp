// Find, Replace and Next Find over the shared search state.
#include "transform/search.h"

#include <gtest/gtest.h>

#include "support/case_file.h"
#include "support/param_name.h"
#include "tool_driver.h"
#include "transform/replace.h"
#include "transform/search_steps.h"

namespace quillon {
namespace {

using testing_support::Dialog;

struct ReplaceCase {
  const char *name, *text;
  std::size_t searchPos;                 // the caret when the dialog opened
  const char *find, *replace, *presses;  // presses: see Press()
  const char* expectedText;
  Match expectedSelection;
  const char* expectedMessages;
};

// Guards against: wrong search start, case-folding, a run that does not continue after the inserted text, counts and
// messages of the wrong button, FirstFind/ReplaceCount not reset after an end message, and changes made where the
// selection no longer spells the find text.
class ReplaceDialogTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceDialogTest, StepsThroughTheText) {
  const auto& c = GetParam();
  Dialog dialog(c.text, c.find, c.replace, c.searchPos);
  dialog.press(ChangeTool::Replace, c.presses);
  EXPECT_EQ(dialog.doc.text, c.expectedText);
  EXPECT_EQ(dialog.doc.selection, c.expectedSelection);
  EXPECT_EQ(dialog.messages(), c.expectedMessages);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReplaceDialogTest,
    ::testing::ValuesIn(testing_support::LoadCases<ReplaceCase, 10>("transform/cases/replace.txt")),
    testing_support::kRowName);

// Guards against 16-bit positions: occurrences past character 32,767 of a 40,000-character program.
TEST(ReplaceLongText, PositionsBeyondSixteenBits) {
  std::string text(40000, ' ');
  text.replace(39990, 2, "X5");
  text.replace(32768, 2, "X4");
  Dialog dialog(text, "X", "U");
  dialog.press(ChangeTool::Replace, "F");
  EXPECT_EQ(dialog.doc.selection, (Match{32768, 1}));
  dialog.press(ChangeTool::Replace, "^A");
  EXPECT_EQ(dialog.doc.text.substr(39990, 2), "U5");
  EXPECT_EQ(dialog.doc.text.substr(32768, 2), "U4");
  EXPECT_EQ(dialog.messages(), "Replace|2 times replaced.");
}

// Guards against a run that cannot start (no find text, or a start past the end) moving the caret or the text.
TEST(ReplaceAllEdgeTest, NothingToDoKeepsTheCaret) {
  for (const auto& [find, from] : {std::pair{"", std::size_t{0}}, {"X", std::size_t{9}}}) {
    const ReplaceRun run = ReplaceAll("X1 X2", from, find, "Y", 3);
    EXPECT_EQ(run.text + "|" + std::to_string(run.caret) + "|" + std::to_string(run.count), "X1 X2|3|0") << find;
  }
}

struct SpanCase {
  const char *name, *before, *after;
  std::size_t start, length;
  const char* text;
};

// Guards against an All Change edit that replaces more than what changed (the editor would lose its scroll position) or
// a wrong span.
class ChangedSpanTest : public ::testing::TestWithParam<SpanCase> {};

TEST_P(ChangedSpanTest, IsTheNarrowEdit) {
  const auto& c = GetParam();
  EXPECT_EQ(ChangedSpan(c.before, c.after, 3), ReplaceSpan(c.start, c.length, c.text, 3));
  EXPECT_EQ(ApplyDocumentEdit(c.before, {}, ChangedSpan(c.before, c.after)).text, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChangedSpanTest,
    ::testing::ValuesIn(testing_support::LoadCases<SpanCase, 6>("transform/cases/changed_span.txt")),
    testing_support::kRowName);

// Guards against the find text reaching a message as raw bytes.
TEST(Latin1ToUtf8Test, HighBytesBecomeTwoBytes) {
  EXPECT_EQ(Latin1ToUtf8("X\xB0"), "X\xC2\xB0");
  EXPECT_EQ(EndOfSearchMessage(SearchEnd::FindNext, 0, "\xE9").text, "\"\xC3\xA9\" not find.");
}

}  // namespace
}  // namespace quillon
