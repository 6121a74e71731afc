#pragma once
// The "Problems" dock window: the program check's findings of the active
// document, one row each (severity, line, message, rule); a double-click
// puts the caret on the finding.
#include <QDockWidget>
#include <QPointer>

class DocumentCheck;
class DocumentHost;
class QTreeWidget;
class QTreeWidgetItem;

class ProblemsDock : public QDockWidget {
  Q_OBJECT
 public:
  ProblemsDock(DocumentHost& documents, QWidget* parent);

  QTreeWidget* lstProblems = nullptr;

  DocumentCheck* shown() const { return m_check; }
  void refresh();
  void followActiveDocument();

 private:
  void follow(DocumentCheck* check);
  void rowActivated(QTreeWidgetItem* item);

  DocumentHost& m_documents;
  QPointer<DocumentCheck> m_check;
};
