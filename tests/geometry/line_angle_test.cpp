// Line and angle: the other end of a line, or its angle, from the entries.
#include <gtest/gtest.h>

#include "geometry/line_angle.h"

namespace quillon {
namespace {

struct LineAngleCase {
  const char* name;
  bool leaveZ2;                         // false: leaving X2 (Text4)
  const char *x1, *z1, *a, *x2, *z2;    // Text1..Text5 typed
  const char *wantA, *wantX2, *wantZ2;  // Text3..Text5 after leaving
};

// Guards against: wrong radian constant or quadrant correction, the ten-thousandth nudge missing (or added to the angle
// twice), division by zero writing inf, and handlers running with required boxes empty.
class LineAngleTest : public ::testing::TestWithParam<LineAngleCase> {};

TEST_P(LineAngleTest, WritesOnlyWhatTheLeftBoxComputes) {
  const auto& c = GetParam();
  CalculatorFields f;
  f.text[1] = c.x1, f.text[2] = c.z1, f.text[3] = c.a, f.text[4] = c.x2, f.text[5] = c.z2;
  const CalculatorFields out = c.leaveZ2 ? LineAngleLeaveZ2(f) : LineAngleLeaveX2(f);
  EXPECT_EQ(out.text[3], c.wantA);
  EXPECT_EQ(out.text[4], c.wantX2);
  EXPECT_EQ(out.text[5], c.wantZ2);
  EXPECT_EQ(out.text[1], c.x1);
  EXPECT_EQ(out.text[2], c.z1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, LineAngleTest, ::testing::Values(
  // name                      leaveZ2 X1    Z1   A      X2    Z2      -> A       X2     Z2 Z2 = 0 + (20 - 0) / 2 / tan
  // 45 = 10 (tan is 0.99999997 with 6.2831852; the nudge restores 10)
  LineAngleCase{"LeaveX2GivesZ2",          false, "0",  "0", "45",  "20", "",      "45",    "20",  "10"},
  // X2 = 0 + 2 tan 45 (10 - 0) = 20
  LineAngleCase{"LeaveZ2GivesX2",          true,  "0",  "0", "45",  "",   "10",    "45",    "20",  "10"},
  // A given: X2 is recomputed over what was typed
  LineAngleCase{"LeaveZ2OverwritesX2",     true,  "0",  "0", "45",  "99", "10",    "45",    "20",  "10"},
  // arctan(10 / -10) = -45, +0.0001, +180 = 135.0001
  LineAngleCase{"AngleTowardsMinusZ",      true,  "0",  "0", "",    "20", "-10",   "135",   "20",  "-10"},
  // arctan(-10 / -10) = 45, +0.0001, -180 = -134.9999 -> floor -135
  LineAngleCase{"AngleFallingTowardsMinusZ", true, "20", "0", "",   "0",  "-10",   "-135",  "0",   "-10"},
  // arctan(10 / 10) = 45, no correction towards +Z
  LineAngleCase{"AngleTowardsPlusZ",       true,  "0",  "0", "",    "20", "10",    "45",    "20",  "10"},
  // parallel to Z towards -Z: arctan 0 = 0, no correction when X1 = X2
  LineAngleCase{"ParallelToZKeepsZero",    true,  "20", "0", "",    "20", "-10",   "0",     "20",  "-10"},
  // tan 0 = 0: division by zero, Z2 keeps its text
  LineAngleCase{"ZeroAngleKeepsZ2",        false, "0",  "0", "0",   "20", "7",     "0",     "20",  "7"},
  // Z2 = Z1: division by zero, no angle
  LineAngleCase{"SameZWritesNoAngle",      true,  "0",  "5", "",    "20", "5",     "",      "20",  "5"},
  LineAngleCase{"EmptyStartDoesNothing",   false, "",   "0", "45",  "20", "",      "45",    "20",  ""},
  LineAngleCase{"EmptyAngleLeavingX2",     false, "0",  "0", "",    "20", "",      "",      "20",  ""},
  LineAngleCase{"NeitherAngleNorX2",       true,  "0",  "0", "",    "",   "10",    "",      "",    "10"},
  LineAngleCase{"EmptyZ2DoesNothing",      true,  "0",  "0", "45",  "20", "",      "45",    "20",  ""},
  // the leading number counts: "45deg" reads 45
  LineAngleCase{"LenientAngle",            false, "0",  "0", "45deg", "20", "",    "45deg", "20",  "10"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace quillon
