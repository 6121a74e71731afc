// The recent-file list: shifting, no de-duplication, design captions, and what is loaded and written back.
#include "app/recent_files.h"

#include <gtest/gtest.h>

#include "support/case_suite.h"

namespace quillon {
namespace {

struct ListCase {
  const char *name, *stored, *opened, *captions, *shown;  // see the case file
};

// Guards against: empty stored values shown as items, slots after a gap lost, the oldest entry kept or the newest not
// first, a repeated file merged into one entry, or a design caption ("RecentFile2") moved down a slot and then shown as
// if it were a file.
class RecentListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(RecentListTest, LoadsAndShiftsTheWholeList) {
  MemorySettingsStore store;
  for (const std::string& entry : testing_support::SplitList(GetParam().stored))
    store.set(kSectionSettings, entry.substr(0, entry.find('=')), entry.substr(entry.find('=') + 1));
  RecentFileList list = LoadRecentFiles(store);
  for (const std::string& path : testing_support::SplitList(GetParam().opened)) AddRecentFile(list, path);
  std::string captions, shown;
  for (const auto& slot : list) {
    captions += (captions.empty() ? "" : "|") + slot.caption;
    shown += slot.visible ? '1' : '0';
  }
  EXPECT_EQ(captions, GetParam().captions);
  EXPECT_EQ(shown, GetParam().shown);
}

QUILLON_CASE_SUITE(Lists, RecentListTest, ListCase, 5, "app/cases/recent_files.txt");

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
