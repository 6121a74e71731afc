#pragma once
// Circle and line: where a line of a given angle touches a circle.
#include "ui/geometry/CalculatorDialog.h"

class frmCirclePoint : public CalculatorDialog {
  Q_OBJECT
 public:
  explicit frmCirclePoint(DocumentHost& documents);
};
