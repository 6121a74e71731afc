#pragma once
// The "Toolpath" dock window: the active document drawn in the X–Z plane,
// following its edits shortly after typing stops and its caret at once; a
// click on a segment puts the caret on its line.
#include <QDockWidget>
#include <QPointer>

#include "ui/program/DocumentProgram.h"  // QPointer needs the whole class

class DocumentHost;
class QLabel;
class QPushButton;
class QTimer;
class ToolpathView;

namespace quillon {
struct MachineParameters;
}

class ToolpathDock : public QDockWidget {
  Q_OBJECT
 public:
  // machine outlives the dock: its HomeX, HomeZ start every drawing.
  ToolpathDock(DocumentHost& documents, const quillon::MachineParameters& machine, QWidget* parent);

  ToolpathView* viewToolpath = nullptr;
  QPushButton* cmdFit = nullptr;
  QLabel* lblPosition = nullptr;

  DocumentProgram* shown() const { return m_program; }
  // Draws the document now (the timer does it after edits).
  void refresh();
  void followActiveDocument();

 private:
  void follow(DocumentProgram* program);
  void followCaret();
  void lineClicked(std::uint32_t line);

  DocumentHost& m_documents;
  const quillon::MachineParameters& m_machine;
  QPointer<DocumentProgram> m_program;
  QTimer* m_delay = nullptr;
};
