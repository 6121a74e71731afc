#pragma once
// The button scheme frmReplace and frmSizeShift share: a find box, a second
// box (replacement or calculation), "from top", Change / Skip / All Change
// (enabled, Change the default button, only while both boxes hold text) and
// Cancel. The form only reports what the user asked for.
#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

class SearchChangeDialog : public QDialog {
  Q_OBJECT
 public:
  struct Texts {
    QString formName, caption;
    QString findLabel, findTip;
    QString valueName, valueLabel, valueTip, valueNote;
    QString fromTop;
  };
  SearchChangeDialog(QWidget* parent, const Texts& texts);

  void setFindText(const QString& text);
  // A check box under the buttons for one of the search options.
  QCheckBox* addOption(const QString& name, const QString& caption);
  QString findText() const;
  QString valueText() const;

 signals:
  void textsChanged(const QString& findText, const QString& valueText);
  void changeRequested(bool fromTop);
  void skipRequested(bool fromTop);
  void allChangeRequested(bool fromTop);

 protected:
  void txtFind_Change();
  // Reads and clears "from top".
  bool takeFromTop();

  QLineEdit* m_txtFind = nullptr;
  QLineEdit* m_txtValue = nullptr;
  QCheckBox* m_check1 = nullptr;
  QPushButton* m_change = nullptr;
  QPushButton* m_nextFind = nullptr;
  QPushButton* m_allChange = nullptr;
  QPushButton* m_cancel = nullptr;
  QGridLayout* m_grid = nullptr;
  int m_optionRow = 4;
};
