// Two lines and circle: the corner, the fitted circle in each of the four angles, and the zoom.
#include <gtest/gtest.h>

#include <array>

#include "geometry/two_lines_circle.h"

namespace quillon {
namespace {

constexpr const char* kKept = "kept";
// Results in control order: corner 7 8, centre 10 11, cross 1 12 13 16 17, cross 2 14 15 18 19.
constexpr std::array<int, 12> kResultBoxes{7, 8, 10, 11, 12, 13, 16, 17, 14, 15, 18, 19};

CalculatorFields Corner(const char* r, int option) {
  // Line 1 along Z at radius 10 (X20 Z0 A0), line 2 along X through Z-10 (X40 Z-10 A90): they cross at X20 Z-10 with a
  // right angle.
  CalculatorFields f;
  f.text[1] = "20", f.text[2] = "0", f.text[3] = "0";
  f.text[4] = "40", f.text[5] = "-10", f.text[6] = "90";
  f.text[9] = r;
  for (int box : kResultBoxes) f.text[box] = kKept;
  f.option = option;
  return f;
}

struct LineRLineCase {
  const char* name;
  int option;
  std::array<const char*, 12> want;  // in kResultBoxes order
};

// Guards against: options mixed up, centres not mirrored through the corner, tangent points on the wrong line, I
// written as a diameter difference here (it is a radius value), and the 90-degree tangent overflowing.
class LineRLineOptionTest : public ::testing::TestWithParam<LineRLineCase> {};

TEST_P(LineRLineOptionTest, CircleInTheChosenAngle) {
  const auto& c = GetParam();
  const Calculation out = LineRLineCalculate(Corner("5", c.option));
  for (std::size_t i = 0; i < kResultBoxes.size(); ++i)
    EXPECT_EQ(out.fields.text[kResultBoxes[i]], c.want[i]) << "Text" << kResultBoxes[i];
  EXPECT_TRUE(out.fields.check1Enabled);
  ASSERT_TRUE(out.figure.has_value());
  EXPECT_TRUE(out.figure->text.empty());
}

// R = 5 in the right angle at the corner (radius 10, Z-10): d = R / tan 45 = 5, L = 5 * sqrt 2; with m = 45 the centre
// lies 5 off in radius and 5 in Z.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Options, LineRLineOptionTest, ::testing::Values(
  // name       option  corner X Z    centre CX CZ   cross 1 X Z I K              cross 2 X Z I K centre radius 15 Z-5;
  // cross 1 on line 1 at Z-10+5; cross 2 on line 2 at radius 10+5
  LineRLineCase{"Option1", 1, {"20", "-10", "30", "-5",  "20", "-5",  "5",  "0", "30", "-10", "0", "5"}},
  // mirrored through the corner: (30 + 10) / 2 = 20, (-5 + -15) / 2 = -10
  LineRLineCase{"Option2", 2, {"20", "-10", "10", "-15", "20", "-15", "-5", "0", "10", "-10", "0", "-5"}},
  // h = (pi - 90) / 2 = 45, m = (pi - 0 - 90) / 2 = 45, sg = +1 (A1 < A2)
  LineRLineCase{"Option3", 3, {"20", "-10", "30", "-15", "20", "-15", "5",  "0", "30", "-10", "0", "-5"}},
  LineRLineCase{"Option4", 4, {"20", "-10", "10", "-5",  "20", "-5",  "-5", "0", "10", "-10", "0", "5"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against: parallel lines dividing by zero into the boxes, an empty R still fitting a circle, Check1 not
// following R, and computing with an incomplete line.
TEST(LineRLine, ParallelLinesAreImpossible) {
  CalculatorFields f = Corner("5", 1);
  f.text[6] = "0";  // both lines along Z
  const Calculation out = LineRLineCalculate(f);
  for (int box : kResultBoxes) EXPECT_EQ(out.fields.text[box], kKept) << "Text" << box;
  ASSERT_TRUE(out.figure.has_value());
  EXPECT_EQ(out.figure->text, "Calculation is impossible!!");
}

TEST(LineRLine, IncompleteEntriesDrawWhatTheyHave) {
  CalculatorFields f = Corner("", 1);
  f.check1Enabled = true;
  const Calculation cornerOnly = LineRLineCalculate(f);
  EXPECT_EQ(cornerOnly.fields.text[7], "20");
  EXPECT_EQ(cornerOnly.fields.text[8], "-10");
  EXPECT_EQ(cornerOnly.fields.text[10], kKept);
  EXPECT_FALSE(cornerOnly.fields.check1Enabled);
  ASSERT_TRUE(cornerOnly.figure.has_value());
  EXPECT_EQ(cornerOnly.figure->lines.size(), 2u);
  EXPECT_TRUE(cornerOnly.figure->circles.empty());
  ASSERT_EQ(cornerOnly.figure->points.size(), 1u);
  EXPECT_NEAR(cornerOnly.figure->points[0].centre.x, -10.0, 1e-6);  // corner Z-10
  EXPECT_NEAR(cornerOnly.figure->points[0].centre.y, -10.0, 1e-6);  // radius 10

  f = Corner("5", 1);
  f.text[5] = "";  // line 2 incomplete: line 1 alone at the default scale
  const Calculation line1Only = LineRLineCalculate(f);
  EXPECT_EQ(line1Only.fields.text[7], kKept);
  ASSERT_TRUE(line1Only.figure.has_value());
  EXPECT_EQ(line1Only.figure->lines.size(), 1u);
  EXPECT_DOUBLE_EQ(line1Only.figure->view.width, 8835.0);

  f.text[3] = "";  // nor line 1: the drawing stays as it was
  EXPECT_FALSE(LineRLineCalculate(f).figure.has_value());
}

// Guards against: the fitted view cutting the figure off, and the zoom not centring on the circle.
TEST(LineRLineDrawing, FittedViewAndZoom) {
  const Calculation fitted = LineRLineCalculate(Corner("5", 1));
  ASSERT_TRUE(fitted.figure.has_value());
  // Everything (line points Z0 / Z-10, circle Z-10..0, radius 10..20) spans 10 by 10; the radius span decides: height
  // 1.4 * 10, centred on (Z-5, radius 15).
  const ViewBox& v = fitted.figure->view;
  EXPECT_NEAR(v.height, 14.0, 1e-9);
  EXPECT_NEAR(v.width, 14.0 * 8835 / 4875, 1e-9);
  EXPECT_NEAR(v.left + v.width / 2, -5.0, 1e-6);
  EXPECT_NEAR(v.top + v.height / 2, -15.0, 1e-6);
  EXPECT_EQ(fitted.figure->circles.size(), 1u);
  EXPECT_EQ(fitted.figure->points.size(), 4u);  // corner, centre, both tangent points

  CalculatorFields zoomed = Corner("5", 1);
  zoomed.check1 = true;
  const Calculation out = LineRLineCalculate(zoomed);
  ASSERT_TRUE(out.figure.has_value());
  // 5 R = 25 wide around the centre (Z-5, radius 15).
  EXPECT_NEAR(out.figure->view.width, 25.0, 1e-9);
  EXPECT_NEAR(out.figure->view.left, -5.0 - 12.5, 1e-6);
  EXPECT_NEAR(out.figure->view.top + out.figure->view.height / 2, -15.0, 1e-6);
}

}  // namespace
}  // namespace quillon
