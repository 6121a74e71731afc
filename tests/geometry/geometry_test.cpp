// The calculators as functions from entries to results and drawings, run
// through the form table the dialogs and quillon-nc calc use; the table
// itself against its dump; the spindle speed and the drawing helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "geometry/calculator_forms.h"
#include "geometry/point_line_circle.h"
#include "geometry/spindle_speed.h"
#include "numbers/nc_number.h"
#include "support/golden_file.h"

namespace quillon {
namespace {

constexpr auto kName = [](const auto& info) { return std::string(info.param.name); };

// "1=20 2=0 ..." typed into the boxes; every result box that is no entry holds "kept".
CalculatorFields Fields(const CalculatorForm& form, const std::string& entries, int option = 1) {
  CalculatorFields f;
  for (int box : form.results) f.text[box] = "kept";
  for (int box : form.entries) f.text[box] = "";
  std::istringstream in(entries);
  for (std::string e; in >> e;) f.text[std::stoi(e.substr(0, e.find('=')))] = e.substr(e.find('=') + 1);
  f.option = option;
  return f;
}

std::string Results(const CalculatorForm& form, const CalculatorFields& f) {
  std::string s;
  for (int box : form.results) s += (s.empty() ? "" : " ") + (f.text[box].empty() ? "_" : f.text[box]);
  return s;
}

std::string P(FigurePoint p) { return ShortestNumberText(std::round(p.x * 1e4) / 1e4) + "," + ShortestNumberText(std::round(p.y * 1e4) / 1e4); }

// The drawing as "lines; circles; marks; text", points as drawing x,y (Z, minus the radius).
std::string Drawn(const Figure& f) {
  std::string s;
  for (const auto& l : f.lines) s += P(l.from) + ">" + P(l.to) + " ";
  s += ";";
  for (const auto& c : f.circles) s += " " + P(c.centre) + " r" + ShortestNumberText(c.radius);
  s += ";";
  for (const auto& c : f.points) s += " " + P(c.centre);
  return s + ";" + f.text;
}

struct CalcCase {
  const char *name, *form, *control;  // control: the box left (or option clicked) that recalculates
  const char* entries;
  int option;
  const char* results;  // the form's result boxes in control order ("_" empty, "kept": the earlier text stays)
  const char* drawing;  // the drawing's text; "-": the drawing stays as it was
};

// Guards against: a wrong radian constant, quadrant or side; options swapped or centres not mirrored; I written
// as a diameter difference where it is a radius value (and the reverse); the ten-thousandth nudge missing, added
// twice or added where it does not belong; negative values cut towards zero; a division by zero writing inf; and
// a calculation run with an entry empty, or an impossible one writing results instead of saying so.
class CalculatorTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalculatorTest, WritesItsResultsAndDrawing) {
  const auto& c = GetParam();
  const CalculatorForm& form = *FindCalculatorForm(c.form);
  const Calculation out = Recalculate(form, Fields(form, c.entries, c.option), c.control);
  EXPECT_EQ(Results(form, out.fields), c.results);
  EXPECT_EQ(out.figure ? out.figure->text : "-", c.drawing);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LineAngle, CalculatorTest, ::testing::Values(
  //       name                        form            left     entries (A, X2, Z2 are also results)   opt  A X2 Z2
  // Z2 = 0 + (20 - 0) / 2 / tan 45 = 10 (tan is 0.99999997 with 6.2831852; the nudge restores 10)
  CalcCase{"LeaveX2GivesZ2",           "frmLineAngle", "Text4", "1=0 2=0 3=45 4=20",                    1, "45 20 10",      "-"},
  // X2 = 0 + 2 tan 45 (10 - 0) = 20
  CalcCase{"LeaveZ2GivesX2",           "frmLineAngle", "Text5", "1=0 2=0 3=45 5=10",                    1, "45 20 10",      "-"},
  // A given: X2 is recomputed over what was typed
  CalcCase{"LeaveZ2OverwritesX2",      "frmLineAngle", "Text5", "1=0 2=0 3=45 4=99 5=10",               1, "45 20 10",      "-"},
  // arctan(10 / -10) = -45, +0.0001, +180 = 135.0001
  CalcCase{"AngleTowardsMinusZ",       "frmLineAngle", "Text5", "1=0 2=0 4=20 5=-10",                   1, "135 20 -10",    "-"},
  // arctan(-10 / -10) = 45, +0.0001, -180 = -134.9999 -> floor -135
  CalcCase{"AngleFallingTowardsMinusZ","frmLineAngle", "Text5", "1=20 2=0 4=0 5=-10",                   1, "-135 0 -10",    "-"},
  // arctan(10 / 10) = 45, no correction towards +Z
  CalcCase{"AngleTowardsPlusZ",        "frmLineAngle", "Text5", "1=0 2=0 4=20 5=10",                    1, "45 20 10",      "-"},
  // parallel to Z towards -Z: arctan 0 = 0, no correction when X1 = X2
  CalcCase{"ParallelToZKeepsZero",     "frmLineAngle", "Text5", "1=20 2=0 4=20 5=-10",                  1, "0 20 -10",      "-"},
  // tan 0 = 0: division by zero, Z2 keeps its text; Z2 = Z1: division by zero, no angle
  CalcCase{"ZeroAngleKeepsZ2",         "frmLineAngle", "Text4", "1=0 2=0 3=0 4=20 5=7",                 1, "0 20 7",        "-"},
  CalcCase{"SameZWritesNoAngle",       "frmLineAngle", "Text5", "1=0 2=5 4=20 5=5",                     1, "_ 20 5",        "-"},
  CalcCase{"EmptyStartDoesNothing",    "frmLineAngle", "Text4", "2=0 3=45 4=20",                        1, "45 20 _",       "-"},
  CalcCase{"EmptyAngleLeavingX2",      "frmLineAngle", "Text4", "1=0 2=0 4=20",                         1, "_ 20 _",        "-"},
  CalcCase{"NeitherAngleNorX2",        "frmLineAngle", "Text5", "1=0 2=0 5=10",                         1, "_ _ 10",        "-"},
  CalcCase{"EmptyZ2DoesNothing",       "frmLineAngle", "Text5", "1=0 2=0 3=45 4=20",                    1, "45 20 _",       "-"},
  CalcCase{"LeavingAngleDoesNothing",  "frmLineAngle", "Text3", "1=0 2=0 3=45 4=20",                    1, "45 20 _",       "-"},
  // the leading number counts: "45deg" reads 45
  CalcCase{"LenientAngle",             "frmLineAngle", "Text4", "1=0 2=0 3=45deg 4=20",                 1, "45deg 20 10",   "-"}),
  kName);

INSTANTIATE_TEST_SUITE_P(LineR, CalculatorTest, ::testing::Values(
  //       name                        form        left     X1 Z1 A, Xc Zc R                opt  cross 1 X Z I K, cross 2 X Z I K
  // h = 0, beta = 90: t1 = -180 -> Z = -20 - 5, t2 = 0 -> Z = -20 + 5; K = Zc - Z
  CalcCase{"ParallelLineThroughCentre","frmLineR", "Text6", "1=20 2=0 3=0 4=20 5=-20 6=5",     1, "20 -25 0 5 20 -15 0 -5", ""},
  // the same line taken the other way: t1 = 0, t2 = 180; 360 > 180 becomes 0
  CalcCase{"Angle180SwapsOrder",       "frmLineR", "Text6", "1=20 2=0 3=180 4=20 5=-20 6=5",   1, "20 -15 0 -5 20 -25 0 5", ""},
  CalcCase{"AngleAbove180WrapsRound",  "frmLineR", "Text6", "1=20 2=0 3=360 4=20 5=-20 6=5",   1, "20 -25 0 5 20 -15 0 -5", ""},
  // Z = 19.99999 - 5 = 14.99999, + 0.0001 -> 15
  CalcCase{"NudgeRestoresWholeNumber", "frmLineR", "Text6", "1=20 2=0 3=0 4=20 5=19.99999 6=5",1, "20 15 0 5 20 25 0 -5",   ""},
  // through the centre at 45: cross 1 at t = -135: X = 2 * 10 * sin(-135) = -14.14214, + 0.0001 -> floor -14.143;
  // Z = -7.07107 + 0.0001 -> -7.071; cross 2 at t = 45: X14.142 Z7.071, I2 = 0 - 14.14214 + 0.0001 -> -14.143
  CalcCase{"SlopedThroughCentre",      "frmLineR", "Text6", "1=0 2=0 3=45 4=0 5=0 6=10",       1, "-14.143 -7.071 14.142 7.071 14.142 7.071 -14.143 -7.071", ""},
  // centre 10 from the line, R 5: the line misses; R 10: touching is not crossing (|s| = 1)
  CalcCase{"LineMisses",               "frmLineR", "Text6", "1=20 2=0 3=0 4=40 5=-20 6=5",     1, "kept kept kept kept kept kept kept kept", kImpossibleText},
  CalcCase{"LineTouches",              "frmLineR", "Text6", "1=20 2=0 3=0 4=40 5=-20 6=10",    1, "kept kept kept kept kept kept kept kept", kImpossibleText},
  CalcCase{"ZeroRadius",               "frmLineR", "Text6", "1=20 2=0 3=0 4=20 5=-20 6=0",     1, "kept kept kept kept kept kept kept kept", kImpossibleText},
  CalcCase{"NoAngleKeepsTheDrawing",   "frmLineR", "Text6", "1=20 2=0 4=20 5=-20 6=5",         1, "kept kept kept kept kept kept kept kept", "-"},
  // a result box left triggers nothing
  CalcCase{"ResultBoxTriggersNothing", "frmLineR", "Text7", "1=20 2=0 3=0 4=20 5=-20 6=5",     1, "kept kept kept kept kept kept kept kept", "-"}),
  kName);

// Line 1 along Z at radius 10 (X20 Z0 A0), line 2 along X through Z-10 (X40 Z-10 A90): they cross at X20 Z-10
// with a right angle. R = 5: d = R / tan 45 = 5, L = 5 sqrt 2; with m = 45 the centre lies 5 off in radius and in Z.
INSTANTIATE_TEST_SUITE_P(LineRLine, CalculatorTest, ::testing::Values(
  //       name        form            left     entries                                     opt  corner X Z, centre CX CZ, cross 1 X Z I K, cross 2 X Z I K
  // centre radius 15 Z-5; cross 1 on line 1 at Z-10+5; cross 2 on line 2 at radius 10+5
  CalcCase{"Option1",  "frmLineRLine", "Text9", "1=20 2=0 3=0 4=40 5=-10 6=90 9=5",     1, "20 -10 30 -5 20 -5 30 -10 5 0 0 5",    ""},
  // mirrored through the corner: (30 + 10) / 2 = 20, (-5 + -15) / 2 = -10
  CalcCase{"Option2",  "frmLineRLine", "Option2", "1=20 2=0 3=0 4=40 5=-10 6=90 9=5",   2, "20 -10 10 -15 20 -15 10 -10 -5 0 0 -5", ""},
  // h = (pi - 90) / 2 = 45, m = (pi - 0 - 90) / 2 = 45, sg = +1 (A1 < A2)
  CalcCase{"Option3",  "frmLineRLine", "Option3", "1=20 2=0 3=0 4=40 5=-10 6=90 9=5",   3, "20 -10 30 -15 20 -15 30 -10 5 0 0 -5",  ""},
  CalcCase{"Option4",  "frmLineRLine", "Option4", "1=20 2=0 3=0 4=40 5=-10 6=90 9=5",   4, "20 -10 10 -5 20 -5 10 -10 -5 0 0 5",    ""},
  // both lines along Z: no corner, nothing divided by zero into the boxes
  CalcCase{"Parallel", "frmLineRLine", "Text9", "1=20 2=0 3=0 4=40 5=-10 6=0 9=5",      1, "kept kept kept kept kept kept kept kept kept kept kept kept", kImpossibleText},
  // no R: the corner only
  CalcCase{"NoRadius", "frmLineRLine", "Text9", "1=20 2=0 3=0 4=40 5=-10 6=90",         1, "20 -10 kept kept kept kept kept kept kept kept kept kept", ""}),
  kName);

// Line along the axis (X0 Z0 A0), R 5. P at radius 2 lies q = 2 from the line: the centre is at radius 5, w =
// sqrt(25 - (5 - 2)^2) = 4 along the line from P, so at Z10 - 4 (option 1) or Z10 + 4 (option 2); it touches the
// axis straight below, I = 5, K = 0.
INSTANTIATE_TEST_SUITE_P(LineRPoint, CalculatorTest, ::testing::Values(
  //       name                       form             left     X1 Z1 A, Xp Zp, R                 opt  CX CZ X Z I K
  CalcCase{"Option1TowardsLinePoint", "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=4 5=10 8=5",       1, "10 6 0 6 5 0",     ""},
  CalcCase{"Option2AwayFromIt",       "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=4 5=10 8=5",       2, "10 14 0 14 5 0",   ""},
  // A = 180 is the same line taken the other way (|A| > 90: A - 180 = 0)
  CalcCase{"AngleBeyond90Turned",     "frmLineRPoint", "Text8", "1=0 2=0 3=180 4=4 5=10 8=5",     1, "10 6 0 6 5 0",     ""},
  // P before the line point (Zp <= Z1): mirrored, option 1 still towards Z0
  CalcCase{"MirroredInZ",             "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=4 5=-10 8=5",      1, "10 -6 0 -6 5 0",   ""},
  CalcCase{"MirroredInZOption2",      "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=4 5=-10 8=5",      2, "10 -14 0 -14 5 0", ""},
  // P at radius 8: q = 8 lies between R and 2R; the centre at radius 5 is 5 - 8 = -3 across and again w = 4 along
  CalcCase{"BetweenRAnd2R",           "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=16 5=10 8=5",      1, "10 6 0 6 5 0",     ""},
  CalcCase{"BetweenRAnd2ROption2",    "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=16 5=10 8=5",      2, "10 14 0 14 5 0",   ""},
  // q = R exactly: the centre lies level with P, w = R; q = 2R: one circle, straight under P, for both options
  CalcCase{"ExactlyR",                "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=10 5=10 8=5",      1, "10 5 0 5 5 0",     ""},
  CalcCase{"Exactly2R",               "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=20 5=10 8=5",      1, "10 10 0 10 5 0",   ""},
  CalcCase{"Exactly2ROption2",        "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=20 5=10 8=5",      2, "10 10 0 10 5 0",   ""},
  // P below a line at radius 10 (X20): the circle hangs under the line, I = -5
  CalcCase{"PointBelowTheLine",       "frmLineRPoint", "Text8", "1=20 2=0 3=0 4=16 5=10 8=5",     1, "10 6 20 6 -5 0",   ""},
  CalcCase{"FartherThan2R",           "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=20.01 5=10 8=5",   1, "kept kept kept kept kept kept", kImpossibleText},
  CalcCase{"ZeroRadius",              "frmLineRPoint", "Text8", "1=0 2=0 3=0 4=4 5=10 8=0",       1, "kept kept kept kept kept kept", kImpossibleText},
  CalcCase{"NoZ1KeepsTheDrawing",     "frmLineRPoint", "Text8", "1=0 3=0 4=4 5=10 8=5",           1, "kept kept kept kept kept kept", "-"}),
  kName);

INSTANTIATE_TEST_SUITE_P(CirclePoint, CalculatorTest, ::testing::Values(
  //       name            form              left     Xc Zc R A              opt  X Z I K
  // c = 5 cos 0 = 5, s = 0: X = 20 - 2 * 5, I = c
  CalcCase{"Option1Level", "frmCirclePoint", "Text4", "1=20 2=0 3=5 4=0",       1, "10 0 5 0",               ""},
  CalcCase{"Option2Level", "frmCirclePoint", "Text4", "1=20 2=0 3=5 4=0",       2, "30 0 -5 0",              ""},
  // c = s = 3.53553: X = 20 - 7.07107 = 12.92893, K = -3.53553 -> floor -3.536
  CalcCase{"Option1At45",  "frmCirclePoint", "Text4", "1=20 2=0 3=5 4=45",      1, "12.928 3.535 3.535 -3.536", ""},
  CalcCase{"Option2At45",  "frmCirclePoint", "Text4", "1=20 2=0 3=5 4=45",      2, "27.071 -3.536 -3.536 3.535", ""},
  // no nudge: I = 4.99999 stays 4.999 (the others would write 5)
  CalcCase{"NoNudge",      "frmCirclePoint", "Text4", "1=20 2=0 3=4.99999 4=0", 1, "10 0 4.999 0",           ""}),
  kName);
// clang-format on

struct DrawingCase {
  const char *name, *form, *entries, *drawn;  // drawn: see Drawn()
};

// Guards against: a view that cuts off the circle or a line point or distorts circles (every view is 8835:4875),
// a line drawn away from the crossings, marks missing or misplaced (0.001 of the width), an incomplete entry
// computing with zeros instead of drawing what it has, and the zoom not centring on the circle.
class DrawingTest : public ::testing::TestWithParam<DrawingCase> {};

TEST_P(DrawingTest, DrawsTheFigure) {
  const auto& c = GetParam();
  const CalculatorForm& form = *FindCalculatorForm(c.form);
  CalculatorFields f = Fields(form, c.entries);
  f.check1 = std::string(c.name).ends_with("Zoom");
  const Calculation out = Recalculate(form, f, "Text1");
  ASSERT_TRUE(out.figure.has_value());
  const ViewBox& v = out.figure->view;
  EXPECT_NEAR(v.width / v.height, kPictureWidth / kPictureHeight, 1e-9);
  EXPECT_EQ(P({v.left, v.top}) + " " + P({v.width, v.height}) + " | " + Drawn(*out.figure), c.drawn);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Figures, DrawingTest, ::testing::Values(
  // Z spans -25..0 (25), radius 5..15 (10); 25 > 10 * 8835 / 4875, so the width is 1.2 * 25 = 30, the left edge
  // -25 - (30 - 25) / 2 = -27.5, the top -15 - 0.1 * 25 = -17.5; the line runs from the line point (Z0, radius 10)
  // one width towards cross 2 (Z-15); marks of 0.03 at the centre and both crossings.
  DrawingCase{"LineRZRangeDominant",       "frmLineR", "1=20 2=0 3=0 4=20 5=-20 6=5",
              "-27.5,-17.5 30,16.5535 | 0,-10>-30,-10 ; -20,-10 r5; -20,-10 -25,-10 -15,-10;"},
  // Z spans -5..5 (10), radius 0..25 (25); 10 < 25 * 1.81: height 1.2 * 25 = 30, top -25 - 2.5 = -27.5, left
  // -5 - (30 * 8835 / 4875 - 10) / 2; t1 = 90 - 90 - 90 = -90: radius 20 - 5 (X30); t2 = 90: radius 25 (X50).
  DrawingCase{"LineRRadiusRangeDominant",  "frmLineR", "1=0 2=0 3=90 4=40 5=0 6=5",
              "-27.1846,-27.5 54.3692,30 | 0,0>0,-54.3692 ; 0,-20 r5; 0,-20 0,-15 0,-25;"},
  // No circle centre Z: the default scale centred on 0, one long line upwards (growing radius) for 90 degrees.
  DrawingCase{"LineROnlyItsDirection",     "frmLineR", "1=20 2=0 3=90 4=20 6=5",
              "-4417.5,-2437.5 8835,4875 | 0,-10000>0,10000 ;;;"},
  // Everything (line points Z0 / Z-10, circle Z-10..0, radius 10..20) spans 10 by 10: height 1.4 * 10 around
  // (Z-5, radius 15); marks at the corner, the centre and both tangent points.
  DrawingCase{"LineRLineFitted",           "frmLineRLine", "1=20 2=0 3=0 4=40 5=-10 6=90 9=5",
              "-17.6862,-22 25.3723,14 | -108.4308,-10>88.4308,-10 -10,88.4308>-10,-108.4308 ; -5,-15 r5; -10,-10 -5,-15 -5,-10 -10,-15;"},
  // 5 R = 25 wide around the centre (Z-5, radius 15)
  DrawingCase{"LineRLineZoom",             "frmLineRLine", "1=20 2=0 3=0 4=40 5=-10 6=90 9=5",
              "-17.5,-21.8973 25,13.7946 | -106.9864,-10>86.9864,-10 -10,86.9864>-10,-106.9864 ; -5,-15 r5; -10,-10 -5,-15 -5,-10 -10,-15;"},
  DrawingCase{"LineRLineCornerOnly",       "frmLineRLine", "1=20 2=0 3=0 4=40 5=-10 6=90",
              "-17.6862,-22 25.3723,14 | -108.4308,-10>88.4308,-10 -10,88.4308>-10,-108.4308 ;; -10,-10;"},
  // line 2 incomplete: line 1 alone at the default scale
  DrawingCase{"LineRLineLine1Only",        "frmLineRLine", "1=20 2=0 3=0 4=40 6=90 9=5",
              "-4417.5,-2437.5 8835,4875 | 10000,0>-10000,0 ;;;"},
  // P (Z10, radius 2), the circle (Z1..11, radius 0..10) and the line point Z0 span 11 by 10: the radius span
  // decides, height 1.4 * 10; marks at P, the centre (Z6, radius 5) and the touching point (Z6, radius 0).
  DrawingCase{"LineRPointFitted",          "frmLineRPoint", "1=0 2=0 3=0 4=4 5=10 8=5",
              "-7.1862,-12 25.3723,14 | -78.7446,0>78.7446,0 ; 6,-5 r5; 10,-2 6,-5 6,0;"},
  DrawingCase{"LineRPointLineOnly",        "frmLineRPoint", "1=0 2=0 3=0 4=4 5=10",
              "-4417.5,-2437.5 8835,4875 | 10000,0>-10000,0 ;;;"},
  // touching point X10 Z0 drawn at (0, -5); the tangent runs along Z there
  DrawingCase{"CirclePointTangent",        "frmCirclePoint", "1=20 2=0 3=5 4=0",
              "-12.6862,-17 25.3723,14 | -78.7446,-5>78.7446,-5 ; 0,-10 r5; 0,-10 0,-5;"},
  DrawingCase{"CirclePointCircleOnly",     "frmCirclePoint", "1=20 2=0 3=5",
              "-12.6862,-17 25.3723,14 | ; 0,-10 r5;;"}),
  kName);
// clang-format on

struct Slope {
  const char* name;
  double x1, z1, a, xp, zp, r;
};
void PrintTo(const Slope& s, std::ostream* os) { *os << s.name; }

// Guards against: sloped lines where P lies below the line point or before it giving a circle that misses P or
// crosses the line, and option 1 not being the circle towards the line's given point. Checked on the written
// (three-decimal) values, so the tolerance is a few thousandths.
class LineRPointSlopeTest : public ::testing::TestWithParam<Slope> {};

TEST_P(LineRPointSlopeTest, CircleTouchesLineAndPassesThroughPoint) {
  const auto& s = GetParam();
  constexpr double kWritten = 0.003;
  const CalculatorForm& form = *FindCalculatorForm("frmLineRPoint");
  double centreZ[3] = {};
  for (int option : {1, 2}) {
    const auto n = [](double v) { return ShortestNumberText(v); };
    const Calculation out = Recalculate(form, Fields(form, "1=" + n(s.x1) + " 2=" + n(s.z1) + " 3=" + n(s.a) + " 4=" +
                                                               n(s.xp) + " 5=" + n(s.zp) + " 8=" + n(s.r), option),
                                        "Text8");
    ASSERT_TRUE(out.figure.has_value());
    ASSERT_EQ(out.figure->text, "") << "option " << option;
    const auto read = [&](int box) { return ReadNumber(out.fields.text[box]); };
    const double cr = read(6) / 2, cz = read(7), tr = read(9) / 2, tz = read(10), a = s.a * 3.14159265358979 / 180;
    EXPECT_NEAR(std::hypot(cr - s.xp / 2, cz - s.zp), s.r, kWritten) << "centre R from P, option " << option;
    EXPECT_NEAR((tr - s.x1 / 2) * std::cos(a) - (tz - s.z1) * std::sin(a), 0.0, kWritten) << "touching point on the line";
    EXPECT_NEAR(std::hypot(cr - tr, cz - tz), s.r, kWritten) << "touching point R from the centre";
    EXPECT_NEAR((cz - tz) * std::cos(a) + (cr - tr) * std::sin(a), 0.0, kWritten) << "square to the line";
    const double sideP = (s.xp / 2 - s.x1 / 2) * std::cos(a) - (s.zp - s.z1) * std::sin(a);
    const double sideC = (cr - s.x1 / 2) * std::cos(a) - (cz - s.z1) * std::sin(a);
    EXPECT_GT(sideP * sideC, 0.0) << "centre on P's side of the line, option " << option;
    // I and K run from the touching point to the centre, I as a radius value
    EXPECT_NEAR(read(11), cr - tr, kWritten);
    EXPECT_NEAR(read(12), cz - tz, kWritten);
    centreZ[option] = cz;
  }
  // option 1 lies towards the line's given point: at smaller Z when P lies after it, at larger Z when before it
  const double away = s.zp <= s.z1 ? -1.0 : 1.0;
  EXPECT_LT(away * centreZ[1], away * centreZ[2]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slopes, LineRPointSlopeTest, ::testing::Values(
  //    name                       X1  Z1  A    Xp  Zp   R
  Slope{"RisingPointAbove",        20, 0,  30,  40, 10,  5},
  Slope{"RisingPointBelow",        20, 0,  30,  24, 10,  5},
  Slope{"FallingPointBelowStart",  40, 0,  -30, 20, 10,  5},
  Slope{"FallingPointBeforeStart", 40, 0,  -30, 50, -10, 5},
  Slope{"RisingPointBeforeStart",  20, 0,  30,  12, -10, 5},
  Slope{"FarSideBetweenRAnd2R",    20, 0,  20,  40, 10,  4}), kName);
// clang-format on

struct TriggerCase {
  const char *form, *control;
  bool recalculates;
};

// Guards against: the drawing click recalculating where it should not (and the reverse), and options or the zoom
// box not redrawing.
class TriggerTest : public ::testing::TestWithParam<TriggerCase> {};

TEST_P(TriggerTest, RecalculatesOnlyOnItsControls) {
  const auto& c = GetParam();
  // A complete line and nothing else (for frmCirclePoint: a circle X20 Z0 R10): every drawing calculator draws it.
  CalculatorFields f;
  f.text[1] = "20", f.text[2] = "0", f.text[3] = "10";
  EXPECT_EQ(Recalculate(*FindCalculatorForm(c.form), f, c.control).figure.has_value(), c.recalculates);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Controls, TriggerTest, ::testing::Values(
  TriggerCase{"frmLineR",      "Text1",   true},  TriggerCase{"frmLineR",       "Text6",    true},
  TriggerCase{"frmLineR",      "Picture1", true}, TriggerCase{"frmLineR",       "Text7",    false},
  TriggerCase{"frmLineRLine",  "Text9",   true},  TriggerCase{"frmLineRLine",   "Option4",  true},
  TriggerCase{"frmLineRLine",  "Check1",  true},  TriggerCase{"frmLineRLine",   "Picture1", true},
  TriggerCase{"frmLineRPoint", "Option2", true},  TriggerCase{"frmLineRPoint",  "Picture1", false},
  TriggerCase{"frmLineRPoint", "Option3", false}, TriggerCase{"frmCirclePoint", "Picture1", true},
  TriggerCase{"frmCirclePoint", "Check1", false}),
  [](const auto& info) { return std::string(info.param.form) + "_" + info.param.control; });
// clang-format on

std::string Boxes(const std::vector<int>& boxes) {
  std::string s;
  for (int box : boxes) s += " " + BoxName(box);
  return s;
}

// Guards against: an entry or result box dropped or out of Enter / control order, an option or the zoom box lost,
// a dialog that should stay closing after an insert, and an insert button writing other boxes or words than its
// caption promises (each pattern is also run: box n holds "#n").
TEST(CalculatorFormsTest, MatchTheirDump) {
  CalculatorFields marked;
  for (int n = 1; n <= kLastBox; ++n) marked.text[n] = "#" + std::to_string(n);
  std::string dump;
  for (const CalculatorForm& f : CalculatorForms()) {
    EXPECT_EQ(FindCalculatorForm(f.name), &f);
    dump += f.name + "\n  entries" + Boxes(f.entries) + "\n  results" + Boxes(f.results) + "\n  options " +
            std::to_string(f.options) + (f.hasCheck ? " Check1" : "") + (f.drawingRecalculates ? " drawing" : "") +
            (f.insertCloses ? " closes after an insert" : "") + "\n";
    for (const InsertButton& b : f.buttons) {
      EXPECT_EQ(FindInsertButton(f, b.control), &b);
      std::string text = InsertEdit(b, marked).text;
      for (std::size_t at; (at = text.find('\n')) != std::string::npos;) text.replace(at, 1, "\\n");
      dump += "  " + b.control + " " + testing_support::Quoted(b.caption) + " writes " + testing_support::Quoted(text) + "\n";
    }
  }
  EXPECT_EQ(testing_support::GoldenMismatch("geometry/golden/calculator_forms.txt", dump), "");
  EXPECT_EQ(FindCalculatorForm("RPM"), nullptr);
}

struct RpmCase {
  const char *name, *v, *diameter;
  RpmStep step;
  const char* text;
};

// Guards against: the exact pi instead of 3.14, rounding instead of cutting down, a multiple of 10 lost to binary
// error, and failures inserting text.
class RpmTest : public ::testing::TestWithParam<RpmCase> {};

TEST_P(RpmTest, EnterInDiameter) {
  const auto& c = GetParam();
  const RpmOutcome outcome = RpmEnterInDiameter(c.v, c.diameter);
  EXPECT_EQ(outcome.step, c.step);
  EXPECT_EQ(outcome.edit.text, c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RpmTest, ::testing::Values(
  RpmCase{"Example1590",   "100",  "20", RpmStep::Insert, "1590"},   // 100 * 1000 / 3.14 / 20 = 1592.36 -> 1590
  RpmCase{"Example950",    "150",  "50", RpmStep::Insert, "950"},    // 150 * 1000 / 3.14 / 50 = 955.41 -> 950
  RpmCase{"ExactMultiple", "3.14", "1",  RpmStep::Insert, "1000"},   // 1000 exactly, however the division rounds
  RpmCase{"CutNotRounded", "120",  "38", RpmStep::Insert, "1000"},   // 1005.70 -> 1000 (rounding would give 1010)
  RpmCase{"ShopPi",        "100",  "1",  RpmStep::Insert, "31840"},  // 31847.13 -> 31840 (the exact pi: 31830)
  RpmCase{"ZeroSpeed",     "0",    "20", RpmStep::Insert, "0"},
  RpmCase{"EmptyV",        "",     "20", RpmStep::FocusV, ""},
  RpmCase{"EmptyDiameter", "100",  "",   RpmStep::Stay,   ""},
  RpmCase{"ZeroDiameter",  "100",  "0",  RpmStep::Stay,   ""}), kName);
// clang-format on

// Guards against: the radius shown instead of the diameter, the sign of the vertical axis, rounding instead of
// cutting down, and coinciding points giving an empty view.
TEST(FigureTest, MousePositionAndFit) {
  EXPECT_EQ(MousePositionText({3.9999, -7.25678}), "X14.513 Z3.999");  // X = -2 * -7.25678 = 14.51356 -> 14.513
  EXPECT_EQ(MousePositionText({-15.12345, -10.00049}), "X20 Z-15.124");  // -15123.45 -> -15124
  EXPECT_EQ(MousePositionText({0.0, 0.5}), "X-1 Z0");                    // below the axis: a negative diameter
  EXPECT_EQ(MousePositionText({0.0, 0.0}), "X0 Z0");
  const ViewBox wide = FitView({{0, 0}, {100, -10}}, 1.4);  // the Z span decides: 1.4 * 100 wide around Z50
  EXPECT_EQ(P({wide.left, wide.top + wide.height / 2}) + " " + P({wide.width, wide.height}), "-20,-5 140,77.2496");
  const ViewBox single = FitView({{3, -4}}, 1.4);
  EXPECT_GT(single.width, 0.0);
  EXPECT_NEAR(single.left + single.width / 2, 3.0, 1e-9);
}

}  // namespace
}  // namespace quillon
