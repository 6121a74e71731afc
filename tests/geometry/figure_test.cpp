// The drawing helpers: the mouse position text and the view fitting.
#include <gtest/gtest.h>

#include "geometry/figure.h"

namespace quillon {
namespace {

struct MouseCase {
  const char* name;
  double x, y;  // drawing x (Z), y (minus the radius)
  const char* text;
};

// Guards against: the radius shown instead of the diameter, the sign of the vertical axis, and rounding instead of
// cutting down.
class MousePositionTest : public ::testing::TestWithParam<MouseCase> {};

TEST_P(MousePositionTest, DiameterAndZCutToThousandths) {
  const auto& c = GetParam();
  EXPECT_EQ(MousePositionText({c.x, c.y}), c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, MousePositionTest, ::testing::Values(
  // name                  x           y           text X = -2 * -7.25678 = 14.51356 -> 14.513; Z 3.9999 -> 3.999
  MouseCase{"CutsDown",           3.9999,    -7.25678,   "X14.513 Z3.999"},
  // Z -15.12345 * 1000 = -15123.45 -> -15124 -> -15.124
  MouseCase{"NegativeZCutsDown",  -15.12345, -10.00049,  "X20 Z-15.124"},
  // below the axis: a negative diameter
  MouseCase{"BelowTheAxis",       0.0,       0.5,        "X-1 Z0"},
  MouseCase{"Origin",             0.0,       0.0,        "X0 Z0"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against: views that distort circles or leave figures off-centre, and coinciding points giving an empty view
// (the radius-dominant case is checked with the calculators' drawings).
TEST(FitView, KeepsThePictureAspectAndCentres) {
  const ViewBox wide = FitView({{0, 0}, {100, -10}}, 1.4);
  EXPECT_NEAR(wide.width, 140.0, 1e-9);
  EXPECT_NEAR(wide.height, 140.0 * 4875 / 8835, 1e-9);
  EXPECT_NEAR(wide.left, 50.0 - 70.0, 1e-9);
  EXPECT_NEAR(wide.top + wide.height / 2, -5.0, 1e-9);

  const ViewBox single = FitView({{3, -4}}, 1.4);
  EXPECT_GT(single.width, 0.0);
  EXPECT_NEAR(single.left + single.width / 2, 3.0, 1e-9);
}

}  // namespace
}  // namespace quillon
