#include "ui/documents/PrintSetting.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document/print_layout.h"
#include "ui/documents/EditingCommands.h"

namespace {

template <class W, class... Args>
W* Named(const char* name, Args&&... args) {
  auto* w = new W(std::forward<Args>(args)...);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

}  // namespace

PrintSetting::PrintSetting(quillon::AppSettings& settings, QWidget* parent) : QDialog(parent), m_settings(settings) {
  setObjectName(QStringLiteral("PrintSetting"));
  setWindowTitle(QStringLiteral("Printer setting"));
  setModal(false);

  Frame2 = Named<QGroupBox>("Frame2", QStringLiteral("Number of Line"));
  Option1 = Named<QRadioButton>("Option1", QStringLiteral("P Line"));
  Option2 = Named<QRadioButton>("Option2", QStringLiteral("Q Line"));
  auto* lines = new QVBoxLayout(Frame2);
  lines->addWidget(Option1);
  lines->addWidget(Option2);

  Frame1 = Named<QGroupBox>("Frame1", QStringLiteral("Number of Space"));
  Label1 = Named<QLabel>("Label1", QStringLiteral("Left"));
  Text1 = Named<QLineEdit>("Text1");
  Label2 = Named<QLabel>("Label2", QStringLiteral("Right"));
  Text2 = Named<QLineEdit>("Text2");
  auto* space = new QGridLayout(Frame1);
  space->addWidget(Label1, 0, 0);
  space->addWidget(Text1, 0, 1);
  space->addWidget(Label2, 1, 0);
  space->addWidget(Text2, 1, 1);

  Command1 = Named<QPushButton>("Command1", QStringLiteral("Printer Property"));
  Command2 = Named<QPushButton>("Command2", QStringLiteral("Font of Prnt"));
  Command3 = Named<QPushButton>("Command3", QStringLiteral("O K"));
  Command4 = Named<QPushButton>("Command4", QStringLiteral("Cancel"));
  for (QPushButton* b : {Command1, Command2, Command3, Command4}) b->setAutoDefault(false);

  auto* frames = new QHBoxLayout;
  frames->addWidget(Frame2);
  frames->addWidget(Frame1);
  auto* buttons = new QGridLayout;
  buttons->addWidget(Command1, 0, 0);
  buttons->addWidget(Command2, 0, 1);
  buttons->addWidget(Command3, 1, 0);
  buttons->addWidget(Command4, 1, 1);
  auto* top = new QVBoxLayout(this);
  top->addLayout(frames);
  top->addLayout(buttons);

  connect(Command1, &QPushButton::clicked, this, &PrintSetting::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &PrintSetting::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &PrintSetting::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &PrintSetting::Command4_Click);
  load();
}

void PrintSetting::load() {
  // A stored layout other than 1 or 2 leaves both options clear, and O K then keeps it.
  Option1->setAutoExclusive(false);
  Option2->setAutoExclusive(false);
  Option1->setChecked(m_settings.PrintLineNo == 1);
  Option2->setChecked(m_settings.PrintLineNo == 2);
  Option1->setAutoExclusive(true);
  Option2->setAutoExclusive(true);
  Text1->setText(QString::number(m_settings.LeftMerge));
  Text2->setText(QString::number(m_settings.RightMerge));
}

void PrintSetting::Command1_Click() {
  auto& hooks = EditingPlatformHooks();
  if (!hooks.choosePrinterOrientation) return;
  if (auto orientation = hooks.choosePrinterOrientation(this, m_settings.PrinterOrientation))
    m_settings.PrinterOrientation = *orientation;
}

void PrintSetting::Command2_Click() {
  auto& hooks = EditingPlatformHooks();
  if (!hooks.chooseFont) return;
  QFont initial(QString::fromStdString(m_settings.PrintFontName));
  if (m_settings.PrintFontSize > 0) initial.setPointSize(m_settings.PrintFontSize);
  auto chosen = hooks.chooseFont(this, initial);
  if (!chosen) return;
  m_settings.PrintFontName = chosen->family().toStdString();
  m_settings.PrintFontSize = quillon::RoundHalfEven(chosen->pointSizeF());
}

void PrintSetting::Command3_Click() {
  m_settings.LeftMerge = quillon::MarginFromEntry(Text1->text().toStdString());
  m_settings.RightMerge = quillon::MarginFromEntry(Text2->text().toStdString());
  if (Option1->isChecked()) m_settings.PrintLineNo = 1;
  if (Option2->isChecked()) m_settings.PrintLineNo = 2;
  close();
}

void PrintSetting::Command4_Click() { close(); }
