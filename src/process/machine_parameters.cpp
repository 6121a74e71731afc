#include "process/machine_parameters.h"

namespace quillon {

namespace {
const auto P = kSectionParameter;
}

MachineParameters LoadMachineParameters(const SettingsStore& s, const SettingPlaces& pl) {
  MachineParameters p;
  p.MaxS = ReadSettingNumber(s, P, "MaxS", pl);
  p.HomeX = ReadSettingNumber(s, P, "HomeX", pl);
  p.HomeZ = ReadSettingNumber(s, P, "HomeZ", pl);
  p.AppX = ReadSettingNumber(s, P, "AppX", pl);
  p.AppZ = ReadSettingNumber(s, P, "AppZ", pl);
  p.TG = ReadSettingFlag(s, P, "TG", pl);
  p.ZentorQ500 = ReadSettingFlag(s, P, "ZentorQ500", pl);
  p.Tallix = ReadSettingFlag(s, P, "Tallix", pl);
  p.Bturret = ReadSettingFlag(s, P, "Bturret", pl);
  p.Measuer = ReadSettingFlag(s, P, "Measuer", pl);
  p.PanelChk = ReadSettingFlag(s, P, "PanelChk", pl);
  p.AutoDoor = ReadSettingFlag(s, P, "AutoDoor", pl);
  p.TurretType = static_cast<int>(ReadSettingNumber(s, P, "TurretType", pl));
  p.AtcMacroType = ReadSettingText(s, P, "AtcMacroType", pl);
  p.ToolFrom = ReadSettingFlag(s, P, "ToolFrom", pl);
  p.LoadMoniter = ReadSettingFlag(s, P, "LoadMoniter", pl);
  p.CsvPathName = ReadSettingText(s, P, "CsvPathName", pl);
  p.CsvFileName = ReadSettingText(s, P, "CsvFileName", pl);
  return p;
}

void SaveMachineParameters(SettingsStore& s, const MachineParameters& p) {
  s.set(P, "MaxS", SettingNumberText(p.MaxS));
  s.set(P, "HomeX", SettingNumberText(p.HomeX));
  s.set(P, "HomeZ", SettingNumberText(p.HomeZ));
  s.set(P, "AppX", SettingNumberText(p.AppX));
  s.set(P, "AppZ", SettingNumberText(p.AppZ));
  s.set(P, "TG", SettingFlagText(p.TG));
  s.set(P, "ZentorQ500", SettingFlagText(p.ZentorQ500));
  s.set(P, "Tallix", SettingFlagText(p.Tallix));
  s.set(P, "Bturret", SettingFlagText(p.Bturret));
  s.set(P, "Measuer", SettingFlagText(p.Measuer));
  s.set(P, "PanelChk", SettingFlagText(p.PanelChk));
  s.set(P, "AutoDoor", SettingFlagText(p.AutoDoor));
  s.set(P, "TurretType", SettingNumberText(p.TurretType));
  s.set(P, "AtcMacroType", p.AtcMacroType);
  s.set(P, "ToolFrom", SettingFlagText(p.ToolFrom));
  s.set(P, "LoadMoniter", SettingFlagText(p.LoadMoniter));
}

void SaveCsvPaths(SettingsStore& s, const MachineParameters& p) {
  s.set(P, "CsvPathName", p.CsvPathName);
  s.set(P, "CsvFileName", p.CsvFileName);
}

bool SetMachineParameter(MachineParameters& p, std::string_view key, std::string_view value) {
  MemorySettingsStore one;
  one.set(P, key, std::string(value));
  const SettingKey* k = FindSettingKey(P, key);
  if (!k) return false;
  switch (k->kind) {
    case SettingKind::Flag:
    case SettingKind::FlagText:
      if (!ParseStrictFlag(value)) return false;
      break;
    case SettingKind::Text: break;
    default:
      if (!ParseStrictNumber(value)) return false;
  }
  // Read every key back through the same readers the start-up uses, keeping
  // the other fields as they were.
  const SettingPlaces none;
  MachineParameters loaded = LoadMachineParameters(one, none);
  if (key == "MaxS") p.MaxS = loaded.MaxS;
  else if (key == "HomeX") p.HomeX = loaded.HomeX;
  else if (key == "HomeZ") p.HomeZ = loaded.HomeZ;
  else if (key == "AppX") p.AppX = loaded.AppX;
  else if (key == "AppZ") p.AppZ = loaded.AppZ;
  else if (key == "TG") p.TG = loaded.TG;
  else if (key == "ZentorQ500") p.ZentorQ500 = loaded.ZentorQ500;
  else if (key == "Tallix") p.Tallix = loaded.Tallix;
  else if (key == "Bturret") p.Bturret = loaded.Bturret;
  else if (key == "Measuer") p.Measuer = loaded.Measuer;
  else if (key == "PanelChk") p.PanelChk = loaded.PanelChk;
  else if (key == "AutoDoor") p.AutoDoor = loaded.AutoDoor;
  else if (key == "TurretType") p.TurretType = loaded.TurretType;
  else if (key == "AtcMacroType") p.AtcMacroType = loaded.AtcMacroType;
  else if (key == "ToolFrom") p.ToolFrom = loaded.ToolFrom;
  else if (key == "LoadMoniter") p.LoadMoniter = loaded.LoadMoniter;
  else if (key == "CsvPathName") p.CsvPathName = loaded.CsvPathName;
  else if (key == "CsvFileName") p.CsvFileName = loaded.CsvFileName;
  else return false;
  return true;
}

}  // namespace quillon
