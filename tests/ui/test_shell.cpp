// The main window and its documents driven offscreen: start-up state, menus,
// files, save queries, the recent-file list and exit.
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "ui/platform/QtSettingsStore.h"
#include "ScriptedInteraction.h"
#include "app/menu_tree.h"
#include "app/window_placement.h"
#include "ui/documents/frmDocument.h"
#include "EditorPtr.h"
#include "app/menu_tree.h"
#include "ui/documents/DocumentHost.h"
#include "ui/shell/Commands.h"

namespace {
const quillon::SettingPlaces kPlaces{"/opt/quillon", "/home/op"};
const QString kChangedQuery = QStringLiteral("The data is changed. Do you want save ?");

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

struct Shell {
  quillon::MemorySettingsStore store;
  ScriptedInteraction ui;
  EditorPtr w;

  void start(const QString& commandLine = QString()) {
    w = MakeEditor(store, ui, kPlaces);
    w->load(commandLine);
    w->show();
  }
  void run(const QString& control, int index = 0) { w->runCommand(control, index); }
  frmDocument* newDocument() {
    run(QStringLiteral("mnuFileNew"));
    return w->ActiveDocument();
  }
  QStringList captions() const {
    QStringList list;
    for (frmDocument* d : w->documents()) list << d->caption();
    return list;
  }
  QStringList visibleRecent() const {
    QStringList list;
    for (int i = 1; i <= 5; ++i)
      if (QAction* a = w->action(QStringLiteral("mnuFileRecentFile"), i); a->isVisible()) list << a->text();
    return list;
  }
  int visibleDocumentMenus() const {
    int n = 0;
    for (std::string_view menu : quillon::DocumentMenus()) n += w->action(Q(menu))->isVisible();
    return n;
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

int Pixels(double twips, const QWidget& w) { return quillon::TwipsToPixels(twips, w.screen()->logicalDotsPerInchX()); }
}  // namespace

class ShellTest : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString path(const QString& name) const { return m_dir.filePath(name); }

 private slots:
  // clang-format off
  void start_data() {
    QTest::addColumn<QStringList>("stored");  // "section|key|value"
    QTest::addColumn<bool>("tallix");
    QTest::addColumn<QList<int>>("recent");
    QTest::newRow("empty store, Tallix missing") << QStringList() << false << QList<int>();
    QTest::newRow("bad stored values")           << QStringList{"Settings|MainWidth|wide", "Settings|MainLeft|12x", "Settings|ScreenFontSize|", "Parameter|TG|maybe"} << false << QList<int>();
    QTest::newRow("Tallix True")                 << QStringList{"Parameter|Tallix|True"} << true << QList<int>();
    QTest::newRow("Tallix False")                << QStringList{"Parameter|Tallix|False"} << false << QList<int>();
    QTest::newRow("recent 1+2")                  << QStringList{"Settings|RecentFile1|/p/1", "Settings|RecentFile2|/p/2"} << false << QList<int>{1, 2};
    QTest::newRow("recent 1+3")                  << QStringList{"Settings|RecentFile1|/p/1", "Settings|RecentFile3|/p/3"} << false << QList<int>{1, 3};
  }
  // clang-format on
  // Guards against: a first run that shows document commands with nothing to act on, a stored value that does
  // not convert stopping or skewing the start, rotary-tool items offered on a machine without them (or hidden
  // on one with them), and the recent slots after a gap lost or empty slots shown.
  void start() {
    QFETCH(QStringList, stored);
    QFETCH(bool, tallix);
    QFETCH(QList<int>, recent);
    Shell s;
    for (const QString& entry : stored) {
      const QStringList p = entry.split('|');
      s.store.set(p[0].toStdString(), p[1].toStdString(), p[2].toStdString());
    }
    s.start();
    frmMain& w = *s.w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Quillon  Ver.2.26 Eng"));
    // Without a stored place: three quarters of the screen, centred. With one (even unreadable), the stored
    // defaults: 1000 twips at 96 dpi: 1000 * 96 / 1440 = 66.7 -> 67 px; 6500 twips -> 433 px.
    const QRect area = w.screen()->availableGeometry();
    const quillon::ScreenRect first = quillon::FirstStartPlacement({area.x(), area.y(), area.width(), area.height()});
    QCOMPARE(QRect(w.x(), w.y(), w.width(), w.height()),
             quillon::HasStoredWindowGeometry(s.store)
                 ? QRect(Pixels(1000, w), Pixels(1000, w), Pixels(6500, w), Pixels(6500, w))
                 : QRect(first.x, first.y, first.width, first.height));
    QCOMPARE(w.workspace().settings.ScreenFontSize, 14);
    QVERIFY(!w.workspace().machine.TG);
    QCOMPARE(s.visibleDocumentMenus(), 0);
    for (const char* menu : {"mnuFile", "mnuView", "mnuHelp"}) QVERIFY2(w.action(menu)->isVisible(), menu);
    QStringList buttons;  // visible toolbar positions in order, "-" for a separator
    for (int pos = 1; pos <= 22; ++pos)
      if (QAction* a = w.toolbarAction(pos); a->isVisible()) buttons << (a->isSeparator() ? "-" : a->toolTip());
    QCOMPARE(buttons, (QStringList{" New ", " Open ", "-", "-", "-", "-"}));
    QVERIFY(!w.ActiveDocument());
    QVERIFY(!w.pendingRearrangement());
    QVERIFY(w.action("mnuWindowTileVertical")->isChecked());
    QList<int> shown;
    for (int i = 1; i <= 5; ++i) {
      QAction* a = w.action("mnuFileRecentFile", i);
      if (a->isVisible()) shown << i;
      if (!a->isVisible()) QCOMPARE(a->text(), QStringLiteral("RecentFile%1").arg(i));
    }
    QCOMPARE(shown, recent);
    for (const char* name : {"ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant", "ProcessMTapSlant"})
      QCOMPARE(w.action(name)->isVisible(), tallix);
    // The circle and planet-tap menus keep their design visibility at start.
    QVERIFY(w.action("ProcessMCircle")->isVisible() && w.action("ProcessMPlanetTap")->isVisible());
    w.commands().setVisible(quillon::TallixItems(), !tallix);
    for (std::string_view name : quillon::TallixItems()) QCOMPARE(w.action(Q(name))->isVisible(), !tallix);
    for (const char* name :
         {"ProcessMCircleFace", "ProcessMCircleSide", "ProcessMPlanetTapFace", "ProcessMPlanetTapSide"})
      QVERIFY2(!w.action(name)->isEnabled(), name);
  }

  // Guards against: untitled numbers reused after a close, document menus vanishing again when the last
  // document closes, and document commands acting or asking when no document is left.
  void documentLifecycle() {
    Shell s;
    s.start();
    for (int i = 0; i < 3; ++i) s.newDocument();
    QCOMPARE(s.captions(), (QStringList{"Untitled1", "Untitled2", "Untitled3"}));
    QCOMPARE(s.visibleDocumentMenus(), 7);
    for (int pos = 3; pos <= 22; ++pos) QVERIFY(s.w->toolbarAction(pos)->isVisible());
    for (std::string_view name : quillon::DocumentCommands()) QVERIFY2(s.w->action(Q(name))->isEnabled(), name.data());
    s.w->mdiArea()->setActiveSubWindow(s.w->mdiArea()->subWindowList(QMdiArea::CreationOrder)[1]);
    s.run("mnuFileClose");
    QCOMPARE(s.captions(), (QStringList{"Untitled1", "Untitled3"}));
    s.newDocument();
    QCOMPARE(s.captions(), (QStringList{"Untitled1", "Untitled3", "Untitled4"}));
    QVERIFY(!s.w->ActiveDocument()->DataChanged());
    for (int i = 0; i < 3; ++i) s.run("mnuFileClose");
    QVERIFY(s.w->documents().isEmpty());
    QCOMPARE(s.visibleDocumentMenus(), 7);
    QVERIFY(s.w->toolbarAction(22)->isVisible());
    for (std::string_view name : quillon::DocumentCommands()) s.run(Q(name));
    s.run("mnuEditUndo");
    QVERIFY(s.ui.saveStartFolders.empty() && s.ui.questions.empty() && s.ui.messages.empty());
    QVERIFY(s.w->documents().isEmpty());
  }

  // Guards against: the oldest recent file kept, a sixth slot appearing, a recent item not reopening its file,
  // listeners told about a document before its text and name are in place, and a font of another system
  // leaving the text in a proportional face.
  void sixOpensLeaveFiveEntries() {
    Shell s;
    s.start();
    QStringList paths, created;
    QObject::connect(&s.w->documentHost(), &DocumentHost::documentCreated,
                     [&](frmDocument* d) { created << d->filePath() + "|" + QString::fromStdString(d->text()); });
    for (int i = 1; i <= 6; ++i) {
      paths << path(QStringLiteral("six%1.min").arg(i));
      WriteFile(paths.last(), QStringLiteral("N%1\r\n").arg(i).toLatin1());
      s.ui.openAnswers.push_back(ScriptedInteraction::pick(paths.last()));
      s.run("mnuFileOpen");
      QCOMPARE(created.last(), paths.last() + QStringLiteral("|N%1\n").arg(i));
    }
    QCOMPARE(s.w->documents().size(), 6);
    const QFontMetrics metrics(s.w->ActiveDocument()->txtText->font());
    QCOMPARE(s.w->ActiveDocument()->txtText->font().pointSize(), 14);
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
    QCOMPARE(s.visibleRecent(), (QStringList{paths[5], paths[4], paths[3], paths[2], paths[1]}));
    s.w->close();
    QCOMPARE(s.stored("RecentFile1"), paths[5].toStdString());
    QCOMPARE(s.stored("RecentFile5"), paths[1].toStdString());
    // A recent item opens its file again, listed once more.
    s.start();
    s.run("mnuFileRecentFile", 3);
    QCOMPARE(s.w->ActiveDocument()->caption(), paths[3]);
    QCOMPARE(s.visibleRecent().first(), paths[3]);
    QCOMPARE(s.visibleRecent().count(paths[3]), 2);
  }

  // clang-format off
  void exit_data() {
    QTest::addColumn<bool>("minimized");
    QTest::newRow("normal") << false;
    QTest::newRow("minimized") << true;
  }
  // clang-format on
  // Guards against: a minimized window's placement stored (it would reopen off-screen)
  // and the recent-file list lost when it is.
  void exit() {
    QFETCH(bool, minimized);
    Shell s;
    s.store.set(quillon::kSectionSettings, "MainLeft", "3000");
    s.store.set(quillon::kSectionSettings, "OpenPathName", "/old/open");
    s.store.set(quillon::kSectionParameter, "CsvFileName", "/old/S45C.CSV");
    s.start();
    const QString file = path("exit.min");
    WriteFile(file, "");
    s.w->OpenDocumentFile(file);
    s.w->workspace().settings.OpenPathName = "/new/open";
    s.w->workspace().machine.CsvFileName = "/new/S50C.CSV";
    s.w->move(Pixels(1500, *s.w), s.w->y());
    if (minimized) s.w->setWindowState(Qt::WindowMinimized);
    s.run("mnuFileExit");
    QVERIFY(!s.w->isVisible());
    QCOMPARE(s.stored("RecentFile1"), file.toStdString());
    // 1500 twips -> 100 px at 96 dpi -> back to 1500 twips.
    const double dpi = s.w->screen()->logicalDotsPerInchX();
    const auto twips = [dpi](int px) { return quillon::SettingNumberText(quillon::PixelsToTwips(px, dpi)); };
    QCOMPARE(s.stored("MainLeft"), minimized ? "3000" : twips(Pixels(1500, *s.w)));
    QCOMPARE(s.stored("MainWidth"), minimized ? "<none>" : twips(s.w->width()));
    QCOMPARE(s.stored("OpenPathName"), std::string(minimized ? "/old/open" : "/new/open"));
    QCOMPARE(s.stored("ScreenFontName"), std::string(minimized ? "<none>" : "Terminal"));
    QCOMPARE(s.stored("CsvFileName", quillon::kSectionParameter),
             std::string(minimized ? "/old/S45C.CSV" : "/new/S50C.CSV"));
  }

  // Guards against: exit going ahead after a document said Cancel, and one document's text saved under
  // another's name on exit.
  void exitAsksPerChangedDocument() {
    Shell s;
    s.start();
    const QString a = path("exitA.min"), b = path("exitB.min");
    WriteFile(a, "A\r\n");
    WriteFile(b, "B\r\n");
    s.w->OpenDocumentFile(a)->applyEdit(quillon::ReplaceSpan(0, 0, "1", 1));
    s.w->OpenDocumentFile(b)->applyEdit(quillon::ReplaceSpan(0, 0, "2", 1));
    s.ui.answers = {Answer::Cancel};
    QVERIFY(!s.w->close());
    QCOMPARE(s.w->documents().size(), 2);
    QCOMPARE(s.stored("MainLeft"), std::string("<none>"));
    s.ui.answers = {Answer::Yes, Answer::Yes};
    QVERIFY(s.w->close());
    QCOMPARE(s.ui.questions.size(), size_t(3));
    QCOMPARE(s.ui.questions[1].text, "[" + a + "] is changed,\n Do you want save ?");
    QCOMPARE(s.ui.questions[1].title, QStringLiteral("Quillon  Ver.2.26 Eng"));
    QCOMPARE(s.ui.questions[1].icon, MessageIcon::Exclamation);
    QCOMPARE(s.ui.questions[2].text, "[" + b + "] is changed,\n Do you want save ?");
    QCOMPARE(ReadFile(a), QByteArray("1A\r\n"));
    QCOMPARE(ReadFile(b), QByteArray("2B\r\n"));
  }

  // clang-format off
  void commandLine_data() {
    QTest::addColumn<QString>("line");  // %1: the file's full path, %2: its name (started in its folder)
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << "%1" << "cmd plain.min";
    QTest::newRow("quoted with trailing words") << "\"%1\" /x more" << "cmd quoted.min";
    QTest::newRow("one quote") << "\"%1" << "cmd one.min";
    QTest::newRow("relative to the start folder") << "%2" << "relative.min";
  }
  // clang-format on
  // Guards against: quotes or trailing words taken into the path of the start file, and a relative start file
  // listed without its folder (the recent entry would name another file in a later run).
  void commandLine() {
    QFETCH(QString, line);
    QFETCH(QString, file);
    const QString full = path(file);
    WriteFile(full, "O1234\r\n");
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    Shell s;
    s.start(line.replace("%1", full).replace("%2", file));
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(s.captions(), QStringList{full});
    QCOMPARE(s.w->ActiveDocument()->text(), std::string("O1234\n"));
    QVERIFY(!s.w->ActiveDocument()->DataChanged());
    QVERIFY(s.w->action("Gcode")->isVisible());
    QCOMPARE(s.visibleRecent(), QStringList{full});
    // Opened before the window was shown, tiled once the area has its size.
    QApplication::processEvents();
    QCOMPARE(s.w->ActiveDocument()->parentWidget()->width(), s.w->mdiArea()->viewport()->width());
  }

  // clang-format off
  void open_data() {
    QTest::addColumn<int>("size");  // bytes of the file; -1: no such file; 0: the dialog is cancelled
    QTest::addColumn<QString>("message");
    QTest::newRow("65000 bytes open") << 65000 << "";
    QTest::newRow("65001 bytes refused") << 65001 << "This file size is too big, can not open.";
    QTest::newRow("missing file") << -1 << "";
    QTest::newRow("cancelled") << 0 << "";
  }
  // clang-format on
  // Guards against: the size limit off by one, and a cancelled dialog or a vanished file doing anything.
  void open() {
    QFETCH(int, size);
    QFETCH(QString, message);
    const QString file = path(QStringLiteral("open%1.min").arg(size));
    if (size > 0) WriteFile(file, QByteArray(size, 'X'));
    Shell s;
    s.start();
    if (size != 0) s.ui.openAnswers.push_back(ScriptedInteraction::pick(file));
    s.run("mnuFileOpen");
    QCOMPARE(s.ui.openFilters.at(0), "All Files (*.*)|*.*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb");
    QCOMPARE(s.ui.openStartFolders.at(0), QStringLiteral("/home/op"));
    const bool opens = size == 65000;
    QCOMPARE(s.w->documents().size(), opens ? 1 : 0);
    if (opens) QCOMPARE(s.w->ActiveDocument()->text().size(), size_t(65000));
    QCOMPARE(s.w->action("Gcode")->isVisible(), opens);
    QCOMPARE(s.ui.messages.size(), size_t(message.isEmpty() ? 0 : 1));
    if (!message.isEmpty()) QCOMPARE(s.ui.messages[0].text, message);
    if (!message.isEmpty()) QCOMPARE(s.ui.messages[0].title, QStringLiteral("Quillon"));
    if (size > 0) QCOMPARE(s.w->workspace().settings.OpenPathName, m_dir.path().toStdString());
    QCOMPARE(QFile::exists(file), size > 0);
  }

  // clang-format off
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
  // clang-format on
  // Guards against: bytes lost in the Latin-1 round trip, line ends rewritten,
  // and every save growing the file by one empty line.
  void saveReopenByteExact() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, saved);
    const QString file = path("exact.min");
    WriteFile(file, bytes);
    Shell s;
    s.start();
    frmDocument* doc = s.w->OpenDocumentFile(file);
    QVERIFY(doc);
    QCOMPARE(doc->text().size() + std::size_t(bytes.count("\r\n")), std::size_t(bytes.size()));
    for (int round = 0; round < 2; ++round) {
      if (round == 1) s.w->OpenDocumentFile(file);
      s.run("mnuFileSave");
      QCOMPARE(ReadFile(file), saved);
      s.run("mnuFileClose");
    }
    QVERIFY(s.ui.messages.empty());
  }

  // Guards against: Save writing over another file than the one opened (an upper-cased twin), the
  // recent list or caption not following Save As, and toolbar buttons that do not share their menu item's
  // command and state.
  void saveUntitledThenSaveAgain() {
    Shell s;
    s.start();
    QAction* saveButton = s.w->toolbarAction(3);
    QCOMPARE(saveButton->toolTip(), QStringLiteral(" Save "));
    QVERIFY(!saveButton->isEnabled());
    s.w->toolbarAction(1)->trigger();  // " New "
    frmDocument* doc = s.w->ActiveDocument();
    QCOMPARE(s.captions(), QStringList{"Untitled1"});
    QVERIFY(saveButton->isEnabled());
    s.w->documentHost().apply(quillon::InsertAtSelection("G00 X10.\nM30\n"));
    const QString file = path("Saved.min");
    s.ui.saveAnswers.push_back(ScriptedInteraction::pick(file));
    saveButton->trigger();
    QCOMPARE(s.ui.saveDefaultNames, (std::vector<QString>{QString()}));
    QCOMPARE(s.ui.saveFilters[0], "Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb|LIB File (*.lib)|*.lib|All Files (*.*)|*.*");
    QCOMPARE(s.ui.saveStartFolders[0], QStringLiteral("/home/op"));
    QCOMPARE(doc->caption(), file);
    QVERIFY(!doc->DataChanged());
    QCOMPARE(s.visibleRecent(), QStringList{file});
    QCOMPARE(s.w->workspace().settings.SavePathName, m_dir.path().toStdString());
    QCOMPARE(ReadFile(file), QByteArray("G00 X10.\r\nM30\r\n"));
    s.w->documentHost().apply(quillon::InsertAtSelection("(X)\n"));
    s.run("mnuFileSave");
    QCOMPARE(s.ui.saveDefaultNames.size(), size_t(1));  // no dialog the second time
    QCOMPARE(ReadFile(file), QByteArray("G00 X10.\r\nM30\r\n(X)\r\n"));
    QVERIFY(!QFile::exists(file.toUpper()));
  }

  // clang-format off
  void closeQueryYes_data() {
    QTest::addColumn<bool>("dialogCancelled");
    QTest::newRow("Save As cancelled") << true;
    QTest::newRow("save fails") << false;
  }
  // clang-format on
  // Guards against: a Yes to the close query losing the text when nothing was saved, and a failed save
  // clearing DataChanged, renaming the document or listing it as a recent file.
  void closeQueryYes() {
    QFETCH(bool, dialogCancelled);
    Shell s;
    s.start();
    frmDocument* doc = s.newDocument();
    s.w->documentHost().apply(quillon::InsertAtSelection("G01\n"));
    for (bool closeBox : {true, false}) {  // the window's close box, then the Close command
      s.ui.answers = {Answer::Yes};
      if (!dialogCancelled) s.ui.saveAnswers.push_back(ScriptedInteraction::pick(path("missing/dir/x.min")));
      if (closeBox) QVERIFY(!doc->parentWidget()->close());
      if (!closeBox) s.run("mnuFileClose");
      QCOMPARE(s.w->documents().size(), 1);
    }
    QCOMPARE(s.ui.questions[0].text, QStringLiteral("[Untitled1] is changed,\n Do you want save ?"));
    QCOMPARE(s.ui.questions[1].text, kChangedQuery);
    QCOMPARE(doc->text(), std::string("G01\n"));
    QCOMPARE(doc->caption(), QStringLiteral("Untitled1"));
    QVERIFY(doc->DataChanged());
    QVERIFY(s.visibleRecent().isEmpty());
    QCOMPARE(s.ui.messages.size(), size_t(dialogCancelled ? 0 : 2));
    for (const auto& m : s.ui.messages) QVERIFY2(m.text.startsWith(QStringLiteral("Can not save.\n")), qPrintable(m.text));
    // A failed save points the next dialog at the working folder; a cancelled one changes nothing.
    QCOMPARE(s.w->workspace().settings.SavePathName,
             dialogCancelled ? std::string("/home/op") : QDir::currentPath().toStdString());
  }

  // clang-format off
  void closeCommand_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("windowsLeft");
    QTest::newRow("No closes after one question") << int(Answer::No) << 0;
    QTest::newRow("Cancel keeps") << int(Answer::Cancel) << 1;
    QTest::newRow("Yes saves then closes") << int(Answer::Yes) << 0;
  }
  // clang-format on
  // Guards against: the Close command asking twice when the answer is No.
  void closeCommand() {
    QFETCH(int, answer);
    QFETCH(int, windowsLeft);
    Shell s;
    s.start();
    const QString file = path("close.min");
    WriteFile(file, "A\r\n");
    s.w->OpenDocumentFile(file);
    s.w->documentHost().apply(quillon::InsertAtSelection("B"));
    s.ui.answers = {Answer(answer), Answer::No};
    s.run("mnuFileClose");
    QCOMPARE(s.ui.questions.size(), size_t(1));
    QCOMPARE(s.ui.questions[0].text, kChangedQuery);
    QCOMPARE(s.ui.questions[0].title, QStringLiteral("Quillon"));
    QCOMPARE(s.ui.questions[0].icon, MessageIcon::Exclamation);
    QCOMPARE(s.w->documents().size(), windowsLeft);
    QCOMPARE(ReadFile(file), Answer(answer) == Answer::Yes ? QByteArray("BA\r\n") : QByteArray("A\r\n"));
  }

  // Guards against: opening a missing path creating a file on disk, and an empty window left under the name of
  // a file that could not be read (a Save would write over it).
  void missingAndUnreadableFiles() {
    const QString gone = path("gone.min"), folder = path("folder.min");
    QVERIFY(QDir().mkpath(folder));
    Shell s;
    s.start(gone);
    QCOMPARE(s.captions(), QStringList{gone});
    QCOMPARE(s.w->ActiveDocument()->text(), std::string());
    QVERIFY(!QFile::exists(gone));
    s.w->documentHost().apply(quillon::InsertAtSelection("M30\n"));
    s.run("mnuFileSave");
    QCOMPARE(ReadFile(gone), QByteArray("M30\r\n"));
    s.run("mnuFileClose");
    QVERIFY(!s.w->OpenDocumentFile(folder));
    QVERIFY(s.w->documents().isEmpty());
    QCOMPARE(s.ui.messages.size(), size_t(1));
    QCOMPARE(s.ui.messages[0].text, folder + QStringLiteral("  file が Open けません."));
    QCOMPARE(s.visibleRecent(), QStringList{gone});
  }

  // Guards against: process output inserted nowhere without a word to the user, split wrongly around the
  // caret, or taking several undo steps.
  void processOutputIsOneUndoStep() {
    Shell s;
    s.start();
    QVERIFY(!s.w->documentHost().apply(quillon::InsertAtSelection("AB", 1, "C")));
    QCOMPARE(s.ui.messages.size(), size_t(1));
    QCOMPARE(s.ui.messages[0].text, QStringLiteral("Not file open. Can not insert."));
    s.w->documentHost().ReportProcessError(0);
    QCOMPARE(s.ui.messages.size(), size_t(1));
    frmDocument* doc = s.newDocument();
    doc->loadText("G00 X1.\nM30\n");
    doc->setSelection(4, 0);
    QVERIFY(s.w->documentHost().apply(quillon::InsertAtSelection("CALL\nAFTER\n", 5, "SUB\n")));
    QCOMPARE(doc->text(), std::string("G00 CALL\nAFTER\nX1.\nM30\nSUB\n"));
    QCOMPARE(doc->selStart(), 9);  // 4 + "CALL\n"
    doc->txtText->undo();
    QCOMPARE(doc->text(), std::string("G00 X1.\nM30\n"));
  }

  // Guards against: a closed window's gap left open when the user clicks back into a document.
  void pendingRearrangementOnFocus() {
    Shell s;
    s.start();
    s.newDocument();
    frmDocument* second = s.newDocument();
    QSignalSpy focused(&s.w->documentHost(), &DocumentHost::documentFocused);
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

  // clang-format off
  void keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("panel");
    QTest::newRow("Insert toggles overwrite") << int(Qt::Key_Insert) << int(Qt::NoModifier) << "" << "OVR";
    QTest::newRow("Alt+I (the Insert menu has no access key)") << int(Qt::Key_I) << int(Qt::AltModifier) << "" << "INS";
    QTest::newRow("Alt+Shift+X") << int(Qt::Key_X) << int(Qt::AltModifier | Qt::ShiftModifier) << "" << "INS";
    QTest::newRow("plain letter still typed") << int(Qt::Key_X) << int(Qt::NoModifier) << "x" << "INS";
  }
  // clang-format on
  // Guards against: the INS panel not following the Insert key, and a stray letter written into the program
  // when Alt and a letter that opens no menu are pressed.
  void keys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, typed);
    QFETCH(QString, panel);
    Shell s;
    s.start();
    frmDocument* doc = s.newDocument();
    auto* label = s.w->findChild<QLabel*>("INS");
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("INS"));
    QTest::keyClick(doc->txtText, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QString::fromStdString(doc->text()), typed);
    QCOMPARE(doc->DataChanged(), !typed.isEmpty());
    QCOMPARE(label->text(), panel);
    QCOMPARE(doc->txtText->overwriteMode(), panel == "OVR");
  }

  // Guards against: toolbar or status bar toggles out of step with their check marks, and status panels
  // missing or the clock panels left empty.
  void toolbarAndStatusBar() {
    Shell s;
    s.start();
    auto* toolbar = s.w->findChild<QToolBar*>("tbToolBar");
    auto* status = s.w->findChild<QStatusBar*>("sbStatusBar");
    QVERIFY(toolbar && status);
    s.run("mnuViewToolbar");
    QVERIFY(!toolbar->isVisible() && !s.w->action("mnuViewToolbar")->isChecked());
    s.run("mnuViewToolbar");
    QVERIFY(toolbar->isVisible() && s.w->action("mnuViewToolbar")->isChecked());
    s.run("mnuViewStatusBar");
    QVERIFY(!status->isVisible() && !s.w->action("mnuViewStatusBar")->isChecked());
    for (const char* key : {"Memo", "INS", "CAPS", "NUM", "Date", "Time"}) QVERIFY2(s.w->findChild<QLabel*>(key), key);
    QCOMPARE(s.w->findChild<QLabel*>("INS")->toolTip(), QStringLiteral("Insrt Key"));
    QCOMPARE(s.w->findChild<QLabel*>("Date")->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!s.w->findChild<QLabel*>("Time")->text().isEmpty());
    QCOMPARE(s.w->toolbarAction(12)->toolTip(), QStringLiteral(" Auto N000  Insert "));
  }

  // Guards against: menu items built with other names, captions or shortcuts than the table's, an array
  // handler not told its index, and a disabled item running its command.
  void menuActionsCarryTheirNames() {
    Shell s;
    s.start();
    int leaves = 0;
    for (const quillon::MenuItem& item : quillon::MenuTree()) {
      QAction* a = s.w->action(Q(item.name), item.index);
      QVERIFY2(a, item.name.data());
      QCOMPARE(a->objectName(), Q(item.name));
      if (quillon::IsSeparator(item)) continue;
      ++leaves;
      QCOMPARE(a->text(), Q(item.caption));
      QCOMPARE(a->data().toInt(), item.index);
      QCOMPARE(a->shortcut(), QKeySequence(Q(item.shortcut)));
    }
    QVERIFY(leaves > 200);
    int got = 0;
    s.w->commands().setCommand("mnuGcode", [&got](int index) { got = index; });
    s.w->action("mnuGcode", 14)->trigger();
    QCOMPARE(got, 14);
    bool ran = false;
    s.w->commands().setCommand("ProcessMCircleFace", [&ran](int) { ran = true; });
    s.run("ProcessMCircleFace");
    QVERIFY(!ran);
  }

  // clang-format off
  void dialogFilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qt");
    QTest::newRow("open") << "All Files (*.*)|*.*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb" << QStringList{"All Files (*)", "Main File (*.min)", "System Sub (*.ssb)"};
    QTest::newRow("pattern not in the text") << "Programs|*.min;*.ssb" << QStringList{"Programs (*.min *.ssb)"};
    QTest::newRow("odd count ignores the tail") << "LIB File (*.lib)|*.lib|Broken" << QStringList{"LIB File (*.lib)"};
  }
  // clang-format on
  // Guards against: "*.*" hiding files without a dot, or the pattern lost from a filter.
  void dialogFilter() {
    QFETCH(QString, filter);
    QFETCH(QStringList, qt);
    QCOMPARE(ConvertDialogFilter(filter), qt);
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
