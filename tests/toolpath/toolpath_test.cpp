// The toolpath interpreter: each motion rule, the generators' roughing
// examples drawn segment by segment, and any bytes drawn without a fault.
#include "toolpath/toolpath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
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

struct MotionCase {
  const char* name;
  double homeX, homeZ;
  const char* program;
  const char* segments;
};

// Guards against a motion rule drawn wrongly: modal continuation, the A word
// both ways, arcs by I/K and by L and their end tolerance, contours and their
// retrace, cycle lines and the return after them.
class MotionRuleTest : public ::testing::TestWithParam<MotionCase> {};

TEST_P(MotionRuleTest, DrawsTheSegments) {
  const MotionCase& c = GetParam();
  EXPECT_EQ(FormatToolpathText(InterpretToolpath(c.program, ToolpathPoint{c.homeX, c.homeZ})), c.segments);
}

INSTANTIATE_TEST_SUITE_P(Rules, MotionRuleTest,
                         ::testing::ValuesIn(LoadCases<MotionCase, 5>("toolpath/motion_rules.cases")),
                         testing_support::kRowName);

// Guards against a bad end being drawn silently: each error segment is
// reported once, with the line and by how much the arc misses its circle.
TEST(ToolpathProblems, ReportsEachErrorSegment) {
  const Toolpath path = InterpretToolpath("G00 X10 Z0\nG02 X20 Z-5.02 I5\nG01 X30 A0\nG02 X40 Z-10.02 I5\n", {10, 0});
  ASSERT_EQ(path.problems.size(), 2u);
  EXPECT_EQ(path.problems[0].line, 2u);
  EXPECT_EQ(path.problems[0].kind, ToolpathProblemKind::ArcEndOffCircle);
  EXPECT_NEAR(path.problems[0].offBy, 0.02, 1e-9);
  EXPECT_EQ(path.problems[1].line, 3u);
  EXPECT_EQ(path.problems[1].kind, ToolpathProblemKind::AngleGivesNoPoint);
  EXPECT_EQ(path.segments.back().kind, SegmentKind::Cw);  // within tolerance after all
}

struct BoundsCase {
  const char* name;
  const char* program;
  double minX, maxX, minZ, maxZ;
};

// Guards against arcs clipped at the fit: the box holds the arc's bulge, not
// only its ends. Home is X20 Z0 in every row.
class BoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(BoundsTest, HoldsEveryPointDrawn) {
  const BoundsCase& c = GetParam();
  const ToolpathBounds b = InterpretToolpath(c.program, ToolpathPoint{20, 0}).bounds;
  ASSERT_FALSE(b.empty);
  EXPECT_NEAR(b.minX, c.minX, 1e-9);
  EXPECT_NEAR(b.maxX, c.maxX, 1e-9);
  EXPECT_NEAR(b.minZ, c.minZ, 1e-9);
  EXPECT_NEAR(b.maxZ, c.maxZ, 1e-9);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arcs, BoundsTest, ::testing::Values(
  // Centre X20 Z-5, radius 5: Z -10..0, radius 5..15.
  BoundsCase{"FullCircle",       "G02 X20 Z0 K-5",   10, 30, -10, 0},
  // Counter-clockwise from the right of X20 Z-5 to its left passes over the top.
  BoundsCase{"HalfOverTheTop",   "G03 X20 Z-10 K-5", 20, 30, -10, 0},
  // Clockwise between the same ends passes under the centre.
  BoundsCase{"HalfUnderneath",   "G02 X20 Z-10 K-5", 10, 20, -10, 0},
  BoundsCase{"StraightOnly",     "G01 X30 Z-4",      20, 30, -4,  0}),
  testing_support::kRowName);
// clang-format on

struct ToolCase {
  const char* name;
  const char* word;
  int number;
};

// Guards against one tool drawn in two hues because its offset changed.
class ToolNumberTest : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolNumberTest, ReadsTheToolNumber) { EXPECT_EQ(ToolNumber(GetParam().word), GetParam().number); }

INSTANTIATE_TEST_SUITE_P(Words, ToolNumberTest,
                         ::testing::ValuesIn(LoadCases<ToolCase, 3>("toolpath/tool_numbers.cases")),
                         testing_support::kRowName);

// Guards against segments drawn in the wrong tool's hue: a tool word counts
// from its own line, and the T word of a grooving cycle is no tool call.
TEST(ToolpathTools, SegmentsCarryTheActiveToolWord) {
  const Toolpath path = InterpretToolpath("G00 X50 Z5\nG00 X40 T050505\nG73 X30 Z-5 T28\nG01 Z-6 T280828\n", {50, 5});
  ASSERT_EQ(path.segments.size(), 4u);
  EXPECT_EQ(path.tools[path.segments[0].tool], "");
  EXPECT_EQ(path.tools[path.segments[1].tool], "T050505");
  EXPECT_EQ(path.tools[path.segments[2].tool], "T050505");
  EXPECT_EQ(path.tools[path.segments[3].tool], "T280828");
}

// Guards against the blank of the graphic data lost or misread: PS RC,[Z,X],
// [length,diameter] from the face down; ",0" marks the bore.
TEST(ToolpathBlank, ReadsTheMaterialRectangles) {
  const Toolpath path =
      InterpretToolpath("N000 PS RC,[2,0],[102,80]\nN000 PS RC,[0.5,0],[60,25],0\nPS RC,[1]\n", ToolpathPoint{});
  ASSERT_EQ(path.blank.size(), 2u);
  EXPECT_EQ(path.blank[0].z1, 2);
  EXPECT_EQ(path.blank[0].z2, -100);
  EXPECT_EQ(path.blank[0].x2, 80);
  EXPECT_FALSE(path.blank[0].bore);
  EXPECT_EQ(path.blank[1].z2, -59.5);
  EXPECT_EQ(path.blank[1].x2, 25);
  EXPECT_TRUE(path.blank[1].bore);
  EXPECT_EQ(path.blank[1].line, 2u);
}

std::string GeneratedBlock(const std::string& golden) {
  std::ifstream in(std::string(std::getenv("QUILLON_TEST_DATA")) + "/" + golden, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const std::string all = text.str();
  const std::size_t from = all.find("--- expect\n"), to = all.find("--- end");
  if (from == std::string::npos || to == std::string::npos) return "";
  return all.substr(from + 11, to - from - 11);
}

// Guards against the generated roughing blocks drawn wrongly as a whole: the
// path of the outside and inside examples, derived by hand below.
TEST(RoughingExamples, OutsideRoughing) {
  // From home X500 Z500 (the defaults). Line 4 "G00 X60 Z50" rapids there, line
  // 5 "Z2" on. Line 6, G85 NAP2, names the contour that follows: no segment of
  // its own. Lines 8-13 are contour NAP2 from X60 Z2: G00 X37; G01 Z0.5; the
  // chamfer X40 A135 ends at Z0.5 + 1.5/tan 135 = -1; Z-30; X58; X60 A135 ends
  // at Z-30 + 1/tan 135 = -31. G80 returns to X60 Z2, where line 16 rapids home.
  EXPECT_EQ(FormatToolpathText(
                InterpretToolpath(GeneratedBlock("process/turning/golden/rough_od_example.golden"), {500, 500})),
            "4\trapid\t500 500\t60 50\n"
            "5\trapid\t60 50\t60 2\n"
            "8\tcontour\t60 2\t37 2\n"
            "9\tcontour\t37 2\t37 0.5\n"
            "10\tcontour\t37 0.5\t40 -1\n"
            "11\tcontour\t40 -1\t40 -30\n"
            "12\tcontour\t40 -30\t58 -30\n"
            "13\tcontour\t58 -30\t60 -31\n"
            "16\trapid\t60 2\t500 500\n");
}

TEST(RoughingExamples, InsideRoughing) {
  // Line 4 rapids to X30 Z50, line 5 to Z2. Contour NAP3 (lines 8-13) from X30
  // Z2: G00 X42; G01 Z0.5; X40 A-135 ends at Z0.5 + (-1)/tan(-135) = -0.5; Z-35;
  // X31; X30 A-135 ends at Z-35 + (-0.5)/1 = -35.5. Back at X30 Z2 the tool
  // leaves the bore along Z first (line 16 Z50), then goes home (line 17).
  EXPECT_EQ(
      FormatToolpathText(InterpretToolpath(GeneratedBlock("process/turning/golden/rough_id_base.golden"), {500, 500})),
      "4\trapid\t500 500\t30 50\n"
      "5\trapid\t30 50\t30 2\n"
      "8\tcontour\t30 2\t42 2\n"
      "9\tcontour\t42 2\t42 0.5\n"
      "10\tcontour\t42 0.5\t40 -0.5\n"
      "11\tcontour\t40 -0.5\t40 -35\n"
      "12\tcontour\t40 -35\t31 -35\n"
      "13\tcontour\t31 -35\t30 -35.5\n"
      "16\trapid\t30 2\t30 50\n"
      "17\trapid\t30 50\t500 500\n");
}

// Guards against a crash, a hang or garbage out of any input: random bytes,
// weighted towards the dialect's letters, always give finite segments on
// lines of the text, inside the bounds.
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
