#pragma once
// "Replace": find text, replacement, Change / Skip / All Change.
#include "ui/transform/SearchChangeDialog.h"

class frmReplace : public SearchChangeDialog {
  Q_OBJECT
 public:
  explicit frmReplace(QWidget* parent);
};
