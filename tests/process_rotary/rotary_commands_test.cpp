// The rotary-tool commands through their table rows: cycle-line edges the golden runs do not reach, the speed rule, the
// frame switches, the circle's depth steps and the dialog set-ups with their carried-over values.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "numbers/process_error.h"
#include "process/process_command.h"
#include "process/process_run.h"
#include "process/process_test_support.h"
#include "process_rotary/command_table.h"
#include "support/edit_parts.h"

namespace quillon {
namespace {

using testing_support::Boxes;
using testing_support::Count;
using testing_support::LineStarting;
using testing_support::ParseBoxes;
using testing_support::ThrownNumber;

// Inputs every rotary command accepts; a case overrides what it is about. Drill D10 with V30 gives S = floor(30000 /
// 3.14 / 10 / 10) * 10 = 950.
const char* const kBaseBoxes =
    "ToolNumber=5 V=30 F=0.1 D=0 L=0 U=10 W=0 C=1 B=45 SZ=-30 StartX=50 StartZ=0 StartC=0 EndX=40 EndZ=-20 EndC=-12";

std::string Generate(const std::string& command, const Boxes& overrides, ProcessContext& ctx) {
  const ProcessCommand* row = FindProcessCommand(command);
  if (!row) throw std::runtime_error("no row " + command);
  ProcessDialogValues values;
  values.texts = overrides;
  values.texts.merge(ParseBoxes(kBaseBoxes));  // the overrides stay
  return testing_support::AtCaret(RunProcessCommand(*row, values, ctx));
}

std::string Generate(const std::string& command, const Boxes& overrides = {}, MachineParameters machine = {}) {
  ProcessContext ctx;
  ctx.machine = machine;
  return Generate(command, overrides, ctx);
}

struct CycleCase {
  const char *name, *command, *overrides, *prefix, *expected;  // overrides: "Box=text" apart by blanks
};

// Guards against: G183 not chosen for a dwell alone, D/L/E words written for negative values, and single-precision
// boxes (StartC, EndC) used in sums as the floats they hold: 20.3f is 20.2999992 and 47.7f is 47.7000008, so a tool
// length 0 + 0.3 + 20 came out "20.299", a K of 50 - 47.7 - 2 "0.299" and a planet-tap bottom of -10.3 "-10.301".
class CycleLineTest : public ::testing::TestWithParam<CycleCase> {};

TEST_P(CycleLineTest, WritesTheLine) {
  const auto& c = GetParam();
  EXPECT_EQ(LineStarting(Generate(c.command, ParseBoxes(c.overrides)), c.prefix), c.expected);
}

QUILLON_CASE_SUITE(Edges, CycleLineTest, CycleCase, 5, "process_rotary/cases/cycle_line.txt");

// Guards against: the speed rule skipped for V <= 0 (as turning does), a zero tool diameter dividing without the error,
// the frame switches leaking across the four families (NOEX lines without ToolFrom, tool requests without Tallix, a
// missing TAB line), and Tallix requesting another kind.
class RotaryFrameTest : public ::testing::TestWithParam<std::string> {};

TEST_P(RotaryFrameTest, SpeedAndSwitches) {
  EXPECT_EQ(ThrownNumber([&] { Generate(GetParam(), {{"U", "0"}}); }), kErrDivisionByZero);
  ProcessContext ctx;
  ctx.kept.SpindleSpeed = 1230;  // an earlier command's speed must not survive
  EXPECT_NE(Generate(GetParam(), {{"V", "0"}}, ctx).find(" SB=0"), std::string::npos);
  EXPECT_EQ(ctx.kept.SpindleSpeed, 0);

  MachineParameters m;
  m.ToolFrom = false;
  const std::string plain = Generate(GetParam(), {}, m);
  EXPECT_NE(plain.find(" SB=950"), std::string::npos);  // 1000 * 30 / 3.14 / 10 = 955.4 -> 950
  EXPECT_EQ(plain.find("NOEX"), std::string::npos);
  EXPECT_EQ(plain.find("MT="), std::string::npos);
  EXPECT_EQ(plain.rfind("(-----< ", 0), 0u);
  EXPECT_TRUE(plain.ends_with("\n\t\n"));

  m.ToolFrom = m.Tallix = true;
  const std::string tallix = Generate(GetParam(), {}, m);
  EXPECT_NE(tallix.find("N000 MT=503\nN000 M421\n"), std::string::npos);
  EXPECT_NE(tallix.find(" TL=050505"), std::string::npos);
  EXPECT_NE(tallix.find("N000 G21 HP=4 M12 M63 M09\n\t\n"), std::string::npos);
}

std::vector<std::string> RotaryCommandNames() {  // every row of the family: a row added to it meets the same checks
  std::vector<std::string> names;
  for (const ProcessCommand& row : RotaryCommands()) names.emplace_back(row.name);
  return names;
}
INSTANTIATE_TEST_SUITE_P(Commands, RotaryFrameTest, ::testing::ValuesIn(RotaryCommandNames()));

struct DepthCase {
  const char *name, *top, *bottom, *step, *zLines;
  int passes;
};

// Guards against: a step landing exactly on the bottom counted twice, a step too small to move never ending, no step or
// a negative one not going straight to the bottom, and single-precision top and bottom boxes stepped as the floats they
// hold (-0.3 as -0.30000001: the steps read -0.401, -0.501, ... and a bottom of -0.3 gets a second pass).
class CircleDepthTest : public ::testing::TestWithParam<DepthCase> {};

TEST_P(CircleDepthTest, StepsDown) {
  const auto& c = GetParam();
  // R10 at X10 Y20, no finish stock.
  const std::string nc =
      Generate("ProcessMCircleSlant", ParseBoxes(std::string("D=") + c.step + " StartC=" + c.top + " EndC=" + c.bottom +
                                                 " EndX=10 StartX=10 StartZ=20 L=0"));
  std::string zLines;
  std::istringstream in(nc);
  for (std::string line; std::getline(in, line);)
    if (line.rfind("N000     Z", 0) == 0 && line.find("M147") == std::string::npos)
      zLines += line.substr(10) + " ";
    else if (line.rfind("N000 G01 Z", 0) == 0)
      zLines += "G01:" + line.substr(10, line.find(' ', 10) - 10) + " ";
  EXPECT_EQ(zLines, c.zLines);
  EXPECT_EQ(Count(nc, " G40"), c.passes);
  EXPECT_EQ(Count(nc, " G41"), c.passes);
}

QUILLON_CASE_SUITE(Steps, CircleDepthTest, DepthCase, 6, "process_rotary/cases/circle_depth.txt");

// Guards against a step far below the depth writing passes until memory runs out: 100 / 0.001 = 100000 passes is
// refused with error 14, nothing written; 10 / 0.001 = 10000 passes (the last one at the bottom) is still written.
TEST(CircleDepthLimitTest, TooManyPassesIsAnError) {
  EXPECT_EQ(ThrownNumber([] {
              Generate("ProcessMCircleSlant", {{"D", "0.001"}, {"StartC", "0"}, {"EndC", "-100"}});
            }),
            14);
  EXPECT_EQ(
      Count(Generate("ProcessMCircleSlant", {{"D", "0.001"}, {"StartC", "0"}, {"EndC", "-10"}, {"L", "0"}}), " G40"),
      10000);
}

// Guards against later passes drawing with the unwritten radius: R 10.0007 at X0 Y0, depths -2, -4, -5. The first pass
// writes X = floor(-10000.7) / 1000 = -10.001 and L10, which cuts R to 10; the passes after it draw with X-10.
TEST(CircleContourTest, LaterPassesUseTheWrittenRadius) {
  const std::string nc =
      Generate("ProcessMCircleSlant", ParseBoxes("D=2 StartC=0 EndC=-5 L=0 EndX=10.0007 StartX=0 StartZ=0"));
  EXPECT_EQ(LineStarting(nc, "(-----<"), "(-----< SLANT CIRCLE D20.001 >-----)");  // 2 * 10.0007 = 20.0014
  EXPECT_EQ(Count(nc, "N000 G03 X-10.001 Y0 L10\n"), 1);
  EXPECT_EQ(Count(nc, "N000 G03 X-10 Y0 L10\n"), 2);
  EXPECT_EQ(Count(nc, "N000     X10 Y0 L10\n"), 3);
}

std::string Find(const std::vector<std::pair<std::string, std::string>>& pairs, const std::string& key) {
  for (const auto& [name, text] : pairs)
    if (name == key) return text;
  return "<none>";
}

// Guards against: the zero shift of one slant command pre-filling another, the first run showing a stale C from the
// material row, and B/SZ not taken from the last accepted dialog (whatever command it was).
class SlantPrefillTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SlantPrefillTest, CarriesOverBSzAndOwnZeroShift) {
  const ProcessCommand* row = FindProcessCommand(GetParam());
  ProcessContext ctx;
  EXPECT_EQ(Find(row->setup(ctx.kept).prefill, "C"), "");
  EXPECT_EQ(Find(row->setup(ctx.kept).prefill, "B"), "0");
  // A face command confirmed last leaves its B and SZ boxes, not its C.
  Generate("ProcessMDrillFace", {{"B", "30"}, {"SZ", "-12.5"}, {"C", "3"}}, ctx);
  const ProcessDialogSetup afterFace = row->setup(ctx.kept);
  EXPECT_EQ(Find(afterFace.prefill, "B"), "30");
  EXPECT_EQ(Find(afterFace.prefill, "SZ"), "-12.5");
  EXPECT_EQ(Find(afterFace.prefill, "C"), "");
  Generate(GetParam(), {{"C", "7.25"}}, ctx);
  EXPECT_EQ(Find(row->setup(ctx.kept).prefill, "C"), "7.25");
  // Another slant command keeps its own (still empty) zero shift.
  const char* other = std::string(GetParam()) == "ProcessMKeySlant" ? "ProcessMDrillSlant" : "ProcessMKeySlant";
  EXPECT_EQ(Find(FindProcessCommand(other)->setup(ctx.kept).prefill, "C"), "");
}

INSTANTIATE_TEST_SUITE_P(Commands, SlantPrefillTest,
                         ::testing::Values("ProcessMDrillSlant", "ProcessMTapSlant", "ProcessMPlanetTapSlant",
                                           "ProcessMKeySlant", "ProcessMCircleSlant"));

}  // namespace
}  // namespace quillon
