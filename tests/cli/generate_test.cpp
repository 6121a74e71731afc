// quillon-nc generate outside the golden files: the flags it refuses and the command list.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/cli_verbs.h"
#include "support/param_name.h"

namespace quillon::cli {
namespace {

struct UsageCase {
  const char* name;
  Args args;
  const char* reason;  // part of the one-line reason on standard error
};

// Guards against bad flags being ignored (a silently dropped --set would generate a block the user did not ask for)
// instead of exiting with 2.
class GenerateUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(GenerateUsageTest, ExitsTwoWithOneLineReason) {
  const auto& c = GetParam();
  std::ostringstream out, err;
  EXPECT_EQ(RunGenerate(c.args, out, err), kExitUsage);
  EXPECT_EQ(out.str(), "");
  const std::string text = err.str();
  EXPECT_NE(text.find(c.reason), std::string::npos) << text;
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find('\n'), text.size() - 1) << "one line: " << text;
}

INSTANTIATE_TEST_SUITE_P(
    Flags, GenerateUsageTest,
    ::testing::Values(
        UsageCase{"NoCommand", {}, "COMMAND missing"},
        UsageCase{"UnknownCommand", {"ProcessNothing"}, "unknown command ProcessNothing"},
        UsageCase{"TwoCommands", {"ProcessMT1", "ProcessMT3"}, "one COMMAND only"},
        UsageCase{"UnknownFlag", {"ProcessMT1", "--colour"}, "unknown flag --colour"},
        UsageCase{"FlagWithoutValue", {"ProcessUGC", "--set"}, "--set needs a value"},
        UsageCase{"SetWithoutEquals", {"ProcessUGC", "--set", "PZero"}, "NAME=VALUE"},
        UsageCase{"UnknownMachineKey", {"ProcessMT1", "--machine", "Spindles=2"}, "not a machine parameter"},
        UsageCase{"MachineFlagNotAFlag", {"ProcessMT1", "--machine", "TG=maybe"}, "not a machine parameter"},
        UsageCase{"KeptNotANumber", {"ProcessMT1", "--kept", "PZero=abc"}, "needs a number"},
        UsageCase{"UnknownKept", {"ProcessMT1", "--kept", "Width=3"}, "--kept does not know Width"},
        UsageCase{"SpindleSpeedNotANumber", {"ProcessMT1", "--spindle-speed", "fast"}, "needs a number"},
        UsageCase{"SetOnCommandWithoutDialog", {"ProcessMT3", "--set", "V=150"}, "has no dialog"},
        // Boxes the dialog hides cannot be typed into, so they cannot be set; refused before the material is looked at.
        UsageCase{"HiddenBox", {"ProcessRoughOD", "--set", "L=3"}, "ProcessRoughOD hides L"},
        UsageCase{"BoxHiddenByDesign", {"ProcessRoughOD", "--set", "B=45"}, "ProcessRoughOD hides B"},
        UsageCase{"UnknownBox", {"ProcessRoughOD", "--set", "Q=1"}, "does not know Q"},
        UsageCase{"SpindleWord", {"ProcessRoughOD", "--set", "Spindle=Main"}, "takes CW or CCW"},
        UsageCase{"UgcUnknownBox", {"ProcessUGC", "--set", "StartX=10"}, "does not know StartX"},
        UsageCase{"UgcGraspWord", {"ProcessUGC", "--set", "Grasp=Middle"}, "takes OD or ID"},
        UsageCase{"UgcSpindleWord", {"ProcessUGC", "--set", "Spindle=CW"}, "takes Main or Sub"},
        UsageCase{"UgcTailstockWord", {"ProcessUGC", "--set", "Tailstock=yes"}, "takes 1 or 0"}),
    testing_support::kRowName);

struct ProcessErrorCase {
  const char* name;
  Args sets;            // after ProcessRoughOD with a material loaded
  const char* message;  // standard error whole; empty: the block is written
};

// Guards against a value that cannot be written coming out as a wrong word
// (X0 for StartX=1e306, T0-10-10-1 for tool -1) with exit 0, instead of a
// process error naming the box.
class GenerateValueTest : public ::testing::TestWithParam<ProcessErrorCase> {};

TEST_P(GenerateValueTest, RefusedWithTheBoxNamed) {
  const auto& c = GetParam();
  Args args = {"ProcessRoughOD", "--material", " cutting  condition /S45C.CSV", "--kept", "MaterialOD=60"};
  for (const std::string& set : c.sets) args.insert(args.end(), {"--set", set});
  std::ostringstream out, err;
  const int exit = RunGenerate(args, out, err);
  EXPECT_EQ(err.str(), c.message);
  EXPECT_EQ(exit, *c.message ? kExitProcessError : kExitOk);
  EXPECT_EQ(out.str().empty(), *c.message != '\0');
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Boxes, GenerateValueTest,
    ::testing::Values(
        ProcessErrorCase{"StartXBeyondDouble", {"StartX=1" + std::string(306, '0')},     "Value too large: StartX 1e306\n"},
        ProcessErrorCase{"StartXBeyond64Bits", {"StartX=10000000000000000"},            "Value too large: StartX 1e16\n"},
        ProcessErrorCase{"StartXLargestKept",  {"StartX=9000000000000000"},             ""},
        ProcessErrorCase{"EndZBeyond64Bits",   {"EndZ=-20000000000000000"},             "Value too large: EndZ -2e16\n"},
        ProcessErrorCase{"ToolNegative",       {"ToolNumber=-1"},                       "Tool number out of range: ToolNumber -1\n"},
        ProcessErrorCase{"ToolJustBelowZero",  {"ToolNumber=-0.5"},                     "Tool number out of range: ToolNumber -0.5\n"},
        ProcessErrorCase{"ToolAbove99",        {"ToolNumber=100"},                      "Tool number out of range: ToolNumber 100\n"},
        ProcessErrorCase{"ToolHuge",           {"ToolNumber=1" + std::string(308, '0')}, "Value too large: ToolNumber 1e308\n"},
        ProcessErrorCase{"ToolFraction",       {"ToolNumber=5.25"},                     ""},
        ProcessErrorCase{"Tool99",             {"ToolNumber=99.5"},                     ""},
        ProcessErrorCase{"ToolZero",           {"ToolNumber=0"},                        ""}),
    testing_support::kRowName);
// clang-format on

// Guards against --list missing a family's rows or printing extra text.
TEST(GenerateListTest, PrintsEveryCommandNameOnItsOwnLine) {
  std::ostringstream out, err;
  ASSERT_EQ(RunGenerate({"--list"}, out, err), kExitOk);
  const std::string text = out.str();
  for (const char* name : {"ProcessUGC\n", "ProcessMT1\n", "ProcessMT3\n"})
    EXPECT_NE(text.find(name), std::string::npos) << name;
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(text.back(), '\n');
  EXPECT_EQ(text.find(' '), std::string::npos);
}

// Guards against the "--flag=value" spelling being read differently from "--flag value".
TEST(GenerateFlagSpellingTest, InlineValueEqualsSeparateValue) {
  std::ostringstream a, b, errA, errB;
  ASSERT_EQ(RunGenerate({"ProcessMT1", "--machine=TG=True"}, a, errA), kExitOk);
  ASSERT_EQ(RunGenerate({"ProcessMT1", "--machine", "TG=True"}, b, errB), kExitOk);
  EXPECT_EQ(a.str(), "N000 MT=1 TG=");
  EXPECT_EQ(a.str(), b.str());
}

}  // namespace
}  // namespace quillon::cli
