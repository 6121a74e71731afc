// Spindle speed: S = V * 1000 / 3.14 / D, down to a multiple of 10.
#include <gtest/gtest.h>

#include "geometry/spindle_speed.h"

namespace quillon {
namespace {

struct RpmCase {
  const char* name;
  const char* v;
  const char* diameter;
  RpmStep step;
  const char* text;
};

// Guards against: the exact pi instead of 3.14, rounding instead of cutting down, a multiple of 10 lost to binary
// error, and failures inserting text.
class RpmTest : public ::testing::TestWithParam<RpmCase> {};

TEST_P(RpmTest, EnterInDiameter) {
  const auto& c = GetParam();
  const RpmOutcome outcome = RpmEnterInDiameter(c.v, c.diameter);
  EXPECT_EQ(outcome.step, c.step);
  EXPECT_EQ(outcome.edit.text, c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RpmTest, ::testing::Values(
  // name               V       D      step             text 100 * 1000 / 3.14 / 20 = 1592.36 -> 1590
  RpmCase{"Example1590",     "100",  "20",  RpmStep::Insert, "1590"},
  // 150 * 1000 / 3.14 / 50 = 955.41 -> 950
  RpmCase{"Example950",      "150",  "50",  RpmStep::Insert, "950"},
  // 3.14 * 1000 / 3.14 / 1 = 1000 exactly, however the division rounds
  RpmCase{"ExactMultiple",   "3.14", "1",   RpmStep::Insert, "1000"},
  // 120 * 1000 / 3.14 / 38 = 1005.70 -> 1000 (rounding would give 1010)
  RpmCase{"CutNotRounded",   "120",  "38",  RpmStep::Insert, "1000"},
  // 100 * 1000 / 3.14 / 1 = 31847.13 -> 31840 (the exact pi would give 31830)
  RpmCase{"ShopPi",          "100",  "1",   RpmStep::Insert, "31840"},
  RpmCase{"ZeroSpeed",       "0",    "20",  RpmStep::Insert, "0"},
  RpmCase{"EmptyV",          "",     "20",  RpmStep::FocusV, ""},
  RpmCase{"EmptyDiameter",   "100",  "",    RpmStep::Stay,   ""},
  RpmCase{"ZeroDiameter",    "100",  "0",   RpmStep::Stay,   ""}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace quillon
