#include "ui/check/CheckCommands.h"

#include <QAction>
#include <QMainWindow>
#include <QPointer>

#include "ui/check/DocumentCheck.h"
#include "ui/check/ProblemsDock.h"
#include "ui/documents/DocumentHost.h"
#include "ui/program/DocumentProgram.h"
#include "ui/shell/Commands.h"

void InstallCheckCommands(Commands& commands, DocumentHost& documents, QMainWindow& window,
                          const quillon::MachineParameters& machine) {
  auto* dock = new ProblemsDock(documents, &window);
  window.addDockWidget(Qt::BottomDockWidgetArea, dock);
  dock->hide();
  QObject::connect(&documents, &DocumentHost::documentCreated, dock, [dock, &machine](frmDocument* doc) {
    if (DocumentProgram* program = DocumentProgram::of(doc)) new DocumentCheck(*program, machine);
    dock->followActiveDocument();
  });
  const QString item = QStringLiteral("mnuViewProblems");
  commands.setCommand(item, [&commands, dock, item](int) { dock->setVisible(commands.action(item)->isChecked()); });
  // The dock's own close button hides it too; the menu follows.
  QPointer<QAction> action = commands.action(item);
  QObject::connect(dock->toggleViewAction(), &QAction::toggled, dock, [action](bool shown) {
    if (action) action->setChecked(shown);
  });
}

ProblemsDock* CheckProblemsDock(QMainWindow& window) {
  return window.findChild<ProblemsDock*>(QStringLiteral("dockProblems"));
}
