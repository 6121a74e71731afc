// Help pages and About texts: every Help item finds its page (also from a folder with blanks), and the version text
// follows the build's version.
#include "help/help_topics.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quillon {
namespace {

std::string SourceDataFolder() {
  const char* tests = std::getenv("QUILLON_TEST_DATA");
  return std::string(tests ? tests : ".") + "/../data";
}

// Guards against a Help item without its shipped page, items lost or reordered, and a link between the pages that
// leaves the reader on an empty page.
TEST(HelpTopicsTest, EveryHelpItemHasAShippedPageWithWorkingLinks) {
  const std::string data = SourceDataFolder();
  std::vector<std::string> controls;
  for (const auto& topic : HelpTopics()) {
    controls.emplace_back(topic.control);
    const std::string path = HelpPagePath(data, topic.baseName);
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    std::stringstream page;
    page << std::ifstream(path).rdbuf();
    const std::string html = page.str();
    for (std::size_t pos = 0; (pos = html.find("href=\"", pos)) != std::string::npos;) {
      pos += 6;
      const std::string target = html.substr(pos, html.find('"', pos) - pos);
      EXPECT_TRUE(std::filesystem::is_regular_file(data + "/help/" + target)) << topic.baseName << " -> " << target;
    }
  }
  EXPECT_EQ(controls,
            (std::vector<std::string>{"GcodeHelp", "McodeHelp", "VariableHelp", "MnemonicHelp", "QuillonHelp"}));
}

// Guards against a help folder with blanks split into two paths (the path is handed over whole, never to a shell).
TEST(HelpTopicsTest, FolderWithBlanksStaysOnePath) {
  EXPECT_EQ(HelpPagePath("/opt/my tools/quillon", "G-code"), "/opt/my tools/quillon/help/G-code.html");
  const auto dir = std::filesystem::temp_directory_path() / "quillon help test" / "help";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "Mnemonic.html") << "<html></html>";
  const std::string app = (std::filesystem::temp_directory_path() / "quillon help test").string();
  EXPECT_TRUE(std::filesystem::is_regular_file(HelpPagePath(app, FindHelpTopic("MnemonicHelp")->baseName)));
  std::filesystem::remove_all(dir.parent_path());
}

// Guards against an item that has no page (About) opening one, and the About text not following the build version.
TEST(AboutTest, HasNoPageAndShowsTheVersion) {
  EXPECT_EQ(FindHelpTopic("mnuHelpAbout"), nullptr);
  EXPECT_EQ(AboutVersionText(), "Version 2.2.6");
}

}  // namespace
}  // namespace quillon
