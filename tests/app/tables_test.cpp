// The application tables (menu tree, toolbar, status panels, settings keys) against their golden dumps under
// app/golden/, and what the code derives from them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/menu_tree.h"
#include "app/settings.h"
#include "support/case_suite.h"
#include "support/golden_file.h"

namespace quillon {
namespace {

using testing_support::GoldenMismatch;
using testing_support::Quoted;

std::string Joined(const std::vector<std::string_view>& names) {
  std::string all;
  for (std::string_view n : names) all += " " + std::string(n);
  return all;
}

// Guards against: a menu item lost, added, renamed, moved to another submenu (the indent is its level), a caption whose
// blanks or spelling drifted, a shortcut or flag typed wrong, and the flag lists the window uses not being the rows
// that carry the flag.
TEST(MenuTreeTest, MatchesItsDump) {
  static const std::vector<std::string> kFlagNames = testing_support::SplitList(
      "disabled hidden checked checkable submenu document-menu enabled-by-document needs-document follows-tallix "
      "tallix-at-start",
      ' ');
  std::ostringstream out;
  std::string needsDocument;
  for (const MenuItem& item : MenuTree()) {
    out << item.level << ' ' << std::string(2 * item.level, ' ') << item.name << '(' << item.index << ") "
        << Quoted(item.caption);
    if (!item.shortcut.empty()) out << " [" << item.shortcut << ']';
    for (unsigned bit = 0; bit < std::size(kFlagNames); ++bit)
      if (item.flags & (1u << bit)) out << ' ' << kFlagNames[bit];
    EXPECT_LT(item.flags, 1u << std::size(kFlagNames)) << item.name;
    out << '\n';
    EXPECT_EQ(FindMenuItem(item.name, item.index), &item) << item.name;
    if (item.index == 0 && NeedsDocument(item.name)) needsDocument += " " + std::string(item.name);
  }
  out << "document menus:" << Joined(DocumentMenus()) << "\ndocument commands:" << Joined(DocumentCommands())
      << "\nneeds a document:" << needsDocument << "\nTallix at start:" << Joined(TallixStartItems())
      << "\nfollows Tallix:" << Joined(TallixItems()) << '\n';
  EXPECT_EQ(GoldenMismatch("app/golden/menu_tree.txt", out.str()), "");
  EXPECT_EQ(FindMenuItem("mnuGcode", 12), nullptr);
  EXPECT_FALSE(NeedsDocument("mnuNothing"));
}

// Guards against: toolbar positions shifted (the document-only buttons would hide the wrong ones), a button bound to a
// command that does not exist, and status panels out of order or with other tool tips.
TEST(ToolbarAndStatusTest, MatchTheirDump) {
  std::ostringstream out;
  int position = 0;
  for (const ToolbarButton& b : ToolbarButtons()) {
    EXPECT_EQ(b.position, ++position);
    out << "button " << b.position;
    if (IsSeparator(b)) out << " separator";
    if (!IsSeparator(b)) out << ' ' << Quoted(b.key) << " tip " << Quoted(b.toolTip) << " runs " << b.command;
    if (!IsSeparator(b) && !FindMenuItem(b.command)) out << " (no such menu item)";
    out << (b.document ? " document\n" : "\n");
  }
  for (const StatusPanel& p : StatusPanels())
    out << "panel " << p.key << ' ' << Quoted(p.text) << " tip " << Quoted(p.toolTip) << '\n';
  EXPECT_EQ(GoldenMismatch("app/golden/toolbar_status.txt", out.str()), "");
}

// Guards against: a key typed twice or lost, a first run (empty store) starting from other values than the known
// defaults, a key written at the wrong time (the parameter dialog writes its sixteen keys in its own order, the
// material-file paths only at exit) or read into another field.
TEST(SettingsTableTest, MatchesItsDump) {
  static const char* const kKinds[] = {"Single", "Int32", "Int16", "Text", "NumberText", "Flag", "FlagText"};
  static const char* const kSaves[] = {"AtExit", "ParameterDialog", "Own"};
  const SettingPlaces places{"/opt/quillon", "/home/op"};
  MemorySettingsStore empty, atExit, dialog;
  const AppSettings app = LoadAppSettings(empty, places);
  const WindowGeometryTwips geometry = LoadWindowGeometry(empty, places);
  const MachineParameters machine = LoadMachineParameters(empty, places);
  SaveWindowGeometry(atExit, geometry);
  SaveAppSettings(atExit, app);
  SaveCsvPaths(atExit, machine);
  SaveMachineParameters(dialog, machine);
  std::ostringstream out;
  for (const SettingKey& k : SettingsTable()) {
    out << k.section << ' ' << k.key << ' ' << kKinds[static_cast<int>(k.kind)] << " default "
        << Quoted(ResolveSettingDefault(k, places)) << " loads ";
    std::visit(
        [&](auto member) {
          using M = decltype(member);
          if constexpr (std::is_same_v<M, std::monostate>)
            out << '-';
          else if constexpr (std::is_same_v<M, double WindowGeometryTwips::*>)
            out << SettingNumberText(geometry.*member);
          else if constexpr (std::is_same_v<M, std::string AppSettings::*>)
            out << Quoted(app.*member);
          else if constexpr (std::is_same_v<M, int AppSettings::*>)
            out << app.*member;
          else if constexpr (std::is_same_v<M, bool AppSettings::*>)
            out << SettingFlagText(app.*member);
          else if constexpr (std::is_same_v<M, std::string MachineParameters::*>)
            out << Quoted(machine.*member);
          else if constexpr (std::is_same_v<M, bool MachineParameters::*>)
            out << SettingFlagText(machine.*member);
          else
            out << SettingNumberText(machine.*member);
        },
        k.field);
    out << " saved " << kSaves[static_cast<int>(k.save)] << " ->";
    if (atExit.get(k.section, k.key)) out << " at exit " << Quoted(*atExit.get(k.section, k.key));
    for (const auto& [n, key] : dialog.writeOrder())
      if (key == std::pair<std::string, std::string>(k.section, k.key))
        out << " dialog #" << n + 1 << ' ' << Quoted(*dialog.get(k.section, k.key));
    out << '\n';
    EXPECT_EQ(FindSettingKey(k.section, k.key), &k) << k.key;
  }
  EXPECT_EQ(GoldenMismatch("app/golden/settings.txt", out.str()), "");
}

}  // namespace
}  // namespace quillon
