// Size shift: the number scan after an address word, the calculation, the
// rounding of the new value and the Change / Skip / All Change scheme.
#include <gtest/gtest.h>

#include "tool_driver.h"
#include "transform/size_shift.h"

namespace quillon {
namespace {

using testing_support::FakeDocument;
using testing_support::Joined;
using testing_support::Press;

struct ShiftCase {
  const char* name;
  const char* text;
  const char* word;
  const char* calculation;
  const char* presses;
  const char* expectedText;
  const char* expectedMessages;
};

// Guards against: trailing points and zeros, "=" lost, blanks kept, more
// than ten characters read, words without a number counted, the wrong
// calculation form, and rounding other than three decimals.
class SizeShiftTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(SizeShiftTest, ChangesTheWords) {
  const auto& c = GetParam();
  FakeDocument doc{c.text, {}, {}};
  SearchState state;
  state.findText = c.word;
  state.replaceText = c.calculation;
  Press(ChangeTool::SizeShift, doc, state, c.presses);
  EXPECT_EQ(doc.text, c.expectedText);
  EXPECT_EQ(Joined(doc.messages), c.expectedMessages);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, SizeShiftTest, ::testing::Values(
    // name                     text                   word  calc     presses  expected text           messages
    // 100 * 0.8 = 80, no trailing point
    ShiftCase{"MultiplyDropsPoint",  "G01 X100. Z5",        "X",  "*0.8",  "A",     "G01 X80 Z5",            "Size Shift|1 times size shifted."},
    // -0.3 + 0.1 = -0.2 (binary -0.19999999999999998 rounds to three decimals)
    ShiftCase{"AddToNegative",       "X-0.3",               "X",  "+0.1",  "A",     "X-0.2",                 "Size Shift|1 times size shifted."},
    // 0.3 + (-1) = -0.7
    ShiftCase{"SubtractBelowZero",   "X0.3",                "X",  "-1",    "A",     "X-0.7",                 "Size Shift|1 times size shifted."},
    // 50 + 10 = 60; the blank after the address is dropped
    ShiftCase{"BlankAfterAddress",   "Z 50",                "Z",  "10",    "A",     "Z60",                   "Size Shift|1 times size shifted."},
    // 12.5 / 2 = 6.25; the "=" is kept
    ShiftCase{"EqualsKept",          "SB=12.5",             "SB", "/2",    "A",     "SB=6.25",               "Size Shift|1 times size shifted."},
    // 12.34567 + 0 rounds to three decimals: 12.346
    ShiftCase{"ThreeDecimals",       "X12.34567",           "X",  "0",     "A",     "X12.346",               "Size Shift|1 times size shifted."},
    // only "1234567890" is read: 1234567890 + 1 = 1234567891, "1234" stays behind
    ShiftCase{"TenCharactersOnly",   "X12345678901234",     "X",  "1",     "A",     "X12345678911234",       "Size Shift|1 times size shifted."},
    ShiftCase{"AddressAtLineEnd",    "X\nX5",               "X",  "1",     "A",     "X\nX6",                 "Size Shift|1 times size shifted."},
    ShiftCase{"NoNumberNotCounted",  "X\nG00",              "X",  "1",     "A",     "X\nG00",                "Size Shift|\"X\" not find."},
    // S also stops at SB, but a letter follows: unchanged; S100 + 10 = 110
    ShiftCase{"InsideLongerWord",    "SB5 S100",            "S",  "+10",   "A",     "SB5 S110",              "Size Shift|1 times size shifted."},
    ShiftCase{"PlusTextAdds",        "X5",                  "X",  "+10",   "A",     "X15",                   "Size Shift|1 times size shifted."},
    // letters after "*" read as 0: 5 * 0 = 0
    ShiftCase{"MalformedMultiplies", "X5",                  "X",  "*abc",  "A",     "X0",                    "Size Shift|1 times size shifted."},
    ShiftCase{"PositiveBelowOne",    "X.5",                 "X",  "0",     "A",     "X0.5",                  "Size Shift|1 times size shifted."},
    ShiftCase{"NegativeAboveMinusOne","X-.5",               "X",  "0",     "A",     "X-0.5",                 "Size Shift|1 times size shifted."},
    // the second sign ends the scan: 10 + 1 = 11, "-5" stays
    ShiftCase{"SecondSignEndsScan",  "X10-5",               "X",  "1",     "A",     "X11-5",                 "Size Shift|1 times size shifted."},
    // the blank after the number ends the scan and stays: 5 + 1 = 6
    ShiftCase{"BlankAfterNumber",    "X 5 Y",               "X",  "1",     "A",     "X6 Y",                  "Size Shift|1 times size shifted."},
    // "=" is skipped wherever it stands: the number text is "12"
    ShiftCase{"EqualsAfterDigits",   "X1=2",                "X",  "0",     "A",     "X=12",                  "Size Shift|1 times size shifted."},
    // halves round away from zero: 2.0005 -> 2.001, -2.0005 -> -2.001
    ShiftCase{"HalfRoundsUp",        "X2.0005 Z-2.0005",    "X",  "0",     "A",     "X2.001 Z-2.0005",       "Size Shift|1 times size shifted."},
    ShiftCase{"NegativeHalf",        "Z-2.0005",            "Z",  "0",     "A",     "Z-2.001",               "Size Shift|1 times size shifted."},
    // -0.0004 rounds to zero, written without a sign
    ShiftCase{"NoNegativeZero",      "X-0.0004",            "X",  "0",     "A",     "X0",                    "Size Shift|1 times size shifted."},
    // three words: 10*2=20, 20*2=40, 30*2=60
    ShiftCase{"AllThree",            "X10\nX20\nX30",       "X",  "*2",    "A",     "X20\nX40\nX60",         "Size Shift|3 times size shifted."},
    // first Change selects, then each Change shifts one: 10+1, 20+1, 30+1
    ShiftCase{"ChangeCounts",        "X10\nX20\nX30",       "X",  "1",     "CCCC",  "X11\nX21\nX31",         "DataChange|3 Time DataをChangeしました."},
    ShiftCase{"ChangeNotFound",      "X10",                 "Q",  "1",     "C",     "X10",                   "DataChange|\"Q\" 見つかりません."},
    // Skip leaves X10 alone; Change then shifts X20 only
    ShiftCase{"SkipThenChange",      "X10\nX20",            "X",  "1",     "SCC",   "X10\nX21",              "DataChange|1 Time DataをChangeしました."},
    ShiftCase{"SkipToTheEnd",        "X10",                 "X",  "1",     "SS",    "X10",                   "Size Shift|\"X\" not find."},
    ShiftCase{"SkipEndCountsChanges","X10\nX20",            "X",  "1",     "CCS",   "X11\nX20",              "Size Shift|1 times size shifted."},
    // after the end message "from top" starts a new run at the first character: X11 is selected, then shifted
    ShiftCase{"FromTopRestarts",     "X10\nX20",            "X",  "1",     "CCC^CC","X12\nX21",              "DataChange|2 Time DataをChangeしました."},
    // the user moved the caret onto Z5 between the steps: Z5 is not rewritten, X20 is found and selected
    ShiftCase{"MovedCaretNotShifted","X10 Z5 X20",          "X",  "1",     "C@4C",  "X10 Z5 X20",            ""},
    // the user typed at the top meanwhile: the typed text survives, X10 is found again and shifted
    ShiftCase{"TypingSurvives",      "X10",                 "X",  "1",     "C@0#GCC","GX11",                 "DataChange|1 Time DataをChangeしました."},
    // a single Change goes on one character into the word it wrote: "11" -> "1"+"11"; then the
    // selected "1" at 1 with "1" after it -> "1"+"11" again, so "1111"
    ShiftCase{"StepSearchesItsWord", "11",                  "1",  "+10",   "CCC",   "1111",                  ""},
    // division by zero: named, nothing changed, the run ends
    ShiftCase{"DivideByZeroAll",     "X10\nX20",            "X",  "/0",    "A",     "X10\nX20",              "Size Shift|Line 1: \"X10\" cannot be calculated with \"/0\". Nothing changed."},
    ShiftCase{"EmptyDivisorAll",     "G00\nZ3",             "Z",  "/",     "A",     "G00\nZ3",               "Size Shift|Line 2: \"Z3\" cannot be calculated with \"/\". Nothing changed."},
    // 999999999 * 1e7 is past 1e15, too large to write: the earlier words are not changed either
    ShiftCase{"TooLargeLaterWord",   "X1\nX1E\nX999999999", "X",  "*1e7",  "A",     "X1\nX1E\nX999999999",   "Size Shift|Line 3: \"X999999999\" cannot be calculated with \"*1e7\". Nothing changed."},
    ShiftCase{"DivideByZeroChange",  "X10",                 "X",  "/0",    "CC",    "X10",                   "Size Shift|Line 1: \"X10\" cannot be calculated with \"/0\". Nothing changed."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct FormatCase {
  const char* name;
  double value;
  const char* text;
};

// Guards against: ".5", "-.5", trailing zeros or points, truncation instead
// of rounding, binary representation errors at the third decimal.
class FormatShiftValueTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatShiftValueTest, ShortestText) {
  const auto& c = GetParam();
  EXPECT_EQ(FormatShiftValue(c.value).value_or("(none)"), c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, FormatShiftValueTest, ::testing::Values(
    // name              value                text
    FormatCase{"Whole",          80.0,                 "80"},
    FormatCase{"Zero",           0.0,                  "0"},
    FormatCase{"Half",           0.5,                  "0.5"},
    FormatCase{"MinusHalf",      -0.5,                 "-0.5"},
    FormatCase{"Quarter",        6.25,                 "6.25"},
    FormatCase{"RoundsUp",       12.34567,             "12.346"},
    FormatCase{"RoundsDown",     12.3454,              "12.345"},
    // 1.0005 is 1.000499999... in binary; its 15 digits say 1.0005, which rounds up
    FormatCase{"DecimalHalf",    1.0005,               "1.001"},
    FormatCase{"TinyToZero",     0.0004,               "0"},
    FormatCase{"TinyToThousandth", 0.0005,             "0.001"},
    FormatCase{"CarryIntoWhole", 9.9996,               "10"},
    FormatCase{"Big",            123456789012.5,       "123456789012.5"},
    FormatCase{"JustBelowLimit", 999999999999999.0,    "999999999999999"},
    FormatCase{"AtLimit",        1e15,                 "(none)"},
    FormatCase{"Infinite",       1.0 / 0.0,            "(none)"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ScanCase {
  const char* name;
  const char* following;
  const char* numberText;
  bool equals;
  std::size_t consumed;
};

// Guards against the scan reading past its ten characters, keeping a sign
// after the number starts, or stopping at a leading blank.
class ScanShiftNumberTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanShiftNumberTest, ReadsTheNumber) {
  const auto& c = GetParam();
  const ShiftScan scan = ScanShiftNumber(c.following);
  EXPECT_EQ(scan.numberText, c.numberText);
  EXPECT_EQ(scan.equals, c.equals);
  EXPECT_EQ(scan.consumed, c.consumed);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ScanShiftNumberTest, ::testing::Values(
    // name              following            number text    =      consumed
    ScanCase{"Plain",        "100. Z5",          "100.",        false, 4},
    ScanCase{"LeadingBlanks","  50",             "50",          false, 4},
    ScanCase{"Equals",       "=12.5\n",          "12.5",        true,  5},
    ScanCase{"PlusSign",     "+3",               "+3",          false, 2},
    ScanCase{"SecondSign",   "-3-4",             "-3",          false, 2},
    ScanCase{"Letter",       "B5",               "",            false, 0},
    ScanCase{"LineEnd",      "\nX",              "",            false, 0},
    ScanCase{"TextEnd",      "",                 "",            false, 0},
    ScanCase{"TenOnly",      "12345678901234",   "1234567890",  false, 10},
    ScanCase{"TenWithBlank", " 123456789012",    "123456789",   false, 10}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against 16-bit positions: a word past character 32,767.
TEST(SizeShiftLongText, PositionsBeyondSixteenBits) {
  std::string text(40000, ' ');
  text.replace(39000, 4, "X100");
  FakeDocument doc{text, {}, {}};
  SearchState state;
  state.findText = "X";
  state.replaceText = "*0.5";
  Press(ChangeTool::SizeShift, doc, state, "CC");
  EXPECT_EQ(doc.text.substr(39000, 4), "X50 ");
  EXPECT_EQ(Joined(doc.messages), "DataChange|1 Time DataをChangeしました.");
}

// Guards against an All Change that never ends when the find text can
// stand in the numbers it writes ("1" with +10 would grow 11, 111, ...).
TEST(SizeShiftAll, EndsWhenTheWordReappearsInItsNumber) {
  // "1" at 0 followed by "1": 1 + 10 = 11, the word becomes "1" "11"
  const ShiftRun run = ShiftAll("11", 0, "1", ParseShiftCalculation("+10"));
  EXPECT_EQ(run.text, "111");
  EXPECT_EQ(run.count, 1u);
}

}  // namespace
}  // namespace quillon
