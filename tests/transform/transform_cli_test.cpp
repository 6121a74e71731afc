// quillon-nc renumber / shift / replace against hand-written golden files, run in-process through the same verbs the
// executable calls.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_verbs.h"
#include "support/param_name.h"

namespace quillon::cli {
namespace {

std::string GoldenPath(const std::string& name) {
  const char* root = std::getenv("QUILLON_TEST_DATA");
  return std::string(root ? root : "tests") + "/transform/golden/" + name;
}

std::string ReadGolden(const std::string& name) {
  std::ifstream file(GoldenPath(name), std::ios::binary);
  EXPECT_TRUE(file) << name;
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

using Verb = int (*)(const Args&, std::istream&, std::ostream&, std::ostream&);

struct GoldenCase {
  const char* name;
  Verb verb;
  std::vector<std::string> args;  // the input file is appended
  const char *input, *expected;   // expected: golden output file; nullptr: no output
  const char* message;            // standard error
  int exitCode;
};

// Guards against line ends changed or added, options read wrongly, and the verbs drifting from the dialogs' runs and
// messages.
class TransformGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(TransformGoldenTest, MatchesTheGoldenFile) {
  const auto& c = GetParam();
  Args args = c.args;
  args.push_back(GoldenPath(c.input));
  std::istringstream in;
  std::ostringstream out, err;
  EXPECT_EQ(c.verb(args, in, out, err), c.exitCode) << err.str();
  EXPECT_EQ(out.str(), c.expected ? ReadGolden(c.expected) : "");
  EXPECT_EQ(err.str(), c.message);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Golden, TransformGoldenTest, ::testing::Values(
    // name                 verb              args                                                           input
    // expected                            stderr                                  exit defaults D3 S1 A1, five blanks
    // before X/Y/Z, labels NT05 and NAP1 use numbers 2 and 6, M02 restarts at 1
    GoldenCase{"RenumberCrLf",    RunRenumber, {},                                                            "rough_crlf.min",   "rough_renumber.expected",          "",                                     0},
    GoldenCase{"RenumberStop",    RunRenumber, {"--stop-m02"},                                                "rough_crlf.min",   "rough_renumber_stop.expected",     "",                                     0},
    GoldenCase{"RenumberContinue",RunRenumber, {"--continue"},                                                "rough_crlf.min",   "rough_renumber_continue.expected", "",                                     0},
    // from the end of line 5: 10, 20, 30, label 40, 50, 60, M02 restarts at 10
    GoldenCase{"RenumberAfterLine",RunRenumber,{"--after-line", "5", "--digits", "4", "--start", "10", "--step", "10", "--space", "1"},
                                                                                                                  "rough_crlf.min",   "rough_renumber_after5.expected",   "",                                     0},
    // D4 S100 A5, no blank: 100, 105, 110, 115, 120
    GoldenCase{"RenumberLf",      RunRenumber, {"--digits=4", "--start=100", "--step=5", "--space=0"},        "lathe_lf.min",     "lathe_renumber.expected",          "",                                     0},
    // GOTO and IF jumps follow their lines; the indented label NALM1 uses up number 4, the indented N10 becomes N005
    GoldenCase{"RenumberKeepTargets",RunRenumber,{"--keep-targets"},                                          "macro_jumps.min",  "macro_jumps_keep.expected",        "3 jump references updated.\nline 13: GOTO N77 has no target\n", 0},
    GoldenCase{"RenumberNoFinalEnd",RunRenumber,{},                                                           "no_final_end.min", "no_final_end_renumber.expected",   "",                                     0},
    // 100*0.5=50, 40*0.5=20, 60*0.5=30, 80*0.5=40, 200*0.5=100
    GoldenCase{"ShiftCrLf",       RunShift, {"--word", "X", "--calc", "*0.5"},                             "rough_crlf.min",   "rough_shift.expected",             "5 times size shifted.\n",              0},
    // 2-2=0, -10-2=-12
    GoldenCase{"ShiftLf",         RunShift, {"--word", "Z", "--calc", "-2"},                               "lathe_lf.min",     "lathe_shift.expected",             "2 times size shifted.\n",              0},
    GoldenCase{"ShiftNotFound",   RunShift, {"--word", "Q", "--calc", "1"},                                "lathe_lf.min",     "lathe_lf.min",                     "\"Q\" not find.\n",                    0},
    GoldenCase{"ShiftByZero",     RunShift, {"--word", "X", "--calc", "/0"},                               "rough_crlf.min",   nullptr,                            "Line 4: \"X100.\" cannot be calculated with \"/0\". Nothing changed.\n", 3},
    GoldenCase{"ReplaceCrLf",     RunReplace, {"--find", "N000 ", "--with", "N0000 "},                       "rough_crlf.min",   "rough_replace.expected",           "6 times replaced.\n",                  0},
    GoldenCase{"ReplaceLf",       RunReplace, {"--find", "X", "--with", "U"},                                "lathe_lf.min",     "lathe_replace.expected",           "2 times replaced.\n",                  0},
    GoldenCase{"ReplaceNotFound", RunReplace, {"--find", "Q", "--with", "R"},                                "lathe_lf.min",     "lathe_lf.min",                     "\"Q\" not find.\n",                    0}),
    testing_support::kRowName);
// clang-format on

struct UsageCase {
  const char* name;
  Verb verb;
  std::vector<std::string> args;
};

// Guards against bad usage being run instead of refused with exit 2.
class TransformUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(TransformUsageTest, Refused) {
  const auto& c = GetParam();
  std::istringstream in("G00 X1\n");
  std::ostringstream out, err;
  EXPECT_EQ(c.verb(c.args, in, out, err), kExitUsage);
  EXPECT_EQ(out.str(), "");
  EXPECT_FALSE(err.str().empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, TransformUsageTest, ::testing::Values(
    // name              verb             args
    UsageCase{"BadSpace",     RunRenumber, {"--space", "3"}},
    UsageCase{"BadAfterLine", RunRenumber, {"--after-line", "x"}},
    UsageCase{"MissingValue", RunRenumber, {"--digits"}},
    UsageCase{"UnknownOption",RunRenumber, {"--wide"}},
    UsageCase{"NoCalc",       RunShift, {"--word", "X"}},
    UsageCase{"EmptyWord",    RunShift, {"--word", "", "--calc", "1"}},
    UsageCase{"EmptyWith",    RunReplace, {"--find", "X", "--with", ""}},
    UsageCase{"TwoFiles",     RunReplace, {"--find", "X", "--with", "Y", "a.min", "b.min"}},
    UsageCase{"MissingFile",  RunReplace, {"--find", "X", "--with", "Y", "/nonexistent/a.min"}}),
    testing_support::kRowName);
// clang-format on

// Guards against standard input being ignored when no file is named.
TEST(TransformStdin, ReadsStandardInput) {
  std::istringstream in("G00 X1\r\nG01 X2\r\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunReplace({"--find", "X", "--with", "U"}, in, out, err), kExitOk);
  EXPECT_EQ(out.str(), "G00 U1\r\nG01 U2\r\n");
  EXPECT_EQ(err.str(), "2 times replaced.\n");
}

}  // namespace
}  // namespace quillon::cli
