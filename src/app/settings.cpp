#include "app/settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "process/nc_format.h"

namespace quillon {

namespace {
using K = SettingKind;
// clang-format off
constexpr SettingKey kSettings[] = {
  // section             key                   kind            default
  {kSectionSettings,  "MainLeft",           K::Single,     "1000"},
  {kSectionSettings,  "MainTop",            K::Single,     "1000"},
  {kSectionSettings,  "MainWidth",          K::Single,     "6500"},
  {kSectionSettings,  "MainHeight",         K::Single,     "6500"},
  {kSectionSettings,  "OpenPathName",       K::Text,       "{home}"},
  {kSectionSettings,  "InsertPathName",     K::Text,       "{app}/Program"},
  {kSectionSettings,  "SavePathName",       K::Text,       "{home}"},
  {kSectionSettings,  "ScreenFontName",     K::Text,       "Terminal"},
  {kSectionSettings,  "ScreenFontSize",     K::Int32,      "14"},
  {kSectionSettings,  "PrintFontName",      K::Text,       "MS 明朝"},
  {kSectionSettings,  "PrintFontSize",      K::Int32,      "11"},
  {kSectionSettings,  "PrinterOrientation", K::Int16,      "1"},
  {kSectionSettings,  "LeftMerge",          K::Int32,      "10"},
  {kSectionSettings,  "RightMerge",         K::Int32,      "0"},
  {kSectionSettings,  "PrintLineNo",        K::Int16,      "1"},
  {kSectionSettings,  "RecentFile1",        K::Text,       ""},
  {kSectionSettings,  "RecentFile2",        K::Text,       ""},
  {kSectionSettings,  "RecentFile3",        K::Text,       ""},
  {kSectionSettings,  "RecentFile4",        K::Text,       ""},
  {kSectionSettings,  "RecentFile5",        K::Text,       ""},
  {kSectionParameter, "MaxS",               K::Single,     "2500"},
  {kSectionParameter, "HomeX",              K::NumberText, "500"},
  {kSectionParameter, "HomeZ",              K::NumberText, "500"},
  {kSectionParameter, "AppX",               K::NumberText, "200"},
  {kSectionParameter, "AppZ",               K::NumberText, "50"},
  {kSectionParameter, "TG",                 K::Flag,       "False"},
  {kSectionParameter, "ZentorQ500",         K::FlagText,   "True"},
  {kSectionParameter, "Tallix",             K::FlagText,   "False"},
  {kSectionParameter, "Bturret",            K::FlagText,   "False"},
  {kSectionParameter, "Measuer",            K::FlagText,   "False"},
  {kSectionParameter, "PanelChk",           K::FlagText,   "True"},
  {kSectionParameter, "AutoDoor",           K::FlagText,   "False"},
  {kSectionParameter, "TurretType",         K::Int16,      "2"},
  {kSectionParameter, "AtcMacroType",       K::Text,       "M421"},
  {kSectionParameter, "ToolFrom",           K::FlagText,   "True"},
  {kSectionParameter, "LoadMoniter",        K::Flag,       "False"},
  {kSectionParameter, "CsvPathName",        K::Text,       "{app}/ cutting  condition "},
  {kSectionParameter, "CsvFileName",        K::Text,       "{app}/ cutting  condition /S45C.CSV"},
};
// clang-format on

std::string ReplaceAll(std::string text, std::string_view what, const std::string& with) {
  for (std::size_t pos = 0; (pos = text.find(what, pos)) != std::string::npos; pos += with.size())
    text.replace(pos, what.size(), with);
  return text;
}

bool FitsKind(double value, SettingKind kind) {
  switch (kind) {
    case K::Int16: return value >= -32768 && value <= 32767;
    case K::Int32: return value >= -2147483648.0 && value <= 2147483647.0;
    case K::Single: return std::fabs(value) <= 3.4e38;
    default: return true;
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

std::optional<double> ParseStrictNumber(std::string_view text) {
  auto first = text.find_first_not_of(" \t");
  auto last = text.find_last_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  std::string_view t = text.substr(first, last - first + 1);
  // Every character must belong to the number: "12abc" is not a number here.
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++expDigits;
    if (expDigits == 0) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  double value = ReadNumber(t);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
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
  (void)places;  // flags have no folder defaults
  const SettingKey* k = FindSettingKey(section, key);
  bool fallback = k ? ParseStrictFlag(k->defaultValue).value_or(false) : false;
  auto value = store.get(section, key);
  if (!value) return fallback;
  return ParseStrictFlag(*value).value_or(fallback);
}

std::string SettingNumberText(double value) { return ShortestNumberText(value); }
std::string SettingFlagText(bool value) { return value ? "True" : "False"; }

AppSettings LoadAppSettings(const SettingsStore& store, const SettingPlaces& places) {
  const auto S = kSectionSettings;
  AppSettings a;
  a.OpenPathName = ReadSettingText(store, S, "OpenPathName", places);
  a.InsertPathName = ReadSettingText(store, S, "InsertPathName", places);
  a.SavePathName = ReadSettingText(store, S, "SavePathName", places);
  a.ScreenFontName = ReadSettingText(store, S, "ScreenFontName", places);
  a.ScreenFontSize = static_cast<int>(ReadSettingNumber(store, S, "ScreenFontSize", places));
  a.PrintFontName = ReadSettingText(store, S, "PrintFontName", places);
  a.PrintFontSize = static_cast<int>(ReadSettingNumber(store, S, "PrintFontSize", places));
  a.PrinterOrientation = static_cast<int>(ReadSettingNumber(store, S, "PrinterOrientation", places));
  a.LeftMerge = static_cast<int>(ReadSettingNumber(store, S, "LeftMerge", places));
  a.RightMerge = static_cast<int>(ReadSettingNumber(store, S, "RightMerge", places));
  a.PrintLineNo = static_cast<int>(ReadSettingNumber(store, S, "PrintLineNo", places));
  return a;
}

void SaveAppSettings(SettingsStore& store, const AppSettings& a) {
  const auto S = kSectionSettings;
  store.set(S, "OpenPathName", a.OpenPathName);
  store.set(S, "InsertPathName", a.InsertPathName);
  store.set(S, "SavePathName", a.SavePathName);
  store.set(S, "ScreenFontName", a.ScreenFontName);
  store.set(S, "ScreenFontSize", SettingNumberText(a.ScreenFontSize));
  store.set(S, "PrintFontName", a.PrintFontName);
  store.set(S, "PrintFontSize", SettingNumberText(a.PrintFontSize));
  store.set(S, "PrinterOrientation", SettingNumberText(a.PrinterOrientation));
  store.set(S, "LeftMerge", SettingNumberText(a.LeftMerge));
  store.set(S, "RightMerge", SettingNumberText(a.RightMerge));
  store.set(S, "PrintLineNo", SettingNumberText(a.PrintLineNo));
}

WindowGeometryTwips LoadWindowGeometry(const SettingsStore& store, const SettingPlaces& places) {
  const auto S = kSectionSettings;
  return {ReadSettingNumber(store, S, "MainLeft", places), ReadSettingNumber(store, S, "MainTop", places),
          ReadSettingNumber(store, S, "MainWidth", places), ReadSettingNumber(store, S, "MainHeight", places)};
}

void SaveWindowGeometry(SettingsStore& store, const WindowGeometryTwips& g) {
  const auto S = kSectionSettings;
  store.set(S, "MainLeft", SettingNumberText(g.left));
  store.set(S, "MainTop", SettingNumberText(g.top));
  store.set(S, "MainWidth", SettingNumberText(g.width));
  store.set(S, "MainHeight", SettingNumberText(g.height));
}

int TwipsToPixels(double twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch)); }
double PixelsToTwips(int pixels, double dpi) { return std::round(pixels * kTwipsPerInch / dpi); }

}  // namespace quillon
