#pragma once
// The five-entry recent-file list. Each slot's caption is either a path or its
// design caption "RecentFile1" ... "RecentFile5", which means "no file".
#include <array>
#include <string>
#include <string_view>

#include "app/settings.h"

namespace quillon {

inline constexpr int kRecentFileSlots = 5;

struct RecentFileSlot {
  std::string caption;
  bool visible = false;
};
// Slot 1 (most recent) is element 0.
using RecentFileList = std::array<RecentFileSlot, kRecentFileSlots>;

// "RecentFile3" for slot 3.
std::string RecentFileDesignCaption(int slot);
// True for any "RecentFile" + digit caption: a slot that holds no file.
bool IsRecentDesignCaption(std::string_view caption);

// Every slot empty, hidden, with its design caption.
RecentFileList EmptyRecentFiles();

// Shifts each caption one slot down (the fifth is dropped) and puts path in
// slot 1. Paths are not de-duplicated: opening a file twice lists it twice.
void AddRecentFile(RecentFileList& list, const std::string& path);

// Stored values under "RecentFile1".."RecentFile5"; an empty one leaves its slot
// hidden with its design caption.
RecentFileList LoadRecentFiles(const SettingsStore& store);
// Writes every slot that holds a path; slots still showing a design caption
// are skipped, so an older stored value under that key stays.
void SaveRecentFiles(SettingsStore& store, const RecentFileList& list);

}  // namespace quillon
