// Find, Replace and Next Find over the shared search state.
#include <gtest/gtest.h>

#include "tool_driver.h"
#include "transform/replace.h"
#include "transform/search.h"
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

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ReplaceDialogTest, ::testing::Values(
    // name                          text              pos find  repl  presses    expected text      selection
    // messages N0 O1 E2 X3 _4 M5 A6 X7 _8 x9 _10 X11: X stops inside NOEX and MAX, passes lower-case x, then the
    // message
    ReplaceCase{"FindEndsWithMessage",   "NOEX MAX x X1", 0, "X",  "",   "FFFF",    "NOEX MAX x X1",   {11, 1},      "Find|\"X\" not find."},
    ReplaceCase{"FindIsCaseSensitive",   "x1 x2",         0, "X",  "",   "F",       "x1 x2",           {0, 0},       "Find|\"X\" not find."},
    ReplaceCase{"FindStartsAtTheCaret",  "X1 X2 X3",      1, "X",  "",   "F",       "X1 X2 X3",        {3, 1},       ""},
    ReplaceCase{"FindFromTopRestarts",   "X1 X2",         0, "X",  "",   "FF^F",    "X1 X2",           {0, 1},       ""},
    // Next Find continues one character after the selection's start
    ReplaceCase{"NextFindFollows",       "X1 X2 X3",      0, "X",  "",   "FN",      "X1 X2 X3",        {3, 1},       ""},
    ReplaceCase{"NextFindAtTheEnd",      "X1 X2 X3",      0, "X",  "",   "FNNN",    "X1 X2 X3",        {6, 1},       " Fund |\"X\"は見つかりませんでした . "},
    // ABAB: AB at 0 -> C, the search resumes after C and meets AB at 1 of "CAB"; the caret keeps its place
    ReplaceCase{"AllChangeABAB",         "ABAB",          0, "AB", "C",  "A",       "CC",              {0, 0},       "Replace|2 times replaced."},
    // each X doubled once
    ReplaceCase{"AllChangeDoublesOnce",  "X1 X2",         0, "X",  "XX", "A",       "XX1 XX2",         {0, 0},       "Replace|2 times replaced."},
    ReplaceCase{"AllChangeNothing",      "Y1",            0, "X",  "Z",  "A",       "Y1",              {0, 0},       "Replace|\"X\" not find."},
    ReplaceCase{"AllChangeFromTheCaret", "X1 X2",         2, "X",  "Y",  "A",       "X1 Y2",           {2, 0},       "Replace|1 times replaced."},
    ReplaceCase{"AllChangeFromTop",      "X1 X2",         2, "X",  "Y",  "^A",      "Y1 Y2",           {2, 0},       "Replace|2 times replaced."},
    // the caret (4, before "2") keeps its place as words before it grow: 4 + 1 + 1 = 6
    ReplaceCase{"CaretMovesWithText",    "X1 X2",         4, "X",  "XX", "^A",      "XX1 XX2",         {6, 0},       "Replace|2 times replaced."},
    // a caret inside a replaced occurrence ends after its replacement
    ReplaceCase{"CaretInsideOccurrence", "xABy",          2, "AB", "C",  "^A",      "xCy",             {2, 0},       "Replace|1 times replaced."},
    // the first Change of a run only selects
    ReplaceCase{"FirstChangeSelects",    "X1 X2",         0, "X",  "Y",  "C",       "X1 X2",           {0, 1},       ""},
    // 2nd Change: X at 0 -> Y, selects X at 3; 3rd: X at 3 -> Y, nothing more, caret after it (4)
    ReplaceCase{"ChangeCounts",          "X1 X2",         0, "X",  "Y",  "CCC",     "Y1 Y2",           {4, 0},       "Character列Change|2 Time Changeしました."},
    ReplaceCase{"ChangeNotFound",        "X1",            0, "Q",  "R",  "C",       "X1",              {0, 0},       "Character列Change|\"Q\" 見つかりませんでした."},
    ReplaceCase{"SkipToTheEnd",          "X1 X2",         0, "X",  "Y",  "SSS",     "X1 X2",           {3, 1},       "Replace|\"X\" not find."},
    ReplaceCase{"SkipEndCountsChanges",  "X1 X2",         0, "X",  "Y",  "CCS",     "Y1 X2",           {3, 1},       "Replace|1 times replaced."},
    // the end message resets the count: the next run reports "not find"
    ReplaceCase{"CountResetAfterEnd",    "X1 X2",         0, "X",  "Y",  "CCSA",    "Y1 X2",           {3, 1},       "Replace|1 times replaced. / Replace|\"X\" not find."},
    // FirstFind is true again after the end message: "^C" only selects the first X
    ReplaceCase{"FirstFindResetAfterEnd","X1 X2",         0, "X",  "XX", "CCC^C",   "XX1 XX2",         {0, 1},       "Character列Change|2 Time Changeしました."},
    // All Change goes on from SearchPos (4), past the selected X at 3, and adds to the run's count
    ReplaceCase{"AllChangeAfterChange",  "X1 X2 X3",      0, "X",  "Y",  "CCA",     "Y1 X2 Y3",        {3, 0},       "Replace|2 times replaced."},
    // Next Find shows the run's count and keeps it: the next end message counts on
    ReplaceCase{"NextFindKeepsCount",    "A1 A2 A3",      0, "A",  "B",  "CCCNC",   "B1 B2 B3",        {7, 0},       " Fund |2 time  change しました .  / Character列Change|3 Time Changeしました."},
    // the user moved the caret to 4: the selected X at 0 is not changed; the search restarts at 4
    ReplaceCase{"MovedCaretNotChanged",  "X1 X2 X3",      0, "X",  "Y",  "C@4C",    "X1 X2 X3",        {6, 1},       ""},
    // the user typed Z at 0 after the first find: Z survives, the X now at 1 is found again and changed
    ReplaceCase{"TypingSurvives",        "X1 X2",         0, "X",  "Y",  "C@0#ZCC",  "ZY1 X2",          {4, 1},       ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against the find text reaching a message as raw bytes.
TEST(Latin1ToUtf8Test, HighBytesBecomeTwoBytes) {
  EXPECT_EQ(Latin1ToUtf8("X\xB0"), "X\xC2\xB0");
  EXPECT_EQ(EndOfSearchMessage(SearchEnd::FindNext, 0, "\xE9").text, "\"\xC3\xA9\" not find.");
}

}  // namespace
}  // namespace quillon
