#pragma once
// "Sequence Number Arrange": digits, start, step, spacing and where to
// start and stop. Every opening starts from the design defaults.
#include <QDialog>

#include "transform/sequence_numbers.h"

class Interaction;
class NumberEntries;
class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmNumberArrange : public QDialog {
  Q_OBJECT
 public:
  // interaction shows the refusal of a box that is not a number.
  explicit frmNumberArrange(QWidget* parent, Interaction* interaction = nullptr);

  // The entries as the run reads them.
  quillon::ArrangeOptions options() const;
  // "Keep jump targets" as remembered from the last run.
  void setKeepTargets(bool on);

 signals:
  // OK: the form has closed itself before this is sent.
  void arrangeRequested(const quillon::ArrangeOptions& options);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // No default button: Enter on a check box or an option runs nothing.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Command1_Click();
  void StopM02_Click();

  QLineEdit* m_digitNo = nullptr;
  QLineEdit* m_startNo = nullptr;
  QLineEdit* m_addNo = nullptr;
  QRadioButton* m_withoutSpace = nullptr;
  QRadioButton* m_with1Space = nullptr;
  QRadioButton* m_with5Space = nullptr;
  QCheckBox* m_fromTop = nullptr;
  QCheckBox* m_stopM02 = nullptr;
  QCheckBox* m_continue = nullptr;
  QCheckBox* m_keepTargets = nullptr;
  Interaction* m_interaction = nullptr;
  QPushButton* m_command1 = nullptr;
  QPushButton* m_cancel = nullptr;
  NumberEntries* m_entries = nullptr;
};
