// A relative --material path: the current folder first, then the program's.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/cli_verbs.h"
#include "process/cutting_conditions.h"
#include "support/case_file.h"
#include "support/param_name.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

// Runs in a fresh current folder beside a fake program folder; restores the
// current folder afterwards.
class MaterialFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    m_saved = fs::current_path();
    m_root = fs::temp_directory_path() / ("quillon-material-" + std::to_string(::getpid()));
    fs::remove_all(m_root);
    fs::create_directories(m_root / "work" / "here");
    fs::create_directories(m_root / "app" / " cutting  condition ");
    fs::create_directories(m_root / "app" / "folder.CSV");
    std::ofstream(m_root / "app" / " cutting  condition " / "S45C.CSV") << "x";
    std::ofstream(m_root / "work" / "here" / "local.CSV") << "x";
    std::ofstream(m_root / "app" / "local.CSV") << "x";
    fs::current_path(m_root / "work");
  }
  void TearDown() override {
    fs::current_path(m_saved);
    fs::remove_all(m_root);
  }
  std::string app() const { return (m_root / "app").string(); }

  fs::path m_saved, m_root;
};

struct PathCase {
  const char* name;
  const char* given;
  const char* expected;  // "{app}" stands for the program folder
};

// Guards against the README's relative example failing outside the program
// folder, and against the lookup overriding a file the user has at hand.
class MaterialPathTest : public MaterialFolders, public ::testing::WithParamInterface<PathCase> {};

TEST_P(MaterialPathTest, Resolves) {
  const auto& c = GetParam();
  std::string expected = c.expected;
  if (expected.rfind("{app}", 0) == 0) expected = app() + expected.substr(5);
  EXPECT_EQ(MaterialFilePath(c.given, app()), expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, MaterialPathTest,
                         ::testing::ValuesIn(testing_support::LoadCases<PathCase, 3>("cli/cases/material_paths.txt")),
                         testing_support::kRowName);

// Guards against generate still reading the path as given (the table would
// stay empty and the message "cannot be opened" appear).
TEST_F(MaterialFolders, GenerateLoadsTheShippedFileFromAnotherFolder) {
  const char* shipped = std::getenv("QUILLON_APP_DIR");
  ASSERT_NE(shipped, nullptr);
  ASSERT_TRUE(fs::exists(fs::path(shipped) / " cutting  condition " / "S45C.CSV"));
  std::ostringstream out, err;
  const int code = cli::RunGenerate({"ProcessRoughOD", "--material", " cutting  condition /S45C.CSV", "--set",
                                     "StartX=40", "--set", "EndZ=-30", "--kept", "MaterialOD=60"},
                                    out, err);
  EXPECT_EQ(code, cli::kExitOk) << err.str();
  EXPECT_EQ(err.str(), "");
  EXPECT_FALSE(out.str().empty());
}

}  // namespace
}  // namespace quillon
