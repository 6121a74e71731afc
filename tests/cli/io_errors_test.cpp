// quillon-nc against inputs it cannot read and outputs it cannot write, as a
// user runs it from a shell.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/case_file.h"
#include "support/cli_run.h"

namespace quillon::cli {
namespace {

namespace fs = std::filesystem;

struct IoCase {
  std::string name;
  std::string shell;
  bool unprivileged;  // runs as a user without the right to read {locked}
  int exit;
  std::string stderrText;
};

using testing_support::ReadFile;

// Guards against a crash (an uncaught stream exception), a read that never
// ends, a failure reported as success, or a message that does not name the
// file or the reason.
class IoErrorTest : public ::testing::TestWithParam<IoCase> {};

TEST_P(IoErrorTest, MessageAndExitCode) {
  const IoCase& c = GetParam();
  std::string shell = c.shell, expected = c.stderrText;
  if (c.unprivileged && ::geteuid() == 0) {
    // root reads every file: the row runs as nobody instead.
    if (std::system("command -v setpriv >/dev/null && id nobody >/dev/null 2>&1") != 0)
      GTEST_SKIP() << "no setpriv or no user nobody to run as";
    shell = "setpriv --reuid=nobody --regid=nogroup --clear-groups " + shell;
  }
  const fs::path dir = fs::temp_directory_path() / ("quillon-io-" + c.name + "-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "folder");
  fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                           fs::perms::others_exec);
  std::ofstream(dir / "in.min", std::ios::binary) << "O1234\nN1 X10\nN2 X20\n";
  std::ofstream(dir / "locked.min", std::ios::binary) << "N1 X10\n";
  fs::permissions(dir / "locked.min",
                  ::geteuid() == 0 ? fs::perms::owner_read | fs::perms::owner_write : fs::perms::none);
  const std::string app = std::getenv("QUILLON_APP_DIR");
  for (std::string* text : {&shell, &expected}) {
    *text = testing_support::ReplaceAll(*text, "{nc}", app + "/quillon-nc");
    *text = testing_support::ReplaceAll(*text, "{in}", (dir / "in.min").string());
    *text = testing_support::ReplaceAll(*text, "{dir}", (dir / "folder").string());
    *text = testing_support::ReplaceAll(*text, "{locked}", (dir / "locked.min").string());
    *text = testing_support::ReplaceAll(*text, "{mat}", "\" cutting  condition /S45C.CSV\"");
  }
  const fs::path err = dir / "err", rc = dir / "rc";
  const std::string run = "cd " + app + " && (" + shell + ") 2>'" + err.string() + "'; echo $? >'" + rc.string() + "'";
  ASSERT_EQ(std::system(run.c_str()), 0);
  EXPECT_EQ(ReadFile(rc), std::to_string(c.exit) + "\n");
  EXPECT_EQ(ReadFile(err), expected);
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Rows, IoErrorTest,
                         ::testing::ValuesIn(testing_support::LoadCases<IoCase, 5>("cli/cases/io_errors.txt")),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace quillon::cli
