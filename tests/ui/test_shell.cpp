// The main window and its documents driven offscreen: start-up state, menus,
// files, save queries and the recent-file list.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "ScriptedInteraction.h"
#include "frmDocument.h"
#include "frmMain.h"

class ShellTest : public QObject {
  Q_OBJECT
  const quillon::SettingPlaces m_places{"/opt/quillon", "/home/op"};

 private slots:
  // Guards against: a document created by New that cannot take NC text.
  void newDocumentTakesInsertedText() {
    quillon::MemorySettingsStore store;
    ScriptedInteraction ui;
    frmMain w(store, ui, m_places);
    w.load(QString());
    w.runCommand(QStringLiteral("mnuFileNew"));
    QVERIFY(w.ActiveDocument());
    QCOMPARE(w.ActiveDocument()->caption(), QStringLiteral("Untitled1"));
    QVERIFY(w.InsertNcText("G00 X10.\n"));
    QCOMPARE(w.ActiveDocument()->text(), std::string("G00 X10.\n"));
    QVERIFY(w.ActiveDocument()->DataChanged());
  }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
