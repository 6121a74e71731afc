#include "ui/program/ProgramCommands.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTimer>

#include "app/settings.h"
#include "program/program_lines.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/frmDocument.h"
#include "ui/program/DocumentProgram.h"
#include "ui/program/OutlineDock.h"
#include "ui/program/frmGoToLine.h"
#include "ui/shell/Commands.h"

namespace {

constexpr int kOutlineWidthChars = 50;

// Owned by the main window: the dock, the Go to line dialog and its target.
class ProgramTools : public QObject {
 public:
  ProgramTools(Commands& commands, DocumentHost& docs, QMainWindow& window, quillon::AppSettings& settings)
      : QObject(&window), m_commands(commands), m_docs(docs), m_window(window), m_settings(settings) {
    setObjectName(QStringLiteral("ProgramTools"));
    dock = new OutlineDock(docs, &window);
    window.addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
  }

  OutlineDock* dock = nullptr;

  void install() {
    m_commands.setCommand(QStringLiteral("mnuSearchGoToLine"), [this](int) { mnuSearchGoToLine_Click(); });
    m_commands.setCommand(QStringLiteral("mnuViewOutline"), [this](int) { mnuViewOutline_Click(); });
    connect(&m_docs, &DocumentHost::documentCreated, this, [this](frmDocument* doc) {
      new DocumentProgram(*doc);
      dock->followActiveDocument();
    });
    // The dock's own close button hides it too; the menu and the settings follow.
    QPointer<QAction> item = m_commands.action(QStringLiteral("mnuViewOutline"));
    connect(dock->toggleViewAction(), &QAction::toggled, this, [this, item](bool shown) {
      if (item) item->setChecked(shown);
      m_settings.OutlineVisible = shown;
    });
    m_window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &m_window && event->type() == QEvent::Show && !m_shownOnce) {
      m_shownOnce = true;
      dock->setVisible(m_settings.OutlineVisible);
      // Room for the line, the kind and a title of the generators' length,
      // once the window's layout has its size.
      QTimer::singleShot(0, this, [this] {
        m_window.resizeDocks({dock}, {dock->fontMetrics().averageCharWidth() * kOutlineWidthChars}, Qt::Horizontal);
      });
      m_commands.action(QStringLiteral("mnuViewOutline"))->setChecked(m_settings.OutlineVisible);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void mnuViewOutline_Click() {
    const bool shown = m_commands.action(QStringLiteral("mnuViewOutline"))->isChecked();
    m_settings.OutlineVisible = shown;
    dock->setVisible(shown);
  }

  void mnuSearchGoToLine_Click() {
    frmDocument* doc = m_docs.ActiveDocument();
    if (!doc) return;
    m_target = doc;
    if (!m_goTo) {
      m_goTo = new frmGoToLine(&m_window);
      connect(m_goTo, &frmGoToLine::goToLine, this, [this](int line) {
        if (!m_target) return;
        m_docs.apply(quillon::GoToLineEdit(m_target->text(), static_cast<std::size_t>(line)), m_target);
        m_target->txtText->setFocus();
      });
    }
    m_goTo->offer(doc->txtText->document()->blockCount(), doc->txtText->textCursor().blockNumber() + 1);
    m_goTo->show();
    m_goTo->raise();
    m_goTo->activateWindow();
  }

  Commands& m_commands;
  DocumentHost& m_docs;
  QMainWindow& m_window;
  quillon::AppSettings& m_settings;
  QPointer<frmGoToLine> m_goTo;
  QPointer<frmDocument> m_target;
  bool m_shownOnce = false;
};

}  // namespace

void InstallProgramCommands(Commands& commands, DocumentHost& documents, QMainWindow& window,
                            quillon::AppSettings& settings) {
  (new ProgramTools(commands, documents, window, settings))->install();
}

OutlineDock* ProgramOutlineDock(QMainWindow& window) {
  return window.findChild<OutlineDock*>(QStringLiteral("dockOutline"));
}
