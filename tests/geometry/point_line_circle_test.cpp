// Point and line then circle: the circle through P touching the line.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "geometry/point_line_circle.h"
#include "numbers/nc_number.h"

namespace quillon {
namespace {

constexpr const char* kKept = "kept";
// Results: centre 6 7, touching point 9 10, I K 11 12.
constexpr std::array<int, 6> kResultBoxes{6, 7, 9, 10, 11, 12};

using Entries = std::array<std::string, 6>;  // X1 Z1 A Xp Zp R

CalculatorFields Filled(const Entries& e, int option) {
  CalculatorFields f;
  f.text[1] = e[0], f.text[2] = e[1], f.text[3] = e[2], f.text[4] = e[3], f.text[5] = e[4], f.text[8] = e[5];
  for (int box : kResultBoxes) f.text[box] = kKept;
  f.option = option;
  return f;
}

struct PointCase {
  const char* name;
  Entries entries;
  int option;
  std::array<const char*, 6> want;  // CX CZ  start X Z  I K; none: impossible, the earlier texts stay
};

// Guards against: the two options swapped, the mirror for P before the line point not undone, the case of P between R
// and 2R from the line failing or choosing the far circle, and impossible requests writing results.
class LineRPointTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(LineRPointTest, CentreAndTouchingPoint) {
  const auto& c = GetParam();
  const bool fails = c.want[0] == nullptr;
  const Calculation out = LineRPointCalculate(Filled(c.entries, c.option));
  for (std::size_t i = 0; i < kResultBoxes.size(); ++i)
    EXPECT_EQ(out.fields.text[kResultBoxes[i]], fails ? kKept : c.want[i]) << "Text" << kResultBoxes[i];
  ASSERT_TRUE(out.figure.has_value());
  EXPECT_EQ(out.figure->text, fails ? kImpossibleText : "");
}

// Line along the axis (X0 Z0 A0), R 5. P at radius 2 lies q = 2 from the line: the centre is at radius 5, w = sqrt(25 -
// (5 - 2)^2) = 4 along the line from P, so at Z10 - 4 (option 1) or Z10 + 4 (option 2); it touches the axis straight
// below, I = 5, K = 0.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, LineRPointTest, ::testing::Values(
  //         name                   X1   Z1   A     Xp       Zp     R     opt   CX    CZ     X    Z      I    K
  PointCase{"Option1TowardsLinePoint", {"0", "0", "0",   "4",     "10",  "5"}, 1, {"10", "6",   "0", "6",   "5", "0"}},
  PointCase{"Option2AwayFromIt",       {"0", "0", "0",   "4",     "10",  "5"}, 2, {"10", "14",  "0", "14",  "5", "0"}},
  // A = 180 is the same line taken the other way (|A| > 90: A - 180 = 0)
  PointCase{"AngleBeyond90Turned",     {"0", "0", "180", "4",     "10",  "5"}, 1, {"10", "6",   "0", "6",   "5", "0"}},
  // P before the line point (Zp <= Z1): mirrored, option 1 still towards Z0
  PointCase{"MirroredInZ",             {"0", "0", "0",   "4",     "-10", "5"}, 1, {"10", "-6",  "0", "-6",  "5", "0"}},
  PointCase{"MirroredInZOption2",      {"0", "0", "0",   "4",     "-10", "5"}, 2, {"10", "-14", "0", "-14", "5", "0"}},
  // P at radius 8: q = 8 lies between R and 2R; the centre at radius 5 is 5 - 8 = -3 across and again w = 4 along the
  // line from P
  PointCase{"BetweenRAnd2R",           {"0", "0", "0",   "16",    "10",  "5"}, 1, {"10", "6",   "0", "6",   "5", "0"}},
  PointCase{"BetweenRAnd2ROption2",    {"0", "0", "0",   "16",    "10",  "5"}, 2, {"10", "14",  "0", "14",  "5", "0"}},
  // q = R exactly: the centre lies level with P, w = R
  PointCase{"ExactlyR",                {"0", "0", "0",   "10",    "10",  "5"}, 1, {"10", "5",   "0", "5",   "5", "0"}},
  // q = 2R: one circle, straight under P, for both options
  PointCase{"Exactly2R",               {"0", "0", "0",   "20",    "10",  "5"}, 1, {"10", "10",  "0", "10",  "5", "0"}},
  PointCase{"Exactly2ROption2",        {"0", "0", "0",   "20",    "10",  "5"}, 2, {"10", "10",  "0", "10",  "5", "0"}},
  // P below a line at radius 10 (X20): the circle hangs under the line, I = -5
  PointCase{"PointBelowTheLine",       {"20", "0", "0",  "16",    "10",  "5"}, 1, {"10", "6",   "20", "6",  "-5", "0"}},
  PointCase{"FartherThan2R",           {"0", "0", "0",   "20.01", "10",  "5"}, 1, {}},
  PointCase{"ZeroRadius",              {"0", "0", "0",   "4",     "10",  "0"}, 1, {}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct Slope {
  const char* name;
  double x1, z1, a, xp, zp, r;
};

void PrintTo(const Slope& s, std::ostream* os) { *os << s.name; }

double Read(const CalculatorFields& f, int box) { return ReadNumber(f.text[box]); }

// Guards against: sloped lines where P lies below the line point or before it giving a circle that misses P or crosses
// the line, and option 1 not being the circle towards the line's given point. Checked on the written (three-decimal)
// values, so the tolerance is a few thousandths.
class LineRPointSlopeTest : public ::testing::TestWithParam<Slope> {};

TEST_P(LineRPointSlopeTest, CircleTouchesLineAndPassesThroughPoint) {
  const auto& s = GetParam();
  constexpr double kWritten = 0.003;
  double centreZ[3] = {};
  for (int option : {1, 2}) {
    Entries typed;
    const double values[] = {s.x1, s.z1, s.a, s.xp, s.zp, s.r};
    for (int i = 0; i < 6; ++i) typed[i] = ShortestNumberText(values[i]);
    const Calculation out = LineRPointCalculate(Filled(typed, option));
    ASSERT_TRUE(out.figure.has_value());
    ASSERT_EQ(out.figure->text, "") << "option " << option;
    const double cr = Read(out.fields, 6) / 2, cz = Read(out.fields, 7);
    const double tr = Read(out.fields, 9) / 2, tz = Read(out.fields, 10);
    const double a = s.a * 3.14159265358979 / 180;
    // centre R from P
    EXPECT_NEAR(std::hypot(cr - s.xp / 2, cz - s.zp), s.r, kWritten) << "option " << option;
    // touching point on the line, R from the centre, square to the line
    EXPECT_NEAR((tr - s.x1 / 2) * std::cos(a) - (tz - s.z1) * std::sin(a), 0.0, kWritten) << "option " << option;
    EXPECT_NEAR(std::hypot(cr - tr, cz - tz), s.r, kWritten) << "option " << option;
    EXPECT_NEAR((cz - tz) * std::cos(a) + (cr - tr) * std::sin(a), 0.0, kWritten) << "option " << option;
    // centre on P's side of the line
    const double sideP = (s.xp / 2 - s.x1 / 2) * std::cos(a) - (s.zp - s.z1) * std::sin(a);
    const double sideC = (cr - s.x1 / 2) * std::cos(a) - (cz - s.z1) * std::sin(a);
    EXPECT_GT(sideP * sideC, 0.0) << "option " << option;
    // I and K run from the touching point to the centre, I as a radius value
    EXPECT_NEAR(Read(out.fields, 11), cr - tr, kWritten);
    EXPECT_NEAR(Read(out.fields, 12), cz - tz, kWritten);
    centreZ[option] = cz;
  }
  // option 1 lies towards the line's given point: at smaller Z when P lies after it, at larger Z when P lies before it
  const double away = s.zp <= s.z1 ? -1.0 : 1.0;
  EXPECT_LT(away * centreZ[1], away * centreZ[2]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slopes, LineRPointSlopeTest, ::testing::Values(
  //    name                     X1    Z1   A     Xp    Zp    R
  Slope{"RisingPointAbove",      20,   0,   30,   40,   10,   5},
  Slope{"RisingPointBelow",      20,   0,   30,   24,   10,   5},
  Slope{"FallingPointBelowStart", 40,  0,  -30,   20,   10,   5},
  Slope{"FallingPointBeforeStart", 40, 0,  -30,   50,  -10,   5},
  Slope{"RisingPointBeforeStart", 20,  0,   30,   12,  -10,   5},
  Slope{"FarSideBetweenRAnd2R",  20,   0,   20,   40,   10,   4}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against: computing with empty boxes, and the drawing missing P, the circle or the touching point.
TEST(LineRPoint, DrawingFollowsTheEntries) {
  EXPECT_FALSE(LineRPointCalculate(Filled({"0", "", "0", "4", "10", "5"}, 1)).figure.has_value());
  const Calculation lineOnly = LineRPointCalculate(Filled({"0", "0", "0", "4", "10", ""}, 1));
  ASSERT_TRUE(lineOnly.figure.has_value());
  EXPECT_EQ(lineOnly.figure->lines.size(), 1u);
  EXPECT_TRUE(lineOnly.figure->circles.empty());
  EXPECT_EQ(lineOnly.fields.text[6], kKept);

  const Calculation out = LineRPointCalculate(Filled({"0", "0", "0", "4", "10", "5"}, 1));
  ASSERT_TRUE(out.figure.has_value());
  const Figure& fig = *out.figure;
  EXPECT_EQ(fig.lines.size(), 1u);
  ASSERT_EQ(fig.circles.size(), 1u);
  EXPECT_NEAR(fig.circles[0].centre.x, 6.0, 1e-9);
  EXPECT_NEAR(fig.circles[0].centre.y, -5.0, 1e-9);
  ASSERT_EQ(fig.points.size(), 3u);  // P, centre, touching point
  EXPECT_NEAR(fig.points[0].centre.x, 10.0, 1e-9);
  EXPECT_NEAR(fig.points[0].centre.y, -2.0, 1e-9);
  EXPECT_NEAR(fig.points[2].centre.y, 0.0, 1e-9);
  // The circle (Z1..11, radius 0..10) and the line point Z0 span 11 by 10: the radius span decides, height 1.4 * 10.
  EXPECT_NEAR(fig.view.height, 14.0, 1e-9);
}

}  // namespace
}  // namespace quillon
