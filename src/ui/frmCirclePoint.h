#pragma once
// Circle and line: where a line of a given angle touches a circle.
#include "CalculatorDialog.h"

class frmCirclePoint : public CalculatorDialog {
  Q_OBJECT
 public:
  explicit frmCirclePoint(frmMain& main);
};
