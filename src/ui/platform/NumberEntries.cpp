#include "ui/platform/NumberEntries.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

#include "numbers/entry_check.h"
#include "ui/platform/Interaction.h"

namespace {

const char* const kMarkedProperty = "notANumber";
const char* const kPlainToolTip = "quillonPlainToolTip";
const char* const kPlainStyle = "quillonPlainStyle";
const QString kMarkToolTip = QStringLiteral("not a number");
// Only the frame changes, so a box keeps its own background (the grey of
// frmUGC's boxes that take no input) while it is marked.
const QString kMarkStyle = QStringLiteral("QLineEdit { border: 2px solid #d01010; border-radius: 2px; }");
const QString kTitle = QStringLiteral("Quillon");

void Mark(QLineEdit* box, bool marked) {
  if (NumberEntries::isMarked(box) == marked) return;
  if (marked) {
    box->setProperty(kPlainToolTip, box->toolTip());
    box->setProperty(kPlainStyle, box->styleSheet());
    box->setToolTip(kMarkToolTip);
    box->setStyleSheet(box->styleSheet() + kMarkStyle);
  } else {
    box->setToolTip(box->property(kPlainToolTip).toString());
    box->setStyleSheet(box->property(kPlainStyle).toString());
  }
  box->setProperty(kMarkedProperty, marked);
}

}  // namespace

NumberEntries::NumberEntries(QWidget& form, Interaction* interaction)
    : QObject(&form), m_form(form), m_interaction(interaction) {
  setObjectName(QStringLiteral("NumberEntries"));
}

void NumberEntries::add(QLineEdit* box, std::function<QString()> label) {
  m_entries.push_back({box, std::move(label)});
  box->installEventFilter(this);
  // A correction clears the mark at once; a new mark waits for the focus to leave.
  connect(box, &QLineEdit::textChanged, this, [box] {
    if (isMarked(box)) judge(box);
  });
}

void NumberEntries::add(QLineEdit* box, const QString& label) {
  add(box, [label] { return label; });
}

bool NumberEntries::judge(QLineEdit* box) {
  const bool acceptable = quillon::IsAcceptableEntry(box->text().toStdString());
  Mark(box, !acceptable);
  return acceptable;
}

bool NumberEntries::isMarked(const QLineEdit* box) { return box->property(kMarkedProperty).toBool(); }

QString NumberEntries::labelName(const QString& caption) {
  QString name = caption;
  name.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
  return name.simplified();
}

bool NumberEntries::reachable(const QLineEdit* box) const {
  return box && box->isVisibleTo(&m_form) && box->isEnabled() && !box->isReadOnly();
}

QLineEdit* NumberEntries::firstMarked() const {
  for (const Entry& e : m_entries)
    if (reachable(e.box) && isMarked(e.box)) return e.box;
  return nullptr;
}

bool NumberEntries::confirm() {
  const Entry* first = nullptr;
  for (const Entry& e : m_entries) {
    if (!reachable(e.box)) continue;
    if (!judge(e.box) && !first) first = &e;
  }
  return !first || refuse(*first);
}

bool NumberEntries::confirmMarked() {
  for (const Entry& e : m_entries)
    if (reachable(e.box) && isMarked(e.box) && !judge(e.box)) return refuse(e);
  return true;
}

bool NumberEntries::refuse(const Entry& entry) {
  QLineEdit* box = entry.box;
  const QString text = QString::fromStdString(
      quillon::NotANumberMessage(labelName(entry.label()).toStdString(), box->text().toStdString()));
  if (m_interaction) {
    m_interaction->message(&m_form, kTitle, text, MessageIcon::Exclamation);
  } else {
    auto* message = new QMessageBox(QMessageBox::Warning, kTitle, text, QMessageBox::Ok, &m_form);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
  }
  m_refocusing = true;
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
  m_refocusing = false;
  return false;
}

bool NumberEntries::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    // A context menu on the box is no leaving.
    if (box && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && reachable(box)) judge(box);
  }
  return QObject::eventFilter(watched, event);
}
