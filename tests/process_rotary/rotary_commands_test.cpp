// The rotary-tool commands through their table rows: the words of the cycle
// lines at their edges, the speed rule, the frame switches, the circle's
// depth steps and the dialog set-ups with their carried-over values.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "process/process_command.h"
#include "process/process_error.h"
#include "process/process_run.h"

namespace quillon {
namespace {

using Boxes = std::map<std::string, std::string>;

// Inputs every rotary command accepts; a case overrides what it is about.
// Drill D10 with V30 gives S = floor(30000 / 3.14 / 10 / 10) * 10 = 950.
Boxes BaseBoxes() {
  return {{"ToolNumber", "5"}, {"V", "30"},  {"F", "0.1"},    {"D", "0"},      {"L", "0"},
          {"U", "10"},         {"W", "0"},   {"C", "1"},      {"B", "45"},     {"SZ", "-30"},
          {"StartX", "50"},    {"StartZ", "0"}, {"StartC", "0"}, {"EndX", "40"}, {"EndZ", "-20"},
          {"EndC", "-12"}};
}

std::string Generate(const std::string& command, const Boxes& overrides, ProcessContext& ctx) {
  const ProcessCommand* row = FindProcessCommand(command);
  if (!row) throw std::runtime_error("no row " + command);
  ProcessDialogValues values;
  values.texts = BaseBoxes();
  for (const auto& [box, text] : overrides) values.texts[box] = text;
  return RunProcessCommand(*row, values, ctx).atCaret;
}

std::string Generate(const std::string& command, const Boxes& overrides = {}, MachineParameters machine = {}) {
  ProcessContext ctx;
  ctx.machine = machine;
  return Generate(command, overrides, ctx);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first line starting with prefix, or "" when none does.
std::string LineStarting(const std::string& text, const std::string& prefix) {
  for (const auto& line : Lines(text))
    if (line.rfind(prefix, 0) == 0) return line;
  return "";
}

int Count(const std::string& text, const std::string& piece) {
  int n = 0;
  for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
  return n;
}

const char* const kRotaryCommandNames[] = {
    "ProcessMDrillFace", "ProcessMDrillSide",   "ProcessMDrillSlant",  "ProcessMTapFace",
    "ProcessMTapSide",   "ProcessMTapSlant",    "ProcessMPlanetTapSlant", "ProcessMKeyFace",
    "ProcessMKeySide",   "ProcessMKeySlant",    "ProcessMCircleSlant", "ProcessMSouseiFace",
    "ProcessMSouseiSide"};

struct CycleCase {
  const char* name;
  const char* command;
  Boxes overrides;
  const char* prefix;    // picks the cycle line
  const char* expected;  // the whole cycle line
};

// Guards against: G181/G183 chosen on the wrong fields, D/L/E words written
// for zero or negative values, the Q threshold of drilling (above 1) mixed up
// with that of tapping and key ways (above 0), and misplaced finish-stock words.
class CycleLineTest : public ::testing::TestWithParam<CycleCase> {};

TEST_P(CycleLineTest, WritesTheCycleLine) {
  const auto& c = GetParam();
  EXPECT_EQ(LineStarting(Generate(c.command, c.overrides), c.prefix), c.expected);
}

// Face: K = AppZ - StartZ - 2 = 48; Side: I = AppX - StartX - 4 = 146.
// Tap face: K = 50 - 0 - 5 = 45; tap side: I = 200 - 50 - 10 = 140.
// Key face: K48 (C0 X40 Z-20 from the base boxes); key side I146.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, CycleLineTest, ::testing::Values(
  CycleCase{"DrillNoPeckNoDwellG181", "ProcessMDrillFace", {}, "N000 G18", "N000 G181 C0 X50 Z-20 K48 F=SB*0.1"},
  CycleCase{"DrillPeckG183",     "ProcessMDrillFace", {{"D", "2"}}, "N000 G18", "N000 G183 C0 X50 Z-20 K48 D2 F=SB*0.1"},
  CycleCase{"DrillDwellG183",    "ProcessMDrillFace", {{"W", "0.5"}}, "N000 G18", "N000 G183 C0 X50 Z-20 K48 E0.5 F=SB*0.1"},
  CycleCase{"DrillNegativeWords", "ProcessMDrillFace", {{"D", "-1"}, {"L", "-1"}, {"W", "-1"}}, "N000 G18",
            "N000 G183 C0 X50 Z-20 K48 F=SB*0.1"},
  CycleCase{"DrillAllWords",     "ProcessMDrillFace", {{"D", "3"}, {"L", "1.5"}, {"W", "0.2"}}, "N000 G18",
            "N000 G183 C0 X50 Z-20 K48 D3 L1.5 E0.2 F=SB*0.1"},
  CycleCase{"DrillOneHoleNoQ",   "ProcessMDrillFace", {{"C", "1"}}, "N000 G18", "N000 G181 C0 X50 Z-20 K48 F=SB*0.1"},
  CycleCase{"DrillTwoHolesQ2",   "ProcessMDrillFace", {{"C", "2"}}, "N000 G18", "N000 G181 C0 X50 Z-20 K48 F=SB*0.1 Q2"},
  CycleCase{"DrillSideQ2M136",   "ProcessMDrillSide", {{"C", "2"}}, "N000 G18",
            "N000 G181 C0 X40 Z0 I146 F=SB*0.1 Q2 M136"},
  CycleCase{"DrillSlantNoQ",     "ProcessMDrillSlant", {{"C", "5"}}, "N000 G18", "N000 G181 X50 Y0 Z-12 K48 F=SB*0.1"},
  CycleCase{"TapNoDNoQ",         "ProcessMTapFace", {{"C", "0"}}, "N000 G178", "N000 G178 C0 X50 Z-20 K45 F0.1"},
  CycleCase{"TapOneHoleQ1",      "ProcessMTapFace", {{"C", "1"}, {"D", "2"}}, "N000 G178",
            "N000 G178 C0 X50 Z-20 K45 D2 F0.1 Q1"},
  CycleCase{"TapSideI140M136",   "ProcessMTapSide", {{"C", "0"}}, "N000 G178", "N000 G178 C0 X40 Z0 I140 F0.1 M136"},
  CycleCase{"KeyNoStockNoQ",     "ProcessMKeyFace", {{"C", "0"}, {"L", "0"}, {"W", "0.03"}}, "N000 G190",
            "N000 G190 C0 X40 Z-20 K48 E0.03 F=SB*0.1 M211 M213"},
  CycleCase{"KeyFaceStockW",     "ProcessMKeyFace", {{"C", "1"}, {"L", "0.2"}, {"W", "0.03"}}, "N000 G190",
            "N000 G190 C0 X40 Z-20 K48 W0.2 E0.03 F=SB*0.1 Q1 M211 M213"},
  CycleCase{"KeySideStockU",     "ProcessMKeySide", {{"C", "1"}, {"L", "0.2"}, {"W", "0.03"}}, "N000 G190",
            "N000 G190 C0 X40 Z-20 I146 U0.2 E0.03 F=SB*0.1 Q1 M211 M213"},
  CycleCase{"KeySlantK0",        "ProcessMKeySlant", {{"L", "0"}, {"W", "0.03"}}, "N000 G190",
            "N000 G190 X40 Y-20 Z-12 K0 E=SB*0.03 F=SB*0.1 M211 M213"}),
  [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against single-precision boxes (StartC, EndC) used in sums as the
// floats they hold: 20.3f is 20.2999992 and 47.7f is 47.7000008, so a tool
// length 0 + 0.3 + 20 came out "20.299", a K of 50 - 47.7 - 2 "0.299" and a
// planet-tap bottom of -10.3 "-10.301".
// clang-format off
INSTANTIATE_TEST_SUITE_P(SingleBoxes, CycleLineTest, ::testing::Values(
  CycleCase{"DrillSlantLength",  "ProcessMDrillSlant", {{"StartC", "0"}, {"EndC", "-0.3"}}, "NOEX VTLD",
            "NOEX VTLD[5]=10 VTLL[5]=20.3"},  // 0 + 0.3 + 20
  CycleCase{"DrillSlantK",       "ProcessMDrillSlant", {{"StartC", "47.7"}}, "N000 G18",
            "N000 G181 X50 Y0 Z-12 K0.3 F=SB*0.1"},  // K = 50 - 47.7 - 2
  CycleCase{"TapSlantLength",    "ProcessMTapSlant", {{"StartC", "0"}, {"EndC", "-0.3"}}, "NOEX VTLD",
            "NOEX VTLD[5]=10 VTLL[5]=20.3"},
  CycleCase{"TapSlantK",         "ProcessMTapSlant", {{"StartC", "47.7"}}, "N000 G178",
            "N000 G178 X50 Y0 Z-12 K0.3 F0.1"},
  CycleCase{"PlanetLength",      "ProcessMPlanetTapSlant", {{"StartC", "0"}, {"EndC", "-0.3"}}, "NOEX VTLD",
            "NOEX VTLD[5]=10 VTLL[5]=20.3"},
  // Bottom Zb -10.3, feed 10 * 0.1 = 1; first arc Z = Zb + 0.25 * 1, L = R - P = 5 - 1.
  CycleCase{"PlanetBottom",      "ProcessMPlanetTapSlant", {{"EndC", "-10.3"}, {"D", "1"}, {"EndX", "5"}, {"StartX", "0"}},
            "N000 G01 Z", "N000 G01 Z-10.3 F=SB*1"},
  CycleCase{"PlanetFirstArc",    "ProcessMPlanetTapSlant", {{"EndC", "-10.3"}, {"D", "1"}, {"EndX", "5"}, {"StartX", "0"}},
            "N000 G03", "N000 G03 X-5 Y0 Z-10.05 L4"},
  CycleCase{"CircleLength",      "ProcessMCircleSlant", {{"StartC", "0"}, {"EndC", "-0.3"}}, "NOEX VTLD",
            "NOEX VTLD[5]=10 VTLL[5]=20.3"}),
  [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against: the speed rule skipped for V <= 0 (as turning does) and a
// zero tool diameter dividing without the error.
class RotarySpeedTest : public ::testing::TestWithParam<const char*> {};

TEST_P(RotarySpeedTest, ZeroDiameterIsError11) {
  try {
    Generate(GetParam(), {{"U", "0"}});
    FAIL() << "no error";
  } catch (const ProcessError& e) {
    EXPECT_EQ(e.number, kErrDivisionByZero);
  }
}

TEST_P(RotarySpeedTest, ComputedWhateverVIs) {
  ProcessContext ctx;
  ctx.kept.SpindleSpeed = 1230;  // an earlier command's speed must not survive
  EXPECT_NE(Generate(GetParam(), {{"V", "0"}}, ctx).find(" SB=0"), std::string::npos);
  EXPECT_EQ(ctx.kept.SpindleSpeed, 0);
  // 1000 * 30 / 3.14 / 10 = 955.4 -> rounded down to 950.
  EXPECT_NE(Generate(GetParam(), {{"V", "30"}}, ctx).find(" SB=950"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Commands, RotarySpeedTest, ::testing::ValuesIn(kRotaryCommandNames));

// Guards against: frame switches that leak across the four families (NOEX
// lines without ToolFrom, tool requests without Tallix, a missing TAB line).
class RotaryFrameSwitchTest : public ::testing::TestWithParam<const char*> {};

TEST_P(RotaryFrameSwitchTest, ToolFromAndTallixOff) {
  MachineParameters m;
  m.ToolFrom = false;
  const std::string nc = Generate(GetParam(), {}, m);
  EXPECT_EQ(nc.find("NOEX"), std::string::npos);
  EXPECT_EQ(nc.find("MT="), std::string::npos);
  EXPECT_EQ(nc.find("M421"), std::string::npos);
  ASSERT_GE(nc.size(), 2u);
  EXPECT_EQ(nc.substr(nc.size() - 2), "\t\n");
  EXPECT_EQ(nc.rfind("(-----< ", 0), 0u);
}

TEST_P(RotaryFrameSwitchTest, TallixRequestsTheToolAsKindThree) {
  MachineParameters m;
  m.Tallix = true;
  const std::string nc = Generate(GetParam(), {}, m);
  EXPECT_NE(nc.find("N000 MT=503\nN000 M421\n"), std::string::npos);
  EXPECT_NE(nc.find(" TL=050505"), std::string::npos);
  EXPECT_NE(nc.find("N000 G21 HP=4 M12 M63 M09\n\t\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Commands, RotaryFrameSwitchTest, ::testing::ValuesIn(kRotaryCommandNames));

struct DepthCase {
  const char* name;
  const char* top;     // StartC
  const char* bottom;  // EndC
  const char* step;
  const char* zLines;  // every plunge and depth line, in order
  int passes;
};

// Guards against: an extra or missing pass at the bottom, a step landing
// exactly on the bottom counted twice, a step too small to move never
// ending, and single-precision top and bottom boxes stepped as the floats
// they hold (-0.3 as -0.30000001: the steps read -0.401, -0.501, ... and a
// bottom of -0.3 gets a second pass).
class CircleDepthTest : public ::testing::TestWithParam<DepthCase> {};

TEST_P(CircleDepthTest, StepsDown) {
  const auto& c = GetParam();
  // R10 at X10 Y20, no finish stock.
  const std::string nc = Generate("ProcessMCircleSlant", {{"D", c.step}, {"StartC", c.top}, {"EndC", c.bottom},
                                                     {"EndX", "10"}, {"StartX", "10"}, {"StartZ", "20"}, {"L", "0"}});
  std::string zLines;
  for (const auto& line : Lines(nc))
    if (line.rfind("N000     Z", 0) == 0 && line.find("M147") == std::string::npos) zLines += line.substr(10) + " ";
    else if (line.rfind("N000 G01 Z", 0) == 0) zLines += "G01:" + line.substr(10, line.find(' ', 10) - 10) + " ";
  EXPECT_EQ(zLines, c.zLines);
  EXPECT_EQ(Count(nc, " G40"), c.passes);
  EXPECT_EQ(Count(nc, " G41"), c.passes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Steps, CircleDepthTest, ::testing::Values(
  //        name              top     bottom  step      plunge and depths              passes
  DepthCase{"StepTwo",        "0",    "-5",   "2",      "G01:0 -2 -4 -5 ",             3},  // -6 <= -5 ends the loop
  DepthCase{"StepOnBottom",   "0",    "-5",   "2.5",    "G01:0 -2.5 -5 ",              2},  // -5 <= -5: no pass at -5 inside the loop
  DepthCase{"StepFive",       "0",    "-5",   "5",      "G01:0 -5 ",                   1},
  DepthCase{"StepLarger",     "0",    "-5",   "8",      "G01:0 -5 ",                   1},
  DepthCase{"NoStep",         "0",    "-5",   "0",      "G01:-5 ",                     1},
  DepthCase{"NegativeStep",   "0",    "-5",   "-1",     "G01:-5 ",                     1},
  DepthCase{"VanishingStep",  "0",    "-5",   "1e-300", "G01:0 -5 ",                   1},
  // 0 - 0.1 - 0.1 - 0.1 = -0.3 <= -0.3 ends the loop: passes at -0.1, -0.2 and the bottom.
  DepthCase{"DecimalBottom",  "0",    "-0.3", "0.1",    "G01:0 -0.1 -0.2 -0.3 ",       3},
  // From -0.3: -0.4, -0.5, then -0.6 <= -0.6.
  DepthCase{"DecimalTop",     "-0.3", "-0.6", "0.1",    "G01:-0.3 -0.4 -0.5 -0.6 ",    3}),
  [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against a step far below the depth writing passes until memory runs
// out: 100 / 0.001 = 100000 passes is refused with error 14, nothing written.
TEST(CircleDepthLimitTest, TooManyPassesIsAnError) {
  ProcessContext ctx;
  try {
    Generate("ProcessMCircleSlant", {{"D", "0.001"}, {"StartC", "0"}, {"EndC", "-100"}}, ctx);
    FAIL() << "no error";
  } catch (const ProcessError& e) {
    EXPECT_EQ(e.number, 14);
  }
  // 10 / 0.001 = 10000 passes (the last one at the bottom) is still written.
  EXPECT_EQ(Count(Generate("ProcessMCircleSlant", {{"D", "0.001"}, {"StartC", "0"}, {"EndC", "-10"}, {"L", "0"}}),
                  " G40"),
            10000);
}

TEST(CircleContourTest, LaterPassesUseTheWrittenRadius) {
  // R 10.0007 centred at X0 Y0, depths -2, -4, -5. The first pass writes
  // X = floor(-10000.7) / 1000 = -10.001 and L10, which cuts R to 10; the
  // passes after it draw with R 10: X-10.
  const std::string nc = Generate("ProcessMCircleSlant", {{"D", "2"}, {"StartC", "0"}, {"EndC", "-5"}, {"L", "0"},
                                                     {"EndX", "10.0007"}, {"StartX", "0"}, {"StartZ", "0"}});
  EXPECT_EQ(LineStarting(nc, "(-----<"), "(-----< SLANT CIRCLE D20.001 >-----)");  // 2 * 10.0007 = 20.0014
  EXPECT_EQ(Count(nc, "N000 G03 X-10.001 Y0 L10\n"), 1);
  EXPECT_EQ(Count(nc, "N000 G03 X-10 Y0 L10\n"), 2);
  EXPECT_EQ(Count(nc, "N000     X10 Y0 L10\n"), 3);
}

TEST(CircleContourTest, RoughingArcsBeforeFinish) {
  // R10, stock 0.2: roughing arcs carry L = 10 - 0.2 = 9.8, the finish L10.
  const std::string nc = Generate("ProcessMCircleSlant", {{"D", "0"}, {"L", "0.2"}, {"EndX", "10"}, {"StartX", "0"},
                                                     {"StartZ", "0"}});
  EXPECT_EQ(LineStarting(nc, "(-----<"), "(-----< SLANT CIRCLE D20 >-----)");
  const auto rough = nc.find(" L9.8");
  const auto finish = nc.find(" L10");
  ASSERT_NE(rough, std::string::npos);
  ASSERT_NE(finish, std::string::npos);
  EXPECT_LT(rough, finish);
  EXPECT_EQ(Count(nc, " L9.8"), 2);
  EXPECT_EQ(Count(nc, " L10"), 2);
}

struct SetupCase {
  const char* command;
  const char* caption;
  int row;
  bool slant;
  const char* tipBox;  // the box carrying the hint, "" for none
};

// Guards against: a command wired to another's row or caption, and the slant
// boxes left hidden (or shown on face and side commands).
class RotarySetupTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(RotarySetupTest, CaptionRowAndBoxes) {
  const auto& c = GetParam();
  const ProcessCommand* row = FindProcessCommand(c.command);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->dialog, CommandDialog::Process);
  const ProcessDialogSetup setup = row->setup(KeptState{});
  EXPECT_EQ(setup.caption, c.caption);
  EXPECT_EQ(setup.row, c.row);
  EXPECT_EQ(ProcessBoxVisible(setup, "B"), c.slant);
  EXPECT_EQ(ProcessBoxVisible(setup, "SZ"), c.slant);
  bool hasTip = false;
  for (const auto& [box, tip] : setup.toolTips) hasTip = hasTip || box == c.tipBox;
  EXPECT_EQ(hasTip, std::string(c.tipBox) != "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Commands, RotarySetupTest, ::testing::Values(
  //        command                   caption                   row slant tip
  SetupCase{"ProcessMDrillFace",      "M Drill Face ",          17, false, "U"},
  SetupCase{"ProcessMDrillSide",      "M Drill  Side ",         18, false, "U"},
  SetupCase{"ProcessMDrillSlant",     "M Drill Slant ",         19, true,  "U"},
  SetupCase{"ProcessMTapFace",        "M Tap  Face ",           20, false, "F"},
  SetupCase{"ProcessMTapSide",        "M Tap  Side ",           21, false, "F"},
  SetupCase{"ProcessMTapSlant",       "M Tap  Slant ",          22, true,  "F"},
  SetupCase{"ProcessMPlanetTapSlant", "Planet Tap Slant ",      33, true,  ""},
  SetupCase{"ProcessMKeyFace",        "M Key way Face ",        23, false, ""},
  SetupCase{"ProcessMKeySide",        "M Key way Side ",        24, false, ""},
  SetupCase{"ProcessMKeySlant",       "M Key way Slant ",       25, true,  ""},
  SetupCase{"ProcessMCircleSlant",    "Endmill circle Slant ",  30, true,  ""},
  SetupCase{"ProcessMSouseiFace",     "M cutting  Face ",       26, false, ""},
  SetupCase{"ProcessMSouseiSide",     "M cutting  Side ",       27, false, ""}),
  [](const auto& info) { return std::string(info.param.command).substr(7); });
// clang-format on

std::string Label(const ProcessDialogSetup& setup, const std::string& control) {
  for (const auto& [name, caption] : setup.labels)
    if (name == control) return caption;
  return "<design>";
}

TEST(RotarySetupTest, LabelsKeepTheirExactTexts) {
  // Blanks, odd spellings and the Japanese words are part of the captions.
  const ProcessDialogSetup tapSlant = FindProcessCommand("ProcessMTapSlant")->setup(KeptState{});
  EXPECT_EQ(Label(tapSlant, "LabelAttn"), " attention :X axis \u306f radius  command \u3067\u3059 . ");
  EXPECT_EQ(Label(tapSlant, "LabelC"), " zero  movement  amount ");
  const ProcessDialogSetup circle = FindProcessCommand("ProcessMCircleSlant")->setup(KeptState{});
  EXPECT_EQ(Label(circle, "LabelU"), " end \uff90\uff99 diameter ");
  EXPECT_EQ(Label(circle, "LabelL"), " Finish \u4ee3");
  const ProcessDialogSetup side = FindProcessCommand("ProcessMDrillSide")->setup(KeptState{});
  EXPECT_EQ(Label(side, "LabelU"), "Drill diameter");
  EXPECT_EQ(Label(side, "EndZ2"), "");
  EXPECT_FALSE(ProcessBoxVisible(side, "EndZ"));
  EXPECT_TRUE(ProcessBoxVisible(side, "EndX"));
  const ProcessDialogSetup keySide = FindProcessCommand("ProcessMKeySide")->setup(KeptState{});
  EXPECT_EQ(Label(keySide, "LabelC"), "Key number");
  EXPECT_EQ(Label(keySide, "LabelL2"), "U");
  const ProcessDialogSetup endMill = FindProcessCommand("ProcessMSouseiFace")->setup(KeptState{});
  for (const char* box : {"C", "D", "W", "L"}) EXPECT_FALSE(ProcessBoxVisible(endMill, box)) << box;
}

TEST(RotarySetupTest, DisabledMenuItemsHaveNoRow) {
  for (const char* name : {"ProcessMCircleFace", "ProcessMCircleSide", "ProcessMPlanetTapFace", "ProcessMPlanetTapSide"})
    EXPECT_EQ(FindProcessCommand(name), nullptr) << name;
}

TEST(RotarySetupTest, TapFacePresetsStartAfterTheRow) {
  const ProcessDialogSetup face = FindProcessCommand("ProcessMTapFace")->setup(KeptState{});
  const Boxes prefill(face.prefill.begin(), face.prefill.end());
  EXPECT_EQ(prefill, (Boxes{{"StartZ", "0"}, {"StartC", "0"}}));
  const ProcessDialogSetup side = FindProcessCommand("ProcessMTapSide")->setup(KeptState{});
  EXPECT_EQ(Boxes(side.prefill.begin(), side.prefill.end()), (Boxes{{"StartC", "0"}}));
}

std::string Prefill(const ProcessDialogSetup& setup, const std::string& box) {
  for (const auto& [name, text] : setup.prefill)
    if (name == box) return text;
  return "<none>";
}

// Guards against: the zero shift of one slant command pre-filling another,
// the first run showing a stale C from the material row, and B/SZ not taken
// from the last accepted dialog (whatever command it was).
class SlantPrefillTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SlantPrefillTest, CarriesOverBSzAndOwnZeroShift) {
  const ProcessCommand* row = FindProcessCommand(GetParam());
  ProcessContext ctx;
  const ProcessDialogSetup first = row->setup(ctx.kept);
  EXPECT_EQ(Prefill(first, "C"), "");
  EXPECT_EQ(Prefill(first, "B"), "0");

  // A face command confirmed last leaves its B and SZ boxes, not its C.
  Generate("ProcessMDrillFace", {{"B", "30"}, {"SZ", "-12.5"}, {"C", "3"}}, ctx);
  ProcessDialogSetup afterFace = row->setup(ctx.kept);
  EXPECT_EQ(Prefill(afterFace, "B"), "30");
  EXPECT_EQ(Prefill(afterFace, "SZ"), "-12.5");
  EXPECT_EQ(Prefill(afterFace, "C"), "");

  Generate(GetParam(), {{"C", "7.25"}}, ctx);
  EXPECT_EQ(Prefill(row->setup(ctx.kept), "C"), "7.25");
  // Another slant command keeps its own (still empty) zero shift.
  const char* other = std::string(GetParam()) == "ProcessMKeySlant" ? "ProcessMDrillSlant" : "ProcessMKeySlant";
  EXPECT_EQ(Prefill(FindProcessCommand(other)->setup(ctx.kept), "C"), "");
}

INSTANTIATE_TEST_SUITE_P(Commands, SlantPrefillTest,
                         ::testing::Values("ProcessMDrillSlant", "ProcessMTapSlant", "ProcessMPlanetTapSlant",
                                           "ProcessMKeySlant", "ProcessMCircleSlant"));

struct RequestCase {
  const char* name;
  const char* command;
  int turret;
  bool tg;
  const char* macro;
  const char* lines;  // the request and the ATC macro line, tool 12
};

// Guards against the kind of the tool request mixed up between the rotary
// commands (kind 1 or 3 by turret type) and the sensor of the measuring
// commands (always kind 1, a lathe tool), and a fixed ATC macro.
class ToolRequestTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(ToolRequestTest, KindFollowsTheTool) {
  const auto& c = GetParam();
  ProcessContext ctx;
  ctx.machine.Tallix = true;
  ctx.machine.TurretType = c.turret;
  ctx.machine.TG = c.tg;
  ctx.machine.AtcMacroType = c.macro;
  ProcessDialogValues values;
  values.texts = BaseBoxes();
  values.texts["ToolNumber"] = "12";
  const ProcessOutput out = RunProcessCommand(*FindProcessCommand(c.command), values, ctx);
  const std::string all = out.atCaret + out.afterCaret + out.appendAtEnd;
  EXPECT_EQ(Count(all, "MT="), 1) << all;
  EXPECT_NE(all.find(std::string("\n") + c.lines), std::string::npos) << all;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Requests, ToolRequestTest, ::testing::Values(
  //          name                  command                    turret TG     macro   lines
  RequestCase{"DrillTurretOne",     "ProcessMDrillFace",       1,     false, "M441", "N000 MT=1201\nN000 M441\n"},
  RequestCase{"DrillTurretOneTG",   "ProcessMDrillFace",       1,     true,  "M321", "N000 MT=1 TG=12\nN000 M321\n"},
  RequestCase{"TapTurretTwo",       "ProcessMTapSide",         2,     false, "M421", "N000 MT=1203\nN000 M421\n"},
  RequestCase{"KeySlantTurretTwoTG","ProcessMKeySlant",        2,     true,  "M441", "N000 MT=3 TG=12\nN000 M441\n"},
  RequestCase{"SensorTurretTwo",    "ProcessMeasuerInD",       2,     false, "M441", "N000 MT=1201\nN000 M441\n"},
  RequestCase{"SensorTurretTwoTG",  "ProcessMeasuerZeroCaxis", 2,     true,  "M421", "N000 MT=1 TG=12\nN000 M421\n"},
  RequestCase{"ZeroZTurretOne",     "ProcessMeasuerZeroZaxis", 1,     false, "M321", "N000 MT=1201\nN000 M321\n"}),
  [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(NumberCutTest, FractionalToolNumberWrittenThenCut) {
  // The tool-data lines write the number as typed (5.25); the tool call's
  // two-digit form takes its whole part.
  const std::string nc = Generate("ProcessMDrillFace", {{"ToolNumber", "5.25"}});
  EXPECT_EQ(LineStarting(nc, "NOEX VTLIN"), "NOEX VTLIN[5.25]=28 VTLFN[5.25]=1 VTLA1[5.25]=118");
  EXPECT_EQ(LineStarting(nc, "N000 G94"), "N000 G94 M110 T050505");
  // Three decimals cut by floor: 10.12345 -> header D10.123.
  EXPECT_EQ(LineStarting(Generate("ProcessMDrillFace", {{"U", "10.12345"}}), "(-----<"), "(-----< FACE DRILL D10.123 >-----)");
}

}  // namespace
}  // namespace quillon
