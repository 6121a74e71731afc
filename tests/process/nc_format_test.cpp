// FormatNcNumber / FormatTwoDigit / ReadNumber: the words every generator writes.
#include <gtest/gtest.h>

#include "numbers/nc_number.h"
#include "support/param_name.h"

namespace quillon {
namespace {

constexpr auto kName = testing_support::kRowName;

struct FormatCase {
  const char* name;
  double value;
  const char* text;
  double cut;
};  // cut: the caller's variable afterwards

// Guards against: wrong truncation direction, trailing zeros, "-0", binary doubles landing a hair under a thousandth,
// and large whole numbers gaining one.
class FormatNcNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNcNumberTest, WritesAndCutsTheCallersVariable) {
  const auto& c = GetParam();
  double x = c.value;
  EXPECT_EQ(FormatNcNumber(x), c.text);
  EXPECT_DOUBLE_EQ(x, c.cut);
  EXPECT_EQ(FormatNcNumber(c.value + 0.0), c.text);  // the computed-value overload
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, FormatNcNumberTest, ::testing::Values(
  FormatCase{"Zero",                      0,            "0",          0},
  FormatCase{"BelowAThousandth",          0.0004,       "0",          0},
  FormatCase{"TruncatesDown",             1.9999,       "1.999",      1.999},
  FormatCase{"NegativeTinyFloorsAway",    -0.0004,      "-0.001",     -0.001},
  FormatCase{"NegativeHalf",              -0.5,         "-0.5",       -0.5},
  FormatCase{"MinusOne",                  -1,           "-1",         -1},
  FormatCase{"Half",                      0.5,          "0.5",        0.5},
  FormatCase{"Whole",                     150,          "150",        150},
  FormatCase{"Fraction",                  0.15,         "0.15",       0.15},
  FormatCase{"TwelveAndHalf",             12.5,         "12.5",       12.5},
  FormatCase{"Hundred",                   100,          "100",        100},
  FormatCase{"NegativeFloor",             -1.2345,      "-1.235",     -1.235},
  FormatCase{"TypedThousandthsSurvive",   1.005,        "1.005",      1.005},       // 1.005 * 1000 == 1004.9999999999999
  FormatCase{"SumJustBelow",              -49.7 + 0.3,  "-49.4",      -49.4},       // == -49.400000000000006
  FormatCase{"DifferenceJustBelow",       4.1 - 0.1,    "4",          4},           // == 3.9999999999999996
  FormatCase{"MillionStaysWhole",         1000000,      "1000000",    1000000},     // a tolerance relative to 1e9 would reach a step
  FormatCase{"LargeOffsetWordStaysWhole", 1200019,      "1200019",    1200019},     // tool 99: 99*10101 + 200020
  FormatCase{"LargeWithThousandths",      123456.789,   "123456.789", 123456.789}),
  kName);
// clang-format on

// Guards against the float overload capturing whole-number arguments (an ambiguous call or a float-rounded 16777217).
TEST(FormatNcNumberTest, WholeNumbersStayDouble) { EXPECT_EQ(FormatNcNumber(16777217), "16777217"); }

struct SingleCase {
  const char* name;
  float value;
  const char* text;
  double wide;
};  // wide: WidenSingle's result

// Guards against a single-precision box losing a thousandth: 0.7f is 0.699999988..., about 1e-8 under 0.7, far more
// than the double tolerance.
class SinglePrecisionTest : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SinglePrecisionTest, WritesWhatWasTyped) {
  const auto& c = GetParam();
  float lvalue = c.value;
  EXPECT_EQ(FormatNcNumber(lvalue), c.text);
  EXPECT_EQ(FormatNcNumber(c.value + 0.0f), c.text);  // a computed single value
  EXPECT_EQ(WidenSingle(c.value), c.wide);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, SinglePrecisionTest, ::testing::Values(
  SingleCase{"SevenTenthsJustUnder",   0.7f,                          "0.7",    0.7},
  SingleCase{"ThreeTenthsJustOver",    0.3f,                          "0.3",    0.3},
  SingleCase{"NegativeJustUnder",      -0.7f,                         "-0.7",   -0.7},
  SingleCase{"SumOfSingles",           0.3f + 2.0f,                   "2.3",    2.3},  // Z "StartC + 2" must read Z2.3
  SingleCase{"ContourStaysSingle",     40.0f - (0.3f + 0.5f) * 2.0f,  "38.4",   38.4},
  SingleCase{"RealTruncationKept",     1.9999f,                       "1.999",  1.9999},
  SingleCase{"NegativeTinyFloorsAway", -0.0004f,                      "-0.001", -0.0004},
  SingleCase{"Whole",                  360.0f,                        "360",    360}),
  kName);
// clang-format on

struct TwoDigitCase {
  const char* name;
  double value;
  const char* text;
};

// Guards against: missing leading zero, rounding instead of floor, and the caller's variable left uncut.
class FormatTwoDigitTest : public ::testing::TestWithParam<TwoDigitCase> {};

TEST_P(FormatTwoDigitTest, WritesAndCuts) {
  double n = GetParam().value;
  EXPECT_EQ(FormatTwoDigit(n), GetParam().text);
  EXPECT_EQ(n, std::stod(GetParam().text));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, FormatTwoDigitTest, ::testing::Values(
  TwoDigitCase{"Zero",        0,   "00"},
  TwoDigitCase{"Floors",      7.9, "07"},
  TwoDigitCase{"Five",        5,   "05"},
  TwoDigitCase{"Ten",         10,  "10"},
  TwoDigitCase{"ThreeDigits", 123, "123"}),
  kName);
// clang-format on

struct ReadCase {
  const char* name;
  const char* text;
  double value;
};

// Guards against: locale-dependent parsing, blanks inside numbers, garbage after the number, and texts that are not
// numbers.
class ReadNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber) { EXPECT_DOUBLE_EQ(ReadNumber(GetParam().text), GetParam().value); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lenient, ReadNumberTest, ::testing::Values(
  ReadCase{"Empty",                 "",            0},
  ReadCase{"Letters",               "abc",         0},
  ReadCase{"Plain",                 "12.5",        12.5},
  ReadCase{"BlanksInside",          " 1 2 . 5 ",   12.5},
  ReadCase{"TabsAndLineFeeds",      "\t-3\n.5",    -3.5},
  ReadCase{"TrailingText",          "40mm",        40},
  ReadCase{"Exponent",              "1.5e3",       1500},
  ReadCase{"ExponentWithoutDigits", "2e",          2},
  ReadCase{"LeadingPoint",          ".5",          0.5},
  ReadCase{"NegativeLeadingPoint",  "-.25",        -0.25},
  ReadCase{"TrailingPoint",         "100.",        100},
  ReadCase{"PlusSign",              "+7",          7},
  ReadCase{"SignOnly",              "-",           0},
  ReadCase{"SecondPoint",           "1.2.3",       1.2},
  ReadCase{"Comma",                 "1,5",         1}),
  kName);
// clang-format on

}  // namespace
}  // namespace quillon
