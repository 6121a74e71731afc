#pragma once
// "User Graphic Command": blank, jaws and tailstock centre for the
// controller's graphic check, and the choice of the material file. The
// subprogram and the program frame are built by the core from values().
#include <QDialog>

#include "app/machine_parameters.h"
#include "process/process_command.h"

class Interaction;
class NumberEntries;
class QLineEdit;
class UgcDrawing;

namespace quillon {
class CuttingConditionTable;
}

class frmUGC : public QDialog {
  Q_OBJECT
 public:
  // Picking a material file changes machine (CsvPathName, CsvFileName) and
  // reloads table at once, whichever button closes the dialog afterwards.
  frmUGC(quillon::MachineParameters& machine, quillon::CuttingConditionTable& table, Interaction& interaction,
         QWidget* parent = nullptr);

  void setValues(const quillon::UgcDialogValues& values);
  quillon::UgcDialogValues values() const;

  UgcDrawing* drawing() const { return m_drawing; }
  NumberEntries& entries() const { return *m_entries; }

  // Loads the material file named by machine.CsvFileName into table; a file
  // that cannot be read leaves the table as it was and is reported.
  static void LoadMaterialTable(const quillon::MachineParameters& machine, quillon::CuttingConditionTable& table,
                                Interaction& interaction, QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Check1_Click();
  void Material_Click();
  void Command1_Click();
  void Command2_Click();
  QLineEdit* text(int index) const;

  quillon::MachineParameters& m_machine;
  quillon::CuttingConditionTable& m_table;
  Interaction& m_interaction;
  UgcDrawing* m_drawing = nullptr;
  NumberEntries* m_entries = nullptr;
};
