#include "ui/program/OutlineDock.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include "program/outline.h"
#include "program/program_lines.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/frmDocument.h"
#include "ui/program/DocumentProgram.h"

namespace {
// After the last keystroke; the outline must follow within 150 ms.
constexpr int kOutlineDelayMs = 100;

QString Latin1(std::string_view bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
}  // namespace

OutlineDock::OutlineDock(DocumentHost& documents, QWidget* parent)
    : QDockWidget(QStringLiteral("Outline"), parent), m_documents(documents) {
  setObjectName(QStringLiteral("dockOutline"));
  lstOutline = new QTreeWidget(this);
  lstOutline->setObjectName(QStringLiteral("lstOutline"));
  lstOutline->setColumnCount(3);
  lstOutline->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Kind"), QStringLiteral("Text")});
  lstOutline->setRootIsDecorated(false);
  lstOutline->setUniformRowHeights(true);
  lstOutline->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  lstOutline->header()->setStretchLastSection(true);
  setWidget(lstOutline);

  m_delay = new QTimer(this);
  m_delay->setObjectName(QStringLiteral("outlineDelay"));
  m_delay->setSingleShot(true);
  m_delay->setInterval(kOutlineDelayMs);
  connect(m_delay, &QTimer::timeout, this, &OutlineDock::refresh);
  connect(lstOutline, &QTreeWidget::itemClicked, this, &OutlineDock::entryClicked);
  connect(lstOutline, &QTreeWidget::itemActivated, this, &OutlineDock::entryClicked);
  connect(&m_documents, &DocumentHost::activeDocumentChanged, this, &OutlineDock::followActiveDocument);
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) refresh();
  });
}

void OutlineDock::followActiveDocument() { follow(DocumentProgram::of(m_documents.ActiveDocument())); }

void OutlineDock::follow(DocumentProgram* program) {
  if (program == m_program) return;
  if (m_program) m_program->disconnect(this);
  m_program = program;
  if (m_program) connect(m_program, &DocumentProgram::changed, this, [this] { m_delay->start(); });
  refresh();
}

void OutlineDock::refresh() {
  m_delay->stop();
  lstOutline->clear();
  if (!m_program) return;
  QList<QTreeWidgetItem*> items;
  for (const quillon::OutlineEntry& e :
       quillon::BuildOutline(m_program->index(), quillon::OutlineNames::ProcessStarts)) {
    auto* item =
        new QTreeWidgetItem({QString::number(e.line + 1), Latin1(quillon::OutlineKindName(e.kind)), Latin1(e.text)});
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(e.line));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    item->setToolTip(2, item->text(2));  // long titles are cut at the dock's edge
    if (e.kind == quillon::OutlineKind::Process) {
      QFont bold = item->font(2);
      bold.setBold(true);
      item->setFont(2, bold);
    }
    items << item;
  }
  lstOutline->addTopLevelItems(items);
}

void OutlineDock::entryClicked(QTreeWidgetItem* item) {
  if (!item || !m_program) return;
  frmDocument& doc = m_program->document();
  const auto line = static_cast<std::size_t>(item->data(0, Qt::UserRole).toULongLong());
  m_documents.apply(quillon::GoToLineEdit(doc.text(), line + 1), &doc);
  doc.txtText->setFocus();
}
