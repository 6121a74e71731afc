// quillon-nc verbs run in-process, row by row from the case files in tests/cli/cases/ (format: the head of each):
// exit code, standard output and standard error of each run.
#include <gtest/gtest.h>

#include "support/case_file.h"
#include "support/cli_run.h"
#include "support/param_name.h"

namespace quillon::testing_support {
namespace {

struct RunCase {
  std::string name, verb, args, input;
  int exit;
  std::string out, err;
};
void PrintTo(const RunCase& c, std::ostream* os) { *os << c.verb << " " << c.args; }

class VerbRunTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(VerbRunTest, ExitOutputAndErrors) {
  const RunCase& c = GetParam();
  const VerbRun run = RunVerb(c.verb, SplitArgs(WithData(c.args)), c.input);
  EXPECT_EQ(run.exit, c.exit) << run.err;
  if (c.out.starts_with("@"))
    EXPECT_TRUE(run.out == ReadFile(TestData() + "/" + c.out.substr(1))) << c.out;
  else if (c.out.starts_with("^"))
    EXPECT_EQ(run.out.rfind(c.out.substr(1), 0), 0u) << run.out;
  else
    EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, WithData(c.err));
}

std::vector<RunCase> Rows(const char* file) { return LoadCases<RunCase, 7>(std::string("cli/cases/") + file); }

// Guards against bad generate flags ignored (a silently dropped --set generates a block the user did not ask for),
// a value that cannot be written coming out as a wrong word (X0 for StartX=1e306, T0-10-10-1 for tool -1) with exit 0
// instead of a process error naming the box, and "--flag=value" read differently from "--flag value".
INSTANTIATE_TEST_SUITE_P(Generate, VerbRunTest, ::testing::ValuesIn(Rows("generate_runs.txt")), kRowName);

// Guards against a value that is no number being read as its leading digits or as 0 (a block that looks right and is
// wrong) instead of exit 2 with the one line that names the field and the text.
INSTANTIATE_TEST_SUITE_P(Entries, VerbRunTest, ::testing::ValuesIn(Rows("entry_runs.txt")), kRowName);

// Guards against: entries landing in the wrong box, --leave ignored or its default not being the last box given,
// result boxes printed out of control order or when empty, the failure text missing, and bad usage accepted.
INSTANTIATE_TEST_SUITE_P(Calc, VerbRunTest, ::testing::ValuesIn(Rows("calc_runs.txt")), kRowName);

// Guards against bad outline usage reported as success, or a file argument read differently from standard input.
INSTANTIATE_TEST_SUITE_P(Outline, VerbRunTest, ::testing::ValuesIn(Rows("outline_runs.txt")), kRowName);

// Guards against plot flags misread: the default format, the start at HomeX/HomeZ from --machine, bad usage refused
// with exit 2, arcs off their circle reported while the run succeeds.
INSTANTIATE_TEST_SUITE_P(Plot, VerbRunTest, ::testing::ValuesIn(Rows("plot_runs.txt")), kRowName);

// Guards against line ends changed or added, options read wrongly, the verbs drifting from the dialogs' runs and
// messages, standard input ignored when no file is named, and bad usage run instead of refused with exit 2.
INSTANTIATE_TEST_SUITE_P(Transform, VerbRunTest, ::testing::ValuesIn(Rows("transform_runs.txt")), kRowName);

// Guards against line ends made uniform (each line keeps its own), a lone CR taken for a line end, a run that changes
// nothing not writing its input back byte for byte, and a failing calculation writing part of the output.
INSTANTIATE_TEST_SUITE_P(Stream, VerbRunTest, ::testing::ValuesIn(Rows("stream_runs.txt")), kRowName);

struct SameCase {
  std::string name, verb, args, sameAs;
};

// Guards against the judge refusing what a user may type: blanks around a number, a sign, a lone point, an empty box
// (which keeps meaning 0), and flags that take words rather than numbers.
class AcceptedEntryTest : public ::testing::TestWithParam<SameCase> {};

TEST_P(AcceptedEntryTest, RunsAsTheCleanSpelling) {
  const SameCase& c = GetParam();
  const VerbRun run = RunVerb(c.verb, SplitArgs(c.args)), clean = RunVerb(c.verb, SplitArgs(c.sameAs));
  ASSERT_EQ(run.exit, cli::kExitOk) << run.err;
  ASSERT_EQ(clean.exit, cli::kExitOk) << clean.err;
  EXPECT_FALSE(run.out.empty());
  EXPECT_EQ(run.out, clean.out);
  EXPECT_EQ(run.err, clean.err);
}

INSTANTIATE_TEST_SUITE_P(Values, AcceptedEntryTest,
                         ::testing::ValuesIn(LoadCases<SameCase, 4>("cli/cases/entry_same.txt")), kRowName);

// Guards against --list missing a family's rows or printing extra text.
TEST(GenerateListTest, PrintsEveryCommandNameOnItsOwnLine) {
  const VerbRun run = RunVerb("generate", {"--list"});
  ASSERT_EQ(run.exit, cli::kExitOk);
  for (const char* name : {"ProcessUGC\n", "ProcessMT1\n", "ProcessMT3\n"})
    EXPECT_NE(run.out.find(name), std::string::npos) << name;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.back(), '\n');
  EXPECT_EQ(run.out.find(' '), std::string::npos);
}

}  // namespace
}  // namespace quillon::testing_support
