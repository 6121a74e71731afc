#pragma once
// "Calculation Replace": an address word and a calculation applied to the
// number after it, Change / Skip / All Change.
#include "ui/transform/SearchChangeDialog.h"

class frmSizeShift : public SearchChangeDialog {
  Q_OBJECT
 public:
  explicit frmSizeShift(QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
