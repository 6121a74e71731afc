#pragma once
// The calculator dialogs as data: which boxes are entries and results, what
// makes them recalculate, and what each insert button writes. The forms and
// quillon-nc calc both work from this table.
#include <string>
#include <string_view>
#include <vector>

#include "document/document_edit.h"
#include "geometry/calculator.h"

namespace quillon {

struct InsertButton {
  std::string control;  // CommandN
  std::string caption;
  // The inserted text; {n} stands for the text of the box TextN as it stands.
  std::string pattern;
};

struct CalculatorForm {
  std::string name;                   // frmLineAngle, frmLineR, ...
  std::vector<int> entries;           // entry boxes in Enter order (then Command1)
  std::vector<int> results;           // boxes a calculation writes, in control order
  int options = 0;                    // Option1..OptionN
  bool hasCheck = false;              // Check1 "Circle zoom"
  bool drawingRecalculates = false;   // clicking the drawing recalculates
  bool insertCloses = false;          // the dialog unloads after an insert
  std::vector<InsertButton> buttons;  // insert buttons in control order
  Calculation (*calculate)(const CalculatorFields&, std::string_view control) = nullptr;
};

// Every calculator with boxes (RPM, which only has V and Diameter, is separate).
const std::vector<CalculatorForm>& CalculatorForms();
const CalculatorForm* FindCalculatorForm(std::string_view name);
const InsertButton* FindInsertButton(const CalculatorForm& form, std::string_view control);

// What happens when control (TextN left, OptionN or Check1 clicked with the
// fields already showing the click, Picture1 clicked) hands the fields on;
// controls that trigger nothing leave everything as it is.
Calculation Recalculate(const CalculatorForm& form, const CalculatorFields& fields, std::string_view control);

// What an insert button writes at the selection ("\n" is the line end).
DocumentEdit InsertEdit(const InsertButton& button, const CalculatorFields& fields);

// "Text7" for 7.
std::string BoxName(int box);

}  // namespace quillon
