#pragma once
// "Parameter": the machine configuration every generator reads. OK copies the
// dialog into the record and stores it at once; Cancel leaves both alone.
#include <QDialog>

#include "app/machine_parameters.h"
#include "app/settings.h"

class Interaction;
class NumberEntries;

class frmProcessSetup : public QDialog {
  Q_OBJECT
 public:
  // interaction shows the refusal of a box that is not a number.
  frmProcessSetup(quillon::MachineParameters& machine, quillon::SettingsStore& store, QWidget* parent = nullptr,
                  Interaction* interaction = nullptr);

 private:
  void load();
  // With Tallix the turret index position is the reference point reached by
  // "G21 HP=4", so its coordinates are not asked, and the tool-request
  // options (turret type, ATC macro) apply.
  void ChkTallix_Click();
  void Command1_Click();
  void Command2_Click();

  quillon::MachineParameters& m_machine;
  quillon::SettingsStore& m_store;
  NumberEntries* m_entries = nullptr;
};
