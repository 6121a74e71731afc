#pragma once
// Point and line then circle: the circle through a point touching a line.
#include "ui/geometry/CalculatorDialog.h"

class frmLineRPoint : public CalculatorDialog {
  Q_OBJECT
 public:
  explicit frmLineRPoint(DocumentHost& documents);
};
