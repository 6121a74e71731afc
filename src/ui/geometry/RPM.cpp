#include "ui/geometry/RPM.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "geometry/spindle_speed.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/frmDocument.h"
#include "ui/platform/NumberEntries.h"

RPM::RPM(DocumentHost& documents)
    : QDialog(documents.window()),
      m_documents(documents),
      m_entries(new NumberEntries(*this, &documents.interaction())) {
  setObjectName(QStringLiteral("RPM"));
  setWindowTitle(QStringLiteral("Speed cal."));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);

  m_v = new QLineEdit(this);
  m_v->setObjectName(QStringLiteral("V"));
  m_v->setToolTip(QStringLiteral("mm/min"));
  m_diameter = new QLineEdit(this);
  m_diameter->setObjectName(QStringLiteral("Diameter"));
  for (QLineEdit* box : {m_v, m_diameter}) {
    box->setFixedWidth(90);
    box->installEventFilter(this);
  }

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Cut speed"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("V"), this), 0, 1);
  grid->addWidget(m_v, 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("Diameter"), this), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("D"), this), 1, 1);
  grid->addWidget(m_diameter, 1, 2);
  m_entries->add(m_v, QStringLiteral("Cut speed"));
  m_entries->add(m_diameter, QStringLiteral("Diameter"));
}

void RPM::setTargetDocument(frmDocument* document) { m_target = document; }
frmDocument* RPM::targetDocument() const { return m_target; }

bool RPM::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (watched == m_v) m_diameter->setFocus(Qt::TabFocusReason);
      if (watched == m_diameter) Diameter_Enter();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void RPM::Diameter_Enter() {
  if (!m_entries->confirm()) return;
  const quillon::RpmOutcome outcome =
      quillon::RpmEnterInDiameter(QtToProgramText(m_v->text()), QtToProgramText(m_diameter->text()));
  switch (outcome.step) {
    case quillon::RpmStep::FocusV:
      m_v->setFocus(Qt::TabFocusReason);
      return;
    case quillon::RpmStep::Stay:
      return;
    case quillon::RpmStep::Insert:
      break;
  }
  m_documents.apply(outcome.edit, m_target);
  close();
}
