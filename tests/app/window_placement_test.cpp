// Where the main window starts and how windows are kept on the screen.
#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

struct FirstStartCase {
  const char* name;
  ScreenRect available;
  ScreenRect placed;
};

// Guards against the first start opening a tiny window in a corner (433 by
// 433 on a 1600 by 1000 screen, menus folded away) or one placed off the
// screen when the available area does not start at 0, 0.
class FirstStartTest : public ::testing::TestWithParam<FirstStartCase> {};

TEST_P(FirstStartTest, ThreeQuartersCentred) {
  EXPECT_EQ(FirstStartPlacement(GetParam().available), GetParam().placed);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, FirstStartTest, ::testing::Values(
  // 1600 * 3/4 = 1200, (1600 - 1200) / 2 = 200; 1000 * 3/4 = 750, (1000 - 750) / 2 = 125
  FirstStartCase{"Wide",             {0, 0, 1600, 1000},    {200, 125, 1200, 750}},
  // a task bar of 40 at the top: the area starts at y 40
  FirstStartCase{"TaskBarOnTop",     {0, 40, 1600, 960},    {200, 160, 1200, 720}},
  // the second of two screens side by side
  FirstStartCase{"SecondScreen",     {1920, 0, 1280, 1024}, {2080, 128, 960, 768}},
  // odd sizes round down: 801 * 3/4 = 600, (801 - 600) / 2 = 100; 601 * 3/4 = 450, 151 / 2 = 75
  FirstStartCase{"OddSize",          {0, 0, 801, 601},      {100, 75, 600, 450}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct FitCase {
  const char* name;
  ScreenRect window;
  ScreenRect fitted;
};

// Guards against a dialog or the help window opening partly below or beside
// the screen, and against a window that fits being moved at all.
class FitInsideTest : public ::testing::TestWithParam<FitCase> {};

constexpr ScreenRect kScreen{0, 30, 1600, 970};  // a task bar of 30 at the top

TEST_P(FitInsideTest, LiesWhollyInside) {
  const ScreenRect r = FitInside(GetParam().window, kScreen);
  EXPECT_EQ(r, GetParam().fitted);
  EXPECT_GE(r.x, kScreen.x);
  EXPECT_GE(r.y, kScreen.y);
  EXPECT_LE(r.x + r.width, kScreen.x + kScreen.width);
  EXPECT_LE(r.y + r.height, kScreen.y + kScreen.height);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Windows, FitInsideTest, ::testing::Values(
  FitCase{"InsideStays",      {100, 100, 400, 300},    {100, 100, 400, 300}},
  FitCase{"TouchingEdgesStay",{0, 30, 1600, 970},      {0, 30, 1600, 970}},
  // 760 by 660 at y 500 would end at 1160: moved up to 1000 - 660 = 340
  FitCase{"BelowMovedUp",     {300, 500, 760, 660},    {300, 340, 760, 660}},
  FitCase{"RightMovedLeft",   {1500, 100, 400, 300},   {1200, 100, 400, 300}},
  FitCase{"AboveMovedDown",   {100, -50, 400, 300},    {100, 30, 400, 300}},
  FitCase{"LeftMovedRight",   {-300, 100, 400, 300},   {0, 100, 400, 300}},
  FitCase{"TallerShrunk",     {100, 100, 400, 2000},   {100, 30, 400, 970}},
  FitCase{"WiderShrunk",      {100, 100, 3000, 300},   {0, 100, 1600, 300}},
  FitCase{"OtherScreenBrought",{2000, 1200, 400, 300}, {1200, 700, 400, 300}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against a window centred over a main window near the screen's edge
// being left hanging over it.
TEST(CentredOverTest, CentresThenFits) {
  // over 200,125 1200x750: (1200 - 400) / 2 + 200 = 600, (750 - 300) / 2 + 125 = 350
  EXPECT_EQ(CentredOver({0, 0, 400, 300}, {200, 125, 1200, 750}, {0, 0, 1600, 1000}), (ScreenRect{600, 350, 400, 300}));
  // over a main window reaching below the screen: centre at y 900 - 150 = 750, fitted to 1000 - 300 = 700
  EXPECT_EQ(CentredOver({0, 0, 400, 300}, {0, 600, 800, 600}, {0, 0, 1600, 1000}), (ScreenRect{200, 700, 400, 300}));
}

struct StoredCase {
  const char* name;
  const char* key;  // nullptr: nothing stored
  bool stored;
};

// Guards against a stored place from an earlier run being replaced by the
// first-start place, or a store with other keys only counting as one.
class StoredGeometryTest : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredGeometryTest, AnyOfTheFourKeys) {
  MemorySettingsStore store;
  store.set(kSectionSettings, "OpenPathName", "/home/op");
  store.set(kSectionParameter, "MaxS", "3000");
  if (GetParam().key) store.set(kSectionSettings, GetParam().key, "1000");
  EXPECT_EQ(HasStoredWindowGeometry(store), GetParam().stored);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, StoredGeometryTest, ::testing::Values(
  StoredCase{"NothingStored", nullptr,      false},
  StoredCase{"Left",          "MainLeft",   true},
  StoredCase{"Top",           "MainTop",    true},
  StoredCase{"Width",         "MainWidth",  true},
  StoredCase{"Height",        "MainHeight", true}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace quillon
