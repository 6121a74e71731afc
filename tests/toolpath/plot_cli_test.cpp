// quillon-nc plot: golden drawings of generated blocks in both formats (its flags: tests/cli/cases/plot_runs.txt).
#include <gtest/gtest.h>

#include <sstream>

#include "support/case_file.h"
#include "support/cli_run.h"
#include "support/golden_file.h"
#include "support/param_name.h"

namespace quillon::testing_support {
namespace {

struct PlotRun {
  const char* name;
  const char* generate;
};

// Guards against a drawing that changed unseen: each turning family's
// generated block plotted as text and as SVG, against files checked by eye.
class PlotGoldenTest : public ::testing::TestWithParam<PlotRun> {};

TEST_P(PlotGoldenTest, MatchesTheGoldenDrawings) {
  std::string program;
  std::istringstream runs(GetParam().generate);
  for (std::string run; std::getline(runs, run, '|');) {
    const VerbRun block = RunVerb("generate", SplitArgs(WithData(run)));
    ASSERT_EQ(block.exit, cli::kExitOk) << run << block.err;
    program += block.out;
  }
  for (const std::string format : {"text", "svg"}) {
    const VerbRun plot = RunVerb("plot", {"--format", format}, program);
    ASSERT_EQ(plot.exit, cli::kExitOk);
    EXPECT_EQ(plot.err, "");
    const std::string file = "toolpath/golden/" + std::string(GetParam().name) + (format == "svg" ? ".svg" : ".txt");
    EXPECT_EQ(GoldenMismatch(file, plot.out), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Generated, PlotGoldenTest,
                         ::testing::ValuesIn(LoadCases<PlotRun, 2>("toolpath/plot_runs.cases")), kRowName);

}  // namespace
}  // namespace quillon::testing_support
