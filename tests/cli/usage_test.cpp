// quillon-nc --help and VERB --help: the help table against the parsers, the
// man page and the program itself.
#include "cli/usage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/case_file.h"
#include "support/cli_run.h"
#include "support/param_name.h"

namespace quillon::cli {
namespace {

// Runs one verb in-process on empty input; calc gets a form before its options.
int RunVerb(const std::string& verb, Args args, std::string& err) {
  if (verb == "calc") args.insert(args.begin(), "frmLineR");
  const testing_support::VerbRun run = testing_support::RunVerb(verb, args);
  err = run.err;
  return run.exit;
}

// Guards against the help drifting from the parsers: an option the help
// lists with a value must be refused without one, a flag it lists without a
// value must be known, and every verb the help lists must run.
TEST(VerbHelpTable, OptionsMatchWhatTheVerbsAccept) {
  for (const VerbUsage& usage : VerbUsages()) {
    std::string err;
    EXPECT_NE(RunVerb(usage.verb, {"--no-such-option"}, err), -1) << usage.verb << " is not a verb";
    for (const OptionUsage& option : usage.options) {
      const int code = RunVerb(usage.verb, {option.name}, err);
      if (option.value) {
        EXPECT_EQ(code, kExitUsage) << usage.verb << " " << option.name;
        EXPECT_NE(err.find(std::string(option.name) + " needs a"), std::string::npos)
            << usage.verb << " " << option.name << ": " << err;
      } else {
        EXPECT_EQ(err.find("unknown"), std::string::npos) << usage.verb << " " << option.name << ": " << err;
      }
    }
  }
}

// Guards against a verb or option that the man page does not document.
TEST(VerbHelpTable, ManPageNamesEveryVerbAndOption) {
  const std::string page = testing_support::ReadFile(testing_support::TestData() + "/../dist/man/quillon-nc.1.scd");
  ASSERT_FALSE(page.empty());
  for (const VerbUsage& usage : VerbUsages()) {
    EXPECT_NE(page.find(std::string("## ") + usage.verb), std::string::npos) << usage.verb;
    for (const OptionUsage& option : usage.options)
      EXPECT_NE(page.find(std::string("*") + option.name + "*"), std::string::npos) << usage.verb << " " << option.name;
  }
}

struct HelpScanCase {
  std::string name, verb, args;
  bool help;
};

// Guards against --help being taken from an option's value (replace --find
// --help looks for that text) or missed after other options.
class AsksForHelpTest : public ::testing::TestWithParam<HelpScanCase> {};

TEST_P(AsksForHelpTest, FindsOnlyAFreeHelpFlag) {
  const auto& c = GetParam();
  const VerbUsage* usage = FindVerbUsage(c.verb);
  ASSERT_NE(usage, nullptr);
  EXPECT_EQ(AsksForHelp(*usage, testing_support::SplitArgs(c.args)), c.help);
}

INSTANTIATE_TEST_SUITE_P(Scan, AsksForHelpTest,
                         ::testing::ValuesIn(testing_support::LoadCases<HelpScanCase, 4>("cli/cases/help_scan.txt")),
                         testing_support::kRowName);

struct ProgramCase {
  const char* name;
  const char* arguments;  // for the shell
  int exitCode;
  const char* start;  // how the help starts; "" when no help is due
};

// Guards against --help going to standard error or failing, and against it
// swallowing a verb's ordinary run.
class ProgramHelpTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramHelpTest, PrintsOnStandardOutput) {
  const auto& c = GetParam();
  const std::string command =
      "'" + std::string(std::getenv("QUILLON_APP_DIR")) + "/quillon-nc' " + c.arguments + " </dev/null 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), c.exitCode);
  if (*c.start)
    EXPECT_EQ(out.rfind(c.start, 0), 0u) << out;
  else
    EXPECT_EQ(out.find("Usage:"), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(Runs, ProgramHelpTest,
                         ::testing::ValuesIn(testing_support::LoadCases<ProgramCase, 4>("cli/cases/program_help.txt")),
                         testing_support::kRowName);

}  // namespace
}  // namespace quillon::cli
