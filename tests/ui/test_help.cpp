// Help menu and About box through the real main window: pages open in the
// viewer (also from a folder with blanks), a missing page is reported by
// name, and the About box falls back to its message without a tool.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "HelpWindow.h"
#include "ScriptedInteraction.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "help/help_topics.h"

class TestHelp : public QObject {
  Q_OBJECT

 private:
  // A copy of the shipped help pages under a folder whose path holds a blank.
  static QString MakeAppFolder(QTemporaryDir& tmp, bool withPages) {
    const QString app = tmp.path() + "/my quillon";
    QDir().mkpath(app + "/help");
    if (withPages) {
      const QString shipped = qEnvironmentVariable("QUILLON_APP_DIR") + "/help";
      for (const QString& name : QDir(shipped).entryList({"*.html"}))
        QFile::copy(shipped + "/" + name, app + "/help/" + name);
    }
    return app;
  }

  static HelpWindow* Viewer(frmMain& main) { return main.findChild<HelpWindow*>("HelpWindow"); }

 private slots:
  void helpItemOpensItsPage_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("title");
    QTest::newRow("G codes") << "GcodeHelp" << "G codes";
    QTest::newRow("M codes") << "McodeHelp" << "M codes";
    QTest::newRow("Variables") << "VariableHelp" << "System variables";
    QTest::newRow("Mnemonics") << "MnemonicHelp" << "Mnemonics";
    QTest::newRow("Editor") << "QuillonHelp" << "Quillon help";
  }
  void helpItemOpensItsPage() {
    QFETCH(QString, control);
    QFETCH(QString, title);
    QTemporaryDir tmp;
    quillon::MemorySettingsStore store;
    ScriptedInteraction ui;
    frmMain main(store, ui, {MakeAppFolder(tmp, true).toStdString(), tmp.path().toStdString()});
    main.load(QString());
    main.action(control)->trigger();
    HelpWindow* viewer = Viewer(main);
    QVERIFY(viewer);
    QVERIFY(ui.messages.empty());
    QCOMPARE(viewer->browser()->documentTitle(), title);
    QVERIFY(viewer->browser()->source().toLocalFile().contains("/my quillon/help/"));
  }

  void linksAndBackNavigation() {
    QTemporaryDir tmp;
    quillon::MemorySettingsStore store;
    ScriptedInteraction ui;
    frmMain main(store, ui, {MakeAppFolder(tmp, true).toStdString(), tmp.path().toStdString()});
    main.load(QString());
    main.action("QuillonHelp")->trigger();
    HelpWindow* viewer = Viewer(main);
    QVERIFY(viewer);
    viewer->browser()->setSource(QUrl("G-code.html"));
    QCOMPARE(viewer->browser()->documentTitle(), QString("G codes"));
    viewer->browser()->backward();
    QCOMPARE(viewer->browser()->documentTitle(), QString("Quillon help"));
  }

  void missingPageIsReportedByName() {
    QTemporaryDir tmp;
    quillon::MemorySettingsStore store;
    ScriptedInteraction ui;
    frmMain main(store, ui, {MakeAppFolder(tmp, false).toStdString(), tmp.path().toStdString()});
    main.load(QString());
    main.action("McodeHelp")->trigger();
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ui.messages[0].text.contains("/my quillon/help/M-code.html"));
  }

  void aboutShowsVersionFromTheBuild() {
    ScriptedInteraction ui;
    frmAbout about(ui, nullptr, [](const QString&) { return QString(); });
    QCOMPARE(about.lblVersion->text(), QString("Version 2.2.6"));
    QCOMPARE(about.lblTitle->text(), QString("Quillon"));
    QCOMPARE(about.windowTitle(), QString("Quillon"));
    QVERIFY(!about.lblDescription->text().isEmpty());
    QVERIFY(!about.lblDisclaimer->text().isEmpty());
  }

  void systemInformationFallsBackToTheMessage() {
    ScriptedInteraction ui;
    frmAbout about(ui, nullptr, [](const QString&) { return QString(); });
    about.cmdSysInfo->click();
    QVERIFY(ui.launches.empty());
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(ui.messages[0].text, QString::fromUtf8("現時点ではｼｽﾃﾑ情報を使用できません"));
  }

  void systemInformationToolIsLaunchedWithoutAShell() {
    ScriptedInteraction ui;
    frmAbout about(ui, nullptr, [](const QString& name) {
      return name == "gnome-system-monitor" ? QString("/usr/my bin/gnome-system-monitor") : QString();
    });
    about.cmdSysInfo->click();
    QCOMPARE(ui.launches.size(), size_t(1));
    QCOMPARE(ui.launches[0].program, QString("/usr/my bin/gnome-system-monitor"));
    QVERIFY(ui.messages.empty());
  }

  void failedLaunchFallsBackToTheMessage() {
    ScriptedInteraction ui;
    ui.launchSucceeds = false;
    frmAbout about(ui, nullptr, [](const QString& name) { return "/usr/bin/" + name; });
    about.cmdSysInfo->click();
    QCOMPARE(ui.launches.size(), quillon::SystemInfoTools().size());
    QCOMPARE(ui.messages.size(), size_t(1));
  }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
