#pragma once
// Line-circle cross point: the two crossings of a line and a circle.
#include "ui/geometry/CalculatorDialog.h"

class frmLineR : public CalculatorDialog {
  Q_OBJECT
 public:
  explicit frmLineR(DocumentHost& documents);
};
