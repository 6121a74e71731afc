#include "ui/process/frmUGC.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "process/cutting_conditions.h"
#include "process_rotary/ugc.h"
#include "ui/platform/Interaction.h"
#include "ui/platform/NumberEntries.h"
#include "ui/process/UgcDrawing.h"
#include "ui/process/frmProcess.h"

namespace {

constexpr const char* kCsvFilter = "CSV Files(*.csv)|*.csv|All Files(*.*)|*.*";

QString BoxName(int index) { return QStringLiteral("Text%1").arg(index); }

template <typename T>
T* Named(T* w, const QString& name) {
  w->setObjectName(name);
  return w;
}

}  // namespace

frmUGC::frmUGC(quillon::MachineParameters& machine, quillon::CuttingConditionTable& table, Interaction& interaction,
               QWidget* parent)
    : QDialog(parent),
      m_machine(machine),
      m_table(table),
      m_interaction(interaction),
      m_entries(new NumberEntries(*this, &interaction)) {
  setObjectName(QStringLiteral("frmUGC"));
  setWindowTitle(QStringLiteral("User Graphic Command"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  m_drawing = new UgcDrawing(this);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  QList<QWidget*> tabOrder;
  for (const quillon::UgcBox& b : quillon::UgcBoxes()) {
    auto* label = Named(new QLabel(QString::fromLatin1(b.caption.data(), qsizetype(b.caption.size())), this),
                        QStringLiteral("Label%1").arg(b.index));
    auto* box = Named(new QLineEdit(this), BoxName(b.index));
    box->setFixedWidth(96);
    SelectAllOnFocus(box);
    box->installEventFilter(this);
    label->setBuddy(box);
    m_entries->add(box, label->text());
    grid->addWidget(label, b.row, b.column * 2);
    grid->addWidget(box, b.row, b.column * 2 + 1);
    tabOrder << box;
  }
  for (int c = 0; c < 3; ++c) grid->setColumnStretch(c * 2, 1);

  auto optionPair = [this, &tabOrder](const char* frame, const char* title, const char* a, const char* aCaption,
                                      const char* b, const char* bCaption) {
    auto* group = Named(new QGroupBox(QString::fromLatin1(title), this), QString::fromLatin1(frame));
    auto* layout = new QHBoxLayout(group);
    auto* first = Named(new QRadioButton(QString::fromLatin1(aCaption), group), QString::fromLatin1(a));
    auto* second = Named(new QRadioButton(QString::fromLatin1(bCaption), group), QString::fromLatin1(b));
    layout->addWidget(first);
    layout->addWidget(second);
    first->setChecked(true);
    tabOrder << first << second;
    return group;
  };
  auto* grasp = optionPair("FrameGrasp", "Grasp Select", "OD", "O.D.", "ID", "I.D.");
  auto* spindle = optionPair("FrameSpindle", "Spindle Select", "MainSpindle", "Main", "SubSpindle", "Sub");

  auto* checks = new QVBoxLayout;
  auto* check1 = Named(new QCheckBox(QStringLiteral("With Tailstock"), this), QStringLiteral("Check1"));
  auto* check2 = Named(new QCheckBox(QStringLiteral("FaceDrawingOn"), this), QStringLiteral("Check2"));
  checks->addWidget(check1);
  checks->addWidget(check2);
  tabOrder << check1 << check2;

  auto* options = new QHBoxLayout;
  options->addWidget(grasp);
  options->addWidget(spindle);
  options->addLayout(checks);
  options->addStretch(1);

  auto* fileRow = new QHBoxLayout;
  auto* fileLabel = Named(new QLabel(QStringLiteral("Material file"), this), QStringLiteral("LabelCsvFile"));
  auto* csvFile = Named(new QLineEdit(this), QStringLiteral("CsvFile"));
  csvFile->setReadOnly(true);
  fileLabel->setBuddy(csvFile);
  auto* material = Named(new QPushButton(QStringLiteral("Material select"), this), QStringLiteral("Material"));
  material->setAutoDefault(false);
  fileRow->addWidget(fileLabel);
  fileRow->addWidget(csvFile, 1);
  fileRow->addWidget(material);
  tabOrder << material;

  auto* ok = Named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Command1"));
  auto* cancel = Named(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("Command2"));
  for (QPushButton* button : {ok, cancel}) {
    button->setAutoDefault(false);
    button->setMinimumWidth(88);
    tabOrder << button;
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* main = new QVBoxLayout(this);
  main->addWidget(m_drawing, 1);
  main->addLayout(grid);
  main->addLayout(options);
  main->addLayout(fileRow);
  main->addLayout(buttons);

  for (int i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

  connect(check1, &QCheckBox::toggled, this, &frmUGC::Check1_Click);
  connect(material, &QPushButton::clicked, this, &frmUGC::Material_Click);
  connect(ok, &QPushButton::clicked, this, &frmUGC::Command1_Click);
  connect(cancel, &QPushButton::clicked, this, &frmUGC::Command2_Click);
  // Enter after the jaw length goes on to the jaw face.
  connect(text(1), &QLineEdit::returnPressed, this, [this] {
    if (!text(1)->text().isEmpty()) text(2)->setFocus(Qt::TabFocusReason);
  });

  csvFile->setText(QString::fromStdString(m_machine.CsvFileName));
  Check1_Click();
}

QLineEdit* frmUGC::text(int index) const { return findChild<QLineEdit*>(BoxName(index)); }

void frmUGC::setValues(const quillon::UgcDialogValues& v) {
  for (const quillon::UgcBox& b : quillon::UgcBoxes()) text(b.index)->setText(QString::fromStdString(v.*b.text));
  findChild<QRadioButton*>(v.OD ? QStringLiteral("OD") : QStringLiteral("ID"))->setChecked(true);
  findChild<QRadioButton*>(v.MainSpindle ? QStringLiteral("MainSpindle") : QStringLiteral("SubSpindle"))
      ->setChecked(true);
  findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(v.Check1);
  findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(v.Check2);
  Check1_Click();
}

quillon::UgcDialogValues frmUGC::values() const {
  quillon::UgcDialogValues v;
  for (const quillon::UgcBox& b : quillon::UgcBoxes()) v.*b.text = text(b.index)->text().toStdString();
  v.OD = findChild<QRadioButton*>(QStringLiteral("OD"))->isChecked();
  v.MainSpindle = findChild<QRadioButton*>(QStringLiteral("MainSpindle"))->isChecked();
  v.Check1 = findChild<QCheckBox*>(QStringLiteral("Check1"))->isChecked();
  v.Check2 = findChild<QCheckBox*>(QStringLiteral("Check2"))->isChecked();
  return v;
}

bool frmUGC::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    for (const quillon::UgcBox& b : quillon::UgcBoxes()) {
      if (watched != text(b.index)) continue;
      if (event->type() == QEvent::FocusIn)
        m_drawing->setHighlight(b.index);
      else if (m_drawing->highlight() == b.index)
        m_drawing->setHighlight(0);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmUGC::Check1_Click() {
  const auto enabling = quillon::UgcEnablingFor(findChild<QCheckBox*>(QStringLiteral("Check1"))->isChecked());
  // A box that takes no input looks like the dialog around it (button face);
  // one that does, like an entry (window background).
  auto setTakesInput = [this](QLineEdit* box, bool on) {
    box->setEnabled(on);
    QPalette pal = box->palette();
    const QColor background =
        on ? palette().color(QPalette::Active, QPalette::Base) : palette().color(QPalette::Active, QPalette::Button);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      pal.setColor(group, QPalette::Base, background);
    box->setPalette(pal);
  };
  setTakesInput(text(4), enabling.materialId);
  for (int index : {8, 7, 6}) setTakesInput(text(index), enabling.centerBoxes);
  m_drawing->setCenterVisible(enabling.centerDrawing);
}

void frmUGC::Material_Click() {
  const FileDialogResult picked = m_interaction.askOpenFile(
      this, QString(), QString::fromStdString(m_machine.CsvPathName), QString(), QString::fromLatin1(kCsvFilter));
  if (!picked.accepted || picked.path.isEmpty()) return;
  quillon::ChooseMaterialFile(m_machine, picked.path.toStdString());
  if (!picked.folder.isEmpty()) m_machine.CsvPathName = picked.folder.toStdString();
  findChild<QLineEdit*>(QStringLiteral("CsvFile"))->setText(QString::fromStdString(m_machine.CsvFileName));
  LoadMaterialTable(m_machine, m_table, m_interaction, this);
}

void frmUGC::LoadMaterialTable(const quillon::MachineParameters& machine, quillon::CuttingConditionTable& table,
                               Interaction& interaction, QWidget* parent) {
  const std::string problem =
      quillon::ApplyCuttingConditionLoad(table, quillon::LoadCuttingConditionTable(machine.CsvFileName));
  if (!problem.empty())
    interaction.message(parent, QStringLiteral("Material file"), QString::fromStdString(problem), MessageIcon::Warning);
}

void frmUGC::Command1_Click() {
  // The boxes the tailstock choice disables are not judged: nobody can correct them.
  if (m_entries->confirm()) accept();
}

void frmUGC::Command2_Click() { reject(); }
