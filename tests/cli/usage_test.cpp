// quillon-nc --help and VERB --help: the help table against the parsers, the
// man page and the program itself.
#include "cli/usage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli/cli_verbs.h"
#include "support/param_name.h"

namespace quillon::cli {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Runs one verb in-process on empty input; calc gets a form before its options.
int RunVerb(const std::string& verb, Args args, std::string& err) {
  std::istringstream in;
  std::ostringstream out, errStream;
  int code = -1;
  if (verb == "generate") code = RunGenerate(args, out, errStream);
  if (verb == "renumber") code = RunRenumber(args, in, out, errStream);
  if (verb == "shift") code = RunShift(args, in, out, errStream);
  if (verb == "replace") code = RunReplace(args, in, out, errStream);
  if (verb == "outline") code = RunOutline(args, in, out, errStream);
  if (verb == "check") code = RunCheck(args, in, out, errStream);
  if (verb == "plot") code = RunPlot(args, in, out, errStream);
  if (verb == "calc") {
    args.insert(args.begin(), "frmLineR");
    code = RunCalc(args, out, errStream);
  }
  err = errStream.str();
  return code;
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
  std::ifstream file(Env("QUILLON_TEST_DATA") + "/../dist/man/quillon-nc.1.scd");
  ASSERT_TRUE(file.is_open());
  const std::string page(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>{});
  for (const VerbUsage& usage : VerbUsages()) {
    EXPECT_NE(page.find(std::string("## ") + usage.verb), std::string::npos) << usage.verb;
    for (const OptionUsage& option : usage.options)
      EXPECT_NE(page.find(std::string("*") + option.name + "*"), std::string::npos) << usage.verb << " " << option.name;
  }
}

struct HelpScanCase {
  const char* name;
  const char* verb;
  Args args;
  bool help;
};

// Guards against --help being taken from an option's value (replace --find
// --help looks for that text) or missed after other options.
class AsksForHelpTest : public ::testing::TestWithParam<HelpScanCase> {};

TEST_P(AsksForHelpTest, FindsOnlyAFreeHelpFlag) {
  const auto& c = GetParam();
  const VerbUsage* usage = FindVerbUsage(c.verb);
  ASSERT_NE(usage, nullptr);
  EXPECT_EQ(AsksForHelp(*usage, c.args), c.help);
}

INSTANTIATE_TEST_SUITE_P(
    Scan, AsksForHelpTest,
    ::testing::Values(HelpScanCase{"Alone", "renumber", {"--help"}, true},
                      HelpScanCase{"AfterOptions", "renumber", {"--digits", "4", "--stop-m02", "--help"}, true},
                      HelpScanCase{"AfterFile", "shift", {"--word", "X", "a.min", "--help"}, true},
                      HelpScanCase{"ValueOfFind", "replace", {"--find", "--help", "--with", "x"}, false},
                      HelpScanCase{"ValueOfWith", "replace", {"--find", "M08", "--with", "--help"}, false},
                      HelpScanCase{"AfterInlineValue", "replace", {"--find=M08", "--help"}, true},
                      HelpScanCase{"InlineValueIsHelp", "replace", {"--find=--help"}, false},
                      HelpScanCase{"ValueOfLeave", "calc", {"frmLineR", "--leave", "--help"}, false},
                      HelpScanCase{"BeforeForm", "calc", {"--help"}, true},
                      HelpScanCase{"ValueOfMaterial", "generate", {"ProcessMT1", "--material", "--help"}, false},
                      HelpScanCase{"NoHelp", "generate", {"ProcessMT1", "--list"}, false},
                      HelpScanCase{"Empty", "generate", {}, false}),
    testing_support::kRowName);

struct ProgramCase {
  const char* name;
  const char* arguments;  // for the shell
  int exitCode;
  const char* start;  // how the help starts; nullptr when no help is due
};

// Guards against --help going to standard error or failing, and against it
// swallowing a verb's ordinary run.
class ProgramHelpTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramHelpTest, PrintsOnStandardOutput) {
  const auto& c = GetParam();
  const std::string command = "'" + Env("QUILLON_APP_DIR") + "/quillon-nc' " + c.arguments + " </dev/null 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), c.exitCode);
  if (c.start)
    EXPECT_EQ(out.rfind(c.start, 0), 0u) << out;
  else
    EXPECT_EQ(out.find("Usage:"), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ProgramHelpTest,
    ::testing::Values(ProgramCase{"Program", "--help", 0, "Usage: quillon-nc VERB"},
                      ProgramCase{"Generate", "generate --help", 0, "Usage: quillon-nc generate COMMAND"},
                      ProgramCase{"Renumber", "renumber --digits 4 --help", 0, "Usage: quillon-nc renumber"},
                      ProgramCase{"Calc", "calc --help", 0, "Usage: quillon-nc calc FORM"},
                      ProgramCase{"ReplaceFindsHelpText", "replace --find --help --with x", 0, nullptr},
                      ProgramCase{"UnknownVerb", "frobnicate --help", 2, nullptr}),
    testing_support::kRowName);

}  // namespace
}  // namespace quillon::cli
