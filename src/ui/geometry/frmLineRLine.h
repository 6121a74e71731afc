#pragma once
// Two lines and circle: the corner of two lines and the circle fitted into it.
#include "ui/geometry/CalculatorDialog.h"

class frmLineRLine : public CalculatorDialog {
  Q_OBJECT
 public:
  explicit frmLineRLine(DocumentHost& documents);
};
