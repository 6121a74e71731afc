#pragma once
// The machine configuration every generator reads (settings section "Parameter").
#include <string>
#include <string_view>

#include "app/settings.h"

namespace quillon {

struct MachineParameters {
  double MaxS = 2500;   // spindle speed limit, min^-1
  double HomeX = 500;   // turret index position (retract target without Tallix)
  double HomeZ = 500;
  double AppX = 200;    // approach position
  double AppZ = 50;
  bool TG = false;          // tool-life management by tool groups
  bool ZentorQ500 = true;   // controller generation
  bool Tallix = false;      // multi-tasking machine with rotary tools
  bool Bturret = false;     // second saddle
  bool Measuer = false;     // in-process measuring option
  bool PanelChk = true;     // panel check call in the program head
  bool AutoDoor = false;    // automatic door
  int TurretType = 2;       // 1 = H1, else 2
  std::string AtcMacroType = "M421";
  bool ToolFrom = true;     // write the tool-data lines
  bool LoadMoniter = false; // stored only
  std::string CsvPathName;  // folder of the material files
  std::string CsvFileName;  // the material file in use
};

MachineParameters LoadMachineParameters(const SettingsStore& store, const SettingPlaces& places);

// Writes the sixteen keys the parameter dialog confirms, in the dialog's order
// (MaxS ... LoadMoniter); the two CSV paths are written at exit only.
void SaveMachineParameters(SettingsStore& store, const MachineParameters& p);
void SaveCsvPaths(SettingsStore& store, const MachineParameters& p);

// Sets one field by its key from text ("Tallix=True", "AppZ=50"); false when
// the key is unknown or the value does not convert.
bool SetMachineParameter(MachineParameters& p, std::string_view key, std::string_view value);

}  // namespace quillon
