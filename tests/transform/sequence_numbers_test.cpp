// Sequence number arrange with its program-end check (the auto-number typing rule is checked with real key events in
// the widget tests).
#include "transform/sequence_numbers.h"

#include <gtest/gtest.h>

#include "support/param_name.h"

namespace quillon {
namespace {

constexpr auto kNone = SequenceSpacing::None;
constexpr auto kOne = SequenceSpacing::One;
constexpr auto kRowName = testing_support::kRowName;

struct ArrangeCase {
  const char* name;
  const char* text;
  ArrangeOptions options;  // the dialog's defaults: D3 S1 A1, five blanks, from top
  std::size_t caret;
  const char* expected;
};

// Guards against: numbering lines that must stay, losing labels or leading blanks rules, wrong spacing, numbers not
// wrapping past D nines, numbers wider than D padded wrongly, a line of only "N" losing its line end, program ends
// misjudged, and the caret start being off by one line.
class ArrangeTest : public ::testing::TestWithParam<ArrangeCase> {};

TEST_P(ArrangeTest, Renumbers) {
  const auto& c = GetParam();
  const ArrangeResult result = ArrangeSequenceNumbers(c.text, c.options, c.caret);
  EXPECT_EQ(result.text, c.expected);
  EXPECT_EQ(result.caret, result.text.size());  // the caret goes to the end
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ArrangeTest, ::testing::Values(
    // name                      text                                       options                                   caret expected
    ArrangeCase{"DialogDefaults",    "G00 X10\nX10 Z5\n  G01 Z-3",             {},                                       0, "N001 G00 X10\nN002     X10 Z5\nN003 G01 Z-3"},
    ArrangeCase{"StyleNone",         "N0050 G01",                              {.spacing = kNone},                       0, "N001G01"},
    ArrangeCase{"StyleOne",          "X10\nG00",                               {.spacing = kOne},                        0, "N001 X10\nN002 G00"},
    ArrangeCase{"StyleFiveAxes",     "Y1\nZ2\nA3",                             {},                                       0, "N001     Y1\nN002     Z2\nN003 A3"},
    // the label is kept, its blanks become the spacing, and it uses up number 1
    ArrangeCase{"LabelKept",         "NLAB1   G00\nG01",                       {.spacing = kOne},                        0, "NLAB1 G00\nN002 G01"},
    ArrangeCase{"LabelBeforeAxis",   "NLAB X5",                                {},                                       0, "NLAB     X5"},
    ArrangeCase{"LabelEndingTheAlphabet", "NZ1 G00\nG01",                     {.spacing = kOne},                        0, "NZ1 G00\nN002 G01"},
    // the character judged after N100 is the line end: one blank
    ArrangeCase{"NumberAlone",       "N100\nG00",                              {},                                       0, "N001 \nN002 G00"},
    ArrangeCase{"NumberAloneAtEnd",  "N100",                                   {},                                       0, "N001 "},
    ArrangeCase{"LinesThatStay",     "(C)\n%\nO1\n<A>\n&1\n$1\n-1\n\tX\n\nG0", {},                                       0, "(C)\n%\nO1\n<A>\n&1\n$1\n-1\n\tX\n\nN001 G0"},
    ArrangeCase{"LowerCaseNumbered", "o1\nn5 G00",                             {},                                       0, "N001 o1\nN002 n5 G00"},
    // 990, then 1000 > 999 so n = A = 10, then 20
    ArrangeCase{"WrapPastNines",     "G0\nG1\nG2",                             {.start = 990, .step = 10},               0, "N990 G0\nN010 G1\nN020 G2"},
    // D = 1: 8, 9, then 10 > 9 so n = A = 1
    ArrangeCase{"WrapOneDigit",      "G0\nG1\nG2",                             {.digits = 1, .start = 8},                0, "N8 G0\nN9 G1\nN1 G2"},
    ArrangeCase{"StepZero",          "G0\nG1",                                 {.start = 5, .step = 0},                  0, "N005 G0\nN005 G1"},
    ArrangeCase{"StopAtM02",         "N1 G00\nN2 M02\nN3 G00",                 {.stopAtProgramEnd = true},               0, "N001 G00\nN002 M02\nN3 G00"},
    ArrangeCase{"RestartAfterM02",   "N1 G00\nN2 M02\nN3 G00",                 {},                                       0, "N001 G00\nN002 M02\nN001 G00"},
    ArrangeCase{"ContinuousNumber",  "N1 G00\nN2 M02\nN3 G00",                 {.continuous = true},                     0, "N001 G00\nN002 M02\nN003 G00"},
    ArrangeCase{"StopAtM2",          "G00\nM2\nG00",                           {.stopAtProgramEnd = true},               0, "N001 G00\nN002 M2\nG00"},
    ArrangeCase{"StopAtM30",         "G00 M30\nG00",                           {.stopAtProgramEnd = true},               0, "N001 G00 M30\nG00"},
    ArrangeCase{"StopAtRTS",         "RTS\nG00",                               {.stopAtProgramEnd = true},               0, "N001 RTS\nG00"},
    // only the first M30 of the line is judged, and in M300 it is no whole word
    ArrangeCase{"M300NotAnEnd",      "M300 M30\nG00",                          {.stopAtProgramEnd = true},               0, "N001 M300 M30\nN002 G00"},
    ArrangeCase{"EndInCommentCounts","( M30 )\nG00",                           {.stopAtProgramEnd = true},               0, "( M30 )\nG00"},
    // a code glued to a letter is no whole word; one on the next line does not end this line
    ArrangeCase{"GluedCodeNoEnd",    "N1 XM02\nG0\nM02",                       {.stopAtProgramEnd = true},               0, "N001     XM02\nN002 G0\nN003 M02"},
    // the caret line (0..7) stays; numbering starts on the next line
    ArrangeCase{"FromTheCaret",      "G00 X1\nG01 X2\nG02 X3",                 {.fromTop = false},                       3, "G00 X1\nN001 G01 X2\nN002 G02 X3"},
    ArrangeCase{"CaretAtLineEnd",    "G00 X1\nG01 X2",                         {.fromTop = false},                       6, "G00 X1\nN001 G01 X2"},
    ArrangeCase{"CaretAtZeroIsTop",  "G00\nG01",                               {.fromTop = false},                       0, "N001 G00\nN002 G01"},
    ArrangeCase{"CaretOnLastLine",   "G00\nG01",                               {.fromTop = false},                       5, "G00\nG01"},
    // M02 after the caret ends the run before the first line; M02 before the caret is not judged
    ArrangeCase{"EndAfterCaret",     "G00 M02\nG01",                           {.fromTop = false, .stopAtProgramEnd = true}, 3, "G00 M02\nG01"},
    ArrangeCase{"EndBeforeCaret",    "G00 M02\nG01",                           {.fromTop = false, .stopAtProgramEnd = true}, 7, "G00 M02\nN001 G01"},
    ArrangeCase{"EmptyText",         "",                                       {},                                       0, ""},
    ArrangeCase{"FinalLineEnd",      "G00\n",                                  {},                                       0, "N001 G00\n"},
    // fault: wider numbers are written unpadded; 1234 + 1 > 999 so the next is A = 1
    ArrangeCase{"StartWiderThanD",   "G0\nG1",                                 {.start = 1234},                          0, "N1234 G0\nN001 G1"},
    // D = 2: 1, then 1 + 100 > 99 so n = A = 100, written unpadded, and again
    ArrangeCase{"StepWiderThanD",    "G0\nG1\nG2",                             {.digits = 2, .step = 100},               0, "N01 G0\nN100 G1\nN100 G2"},
    // D = 0: no padding; 1 > 0 nines so every later line gets A
    ArrangeCase{"DigitsZero",        "G0\nG1\nG2",                             {.digits = 0, .start = 7, .step = 2},     0, "N7 G0\nN2 G1\nN2 G2"},
    // D = 4 exactly as wide as the number: no padding, no cut
    ArrangeCase{"WidthExactlyD",     "G0",                                     {.digits = 4, .start = 1234},             0, "N1234 G0"},
    // fault: a line holding only N keeps its line end
    ArrangeCase{"OnlyN",             "N\nG00",                                 {},                                       0, "N001 \nN002 G00"},
    ArrangeCase{"OnlyNAtEnd",        "G00\nN",                                 {},                                       0, "N001 G00\nN002 "},
    // the character after N is part of the old word whatever it is
    ArrangeCase{"BlankAfterN",       "N G00",                                  {},                                       0, "N001 G00"},
    ArrangeCase{"OnlyBlanks",        "   \nG0",                                {},                                       0, "N001 \nN002 G0"}),
    kRowName);
// clang-format on

// Guards against 16-bit positions and a run that is not linear: 40,000 characters of program renumbered to the last
// line.
TEST(ArrangeLongText, PositionsBeyondSixteenBits) {
  std::string text;
  while (text.size() < 40000) text += "G01 X10 Z5\n";  // 11 characters a line
  const std::size_t lines = text.size() / 11;
  const ArrangeResult result = ArrangeSequenceNumbers(text, ArrangeOptions{.digits = 5}, 0);
  EXPECT_EQ(result.text.size(), text.size() + lines * 7);  // every line grows by "N00001 "
  const std::string last = std::to_string(lines);
  EXPECT_EQ(result.text.substr(result.text.size() - 18),
            "N" + std::string(5 - last.size(), '0') + last + " G01 X10 Z5\n");
}

// Guards against a negative entry for D giving a negative padding.
TEST(SequenceNumberWordTest, NegativeDigitsWriteUnpadded) { EXPECT_EQ(SequenceNumberWord(5, -2), "N5"); }

}  // namespace
}  // namespace quillon
