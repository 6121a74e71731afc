// The recent-file list: shifting, no de-duplication, design captions, and
// what is loaded and written back.
#include <gtest/gtest.h>

#include "app/recent_files.h"

namespace quillon {
namespace {

std::vector<std::string> Captions(const RecentFileList& list) {
  std::vector<std::string> out;
  for (const auto& slot : list) out.push_back(slot.caption);
  return out;
}
std::vector<bool> Visible(const RecentFileList& list) {
  std::vector<bool> out;
  for (const auto& slot : list) out.push_back(slot.visible);
  return out;
}

// Guards against: the oldest entry kept, the newest not first, or a repeated
// file merged into one entry.
TEST(RecentFilesTest, SixOpensLeaveTheLastFiveNewestFirst) {
  RecentFileList list = EmptyRecentFiles();
  for (const char* path : {"/p/1.min", "/p/2.min", "/p/3.min", "/p/4.min", "/p/5.min", "/p/6.min"})
    AddRecentFile(list, path);
  EXPECT_EQ(Captions(list), (std::vector<std::string>{"/p/6.min", "/p/5.min", "/p/4.min", "/p/3.min", "/p/2.min"}));
  EXPECT_EQ(Visible(list), std::vector<bool>(5, true));
}

TEST(RecentFilesTest, SameFileTwiceIsListedTwice) {
  RecentFileList list = EmptyRecentFiles();
  AddRecentFile(list, "/p/a.min");
  AddRecentFile(list, "/p/a.min");
  // Captions shift as a whole: the design captions of slots 1..3 move to 3..5.
  EXPECT_EQ(Captions(list),
            (std::vector<std::string>{"/p/a.min", "/p/a.min", "RecentFile1", "RecentFile2", "RecentFile3"}));
  EXPECT_EQ(Visible(list), (std::vector<bool>{true, true, false, false, false}));
}

// Guards against: a slot showing another slot's design caption as if it were
// a file ("RecentFile2" moved into slot 3 after a gap in the stored list).
TEST(RecentFilesTest, GapMovesDownHidden) {
  MemorySettingsStore store;
  store.set(kSectionSettings, "RecentFile1", "/p/a.min");
  store.set(kSectionSettings, "RecentFile3", "/p/c.min");
  RecentFileList list = LoadRecentFiles(store);
  AddRecentFile(list, "/p/x.min");
  EXPECT_EQ(Captions(list),
            (std::vector<std::string>{"/p/x.min", "/p/a.min", "RecentFile2", "/p/c.min", "RecentFile4"}));
  EXPECT_EQ(Visible(list), (std::vector<bool>{true, true, false, true, false}));
}

struct LoadCase {
  const char* name;
  std::vector<std::pair<std::string, std::string>> stored;
  std::vector<bool> visible;
};

// Guards against: empty stored values shown as items, or the slots after a gap lost.
class RecentLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(RecentLoadTest, ShowsExactlyTheStoredSlots) {
  MemorySettingsStore store;
  for (const auto& [key, value] : GetParam().stored) store.set(kSectionSettings, key, value);
  const RecentFileList list = LoadRecentFiles(store);
  EXPECT_EQ(Visible(list), GetParam().visible);
  for (int i = 0; i < kRecentFileSlots; ++i)
    if (!list[i].visible) EXPECT_EQ(list[i].caption, RecentFileDesignCaption(i + 1));
}

INSTANTIATE_TEST_SUITE_P(
    Slots, RecentLoadTest,
    ::testing::Values(LoadCase{"Empty", {}, {false, false, false, false, false}},
                      LoadCase{"OneAndTwo",
                               {{"RecentFile1", "/a"}, {"RecentFile2", "/b"}},
                               {true, true, false, false, false}},
                      LoadCase{"OneAndThree",
                               {{"RecentFile1", "/a"}, {"RecentFile3", "/c"}},
                               {true, false, true, false, false}},
                      LoadCase{"EmptyValueStaysHidden",
                               {{"RecentFile1", ""}, {"RecentFile5", "/e"}},
                               {false, false, false, false, true}}),
    [](const auto& info) { return std::string(info.param.name); });

// Guards against: design captions written into the store, or an older stored
// value overwritten by an empty slot.
TEST(RecentFilesTest, SaveSkipsDesignCaptions) {
  MemorySettingsStore store;
  store.set(kSectionSettings, "RecentFile4", "/old/d.min");
  RecentFileList list = EmptyRecentFiles();
  AddRecentFile(list, "/p/a.min");
  AddRecentFile(list, "/p/b.min");
  SaveRecentFiles(store, list);
  EXPECT_EQ(store.get(kSectionSettings, "RecentFile1"), "/p/b.min");
  EXPECT_EQ(store.get(kSectionSettings, "RecentFile2"), "/p/a.min");
  EXPECT_FALSE(store.get(kSectionSettings, "RecentFile3").has_value());
  EXPECT_EQ(store.get(kSectionSettings, "RecentFile4"), "/old/d.min");
}

}  // namespace
}  // namespace quillon
