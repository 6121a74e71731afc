#include "ui/process/frmProcessSetup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "numbers/entry_check.h"
#include "numbers/nc_number.h"
#include "ui/platform/NumberEntries.h"
#include "ui/process/frmProcess.h"

namespace {

// clang-format off
// The flags and their check boxes, in the order they are shown.
struct FlagBox {
  const char* name;                        // check box
  const char* caption;
  bool quillon::MachineParameters::*flag;  // record field
};
constexpr FlagBox kFlagBoxes[] = {
  // name               caption                  field
  {"chkToolLife",      "Tool Life Management",  &quillon::MachineParameters::TG},
  {"ChkZentor",        "After Q500",            &quillon::MachineParameters::ZentorQ500},
  {"ChkTallix",        "Tallix",                &quillon::MachineParameters::Tallix},
  {"ChkBturret",       "2Saddle",               &quillon::MachineParameters::Bturret},
  {"ChkMeasuer",       "In-process Measure",    &quillon::MachineParameters::Measuer},
  {"ChkPanel",         "PanelCheck",            &quillon::MachineParameters::PanelChk},
  {"ChkDoor",          "Auto Door",             &quillon::MachineParameters::AutoDoor},
  {"ChkToolFrom",      "Tool from out",         &quillon::MachineParameters::ToolFrom},
  {"ChkLoadMoniter",   "Load monitor",          &quillon::MachineParameters::LoadMoniter},
};

// The number boxes, their fields and what names them in a message: the
// group's title (if any) and the label beside the box.
struct NumberBox {
  const char* name;
  double quillon::MachineParameters::*field;
  const char* group;
  const char* label;
};
constexpr NumberBox kNumberBoxes[] = {
  // box        field                                    group        label
  {"txtMaxS",   &quillon::MachineParameters::MaxS,       nullptr,     "LabelMaxS"},
  {"txtHomeX",  &quillon::MachineParameters::HomeX,      "FrameHome", "LabelAppX"},
  {"txtHomeZ",  &quillon::MachineParameters::HomeZ,      "FrameHome", "LabelAppZ"},
  {"txtAppX",   &quillon::MachineParameters::AppX,       "FrameApp",  "LabelX"},
  {"txtAppZ",   &quillon::MachineParameters::AppZ,       "FrameApp",  "LabelZ"},
};
// clang-format on

// Controls that only matter on a multi-tasking machine.
constexpr const char* kTallixControls[] = {"TurretH", "AtcMacro", "H1", "H2", "M321", "M421", "M441"};

template <typename T>
T* Named(QWidget* w, const char* name) {
  w->setObjectName(QString::fromLatin1(name));
  return static_cast<T*>(w);
}

}  // namespace

frmProcessSetup::frmProcessSetup(quillon::MachineParameters& machine, quillon::SettingsStore& store, QWidget* parent,
                                 Interaction* interaction)
    : QDialog(parent), m_machine(machine), m_store(store), m_entries(new NumberEntries(*this, interaction)) {
  setObjectName(QStringLiteral("frmProcessSetup"));
  setWindowTitle(QStringLiteral("Parameter"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto numberBox = [this](const char* name, QWidget* parentWidget) {
    auto* box = Named<QLineEdit>(new QLineEdit(parentWidget), name);
    box->setFixedWidth(96);
    SelectAllOnFocus(box);
    return box;
  };

  // Speed limit.
  auto* speedRow = new QHBoxLayout;
  speedRow->addWidget(Named<QLabel>(new QLabel(QStringLiteral("Maximum Speed"), this), "LabelMaxS"));
  speedRow->addWidget(numberBox("txtMaxS", this));
  speedRow->addStretch(1);

  // LabelAppX/LabelAppZ label the index position: on a multi-tasking machine
  // LabelAppX names the reference point instead of the X coordinate.
  auto* home = Named<QGroupBox>(new QGroupBox(QStringLiteral("Turret Index Pos."), this), "FrameHome");
  auto* homeGrid = new QGridLayout(home);
  homeGrid->addWidget(Named<QLabel>(new QLabel(QStringLiteral("X"), home), "LabelAppX"), 0, 0);
  homeGrid->addWidget(numberBox("txtHomeX", home), 0, 1);
  homeGrid->addWidget(Named<QLabel>(new QLabel(QStringLiteral("Z"), home), "LabelAppZ"), 1, 0);
  homeGrid->addWidget(numberBox("txtHomeZ", home), 1, 1);
  homeGrid->setColumnStretch(2, 1);

  auto* approach = Named<QGroupBox>(new QGroupBox(QStringLiteral("Apploch Position"), this), "FrameApp");
  auto* appGrid = new QGridLayout(approach);
  appGrid->addWidget(Named<QLabel>(new QLabel(QStringLiteral("X"), approach), "LabelX"), 0, 0);
  appGrid->addWidget(numberBox("txtAppX", approach), 0, 1);
  appGrid->addWidget(Named<QLabel>(new QLabel(QStringLiteral("Z"), approach), "LabelZ"), 1, 0);
  appGrid->addWidget(numberBox("txtAppZ", approach), 1, 1);
  appGrid->setColumnStretch(2, 1);

  auto* left = new QVBoxLayout;
  left->addLayout(speedRow);
  left->addWidget(home);
  left->addWidget(approach);

  auto* options = Named<QGroupBox>(new QGroupBox(QStringLiteral("Options"), this), "FrameOptions");
  auto* optionsLayout = new QVBoxLayout(options);
  for (const FlagBox& f : kFlagBoxes)
    optionsLayout->addWidget(Named<QCheckBox>(new QCheckBox(QString::fromLatin1(f.caption), options), f.name));
  optionsLayout->addStretch(1);

  auto* turret = Named<QGroupBox>(new QGroupBox(QStringLiteral("Turret Type"), this), "TurretH");
  auto* turretLayout = new QHBoxLayout(turret);
  turretLayout->addWidget(Named<QRadioButton>(new QRadioButton(QStringLiteral("H1"), turret), "H1"));
  turretLayout->addWidget(Named<QRadioButton>(new QRadioButton(QStringLiteral("H2"), turret), "H2"));
  turretLayout->addStretch(1);

  auto* atc = Named<QGroupBox>(new QGroupBox(QStringLiteral("ATC Macro"), this), "AtcMacro");
  auto* atcLayout = new QHBoxLayout(atc);
  for (const char* code : {"M321", "M421", "M441"})
    atcLayout->addWidget(Named<QRadioButton>(new QRadioButton(QString::fromLatin1(code), atc), code));
  atcLayout->addStretch(1);

  // Positions and the multi-tasking options on the left, the equipment flags on the right.
  left->addWidget(turret);
  left->addWidget(atc);
  left->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(options);

  auto* ok = Named<QPushButton>(new QPushButton(QStringLiteral("O  K"), this), "Command1");
  auto* cancel = Named<QPushButton>(new QPushButton(QStringLiteral("Cancel"), this), "Command2");
  for (QPushButton* button : {ok, cancel}) {
    button->setAutoDefault(false);
    button->setMinimumWidth(88);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* main = new QVBoxLayout(this);
  main->addLayout(columns);
  main->addLayout(buttons);

  connect(findChild<QCheckBox*>(QStringLiteral("ChkTallix")), &QCheckBox::clicked, this,
          &frmProcessSetup::ChkTallix_Click);
  connect(ok, &QPushButton::clicked, this, &frmProcessSetup::Command1_Click);
  connect(cancel, &QPushButton::clicked, this, &frmProcessSetup::Command2_Click);

  for (const NumberBox& n : kNumberBoxes)
    m_entries->add(findChild<QLineEdit*>(QString::fromLatin1(n.name)), [this, n] {
      const QString label = findChild<QLabel*>(QString::fromLatin1(n.label))->text();
      if (!n.group) return label;
      return findChild<QGroupBox*>(QString::fromLatin1(n.group))->title() + QLatin1Char(' ') + label;
    });

  load();
}

void frmProcessSetup::load() {
  for (const NumberBox& n : kNumberBoxes)
    findChild<QLineEdit*>(QString::fromLatin1(n.name))
        ->setText(QString::fromStdString(quillon::ShortestNumberText(m_machine.*n.field)));
  for (const FlagBox& f : kFlagBoxes) findChild<QCheckBox*>(QString::fromLatin1(f.name))->setChecked(m_machine.*f.flag);
  findChild<QRadioButton*>(m_machine.TurretType == 1 ? QStringLiteral("H1") : QStringLiteral("H2"))->setChecked(true);
  const QString macro = m_machine.AtcMacroType == "M321"   ? QStringLiteral("M321")
                        : m_machine.AtcMacroType == "M421" ? QStringLiteral("M421")
                                                           : QStringLiteral("M441");
  findChild<QRadioButton*>(macro)->setChecked(true);
  ChkTallix_Click();
}

void frmProcessSetup::ChkTallix_Click() {
  const bool tallix = findChild<QCheckBox*>(QStringLiteral("ChkTallix"))->isChecked();
  findChild<QWidget*>(QStringLiteral("txtHomeX"))->setVisible(!tallix);
  findChild<QWidget*>(QStringLiteral("txtHomeZ"))->setVisible(!tallix);
  findChild<QWidget*>(QStringLiteral("LabelAppZ"))->setVisible(!tallix);
  findChild<QLabel*>(QStringLiteral("LabelAppX"))->setText(tallix ? QStringLiteral("G21 HP=4") : QStringLiteral("X"));
  for (const char* name : kTallixControls) findChild<QWidget*>(QString::fromLatin1(name))->setEnabled(tallix);
}

void frmProcessSetup::Command1_Click() {
  // With Tallix the index position boxes are hidden and keep what they hold.
  if (!m_entries->confirm()) return;
  quillon::MachineParameters p = m_machine;
  // A hidden box that holds no number keeps the stored value rather than 0.
  for (const NumberBox& n : kNumberBoxes)
    if (auto value = quillon::EntryValue(findChild<QLineEdit*>(QString::fromLatin1(n.name))->text().toStdString()))
      p.*n.field = *value;
  for (const FlagBox& f : kFlagBoxes) p.*f.flag = findChild<QCheckBox*>(QString::fromLatin1(f.name))->isChecked();
  ChkTallix_Click();
  p.TurretType = findChild<QRadioButton*>(QStringLiteral("H1"))->isChecked() ? 1 : 2;
  p.AtcMacroType = findChild<QRadioButton*>(QStringLiteral("M321"))->isChecked()   ? "M321"
                   : findChild<QRadioButton*>(QStringLiteral("M421"))->isChecked() ? "M421"
                                                                                   : "M441";
  m_machine = p;
  quillon::SaveMachineParameters(m_store, m_machine);
  accept();
}

void frmProcessSetup::Command2_Click() { reject(); }
