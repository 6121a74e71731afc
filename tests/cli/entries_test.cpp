// The command line judges the values it puts into entry boxes the way the
// dialogs do: generate --set / --machine and calc.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/cli_verbs.h"

namespace quillon::cli {
namespace {

enum class Verb { Generate, Calc };

int RunVerb(Verb verb, const Args& args, std::ostream& out, std::ostream& err) {
  return verb == Verb::Generate ? RunGenerate(args, out, err) : RunCalc(args, out, err);
}

struct RefusedCase {
  const char* name;
  Verb verb;
  Args args;
  const char* line;  // the whole of standard error
};

// Guards against a value that is no number being read as its leading digits
// or as 0 (a block that looks right and is wrong) instead of exit 2 with the
// one line that names the field and the text.
class RefusedEntryTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedEntryTest, ExitsTwoNamingTheField) {
  const RefusedCase& c = GetParam();
  std::ostringstream out, err;
  EXPECT_EQ(RunVerb(c.verb, c.args, out, err), kExitUsage);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), c.line);
}

constexpr auto G = Verb::Generate;
constexpr auto C = Verb::Calc;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, RefusedEntryTest, ::testing::Values(
  RefusedCase{"SetLetters",         G, {"ProcessRoughOD", "--set", "StartX=abc"},        "StartX: 'abc' is not a number\n"},
  RefusedCase{"SetLetterO",         G, {"ProcessRoughOD", "--set", "StartX=x4O"},        "StartX: 'x4O' is not a number\n"},
  RefusedCase{"SetTwoSignsPoints",  G, {"ProcessRoughOD", "--set", "EndZ=--3..0"},       "EndZ: '--3..0' is not a number\n"},
  RefusedCase{"SetToolNumber",      G, {"ProcessRoughOD", "--set=ToolNumber=T5"},        "ToolNumber: 'T5' is not a number\n"},
  // judged before the material is looked at, like every other flag
  RefusedCase{"SetBeforeMaterial",  G, {"ProcessRoughOD", "--material", "/nonexistent.csv", "--set", "V=fast"},
                                                                                         "V: 'fast' is not a number\n"},
  RefusedCase{"UgcUnit",            G, {"ProcessUGC", "--set", "MaterialOD=80mm"},       "MaterialOD: '80mm' is not a number\n"},
  RefusedCase{"MachineWord",        G, {"ProcessMT1", "--machine", "MaxS=fast"},         "MaxS: 'fast' is not a number\n"},
  RefusedCase{"MachineExponent",    G, {"ProcessMT1", "--machine", "AppX=1e3"},          "AppX: '1e3' is not a number\n"},
  RefusedCase{"MachineInteger",     G, {"ProcessMT1", "--machine", "TurretType=2x"},     "TurretType: '2x' is not a number\n"},
  RefusedCase{"CalcEntry",          C, {"frmLineAngle", "Text1=0", "Text3=45deg"},       "Text3: '45deg' is not a number\n"},
  RefusedCase{"CalcDecimalComma",   C, {"frmLineR", "Text6=2,5"},                        "Text6: '2,5' is not a number\n"},
  RefusedCase{"RpmSpeed",           C, {"RPM", "V=100m", "Diameter=20"},                 "V: '100m' is not a number\n"},
  RefusedCase{"RpmDiameter",        C, {"RPM", "V=100", "Diameter=D20"},                 "Diameter: 'D20' is not a number\n"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct SameCase {
  const char* name;
  Verb verb;
  Args args;
  Args sameAs;  // a spelling the value must give the same output as
};

// Guards against the judge refusing what a user may type: blanks around a
// number, a sign, a lone point, an empty box (which keeps meaning 0), and
// flags that take words rather than numbers.
class AcceptedEntryTest : public ::testing::TestWithParam<SameCase> {};

TEST_P(AcceptedEntryTest, RunsAsTheCleanSpelling) {
  const SameCase& c = GetParam();
  std::ostringstream out, err, cleanOut, cleanErr;
  ASSERT_EQ(RunVerb(c.verb, c.args, out, err), kExitOk) << err.str();
  ASSERT_EQ(RunVerb(c.verb, c.sameAs, cleanOut, cleanErr), kExitOk) << cleanErr.str();
  EXPECT_FALSE(out.str().empty());
  EXPECT_EQ(out.str(), cleanOut.str());
  EXPECT_EQ(err.str(), cleanErr.str());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, AcceptedEntryTest, ::testing::Values(
  SameCase{"EmptyIsZero",      G, {"ProcessUGC", "--set", "MaterialOD="},       {"ProcessUGC", "--set", "MaterialOD=0"}},
  SameCase{"BlanksOnlyIsZero", G, {"ProcessUGC", "--set", "Length=  "},         {"ProcessUGC", "--set", "Length=0"}},
  SameCase{"BlanksAndSign",    G, {"ProcessUGC", "--set", "MaterialOD= +80 "},  {"ProcessUGC", "--set", "MaterialOD=80"}},
  SameCase{"LeadingPoint",     G, {"ProcessUGC", "--set", "PZero=.5"},          {"ProcessUGC", "--set", "PZero=0.5"}},
  SameCase{"MachineFlagWord",  G, {"ProcessMT1", "--machine", "TG=True"},       {"ProcessMT1", "--machine", "TG=1"}},
  SameCase{"MachineNumber",    G, {"ProcessUGC", "--machine", "MaxS= 3000"},    {"ProcessUGC", "--machine", "MaxS=3000"}},
  // Text6 is an entry only, so the output holds the results alone
  SameCase{"CalcTrailingPoint",C, {"frmLineR", "Text1=20", "Text2=0", "Text3=0", "Text4=20", "Text5=-20", "Text6=5."},
                                  {"frmLineR", "Text1=20", "Text2=0", "Text3=0", "Text4=20", "Text5=-20", "Text6=5"}},
  SameCase{"RpmBlanks",        C, {"RPM", "V= 100", "Diameter=20 "},            {"RPM", "V=100", "Diameter=20"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace quillon::cli
