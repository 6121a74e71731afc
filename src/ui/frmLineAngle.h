#pragma once
// Line and angle: the other end coordinate of a line, or its angle.
#include "CalculatorDialog.h"

class frmLineAngle : public CalculatorDialog {
  Q_OBJECT
 public:
  explicit frmLineAngle(frmMain& main);
};
