// Size shift: the number scan after an address word, the calculation, the rounding of the new value and the Change /
// Skip / All Change scheme.
#include "transform/size_shift.h"

#include <gtest/gtest.h>

#include "support/case_file.h"
#include "support/param_name.h"
#include "tool_driver.h"

namespace quillon {
namespace {

using testing_support::FakeDocument;
using testing_support::Joined;
using testing_support::Press;

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
  FakeDocument doc{c.text, {}, {}};
  SearchState state;
  state.findText = c.word;
  state.replaceText = c.calculation;
  Press(ChangeTool::SizeShift, doc, state, c.presses);
  EXPECT_EQ(doc.text, c.expectedText);
  EXPECT_EQ(Joined(doc.messages), c.expectedMessages);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, SizeShiftTest, ::testing::ValuesIn(testing_support::LoadCases<ShiftCase, 7>("transform/cases/size_shift.txt")),
    testing_support::kRowName);
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
