// The calculators as functions from entries to results and drawings, run through the form table the dialogs and
// quillon-nc calc use; the table itself against its dump; the spindle speed and the drawing helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "geometry/calculator_forms.h"
#include "geometry/point_line_circle.h"
#include "geometry/spindle_speed.h"
#include "numbers/nc_number.h"
#include "support/case_file.h"
#include "support/case_suite.h"
#include "support/golden_file.h"

namespace quillon {
namespace {

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

std::string P(FigurePoint p) {
  return ShortestNumberText(std::round(p.x * 1e4) / 1e4) + "," + ShortestNumberText(std::round(p.y * 1e4) / 1e4);
}

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

// Guards against: a wrong radian constant, quadrant or side; options swapped or centres not mirrored; I written as a
// diameter difference where it is a radius value (and the reverse); the ten-thousandth nudge missing, added twice or
// added where it does not belong; negative values cut towards zero; a division by zero writing inf; and a calculation
// run with an entry empty, or an impossible one writing results instead of saying so.
class CalculatorTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalculatorTest, WritesItsResultsAndDrawing) {
  const auto& c = GetParam();
  const CalculatorForm& form = *FindCalculatorForm(c.form);
  const Calculation out = Recalculate(form, Fields(form, c.entries, c.option), c.control);
  EXPECT_EQ(Results(form, out.fields), c.results);
  EXPECT_EQ(out.figure ? out.figure->text : "-", c.drawing);
}

std::vector<CalcCase> CalcCases() {
  std::vector<CalcCase> all;
  for (const char* calculator : {"line_angle", "line_r", "line_r_line", "line_r_point", "circle_point"})
    for (const CalcCase& c :
         testing_support::LoadCases<CalcCase, 7>(std::string("geometry/cases/") + calculator + ".txt"))
      all.push_back(c);
  return all;
}

INSTANTIATE_TEST_SUITE_P(Forms, CalculatorTest, ::testing::ValuesIn(CalcCases()),
                         [](const auto& row) { return std::string(row.param.form).substr(3) + "_" + row.param.name; });

struct DrawingCase {
  const char *name, *form, *entries, *drawn;  // drawn: see Drawn()
};

// Guards against: a view that cuts off the circle or a line point or distorts circles (every view is 8835:4875), a line
// drawn away from the crossings, marks missing or misplaced (0.001 of the width), an incomplete entry computing with
// zeros instead of drawing what it has, and the zoom not centring on the circle.
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

QUILLON_CASE_SUITE(Figures, DrawingTest, DrawingCase, 4, "geometry/cases/drawings.txt");

struct Slope {
  const char* name;
  double x1, z1, a, xp, zp, r;
};
void PrintTo(const Slope& s, std::ostream* os) { *os << s.name; }

// Guards against: sloped lines where P lies below the line point or before it giving a circle that misses P or crosses
// the line, and option 1 not being the circle towards the line's given point. Checked on the written (three-decimal)
// values, so the tolerance is a few thousandths.
class LineRPointSlopeTest : public ::testing::TestWithParam<Slope> {};

TEST_P(LineRPointSlopeTest, CircleTouchesLineAndPassesThroughPoint) {
  const auto& s = GetParam();
  constexpr double kWritten = 0.003;
  const CalculatorForm& form = *FindCalculatorForm("frmLineRPoint");
  double centreZ[3] = {};
  for (int option : {1, 2}) {
    const auto n = [](double v) { return ShortestNumberText(v); };
    const Calculation out = Recalculate(
        form,
        Fields(form,
               "1=" + n(s.x1) + " 2=" + n(s.z1) + " 3=" + n(s.a) + " 4=" + n(s.xp) + " 5=" + n(s.zp) + " 8=" + n(s.r),
               option),
        "Text8");
    ASSERT_TRUE(out.figure.has_value());
    ASSERT_EQ(out.figure->text, "") << "option " << option;
    const auto read = [&](int box) { return ReadNumber(out.fields.text[box]); };
    const double cr = read(6) / 2, cz = read(7), tr = read(9) / 2, tz = read(10), a = s.a * 3.14159265358979 / 180;
    EXPECT_NEAR(std::hypot(cr - s.xp / 2, cz - s.zp), s.r, kWritten) << "centre R from P, option " << option;
    EXPECT_NEAR((tr - s.x1 / 2) * std::cos(a) - (tz - s.z1) * std::sin(a), 0.0, kWritten)
        << "touching point on the line";
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

QUILLON_CASE_SUITE(Slopes, LineRPointSlopeTest, Slope, 7, "geometry/cases/slopes.txt");

struct TriggerCase {
  const char *form, *control;
  bool recalculates;
};

// Guards against: the drawing click recalculating where it should not (and the reverse), and options or the zoom box
// not redrawing.
class TriggerTest : public ::testing::TestWithParam<TriggerCase> {};

TEST_P(TriggerTest, RecalculatesOnlyOnItsControls) {
  const auto& c = GetParam();
  // A complete line and nothing else (for frmCirclePoint: a circle X20 Z0 R10): every drawing calculator draws it.
  CalculatorFields f;
  f.text[1] = "20", f.text[2] = "0", f.text[3] = "10";
  EXPECT_EQ(Recalculate(*FindCalculatorForm(c.form), f, c.control).figure.has_value(), c.recalculates);
}

INSTANTIATE_TEST_SUITE_P(Controls, TriggerTest,
                         ::testing::ValuesIn(testing_support::LoadCases<TriggerCase, 3>("geometry/cases/triggers.txt")),
                         [](const auto& row) { return std::string(row.param.form) + "_" + row.param.control; });

std::string Boxes(const std::vector<int>& boxes) {
  std::string s;
  for (int box : boxes) s += " " + BoxName(box);
  return s;
}

// Guards against: an entry or result box dropped or out of Enter / control order, an option or the zoom box lost, a
// dialog that should stay closing after an insert, and an insert button writing other boxes or words than its caption
// promises (each pattern is also run: box n holds "#n").
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
      dump += "  " + b.control + " " + testing_support::Quoted(b.caption) + " writes " + testing_support::Quoted(text) +
              "\n";
    }
  }
  EXPECT_EQ(testing_support::GoldenMismatch("geometry/golden/calculator_forms.txt", dump), "");
  EXPECT_EQ(FindCalculatorForm("RPM"), nullptr);
}

struct RpmCase {
  const char *name, *v, *diameter;
  std::string stepName;
  const char* text;
  RpmStep step() const {
    static const std::map<std::string, RpmStep> kSteps{
        {"Insert", RpmStep::Insert}, {"FocusV", RpmStep::FocusV}, {"Stay", RpmStep::Stay}};
    return kSteps.at(stepName);
  }
};

// Guards against: the exact pi instead of 3.14, rounding instead of cutting down, a multiple of 10 lost to binary
// error, and failures inserting text.
class RpmTest : public ::testing::TestWithParam<RpmCase> {};

TEST_P(RpmTest, EnterInDiameter) {
  const auto& c = GetParam();
  const RpmOutcome outcome = RpmEnterInDiameter(c.v, c.diameter);
  EXPECT_EQ(outcome.step, c.step());
  EXPECT_EQ(outcome.edit.text, c.text);
}

QUILLON_CASE_SUITE(Cases, RpmTest, RpmCase, 5, "geometry/cases/rpm.txt");

// Guards against: the radius shown instead of the diameter, the sign of the vertical axis, rounding instead of cutting
// down, and coinciding points giving an empty view.
TEST(FigureTest, MousePositionAndFit) {
  EXPECT_EQ(MousePositionText({3.9999, -7.25678}), "X14.513 Z3.999");    // X = -2 * -7.25678 = 14.51356 -> 14.513
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
