// Size shift: the number scan after an address word, the calculation, the rounding of the new value and the Change /
// Skip / All Change scheme.
#include <gtest/gtest.h>

#include "tool_driver.h"
#include "transform/size_shift.h"

namespace quillon {
namespace {

using testing_support::FakeDocument;
using testing_support::Joined;
using testing_support::Press;

struct ShiftCase {
  const char *name, *text, *word, *calculation, *presses;  // presses: see Press()
  const char *expectedText, *expectedMessages;
};

constexpr const char* kOnce = "Size Shift|1 times size shifted.";

// Guards against: trailing points and zeros, "=" lost, blanks kept, more than ten characters read, words without a
// number counted, the wrong calculation form, rounding other than three decimals (halves away from zero, no "-0"), an
// All Change that never ends when the word stands in the numbers it writes, and a division by zero or a too large value
// changing anything instead of naming the word.
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
    // name                     text                   word  calc     presses  expected text           messages 100 *
    // 0.8 = 80, no trailing point
    ShiftCase{"MultiplyDropsPoint",  "G01 X100. Z5",        "X",  "*0.8",  "A",     "G01 X80 Z5",            kOnce},
    // -0.3 + 0.1 = -0.2 (binary -0.19999999999999998 rounds to three decimals)
    ShiftCase{"AddToNegative",       "X-0.3",               "X",  "+0.1",  "A",     "X-0.2",                 kOnce},
    // 0.3 + (-1) = -0.7
    ShiftCase{"SubtractBelowZero",   "X0.3",                "X",  "-1",    "A",     "X-0.7",                 kOnce},
    // 50 + 10 = 60; the blank after the address is dropped
    ShiftCase{"BlankAfterAddress",   "Z 50",                "Z",  "10",    "A",     "Z60",                   kOnce},
    // 12.5 / 2 = 6.25; the "=" is kept
    ShiftCase{"EqualsKept",          "SB=12.5",             "SB", "/2",    "A",     "SB=6.25",               kOnce},
    // "=" is skipped wherever it stands: the number text is "12"
    ShiftCase{"EqualsAfterDigits",   "X1=2",                "X",  "0",     "A",     "X=12",                  kOnce},
    // 3 + 1 = 4: a leading sign belongs to the number
    ShiftCase{"PlusSignRead",        "X+3",                 "X",  "1",     "A",     "X4",                    kOnce},
    // only "1234567890" is read: 1234567890 + 1 = 1234567891, "1234" stays behind
    ShiftCase{"TenCharactersOnly",   "X12345678901234",     "X",  "1",     "A",     "X12345678911234",       kOnce},
    // the blank is one of the ten: " 123456789" read, 123456789 + 0, "012" stays
    ShiftCase{"TenCountsTheBlank",   "X 123456789012",      "X",  "0",     "A",     "X123456789012",         kOnce},
    ShiftCase{"AddressAtLineEnd",    "X\nX5",               "X",  "1",     "A",     "X\nX6",                 kOnce},
    ShiftCase{"NoNumberNotCounted",  "X\nG00",              "X",  "1",     "A",     "X\nG00",                "Size Shift|\"X\" not find."},
    // S also stops at SB, but a letter follows: unchanged; S100 + 10 = 110
    ShiftCase{"InsideLongerWord",    "SB5 S100",            "S",  "+10",   "A",     "SB5 S110",              kOnce},
    ShiftCase{"PlusTextAdds",        "X5",                  "X",  "+10",   "A",     "X15",                   kOnce},
    // letters after "*" read as 0: 5 * 0 = 0
    ShiftCase{"MalformedMultiplies", "X5",                  "X",  "*abc",  "A",     "X0",                    kOnce},
    ShiftCase{"PositiveBelowOne",    "X.5",                 "X",  "0",     "A",     "X0.5",                  kOnce},
    ShiftCase{"NegativeAboveMinusOne","X-.5",               "X",  "0",     "A",     "X-0.5",                 kOnce},
    // the second sign ends the scan: 10 + 1 = 11, "-5" stays
    ShiftCase{"SecondSignEndsScan",  "X10-5",               "X",  "1",     "A",     "X11-5",                 kOnce},
    // the blank after the number ends the scan and stays: 5 + 1 = 6
    ShiftCase{"BlankAfterNumber",    "X 5 Y",               "X",  "1",     "A",     "X6 Y",                  kOnce},
    // three decimals: 12.34567 -> 12.346, 12.3454 -> 12.345, 9.9996 -> 10.000, 0.0005 -> 0.001
    ShiftCase{"RoundsUp",            "X12.34567",           "X",  "0",     "A",     "X12.346",               kOnce},
    ShiftCase{"RoundsDown",          "X12.3454",            "X",  "0",     "A",     "X12.345",               kOnce},
    ShiftCase{"CarryIntoWhole",      "X9.9996",             "X",  "0",     "A",     "X10",                   kOnce},
    ShiftCase{"TinyToThousandth",    "X0.0005",             "X",  "0",     "A",     "X0.001",                kOnce},
    // halves round away from zero (2.0005 is 2.000499.. in binary): 2.0005 -> 2.001, -2.0005 -> -2.001
    ShiftCase{"HalfRoundsUp",        "X2.0005 Z-2.0005",    "X",  "0",     "A",     "X2.001 Z-2.0005",       kOnce},
    ShiftCase{"NegativeHalf",        "Z-2.0005",            "Z",  "0",     "A",     "Z-2.001",               kOnce},
    // -0.0004 rounds to zero, written without a sign
    ShiftCase{"NoNegativeZero",      "X-0.0004",            "X",  "0",     "A",     "X0",                    kOnce},
    // 123456789 + 0.5 keeps its decimal
    ShiftCase{"BigKeepsDecimals",    "X123456789",          "X",  "+0.5",  "A",     "X123456789.5",          kOnce},
    // 999999999 * 1e6 = 999999999000000, just below 1e15
    ShiftCase{"JustBelowLimit",      "X999999999",          "X",  "*1e6",  "A",     "X999999999000000",      kOnce},
    // three words: 10*2=20, 20*2=40, 30*2=60
    ShiftCase{"AllThree",            "X10\nX20\nX30",       "X",  "*2",    "A",     "X20\nX40\nX60",         "Size Shift|3 times size shifted."},
    // "1" then "1": 1 + 10 = 11, the word becomes "1" "11"; the run goes on after it and ends
    ShiftCase{"AllEndsOnItsOwnDigits","11",                 "1",  "+10",   "A",     "111",                   kOnce},
    // first Change selects, then each Change shifts one: 10+1, 20+1, 30+1
    ShiftCase{"ChangeCounts",        "X10\nX20\nX30",       "X",  "1",     "CCCC",  "X11\nX21\nX31",         "DataChange|3 Time DataをChangeしました."},
    ShiftCase{"ChangeNotFound",      "X10",                 "Q",  "1",     "C",     "X10",                   "DataChange|\"Q\" 見つかりません."},
    // Skip leaves X10 alone; Change then shifts X20 only
    ShiftCase{"SkipThenChange",      "X10\nX20",            "X",  "1",     "SCC",   "X10\nX21",              "DataChange|1 Time DataをChangeしました."},
    ShiftCase{"SkipToTheEnd",        "X10",                 "X",  "1",     "SS",    "X10",                   "Size Shift|\"X\" not find."},
    ShiftCase{"SkipEndCountsChanges","X10\nX20",            "X",  "1",     "CCS",   "X11\nX20",              kOnce},
    // after the end message "from top" starts a new run at the first character: X11 is selected, then shifted
    ShiftCase{"FromTopRestarts",     "X10\nX20",            "X",  "1",     "CCC^CC","X12\nX21",              "DataChange|2 Time DataをChangeしました."},
    // fault: the user moved the caret onto Z5 between the steps: Z5 is not rewritten, X20 is found and selected
    ShiftCase{"MovedCaretNotShifted","X10 Z5 X20",          "X",  "1",     "C@4C",  "X10 Z5 X20",            ""},
    // fault: the user typed at the top meanwhile: the typed text survives, X10 is found again and shifted
    ShiftCase{"TypingSurvives",      "X10",                 "X",  "1",     "C@0#GCC","GX11",                 "DataChange|1 Time DataをChangeしました."},
    // a single Change goes on one character into the word it wrote: "11" -> "1"+"11"; then the selected "1" at 1 with
    // "1" after it -> "1"+"11" again, so "1111"
    ShiftCase{"StepSearchesItsWord", "11",                  "1",  "+10",   "CCC",   "1111",                  ""},
    // fault: division by zero or a value too large to write is named, nothing changes, the run ends
    ShiftCase{"DivideByZeroAll",     "X10\nX20",            "X",  "/0",    "A",     "X10\nX20",              "Size Shift|Line 1: \"X10\" cannot be calculated with \"/0\". Nothing changed."},
    ShiftCase{"EmptyDivisorAll",     "G00\nZ3",             "Z",  "/",     "A",     "G00\nZ3",               "Size Shift|Line 2: \"Z3\" cannot be calculated with \"/\". Nothing changed."},
    // 999999999 * 1e7 is past 1e15: the earlier words are not changed either
    ShiftCase{"TooLargeLaterWord",   "X1\nX1E\nX999999999", "X",  "*1e7",  "A",     "X1\nX1E\nX999999999",   "Size Shift|Line 3: \"X999999999\" cannot be calculated with \"*1e7\". Nothing changed."},
    ShiftCase{"DivideByZeroChange",  "X10",                 "X",  "/0",    "CC",    "X10",                   "Size Shift|Line 1: \"X10\" cannot be calculated with \"/0\". Nothing changed."}),
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

}  // namespace
}  // namespace quillon
