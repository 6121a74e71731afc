#pragma once
// The cutting-condition window: the material table in use, rows 1 to 34 under
// headings that say what each column is, each row's commands as its tool tip.
// "Open..." reads another material file into the table in use (no document
// is touched); cells are edited on a copy that "Save" writes back into the
// same file (only edited records change, the file is replaced whole or not
// at all) and "Revert" drops. The file of the last run is offered, not read.
#include <QDialog>
#include <string>

#include "process/cutting_conditions.h"

class Interaction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
namespace quillon {
struct MachineParameters;
}

class frmCuttingConditions : public QDialog {
  Q_OBJECT
 public:
  // table is the one the process commands read; machine holds the material
  // file's name and folder (CsvFileName, CsvPathName).
  frmCuttingConditions(quillon::MachineParameters& machine, quillon::CuttingConditionTable& table,
                       Interaction& interaction, QWidget* parent = nullptr);

  // Reads path into the table in use; false (with a message) when it cannot.
  bool loadFile(const QString& path);
  // Whether cells were edited since the last load or save.
  bool edited() const;

  void Open_Click();
  void Load_Click();  // reads the offered file
  bool Save_Click();
  void Revert_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void fill();
  void cellChanged(QTableWidgetItem* item);
  void updateState();

  quillon::MachineParameters& m_machine;
  quillon::CuttingConditionTable& m_table;
  Interaction& m_interaction;
  QString m_path;                         // the file shown; empty before a load
  std::string m_bytes;                    // its bytes as read or last saved
  quillon::CuttingConditionTable m_edit;  // what the cells show
  bool m_filling = false;
  QLineEdit* m_file = nullptr;
  QLabel* m_offer = nullptr;
  QPushButton* m_load = nullptr;
  QPushButton* m_save = nullptr;
  QPushButton* m_revert = nullptr;
  QTableWidget* m_grid = nullptr;
};
