// quillon-nc plot: golden drawings of generated blocks in both formats, and
// its flags.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/cli_verbs.h"
#include "support/case_file.h"
#include "support/golden_file.h"
#include "support/param_name.h"

namespace quillon::cli {
namespace {

struct PlotRun {
  const char* name;
  const char* generate;
};

Args Words(const std::string& text) {
  Args args;
  std::istringstream in(text);
  for (std::string word; in >> word;) {
    for (std::size_t at = word.find("{data}"); at != std::string::npos; at = word.find("{data}"))
      word.replace(at, 6, std::getenv("QUILLON_TEST_DATA"));
    args.push_back(word);
  }
  return args;
}

int Plot(const Args& args, const std::string& input, std::string& out, std::string& err) {
  std::istringstream in(input);
  std::ostringstream o, e;
  const int code = RunPlot(args, in, o, e);
  out = o.str();
  err = e.str();
  return code;
}

// Guards against a drawing that changed unseen: each turning family's
// generated block plotted as text and as SVG, against files checked by eye.
class PlotGoldenTest : public ::testing::TestWithParam<PlotRun> {};

TEST_P(PlotGoldenTest, MatchesTheGoldenDrawings) {
  std::string program;
  std::istringstream runs(GetParam().generate);
  for (std::string run; std::getline(runs, run, '|');) {
    std::ostringstream out, err;
    ASSERT_EQ(RunGenerate(Words(run), out, err), kExitOk) << run << err.str();
    program += out.str();
  }
  const std::string name = GetParam().name;
  for (const char* format : {"text", "svg"}) {
    std::string out, err;
    ASSERT_EQ(Plot({"--format", format}, program, out, err), kExitOk);
    EXPECT_EQ(err, "");
    const std::string file = "toolpath/golden/" + name + (std::string(format) == "svg" ? ".svg" : ".txt");
    EXPECT_EQ(testing_support::GoldenMismatch(file, out), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Generated, PlotGoldenTest,
                         ::testing::ValuesIn(testing_support::LoadCases<PlotRun, 2>("toolpath/plot_runs.cases")),
                         testing_support::kRowName);

struct FlagCase {
  const char* name;
  Args args;
  int code;
  const char* out;  // the start of standard output
  const char* err;
};

// Guards against flags misread: the default format, the start at HomeX/HomeZ
// from --machine, bad usage refused with exit 2, arcs off their circle
// reported while the run succeeds.
class PlotFlagTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(PlotFlagTest, RunsAsTheFlagsSay) {
  const FlagCase& c = GetParam();
  std::string out, err;
  EXPECT_EQ(Plot(c.args, "G00 X10 Z0\r\nG02 X20 Z-5.5 I5\r\n", out, err), c.code);
  EXPECT_EQ(out.rfind(c.out, 0), 0u) << out;
  EXPECT_EQ(err, c.err);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Flags, PlotFlagTest, ::testing::Values(
  FlagCase{"TextByDefault",  {},                                         0, "1\trapid\t500 500\t10 0\n2\terror\t10 0\t20 -5.5\n", "line 2: the arc ends 0.5 mm off its circle\n"},
  FlagCase{"HomeFromMachine",{"--machine", "HomeX=300", "--machine=HomeZ=200"}, 0, "1\trapid\t300 200\t10 0\n", "line 2: the arc ends 0.5 mm off its circle\n"},
  FlagCase{"Svg",            {"--format=svg"},                           0, "<?xml",  "line 2: the arc ends 0.5 mm off its circle\n"},
  FlagCase{"BadFormat",      {"--format", "png"},                        2, "",       "plot: --format takes text or svg, got \"png\"\n"},
  FlagCase{"UnknownMachine", {"--machine", "HomeY=1"},                   2, "",       "plot: --machine HomeY=1 is not a machine parameter\n"},
  FlagCase{"MachineNotANumber", {"--machine", "HomeX=abc"},              2, "",       "HomeX: 'abc' is not a number\n"},
  FlagCase{"UnknownOption",  {"--scale"},                                2, "",       "plot: unknown option --scale\n"},
  FlagCase{"TwoFiles",       {"a.min", "b.min"},                         2, "",       "plot: more than one file given\n"},
  FlagCase{"MissingFile",    {"/nonexistent/a.min"},                     2, "",       "cannot read /nonexistent/a.min\n"}),
  testing_support::kRowName);
// clang-format on

}  // namespace
}  // namespace quillon::cli
