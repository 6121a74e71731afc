#pragma once
// The machine configuration every generator reads (settings section
// "Parameter"). Each member's initializer is its key's default; the settings
// table (app/settings.h) loads and saves it.
#include <string>

namespace quillon {

struct MachineParameters {
  double MaxS = 2500;  // spindle speed limit, min^-1
  double HomeX = 500;  // turret index position (retract target without Tallix)
  double HomeZ = 500;
  double AppX = 200;  // approach position
  double AppZ = 50;
  bool TG = false;         // tool-life management by tool groups
  bool ZentorQ500 = true;  // controller generation
  bool Tallix = false;     // multi-tasking machine with rotary tools
  bool Bturret = false;    // second saddle
  bool Measuer = false;    // in-process measuring option
  bool PanelChk = true;    // panel check call in the program head
  bool AutoDoor = false;   // automatic door
  int TurretType = 2;      // 1 = H1, else 2
  std::string AtcMacroType = "M421";
  bool ToolFrom = true;      // write the tool-data lines
  bool LoadMoniter = false;  // stored only
  std::string CsvPathName;   // folder of the material files
  std::string CsvFileName;   // the material file in use
};

}  // namespace quillon
