#pragma once
// The shared process dialog. A command's set-up (caption, label texts,
// hidden boxes, tool tips) and its pre-filled values come from the core; the
// dialog only shows them and hands back what the user typed.
#include <QDialog>
#include <QStringList>

#include "process/process_command.h"
#include "process/process_input.h"

class Interaction;
class NumberEntries;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Selects an entry box's whole text whenever it receives the focus and is
// not empty (by keyboard or by mouse), so a typed value replaces the old one.
void SelectAllOnFocus(QLineEdit* box);

class frmProcess : public QDialog {
  Q_OBJECT
 public:
  // interaction shows the refusal of a box that is not a number.
  explicit frmProcess(QWidget* parent = nullptr, Interaction* interaction = nullptr);

  // Applies a command's set-up to the design-time dialog. Returns the names
  // the set-up mentions that are no control of this dialog (empty when all
  // are known), so a mismatch between a command row and the form shows up.
  QStringList applySetup(const quillon::ProcessDialogSetup& setup);

  // Every box gets its text (a missing one is emptied), and the option pairs.
  void setValues(const quillon::ProcessDialogValues& values);
  // The boxes as typed (hidden boxes too) and the chosen options.
  quillon::ProcessDialogValues values() const;

  QLineEdit* box(const QString& name) const;
  NumberEntries& entries() const { return *m_entries; }

 private:
  void Command1_Click();
  void Command2_Click();

  NumberEntries* m_entries = nullptr;
};
