#include "ui/documents/DocumentHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "numbers/process_error.h"
#include "ui/documents/frmDocument.h"
#include "ui/platform/Interaction.h"

namespace {
QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

DocumentHost::DocumentHost(QMdiArea& area, Interaction& interaction, QWidget& window)
    : QObject(&window), m_area(area), m_interaction(interaction), m_window(window) {
  setObjectName(QStringLiteral("DocumentHost"));
  connect(&m_area, &QMdiArea::subWindowActivated, this, &DocumentHost::activeDocumentChanged);
}

frmDocument* DocumentHost::ActiveDocument() const {
  QMdiSubWindow* window = m_area.currentSubWindow();
  if (!window) {
    // Without an active application (tests, another program in front) the
    // area still knows the order in which its windows were used.
    const auto history = m_area.subWindowList(QMdiArea::ActivationHistoryOrder);
    if (history.isEmpty()) return nullptr;
    window = history.last();
  }
  return qobject_cast<frmDocument*>(window->widget());
}

QList<frmDocument*> DocumentHost::documents() const {
  QList<frmDocument*> list;
  for (QMdiSubWindow* window : m_area.subWindowList(QMdiArea::CreationOrder))
    if (auto* doc = qobject_cast<frmDocument*>(window->widget())) list << doc;
  return list;
}

bool DocumentHost::apply(const quillon::DocumentEdit& edit, frmDocument* doc, QWidget* messageParent) {
  if (!doc) doc = ActiveDocument();
  if (!doc) {
    ReportProcessError(quillon::kErrNoDocument);
    return false;
  }
  doc->applyEdit(edit);
  if (edit.message)
    m_interaction.message(messageParent ? messageParent : &m_window, Utf8(edit.message->title),
                          Utf8(edit.message->text), MessageIcon::None);
  return true;
}

void DocumentHost::ReportProcessError(int number) { ReportProcessError(number, quillon::ProcessErrorMessage(number)); }

void DocumentHost::ReportProcessError(int number, const std::string& text) {
  if (number == quillon::kErrNone || text.empty()) return;
  m_interaction.message(&m_window, Utf8(quillon::ProcessErrorTitle(number)), Utf8(text), MessageIcon::Warning);
}
