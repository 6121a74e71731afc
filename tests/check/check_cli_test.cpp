// quillon-nc check over hand-written programs, row by row from tests/check/cases/cli_runs.txt: standard output and
// error against tests/check/golden/NAME.out, and the exit status.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli/cli_verbs.h"
#include "support/case_file.h"
#include "support/golden_file.h"
#include "support/param_name.h"

namespace quillon::cli {
namespace {

struct CliRun {
  std::string name, program, via, args;
  int exit;
};

std::string Data() {
  const char* dir = std::getenv("QUILLON_TEST_DATA");
  return dir ? dir : "tests";
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); !from.empty() && at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// Guards against findings in another form, order or position than NAME:LINE:COL: SEVERITY: MESSAGE [ID] by line,
// against anything else on standard output, against the wrong name for standard input, and against exit statuses
// that do not tell errors (1) from warnings only (0) and bad usage (2).
class CheckCliTest : public ::testing::TestWithParam<CliRun> {};

TEST_P(CheckCliTest, PrintsTheGoldenFindings) {
  const CliRun& run = GetParam();
  Args args;
  std::istringstream words(ReplaceAll(run.args, "{data}", Data()));
  for (std::string word; words >> word;) args.push_back(word);
  const std::string path = Data() + "/check/programs/" + run.program;
  std::string program;
  if (run.program != "-") {
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file.is_open()) << path;
    program.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>{});
  }
  if (run.via == "file" && run.program != "-") args.push_back(path);
  std::istringstream in(run.via == "stdin" ? program : "");
  std::ostringstream out, err;
  EXPECT_EQ(RunCheck(args, in, out, err), run.exit);
  const std::string shown = ReplaceAll(out.str() + "--- stderr\n" + err.str(), Data(), "{data}");
  EXPECT_EQ(testing_support::GoldenMismatch("check/golden/" + run.name + ".out", shown), "");
}

INSTANTIATE_TEST_SUITE_P(Runs, CheckCliTest,
                         ::testing::ValuesIn(testing_support::LoadCases<CliRun, 5>("check/cases/cli_runs.txt")),
                         testing_support::kRowName);

}  // namespace
}  // namespace quillon::cli
