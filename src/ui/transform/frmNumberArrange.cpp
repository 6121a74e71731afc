#include "ui/transform/frmNumberArrange.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "numbers/nc_number.h"
#include "ui/documents/frmDocument.h"
#include "ui/platform/Interaction.h"
#include "ui/platform/NumberEntries.h"

frmNumberArrange::frmNumberArrange(QWidget* parent, Interaction* interaction)
    : QDialog(parent), m_interaction(interaction), m_entries(new NumberEntries(*this, interaction)) {
  setObjectName(QStringLiteral("frmNumberArrange"));
  setWindowTitle(QStringLiteral("Sequence Number Arrange"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  // Wide enough for the whole caption in the window title.
  setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 140);

  auto box = [this](const char* name, const char* text, const char* tip) {
    auto* edit = new QLineEdit(QString::fromLatin1(text), this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(QString::fromLatin1(tip));
    edit->installEventFilter(this);
    return edit;
  };
  m_digitNo = box("DigitNo", "3", "3=N000 , 4=N0000...");
  m_startNo = box("StartNo", "1", "100=N100, N101...");
  m_addNo = box("AddNo", "1", "1=N001, N002...");

  auto* frame1 = new QGroupBox(QStringLiteral("Space"), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  auto option = [frame1](const char* name, const char* caption, const char* tip) {
    auto* radio = new QRadioButton(QString::fromLatin1(caption), frame1);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setToolTip(QString::fromLatin1(tip));
    return radio;
  };
  m_withoutSpace = option("WithoutSpace", "non", "N000X100...");
  m_with1Space = option("With1Space", "1", "N000 X100...");
  m_with5Space = option("With5Space", "5", "N000     X100...");
  m_with5Space->setChecked(true);
  auto* options = new QHBoxLayout(frame1);
  for (QRadioButton* radio : {m_withoutSpace, m_with1Space, m_with5Space}) options->addWidget(radio);

  auto check = [this](const char* name, const char* caption, bool checked) {
    auto* c = new QCheckBox(QString::fromLatin1(caption), this);
    c->setObjectName(QString::fromLatin1(name));
    c->setChecked(checked);
    return c;
  };
  m_fromTop = check("FromTop", "Arrange from top", true);
  m_stopM02 = check("StopM02", "Stop at M02 and RTS", false);
  m_continue = check("Continue", "Continuous number", false);
  m_keepTargets = check("KeepTargets", "Keep jump targets", false);
  m_keepTargets->setToolTip(QStringLiteral("GOTO N.. and IF[..] N.. follow their lines to the new numbers"));

  m_command1 = new QPushButton(QStringLiteral("O  K"), this);
  m_command1->setObjectName(QStringLiteral("Command1"));
  m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
  m_cancel->setObjectName(QStringLiteral("Cancel"));
  // Enter in the boxes moves the focus on; only a focused button takes it.
  // An auto-default button would become the dialog's default and take the
  // Enter pressed on a check box.
  m_command1->setAutoDefault(false);
  m_cancel->setAutoDefault(false);

  auto* grid = new QGridLayout(this);
  // The three boxes take numbers; a message names each by its label.
  int row = 0;
  for (const auto& [label, edit] :
       {std::pair{"Digit Number", m_digitNo}, std::pair{"Start Number", m_startNo}, std::pair{"Add Value", m_addNo}}) {
    grid->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
    grid->addWidget(edit, row, 1);
    m_entries->add(edit, QString::fromLatin1(label));
    ++row;
  }
  // clang-format off
  grid->addWidget(frame1,                                           3, 0, 1, 2);
  grid->addWidget(m_fromTop,                                        4, 0, 1, 2);
  grid->addWidget(m_stopM02,                                        5, 0, 1, 2);
  grid->addWidget(m_continue,                                       6, 0, 1, 2);
  grid->addWidget(m_keepTargets,                                    7, 0, 1, 2);
  grid->addWidget(m_command1,                                       8, 0);
  grid->addWidget(m_cancel,                                         8, 1);
  // clang-format on

  connect(m_stopM02, &QCheckBox::clicked, this, &frmNumberArrange::StopM02_Click);
  connect(m_command1, &QPushButton::clicked, this, &frmNumberArrange::Command1_Click);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::close);
}

quillon::ArrangeOptions frmNumberArrange::options() const {
  quillon::ArrangeOptions o;
  o.digits = quillon::ReadNumber(QtToProgramText(m_digitNo->text()));
  o.start = quillon::ReadNumber(QtToProgramText(m_startNo->text()));
  o.step = quillon::ReadNumber(QtToProgramText(m_addNo->text()));
  o.spacing = m_with1Space->isChecked()   ? quillon::SequenceSpacing::One
              : m_with5Space->isChecked() ? quillon::SequenceSpacing::Five
                                          : quillon::SequenceSpacing::None;
  o.fromTop = m_fromTop->isChecked();
  o.stopAtProgramEnd = m_stopM02->isChecked();
  o.continuous = m_continue->isChecked();
  o.keepTargets = m_keepTargets->isChecked();
  return o;
}

void frmNumberArrange::setKeepTargets(bool on) { m_keepTargets->setChecked(on); }

void frmNumberArrange::StopM02_Click() { m_continue->setEnabled(!m_stopM02->isChecked()); }

void frmNumberArrange::Command1_Click() {
  if (!m_entries->confirm()) return;
  const quillon::ArrangeOptions o = options();
  if (const auto problem = quillon::ArrangeOptionsProblem(o)) {
    if (m_interaction)
      m_interaction->message(this, windowTitle(), QString::fromStdString(*problem), MessageIcon::Exclamation);
    return;
  }
  close();
  emit arrangeRequested(o);
}

void frmNumberArrange::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool frmNumberArrange::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit && event->type() == QEvent::FocusIn && !edit->text().isEmpty()) {
    // After the click that gave the focus has placed the caret.
    QTimer::singleShot(0, edit, &QLineEdit::selectAll);
  } else if (edit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      QWidget* next = edit == m_digitNo   ? static_cast<QWidget*>(m_startNo)
                      : edit == m_startNo ? static_cast<QWidget*>(m_addNo)
                                          : static_cast<QWidget*>(m_command1);
      next->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
