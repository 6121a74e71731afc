#pragma once
// The per-user settings store: every key with its kind and default in one
// table, the store interface, and the in-memory AppSettings.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace quillon {

inline constexpr std::string_view kSectionSettings = "Settings";
inline constexpr std::string_view kSectionParameter = "Parameter";

enum class SettingKind {
  Single,      // single-precision number
  Int32,       // 32-bit integer
  Int16,       // 16-bit integer
  Text,        // text
  NumberText,  // text holding a number
  Flag,        // flag stored as "True"/"False"
  FlagText,    // text holding a flag
};

// A default may name "{app}" (the application folder) or "{home}" (the
// user's home folder); ResolveSettingDefault fills them in.
struct SettingKey {
  std::string_view section;
  std::string_view key;
  SettingKind kind;
  std::string_view defaultValue;
};

std::span<const SettingKey> SettingsTable();
const SettingKey* FindSettingKey(std::string_view section, std::string_view key);

struct SettingPlaces {
  std::string appFolder;   // folder of the running program, no trailing separator
  std::string homeFolder;  // the user's home folder
};
std::string ResolveSettingDefault(const SettingKey& key, const SettingPlaces& places);

// Text values addressed by (section, key); a missing key is nullopt.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> get(std::string_view section, std::string_view key) const = 0;
  virtual void set(std::string_view section, std::string_view key, const std::string& value) = 0;
};

// For tests and the command line.
class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::string> get(std::string_view section, std::string_view key) const override;
  void set(std::string_view section, std::string_view key, const std::string& value) override;
  const std::map<std::pair<std::string, std::string>, std::string>& values() const { return m_values; }
  // The keys in the order they were written (the parameter dialog's order matters).
  const std::map<int, std::pair<std::string, std::string>>& writeOrder() const { return m_order; }

 private:
  std::map<std::pair<std::string, std::string>, std::string> m_values;
  std::map<int, std::pair<std::string, std::string>> m_order;
  int m_writes = 0;
};

// Readers convert strictly by the key's kind; a missing key or a value that
// does not convert yields the key's default.
std::string ReadSettingText(const SettingsStore& store, std::string_view section, std::string_view key,
                            const SettingPlaces& places);
double ReadSettingNumber(const SettingsStore& store, std::string_view section, std::string_view key,
                         const SettingPlaces& places);
bool ReadSettingFlag(const SettingsStore& store, std::string_view section, std::string_view key,
                     const SettingPlaces& places);

// Plain decimal text of a stored number; "True"/"False" for flags.
std::string SettingNumberText(double value);
std::string SettingFlagText(bool value);

// Strict conversions used by the readers (nullopt when the text is not one).
std::optional<double> ParseStrictNumber(std::string_view text);
std::optional<bool> ParseStrictFlag(std::string_view text);

struct AppSettings {
  std::string OpenPathName;
  std::string InsertPathName;
  std::string SavePathName;
  std::string ScreenFontName;
  int ScreenFontSize = 14;
  std::string PrintFontName;
  int PrintFontSize = 11;
  int PrinterOrientation = 1;  // 1 portrait, 2 landscape
  int LeftMerge = 10;          // millimetres
  int RightMerge = 0;          // millimetres
  int PrintLineNo = 1;         // 1 one column, 2 two columns
};

AppSettings LoadAppSettings(const SettingsStore& store, const SettingPlaces& places);
void SaveAppSettings(SettingsStore& store, const AppSettings& settings);

// Main window geometry in twips (1/1440 inch), as stored.
struct WindowGeometryTwips {
  double left = 1000, top = 1000, width = 6500, height = 6500;
};
WindowGeometryTwips LoadWindowGeometry(const SettingsStore& store, const SettingPlaces& places);
void SaveWindowGeometry(SettingsStore& store, const WindowGeometryTwips& geometry);
inline constexpr double kTwipsPerInch = 1440.0;
int TwipsToPixels(double twips, double dpi);
double PixelsToTwips(int pixels, double dpi);

}  // namespace quillon
