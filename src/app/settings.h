#pragma once
// The per-user settings store: every key with its section, kind, default and
// the record field it loads into, in one table; the store interface; and the
// records the table fills (AppSettings, the window geometry, the machine
// parameters in app/machine_parameters.h).
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "app/machine_parameters.h"

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

// The in-memory "Settings" values. A member's initializer is its key's default
// unless the key's row gives a text default (folders).
struct AppSettings {
  std::string OpenPathName;
  std::string InsertPathName;
  std::string SavePathName;
  std::string ScreenFontName = "Terminal";
  int ScreenFontSize = 14;
  std::string PrintFontName = "MS 明朝";
  int PrintFontSize = 11;
  int PrinterOrientation = 1;   // 1 portrait, 2 landscape
  int LeftMerge = 10;           // millimetres
  int RightMerge = 0;           // millimetres
  int PrintLineNo = 1;          // 1 one column, 2 two columns
  bool OutlineVisible = false;  // the Outline dock window is shown
  // The transformation tools' choices beside their exact behaviour.
  bool KeepJumpTargets = false;  // Sequence Number Arrange: jumps follow their lines
  bool ShiftWordsOnly = false;   // Size Shift: address words with plain numbers only
  bool FindMatchCase = true;     // Find and Replace
  bool FindWholeWord = false;
  bool FindRegex = false;
  bool FindWrapAround = false;
  // Unsaved documents are copied to recovery files, at most once per
  // interval after a change and whenever the program loses the focus.
  bool RecoveryEnabled = true;
  int RecoveryInterval = 30;     // seconds
  bool ToolpathVisible = false;  // the Toolpath dock window is shown
};

// Main window geometry in twips (1/1440 inch), as stored.
struct WindowGeometryTwips {
  double left = 1000, top = 1000, width = 6500, height = 6500;
};

// The record field a key is loaded into and saved from; none for keys read
// by their own code (the recent files).
using SettingField =
    std::variant<std::monostate, double WindowGeometryTwips::*, std::string AppSettings::*, int AppSettings::*,
                 bool AppSettings::*, double MachineParameters::*, int MachineParameters::*, bool MachineParameters::*,
                 std::string MachineParameters::*>;

// When a key is written back.
enum class SettingSave {
  AtExit,           // with the window geometry and AppSettings
  ParameterDialog,  // when the parameter dialog is confirmed, in table order
  Own,              // by the code that owns the key
};

// A text default may name "{app}" (the application folder) or "{home}" (the
// user's home folder); ResolveSettingDefault fills them in. An empty default
// of a key with a field is the field's initializer.
struct SettingKey {
  std::string_view section;
  std::string_view key;
  SettingKind kind;
  std::string_view defaultValue;
  SettingField field;
  SettingSave save;
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

// The strict flag reader ("True", "False", "1", "0", "-1", any case;
// nullopt when the text is not one). Numbers: ParseStrictNumber.
std::optional<bool> ParseStrictFlag(std::string_view text);

// Every key bound to a field of the record, read by its row.
AppSettings LoadAppSettings(const SettingsStore& store, const SettingPlaces& places);
WindowGeometryTwips LoadWindowGeometry(const SettingsStore& store, const SettingPlaces& places);
MachineParameters LoadMachineParameters(const SettingsStore& store, const SettingPlaces& places);

// Writes the record's keys that are saved at exit, in table order.
void SaveAppSettings(SettingsStore& store, const AppSettings& settings);
void SaveWindowGeometry(SettingsStore& store, const WindowGeometryTwips& geometry);
// The keys the parameter dialog confirms, in the dialog's order (MaxS ...
// LoadMoniter); the two material-file paths are written at exit only.
void SaveMachineParameters(SettingsStore& store, const MachineParameters& p);
void SaveCsvPaths(SettingsStore& store, const MachineParameters& p);

// Sets one field by its key from text ("Tallix=True", "AppZ=50"); false when
// the key is unknown or the value does not convert.
bool SetMachineParameter(MachineParameters& p, std::string_view key, std::string_view value);

inline constexpr double kTwipsPerInch = 1440.0;
int TwipsToPixels(double twips, double dpi);
double PixelsToTwips(int pixels, double dpi);

}  // namespace quillon
