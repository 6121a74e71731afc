// quillon-nc check over hand-written programs, row by row from tests/check/cases/cli_runs.txt: standard output and
// error against tests/check/golden/NAME.out, and the exit status.
#include <gtest/gtest.h>

#include "support/case_file.h"
#include "support/cli_run.h"
#include "support/golden_file.h"
#include "support/param_name.h"

namespace quillon::testing_support {
namespace {

struct CliRun {
  std::string name, program, via, args;
  int exit;
};

// Guards against findings in another form, order or position than NAME:LINE:COL: SEVERITY: MESSAGE [ID] by line,
// against anything else on standard output, against the wrong name for standard input, and against exit statuses
// that do not tell errors (1) from warnings only (0) and bad usage (2).
class CheckCliTest : public ::testing::TestWithParam<CliRun> {};

TEST_P(CheckCliTest, PrintsTheGoldenFindings) {
  const CliRun& c = GetParam();
  cli::Args args = SplitArgs(WithData(c.args));
  const std::string path = TestData() + "/check/programs/" + c.program;
  std::string program;
  if (c.program != "-") {
    ASSERT_TRUE(std::ifstream(path).is_open()) << path;
    program = ReadFile(path);
  }
  if (c.via == "file" && c.program != "-") args.push_back(path);
  const VerbRun run = RunVerb("check", args, c.via == "stdin" ? program : "");
  EXPECT_EQ(run.exit, c.exit);
  const std::string shown = ReplaceAll(run.out + "--- stderr\n" + run.err, TestData(), "{data}");
  EXPECT_EQ(GoldenMismatch("check/golden/" + c.name + ".out", shown), "");
}

INSTANTIATE_TEST_SUITE_P(Runs, CheckCliTest, ::testing::ValuesIn(LoadCases<CliRun, 5>("check/cases/cli_runs.txt")),
                         kRowName);

}  // namespace
}  // namespace quillon::testing_support
