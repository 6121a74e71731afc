#include "ui/toolpath/ToolpathCommands.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "process/workspace.h"
#include "ui/documents/DocumentHost.h"
#include "ui/shell/Commands.h"
#include "ui/toolpath/ToolpathDock.h"

namespace {

constexpr int kToolpathWidthChars = 60;

class ToolpathTools : public QObject {
 public:
  ToolpathTools(Commands& commands, DocumentHost& docs, QMainWindow& window, quillon::Workspace& workspace)
      : QObject(&window), m_commands(commands), m_window(window), m_workspace(workspace) {
    setObjectName(QStringLiteral("ToolpathTools"));
    dock = new ToolpathDock(docs, workspace.machine, &window);
    window.addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    connect(&docs, &DocumentHost::documentCreated, this,
            [this] { QTimer::singleShot(0, dock, &ToolpathDock::followActiveDocument); });
  }

  ToolpathDock* dock = nullptr;

  void install() {
    m_commands.setCommand(QStringLiteral("mnuViewToolpath"), [this](int) {
      const bool shown = m_commands.action(QStringLiteral("mnuViewToolpath"))->isChecked();
      m_workspace.settings.ToolpathVisible = shown;
      dock->setVisible(shown);
    });
    // The dock's own close button hides it too; the menu and the settings follow.
    QPointer<QAction> item = m_commands.action(QStringLiteral("mnuViewToolpath"));
    connect(dock->toggleViewAction(), &QAction::toggled, this, [this, item](bool shown) {
      if (item) item->setChecked(shown);
      m_workspace.settings.ToolpathVisible = shown;
    });
    m_window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &m_window && event->type() == QEvent::Show && !m_shownOnce) {
      m_shownOnce = true;
      const bool shown = m_workspace.settings.ToolpathVisible;
      dock->setVisible(shown);
      QTimer::singleShot(0, this, [this] {
        // The drawing wants room: at least a third of the window.
        const int width = std::max(dock->fontMetrics().averageCharWidth() * kToolpathWidthChars, m_window.width() / 3);
        m_window.resizeDocks({dock}, {width}, Qt::Horizontal);
      });
      m_commands.action(QStringLiteral("mnuViewToolpath"))->setChecked(shown);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  Commands& m_commands;
  QMainWindow& m_window;
  quillon::Workspace& m_workspace;
  bool m_shownOnce = false;
};

}  // namespace

void InstallToolpathCommands(Commands& commands, DocumentHost& documents, QMainWindow& window,
                             quillon::Workspace& workspace) {
  (new ToolpathTools(commands, documents, window, workspace))->install();
}

ToolpathDock* ToolpathDockOf(QMainWindow& window) {
  return window.findChild<ToolpathDock*>(QStringLiteral("dockToolpath"));
}
