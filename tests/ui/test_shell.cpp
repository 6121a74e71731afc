// The main window and its documents driven offscreen: start-up state, menus,
// files, save queries, the recent-file list and exit.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDate>
#include <QFile>
#include <QFontMetrics>
#include <QLocale>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "QtSettingsStore.h"
#include "ScriptedInteraction.h"
#include "app/menu_tree.h"
#include "frmDocument.h"
#include "frmMain.h"

namespace {
const quillon::SettingPlaces kPlaces{"/opt/quillon", "/home/op"};
const QString kDocumentMenus[] = {"mnuEdit", "mnuInsert", "Process", "mnuTools", "ClosPoint", "Gcode", "Mcode"};

struct Shell {
  quillon::MemorySettingsStore store;
  ScriptedInteraction ui;
  std::unique_ptr<frmMain> w;

  void start(const QString& commandLine = QString()) {
    w = std::make_unique<frmMain>(store, ui, kPlaces);
    w->load(commandLine);
    w->show();
  }
  frmDocument* newDocument() {
    w->runCommand(QStringLiteral("mnuFileNew"));
    return w->ActiveDocument();
  }
  QStringList captions() const {
    QStringList list;
    for (frmDocument* d : w->documents()) list << d->caption();
    return list;
  }
  QStringList visibleRecent() const {
    QStringList list;
    for (int i = 1; i <= 5; ++i) {
      QAction* a = w->action(QStringLiteral("mnuFileRecentFile"), i);
      if (a->isVisible()) list << a->text();
    }
    return list;
  }
  std::string stored(const char* key, std::string_view section = quillon::kSectionSettings) const {
    return store.get(section, key).value_or("<none>");
  }
};

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

int Pixels(double twips, const QWidget& w) {
  return quillon::TwipsToPixels(twips, w.screen()->logicalDotsPerInchX());
}
}  // namespace

class ShellTest : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString path(const QString& name) const { return m_dir.filePath(name); }

 private slots:
  // Guards against: a first run that shows document commands with nothing to act on.
  void firstRunWithEmptyStore() {
    Shell s;
    s.start();
    frmMain& w = *s.w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Quillon  Ver.2.26 Eng"));
    // 1000 twips at 96 dpi: 1000 * 96 / 1440 = 66.7 -> 67 px; 6500 twips -> 433 px.
    QCOMPARE(w.x(), Pixels(1000, w));
    QCOMPARE(w.y(), Pixels(1000, w));
    QCOMPARE(w.width(), Pixels(6500, w));
    QCOMPARE(w.height(), Pixels(6500, w));
    for (const QString& menu : kDocumentMenus) QVERIFY2(!w.action(menu)->isVisible(), qPrintable(menu));
    QVERIFY(w.action(QStringLiteral("mnuFile"))->isVisible());
    QVERIFY(w.action(QStringLiteral("mnuView"))->isVisible());
    QVERIFY(w.action(QStringLiteral("mnuHelp"))->isVisible());
    QStringList visibleButtons;
    int separators = 0;
    for (int pos = 1; pos <= 22; ++pos) {
      QAction* a = w.toolbarAction(pos);
      if (!a->isVisible()) continue;
      if (a->isSeparator())
        ++separators;
      else
        visibleButtons << a->toolTip();
    }
    QCOMPARE(visibleButtons, (QStringList{" New ", " Open "}));
    QCOMPARE(separators, 4);
    QVERIFY(s.visibleRecent().isEmpty());
    QVERIFY(!w.ActiveDocument());
    QVERIFY(!w.pendingRearrangement());
    QVERIFY(w.action(QStringLiteral("mnuWindowTileVertical"))->isChecked());
  }

  // Guards against: a stored number that does not convert stopping or skewing the start.
  void badStoredNumbersUseDefaults() {
    Shell s;
    s.store.set(quillon::kSectionSettings, "MainWidth", "wide");
    s.store.set(quillon::kSectionSettings, "MainLeft", "12x");
    s.store.set(quillon::kSectionSettings, "ScreenFontSize", "");
    s.store.set(quillon::kSectionParameter, "TG", "maybe");
    s.start();
    QCOMPARE(s.w->width(), Pixels(6500, *s.w));
    QCOMPARE(s.w->x(), Pixels(1000, *s.w));
    QCOMPARE(s.w->appSettings().ScreenFontSize, 14);
    QCOMPARE(s.w->machine().TG, false);
  }

  // Guards against: document menus vanishing again when the last document closes.
  void menusShownAfterFirstNewAndKeptAfterLastClose() {
    Shell s;
    s.start();
    frmDocument* doc = s.newDocument();
    QVERIFY(doc);
    for (const QString& menu : kDocumentMenus) QVERIFY2(s.w->action(menu)->isVisible(), qPrintable(menu));
    for (int pos = 3; pos <= 22; ++pos) QVERIFY(s.w->toolbarAction(pos)->isVisible());
    for (std::string_view name : quillon::DocumentCommands())
      QVERIFY2(s.w->action(QString::fromLatin1(name.data(), name.size()))->isEnabled(), name.data());
    s.w->runCommand(QStringLiteral("mnuFileClose"));
    QVERIFY(s.w->documents().isEmpty());
    for (const QString& menu : kDocumentMenus) QVERIFY2(s.w->action(menu)->isVisible(), qPrintable(menu));
    QVERIFY(s.w->toolbarAction(22)->isVisible());
  }

  void tallixItems_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("visible");
    QTest::newRow("True") << "True" << true;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("missing") << QString() << false;
  }
  // Guards against: rotary-tool items offered on a machine without them, or hidden on one with them.
  void tallixItems() {
    QFETCH(QString, stored);
    QFETCH(bool, visible);
    Shell s;
    if (!stored.isNull()) s.store.set(quillon::kSectionParameter, "Tallix", stored.toStdString());
    s.start();
    for (const char* name : {"ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant", "ProcessMTapSlant"})
      QCOMPARE(s.w->action(QLatin1String(name))->isVisible(), visible);
    // The circle and planet-tap menus keep their design visibility at start.
    QVERIFY(s.w->action(QStringLiteral("ProcessMCircle"))->isVisible());
    QVERIFY(s.w->action(QStringLiteral("ProcessMPlanetTap"))->isVisible());
    s.w->applyTallixMenus(!visible);
    for (std::string_view name : quillon::TallixItems())
      QCOMPARE(s.w->action(QString::fromLatin1(name.data(), name.size()))->isVisible(), !visible);
    for (const char* name : {"ProcessMCircleFace", "ProcessMCircleSide", "ProcessMPlanetTapFace",
                             "ProcessMPlanetTapSide"})
      QVERIFY(!s.w->action(QLatin1String(name))->isEnabled());
  }

  void recentFilesAtStart_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("1+2") << QStringList{"RecentFile1", "RecentFile2"} << QList<int>{1, 2};
    QTest::newRow("1+3") << QStringList{"RecentFile1", "RecentFile3"} << QList<int>{1, 3};
  }
  // Guards against: the slots after a gap lost, or empty slots shown.
  void recentFilesAtStart() {
    QFETCH(QStringList, keys);
    QFETCH(QList<int>, shown);
    Shell s;
    for (const QString& key : keys)
      s.store.set(quillon::kSectionSettings, key.toStdString(), "/p/" + key.toStdString() + ".min");
    s.start();
    for (int i = 1; i <= 5; ++i) {
      QAction* a = s.w->action(QStringLiteral("mnuFileRecentFile"), i);
      QCOMPARE(a->isVisible(), shown.contains(i));
      if (!shown.contains(i)) QCOMPARE(a->text(), QStringLiteral("RecentFile%1").arg(i));
    }
  }

  // Guards against: the oldest recent file kept, or a sixth slot appearing.
  void sixOpensLeaveFiveEntries() {
    Shell s;
    s.start();
    QStringList paths;
    for (int i = 1; i <= 6; ++i) {
      paths << path(QStringLiteral("six%1.min").arg(i));
      WriteFile(paths.last(), "N1\r\n");
      s.ui.openAnswers.push_back(ScriptedInteraction::pick(paths.last()));
      s.w->runCommand(QStringLiteral("mnuFileOpen"));
    }
    QCOMPARE(s.w->documents().size(), 6);
    QCOMPARE(s.visibleRecent(), (QStringList{paths[5], paths[4], paths[3], paths[2], paths[1]}));
    s.w->close();
    QCOMPARE(s.stored("RecentFile1"), paths[5].toStdString());
    QCOMPARE(s.stored("RecentFile5"), paths[1].toStdString());
    // A recent item opens its file again, listed once more.
    s.start();
    s.w->runCommand(QStringLiteral("mnuFileRecentFile"), 3);
    QCOMPARE(s.w->ActiveDocument()->caption(), paths[3].toUpper());
    QCOMPARE(s.visibleRecent().first(), paths[3]);
    QCOMPARE(s.visibleRecent().count(paths[3]), 2);
  }

  void exit_data() {
    QTest::addColumn<bool>("minimized");
    QTest::newRow("normal") << false;
    QTest::newRow("minimized") << true;
  }
  // Guards against: a minimized window's placement stored (it would reopen off-screen)
  // and the recent-file list lost when it is.
  void exit() {
    QFETCH(bool, minimized);
    Shell s;
    s.store.set(quillon::kSectionSettings, "MainLeft", "3000");
    s.store.set(quillon::kSectionSettings, "OpenPathName", "/old/open");
    s.store.set(quillon::kSectionParameter, "CsvFileName", "/old/S45C.CSV");
    s.start();
    const QString file = path(QStringLiteral("exit.min"));
    WriteFile(file, "");
    s.w->OpenDocumentFile(file);
    s.w->appSettings().OpenPathName = "/new/open";
    s.w->machine().CsvFileName = "/new/S50C.CSV";
    s.w->move(Pixels(1500, *s.w), s.w->y());
    if (minimized) s.w->setWindowState(Qt::WindowMinimized);
    s.w->runCommand(QStringLiteral("mnuFileExit"));
    QVERIFY(!s.w->isVisible());
    QCOMPARE(s.stored("RecentFile1"), file.toStdString());
    if (minimized) {
      QCOMPARE(s.stored("MainLeft"), std::string("3000"));
      QCOMPARE(s.stored("MainWidth"), std::string("<none>"));
      QCOMPARE(s.stored("OpenPathName"), std::string("/old/open"));
      QCOMPARE(s.stored("CsvFileName", quillon::kSectionParameter), std::string("/old/S45C.CSV"));
    } else {
      // 1500 twips -> 100 px at 96 dpi -> back to 1500 twips.
      const double dpi = s.w->screen()->logicalDotsPerInchX();
      QCOMPARE(s.stored("MainLeft"), quillon::SettingNumberText(quillon::PixelsToTwips(Pixels(1500, *s.w), dpi)));
      QCOMPARE(s.stored("MainWidth"), quillon::SettingNumberText(quillon::PixelsToTwips(s.w->width(), dpi)));
      QCOMPARE(s.stored("OpenPathName"), std::string("/new/open"));
      QCOMPARE(s.stored("ScreenFontName"), std::string("Terminal"));
      QCOMPARE(s.stored("CsvFileName", quillon::kSectionParameter), std::string("/new/S50C.CSV"));
    }
  }

  // Guards against: exit going ahead after a document said Cancel.
  void exitCancelledByADocument() {
    Shell s;
    s.start();
    s.newDocument();
    s.w->InsertNcText("G00\n");
    s.ui.answers = {Answer::Cancel};
    QVERIFY(!s.w->close());
    QCOMPARE(s.w->documents().size(), 1);
    QCOMPARE(s.stored("MainLeft"), std::string("<none>"));
  }

  // Guards against: one document's text saved under another's name on exit.
  void exitAsksPerChangedDocumentAndSavesItsOwnText() {
    Shell s;
    s.start();
    const QString a = path(QStringLiteral("exitA.min")), b = path(QStringLiteral("exitB.min"));
    WriteFile(a, "A\r\n");
    WriteFile(b, "B\r\n");
    s.w->OpenDocumentFile(a)->replaceRange(0, 0, "1", 1);
    s.w->OpenDocumentFile(b)->replaceRange(0, 0, "2", 1);
    s.ui.answers = {Answer::Yes, Answer::Yes};
    QVERIFY(s.w->close());
    QCOMPARE(s.ui.questions.size(), size_t(2));
    QCOMPARE(s.ui.questions[0].text, "[" + a.toUpper() + "] is changed,\n Do you want save ?");
    QCOMPARE(s.ui.questions[0].title, QStringLiteral("Quillon  Ver.2.26 Eng"));
    QCOMPARE(s.ui.questions[0].icon, MessageIcon::Exclamation);
    QCOMPARE(s.ui.questions[1].text, "[" + b.toUpper() + "] is changed,\n Do you want save ?");
    QCOMPARE(ReadFile(a), QByteArray("1A\r\n"));
    QCOMPARE(ReadFile(b), QByteArray("2B\r\n"));
  }

  void commandLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << "%1" << "cmd plain.min";
    QTest::newRow("quoted with trailing words") << "\"%1\" /x more" << "cmd quoted.min";
    QTest::newRow("one quote") << "\"%1" << "cmd one.min";
  }
  // Guards against: quotes or trailing words taken into the path of the start file.
  void commandLine() {
    QFETCH(QString, line);
    QFETCH(QString, file);
    const QString full = path(file);
    WriteFile(full, "O1234\r\n");
    Shell s;
    s.start(line.arg(full));
    QCOMPARE(s.captions(), QStringList{full.toUpper()});
    QCOMPARE(s.w->ActiveDocument()->text(), std::string("O1234\n"));
    QVERIFY(!s.w->ActiveDocument()->DataChanged());
    QVERIFY(s.w->action(QStringLiteral("Gcode"))->isVisible());
    QCOMPARE(s.visibleRecent(), QStringList{full});
    // Opened before the window was shown, tiled once the area has its size.
    QApplication::processEvents();
    QCOMPARE(s.w->ActiveDocument()->parentWidget()->width(), s.w->mdiArea()->viewport()->width());
  }

  // Guards against: a start file named relative to the shell's folder listed
  // without its folder, so the recent entry names another file in a later run.
  void commandLineRelativePath() {
    const QString full = path(QStringLiteral("relative.min"));
    WriteFile(full, "O7\r\n");
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    Shell s;
    s.start(QStringLiteral("relative.min"));
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(s.captions(), QStringList{full.toUpper()});
    QCOMPARE(s.w->ActiveDocument()->text(), std::string("O7\n"));
    QCOMPARE(s.visibleRecent(), QStringList{full});
  }

  // Guards against: untitled numbers reused after a close.
  void untitledNumbering() {
    Shell s;
    s.start();
    for (int i = 0; i < 3; ++i) s.newDocument();
    QCOMPARE(s.captions(), (QStringList{"Untitled1", "Untitled2", "Untitled3"}));
    QMdiSubWindow* second = s.w->mdiArea()->subWindowList(QMdiArea::CreationOrder)[1];
    s.w->mdiArea()->setActiveSubWindow(second);
    s.w->runCommand(QStringLiteral("mnuFileClose"));
    QCOMPARE(s.captions(), (QStringList{"Untitled1", "Untitled3"}));
    s.newDocument();
    QCOMPARE(s.captions(), (QStringList{"Untitled1", "Untitled3", "Untitled4"}));
    QVERIFY(!s.w->ActiveDocument()->DataChanged());
  }

  void openSizeLimit_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("opens");
    QTest::newRow("65000 bytes") << 65000 << true;
    QTest::newRow("65001 bytes") << 65001 << false;
  }
  // Guards against: the size limit off by one.
  void openSizeLimit() {
    QFETCH(int, size);
    QFETCH(bool, opens);
    const QString file = path(QStringLiteral("size%1.min").arg(size));
    WriteFile(file, QByteArray(size, 'X'));
    Shell s;
    s.start();
    s.ui.openAnswers.push_back(ScriptedInteraction::pick(file));
    s.w->runCommand(QStringLiteral("mnuFileOpen"));
    QCOMPARE(s.w->documents().size(), opens ? 1 : 0);
    if (opens) {
      QCOMPARE(s.w->ActiveDocument()->text().size(), size_t(65000));
      QVERIFY(s.ui.messages.empty());
    } else {
      QCOMPARE(s.ui.messages.size(), size_t(1));
      QCOMPARE(s.ui.messages[0].text, QStringLiteral("This file size is too big, can not open."));
      QCOMPARE(s.ui.messages[0].title, QStringLiteral("Quillon"));
      QVERIFY(!s.w->action(QStringLiteral("Gcode"))->isVisible());
    }
    QCOMPARE(s.w->appSettings().OpenPathName, m_dir.path().toStdString());
    QCOMPARE(s.ui.openFilters[0],
             QStringLiteral("All Files (*.*)|*.*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb"));
    QCOMPARE(s.ui.openStartFolders[0], QStringLiteral("/home/op"));
  }

  // Guards against: a cancelled or empty open dialog doing anything.
  void openCancelledOrMissing() {
    Shell s;
    s.start();
    s.w->runCommand(QStringLiteral("mnuFileOpen"));  // no answer queued: cancelled
    s.ui.openAnswers.push_back(ScriptedInteraction::pick(path(QStringLiteral("nowhere.min"))));
    s.w->runCommand(QStringLiteral("mnuFileOpen"));
    QVERIFY(s.w->documents().isEmpty());
    QVERIFY(s.ui.messages.empty());
    QVERIFY(!QFile::exists(path(QStringLiteral("nowhere.min"))));
  }

  void saveReopenByteExact_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("saved");
    QByteArray all;
    for (int b = 0; b < 256; ++b)
      if (b != '\r' && b != '\n') all.append(char(b));
    QTest::newRow("CR LF") << QByteArray("O1\r\nG00 X1.\r\nM30\r\n") << QByteArray("O1\r\nG00 X1.\r\nM30\r\n");
    QTest::newRow("LF") << QByteArray("O1\nG00\n") << QByteArray("O1\nG00\n");
    QTest::newRow("every byte value") << all + "\r\n" << all + "\r\n";
    QTest::newRow("lone CR kept") << QByteArray("A\rB\r\n") << QByteArray("A\rB\r\n");
    QTest::newRow("CR before CR LF kept") << QByteArray("A\r\r\nB\r\n") << QByteArray("A\r\r\nB\r\n");
    QTest::newRow("no final line end gets one") << QByteArray("O1\r\nM30") << QByteArray("O1\r\nM30\r\n");
    QTest::newRow("mixed ends written CR LF") << QByteArray("A\r\nB\nC\n") << QByteArray("A\r\nB\r\nC\r\n");
    QTest::newRow("two final line ends stay two") << QByteArray("A\r\n\r\n") << QByteArray("A\r\n\r\n");
  }
  // Guards against: bytes lost in the Latin-1 round trip, line ends rewritten,
  // and every save growing the file by one empty line.
  void saveReopenByteExact() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, saved);
    const QString file = path(QStringLiteral("exact.min"));
    WriteFile(file, bytes);
    Shell s;
    s.start();
    frmDocument* doc = s.w->OpenDocumentFile(file);
    QVERIFY(doc);
    QCOMPARE(doc->text().size() + std::size_t(bytes.count("\r\n")), std::size_t(bytes.size()));
    s.w->runCommand(QStringLiteral("mnuFileSave"));
    QCOMPARE(ReadFile(file), saved);
    s.w->runCommand(QStringLiteral("mnuFileClose"));
    s.w->OpenDocumentFile(file);
    s.w->runCommand(QStringLiteral("mnuFileSave"));
    QCOMPARE(ReadFile(file), saved);
    QVERIFY(s.ui.messages.empty());
  }

  // Guards against: Save writing over another file than the one opened (the
  // caption is upper-cased) and the recent list or caption not following Save As.
  void saveUntitledThenSaveAgain() {
    Shell s;
    s.start();
    frmDocument* doc = s.newDocument();
    s.w->InsertNcText("G00 X10.\nM30\n");
    const QString file = path(QStringLiteral("Saved.min"));
    s.ui.saveAnswers.push_back(ScriptedInteraction::pick(file));
    s.w->runCommand(QStringLiteral("mnuFileSave"));
    QCOMPARE(s.ui.saveDefaultNames, (std::vector<QString>{QString()}));
    QCOMPARE(s.ui.saveFilters[0],
             QStringLiteral("Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb|All Files (*.*)|*.*"));
    QCOMPARE(s.ui.saveStartFolders[0], QStringLiteral("/home/op"));
    QCOMPARE(doc->caption(), file.toUpper());
    QVERIFY(!doc->DataChanged());
    QCOMPARE(s.visibleRecent(), QStringList{file});
    QCOMPARE(s.w->appSettings().SavePathName, m_dir.path().toStdString());
    QCOMPARE(ReadFile(file), QByteArray("G00 X10.\r\nM30\r\n"));
    s.w->InsertNcText("(X)\n");
    s.w->runCommand(QStringLiteral("mnuFileSave"));
    QCOMPARE(s.ui.saveDefaultNames.size(), size_t(1));  // no dialog the second time
    QCOMPARE(ReadFile(file), QByteArray("G00 X10.\r\nM30\r\n(X)\r\n"));
    QVERIFY(!QFile::exists(file.toUpper()));
  }

  // Guards against: a failed save clearing DataChanged or renaming the document.
  void saveFailureKeepsTheDocument() {
    Shell s;
    s.start();
    frmDocument* doc = s.newDocument();
    s.w->InsertNcText("X");
    s.ui.saveAnswers.push_back(ScriptedInteraction::pick(path(QStringLiteral("no/such/folder/a.min"))));
    s.w->runCommand(QStringLiteral("mnuFileSaveAs"));
    QCOMPARE(s.ui.messages.size(), size_t(1));
    QCOMPARE(s.ui.messages[0].text, QStringLiteral("Can not save."));
    QCOMPARE(doc->caption(), QStringLiteral("Untitled1"));
    QVERIFY(doc->DataChanged());
    QVERIFY(s.visibleRecent().isEmpty());
    QCOMPARE(s.w->appSettings().SavePathName, QDir::currentPath().toStdString());
  }

  void closeQueryYes_data() {
    QTest::addColumn<bool>("dialogCancelled");
    QTest::newRow("Save As cancelled") << true;
    QTest::newRow("save fails") << false;
  }
  // Guards against: a Yes to the close query losing the text when nothing was saved.
  void closeQueryYes() {
    QFETCH(bool, dialogCancelled);
    Shell s;
    s.start();
    frmDocument* doc = s.newDocument();
    s.w->InsertNcText("G01\n");
    s.ui.answers = {Answer::Yes};
    if (!dialogCancelled)
      s.ui.saveAnswers.push_back(ScriptedInteraction::pick(path(QStringLiteral("missing/dir/x.min"))));
    QVERIFY(!doc->parentWidget()->close());
    QCOMPARE(s.w->documents().size(), 1);
    QCOMPARE(doc->text(), std::string("G01\n"));
    QCOMPARE(s.ui.questions[0].text, QStringLiteral("[Untitled1] is changed,\n Do you want save ?"));
    // The same through the Close command.
    s.ui.answers = {Answer::Yes};
    if (!dialogCancelled)
      s.ui.saveAnswers.push_back(ScriptedInteraction::pick(path(QStringLiteral("missing/dir/x.min"))));
    s.w->runCommand(QStringLiteral("mnuFileClose"));
    QCOMPARE(s.w->documents().size(), 1);
  }

  void closeCommand_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("windowsLeft");
    QTest::newRow("No closes after one question") << int(Answer::No) << 0;
    QTest::newRow("Cancel keeps") << int(Answer::Cancel) << 1;
    QTest::newRow("Yes saves then closes") << int(Answer::Yes) << 0;
  }
  // Guards against: the Close command asking twice when the answer is No.
  void closeCommand() {
    QFETCH(int, answer);
    QFETCH(int, windowsLeft);
    Shell s;
    s.start();
    const QString file = path(QStringLiteral("close.min"));
    WriteFile(file, "A\r\n");
    s.w->OpenDocumentFile(file);
    s.w->InsertNcText("B");
    s.ui.answers = {Answer(answer), Answer::No};
    s.w->runCommand(QStringLiteral("mnuFileClose"));
    QCOMPARE(s.ui.questions.size(), size_t(1));
    QCOMPARE(s.ui.questions[0].text, QStringLiteral("The data is changed. Do you want save ?"));
    QCOMPARE(s.ui.questions[0].title, QStringLiteral("Quillon"));
    QCOMPARE(s.ui.questions[0].icon, MessageIcon::Exclamation);
    QCOMPARE(s.w->documents().size(), windowsLeft);
    QCOMPARE(ReadFile(file), Answer(answer) == Answer::Yes ? QByteArray("BA\r\n") : QByteArray("A\r\n"));
  }

  // Guards against: opening a missing path creating a file on disk.
  void missingPathOpensEmptyWithoutTouchingDisk() {
    const QString file = path(QStringLiteral("gone.min"));
    Shell s;
    s.start(file);
    QCOMPARE(s.captions(), QStringList{file.toUpper()});
    QCOMPARE(s.w->ActiveDocument()->text(), std::string());
    QVERIFY(!QFile::exists(file));
    s.w->InsertNcText("M30\n");
    s.w->runCommand(QStringLiteral("mnuFileSave"));
    QCOMPARE(ReadFile(file), QByteArray("M30\r\n"));
  }

  // Guards against: an empty window left under the name of a file that could
  // not be read, which a Save would write over.
  void unreadableFileLeavesNoWindow() {
    const QString folder = path(QStringLiteral("folder.min"));
    QVERIFY(QDir().mkpath(folder));
    Shell s;
    s.start();
    QVERIFY(!s.w->OpenDocumentFile(folder));
    QVERIFY(s.w->documents().isEmpty());
    QCOMPARE(s.ui.messages.size(), size_t(1));
    QCOMPARE(s.ui.messages[0].text, folder + QStringLiteral("  file が Open けません."));
    QVERIFY(s.visibleRecent().isEmpty());
  }

  // Guards against: document commands failing when the last document has closed.
  void documentCommandsWithoutDocumentDoNothing() {
    Shell s;
    s.start();
    s.newDocument();
    s.w->runCommand(QStringLiteral("mnuFileClose"));
    for (std::string_view name : quillon::DocumentCommands())
      s.w->runCommand(QString::fromLatin1(name.data(), name.size()));
    s.w->runCommand(QStringLiteral("mnuEditUndo"));
    QVERIFY(s.ui.saveStartFolders.empty());
    QVERIFY(s.ui.questions.empty());
    QVERIFY(s.ui.messages.empty());
    QVERIFY(s.w->documents().isEmpty());
  }

  // Guards against: text inserted nowhere without a word to the user.
  void insertWithoutDocumentWarns() {
    Shell s;
    s.start();
    QVERIFY(!s.w->InsertNcText("G00\n"));
    QVERIFY(!s.w->ApplyProcessOutput({"A", "B", "C"}));
    QCOMPARE(s.ui.messages.size(), size_t(2));
    QCOMPARE(s.ui.messages[0].title, QStringLiteral(" 91 error "));
    QCOMPARE(s.ui.messages[0].text, QStringLiteral("Not file open. Can not insert."));
    QCOMPARE(s.ui.messages[0].icon, MessageIcon::Warning);
    s.w->ReportProcessError(0);
    QCOMPARE(s.ui.messages.size(), size_t(2));
  }

  // Guards against: an insertion that is several undo steps, or a caret left elsewhere.
  void insertionIsOneUndoStep() {
    Shell s;
    s.start();
    frmDocument* doc = s.newDocument();
    doc->loadText("G00 X1.\nM30\n");
    doc->setSelection(0, 3);
    QVERIFY(s.w->InsertNcText(" M08\nN000"));
    QCOMPARE(doc->text(), std::string(" M08\nN000 X1.\nM30\n"));
    QCOMPARE(doc->selStart(), 9);  // " M08\nN000" is 9 characters
    QCOMPARE(doc->selLength(), 0);
    doc->txtText->undo();
    QCOMPARE(doc->text(), std::string("G00 X1.\nM30\n"));
    doc->setSelection(4, 0);
    QVERIFY(s.w->ApplyProcessOutput({"CALL\n", "AFTER\n", "SUB\n"}));
    QCOMPARE(doc->text(), std::string("G00 CALL\nAFTER\nX1.\nM30\nSUB\n"));
    QCOMPARE(doc->selStart(), 9);  // 4 + "CALL\n"
    doc->txtText->undo();
    QCOMPARE(doc->text(), std::string("G00 X1.\nM30\n"));
  }

  // Guards against: arrangement modes not exclusive, or not re-applied when windows come and go.
  void arrangement() {
    Shell s;
    s.start();
    s.w->resize(800, 600);
    s.newDocument();
    s.newDocument();
    auto windows = s.w->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(windows[0]->y(), windows[1]->y());  // vertical: side by side
    QVERIFY(windows[1]->x() >= windows[0]->x() + windows[0]->width());
    s.w->runCommand(QStringLiteral("mnuWindowTileHorizontal"));
    QCOMPARE(windows[0]->x(), windows[1]->x());  // horizontal: stacked
    QVERIFY(windows[1]->y() >= windows[0]->y() + windows[0]->height());
    int checked = 0;
    for (const char* mode : {"mnuWindowCascade", "mnuWindowTileHorizontal", "mnuWindowTileVertical"})
      checked += s.w->action(QLatin1String(mode))->isChecked();
    QCOMPARE(checked, 1);
    s.w->runCommand(QStringLiteral("mnuWindowTileHorizontal"));
    QVERIFY(s.w->action(QStringLiteral("mnuWindowTileHorizontal"))->isChecked());
    s.w->runCommand(QStringLiteral("mnuWindowTileVertical"));
    s.newDocument();
    windows = s.w->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    const int third = s.w->mdiArea()->viewport()->width() / 3;
    QCOMPARE(windows[0]->width(), third);
    // Closing re-tiles the remaining two at once.
    s.w->runCommand(QStringLiteral("mnuFileClose"));
    windows = s.w->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(windows.size(), 2);
    QCOMPARE(windows[0]->width(), s.w->mdiArea()->viewport()->width() / 2);
  }

  // Guards against: a closed window's gap left open when the user clicks back into a document.
  void pendingRearrangementOnFocus() {
    Shell s;
    s.start();
    s.newDocument();
    frmDocument* second = s.newDocument();
    QSignalSpy focused(s.w.get(), &frmMain::documentFocused);
    s.w->documents().first()->parentWidget()->close();
    QVERIFY(s.w->pendingRearrangement());
    QApplication::setActiveWindow(s.w.get());
    second->txtText->clearFocus();
    second->txtText->setFocus();
    QApplication::processEvents();
    if (!second->txtText->hasFocus()) QSKIP("the platform gives no focus offscreen");
    QVERIFY(!s.w->pendingRearrangement());
    QVERIFY(!focused.isEmpty());
    QCOMPARE(focused.last().at(0).value<frmDocument*>(), second);
  }

  // Guards against: the INS panel not following the Insert key.
  void insertKeyTogglesOverwrite() {
    Shell s;
    s.start();
    frmDocument* doc = s.newDocument();
    auto* panel = s.w->findChild<QLabel*>(QStringLiteral("INS"));
    QVERIFY(panel);
    QCOMPARE(panel->text(), QStringLiteral("INS"));
    QTest::keyClick(doc->txtText, Qt::Key_Insert);
    QVERIFY(doc->txtText->overwriteMode());
    QCOMPARE(panel->text(), QStringLiteral("OVR"));
    QTest::keyClick(doc->txtText, Qt::Key_Insert);
    QCOMPARE(panel->text(), QStringLiteral("INS"));
  }

  void altLettersTypeNothing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("typed");
    QTest::newRow("Alt+I (the Insert menu has no access key)") << int(Qt::Key_I) << int(Qt::AltModifier) << "";
    QTest::newRow("Alt+Shift+X") << int(Qt::Key_X) << int(Qt::AltModifier | Qt::ShiftModifier) << "";
    QTest::newRow("plain letter still typed") << int(Qt::Key_X) << int(Qt::NoModifier) << "x";
  }
  // Guards against: a stray letter written into the program when Alt and a
  // letter that opens no menu are pressed.
  void altLettersTypeNothing() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, typed);
    Shell s;
    s.start();
    frmDocument* doc = s.newDocument();
    QTest::keyClick(doc->txtText, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QString::fromStdString(doc->text()), typed);
    QCOMPARE(doc->DataChanged(), !typed.isEmpty());
  }

  // Guards against: toolbar or status bar toggles out of step with their check marks,
  // and toolbar buttons that do not share their menu item's command and state.
  void viewTogglesAndToolbarButtons() {
    Shell s;
    s.start();
    QToolBar* toolbar = s.w->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    QStatusBar* status = s.w->findChild<QStatusBar*>(QStringLiteral("sbStatusBar"));
    QVERIFY(toolbar && status);
    s.w->runCommand(QStringLiteral("mnuViewToolbar"));
    QVERIFY(!toolbar->isVisible());
    QVERIFY(!s.w->action(QStringLiteral("mnuViewToolbar"))->isChecked());
    s.w->runCommand(QStringLiteral("mnuViewToolbar"));
    QVERIFY(toolbar->isVisible());
    s.w->runCommand(QStringLiteral("mnuViewStatusBar"));
    QVERIFY(!status->isVisible());
    QVERIFY(!s.w->action(QStringLiteral("mnuViewStatusBar"))->isChecked());

    QAction* saveButton = s.w->toolbarAction(3);
    QCOMPARE(saveButton->toolTip(), QStringLiteral(" Save "));
    QVERIFY(!saveButton->isEnabled());
    s.w->toolbarAction(1)->trigger();  // " New "
    QCOMPARE(s.captions(), QStringList{"Untitled1"});
    QVERIFY(saveButton->isEnabled());
    s.ui.saveAnswers.push_back(ScriptedInteraction::pick(path(QStringLiteral("button.min"))));
    saveButton->trigger();
    QVERIFY(QFile::exists(path(QStringLiteral("button.min"))));
    QCOMPARE(s.w->toolbarAction(12)->toolTip(), QStringLiteral(" Auto N000  Insert "));
    QCOMPARE(s.w->toolbarAction(14)->toolTip(), QStringLiteral("Calculation Replace"));
  }

  // Guards against: menu items built with other names or captions than the table's.
  void menuActionsCarryTheirNames() {
    Shell s;
    s.start();
    int leaves = 0;
    for (const quillon::MenuItem& item : quillon::MenuTree()) {
      QAction* a = s.w->action(QString::fromUtf8(item.name.data(), item.name.size()), item.index);
      QVERIFY2(a, item.name.data());
      QCOMPARE(a->objectName(), QString::fromUtf8(item.name.data(), item.name.size()));
      if (quillon::IsSeparator(item)) continue;
      ++leaves;
      QCOMPARE(a->text(), QString::fromUtf8(item.caption.data(), item.caption.size()));
      QCOMPARE(a->data().toInt(), item.index);
      QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut.data(), item.shortcut.size())));
    }
    QVERIFY(leaves > 200);
    QCOMPARE(s.w->action(QStringLiteral("mnuGcodeComp"), 3)->text(), QStringLiteral(" compensation  cancel  G40"));
    // A bound control-array handler receives the index.
    int got = 0;
    s.w->setCommand(QStringLiteral("mnuGcode"), [&got](int index) { got = index; });
    s.w->action(QStringLiteral("mnuGcode"), 14)->trigger();
    QCOMPARE(got, 14);
    // A disabled leaf does nothing.
    bool ran = false;
    s.w->setCommand(QStringLiteral("ProcessMCircleFace"), [&ran](int) { ran = true; });
    s.w->runCommand(QStringLiteral("ProcessMCircleFace"));
    QVERIFY(!ran);
  }

  void dialogFilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qt");
    QTest::newRow("open") << "All Files (*.*)|*.*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb"
                          << QStringList{"All Files (*)", "Main File (*.min)", "System Sub (*.ssb)"};
    QTest::newRow("pattern not in the text") << "Programs|*.min;*.ssb" << QStringList{"Programs (*.min *.ssb)"};
    QTest::newRow("odd count ignores the tail") << "LIB File (*.lib)|*.lib|Broken" << QStringList{"LIB File (*.lib)"};
  }
  // Guards against: "*.*" hiding files without a dot, or the pattern lost from a filter.
  void dialogFilter() {
    QFETCH(QString, filter);
    QFETCH(QStringList, qt);
    QCOMPARE(ConvertDialogFilter(filter), qt);
  }

  // Guards against: status panels missing or the clock panels left empty.
  void statusPanels() {
    Shell s;
    s.start();
    QStringList names;
    for (const char* key : {"Memo", "INS", "CAPS", "NUM", "Date", "Time"}) {
      auto* label = s.w->findChild<QLabel*>(QLatin1String(key));
      QVERIFY2(label, key);
      names << label->objectName();
    }
    QCOMPARE(s.w->findChild<QLabel*>(QStringLiteral("INS"))->toolTip(), QStringLiteral("Insrt Key"));
    QCOMPARE(s.w->findChild<QLabel*>(QStringLiteral("Date"))->text(),
             QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!s.w->findChild<QLabel*>(QStringLiteral("Time"))->text().isEmpty());
  }

  // Guards against: listeners told about a document before its text and name are in place,
  // and a font of another system leaving the text in a proportional face.
  void documentCreatedCarriesTheLoadedText() {
    const QString file = path(QStringLiteral("created.min"));
    WriteFile(file, "O9\r\n");
    Shell s;
    s.start();
    std::string seen;
    QString seenPath;
    QObject::connect(s.w.get(), &frmMain::documentCreated, [&](frmDocument* d) {
      seen = d->text();
      seenPath = d->filePath();
    });
    s.w->OpenDocumentFile(file);
    QCOMPARE(seen, std::string("O9\n"));
    QCOMPARE(seenPath, file);
    const QFont font = s.w->ActiveDocument()->txtText->font();
    QCOMPARE(font.pointSize(), 14);
    const QFontMetrics metrics(font);
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
  }

  // Guards against: the settings file landing in the user's real config folder,
  // or Unicode values garbled.
  void qtStoreRoundTrip() {
    QTemporaryDir config;
    qputenv("QUILLON_CONFIG_DIR", config.path().toLocal8Bit());
    {
      QtSettingsStore store;
      QVERIFY(store.fileName().startsWith(config.path()));
      store.set(quillon::kSectionSettings, "PrintFontName", "MS 明朝");
      store.set(quillon::kSectionParameter, "CsvPathName", "/a, b/c");
      store.sync();
    }
    QtSettingsStore again;
    QCOMPARE(again.get(quillon::kSectionSettings, "PrintFontName"), std::optional<std::string>("MS 明朝"));
    QCOMPARE(again.get(quillon::kSectionParameter, "CsvPathName"), std::optional<std::string>("/a, b/c"));
    QVERIFY(!again.get(quillon::kSectionSettings, "RecentFile1").has_value());
    QVERIFY(QFile::exists(again.fileName()));
  }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
