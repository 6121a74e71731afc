#pragma once
// The "Outline" dock window: the outline of the active document, following
// its edits shortly after typing stops; a click puts the caret on the line.
#include <QDockWidget>
#include <QPointer>

class DocumentHost;
class DocumentProgram;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

class OutlineDock : public QDockWidget {
  Q_OBJECT
 public:
  OutlineDock(DocumentHost& documents, QWidget* parent);

  QTreeWidget* lstOutline = nullptr;

  // The document shown (nullptr for none).
  DocumentProgram* shown() const { return m_program; }
  // Fills the list now (the timer does it after edits).
  void refresh();
  // Shows the active document's outline from now on.
  void followActiveDocument();

 private:
  void follow(DocumentProgram* program);
  void entryClicked(QTreeWidgetItem* item);

  DocumentHost& m_documents;
  QPointer<DocumentProgram> m_program;
  QTimer* m_delay = nullptr;
};
