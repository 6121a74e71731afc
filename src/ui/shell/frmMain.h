#pragma once
// The main window: MDI area, menu tree, toolbar and status bar built from the
// tables in app/, and the documents. It owns no feature: the modules in the
// other ui/ folders bind their menu controls through commands() and reach
// the documents through documentHost(); the application-wide records are
// the Workspace it is given.
#include <QMainWindow>
#include <QString>
#include <memory>
#include <string>

#include "app/recent_files.h"
#include "document/text_file.h"

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

  // Start-up steps after construction; arguments are the program's
  // arguments after its name, each naming one file to open (the quote rule
  // takes a path out of an argument that still holds quotes).
  void load(const QStringList& arguments);
  // One argument, or none when empty.
  void load(const QString& argument);

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
  // The caption is the path as given (made absolute when it is relative).
  // A path that does not exist gives an empty document under that caption
  // (the file appears on Save); a file that cannot be read shows a message
  // and gives no window (nullptr).
  frmDocument* OpenDocumentFile(const QString& path);
  // Opens path with the size check of the open dialog ("This file size is too
  // big, can not open."); a path that does not exist opens empty only when
  // missingOpensEmpty, else nothing happens. Shows the document menus.
  frmDocument* OpenCheckedFile(const QString& path, bool missingOpensEmpty);
  // A document holding text that was not read from its file (a recovered
  // one): under path, or "UntitledN" when path is empty, and changed.
  frmDocument* OpenDocumentText(const QString& path, const std::string& text, quillon::LineEndStyle style);
  // Saves doc to path (temporary file renamed over the target); on success
  // the caption becomes the path and DataChanged is cleared. A failure shows
  // "Can not save." with the system's reason and leaves doc as it was. The
  // document host's beforeSave may cancel or pick another name first.
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
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
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
  void placeAtStart();
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
