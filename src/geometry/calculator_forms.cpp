#include "geometry/calculator_forms.h"

#include <algorithm>
#include <charconv>

#include "geometry/circle_line.h"
#include "geometry/line_angle.h"
#include "geometry/line_circle.h"
#include "geometry/point_line_circle.h"
#include "geometry/two_lines_circle.h"

namespace quillon {

namespace {

bool IsOneOf(std::string_view control, const std::vector<int>& boxes) {
  return std::any_of(boxes.begin(), boxes.end(), [&](int box) { return control == BoxName(box); });
}

bool Triggers(const CalculatorForm& form, std::string_view control) {
  if (IsOneOf(control, form.entries)) return true;
  for (int n = 1; n <= form.options; ++n)
    if (control == "Option" + std::to_string(n)) return true;
  if (form.hasCheck && control == "Check1") return true;
  return form.drawingRecalculates && control == "Picture1";
}

Calculation LineAngle(const CalculatorFields& fields, std::string_view control) {
  if (control == "Text4") return {LineAngleLeaveX2(fields), std::nullopt};
  if (control == "Text5") return {LineAngleLeaveZ2(fields), std::nullopt};
  return {fields, std::nullopt};
}

Calculation LineR(const CalculatorFields& fields, std::string_view) { return LineRCalculate(fields); }
Calculation LineRLine(const CalculatorFields& fields, std::string_view) { return LineRLineCalculate(fields); }
Calculation LineRPoint(const CalculatorFields& fields, std::string_view) { return LineRPointCalculate(fields); }
Calculation CirclePoint(const CalculatorFields& fields, std::string_view) { return CirclePointCalculate(fields); }

std::vector<CalculatorForm> MakeForms() {
  std::vector<CalculatorForm> forms;

  CalculatorForm lineAngle;
  lineAngle.name = "frmLineAngle";
  lineAngle.entries = {1, 2, 3, 4, 5};
  lineAngle.results = {3, 4, 5};
  lineAngle.insertCloses = true;
  // clang-format off
  //                   control     caption     inserted text
  lineAngle.buttons = {{"Command1", "X 2",     "X{4}"},
                       {"Command3", "Z 2",     "Z{5}"},
                       {"Command4", "X2 , Z2", "X{4} Z{5}"},
                       {"Command5", "A",       "A{3}"}};
  // clang-format on
  lineAngle.calculate = LineAngle;
  forms.push_back(lineAngle);

  CalculatorForm lineR;
  lineR.name = "frmLineR";
  lineR.entries = {1, 2, 3, 4, 5, 6};
  lineR.results = {7, 8, 9, 10, 11, 12, 13, 14};
  lineR.drawingRecalculates = true;
  // clang-format off
  //               control     caption       inserted text
  lineR.buttons = {{"Command1", "X Z insert", " X{1} Z{2}\n"},
                   {"Command3", "X Z insert", " X{4} Z{5}\n"},
                   {"Command4", "X Z insert", "N000 G01 X{7} Z{8}\n"},
                   {"Command6", "I K insert", " I{9} K{10}\n"},
                   {"Command5", "XZLinsert",  "N000 G0* X{11} Z{12} L{6}\n"},
                   {"Command7", "I K insert", " I{13} K{14}\n"}};
  // clang-format on
  lineR.calculate = LineR;
  forms.push_back(lineR);

  CalculatorForm lineRLine;
  lineRLine.name = "frmLineRLine";
  lineRLine.entries = {1, 2, 3, 4, 5, 6, 9};
  lineRLine.results = {7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
  lineRLine.options = 4;
  lineRLine.hasCheck = true;
  lineRLine.drawingRecalculates = true;
  // clang-format off
  //                   control     caption       inserted text
  lineRLine.buttons = {{"Command1", "X Z Insert", "N000 G01 X{1} Z{2}\n"},
                       {"Command3", "X Z Insert", "N000 G01 X{4} Z{5}\n"},
                       {"Command4", "X Z Insert", "N000 G01 X{7} Z{8}\n"},
                       {"Command5", "X Z Insert", "N000 G01 X{10} Z{11}\n"},
                       {"Command8", "X Z Insert", "N000     X{12} Z{13}\n"},
                       {"Command6", "I K Insert", " I{16} K{17}\n"},
                       {"Command9", "XZLInsert",  "N000 G0* X{14} Z{15} L{9}\n"},
                       {"Command7", "I K Insert", " I{18} K{19}\n"}};
  // clang-format on
  lineRLine.calculate = LineRLine;
  forms.push_back(lineRLine);

  CalculatorForm lineRPoint;
  lineRPoint.name = "frmLineRPoint";
  lineRPoint.entries = {1, 2, 3, 4, 5, 8};
  lineRPoint.results = {6, 7, 9, 10, 11, 12};
  lineRPoint.options = 2;
  // clang-format off
  //                    control     caption       inserted text
  lineRPoint.buttons = {{"Command1", "X Z insert", " X{1} Z{2}\n"},
                        {"Command3", "X Z insert", " X{4} Z{5}\n"},
                        {"Command4", "X Z insert", " X{6} Z{7}\n"},
                        {"Command5", "X Z insert", " X{9} Z{10}\n"},
                        {"Command6", "I K insert", " I{11} K{12}\n"}};
  // clang-format on
  lineRPoint.calculate = LineRPoint;
  forms.push_back(lineRPoint);

  CalculatorForm circlePoint;
  circlePoint.name = "frmCirclePoint";
  circlePoint.entries = {1, 2, 3, 4};
  circlePoint.results = {5, 6, 7, 8};
  circlePoint.options = 2;
  circlePoint.drawingRecalculates = true;
  // clang-format off
  //                     control     caption       inserted text
  circlePoint.buttons = {{"Command1", "X Z insert", " X{5} Z{6}"},
                         {"Command3", "I K insert", " I{7} K{8}"}};
  // clang-format on
  circlePoint.calculate = CirclePoint;
  forms.push_back(circlePoint);

  return forms;
}

}  // namespace

const std::vector<CalculatorForm>& CalculatorForms() {
  static const std::vector<CalculatorForm> forms = MakeForms();
  return forms;
}

const CalculatorForm* FindCalculatorForm(std::string_view name) {
  for (const auto& form : CalculatorForms())
    if (form.name == name) return &form;
  return nullptr;
}

const InsertButton* FindInsertButton(const CalculatorForm& form, std::string_view control) {
  for (const auto& button : form.buttons)
    if (button.control == control) return &button;
  return nullptr;
}

Calculation Recalculate(const CalculatorForm& form, const CalculatorFields& fields, std::string_view control) {
  if (!Triggers(form, control)) return {fields, std::nullopt};
  return form.calculate(fields, control);
}

DocumentEdit InsertEdit(const InsertButton& button, const CalculatorFields& fields) {
  std::string text;
  const std::string& p = button.pattern;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const std::size_t close = p.find('}', i);
    if (p[i] == '{' && close != std::string::npos) {
      int box = 0;
      const auto res = std::from_chars(p.data() + i + 1, p.data() + close, box);
      if (res.ec == std::errc{} && res.ptr == p.data() + close && box > 0 && box <= kLastBox) {
        text += fields.text[box];
        i = close;
        continue;
      }
    }
    text.push_back(p[i]);
  }
  return InsertAtSelection(std::move(text));
}

std::string BoxName(int box) { return "Text" + std::to_string(box); }

}  // namespace quillon
