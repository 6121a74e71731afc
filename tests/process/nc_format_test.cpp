// FormatNcNumber / FormatTwoDigit / ReadNumber: the words every generator writes.
#include <gtest/gtest.h>

#include "numbers/nc_number.h"
#include "process/process_test_support.h"

namespace quillon {
namespace {

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

QUILLON_CASE_SUITE(Edges, FormatNcNumberTest, FormatCase, 4, "process/cases/format_number.txt");

// Guards against the float overload capturing whole-number arguments (an ambiguous call or a float-rounded 16777217).
TEST(FormatNcNumberTest, WholeNumbersStayDouble) { EXPECT_EQ(FormatNcNumber(16777217), "16777217"); }

struct SingleCase {
  const char *name, *value, *text;  // value: read as a float
  double wide;
};  // wide: WidenSingle's result

// Guards against a single-precision box losing a thousandth: 0.7f is 0.699999988..., about 1e-8 under 0.7, far more
// than the double tolerance.
class SinglePrecisionTest : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SinglePrecisionTest, WritesWhatWasTyped) {
  const auto& c = GetParam();
  const float value = std::stof(c.value);
  float lvalue = value;
  EXPECT_EQ(FormatNcNumber(lvalue), c.text);
  EXPECT_EQ(FormatNcNumber(value + 0.0f), c.text);  // a computed single value
  EXPECT_EQ(WidenSingle(value), c.wide);
}

QUILLON_CASE_SUITE(Boxes, SinglePrecisionTest, SingleCase, 4, "process/cases/single_precision.txt");

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

QUILLON_CASE_SUITE(Edges, FormatTwoDigitTest, TwoDigitCase, 3, "process/cases/two_digit.txt");

struct ReadCase {
  const char *name, *text;
  double value;
};

// Guards against: locale-dependent parsing, blanks inside numbers, garbage after the number, and texts that are not
// numbers.
class ReadNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber) { EXPECT_DOUBLE_EQ(ReadNumber(GetParam().text), GetParam().value); }

QUILLON_CASE_SUITE(Lenient, ReadNumberTest, ReadCase, 3, "process/cases/read_number.txt");

}  // namespace
}  // namespace quillon
