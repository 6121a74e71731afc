// Circle and line: the point where a line of angle A touches the circle.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "geometry/circle_line.h"

namespace quillon {
namespace {

struct CircleLineCase {
  const char* name;
  std::array<const char*, 4> entries;  // Xc Zc R A
  int option;
  std::array<const char*, 4> want;     // X Z I K
};

// Guards against: the sides swapped, I written as a diameter difference, the nudge of the other calculators added here,
// and negative values cut towards zero.
class CirclePointTest : public ::testing::TestWithParam<CircleLineCase> {};

TEST_P(CirclePointTest, TouchingPoint) {
  const auto& c = GetParam();
  CalculatorFields f;
  for (int i = 0; i < 4; ++i) f.text[i + 1] = c.entries[i];
  f.option = c.option;
  const Calculation out = CirclePointCalculate(f);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(out.fields.text[5 + i], c.want[i]) << "Text" << 5 + i;
  ASSERT_TRUE(out.figure.has_value());
  EXPECT_TRUE(out.figure->text.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CirclePointTest, ::testing::Values(
  // name             Xc    Zc   R          A      opt   X         Z        I        K c = 5 cos 0 = 5, s = 0: X = 20 -
  // 2 * 5, I = c
  CircleLineCase{"Option1Level",  {"20", "0", "5",       "0"},  1, {"10",     "0",     "5",     "0"}},
  CircleLineCase{"Option2Level",  {"20", "0", "5",       "0"},  2, {"30",     "0",     "-5",    "0"}},
  // c = s = 3.53553: X = 20 - 7.07107 = 12.92893, K = -3.53553 -> floor -3.536
  CircleLineCase{"Option1At45",   {"20", "0", "5",       "45"}, 1, {"12.928", "3.535", "3.535", "-3.536"}},
  CircleLineCase{"Option2At45",   {"20", "0", "5",       "45"}, 2, {"27.071", "-3.536", "-3.536", "3.535"}},
  // no nudge: I = 4.99999 stays 4.999 (the others would write 5)
  CircleLineCase{"NoNudge",       {"20", "0", "4.99999", "0"},  1, {"10",     "0",     "4.999", "0"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against: a missing angle computing with 0, a missing radius drawing anything, and the drawing not showing the
// tangent through the touching point.
TEST(CirclePoint, DrawingFollowsTheEntries) {
  CalculatorFields f;
  f.text[1] = "20", f.text[2] = "0", f.text[3] = "5";
  const Calculation circleOnly = CirclePointCalculate(f);
  EXPECT_EQ(circleOnly.fields.text[5], "");
  ASSERT_TRUE(circleOnly.figure.has_value());
  EXPECT_EQ(circleOnly.figure->circles.size(), 1u);
  EXPECT_TRUE(circleOnly.figure->lines.empty());

  f.text[4] = "0";
  const Calculation out = CirclePointCalculate(f);
  ASSERT_TRUE(out.figure.has_value());
  ASSERT_EQ(out.figure->lines.size(), 1u);
  // Touching point X10 Z0 is drawn at (0, -5); the line runs along Z there.
  const FigureLine& line = out.figure->lines[0];
  EXPECT_NEAR(line.from.y, -5.0, 1e-9);
  EXPECT_NEAR(line.to.y, -5.0, 1e-9);
  EXPECT_LT(line.from.x, -5.0);
  EXPECT_GT(line.to.x, 5.0);
  ASSERT_EQ(out.figure->points.size(), 2u);
  EXPECT_NEAR(out.figure->points[1].centre.y, -5.0, 1e-9);

  f.text[3] = "";
  EXPECT_FALSE(CirclePointCalculate(f).figure.has_value());
}

}  // namespace
}  // namespace quillon
