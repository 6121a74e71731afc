#pragma once
// Go to line: asks for a line number of the target document.
#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

class frmGoToLine : public QDialog {
  Q_OBJECT
 public:
  explicit frmGoToLine(QWidget* parent);

  QLabel* Label1 = nullptr;
  QSpinBox* txtLine = nullptr;
  QPushButton* Command1 = nullptr;  // OK
  QPushButton* Command2 = nullptr;  // Cancel

  // Offers lines 1..lineCount, starting at current.
  void offer(int lineCount, int current);

 signals:
  // OK with the line number entered.
  void goToLine(int line);
};
