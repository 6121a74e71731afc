#pragma once
// "Find": the text to look for and a "from top" box. The form only says
// what the user asked for; the search runs in TransformCommands.
#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

class frmFind : public QDialog {
  Q_OBJECT
 public:
  explicit frmFind(QWidget* parent);

  void setFindText(const QString& text);
  QString findText() const;
  // A check box under the others for one of the search options.
  QCheckBox* addOption(const QString& name, const QString& caption);

 signals:
  void findTextChanged(const QString& text);
  void nextFindRequested(bool fromTop);

 private:
  void txtFind_Change();
  void NextFind_Click();

  QLineEdit* m_txtFind = nullptr;
  QCheckBox* m_check1 = nullptr;
  QPushButton* m_nextFind = nullptr;
  QPushButton* m_cancel = nullptr;
  QGridLayout* m_grid = nullptr;
  int m_optionRow = 2;
};
