// The rules of the program check, row by row from tests/check/cases/rules.txt, and the rule table against its dump.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "app/machine_parameters.h"
#include "app/settings.h"
#include "check/program_check.h"
#include "support/case_file.h"
#include "support/golden_file.h"

namespace quillon {
namespace {

struct RuleCase {
  std::string rule, machine, program, expected;
};
void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.rule << " on \"" << c.program << "\""; }

// Where one rule fires: "LINE:COL LINE:COL", "-" for nowhere.
std::string Positions(const std::vector<Finding>& findings, std::string_view rule) {
  std::string s;
  for (const Finding& f : findings)
    if (RuleOf(f).id == rule) s += (s.empty() ? "" : " ") + std::to_string(f.line) + ":" + std::to_string(f.column);
  return s.empty() ? "-" : s;
}

// Guards against a rule missing what it must find, firing on a near-miss (a "(" inside a comment, a jump target that
// exists, a G96 after the clamp, a speed equal to MaxS), or naming the wrong line or byte column.
class RuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleTest, FiresWhereExpected) {
  const RuleCase& c = GetParam();
  MachineParameters machine;
  if (c.machine != "-") {
    const std::size_t eq = c.machine.find('=');
    ASSERT_TRUE(SetMachineParameter(machine, c.machine.substr(0, eq), c.machine.substr(eq + 1)));
  }
  ASSERT_TRUE(std::ranges::any_of(CheckRules(), [&](const CheckRule& r) { return r.id == c.rule; })) << c.rule;
  EXPECT_EQ(Positions(CheckProgram(c.program, machine), c.rule), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, RuleTest,
                         ::testing::ValuesIn(testing_support::LoadCases<RuleCase, 4>("check/cases/rules.txt")));

// Guards against a rule losing its row, its severity or the words of its message, and against a row with neither or
// both functions (it would never run, or run twice).
TEST(RuleTableTest, MatchesItsDump) {
  std::ostringstream out;
  for (const CheckRule& r : CheckRules()) {
    EXPECT_NE(r.onLine == nullptr, r.onProgram == nullptr) << r.id;
    out << r.id << " " << SeverityName(r.severity) << " " << (r.onLine ? "line" : "program") << " "
        << testing_support::Quoted(r.message) << "\n";
  }
  EXPECT_EQ(testing_support::GoldenMismatch("check/golden/rules.txt", out.str()), "");
}

}  // namespace
}  // namespace quillon
