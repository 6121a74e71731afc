#include "help/help_topics.h"

#include "version.h"

namespace quillon {

namespace {
// clang-format off
constexpr HelpTopic kTopics[] = {
  // control        base name     viewer title
  {"GcodeHelp",     "G-code",     "G codes"},
  {"McodeHelp",     "M-code",     "M codes"},
  {"VariableHelp",  "Variable",   "System variables"},
  {"MnemonicHelp",  "Mnemonic",   "Mnemonics"},
  {"QuillonHelp",   "Quillon",    "Quillon help"},
};
constexpr std::string_view kSystemInfoTools[] = {
  "hardinfo", "gnome-system-monitor", "kinfocenter", "xfce4-taskmanager", "mate-system-monitor", "lxtask",
};
// clang-format on
}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

const HelpTopic* FindHelpTopic(std::string_view control) {
  for (const auto& t : kTopics)
    if (t.control == control) return &t;
  return nullptr;
}

std::string HelpPagePath(std::string_view appFolder, std::string_view baseName) {
  return std::string(appFolder) + "/help/" + std::string(baseName) + ".html";
}

std::string AboutVersionText() {
  return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionPatch);
}

std::string MainWindowTitle() {
  return "Quillon  Ver." + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
         std::to_string(kVersionPatch) + " Eng";
}

std::span<const std::string_view> SystemInfoTools() { return kSystemInfoTools; }

}  // namespace quillon
