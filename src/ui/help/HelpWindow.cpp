#include "ui/help/HelpWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include "ui/shell/AppIcon.h"

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
  setObjectName("HelpWindow");
  setWindowIcon(QuillonIcon());
  m_browser = new QTextBrowser(this);
  m_browser->setObjectName("HelpBrowser");
  m_browser->setOpenLinks(true);
  m_browser->setOpenExternalLinks(false);
  setCentralWidget(m_browser);

  auto* bar = addToolBar(tr("Navigation"));
  bar->setObjectName("HelpNavigation");
  m_back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
  m_back->setObjectName("HelpBack");
  m_forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
  m_forward->setObjectName("HelpForward");
  m_back->setEnabled(false);
  m_forward->setEnabled(false);
  connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
  connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
  connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
  connect(m_browser, &QTextBrowser::sourceChanged, this,
          [this] { setWindowTitle(m_browser->documentTitle() + QStringLiteral(" - Quillon")); });
  resize(760, 620);
}

bool HelpWindow::showPage(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  m_browser->setSource(QUrl::fromLocalFile(path));
  show();
  raise();
  activateWindow();
  return true;
}
