// The calculator table: its dump, and which controls make a calculator recalculate.
#include <gtest/gtest.h>

#include "geometry/calculator_forms.h"
#include "support/golden_file.h"

namespace quillon {
namespace {

struct TriggerCase {
  const char* form;
  const char* control;
  bool recalculates;
};

// Guards against: the drawing click recalculating where it should not (and the reverse), and options or the zoom box
// not redrawing.
class TriggerTest : public ::testing::TestWithParam<TriggerCase> {};

TEST_P(TriggerTest, RecalculatesOnlyOnItsControls) {
  const auto& c = GetParam();
  const CalculatorForm* form = FindCalculatorForm(c.form);
  ASSERT_NE(form, nullptr);
  // A complete line and nothing else (for frmCirclePoint: a circle X20 Z0 R10): every drawing calculator draws
  // something from it.
  CalculatorFields f;
  f.text[1] = "20", f.text[2] = "0", f.text[3] = "10";
  EXPECT_EQ(Recalculate(*form, f, c.control).figure.has_value(), c.recalculates);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Controls, TriggerTest, ::testing::Values(
  //          form              control     recalculates
  TriggerCase{"frmLineR",       "Text1",    true},
  TriggerCase{"frmLineR",       "Text6",    true},
  TriggerCase{"frmLineR",       "Picture1", true},
  TriggerCase{"frmLineR",       "Text7",    false},
  TriggerCase{"frmLineRLine",   "Text9",    true},
  TriggerCase{"frmLineRLine",   "Option4",  true},
  TriggerCase{"frmLineRLine",   "Check1",   true},
  TriggerCase{"frmLineRLine",   "Picture1", true},
  TriggerCase{"frmLineRPoint",  "Option2",  true},
  TriggerCase{"frmLineRPoint",  "Picture1", false},
  TriggerCase{"frmLineRPoint",  "Option3",  false},
  TriggerCase{"frmCirclePoint", "Picture1", true},
  TriggerCase{"frmCirclePoint", "Check1",   false}
), [](const auto& info) { return std::string(info.param.form) + "_" + info.param.control; });
// clang-format on

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
      dump += "  " + b.control + " " + testing_support::Quoted(b.caption) + " writes " + testing_support::Quoted(text) + "\n";
    }
  }
  EXPECT_EQ(testing_support::GoldenMismatch("geometry/golden/calculator_forms.txt", dump), "");
  EXPECT_EQ(FindCalculatorForm("RPM"), nullptr);
}

}  // namespace
}  // namespace quillon
