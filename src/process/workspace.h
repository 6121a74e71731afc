#pragma once
// The application-wide records, owned once for the whole run and handed
// explicitly to the parts that use them: the settings store with the values
// read from it, the machine parameters, what one command keeps for the next,
// the cutting-condition table and the recent files. Plain data; the editor's
// feature modules each receive the parts they need.
#include "app/machine_parameters.h"
#include "app/recent_files.h"
#include "app/settings.h"
#include "process/cutting_conditions.h"
#include "process/kept_state.h"

namespace quillon {

struct Workspace {
  Workspace(SettingsStore& settingsStore, SettingPlaces settingPlaces)
      : store(settingsStore), places(std::move(settingPlaces)) {}

  SettingsStore& store;
  SettingPlaces places;
  AppSettings settings;
  MachineParameters machine;
  KeptState kept;
  CuttingConditionTable conditions;
  RecentFileList recentFiles = EmptyRecentFiles();

  // The start-up reads: AppSettings, machine parameters, recent files.
  void load() {
    settings = LoadAppSettings(store, places);
    machine = LoadMachineParameters(store, places);
    recentFiles = LoadRecentFiles(store);
  }
  // What exit writes when the window is not minimized: AppSettings and the
  // material-file paths (the recent files are written always, see SaveRecentFiles).
  void saveAtExit() {
    SaveAppSettings(store, settings);
    SaveCsvPaths(store, machine);
  }
};

}  // namespace quillon
