#pragma once
// The main window: MDI area, menu tree, toolbar and status bar built from the
// tables in app/, and the documents. It owns no feature: the modules in the
// other ui/ folders bind their menu controls through commands() and reach
// the documents through documentHost(); the application-wide records are
// the Workspace it is given.
#include <QMainWindow>
#include <QString>
#include <memory>

#include "app/recent_files.h"

class QAction;
class QMdiArea;
class Commands;
class DocumentHost;
class frmDocument;
class Interaction;

namespace quillon {
struct Workspace;
}

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  frmMain(quillon::Workspace& workspace, Interaction& interaction, QWidget* parent = nullptr);
  ~frmMain() override;

  // Start-up steps after construction; commandLine is the raw command line
  // (the quote rule is applied here).
  void load(const QString& commandLine);

  Commands& commands() const { return *m_commands; }
  DocumentHost& documentHost() const { return *m_documents; }
  quillon::Workspace& workspace() const { return m_workspace; }

  // Shorthands of commands() and documentHost().
  QAction* action(const QString& controlName, int index = 0) const;
  void runCommand(const QString& controlName, int index = 0);
  frmDocument* ActiveDocument() const;
  QList<frmDocument*> documents() const;
  QMdiArea* mdiArea() const;
  // Toolbar position 1..22 (separators included).
  QAction* toolbarAction(int position) const;

  // --- documents
  void ArrangeDocuments();
  void ShowDocumentMenus();
  void HideDocumentMenus();
  // New: an empty "UntitledN" document.
  frmDocument* CreateUntitledDocument();
  // Opens path as a document (no size check) and adds it to the recent files.
  // A path that does not exist gives an empty document under that caption
  // (the file appears on Save); a file that cannot be read shows a message
  // and gives no window (nullptr).
  frmDocument* OpenDocumentFile(const QString& path);
  // Saves doc to path (temporary file renamed over the target); on success
  // the caption becomes the upper-cased path and DataChanged is cleared.
  bool SaveDocumentFile(frmDocument* doc, const QString& path);
  // The save dialog; "" when cancelled. Updates SavePathName.
  QString AskSaveFileName(const QString& defaultName);
  void AddRecentFile(const QString& path);
  // The file-name field of the shared open/save dialog keeps the last name.
  QString lastDialogFileName() const;
  // Whether a document window closed since a document's text last had the focus.
  bool pendingRearrangement() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildToolbar();
  void buildStatusBar();
  void bindShellCommands();
  void updateClockPanels();
  void updateInsertPanel();
  void updateCaretPanel();
  void rememberFrameOffset();
  void enableDocumentCommands();
  frmDocument* createDocumentWindow(const QString& caption);
  void showRecentFiles();
  bool saveActive();
  bool saveActiveAs();
  bool queryCloseDocument(frmDocument& doc);
  void tileDocuments(Qt::Orientation along);
  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  void mnuFileClose_Click();
  void mnuFileSave_Click();
  void mnuFileSaveAs_Click();
  void mnuFileRecentFile_Click(int index);

  struct Impl;
  quillon::Workspace& m_workspace;
  Interaction& m_interaction;
  Commands* m_commands = nullptr;
  DocumentHost* m_documents = nullptr;
  std::unique_ptr<Impl> m_impl;
};
