// The calculator table: which controls make a calculator recalculate (the
// insert texts of every button are checked through the dialogs).
#include <gtest/gtest.h>

#include "geometry/calculator_forms.h"

namespace quillon {
namespace {

struct TriggerCase {
  const char* form;
  const char* control;
  bool recalculates;
};

// Guards against: the drawing click recalculating where it should not (and
// the reverse), and options or the zoom box not redrawing.
class TriggerTest : public ::testing::TestWithParam<TriggerCase> {};

TEST_P(TriggerTest, RecalculatesOnlyOnItsControls) {
  const auto& c = GetParam();
  const CalculatorForm* form = FindCalculatorForm(c.form);
  ASSERT_NE(form, nullptr);
  // A complete line and nothing else (for frmCirclePoint: a circle X20 Z0
  // R10): every drawing calculator draws something from it.
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

}  // namespace
}  // namespace quillon
