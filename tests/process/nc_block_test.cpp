// The shared block pieces: tool-data lines, tool requests, tool words, the spindle-speed rule and the error messages.
// Every command's own use of them is pinned by the golden runs; here the pieces meet their edges.
#include "process/nc_block.h"

#include <gtest/gtest.h>

#include "numbers/process_error.h"
#include "process/process_test_support.h"
#include "support/golden_file.h"

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
  double tool;
  const char *angle, *expected;  // angle "": none
};

// Guards against: the VGR family with tool groups missing a name, a missing or extra VTLA1 word, tool numbers written
// other than through the NC format, and lines written without ToolFrom.
class ToolDataLinesTest : public ::testing::TestWithParam<ToolDataCase> {};

TEST_P(ToolDataLinesTest, WritesTwoLinesInBothFamilies) {
  const auto& c = GetParam();
  const std::optional<int> angle = *c.angle ? std::optional<int>(std::stoi(c.angle)) : std::nullopt;
  for (bool tg : {false, true}) {
    ProcessContext ctx = Context(c.tool, tg);
    std::string nc;
    AppendToolDataLines(nc, ctx, ToolData{20, angle, {{{"A2", 3}, {"D", 20}, {"W", 2.5}, {"L", 45.5}}}});
    EXPECT_EQ(nc, tg ? testing_support::ReplaceAll(c.expected, "VTL", "VGR") : c.expected);
    ctx.machine.ToolFrom = false;
    std::string none;
    AppendToolDataLines(none, ctx, ToolData{20, angle, {{{"L", 40}}}});
    EXPECT_EQ(none, "");
  }
}

QUILLON_CASE_SUITE(Rows, ToolDataLinesTest, ToolDataCase, 4, "process/cases/tool_data.txt");

struct RequestCase {
  const char* name;
  bool tallix, tg;
  int turret;
  double tool;
  const char *macro, *lathe, *rotary;
};

// Guards against: the lathe request following the turret type, a request on machines without Tallix, and the group form
// losing its kind digit.
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

QUILLON_CASE_SUITE(Machines, ToolRequestTest, RequestCase, 8, "process/cases/tool_request.txt");

struct ToolWordsCase {
  const char* name;
  bool tg, tallix;
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

QUILLON_CASE_SUITE(Forms, ToolWordsTest, ToolWordsCase, 6, "process/cases/tool_words.txt");

struct SpeedCase {
  const char* name;
  double v, d, before, after;
};  // after < 0: ProcessError 11

// Guards against: recomputing when V <= 0, rounding up, a hair-under quotient losing 10 min^-1, and a zero diameter
// dividing without the error.
class SpindleSpeedTest : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(SpindleSpeedTest, FollowsTheRule) {
  const auto& c = GetParam();
  ProcessContext ctx;
  ctx.input.V = c.v;
  ctx.kept.SpindleSpeed = c.before;
  if (c.after < 0) {
    EXPECT_EQ(testing_support::ThrownNumber([&] { UpdateSpindleSpeed(ctx, c.d); }), kErrDivisionByZero);
    EXPECT_THROW(SpeedFromDiameter(c.v, c.d), ProcessError);
    return;
  }
  UpdateSpindleSpeed(ctx, c.d);
  EXPECT_EQ(ctx.kept.SpindleSpeed, c.after);
  if (c.d == 0) {
    EXPECT_THROW(SpeedFromDiameter(c.v, c.d), ProcessError);  // drills divide whatever V is
  } else if (c.v > 0) {
    EXPECT_EQ(SpeedFromDiameter(c.v, c.d), c.after);
  }
}

QUILLON_CASE_SUITE(Rule, SpindleSpeedTest, SpeedCase, 5, "process/cases/spindle_speed.txt");

// Guards against a process error reported with another number, title or message, and a number outside the table
// reported with nothing.
TEST(ProcessErrorTest, TableMatchesItsDump) {
  using testing_support::Quoted;
  std::string dump;
  for (const ErrorRow& row : ErrorTable()) {
    const std::string message = ProcessErrorMessage(row.number), thrown = ProcessError(row.number).what();
    dump += std::to_string(row.number) + " title " + Quoted(ProcessErrorTitle(row.number)) + " message " +
            Quoted(message) + (thrown == message ? "" : " thrown as " + Quoted(thrown)) + "\n";
  }
  for (int other : {1, 999})
    dump += std::to_string(other) + " (no row) title " + Quoted(ProcessErrorTitle(other)) + " message " +
            Quoted(ProcessErrorMessage(other)) + "\n";
  EXPECT_EQ(testing_support::GoldenMismatch("process/golden/errors.txt", dump), "");
  EXPECT_EQ(ProcessError(13).number, 13);
}

}  // namespace
}  // namespace quillon
