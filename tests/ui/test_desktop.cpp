// The editor on the desktop: windows that fit the screen, Save As with the filter's extension, files dropped on the
// window.
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include "EditorPtr.h"
#include "ui/help/HelpWindow.h"
#include "ui/shell/ScreenFit.h"

namespace {

// Drops the files on target as a file manager would.
void DropFiles(QWidget* target, const QStringList& files) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& f : files) urls << QUrl::fromLocalFile(f);
  data.setUrls(urls);
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::processEvents(); }

  // Guards against the help window or a dialog opening partly outside the screen when the main window sits
  // near its edge, and against a window larger than the screen keeping its size.
  void windowsInsideTheScreen() {
    EditorSession d(false);
    QVERIFY(QDir().mkpath(d.appFolder + "/help"));
    WriteFile(d.appFolder + "/help/G-code.html", "<html><title>G</title><body>G</body></html>");
    d.start();
    frmMain* w = d.main.get();
    const QRect area = ScreenFit::AvailableArea(*w);
    // The main window's lower right corner at the screen's: anything centred over it hangs out.
    w->resize(area.width() / 2, area.height() / 2);
    w->move(area.right() - w->width() + 1, area.bottom() - w->height() + 1);
    w->show();
    QApplication::processEvents();
    w->runCommand("mnuFileNew");
    w->runCommand("GcodeHelp");
    auto* help = w->findChild<HelpWindow*>("HelpWindow");
    QVERIFY(help && help->isVisible());
    QVERIFY(area.contains(help->frameGeometry()));
    w->runCommand("mnuToolsrpm");
    QWidget* rpm = w->findChild<QWidget*>("RPM");
    QTRY_VERIFY(rpm && area.contains(rpm->frameGeometry()));
    // Larger than the screen: shrunk to it.
    help->hide();
    help->resize(area.width() + 300, area.height() + 300);
    help->show();
    QVERIFY(area.contains(help->frameGeometry()));
  }

  // Guards against Save As writing "part1" when "Main File (*.min)" was chosen (the open dialog's own filter then hides
  // the file), an extension added twice, the added extension overwriting an existing file without a question, Save
  // writing over another file than the one saved (the caption is upper-cased) or asking again, the recent list, caption
  // or save folder not following Save As, the save dialog without the library filter, and toolbar buttons that do not
  // share their menu item's command (their state: the frmMain dump).
  void saveAsExtension_data() { AddCases("desktop_save_as.txt"); }
  void saveAsExtension() {
    const Case c = CurrentCase();
    const QString typed = c["typed"], file = c["saved"], existing = c["existing"];
    const bool replaces = existing.isEmpty() || c.yes("replace");
    EditorSession d(false);
    d.start({}, true);
    const QString saved = d.path(file);
    if (!existing.isEmpty()) WriteFile(saved, existing.toLatin1());
    d.main->toolbarAction(1)->trigger();  // " New "
    d.main->ActiveDocument()->txtText->insertPlainText("G00");
    FileDialogResult answer = ScriptedInteraction::pick(d.path(typed));
    answer.filter = c["filter"];
    d.ui.saveAnswers.push_back(answer);
    d.ui.answers = {replaces ? Answer::Yes : Answer::No};
    if (c.yes("toolbar")) d.main->toolbarAction(3)->trigger();  // " Save " on an untitled document
    if (!c.yes("toolbar")) d.main->runCommand("mnuFileSaveAs");
    QCOMPARE(d.ui.saveDefaultNames, (std::vector<QString>{QString()}));
    QCOMPARE(d.ui.saveFilters[0],
             "Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb|LIB File (*.lib)|*.lib|All Files (*.*)|*.*");
    QCOMPARE(d.ui.saveStartFolders[0], d.tmp.path());
    QCOMPARE(d.ui.questions.size(), size_t(existing.isEmpty() ? 0 : 1));
    if (!existing.isEmpty()) QVERIFY(d.ui.questions[0].text.startsWith(saved));
    QCOMPARE(ReadFile(saved), replaces ? QByteArray("G00\r\n") : existing.toLatin1());
    QCOMPARE(d.main->ActiveDocument()->DataChanged(), !replaces);
    if (file != typed) QVERIFY(!QFile::exists(d.path(typed)));
    QVERIFY(d.ui.messages.empty());
    if (!replaces) return;
    QCOMPARE(d.main->ActiveDocument()->caption(), saved);
    QCOMPARE(d.main->action("mnuFileRecentFile", 1)->text(), saved);
    QVERIFY(!d.main->action("mnuFileRecentFile", 2)->isVisible());
    QCOMPARE(d.ws().settings.SavePathName, d.tmp.path().toStdString());
    d.main->documentHost().apply(quillon::InsertAtSelection("\n(X)\n"));
    d.main->runCommand("mnuFileSave");
    QCOMPARE(d.ui.saveDefaultNames.size(), size_t(1));  // no dialog the second time
    QCOMPARE(ReadFile(saved), QByteArray("G00\r\n(X)\r\n"));
    QVERIFY(!QFile::exists(saved.toUpper()) || saved == saved.toUpper());
  }

  void dropFiles_data() { AddCases("desktop_drop.txt"); }
  // Guards against dropped program files being ignored, or their names typed into the document they were
  // dropped on, folders and too-big files opening, and the documents sized otherwise than the arrangement.
  void dropFiles() {
    const bool onText = CurrentCase().yes("onText");
    EditorSession d(false);
    WriteFile(d.path("drop1.min"), "O1\r\n");
    WriteFile(d.path("drop2.ssb"), "O2\r\n");
    WriteFile(d.path("dropbig.min"), QByteArray(65001, 'X'));
    QVERIFY(QDir().mkpath(d.path("dropfolder")));
    d.start({}, true);
    d.main->runCommand("mnuFileNew");
    frmDocument* first = d.main->ActiveDocument();
    QWidget* target = onText ? first->txtText->viewport() : static_cast<QWidget*>(d.main.get());
    DropFiles(target, {d.path("drop1.min"), d.path("dropfolder"), d.path("dropbig.min"), d.path("drop2.ssb")});
    QApplication::processEvents();
    QCOMPARE(d.captions(), (QStringList{"Untitled1", d.path("drop1.min"), d.path("drop2.ssb")}));
    QCOMPARE(first->text(), std::string());
    QCOMPARE(d.ui.messages.size(), size_t(1));  // the document menus shown: ShellTest::openAndInsert
    // Tiled side by side (the start mode): three equal columns over the whole area.
    const QRect area = d.main->mdiArea()->viewport()->rect();
    const QList<QMdiSubWindow*> windows = d.main->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* window : windows) {
      QCOMPARE(window->height(), area.height());
      QVERIFY(qAbs(window->width() - area.width() / 3) <= 1);
    }
  }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
