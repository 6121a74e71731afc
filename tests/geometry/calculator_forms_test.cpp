// The calculator table: what each insert button writes, and which controls
// make a calculator recalculate.
#include <gtest/gtest.h>

#include "geometry/calculator_forms.h"

namespace quillon {
namespace {

// Every box shows its own number marked, so a wrong box shows up at once.
CalculatorFields Marked() {
  CalculatorFields f;
  for (int box = 1; box <= kLastBox; ++box) f.text[box] = "#" + std::to_string(box);
  return f;
}

struct InsertCase {
  const char* form;
  const char* button;
  const char* text;
};

// Guards against: a button inserting the wrong boxes, a missing or extra
// line end, the wrong G word or lead-in, and "G0*" being "fixed".
class InsertTextTest : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertTextTest, WritesItsBoxes) {
  const auto& c = GetParam();
  const CalculatorForm* form = FindCalculatorForm(c.form);
  ASSERT_NE(form, nullptr);
  const InsertButton* button = FindInsertButton(*form, c.button);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(InsertText(*button, Marked()), c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Buttons, InsertTextTest, ::testing::Values(
  //         form              button      inserted text
  InsertCase{"frmLineAngle",   "Command1", "X#4"},
  InsertCase{"frmLineAngle",   "Command3", "Z#5"},
  InsertCase{"frmLineAngle",   "Command4", "X#4 Z#5"},
  InsertCase{"frmLineAngle",   "Command5", "A#3"},
  InsertCase{"frmLineR",       "Command1", " X#1 Z#2\n"},
  InsertCase{"frmLineR",       "Command3", " X#4 Z#5\n"},
  InsertCase{"frmLineR",       "Command4", "N000 G01 X#7 Z#8\n"},
  InsertCase{"frmLineR",       "Command6", " I#9 K#10\n"},
  InsertCase{"frmLineR",       "Command5", "N000 G0* X#11 Z#12 L#6\n"},
  InsertCase{"frmLineR",       "Command7", " I#13 K#14\n"},
  InsertCase{"frmLineRLine",   "Command1", "N000 G01 X#1 Z#2\n"},
  InsertCase{"frmLineRLine",   "Command3", "N000 G01 X#4 Z#5\n"},
  InsertCase{"frmLineRLine",   "Command4", "N000 G01 X#7 Z#8\n"},
  InsertCase{"frmLineRLine",   "Command5", "N000 G01 X#10 Z#11\n"},
  InsertCase{"frmLineRLine",   "Command8", "N000     X#12 Z#13\n"},
  InsertCase{"frmLineRLine",   "Command6", " I#16 K#17\n"},
  InsertCase{"frmLineRLine",   "Command9", "N000 G0* X#14 Z#15 L#9\n"},
  InsertCase{"frmLineRLine",   "Command7", " I#18 K#19\n"},
  InsertCase{"frmLineRPoint",  "Command1", " X#1 Z#2\n"},
  InsertCase{"frmLineRPoint",  "Command3", " X#4 Z#5\n"},
  InsertCase{"frmLineRPoint",  "Command4", " X#6 Z#7\n"},
  InsertCase{"frmLineRPoint",  "Command5", " X#9 Z#10\n"},
  InsertCase{"frmLineRPoint",  "Command6", " I#11 K#12\n"},
  InsertCase{"frmCirclePoint", "Command1", " X#5 Z#6"},
  InsertCase{"frmCirclePoint", "Command3", " I#7 K#8"}
), [](const auto& info) { return std::string(info.param.form) + "_" + info.param.button; });
// clang-format on

// The worked examples: values as the boxes show them.
TEST(InsertTextExamples, LineAngleEndPointHasNoLineEnd) {
  CalculatorFields f;
  f.text[4] = "20", f.text[5] = "-10";
  EXPECT_EQ(InsertText(*FindInsertButton(*FindCalculatorForm("frmLineAngle"), "Command4"), f), "X20 Z-10");
}

TEST(InsertTextExamples, LineRCross2WithRadius) {
  CalculatorFields f;
  f.text[11] = "20", f.text[12] = "-15", f.text[6] = "5";
  EXPECT_EQ(InsertText(*FindInsertButton(*FindCalculatorForm("frmLineR"), "Command5"), f),
            "N000 G0* X20 Z-15 L5\n");
}

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
  const Calculation out = Recalculate(*form, f, c.control);
  EXPECT_EQ(out.figure.has_value(), c.recalculates);
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

TEST(LineAngleTrigger, OnlyTheEndBoxesCalculate) {
  const CalculatorForm* form = FindCalculatorForm("frmLineAngle");
  ASSERT_NE(form, nullptr);
  CalculatorFields f;
  f.text[1] = "0", f.text[2] = "0", f.text[3] = "45", f.text[4] = "20";
  EXPECT_EQ(Recalculate(*form, f, "Text3").fields.text[5], "");
  EXPECT_EQ(Recalculate(*form, f, "Text4").fields.text[5], "10");
}

}  // namespace
}  // namespace quillon
