#pragma once
#include <QMainWindow>
#include <QString>

class QTextBrowser;
class QAction;

// The help viewer: one window for every help page, with back/forward and
// the links between the pages.
class HelpWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Shows the page; false when the file does not exist.
  bool showPage(const QString& path);
  QTextBrowser* browser() const { return m_browser; }

 private:
  QTextBrowser* m_browser;
  QAction* m_back;
  QAction* m_forward;
};
