// The recent-file list: shifting, no de-duplication, design captions, and what is loaded and written back.
#include "app/recent_files.h"

#include <gtest/gtest.h>

#include "support/param_name.h"

namespace quillon {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

struct ListCase {
  const char* name;
  Pairs stored;                     // the store before the list is loaded
  std::vector<std::string> opened;  // files added after loading, oldest first
  const char* captions;             // slots 1..5, joined by '|'
  const char* shown;                // '1' for a visible slot
};

// Guards against: empty stored values shown as items, slots after a gap lost, the oldest entry kept or the newest not
// first, a repeated file merged into one entry, or a design caption ("RecentFile2") moved down a slot and then shown as
// if it were a file.
class RecentListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(RecentListTest, LoadsAndShiftsTheWholeList) {
  MemorySettingsStore store;
  for (const auto& [key, value] : GetParam().stored) store.set(kSectionSettings, key, value);
  RecentFileList list = LoadRecentFiles(store);
  for (const std::string& path : GetParam().opened) AddRecentFile(list, path);
  std::string captions, shown;
  for (const auto& slot : list) {
    captions += (captions.empty() ? "" : "|") + slot.caption;
    shown += slot.visible ? '1' : '0';
  }
  EXPECT_EQ(captions, GetParam().captions);
  EXPECT_EQ(shown, GetParam().shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Lists, RecentListTest,
    ::testing::Values(
        // name                        stored                                          opened                                captions                                                       shown
        ListCase{"Empty",              {},                                             {},                                   "RecentFile1|RecentFile2|RecentFile3|RecentFile4|RecentFile5", "00000"},
        ListCase{"OneAndTwo",          {{"RecentFile1", "/a"}, {"RecentFile2", "/b"}}, {},                                   "/a|/b|RecentFile3|RecentFile4|RecentFile5",                   "11000"},
        ListCase{"OneAndThree",        {{"RecentFile1", "/a"}, {"RecentFile3", "/c"}}, {},                                   "/a|RecentFile2|/c|RecentFile4|RecentFile5",                   "10100"},
        ListCase{"EmptyValueHidden",   {{"RecentFile1", ""}, {"RecentFile5", "/e"}},   {},                                   "RecentFile1|RecentFile2|RecentFile3|RecentFile4|/e",          "00001"},
        ListCase{"SixOpensLeaveFive",  {},                                             {"/1", "/2", "/3", "/4", "/5", "/6"}, "/6|/5|/4|/3|/2",                                              "11111"},
        ListCase{"SameFileTwice",      {},                                             {"/a", "/a"},                         "/a|/a|RecentFile1|RecentFile2|RecentFile3",                   "11000"},
        ListCase{"GapMovesDownHidden", {{"RecentFile1", "/a"}, {"RecentFile3", "/c"}}, {"/x"},                               "/x|/a|RecentFile2|/c|RecentFile4",                            "11010"}),
    testing_support::kRowName);
// clang-format on

// Guards against: design captions written into the store, or an older stored value overwritten by an empty slot.
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
