// The toolpath interpreter: each motion rule, the generators' roughing examples drawn segment by segment, and any bytes
// drawn without a fault.
#include "toolpath/toolpath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/case_file.h"
#include "support/param_name.h"
#include "toolpath/plot.h"

namespace quillon {
namespace {

using testing_support::LoadCases;

std::string GeneratedBlock(const std::string& golden) {
  std::ifstream in(std::string(std::getenv("QUILLON_TEST_DATA")) + "/" + golden, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const std::string all = text.str();
  const std::size_t from = all.find("--- expect\n"), to = all.find("--- end");
  if (from == std::string::npos || to == std::string::npos) return "";
  return all.substr(from + 11, to - from - 11);
}

struct MotionCase {
  const char* name;
  double homeX, homeZ;
  const char *program, *segments;  // program "<GOLDEN": the generated block of that golden
};

// Guards against a motion rule drawn wrongly: modal continuation, the A word both ways, arcs by I/K and by L and their
// end tolerance, contours and their retrace, cycle lines and the return after them; and against the generated
// roughing blocks drawn wrongly as a whole (the outside and inside examples, derived by hand in their case file).
class MotionRuleTest : public ::testing::TestWithParam<MotionCase> {};

TEST_P(MotionRuleTest, DrawsTheSegments) {
  const MotionCase& c = GetParam();
  const std::string program = c.program[0] == '<' ? GeneratedBlock(c.program + 1) : c.program;
  EXPECT_EQ(FormatToolpathText(InterpretToolpath(program, ToolpathPoint{c.homeX, c.homeZ})), c.segments);
}

INSTANTIATE_TEST_SUITE_P(Rules, MotionRuleTest,
                         ::testing::ValuesIn(LoadCases<MotionCase, 5>("toolpath/motion_rules.cases")),
                         testing_support::kRowName);
INSTANTIATE_TEST_SUITE_P(RoughingExamples, MotionRuleTest,
                         ::testing::ValuesIn(LoadCases<MotionCase, 5>("toolpath/roughing_examples.cases")),
                         testing_support::kRowName);

struct FactCase {
  const char *name, *view;
  double homeX, homeZ;
  const char *program, *expected;
};

// One view of a drawing as the case file describes it; numbers to twelve digits, so rounding noise does not show.
std::string View(const std::string& view, const Toolpath& path) {
  std::ostringstream out;
  out << std::setprecision(12);
  const ToolpathBounds& b = path.bounds;
  if (view == "bounds") out << (b.empty ? "empty" : "") << b.minX << " " << b.maxX << " " << b.minZ << " " << b.maxZ;
  for (const ToolpathProblem& p : path.problems)
    if (view == "problems")
      out << p.line << (p.kind == ToolpathProblemKind::ArcEndOffCircle ? " ArcEndOffCircle " : " AngleGivesNoPoint ")
          << p.offBy << "\n";
  if (view == "problems" && !path.segments.empty()) out << SegmentKindName(path.segments.back().kind);
  for (const Segment& s : path.segments)
    if (view == "tools")
      out << (&s == &path.segments[0] ? "" : " ") << (path.tools[s.tool].empty() ? "-" : path.tools[s.tool]);
  for (const BlankOutline& r : path.blank)
    if (view == "blank")
      out << r.line << " " << r.z1 << " " << r.z2 << " " << r.x1 << " " << r.x2 << (r.bore ? " bore\n" : "\n");
  return out.str();
}

// Guards against what a drawing holds beside its segments misread: its bounds, its error segments, each segment's
// tool and the blank's rectangles (each view's faults are named in the case file).
class ToolpathFactTest : public ::testing::TestWithParam<FactCase> {};

TEST_P(ToolpathFactTest, ShowsTheView) {
  const FactCase& c = GetParam();
  EXPECT_EQ(View(c.view, InterpretToolpath(c.program, ToolpathPoint{c.homeX, c.homeZ})), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Views, ToolpathFactTest, ::testing::ValuesIn(LoadCases<FactCase, 6>("toolpath/facts.cases")),
                         testing_support::kRowName);

struct ToolCase {
  const char *name, *word;
  int number;
};

// Guards against one tool drawn in two hues because its offset changed.
class ToolNumberTest : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolNumberTest, ReadsTheToolNumber) { EXPECT_EQ(ToolNumber(GetParam().word), GetParam().number); }

INSTANTIATE_TEST_SUITE_P(Words, ToolNumberTest,
                         ::testing::ValuesIn(LoadCases<ToolCase, 3>("toolpath/tool_numbers.cases")),
                         testing_support::kRowName);

// Guards against a crash, a hang or garbage out of any input: random bytes, weighted towards the dialect's letters,
// always give finite segments on lines of the text, inside the bounds.
TEST(ToolpathProperty, RandomBytesDrawWithoutFault) {
  static const char kAlphabet[] = "GXZAIKLNTP0123456789.-= \n[],()RCS8157";
  std::mt19937 random(20261207);
  for (int round = 0; round < 3000; ++round) {
    std::string text(random() % 300, '\0');
    for (char& c : text)
      c = random() % 4 == 0 ? static_cast<char>(random() % 256) : kAlphabet[random() % (sizeof kAlphabet - 1)];
    const Toolpath path = InterpretToolpath(text, {500, 500});
    const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    for (const Segment& s : path.segments) {
      ASSERT_GE(s.line, 1u) << text;
      ASSERT_LE(s.line, lines) << text;
      ASSERT_LT(s.tool, path.tools.size()) << text;
      for (double v : {s.start.x, s.start.z, s.end.x, s.end.z}) ASSERT_TRUE(std::isfinite(v)) << text;
      ASSERT_GE(s.end.x, path.bounds.minX) << text;
      ASSERT_LE(s.end.z, path.bounds.maxZ) << text;
    }
  }
}

}  // namespace
}  // namespace quillon
