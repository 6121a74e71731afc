#include "app/recent_files.h"

namespace quillon {

namespace {
constexpr std::string_view kDesignPrefix = "RecentFile";

std::string SlotKey(int slot) { return std::string(kDesignPrefix) + std::to_string(slot); }
}  // namespace

std::string RecentFileDesignCaption(int slot) { return SlotKey(slot); }

bool IsRecentDesignCaption(std::string_view caption) {
  // The stored list is written by the same rule: anything that begins with the
  // ten characters "RecentFile" is a slot without a file.
  return caption.substr(0, kDesignPrefix.size()) == kDesignPrefix;
}

RecentFileList EmptyRecentFiles() {
  RecentFileList list;
  for (int i = 0; i < kRecentFileSlots; ++i) list[i] = {RecentFileDesignCaption(i + 1), false};
  return list;
}

void AddRecentFile(RecentFileList& list, const std::string& path) {
  for (int i = kRecentFileSlots - 1; i >= 1; --i) list[i].caption = list[i - 1].caption;
  list[0].caption = path;
  // A slot that received a design caption (from an empty slot above it) holds
  // no file and must not be offered as one.
  for (auto& slot : list) slot.visible = !IsRecentDesignCaption(slot.caption);
}

RecentFileList LoadRecentFiles(const SettingsStore& store) {
  RecentFileList list = EmptyRecentFiles();
  for (int i = 0; i < kRecentFileSlots; ++i) {
    auto value = store.get(kSectionSettings, SlotKey(i + 1));
    if (value && !value->empty()) list[i] = {*value, true};
  }
  return list;
}

void SaveRecentFiles(SettingsStore& store, const RecentFileList& list) {
  for (int i = 0; i < kRecentFileSlots; ++i)
    if (!IsRecentDesignCaption(list[i].caption)) store.set(kSectionSettings, SlotKey(i + 1), list[i].caption);
}

}  // namespace quillon
