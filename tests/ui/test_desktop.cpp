// The editor on the desktop: every command-line file its own document, paths shown as they are, windows that fit the
// screen, Save As with the filter's extension, files dropped on the window.
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include "EditorPtr.h"
#include "app/window_placement.h"
#include "ui/help/HelpWindow.h"
#include "ui/shell/ScreenFit.h"

namespace {

bool Inside(const QRect& inner, const QRect& outer) {
  return outer.contains(inner.topLeft()) && outer.contains(inner.bottomRight());
}

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

  // Guards against the arguments being joined into one path (two files giving one empty document named after
  // both), a path with blanks split, the order lost, the size rule skipped or stopping the files after it, and
  // a caption upper-cased into a name that does not exist on a case-sensitive file system.
  void commandLineFiles_data() { AddCases("desktop_command_line.txt"); }
  void commandLineFiles() {
    const Case c = CurrentCase();
    const QStringList arguments = c["arguments"].split(';'), opened = c["opened"].split(';');
    const int tooBig = c.number("tooBig");
    EditorSession d(false);
    const auto path = [&d](const QString& name) { return d.path(name); };
    QStringList full, expectedCaptions, expectedTexts;
    for (const QString& name : arguments) {
      const QString file = path(name == "*" ? QStringLiteral("big.min") : name);
      WriteFile(file, name == "*" ? QByteArray(65001, 'X') : ("O" + name.toLatin1() + "\r\n"));
      full << file;
    }
    for (const QString& name : opened) {
      expectedCaptions << path(name);
      expectedTexts << "O" + name + "\n";
    }
    d.start(full, true);
    QCOMPARE(d.captions(), expectedCaptions);
    QStringList texts;
    for (frmDocument* doc : d.main->documents()) texts << QString::fromStdString(doc->text());
    QCOMPARE(texts, expectedTexts);
    QCOMPARE(d.main->windowTitle(), QStringLiteral("Quillon  Ver.2.26 Eng"));
    for (frmDocument* doc : d.main->documents()) {
      QCOMPARE(doc->windowTitle(), doc->caption() + "[*]");
      QVERIFY(!doc->DataChanged());
      QVERIFY(!doc->isUntitled());
    }
    QCOMPARE(int(d.ui.messages.size()), tooBig);
    if (tooBig) QCOMPARE(d.ui.messages.back().text, QStringLiteral("This file size is too big, can not open."));
    // Saving writes the file that was opened, not an upper-cased twin.
    frmDocument* last = d.main->ActiveDocument();
    last->txtText->appendPlainText("M30");
    d.main->runCommand("mnuFileSave");
    QVERIFY(ReadFile(last->caption()).endsWith("M30\r\n"));
    QVERIFY(!QFile::exists(last->caption().toUpper()) || last->caption() == last->caption().toUpper());
  }

  void firstStart_data() {
    QTest::addColumn<bool>("stored");
    QTest::newRow("nothing stored") << false;
    QTest::newRow("stored place kept") << true;
  }
  // Guards against the first start opening a tiny window (433 by 433 on a large screen) or one reaching
  // beyond the screen, and against a stored place from an earlier run being overridden.
  void firstStart() {
    QFETCH(bool, stored);
    EditorSession d(false);
    if (stored)
      for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"}) d.store.set("Settings", key, "4500");
    d.start({}, true);
    const QRect area = ScreenFit::AvailableArea(*d.main);
    const QRect frame = d.main->frameGeometry();
    QVERIFY(Inside(frame, area));
    if (stored) {
      // 4500 twips at the screen's dots per inch
      const int px = quillon::TwipsToPixels(4500, d.main->screen()->logicalDotsPerInchX());
      QCOMPARE(QRect(d.main->pos(), d.main->size()), QRect(px, px, px, px));
      return;
    }
    const quillon::ScreenRect want = quillon::FirstStartPlacement({area.x(), area.y(), area.width(), area.height()});
    QCOMPARE(d.main->pos(), QPoint(want.x, want.y));
    QCOMPARE(d.main->size(), QSize(want.width, want.height));
    // About three quarters each way, centred.
    const double wide = double(frame.width()) / area.width(), high = double(frame.height()) / area.height();
    QVERIFY2(wide > 0.7 && wide < 0.8 && high > 0.7 && high < 0.85, qPrintable(QString("%1 %2").arg(wide).arg(high)));
    const int border = frame.width() - d.main->width();
    QVERIFY(qAbs((frame.left() - area.left()) - (area.right() - frame.right())) <= 2 * border + 2);
  }

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
    QVERIFY2(Inside(help->frameGeometry(), area),
             qPrintable(QString("%1,%2 %3x%4").arg(help->x()).arg(help->y()).arg(help->width()).arg(help->height())));
    w->runCommand("mnuToolsrpm");
    QWidget* rpm = w->findChild<QWidget*>("RPM");
    QVERIFY(rpm);
    QTRY_VERIFY(Inside(rpm->frameGeometry(), area));
    // Larger than the screen: shrunk to it.
    help->hide();
    help->resize(area.width() + 300, area.height() + 300);
    help->show();
    QVERIFY(Inside(help->frameGeometry(), area));
  }

  void saveAsExtension_data() { AddCases("desktop_save_as.txt"); }
  // Guards against Save As writing "part1" when "Main File (*.min)" was chosen (the open dialog's own filter
  // then hides the file), an extension added twice, and the library filter missing from the dialog.
  void saveAsExtension() {
    const Case c = CurrentCase();
    const QString typed = c["typed"], saved = c["saved"];
    EditorSession d(false);
    d.start({}, true);
    const auto path = [&d](const QString& name) { return d.path(name); };
    d.main->runCommand("mnuFileNew");
    d.main->ActiveDocument()->txtText->setPlainText("G00");
    FileDialogResult answer = ScriptedInteraction::pick(path(typed));
    answer.filter = c["filter"];
    d.ui.saveAnswers.push_back(answer);
    d.main->runCommand("mnuFileSaveAs");
    QCOMPARE(
        d.ui.saveFilters.back(),
        QStringLiteral("Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb|LIB File (*.lib)|*.lib|All Files (*.*)|*.*"));
    QCOMPARE(ReadFile(path(saved)), QByteArray("G00\r\n"));
    QCOMPARE(d.main->ActiveDocument()->caption(), path(saved));
    QCOMPARE(d.main->action("mnuFileRecentFile", 1)->text(), path(saved));
    if (saved != typed) QVERIFY(!QFile::exists(path(typed)));
    QVERIFY(d.ui.messages.empty());
  }

  // Guards against the added extension overwriting an existing file without a question.
  void saveAsExtensionAsksBeforeReplacing() {
    for (Answer reply : {Answer::No, Answer::Yes}) {
      EditorSession d(false);
      d.start({}, true);
      const auto path = [&d](const QString& name) { return d.path(name); };
      WriteFile(path("kept.min"), "OLD\r\n");
      d.main->runCommand("mnuFileNew");
      d.main->ActiveDocument()->txtText->insertPlainText("NEW");
      FileDialogResult answer = ScriptedInteraction::pick(path("kept"));
      answer.filter = "*.min";
      d.ui.saveAnswers.push_back(answer);
      d.ui.answers = {reply};
      d.main->runCommand("mnuFileSaveAs");
      QCOMPARE(d.ui.questions.size(), size_t(1));
      QVERIFY(d.ui.questions[0].text.startsWith(path("kept.min")));
      QCOMPARE(ReadFile(path("kept.min")), QByteArray(reply == Answer::Yes ? "NEW\r\n" : "OLD\r\n"));
      QCOMPARE(d.main->ActiveDocument()->DataChanged(), reply != Answer::Yes);
    }
  }

  void dropFiles_data() {
    QTest::addColumn<bool>("onText");  // dropped on a document's text instead of the main window
    QTest::newRow("on the main window") << false;
    QTest::newRow("on a document's text") << true;
  }
  // Guards against dropped program files being ignored, or their names typed into the document they were
  // dropped on, folders and too-big files opening, and the documents sized otherwise than the arrangement.
  void dropFiles() {
    QFETCH(bool, onText);
    EditorSession d(false);
    const auto path = [&d](const QString& name) { return d.path(name); };
    WriteFile(path("drop1.min"), "O1\r\n");
    WriteFile(path("drop2.ssb"), "O2\r\n");
    WriteFile(path("dropbig.min"), QByteArray(65001, 'X'));
    QVERIFY(QDir().mkpath(path("dropfolder")));
    d.start({}, true);
    d.main->runCommand("mnuFileNew");
    frmDocument* first = d.main->ActiveDocument();
    QWidget* target = onText ? first->txtText->viewport() : static_cast<QWidget*>(d.main.get());
    DropFiles(target, {path("drop1.min"), path("dropfolder"), path("dropbig.min"), path("drop2.ssb")});
    QApplication::processEvents();
    QCOMPARE(d.captions(), (QStringList{"Untitled1", path("drop1.min"), path("drop2.ssb")}));
    QCOMPARE(first->text(), std::string());
    QCOMPARE(d.ui.messages.size(), size_t(1));
    QVERIFY(d.main->action("Gcode")->isVisible());
    // Tiled side by side (the start mode): three equal columns over the whole area.
    const QRect area = d.main->mdiArea()->viewport()->rect();
    const QList<QMdiSubWindow*> windows = d.main->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* window : windows) {
      QCOMPARE(window->height(), area.height());
      QVERIFY(qAbs(window->width() - area.width() / 3) <= 1);
    }
  }

  // Guards against a document opened from the recent list after a restart getting a small default size
  // instead of the one the arrangement gives every document.
  void recentFileSizedByTheArrangement() {
    EditorSession d(false);
    WriteFile(d.path("recent.min"), "O3\r\n");
    d.store.set("Settings", "RecentFile1", d.path("recent.min").toStdString());
    d.start({}, true);
    d.main->runCommand("mnuFileRecentFile", 1);
    QApplication::processEvents();
    QMdiSubWindow* window = d.main->mdiArea()->subWindowList().value(0);
    QVERIFY(window);
    QCOMPARE(window->geometry(), d.main->mdiArea()->viewport()->rect());
  }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
