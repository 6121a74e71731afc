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

using testing_support::FakeDocument;
using testing_support::Joined;
using testing_support::Press;

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
  FakeDocument doc{c.text, Match{c.searchPos, 0}, {}};
  SearchState state;
  state.searchPos = c.searchPos;
  state.findText = c.find;
  state.replaceText = c.replace;
  Press(ChangeTool::Replace, doc, state, c.presses);
  EXPECT_EQ(doc.text, c.expectedText);
  EXPECT_EQ(doc.selection, c.expectedSelection);
  EXPECT_EQ(Joined(doc.messages), c.expectedMessages);
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
  SearchState state;
  state.findText = "X";
  state.replaceText = "U";
  FakeDocument doc{text, {}, {}};
  Press(ChangeTool::Replace, doc, state, "F");
  EXPECT_EQ(doc.selection, (Match{32768, 1}));
  Press(ChangeTool::Replace, doc, state, "^A");
  EXPECT_EQ(doc.text.substr(39990, 2), "U5");
  EXPECT_EQ(doc.text.substr(32768, 2), "U4");
  EXPECT_EQ(Joined(doc.messages), "Replace|2 times replaced.");
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

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ChangedSpanTest, ::testing::Values(
    // name          before         after           edit {start, length, text}
    SpanCase{"Same",    "G00 X1",    "G00 X1",       6, 0, ""},
    SpanCase{"Middle",  "G00 X1 Z2", "G00 X80 Z2",   5, 1, "80"},
    SpanCase{"Grows",   "X",         "XX",           1, 0, "X"},
    SpanCase{"Empties", "AB",        "",             0, 2, ""},
    SpanCase{"Head",    "X1\nX2",    "Y1\nX2",       0, 1, "Y"}),
    testing_support::kRowName);
// clang-format on

// Guards against the find text reaching a message as raw bytes.
TEST(Latin1ToUtf8Test, HighBytesBecomeTwoBytes) {
  EXPECT_EQ(Latin1ToUtf8("X\xB0"), "X\xC2\xB0");
  EXPECT_EQ(EndOfSearchMessage(SearchEnd::FindNext, 0, "\xE9").text, "\"\xC3\xA9\" not find.");
}

}  // namespace
}  // namespace quillon
