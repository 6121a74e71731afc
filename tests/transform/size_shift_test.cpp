// Size shift: the number scan after an address word, the calculation, the rounding of the new value and the Change /
// Skip / All Change scheme.
#include "transform/size_shift.h"

#include <gtest/gtest.h>

#include "support/case_file.h"
#include "support/param_name.h"
#include "tool_driver.h"

namespace quillon {
namespace {

using testing_support::Dialog;

struct ShiftCase {
  const char *name, *text, *word, *calculation, *presses;  // presses: see Press()
  const char *expectedText, *expectedMessages;
};

// Guards against: trailing points and zeros, "=" lost, blanks kept, more than ten characters read, words without a
// number counted, the wrong calculation form, rounding other than three decimals (halves away from zero, no "-0"), an
// All Change that never ends when the word stands in the numbers it writes, and a division by zero or a too large value
// changing anything instead of naming the word.
class SizeShiftTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(SizeShiftTest, ChangesTheWords) {
  const auto &c = GetParam();
  Dialog dialog(c.text, c.word, c.calculation);
  dialog.press(ChangeTool::SizeShift, c.presses);
  EXPECT_EQ(dialog.doc.text, c.expectedText);
  EXPECT_EQ(dialog.messages(), c.expectedMessages);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SizeShiftTest,
    ::testing::ValuesIn(testing_support::LoadCases<ShiftCase, 7>("transform/cases/size_shift.txt")),
    testing_support::kRowName);

// Guards against 16-bit positions: a word past character 32,767.
TEST(SizeShiftLongText, PositionsBeyondSixteenBits) {
  std::string text(40000, ' ');
  text.replace(39000, 4, "X100");
  Dialog dialog(text, "X", "*0.5");
  dialog.press(ChangeTool::SizeShift, "CC");
  EXPECT_EQ(dialog.doc.text.substr(39000, 4), "X50 ");
  EXPECT_EQ(dialog.messages(), "DataChange|1 Time DataをChangeしました.");
}

}  // namespace
}  // namespace quillon
