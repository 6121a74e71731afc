#include "ui/program/frmGoToLine.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

frmGoToLine::frmGoToLine(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmGoToLine"));
  setWindowTitle(QStringLiteral("Go to line"));
  Label1 = new QLabel(QStringLiteral("Line number"), this);
  txtLine = new QSpinBox(this);
  txtLine->setObjectName(QStringLiteral("txtLine"));
  Label1->setBuddy(txtLine);
  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setDefault(true);
  Command2 = new QPushButton(QStringLiteral("Cancel"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(Command1, QDialogButtonBox::AcceptRole);
  buttons->addButton(Command2, QDialogButtonBox::RejectRole);
  auto* form = new QFormLayout;
  form->addRow(Label1, txtLine);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  connect(Command1, &QPushButton::clicked, this, [this] {
    txtLine->interpretText();
    emit goToLine(txtLine->value());
    close();
  });
  connect(Command2, &QPushButton::clicked, this, &QDialog::close);
}

void frmGoToLine::offer(int lineCount, int current) {
  // Any number may be typed; one past the end goes to the last line.
  txtLine->setRange(1, std::numeric_limits<int>::max());
  txtLine->setToolTip(QStringLiteral("1 - %1").arg(std::max(1, lineCount)));
  txtLine->setValue(current);
  txtLine->selectAll();
  txtLine->setFocus();
}
