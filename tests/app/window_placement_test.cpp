// Where the main window starts and how windows are kept on the screen.
#include "app/window_placement.h"

#include <gtest/gtest.h>

#include "support/case_suite.h"

namespace quillon {
namespace {

// A row's two rectangles: where the window is (or the screen it is placed on) and where it ends up.
struct RectCase {
  const char* name;
  int x, y, width, height, toX, toY, toWidth, toHeight;
  ScreenRect from() const { return {x, y, width, height}; }
  ScreenRect to() const { return {toX, toY, toWidth, toHeight}; }
};

// Guards against the first start opening a tiny window in a corner (433 by 433 on a 1600 by 1000 screen, menus folded
// away) or one placed off the screen when the available area does not start at 0, 0.
class FirstStartTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(FirstStartTest, ThreeQuartersCentred) { EXPECT_EQ(FirstStartPlacement(GetParam().from()), GetParam().to()); }

QUILLON_CASE_SUITE(Screens, FirstStartTest, RectCase, 9, "app/cases/first_start.txt");

// Guards against a dialog or the help window opening partly below or beside the screen, and against a window that fits
// being moved at all.
class FitInsideTest : public ::testing::TestWithParam<RectCase> {};

constexpr ScreenRect kScreen{0, 30, 1600, 970};  // a task bar of 30 at the top

TEST_P(FitInsideTest, LiesWhollyInside) {
  const ScreenRect r = FitInside(GetParam().from(), kScreen);
  EXPECT_EQ(r, GetParam().to());
  EXPECT_GE(r.x, kScreen.x);
  EXPECT_GE(r.y, kScreen.y);
  EXPECT_LE(r.x + r.width, kScreen.x + kScreen.width);
  EXPECT_LE(r.y + r.height, kScreen.y + kScreen.height);
}

QUILLON_CASE_SUITE(Windows, FitInsideTest, RectCase, 9, "app/cases/fit_inside.txt");

// Guards against a window centred over a main window near the screen's edge being left hanging over it.
TEST(CentredOverTest, CentresThenFits) {
  // over 200,125 1200x750: (1200 - 400) / 2 + 200 = 600, (750 - 300) / 2 + 125 = 350
  EXPECT_EQ(CentredOver({0, 0, 400, 300}, {200, 125, 1200, 750}, {0, 0, 1600, 1000}), (ScreenRect{600, 350, 400, 300}));
  // over a main window reaching below the screen: centre at y 900 - 150 = 750, fitted to 1000 - 300 = 700
  EXPECT_EQ(CentredOver({0, 0, 400, 300}, {0, 600, 800, 600}, {0, 0, 1600, 1000}), (ScreenRect{200, 700, 400, 300}));
}

struct StoredCase {
  const char *name, *key;  // key "": nothing stored
  bool stored;
};

// Guards against a stored place from an earlier run being replaced by the first-start place, or a store with other keys
// only counting as one.
class StoredGeometryTest : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredGeometryTest, AnyOfTheFourKeys) {
  MemorySettingsStore store;
  store.set(kSectionSettings, "OpenPathName", "/home/op");
  store.set(kSectionParameter, "MaxS", "3000");
  if (*GetParam().key) store.set(kSectionSettings, GetParam().key, "1000");
  EXPECT_EQ(HasStoredWindowGeometry(store), GetParam().stored);
}

QUILLON_CASE_SUITE(Keys, StoredGeometryTest, StoredCase, 3, "app/cases/stored_geometry.txt");

}  // namespace
}  // namespace quillon
