// Line-circle cross point: the two crossings, their I and K, and the drawing.
#include <gtest/gtest.h>

#include <array>

#include "geometry/line_circle.h"

namespace quillon {
namespace {

constexpr const char* kKept = "kept";

struct LineRCase {
  const char* name;
  std::array<const char*, 6> entries;  // Text1..Text6: X1 Z1 A Xc Zc R
  std::array<const char*, 8> want;     // Text7..Text14; none: impossible, the earlier texts stay
};

CalculatorFields Filled(const std::array<const char*, 6>& entries) {
  CalculatorFields f;
  for (int i = 0; i < 6; ++i) f.text[i + 1] = entries[i];
  for (int box = 7; box <= 14; ++box) f.text[box] = kKept;
  return f;
}

// Guards against: crossings swapped or taken from the wrong side of the line, I/K signs reversed, the nudge missing,
// negative values cut towards zero, and a miss or touch writing garbage instead of failing.
class LineRTest : public ::testing::TestWithParam<LineRCase> {};

TEST_P(LineRTest, CrossPointsAndFailure) {
  const auto& c = GetParam();
  const bool fails = c.want[0] == nullptr;
  const Calculation out = LineRCalculate(Filled(c.entries));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(out.fields.text[7 + i], fails ? kKept : c.want[i]) << "Text" << 7 + i;
  ASSERT_TRUE(out.figure.has_value());
  EXPECT_EQ(out.figure->text, fails ? kImpossibleText : "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, LineRTest, ::testing::Values(
  // name                        X1    Z1   A      Xc    Zc          R       cross 1 X Z I K                      cross
  // 2 X Z I K h = 0, beta = 90: t1 = -180 -> Z = -20 - 5, t2 = 0 -> Z = -20 + 5; K = Zc - Z
  LineRCase{"ParallelLineThroughCentre", {"20", "0", "0",   "20", "-20",      "5"},  {"20", "-25", "0", "5",              "20", "-15", "0", "-5"}},
  // the same line taken the other way: t1 = 0, t2 = 180
  LineRCase{"Angle180SwapsOrder",        {"20", "0", "180", "20", "-20",      "5"},  {"20", "-15", "0", "-5",             "20", "-25", "0", "5"}},
  // 360 > 180 becomes 0
  LineRCase{"AngleAbove180WrapsRound",   {"20", "0", "360", "20", "-20",      "5"},  {"20", "-25", "0", "5",              "20", "-15", "0", "-5"}},
  // Z = 19.99999 - 5 = 14.99999, + 0.0001 -> 15
  LineRCase{"NudgeRestoresWholeNumber",  {"20", "0", "0",   "20", "19.99999", "5"},  {"20", "15",  "0", "5",              "20", "25",  "0", "-5"}},
  // through the centre at 45: cross 1 at t = -135: X = 2 * 10 * sin(-135) = -14.14214, + 0.0001 = -14.14204 -> floor
  // -14.143; Z = -7.07107 + 0.0001 -> -7.071; cross 2 at t = 45: X14.142 Z7.071, I2 = 0 - 14.14214 + 0.0001 -> -14.143
  LineRCase{"SlopedThroughCentre",       {"0",  "0", "45",  "0",  "0",        "10"}, {"-14.143", "-7.071", "14.142", "7.071", "14.142", "7.071", "-14.143", "-7.071"}},
  // centre 10 from the line, R 5: the line misses; R 10: touching is not crossing (|s| = 1)
  LineRCase{"LineMisses",                {"20", "0", "0",   "40", "-20",      "5"},  {}},
  LineRCase{"LineTouches",               {"20", "0", "0",   "40", "-20",      "10"}, {}},
  LineRCase{"ZeroRadius",                {"20", "0", "0",   "20", "-20",      "0"},  {}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

void ExpectView(const ViewBox& v, double left, double top, double width, double height) {
  EXPECT_NEAR(v.left, left, 1e-9);
  EXPECT_NEAR(v.top, top, 1e-9);
  EXPECT_NEAR(v.width, width, 1e-9);
  EXPECT_NEAR(v.height, height, 1e-9);
}

// Guards against: a missing line entry still clearing the drawing, and an incomplete circle computing with zeros
// instead of showing the direction.
TEST(LineRIncomplete, LineFirstThenItsDirection) {
  EXPECT_FALSE(LineRCalculate(Filled({"20", "0", "", "20", "-20", "5"})).figure.has_value());
  const Calculation out = LineRCalculate(Filled({"20", "0", "90", "20", "", "5"}));
  ASSERT_TRUE(out.figure.has_value());
  EXPECT_EQ(out.fields.text[7], kKept);
  EXPECT_TRUE(out.figure->circles.empty());
  // The default scale centred on 0, one long line through the middle, upwards (growing radius) for 90 degrees: from
  // (10000 cos a, -10000 sin a).
  ExpectView(out.figure->view, -8835.0 / 2, -4875.0 / 2, 8835.0, 4875.0);
  ASSERT_EQ(out.figure->lines.size(), 1u);
  EXPECT_NEAR(out.figure->lines[0].from.x, 0.0, 1e-4);
  EXPECT_NEAR(out.figure->lines[0].from.y, -10000.0, 1e-4);
  EXPECT_NEAR(out.figure->lines[0].to.y, 10000.0, 1e-4);
}

// Guards against: a view that cuts off the circle or the line point, the line drawn away from the crossings, marks at
// the wrong places.
TEST(LineRDrawing, FitsTheFigureWithTheZRangeDominant) {
  const Calculation out = LineRCalculate(Filled({"20", "0", "0", "20", "-20", "5"}));
  ASSERT_TRUE(out.figure.has_value());
  const Figure& fig = *out.figure;
  // Z spans -25..0 (25), radius 5..15 (10); 25 > 10 * 8835 / 4875 = 18.1, so the width is 1.2 * 25 = 30, the left edge
  // -25 - (30 - 25) / 2 = -27.5 and the top -largest radius - 0.1 * 25 = -17.5.
  ExpectView(fig.view, -27.5, -17.5, 30.0, 30.0 * 4875 / 8835);
  // The line starts at the line point (Z0, radius 10) and runs one picture width towards cross 2 (Z-15), i.e. towards
  // -Z.
  ASSERT_EQ(fig.lines.size(), 1u);
  EXPECT_NEAR(fig.lines[0].from.x, 0.0, 1e-9);
  EXPECT_NEAR(fig.lines[0].from.y, -10.0, 1e-9);
  EXPECT_NEAR(fig.lines[0].to.x, -30.0, 1e-6);
  EXPECT_NEAR(fig.lines[0].to.y, -10.0, 1e-6);
  ASSERT_EQ(fig.circles.size(), 1u);
  EXPECT_NEAR(fig.circles[0].centre.x, -20.0, 1e-9);
  EXPECT_NEAR(fig.circles[0].centre.y, -10.0, 1e-9);
  EXPECT_NEAR(fig.circles[0].radius, 5.0, 1e-9);
  // Red marks at the centre and both crossings, 0.001 of the width (0.03).
  ASSERT_EQ(fig.points.size(), 3u);
  EXPECT_NEAR(fig.points[1].centre.x, -25.0, 1e-6);
  EXPECT_NEAR(fig.points[2].centre.x, -15.0, 1e-6);
  EXPECT_NEAR(fig.points[0].radius, 0.03, 1e-12);
}

TEST(LineRDrawing, FitsTheFigureWithTheRadiusRangeDominant) {
  // Line X0 Z0 A90 (along the X axis), circle X40 Z0 R5: Z spans -5..5 (10), radius 0..25 (25); 10 < 25 * 1.81, so the
  // height is 1.2 * 25 = 30 and the top -25 - 0.1 * 25 = -27.5; the left edge -5 - (30 * 8835 / 4875 - 10) / 2.
  const Calculation out = LineRCalculate(Filled({"0", "0", "90", "40", "0", "5"}));
  ASSERT_TRUE(out.figure.has_value());
  ExpectView(out.figure->view, -5.0 - (30.0 * 8835 / 4875 - 10.0) / 2, -27.5, 30.0 * 8835 / 4875, 30.0);
  // t1 = 90 - 90 - 90 = -90: radius 20 - 5, X30; t2 = 90: radius 25, X50.
  EXPECT_EQ(out.fields.text[7], "30");
  EXPECT_EQ(out.fields.text[11], "50");
}

}  // namespace
}  // namespace quillon
