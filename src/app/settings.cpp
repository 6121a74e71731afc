#include "app/settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <type_traits>

#include "numbers/nc_number.h"

namespace quillon {

namespace {
using K = SettingKind;
using W = WindowGeometryTwips;
using A = AppSettings;
using M = MachineParameters;
constexpr auto S = kSectionSettings;
constexpr auto P = kSectionParameter;
constexpr auto Exit = SettingSave::AtExit;
constexpr auto Dialog = SettingSave::ParameterDialog;
constexpr auto Own = SettingSave::Own;
constexpr std::monostate None{};

// clang-format off
const SettingKey kSettings[] = {
  // section key                   kind           default                                 field                 saved
  {S,  "MainLeft",           K::Single,     "",                                     &W::left,             Exit},
  {S,  "MainTop",            K::Single,     "",                                     &W::top,              Exit},
  {S,  "MainWidth",          K::Single,     "",                                     &W::width,            Exit},
  {S,  "MainHeight",         K::Single,     "",                                     &W::height,           Exit},
  {S,  "OpenPathName",       K::Text,       "{home}",                               &A::OpenPathName,     Exit},
  {S,  "InsertPathName",     K::Text,       "{app}/Program",                        &A::InsertPathName,   Exit},
  {S,  "SavePathName",       K::Text,       "{home}",                               &A::SavePathName,     Exit},
  {S,  "ScreenFontName",     K::Text,       "",                                     &A::ScreenFontName,   Exit},
  {S,  "ScreenFontSize",     K::Int32,      "",                                     &A::ScreenFontSize,   Exit},
  {S,  "PrintFontName",      K::Text,       "",                                     &A::PrintFontName,    Exit},
  {S,  "PrintFontSize",      K::Int32,      "",                                     &A::PrintFontSize,    Exit},
  {S,  "PrinterOrientation", K::Int16,      "",                                     &A::PrinterOrientation, Exit},
  {S,  "LeftMerge",          K::Int32,      "",                                     &A::LeftMerge,        Exit},
  {S,  "RightMerge",         K::Int32,      "",                                     &A::RightMerge,       Exit},
  {S,  "PrintLineNo",        K::Int16,      "",                                     &A::PrintLineNo,      Exit},
  {S,  "OutlineVisible",     K::Flag,       "",                                     &A::OutlineVisible,   Exit},
  {S,  "KeepJumpTargets",    K::Flag,       "",                                     &A::KeepJumpTargets,  Exit},
  {S,  "ShiftWordsOnly",     K::Flag,       "",                                     &A::ShiftWordsOnly,   Exit},
  {S,  "FindMatchCase",      K::Flag,       "",                                     &A::FindMatchCase,    Exit},
  {S,  "FindWholeWord",      K::Flag,       "",                                     &A::FindWholeWord,    Exit},
  {S,  "FindRegex",          K::Flag,       "",                                     &A::FindRegex,        Exit},
  {S,  "FindWrapAround",     K::Flag,       "",                                     &A::FindWrapAround,   Exit},
  {S,  "RecoveryEnabled",    K::Flag,       "",                                     &A::RecoveryEnabled,  Exit},
  {S,  "RecoveryInterval",   K::Int32,      "",                                     &A::RecoveryInterval, Exit},
  {S,  "ToolpathVisible",    K::Flag,       "",                                     &A::ToolpathVisible,  Exit},
  {S,  "RecentFile1",        K::Text,       "",                                     None,                 Own},
  {S,  "RecentFile2",        K::Text,       "",                                     None,                 Own},
  {S,  "RecentFile3",        K::Text,       "",                                     None,                 Own},
  {S,  "RecentFile4",        K::Text,       "",                                     None,                 Own},
  {S,  "RecentFile5",        K::Text,       "",                                     None,                 Own},
  {P,  "MaxS",               K::Single,     "",                                     &M::MaxS,             Dialog},
  {P,  "HomeX",              K::NumberText, "",                                     &M::HomeX,            Dialog},
  {P,  "HomeZ",              K::NumberText, "",                                     &M::HomeZ,            Dialog},
  {P,  "AppX",               K::NumberText, "",                                     &M::AppX,             Dialog},
  {P,  "AppZ",               K::NumberText, "",                                     &M::AppZ,             Dialog},
  {P,  "TG",                 K::Flag,       "",                                     &M::TG,               Dialog},
  {P,  "ZentorQ500",         K::FlagText,   "",                                     &M::ZentorQ500,       Dialog},
  {P,  "Tallix",             K::FlagText,   "",                                     &M::Tallix,           Dialog},
  {P,  "Bturret",            K::FlagText,   "",                                     &M::Bturret,          Dialog},
  {P,  "Measuer",            K::FlagText,   "",                                     &M::Measuer,          Dialog},
  {P,  "PanelChk",           K::FlagText,   "",                                     &M::PanelChk,         Dialog},
  {P,  "AutoDoor",           K::FlagText,   "",                                     &M::AutoDoor,         Dialog},
  {P,  "TurretType",         K::Int16,      "",                                     &M::TurretType,       Dialog},
  {P,  "AtcMacroType",       K::Text,       "",                                     &M::AtcMacroType,     Dialog},
  {P,  "ToolFrom",           K::FlagText,   "",                                     &M::ToolFrom,         Dialog},
  {P,  "LoadMoniter",        K::Flag,       "",                                     &M::LoadMoniter,      Dialog},
  {P,  "CsvPathName",        K::Text,       "{app}/ cutting  condition ",           &M::CsvPathName,      Exit},
  {P,  "CsvFileName",        K::Text,       "{app}/ cutting  condition /S45C.CSV",  &M::CsvFileName,      Exit},
};
// clang-format on

template <class Member>
struct MemberOf;
template <class T, class C>
struct MemberOf<T C::*> {
  using Class = C;
  using Type = T;
};

template <class... F>
struct Overload : F... {
  using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;

// Calls visit(member) for every row bound to a field of Record, in table order.
template <class Record, class Visit>
void ForEachField(Visit&& visit) {
  for (const SettingKey& k : kSettings)
    std::visit(Overload{[](std::monostate) {},
                        [&](auto member) {
                          if constexpr (std::is_same_v<typename MemberOf<decltype(member)>::Class, Record>)
                            visit(k, member);
                        }},
               k.field);
}

template <class Record>
Record LoadRecord(const SettingsStore& store, const SettingPlaces& places) {
  Record r;
  ForEachField<Record>([&](const SettingKey& k, auto member) {
    using T = typename MemberOf<decltype(member)>::Type;
    if constexpr (std::is_same_v<T, std::string>)
      r.*member = ReadSettingText(store, k.section, k.key, places);
    else if constexpr (std::is_same_v<T, bool>)
      r.*member = ReadSettingFlag(store, k.section, k.key, places);
    else
      r.*member = static_cast<T>(ReadSettingNumber(store, k.section, k.key, places));
  });
  return r;
}

template <class T>
std::string StoredText(const T& value) {
  if constexpr (std::is_same_v<T, std::string>)
    return value;
  else if constexpr (std::is_same_v<T, bool>)
    return SettingFlagText(value);
  else
    return SettingNumberText(static_cast<double>(value));
}

template <class Record>
void SaveRecord(SettingsStore& store, const Record& r, SettingSave when) {
  ForEachField<Record>([&](const SettingKey& k, auto member) {
    if (k.save == when) store.set(k.section, k.key, StoredText(r.*member));
  });
}

std::string ReplaceAll(std::string text, std::string_view what, const std::string& with) {
  for (std::size_t pos = 0; (pos = text.find(what, pos)) != std::string::npos; pos += with.size())
    text.replace(pos, what.size(), with);
  return text;
}

bool FitsKind(double value, SettingKind kind) {
  switch (kind) {
    case K::Int16:
      return value >= -32768 && value <= 32767;
    case K::Int32:
      return value >= -2147483648.0 && value <= 2147483647.0;
    case K::Single:
      return std::fabs(value) <= 3.4e38;
    default:
      return true;
  }
}
}  // namespace

std::span<const SettingKey> SettingsTable() { return kSettings; }

const SettingKey* FindSettingKey(std::string_view section, std::string_view key) {
  for (const auto& k : kSettings)
    if (k.section == section && k.key == key) return &k;
  return nullptr;
}

std::string ResolveSettingDefault(const SettingKey& key, const SettingPlaces& places) {
  if (key.defaultValue.empty() && !std::holds_alternative<std::monostate>(key.field))
    return std::visit(Overload{[](std::monostate) { return std::string(); },
                               [](auto member) {
                                 const typename MemberOf<decltype(member)>::Class fresh{};
                                 return StoredText(fresh.*member);
                               }},
                      key.field);
  std::string text(key.defaultValue);
  text = ReplaceAll(text, "{app}", places.appFolder);
  text = ReplaceAll(text, "{home}", places.homeFolder);
  return text;
}

std::optional<std::string> MemorySettingsStore::get(std::string_view section, std::string_view key) const {
  auto it = m_values.find({std::string(section), std::string(key)});
  if (it == m_values.end()) return std::nullopt;
  return it->second;
}

void MemorySettingsStore::set(std::string_view section, std::string_view key, const std::string& value) {
  m_values[{std::string(section), std::string(key)}] = value;
  m_order[m_writes++] = {std::string(section), std::string(key)};
}

std::optional<bool> ParseStrictFlag(std::string_view text) {
  std::string t(text);
  std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::tolower(c); });
  if (t == "true" || t == "-1" || t == "1") return true;
  if (t == "false" || t == "0") return false;
  return std::nullopt;
}

std::string ReadSettingText(const SettingsStore& store, std::string_view section, std::string_view key,
                            const SettingPlaces& places) {
  const SettingKey* k = FindSettingKey(section, key);
  auto value = store.get(section, key);
  if (value) return *value;
  return k ? ResolveSettingDefault(*k, places) : std::string();
}

double ReadSettingNumber(const SettingsStore& store, std::string_view section, std::string_view key,
                         const SettingPlaces& places) {
  const SettingKey* k = FindSettingKey(section, key);
  double fallback = k ? ReadNumber(ResolveSettingDefault(*k, places)) : 0.0;
  auto value = store.get(section, key);
  if (!value) return fallback;
  auto number = ParseStrictNumber(*value);
  if (!number || (k && !FitsKind(*number, k->kind))) return fallback;
  if (k && (k->kind == K::Int16 || k->kind == K::Int32)) return std::nearbyint(*number);
  return *number;
}

bool ReadSettingFlag(const SettingsStore& store, std::string_view section, std::string_view key,
                     const SettingPlaces& places) {
  const SettingKey* k = FindSettingKey(section, key);
  bool fallback = k ? ParseStrictFlag(ResolveSettingDefault(*k, places)).value_or(false) : false;
  auto value = store.get(section, key);
  if (!value) return fallback;
  return ParseStrictFlag(*value).value_or(fallback);
}

std::string SettingNumberText(double value) { return ShortestNumberText(value); }
std::string SettingFlagText(bool value) { return value ? "True" : "False"; }

AppSettings LoadAppSettings(const SettingsStore& store, const SettingPlaces& places) {
  return LoadRecord<AppSettings>(store, places);
}
WindowGeometryTwips LoadWindowGeometry(const SettingsStore& store, const SettingPlaces& places) {
  return LoadRecord<WindowGeometryTwips>(store, places);
}
MachineParameters LoadMachineParameters(const SettingsStore& store, const SettingPlaces& places) {
  return LoadRecord<MachineParameters>(store, places);
}

void SaveAppSettings(SettingsStore& store, const AppSettings& a) { SaveRecord(store, a, SettingSave::AtExit); }
void SaveWindowGeometry(SettingsStore& store, const WindowGeometryTwips& g) {
  SaveRecord(store, g, SettingSave::AtExit);
}
void SaveMachineParameters(SettingsStore& store, const MachineParameters& p) {
  SaveRecord(store, p, SettingSave::ParameterDialog);
}
void SaveCsvPaths(SettingsStore& store, const MachineParameters& p) { SaveRecord(store, p, SettingSave::AtExit); }

bool SetMachineParameter(MachineParameters& p, std::string_view key, std::string_view value) {
  const SettingKey* k = FindSettingKey(kSectionParameter, key);
  if (!k) return false;
  switch (k->kind) {
    case SettingKind::Flag:
    case SettingKind::FlagText:
      if (!ParseStrictFlag(value)) return false;
      break;
    case SettingKind::Text:
      break;
    default:
      if (!ParseStrictNumber(value)) return false;
  }
  // The value goes through the same reader the start-up uses; the other
  // fields keep what they hold.
  MemorySettingsStore one;
  one.set(kSectionParameter, key, std::string(value));
  const MachineParameters loaded = LoadMachineParameters(one, SettingPlaces{});
  bool set = false;
  ForEachField<MachineParameters>([&](const SettingKey& row, auto member) {
    if (&row == k) p.*member = loaded.*member, set = true;
  });
  return set;
}

int TwipsToPixels(double twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch)); }
double PixelsToTwips(int pixels, double dpi) { return std::round(pixels * kTwipsPerInch / dpi); }

}  // namespace quillon
