// The main window and its documents driven offscreen: start-up state and place, the command line, menus, files, save
// queries, the recent-file list and exit.
#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>

#include "EditorPtr.h"
#include "app/menu_tree.h"
#include "ui/platform/QtSettingsStore.h"

namespace {

QStringList VisibleRecent(const frmMain& w) {
  QStringList list;
  for (int i = 1; i <= 5; ++i)
    if (QAction* a = w.action(QStringLiteral("mnuFileRecentFile"), i); a->isVisible()) list << a->text();
  return list;
}
std::string Stored(const EditorSession& s, const char* key, std::string_view section = quillon::kSectionSettings) {
  return s.store.get(section, key).value_or("<none>");
}
int Pixels(double twips, const QWidget& w) { return quillon::TwipsToPixels(twips, w.screen()->logicalDotsPerInchX()); }

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void start_data() { AddCases("shell_start.txt"); }
  void start() {
    const Case r = CurrentCase();
    EditorSession s(false);
    for (const QString& entry : r["stored"].split(' ', Qt::SkipEmptyParts)) {
      const QStringList p = entry.split('|');
      s.store.set(p[0].toStdString(), p[1].toStdString(), p[2].toStdString());
    }
    s.start({}, true);
    frmMain& w = *s.main;
    const QRect screen = w.screen()->availableGeometry();
    const QStringList t = r["place"].split(' ', Qt::SkipEmptyParts);
    QVERIFY(screen.contains(w.frameGeometry()));
    QCOMPARE(QRect(w.pos(), w.size()), t.isEmpty()
                                           ? QRect(screen.x() + screen.width() / 8, screen.y() + screen.height() / 8,
                                                   screen.width() * 3 / 4, screen.height() * 3 / 4)
                                           : QRect(Pixels(t[0].toDouble(), w), Pixels(t[1].toDouble(), w),
                                                   Pixels(t[2].toDouble(), w), Pixels(t[3].toDouble(), w)));
    QCOMPARE(s.ws().settings.ScreenFontSize, 14);
    QVERIFY(!s.ws().machine.TG);
    QVERIFY(!w.ActiveDocument() && !w.pendingRearrangement());
    QString shown;
    for (int i = 1; i <= 5; ++i) {
      QAction* a = w.action("mnuFileRecentFile", i);
      if (a->isVisible()) shown += QString::number(i);
      if (!a->isVisible()) QCOMPARE(a->text(), QStringLiteral("RecentFile%1").arg(i));
    }
    QCOMPARE(shown, r["recent"]);
    for (std::string_view name : quillon::TallixStartItems()) QCOMPARE(w.action(Q(name))->isVisible(), r.yes("tallix"));
    w.commands().setVisible(quillon::TallixItems(), !r.yes("tallix"));
    for (std::string_view name : quillon::TallixItems()) QCOMPARE(w.action(Q(name))->isVisible(), !r.yes("tallix"));
  }

  // Guards against: untitled numbers reused after a close, and document commands acting or asking when no document is
  // left (which menus and buttons show in each state: the frmMain dump).
  void documentLifecycle() {
    EditorSession s;
    for (int i = 0; i < 3; ++i) s.run("mnuFileNew");
    QCOMPARE(s.captions(), (QStringList{"Untitled1", "Untitled2", "Untitled3"}));
    s.main->mdiArea()->setActiveSubWindow(s.main->mdiArea()->subWindowList(QMdiArea::CreationOrder)[1]);
    s.run("mnuFileClose");
    QCOMPARE(s.captions(), (QStringList{"Untitled1", "Untitled3"}));
    s.run("mnuFileNew");
    QCOMPARE(s.captions(), (QStringList{"Untitled1", "Untitled3", "Untitled4"}));
    QVERIFY(!s.main->ActiveDocument()->DataChanged());
    for (int i = 0; i < 3; ++i) s.run("mnuFileClose");
    QVERIFY(s.main->documents().isEmpty());
    for (std::string_view name : quillon::DocumentCommands()) s.run(Q(name));
    s.run("mnuEditUndo");
    QVERIFY(s.ui.saveStartFolders.empty() && s.ui.questions.empty() && s.ui.messages.empty());
    QVERIFY(s.main->documents().isEmpty());
  }

  // Guards against: the oldest recent file kept, a sixth slot appearing, a recent item not reopening its file (or
  // reopening it after a restart at a small default size instead of the one the arrangement gives every document),
  // listeners told about a document before its text and name are in place, and a font of another system leaving the
  // text in a proportional face.
  void sixOpensLeaveFiveEntries() {
    EditorSession s;
    QStringList paths, created;
    QObject::connect(&s.main->documentHost(), &DocumentHost::documentCreated,
                     [&](frmDocument* d) { created << d->filePath() + "|" + QString::fromStdString(d->text()); });
    for (int i = 1; i <= 6; ++i) {
      paths << s.path(QStringLiteral("six%1.min").arg(i));
      WriteFile(paths.last(), QStringLiteral("N%1\r\n").arg(i).toLatin1());
      s.ui.openAnswers.push_back(ScriptedInteraction::pick(paths.last()));
      s.run("mnuFileOpen");
      QCOMPARE(created.last(), paths.last() + QStringLiteral("|N%1\n").arg(i));
    }
    QCOMPARE(s.main->documents().size(), 6);
    const QFont font = s.main->ActiveDocument()->txtText->font();
    QCOMPARE(font.pointSize(), 14);
    QCOMPARE(QFontMetrics(font).horizontalAdvance(QLatin1Char('i')),
             QFontMetrics(font).horizontalAdvance(QLatin1Char('W')));
    QCOMPARE(VisibleRecent(*s.main), (QStringList{paths[5], paths[4], paths[3], paths[2], paths[1]}));
    s.main->close();
    QCOMPARE(Stored(s, "RecentFile1"), paths[5].toStdString());
    QCOMPARE(Stored(s, "RecentFile5"), paths[1].toStdString());
    // A recent item opens its file again, listed once more.
    s.start({}, true);
    s.run("mnuFileRecentFile", 3);
    QCOMPARE(s.main->ActiveDocument()->caption(), paths[3]);
    QApplication::processEvents();
    QCOMPARE(s.main->ActiveDocument()->parentWidget()->geometry(), s.main->mdiArea()->viewport()->rect());
    QCOMPARE(VisibleRecent(*s.main).first(), paths[3]);
    QCOMPARE(VisibleRecent(*s.main).count(paths[3]), 2);
  }

  // Guards against: a minimized window's placement stored (it would reopen off-screen) and the recent-file list lost
  // when it is.
  void exit_data() { AddCases("shell_exit.txt"); }
  void exit() {
    const bool minimized = CurrentCase().yes("minimized");
    EditorSession s(false);
    s.store.set(quillon::kSectionSettings, "MainLeft", "3000");
    s.store.set(quillon::kSectionSettings, "OpenPathName", "/old/open");
    s.store.set(quillon::kSectionParameter, "CsvFileName", "/old/S45C.CSV");
    s.start({}, true);
    const QString file = s.path("exit.min");
    WriteFile(file, "");
    s.main->OpenDocumentFile(file);
    s.ws().settings.OpenPathName = "/new/open";
    s.ws().machine.CsvFileName = "/new/S50C.CSV";
    s.main->move(Pixels(1500, *s.main), s.main->y());
    if (minimized) s.main->setWindowState(Qt::WindowMinimized);
    s.run("mnuFileExit");
    QVERIFY(!s.main->isVisible());
    QCOMPARE(Stored(s, "RecentFile1"), file.toStdString());
    // 1500 twips -> 100 px at 96 dpi -> back to 1500 twips.
    const double dpi = s.main->screen()->logicalDotsPerInchX();
    const auto twips = [dpi](int px) { return quillon::SettingNumberText(quillon::PixelsToTwips(px, dpi)); };
    QCOMPARE(Stored(s, "MainLeft"), minimized ? "3000" : twips(Pixels(1500, *s.main)));
    QCOMPARE(Stored(s, "MainWidth"), minimized ? "<none>" : twips(s.main->width()));
    QCOMPARE(Stored(s, "OpenPathName"), std::string(minimized ? "/old/open" : "/new/open"));
    QCOMPARE(Stored(s, "ScreenFontName"), std::string(minimized ? "<none>" : "Terminal"));
    QCOMPARE(Stored(s, "CsvFileName", quillon::kSectionParameter),
             std::string(minimized ? "/old/S45C.CSV" : "/new/S50C.CSV"));
  }

  // Guards against: command-line files opened into other documents than named, in another order or changed, a document
  // not told its file, the size rule skipped or stopping the files after it, the recent list or the tiling missing the
  // files opened before the window was shown, and Save writing another file than the one opened.
  void commandLine_data() { AddCases("shell_command_line.txt"); }
  void commandLine() {
    const Case r = CurrentCase();
    const QStringList names = r["files"].split(';');
    EditorSession s(false);
    QStringList full, captions, texts, recent;
    for (const QString& name : names) {
      full << s.path(name == "*" ? QStringLiteral("big.min") : name);
      WriteFile(full.last(), name == "*" ? QByteArray(65001, 'X') : "O" + name.toLatin1() + "\r\n");
    }
    for (const QString& name : r["opened"].split(';')) {
      captions << s.path(name);
      texts << "O" + name + "\n";
      recent.prepend(s.path(name));
    }
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(s.tmp.path()));
    if (r["line"].isEmpty()) s.start(full, true);
    if (!r["line"].isEmpty()) s.start(r["line"].replace("%1", full[0]).replace("%2", names[0]), true);
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(s.captions(), captions);
    QCOMPARE(s.main->windowTitle(), QStringLiteral("Quillon  Ver.2.26 Eng"));
    for (frmDocument* doc : s.main->documents()) {
      QCOMPARE(Bytes(doc->text()), texts.takeFirst());
      QCOMPARE(doc->windowTitle(), doc->caption() + "[*]");
      QVERIFY(!doc->DataChanged() && !doc->isUntitled());
    }
    QCOMPARE(int(s.ui.messages.size()), r.number("tooBig"));
    if (!s.ui.messages.empty()) QCOMPARE(s.ui.messages.back().text, "This file size is too big, can not open.");
    QVERIFY(s.main->action("Gcode")->isVisible());
    QCOMPARE(VisibleRecent(*s.main), recent);
    // Opened before the window was shown, tiled once the area has its size.
    QApplication::processEvents();
    for (frmDocument* doc : s.main->documents())
      QVERIFY(qAbs(doc->parentWidget()->width() - s.main->mdiArea()->viewport()->width() / captions.size()) <
              captions.size());
    // Saving writes the file that was opened, not an upper-cased twin.
    frmDocument* last = s.main->ActiveDocument();
    last->txtText->appendPlainText("M30");
    s.run("mnuFileSave");
    QVERIFY(ReadFile(last->caption()).endsWith("M30\r\n"));
    QVERIFY(!QFile::exists(last->caption().toUpper()) || last->caption() == last->caption().toUpper());
  }

  // Guards against: the size rule off by one, the folder not remembered, a cancelled dialog or a vanished file doing
  // anything, an empty window left under the name of a file that could not be read (a Save would write over it), and
  // line ends of an inserted file leaking into the document.
  void openAndInsert_data() { AddCases("shell_open.txt"); }
  void openAndInsert() {
    const Case r = CurrentCase();
    const int size = r.number("size");
    const bool insert = r["command"] == "mnuInsertFile", done = size == 65000;
    EditorSession s;
    std::string& folderKept = insert ? s.ws().settings.InsertPathName : s.ws().settings.OpenPathName;
    const QString start = insert ? "/start/folder" : s.tmp.path();  // an open starts in the home folder
    if (insert) folderKept = start.toStdString();
    frmDocument* doc = insert ? s.document("X") : nullptr;
    const QString folder = s.path("subs"), file = folder + "/O9000.ssb", message = r["message"].replace("%1", file);
    QDir().mkpath(size == -2 ? file : folder);
    if (size > 0) WriteFile(file, QByteArray(size - 2, 'A') + "\r\n");  // size - 2 bytes of "A" and one CR LF
    if (size != 0) s.ui.openAnswers.push_back(ScriptedInteraction::pick(file));
    s.run(r["command"]);
    QCOMPARE(s.ui.openFilters, std::vector<QString>{r["filter"]});
    QCOMPARE(s.ui.openStartFolders, std::vector<QString>{start});
    QCOMPARE(Q(folderKept), size == 0 ? start : folder);
    QCOMPARE(s.main->documents().size(), insert || done ? 1 : 0);
    doc = s.main->ActiveDocument();
    QCOMPARE(Bytes(doc ? doc->text() : ""), (done ? QString(size - 2, 'A') + "\n" : "") + (insert ? "X" : ""));
    if (insert) QCOMPARE(doc->selStart(), done ? size - 1 : 0);
    QCOMPARE(s.main->action("Gcode")->isVisible(), insert || done);
    QCOMPARE(s.ui.messages.size(), size_t(message.isEmpty() ? 0 : 1));
    if (!message.isEmpty()) QCOMPARE(s.ui.messages[0].text + "|" + s.ui.messages[0].title, message + "|Quillon");
    QCOMPARE(VisibleRecent(*s.main), !insert && done ? QStringList{file} : QStringList());
    QCOMPARE(QFileInfo(file).isFile(), size > 0);
  }

  void saveReopenByteExact_data() { AddCases("shell_bytes.txt"); }
  void saveReopenByteExact() {
    QByteArray bytes = CurrentCase()["bytes"].toLatin1();
    if (bytes == "*") {
      bytes.clear();
      for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') bytes.append(char(b));
      bytes += "\r\n";
    }
    EditorSession s;
    const QString file = s.path("exact.min");
    WriteFile(file, bytes);
    frmDocument* doc = s.main->OpenDocumentFile(file);
    QVERIFY(doc);
    QCOMPARE(doc->text().size() + std::size_t(bytes.count("\r\n")), std::size_t(bytes.size()));
    for (int round = 0; round < 2; ++round) {
      if (round == 1) s.main->OpenDocumentFile(file);
      s.run("mnuFileSave");
      QCOMPARE(ReadFile(file), bytes);
      s.run("mnuFileClose");
    }
    QVERIFY(s.ui.messages.empty());
  }

  // Guards against: a Yes to the close query losing the text when nothing was saved, and a failed save clearing
  // DataChanged, renaming the document or listing it as a recent file.
  void closeQueryYes_data() { AddCases("shell_close_query_yes.txt"); }
  void closeQueryYes() {
    const bool dialogCancelled = CurrentCase().yes("dialogCancelled");
    EditorSession s;
    frmDocument* doc = s.document();
    s.main->documentHost().apply(quillon::InsertAtSelection("G01\n"));
    for (bool closeBox : {true, false}) {  // the window's close box, then the Close command
      s.ui.answers = {Answer::Yes};
      if (!dialogCancelled) s.ui.saveAnswers.push_back(ScriptedInteraction::pick(s.path("missing/dir/x.min")));
      if (closeBox) QVERIFY(!doc->parentWidget()->close());
      if (!closeBox) s.run("mnuFileClose");
      QCOMPARE(s.main->documents().size(), 1);
    }
    QCOMPARE(s.ui.questions[0].text, QStringLiteral("[Untitled1] is changed,\n Do you want save ?"));
    QCOMPARE(s.ui.questions[1].text, QStringLiteral("The data is changed. Do you want save ?"));
    QCOMPARE(doc->text(), std::string("G01\n"));
    QCOMPARE(doc->caption(), QStringLiteral("Untitled1"));
    QVERIFY(doc->DataChanged());
    QVERIFY(VisibleRecent(*s.main).isEmpty());
    QCOMPARE(s.ui.messages.size(), size_t(dialogCancelled ? 0 : 2));
    for (const auto& m : s.ui.messages)  // and why: the system's reason follows
      QVERIFY2(m.text.startsWith("Can not save.\n") && m.text.size() > 14, qPrintable(m.text));
    // A failed save points the next dialog at the working folder; a cancelled one changes nothing.
    QCOMPARE(s.ws().settings.SavePathName, (dialogCancelled ? s.tmp.path() : QDir::currentPath()).toStdString());
  }

  // Guards against: the Close command asking twice when the answer is No, exit going ahead after a document said
  // Cancel, and one document's text saved under another's name.
  void saveQuery_data() { AddCases("shell_close.txt"); }
  void saveQuery() {
    static const QMap<QString, Answer> kAnswers{{"No", Answer::No}, {"Cancel", Answer::Cancel}, {"Yes", Answer::Yes}};
    const Case r = CurrentCase();
    EditorSession s;
    const QString a = s.path("A.min"), b = s.path("B.min");
    for (const QString& file : {a, b}) {
      WriteFile(file, QFileInfo(file).baseName().toLatin1() + "\r\n");
      s.main->OpenDocumentFile(file)->applyEdit(quillon::ReplaceSpan(0, 0, file == a ? "1" : "2", 1));
    }
    for (const QString& answer : r["answers"].split(' ')) s.ui.answers.push_back(kAnswers.value(answer));
    if (r["command"] == "close window") QCOMPARE(s.main->close(), r.number("windowsLeft") == 0);
    if (r["command"] != "close window") s.run(r["command"]);
    QString asked;
    for (const auto& q : s.ui.questions) {
      QCOMPARE(q.icon, MessageIcon::Exclamation);
      asked += q.text + "@" + q.title + ";";
    }
    QCOMPARE(asked, r["questions"].replace("%a", a).replace("%b", b));
    QCOMPARE(s.main->documents().size(), r.number("windowsLeft"));
    QCOMPARE(ReadFile(a) + ReadFile(b), r["files"].toLatin1());
    if (r.number("windowsLeft") > 0) QCOMPARE(Stored(s, "MainLeft"), std::string("<none>"));
  }

  // Guards against: opening a missing path creating a file on disk (an empty window left under the name of a file
  // that could not be read: openAndInsert).
  void missingAndUnreadableFiles() {
    EditorSession s(false);
    const QString gone = s.path("gone.min");
    s.start(gone);
    QCOMPARE(s.captions(), QStringList{gone});
    QCOMPARE(s.main->ActiveDocument()->text(), std::string());
    QVERIFY(!QFile::exists(gone));
    s.main->documentHost().apply(quillon::InsertAtSelection("M30\n"));
    s.run("mnuFileSave");
    QCOMPARE(ReadFile(gone), QByteArray("M30\r\n"));
    QVERIFY(s.ui.messages.empty());
    QCOMPARE(VisibleRecent(*s.main), QStringList{gone});  // a folder that cannot be read: ShellTest::openAndInsert
  }

  // Guards against: a closed window's gap left open when the user clicks back into a document.
  void pendingRearrangementOnFocus() {
    EditorSession s(false);
    s.start({}, true);
    s.document();
    frmDocument* second = s.document();
    QSignalSpy focused(&s.main->documentHost(), &DocumentHost::documentFocused);
    s.main->documents().first()->parentWidget()->close();
    QVERIFY(s.main->pendingRearrangement());
    QApplication::setActiveWindow(s.main.get());
    second->txtText->clearFocus();
    second->txtText->setFocus();
    QApplication::processEvents();
    if (!second->txtText->hasFocus()) QSKIP("the platform gives no focus offscreen");
    QVERIFY(!s.main->pendingRearrangement());
    QVERIFY(!focused.isEmpty());
    QCOMPARE(focused.last().at(0).value<frmDocument*>(), second);
  }

  // Guards against: the INS panel not following the Insert key, and a stray letter written into the program when Alt
  // and a letter that opens no menu are pressed.
  void keys_data() { AddCases("shell_keys.txt"); }
  void keys() {
    const Case r = CurrentCase();
    EditorSession s(false);
    s.start({}, true);
    frmDocument* doc = s.document();
    auto* label = Child<QLabel>(s.main.get(), "INS");  // "INS" at the start: the frmMain dump
    QCOMPARE(QKeySequence(r["keys"]).count(), 1);      // a misspelt key would press nothing
    QTest::keySequence(doc->txtText, QKeySequence(r["keys"]));
    QCOMPARE(QString::fromStdString(doc->text()), r["typed"]);
    QCOMPARE(doc->DataChanged(), !r["typed"].isEmpty());
    QCOMPARE(label->text(), r["panel"]);
    QCOMPARE(doc->txtText->overwriteMode(), r["panel"] == "OVR");
  }

  // Guards against: toolbar or status bar toggles out of step with their check marks, the clock panels left empty, a
  // menu array handler not told its index, and a disabled item running its command (the items themselves: the frmMain
  // dump).
  void toolbarStatusBarAndHandlers() {
    EditorSession s(false);
    s.start({}, true);
    auto* toolbar = Child<QToolBar>(s.main.get(), "tbToolBar");
    auto* status = Child<QStatusBar>(s.main.get(), "sbStatusBar");
    QVERIFY(toolbar && status);
    for (const auto& [item, bar] :
         {std::pair<QString, QWidget*>{"mnuViewToolbar", toolbar}, {"mnuViewStatusBar", status}})
      for (bool shown : {false, true}) {
        s.run(item);
        QVERIFY(bar->isVisible() == shown && s.main->action(item)->isChecked() == shown);
      }
    QCOMPARE(Child<QLabel>(status, "Date")->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!Child<QLabel>(status, "Time")->text().isEmpty());
    int got = 0;
    s.main->commands().setCommand("mnuGcode", [&got](int index) { got = index; });
    s.main->commands().setCommand("ProcessMCircleFace", [&got](int) { got = -1; });
    s.main->action("mnuGcode", 14)->trigger();
    s.run("ProcessMCircleFace");  // disabled without a document
    QCOMPARE(got, 14);
  }

  // Guards against: "*.*" hiding files without a dot, or the pattern lost from a filter.
  void dialogFilter_data() { AddCases("shell_dialog_filter.txt"); }
  void dialogFilter() { QCOMPARE(ConvertDialogFilter(CurrentCase()["filter"]), CurrentCase()["converted"].split(';')); }

  // Guards against: the settings file landing in the user's real config folder, or Unicode values garbled.
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
