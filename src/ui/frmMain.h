#pragma once
// The main window: MDI area, menu tree, toolbar and status bar built from the
// tables in app/, the documents, and the application-wide records.
//
// Feature modules (ProcessCommands.cpp, TransformCommands.cpp, ...) never add
// methods here: they bind their menu controls with setCommand() and use the
// accessors below.
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "app/recent_files.h"
#include "app/settings.h"
#include "process/kept_state.h"
#include "process/machine_parameters.h"
#include "process/process_command.h"

class QAction;
class QMdiArea;
class frmDocument;
class Interaction;

namespace quillon {
class CuttingConditionTable;
}

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  // places.appFolder is the folder of the program (data/ lives there).
  frmMain(quillon::SettingsStore& store, Interaction& interaction, quillon::SettingPlaces places,
          QWidget* parent = nullptr);
  ~frmMain() override;

  // Start-up steps after construction; commandLine is the raw command line
  // (the quote rule is applied here).
  void load(const QString& commandLine);

  // --- documents
  frmDocument* ActiveDocument() const;
  QList<frmDocument*> documents() const;
  QMdiArea* mdiArea() const;
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
  // Shows or hides the six rotary-tool items that depend on Tallix.
  void applyTallixMenus(bool tallix);
  // The file-name field of the shared open/save dialog keeps the last name.
  QString lastDialogFileName() const;
  void setLastDialogFileName(const QString& name);
  // Whether a document window closed since a document's text last had the focus.
  bool pendingRearrangement() const;

  // Puts text (one byte per character, "\n" line ends) at the caret of
  // ActiveDocument, replacing its selection, as one undo step; the caret ends
  // after it. Without a document: the " 91 error " warning, returns false.
  bool InsertNcText(const std::string& text);
  // Applies a command's output (at caret / after caret / appended at end) to
  // ActiveDocument as one undo step. Reports 91 without a document.
  bool ApplyProcessOutput(const quillon::ProcessOutput& output);
  // The warning of the process commands: title " 13 error ", its message.
  void ReportProcessError(int number);

  // --- commands: menu items and toolbar buttons share one handler
  QAction* action(const QString& controlName, int index = 0) const;
  void setCommand(const QString& controlName, std::function<void(int index)> handler);
  // Runs a command as its menu item would (disabled items and document
  // commands without a document do nothing).
  void runCommand(const QString& controlName, int index = 0);
  // Toolbar position 1..22 (separators included).
  QAction* toolbarAction(int position) const;

  // --- application-wide records
  Interaction& interaction() { return m_interaction; }
  quillon::SettingsStore& store() { return m_store; }
  const quillon::SettingPlaces& places() const { return m_places; }
  QString appFolder() const;
  quillon::AppSettings& appSettings() { return m_settings; }
  quillon::MachineParameters& machine() { return m_machine; }
  quillon::KeptState& kept() { return m_kept; }
  quillon::CuttingConditionTable& cuttingConditions() { return *m_conditions; }

 signals:
  // A document's text control received the focus (modeless tools come to front).
  void documentFocused(frmDocument* document);
  // A document window was created (New, Open, recent file, command line).
  void documentCreated(frmDocument* document);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildToolbar();
  void buildStatusBar();
  void bindShellCommands();
  void updateClockPanels();
  void updateInsertPanel();
  void rememberFrameOffset();
  void dispatch(const QString& controlName, int index);
  void enableDocumentCommands();
  frmDocument* createDocumentWindow(const QString& caption);
  quillon::RecentFileList recentFiles() const;
  void setRecentFiles(const quillon::RecentFileList& list);
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
  quillon::SettingsStore& m_store;
  Interaction& m_interaction;
  quillon::SettingPlaces m_places;
  quillon::AppSettings m_settings;
  quillon::MachineParameters m_machine;
  quillon::KeptState m_kept;
  std::unique_ptr<quillon::CuttingConditionTable> m_conditions;
  std::unique_ptr<Impl> m_impl;
};

// Feature modules, each in its own file, bind their commands at start.
void InstallEditingCommands(frmMain& main);     // clipboard, undo, Insert menu, templates, printing, fonts
void InstallProcessCommands(frmMain& main);     // Process menu
void InstallTransformCommands(frmMain& main);   // find/replace, size shift, renumbering, auto number
void InstallCalculatorCommands(frmMain& main);  // Point calculation menu, spindle speed, calculator
void InstallHelpCommands(frmMain& main);        // Help menu and About
