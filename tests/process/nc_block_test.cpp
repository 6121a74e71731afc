// The shared block pieces: tool-data lines, tool requests, tool words, the
// spindle-speed rule and the return lines that every generator writes.
#include <gtest/gtest.h>

#include "process/nc_block.h"
#include "process/process_error.h"

namespace quillon {
namespace {

ProcessContext Context(double tool, bool tg, bool tallix = false) {
  ProcessContext ctx;
  ctx.input.ToolNumber = tool;
  ctx.machine.TG = tg;
  ctx.machine.Tallix = tallix;
  return ctx;
}

struct ToolDataCase {
  const char* name;
  bool tg;
  double tool;
  int kind;
  std::optional<int> angle;
  std::vector<ToolDataWord> second;
  const char* expected;
};

// Guards against: wrong variable family with tool groups, missing or extra
// VTLA1 word, and tool numbers written other than through the NC format.
class ToolDataLinesTest : public ::testing::TestWithParam<ToolDataCase> {};

TEST_P(ToolDataLinesTest, WritesTwoLines) {
  const auto& c = GetParam();
  ProcessContext ctx = Context(c.tool, c.tg);
  std::string nc;
  // The table rows are at most three words long; expand explicitly.
  switch (c.second.size()) {
    case 1: AppendToolDataLines(nc, ctx, c.kind, c.angle, {c.second[0]}); break;
    case 2: AppendToolDataLines(nc, ctx, c.kind, c.angle, {c.second[0], c.second[1]}); break;
    default: AppendToolDataLines(nc, ctx, c.kind, c.angle, {c.second[0], c.second[1], c.second[2]}); break;
  }
  EXPECT_EQ(nc, c.expected);
}

// Rows of the tool-data table (ID rows: StartZ 0, EndZ -35 -> VTLL 55).
INSTANTIATE_TEST_SUITE_P(
    Rows, ToolDataLinesTest,
    ::testing::Values(
        ToolDataCase{"OdRough", false, 5, 1, 55, {{"A2", 3}, {"L", 40}},
                     "NOEX VTLIN[5]=1 VTLFN[5]=1 VTLA1[5]=55\nNOEX VTLA2[5]=3 VTLL[5]=40\n"},
        ToolDataCase{"OdRoughGroups", true, 5, 1, 55, {{"A2", 3}, {"L", 40}},
                     "NOEX VGRIN[5]=1 VGRFN[5]=1 VGRA1[5]=55\nNOEX VGRA2[5]=3 VGRL[5]=40\n"},
        ToolDataCase{"IdRoughGroups", true, 3, 2, 60, {{"A2", 3}, {"D", 20}, {"L", 55}},
                     "NOEX VGRIN[3]=2 VGRFN[3]=1 VGRA1[3]=60\nNOEX VGRA2[3]=3 VGRD[3]=20 VGRL[3]=55\n"},
        ToolDataCase{"FaceRough", false, 4, 1, 80, {{"A2", 5}, {"L", 40}},
                     "NOEX VTLIN[4]=1 VTLFN[4]=1 VTLA1[4]=80\nNOEX VTLA2[4]=5 VTLL[4]=40\n"},
        ToolDataCase{"OdThread", false, 9, 13, 60, {{"L", 40}},
                     "NOEX VTLIN[9]=13 VTLFN[9]=1 VTLA1[9]=60\nNOEX VTLL[9]=40\n"},
        ToolDataCase{"IdGrooveGroups", true, 6, 20, 180, {{"D", 20}, {"W", 3}, {"L", 55}},
                     "NOEX VGRIN[6]=20 VGRFN[6]=1 VGRA1[6]=180\nNOEX VGRD[6]=20 VGRW[6]=3 VGRL[6]=55\n"},
        ToolDataCase{"HssDrill", false, 1, 22, 118, {{"D", 10}, {"L", 45.5}},
                     "NOEX VTLIN[1]=22 VTLFN[1]=1 VTLA1[1]=118\nNOEX VTLD[1]=10 VTLL[1]=45.5\n"},
        ToolDataCase{"FractionalTool", false, 5.25, 1, 55, {{"A2", 3}, {"L", 40}},
                     "NOEX VTLIN[5.25]=1 VTLFN[5.25]=1 VTLA1[5.25]=55\nNOEX VTLA2[5.25]=3 VTLL[5.25]=40\n"},
        ToolDataCase{"NoAngleWord", false, 7, 36, std::nullopt, {{"D", 10}, {"L", 30}},
                     "NOEX VTLIN[7]=36 VTLFN[7]=1\nNOEX VTLD[7]=10 VTLL[7]=30\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToolDataLinesTest, NothingWithoutToolFrom) {
  ProcessContext ctx = Context(5, false);
  ctx.machine.ToolFrom = false;
  std::string nc;
  AppendToolDataLines(nc, ctx, 1, 55, {{"A2", 3}, {"L", 40}});
  EXPECT_EQ(nc, "");
}

struct RequestCase {
  const char* name;
  bool tallix;
  bool tg;
  int turret;
  double tool;
  const char* macro;
  const char* lathe;   // WriteRotaryToolSelectL
  const char* rotary;  // WriteRotaryToolSelect
};

// Guards against: the lathe request following the turret type, a request on
// machines without Tallix, and the group form losing its kind digit.
class ToolRequestTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(ToolRequestTest, WritesBothVariants) {
  const auto& c = GetParam();
  ProcessContext ctx = Context(c.tool, c.tg, c.tallix);
  ctx.machine.TurretType = c.turret;
  ctx.machine.AtcMacroType = c.macro;
  std::string lathe, rotary;
  WriteRotaryToolSelectL(lathe, ctx);
  WriteRotaryToolSelect(rotary, ctx);
  EXPECT_EQ(lathe, c.lathe);
  EXPECT_EQ(rotary, c.rotary);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, ToolRequestTest,
    ::testing::Values(RequestCase{"NoTallix", false, false, 2, 5, "M421", "", ""},
                      RequestCase{"DefaultTurret", true, false, 2, 5, "M421", "N000 MT=501\nN000 M421\n",
                                  "N000 MT=503\nN000 M421\n"},
                      RequestCase{"TurretH1", true, false, 1, 12, "M421", "N000 MT=1201\nN000 M421\n",
                                  "N000 MT=1201\nN000 M421\n"},
                      RequestCase{"GroupsDefaultTurret", true, true, 2, 7, "M441", "N000 MT=1 TG=7\nN000 M441\n",
                                  "N000 MT=3 TG=7\nN000 M441\n"},
                      RequestCase{"GroupsTurretH1", true, true, 1, 7, "M321", "N000 MT=1 TG=7\nN000 M321\n",
                                  "N000 MT=1 TG=7\nN000 M321\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ToolWordsCase {
  const char* name;
  bool tg;
  bool tallix;
  double tool;
  int copies;
  const char* words;
};

// Guards against: wrong prefix on multi-tasking machines and missing zero padding.
class ToolWordsTest : public ::testing::TestWithParam<ToolWordsCase> {};

TEST_P(ToolWordsTest, Writes) {
  const auto& c = GetParam();
  ProcessContext ctx = Context(c.tool, c.tg, c.tallix);
  EXPECT_EQ(ToolWords(ctx, c.copies), c.words);
}

INSTANTIATE_TEST_SUITE_P(Forms, ToolWordsTest,
                         ::testing::Values(ToolWordsCase{"Lathe", false, false, 5, 3, " T050505"},
                                           ToolWordsCase{"Tallix", false, true, 5, 3, " TL=050505"},
                                           ToolWordsCase{"TwoDigits", false, false, 12, 3, " T121212"},
                                           ToolWordsCase{"Groups", true, false, 12, 3, " TG=12 OG=1"},
                                           ToolWordsCase{"DrillTwoCopies", false, false, 5, 2, " T0505"},
                                           ToolWordsCase{"DrillTallix", false, true, 3, 2, " TL=0303"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SpeedCase {
  const char* name;
  double v;
  double d;
  double before;
  double after;
};

// Guards against: recomputing when V <= 0, rounding up, and a hair-under
// quotient losing 10 min^-1.
class SpindleSpeedTest : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(SpindleSpeedTest, FollowsTheRule) {
  const auto& c = GetParam();
  ProcessContext ctx;
  ctx.input.V = c.v;
  ctx.kept.SpindleSpeed = c.before;
  UpdateSpindleSpeed(ctx, c.d);
  EXPECT_EQ(ctx.kept.SpindleSpeed, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, SpindleSpeedTest,
    ::testing::Values(SpeedCase{"OdRoughExample", 150, 46, 0, 1030},   // 1000*150/3.14/46 = 1038.5 -> 1030
                      SpeedCase{"LargeDiameter", 150, 106, 0, 450},    // 450.6 -> 450
                      SpeedCase{"FinishExample", 200, 46, 0, 1380},    // 1384.7 -> 1380
                      SpeedCase{"ZeroSpeedKeepsLast", 0, 46, 1230, 1230},
                      SpeedCase{"NegativeSpeedKeepsLast", -5, 46, 1230, 1230},
                      SpeedCase{"ZeroDiameterIgnoredWithoutSpeed", 0, 0, 70, 70},
                      // 1000*172.7/3.14/8.8 = 6250 exactly, but the double quotient
                      // /10 is 624.9999999999999: floor alone would give 6240
                      SpeedCase{"HairUnderAMultipleOfTen", 172.7, 8.8, 0, 6250}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpindleSpeedTest, ZeroDiameterIsError11) {
  ProcessContext ctx;
  ctx.input.V = 150;
  try {
    UpdateSpindleSpeed(ctx, 0);
    FAIL() << "no error";
  } catch (const ProcessError& e) {
    EXPECT_EQ(e.number, 11);
  }
  EXPECT_THROW(SpeedFromDiameter(0, 0), ProcessError);
  EXPECT_EQ(SpeedFromDiameter(30, 10), 950);   // 955.4 -> 950
  EXPECT_EQ(SpeedFromDiameter(120, 20), 1910); // 1910.8 -> 1910
}

TEST(ReturnLinesTest, FormsForBothMachines) {
  ProcessContext ctx;
  ctx.kept.SpindleSpeed = 1030;
  std::string lathe;
  AppendReturnLines(lathe, ctx);
  EXPECT_EQ(lathe, "N000 G00 X500 Z500 G97 S1030 M63\n");
  std::string bore;
  AppendReturnLines(bore, ctx, true);
  EXPECT_EQ(bore, "N000     X500 Z500 G97 S1030 M63\n");
  ctx.machine.Tallix = true;
  std::string tallix;
  AppendReturnLines(tallix, ctx);
  EXPECT_EQ(tallix, "N000 G00 X200 G97 S1030 M63\nN000 G21 HP=4 M05 M63 M09\n");
}

TEST(HeaderLineTest, Frames) {
  EXPECT_EQ(HeaderLine("OD.ROUGH"), "(-----< OD.ROUGH >-----)");
  std::string nc;
  TabLine(nc);
  EXPECT_EQ(nc, "\t\n");
}

}  // namespace
}  // namespace quillon
