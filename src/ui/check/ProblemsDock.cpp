#include "ui/check/ProblemsDock.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

#include "check/program_check.h"
#include "ui/check/DocumentCheck.h"
#include "ui/documents/DocumentHost.h"

namespace {

enum Column { kSeverityColumn, kLineColumn, kMessageColumn, kRuleColumn };

QString Latin1(std::string_view bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QStyle::StandardPixmap SeverityIcon(quillon::Severity severity) {
  switch (severity) {
    case quillon::Severity::Error:
      return QStyle::SP_MessageBoxCritical;
    case quillon::Severity::Warning:
      return QStyle::SP_MessageBoxWarning;
    case quillon::Severity::Note:
      break;
  }
  return QStyle::SP_MessageBoxInformation;
}

}  // namespace

ProblemsDock::ProblemsDock(DocumentHost& documents, QWidget* parent)
    : QDockWidget(QStringLiteral("Problems"), parent), m_documents(documents) {
  setObjectName(QStringLiteral("dockProblems"));
  lstProblems = new QTreeWidget(this);
  lstProblems->setObjectName(QStringLiteral("lstProblems"));
  lstProblems->setColumnCount(4);
  lstProblems->setHeaderLabels({QString(), QStringLiteral("Line"), QStringLiteral("Message"), QStringLiteral("Rule")});
  lstProblems->setRootIsDecorated(false);
  lstProblems->setUniformRowHeights(true);
  lstProblems->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  lstProblems->header()->setSectionResizeMode(kMessageColumn, QHeaderView::Stretch);
  setWidget(lstProblems);
  connect(lstProblems, &QTreeWidget::itemDoubleClicked, this, &ProblemsDock::rowActivated);
  connect(lstProblems, &QTreeWidget::itemActivated, this, &ProblemsDock::rowActivated);
  connect(&m_documents, &DocumentHost::activeDocumentChanged, this, &ProblemsDock::followActiveDocument);
}

void ProblemsDock::followActiveDocument() { follow(DocumentCheck::of(m_documents.ActiveDocument())); }

void ProblemsDock::follow(DocumentCheck* check) {
  if (check == m_check) return;
  if (m_check) m_check->disconnect(this);
  m_check = check;
  if (m_check) connect(m_check, &DocumentCheck::checked, this, &ProblemsDock::refresh);
  refresh();
}

void ProblemsDock::refresh() {
  lstProblems->clear();
  if (!m_check) return;
  QList<QTreeWidgetItem*> items;
  const std::vector<quillon::Finding>& findings = m_check->findings();
  for (std::size_t i = 0; i < findings.size(); ++i) {
    const quillon::Finding& f = findings[i];
    const quillon::CheckRule& rule = quillon::RuleOf(f);
    auto* item =
        new QTreeWidgetItem({QString(), QString::number(f.line), Latin1(quillon::FindingMessage(f)), Latin1(rule.id)});
    item->setIcon(kSeverityColumn, style()->standardIcon(SeverityIcon(rule.severity)));
    item->setToolTip(kSeverityColumn, Latin1(quillon::SeverityName(rule.severity)));
    item->setToolTip(kMessageColumn, item->text(kMessageColumn));
    item->setData(kSeverityColumn, Qt::UserRole, static_cast<qulonglong>(i));
    item->setTextAlignment(kLineColumn, Qt::AlignRight | Qt::AlignVCenter);
    items << item;
  }
  lstProblems->addTopLevelItems(items);
}

void ProblemsDock::rowActivated(QTreeWidgetItem* item) {
  if (!item || !m_check) return;
  const auto i = static_cast<std::size_t>(item->data(kSeverityColumn, Qt::UserRole).toULongLong());
  if (i < m_check->findings().size()) m_check->goTo(m_check->findings()[i]);
}
