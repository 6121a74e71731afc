#pragma once
// The help pages shipped beside the program, the About texts, and how the
// desktop helpers (system information) are looked for.
#include <span>
#include <string>
#include <string_view>

namespace quillon {

struct HelpTopic {
  std::string_view control;   // menu control that opens it
  std::string_view baseName;  // file name without extension under <app>/help
  std::string_view title;     // window title of the help viewer
};

std::span<const HelpTopic> HelpTopics();
const HelpTopic* FindHelpTopic(std::string_view control);

// "<appFolder>/help/<baseName>.html" (the folder may contain blanks: callers
// pass it as one argument, never through a shell).
std::string HelpPagePath(std::string_view appFolder, std::string_view baseName);

// "Version 2.2.6", from the one version set in the build.
std::string AboutVersionText();
// The main window's caption, "Quillon  Ver.2.26 Eng": the minor and patch
// numbers run together, as the version was always shown there.
std::string MainWindowTitle();
inline constexpr std::string_view kAboutTitle = "Quillon";
inline constexpr std::string_view kAboutDescription =
    "NC program editor for CNC lathes and multi-tasking lathes with a Zentor controller.";
inline constexpr std::string_view kAboutDisclaimer =
    "Generated NC blocks are proposals: check every program on the machine's graphic check and with a dry run "
    "before cutting. The authors accept no liability for damage caused by programs written with this editor.";
inline constexpr std::string_view kNoSystemInfoMessage = "現時点ではｼｽﾃﾑ情報を使用できません";

// System-information tools tried in this order (the first one found on PATH runs).
std::span<const std::string_view> SystemInfoTools();

}  // namespace quillon
