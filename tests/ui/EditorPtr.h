#pragma once
// The one fixture of the widget tests: the editor as main() builds it (the workspace, the main window, every feature
// module bound) over a memory settings store, a scripted Interaction and a temporary application folder, and the few
// helpers every widget test needs, with the widget headers most of them use.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include <string>

#include "ScriptedInteraction.h"
#include "TestRows.h"
#include "process/cutting_conditions.h"
#include "process/workspace.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/frmDocument.h"
#include "ui/shell/Commands.h"
#include "ui/shell/Editor.h"
#include "ui/shell/frmMain.h"

// The editor under test, held like a pointer to its main window.
class EditorPtr {
 public:
  EditorPtr() = default;
  explicit EditorPtr(std::unique_ptr<Editor> editor) : m_editor(std::move(editor)) {}
  frmMain* operator->() const { return &m_editor->window(); }
  frmMain& operator*() const { return m_editor->window(); }
  frmMain* get() const { return m_editor ? &m_editor->window() : nullptr; }
  explicit operator bool() const { return m_editor != nullptr; }
  void reset() { m_editor.reset(); }
  quillon::Workspace& workspace() const { return m_editor->workspace(); }
  void startRecovery(const QString& folder) const { m_editor->startRecovery(folder); }

 private:
  std::unique_ptr<Editor> m_editor;
};

inline EditorPtr MakeEditor(quillon::SettingsStore& store, Interaction& ui, quillon::SettingPlaces places) {
  return EditorPtr(std::make_unique<Editor>(store, ui, std::move(places)));
}

// A file of the test data folder (tests/ in the source tree).
inline QString TestData(const QString& relative) { return qEnvironmentVariable("QUILLON_TEST_DATA") + "/" + relative; }
// The material file the widget tests load: row 5 holds tool 5, speed 150.
inline QString MaterialFile() { return TestData("ui/test_process_material.csv"); }

// Shows a window modelessly as the active one, so focus and keys behave as for a user.
inline void ShowActive(QWidget& w) {
  w.show();
  QApplication::setActiveWindow(&w);
  QVERIFY(QTest::qWaitForWindowActive(&w));
}

// A session of the editor: the application folder is tmp/app (empty unless a test puts files there), the home folder
// tmp itself.
struct EditorSession {
  QTemporaryDir tmp;
  QString appFolder = tmp.path() + "/app";
  quillon::MemorySettingsStore store;
  ScriptedInteraction ui;
  EditorPtr main;
  QString recoveryFolder;  // crash recovery runs only where a test names its folder

  explicit EditorSession(bool startNow = true) {
    if (startNow) start();
  }
  quillon::Workspace& ws() const { return main.workspace(); }
  // A new editor over the same store (as the next run of the program would see it).
  template <class CommandLine = QString>
  void start(const CommandLine& commandLine = {}, bool show = false) {
    QDir().mkpath(appFolder);
    main = MakeEditor(store, ui, {appFolder.toStdString(), tmp.path().toStdString()});
    main->load(commandLine);
    if (show) main->show();
    if (show) QApplication::processEvents();
    if (!recoveryFolder.isEmpty()) main.startRecovery(recoveryFolder);
  }
  QStringList captions() const {
    QStringList list;
    for (frmDocument* d : main->documents()) list << d->caption();
    return list;
  }
  // Runs a command as its menu item does (a disabled item does nothing).
  void run(const QString& control, int index = 0) {
    QVERIFY2(main->action(control, index), qPrintable(control));
    main->runCommand(control, index);
  }
  // A new document holding text, unchanged and without undo history, with this selection.
  frmDocument* document(const std::string& text = std::string(), int start = 0, int length = 0) {
    main->runCommand(QStringLiteral("mnuFileNew"));
    frmDocument* doc = main->ActiveDocument();
    if (!doc) return nullptr;
    doc->loadText(text);
    doc->setDataChanged(false);
    doc->setSelection(start, length);
    return doc;
  }
  QString path(const QString& name) const { return tmp.filePath(name); }
  // The material file loaded as after "Material Input" once.
  void loadMaterial(const QString& file = MaterialFile()) {
    ws().machine.CsvFileName = file.toStdString();
    quillon::ApplyCuttingConditionLoad(ws().conditions, quillon::LoadCuttingConditionTable(ws().machine.CsvFileName));
  }
};

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

inline QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

template <class T = QWidget>
T* Child(const QObject* parent, const QString& name) {
  return parent ? parent->findChild<T*>(name) : nullptr;
}
