#include "cli/machine_flags.h"

#include <cstdlib>
#include <filesystem>

#include "app/settings.h"
#include "numbers/entry_check.h"

namespace quillon::cli {

namespace {

bool IsNumberSetting(SettingKind kind) {
  return kind == SettingKind::Single || kind == SettingKind::Int32 || kind == SettingKind::Int16 ||
         kind == SettingKind::NumberText;
}

}  // namespace

bool FlagReader::next() {
  if (m_next >= m_args.size()) return false;
  m_flag = m_args[m_next++];
  m_inline.reset();
  if (m_flag.starts_with("--")) {
    if (auto eq = m_flag.find('='); eq != std::string::npos) {
      m_inline = m_flag.substr(eq + 1);
      m_flag.resize(eq);
    }
  }
  return true;
}

std::string FlagReader::value() {
  if (m_inline) return *m_inline;
  if (m_next >= m_args.size()) throw UsageError{m_flag + " needs a value"};
  return m_args[m_next++];
}

Assignment SplitAssignment(const std::string& flag, const std::string& text) {
  auto eq = text.find('=');
  if (eq == std::string::npos || eq == 0) throw UsageError{flag + " needs NAME=VALUE, got \"" + text + "\""};
  return {text.substr(0, eq), text.substr(eq + 1)};
}

void RequireNumberEntry(const std::string& field, const std::string& text) {
  if (!IsAcceptableEntry(text)) throw UsageError{NotANumberMessage(field, text), true};
}

std::string AppFolder() {
  if (const char* dir = std::getenv("QUILLON_APP_DIR"); dir && *dir) return dir;
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return exe.parent_path().string();
  return std::filesystem::current_path(ec).string();
}

MachineParameters MachineFromFlags(const std::vector<Assignment>& machine) {
  const MemorySettingsStore noSettings;
  MachineParameters parameters = LoadMachineParameters(noSettings, SettingPlaces{AppFolder(), {}});
  for (const auto& [key, value] : machine) {
    // An empty value stays refused below: a stored parameter is never empty.
    const SettingKey* row = FindSettingKey(kSectionParameter, key);
    if (row && IsNumberSetting(row->kind) && !value.empty()) RequireNumberEntry(key, value);
    if (!SetMachineParameter(parameters, key, value))
      throw UsageError{"--machine " + key + "=" + value + " is not a machine parameter"};
  }
  return parameters;
}

}  // namespace quillon::cli
