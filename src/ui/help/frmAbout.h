#pragma once
#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;
class Interaction;

// "Quillon": version, description, notice, and a button that starts the
// desktop's system-information tool.
class frmAbout : public QDialog {
  Q_OBJECT
 public:
  // findProgram returns the full path of a program on PATH, or an empty text.
  using ProgramFinder = std::function<QString(const QString& name)>;
  frmAbout(Interaction& interaction, QWidget* parent = nullptr, ProgramFinder findProgram = {});

  QLabel* lblVersion = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblDescription = nullptr;
  QLabel* lblDisclaimer = nullptr;
  QLabel* picIcon = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdSysInfo = nullptr;

  void StartSysInfo();

 private:
  Interaction& m_interaction;
  ProgramFinder m_find;
};
