#pragma once
// Line and angle: the other end coordinate of a line, or its angle.
#include "ui/geometry/CalculatorDialog.h"

class frmLineAngle : public CalculatorDialog {
  Q_OBJECT
 public:
  explicit frmLineAngle(DocumentHost& documents);
};
