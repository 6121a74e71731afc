// Editing through the real main window offscreen: insertion at the caret, clipboard and the document's undo history,
// the Insert menu, every template item, arrangement after a close, the printer settings, the screen font, and a real
// listing printed into a PDF file.
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>

#include "EditorPtr.h"
#include "templates/code_templates.h"
#include "ui/documents/EditingCommands.h"
#include "ui/documents/PrintSetting.h"
#include "ui/documents/Printing.h"

namespace {

bool Enabled(const EditorSession& s, const char* control) { return s.main->action(control)->isEnabled(); }

void Activate(const EditorSession& s, frmDocument* doc) {
  s.main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(doc->parentWidget()));
}

int PdfPageCount(const QString& path) {
  // Each page object says "/Type /Page"; the page tree says "/Type /Pages".
  static const QRegularExpression kPage(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
  return static_cast<int>(QString::fromLatin1(ReadFile(path)).count(kPage));
}

// A program of 150 numbered blocks: three pages in one column on A4.
std::string LongProgram() {
  std::string text;
  for (int i = 1; i <= 150; ++i)
    text += QString("N%1 G01 X%2.5 Z-%3.25 F0.15 (BLOCK %3 OF THE LISTING TEST)\n")
                .arg(i, 4, 10, QChar('0'))
                .arg(100 - i % 50)
                .arg(i)
                .toStdString();
  return text;
}

// A font dialog's answer: bold and underlined, at a size between whole points.
std::optional<QFont> ChosenFont(double size) {
  QFont f("DejaVu Sans Mono");
  f.setPointSizeF(size);
  f.setBold(true);
  f.setUnderline(true);
  return f;
}

// The hooks' fixed date: a one-digit month and day show the leading zeros.
constexpr quillon::CalendarDate kToday{2004, 2, 1};

}  // namespace

class TestEditing : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ResetEditingPlatformHooks();
    EditingPlatformHooks().today = [] { return kToday; };
    EditingPlatformHooks().hasPrinter = [] { return false; };
    EditingPlatformHooks().chooseFont = [](QWidget*, const QFont&) { return std::optional<QFont>(); };
    EditingPlatformHooks().choosePrinterOrientation = [](QWidget*, int) { return std::optional<int>(); };
  }
  void cleanup() { ResetEditingPlatformHooks(); }

  // Guards against insertion that keeps the selection, adds or drops line ends, or leaves the caret anywhere but after
  // the text.
  void insertionAtCaret_data() { AddCases("editing_insert.txt"); }
  void insertionAtCaret() {
    const Case c = CurrentCase();
    EditorSession s;
    frmDocument* doc = s.document(c["before"].toStdString(), c.number("start"), c.number("length"));
    const QString control = c["control"];
    const QStringList text = control.mid(5).split('|');  // the text, then the caret in it and the text for the end
    if (!control.startsWith("text:"))
      s.run(control);
    else if (text.size() == 1)
      QVERIFY(s.main->documentHost().apply(quillon::InsertAtSelection(text[0].toStdString())));
    else
      QVERIFY(s.main->documentHost().apply(
          quillon::InsertAtSelection(text[0].toStdString(), text[1].toUInt(), text[2].toStdString())));
    QCOMPARE(Bytes(doc->text()), c["after"]);
    QCOMPARE(doc->selStart(), c.number("caret"));
    QCOMPARE(doc->selLength(), 0);
    QVERIFY(doc->DataChanged() && s.ui.messages.empty());
    doc->txtText->undo();  // one step
    QCOMPARE(Bytes(doc->text()), c["before"]);
  }

  // Guards against a command or process output without a document inserting somewhere or failing silently, and a
  // report of no error showing a message.
  void noDocumentWarns() {
    for (const auto& [control, index] :
         {std::pair{"GcodeG71", 0}, {"mnuGcodeRask", 2}, {"mnuInsertDate", 0}, {"", 0}}) {
      EditorSession s;
      if (*control)
        s.run(control, index);
      else  // process output
        QVERIFY(!s.main->documentHost().apply(quillon::InsertAtSelection("AB", 1, "C")));
      s.main->documentHost().ReportProcessError(0);
      QCOMPARE(s.ui.messages.size(), std::size_t{1});
      QCOMPARE(s.ui.messages[0].title + "|" + s.ui.messages[0].text,
               QString(" 91 error |Not file open. Can not insert."));
      QCOMPARE(s.ui.messages[0].icon, MessageIcon::Warning);
    }
  }

  // Guards against the old one-level undo: cut text coming back at the caret, undo after paste deleting a later
  // selection, and generated blocks taking several steps to undo. Each edit is one step of the history.
  void undoRedo_data() { AddCases("editing_undo.txt"); }
  void undoRedo() {
    const QString original = "N001 G00 X100 Z5\n", edit = CurrentCase()["name"], edited = CurrentCase()["edited"];
    EditorSession s;
    frmDocument* doc = s.document(original.toStdString(), 17, 0);
    QVERIFY(!Enabled(s, "mnuEditUndo") && !Enabled(s, "mnuEditRedo"));
    if (edit == "cut") {
      doc->setSelection(9, 4);
      s.run("mnuEditCut");
      QCOMPARE(QGuiApplication::clipboard()->text(), QString("X100"));
      doc->setSelection(17, 0);  // the caret moves away before the undo
    } else if (edit == "paste") {
      QGuiApplication::clipboard()->setText("M08");
      s.run("mnuEditPaste");
      doc->setSelection(0, 4);  // a later selection must survive the undo
    } else if (edit == "generated block") {
      s.run("mnuGcodeRask", 1);
    } else {
      QTest::keyClicks(doc->txtText, "T");
    }
    for (const QString step : {"", "mnuEditUndo", "mnuEditRedo"}) {
      if (!step.isEmpty()) s.run(step);
      const bool undone = step == "mnuEditUndo";
      QCOMPARE(Bytes(doc->text()), undone ? original : edited);
      QCOMPARE(Enabled(s, "mnuEditUndo"), !undone);
      QCOMPARE(Enabled(s, "mnuEditRedo"), undone);
    }
  }

  // Guards against undo steps merged or lost across several edits, and Undo offering another document's history.
  void undoHistoryPerDocument() {
    EditorSession s;
    frmDocument* first = s.document("N001\n", 5, 0);
    s.run("GcodeG28");                // "N001\nN000 G28\n"
    s.run("McodeCoolantStanderdOn");  // "N001\nN000 G28\n M08"
    first->setSelection(0, 4);
    s.run("mnuEditCut");
    const QString steps[] = {"\nN000 G28\n M08", "N001\nN000 G28\n M08", "N001\nN000 G28\n", "N001\n"};
    QCOMPARE(Bytes(first->text()), steps[0]);
    frmDocument* second = s.document("B", 1, 0);
    QVERIFY(!Enabled(s, "mnuEditUndo"));
    Activate(s, first);
    QCOMPARE(s.main->ActiveDocument(), first);
    for (int i = 1; i < 4; ++i) {
      QVERIFY(Enabled(s, "mnuEditUndo"));
      s.run("mnuEditUndo");
      QCOMPARE(Bytes(first->text()), steps[i]);
    }
    QVERIFY(!Enabled(s, "mnuEditUndo"));
    QCOMPARE(Bytes(second->text()), QString("B"));
  }

  // Guards against a paste key bypassing the program's insertion.
  void pasteKeyGoesThroughTheCommand_data() { AddCases("editing_paste.txt"); }
  void pasteKeyGoesThroughTheCommand() {
    const Case r = CurrentCase();
    const QString expected = r["expected"];
    EditorSession s(false);
    s.start({}, true);
    QVERIFY(QTest::qWaitForWindowExposed(s.main.get()));
    frmDocument* doc = s.document("N001\n", 4, 0);
    doc->txtText->setFocus();
    QGuiApplication::clipboard()->setText(r["clipboard"]);
    QCOMPARE(QKeySequence(r["keys"]).count(), 1);  // a misspelt key would press nothing
    QTest::keySequence(doc->txtText, QKeySequence(r["keys"]));
    QCOMPARE(Bytes(doc->text()), expected);
    QCOMPARE(doc->selStart(), 4 + int(expected.size()) - 5);
    QTest::keySequence(doc->txtText, QKeySequence::Undo);
    QCOMPARE(Bytes(doc->text()), QString("N001\n"));
  }

  // Guards against an edit rewriting a CR that stands right before a line end (a "CR CR LF" file): the tools write
  // whole texts back through this path.
  void editKeepsACrBeforeALineEnd() {
    EditorSession s;
    frmDocument* doc = s.document("A\r\nB\n");
    const std::string text = doc->text();
    QCOMPARE(text, std::string("A\r\nB\n"));
    doc->applyEdit(quillon::ReplaceSpan(0, ProgramTextToQt(text).size(), text + "C", 0));
    QCOMPARE(doc->text(), std::string("A\r\nB\nC"));
  }

  // Guards against a template item wired to another row or its array index, or its text landing anywhere but at the
  // caret with its line end (the texts themselves: the code_templates dump).
  void everyTemplateItem() {
    EditorSession s;
    for (const quillon::CodeTemplate& t : quillon::CodeTemplateTable()) {
      frmDocument* doc = s.document("AB", 1, 0);  // nothing is added before or after the template
      s.run(Q(t.control), t.index);
      const QString text = Q(t.text) + (t.lineEnd ? "\n" : "");
      QCOMPARE(Bytes(doc->text()), "A" + text + "B");
      QCOMPARE(doc->selStart(), 1 + static_cast<int>(text.size()));
      doc->setDataChanged(false);
      s.run("mnuFileClose");
    }
    QVERIFY(s.ui.messages.empty() && s.main->documents().isEmpty());
  }

  // Guards against writing into the application folder and against the shipped comment being inserted with its file's
  // line ends.
  void fixComment() {
    for (bool present : {true, false}) {
      EditorSession s;
      const QString shipped = qEnvironmentVariable("QUILLON_APP_DIR") + "/Comment.txt",
                    target = s.appFolder + "/Comment.txt";
      const QByteArray expected = present ? ReadFile(shipped).replace("\r\n", "\n") : QByteArray();
      if (present) QVERIFY(QFile::copy(shipped, target) && expected.startsWith("("));
      frmDocument* doc = s.document("N001\n");
      s.run("mnuInsertComment");
      QCOMPARE(Bytes(doc->text()), QString::fromLatin1(expected) + "N001\n");
      QCOMPARE(QFileInfo::exists(target), present);
      QVERIFY(s.ui.messages.empty());
    }
  }

  // Guards against windows keeping their old places after a close, and arrangement modes that are not exclusive or not
  // re-applied as windows come and go.
  void arrangementAfterCloseWithThreeDocuments() {
    EditorSession s;
    s.main->resize(900, 700);
    s.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.main.get()));
    s.document();
    frmDocument* middle = s.document();
    s.document();
    const QRect area = s.main->mdiArea()->viewport()->rect();  // tiled side by side: DesktopTest::dropFiles
    Activate(s, middle);
    s.run("mnuFileClose");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QList<QMdiSubWindow*> left = s.main->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(left.size(), 2);
    // Vertical tiling: two columns side by side, each the full height.
    QCOMPARE(left[0]->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    QCOMPARE(left[1]->geometry(), QRect(area.width() / 2, 0, area.width() - area.width() / 2, area.height()));
    // Horizontal tiling: stacked, one below the other.
    s.run("mnuWindowTileHorizontal");
    QCOMPARE(left[0]->x(), left[1]->x());
    QVERIFY(left[1]->y() >= left[0]->y() + left[0]->height());
    s.run("mnuWindowCascade");
    int checked = 0;
    for (const char* mode : {"mnuWindowCascade", "mnuWindowTileHorizontal", "mnuWindowTileVertical"})
      checked += s.main->action(mode)->isChecked();
    QVERIFY(checked == 1 && s.main->action("mnuWindowCascade")->isChecked());
    s.document();
    const QList<QMdiSubWindow*> all = s.main->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(all.size(), 3);
    // Cascaded: each window below and right of the one before.
    QVERIFY(all[1]->y() > all[0]->y() && all[1]->x() >= all[0]->x());
    QVERIFY(all[2]->y() > all[1]->y() && all[2]->x() >= all[1]->x());
  }

  // Guards against margins or the layout changing without O K, and against the orientation and font chosen by their
  // buttons being lost on Cancel.
  void printSetting_data() { AddCases("editing_print_setting.txt"); }
  void printSetting() {
    const Case c = CurrentCase();
    const QString button = c["button"];
    QList<int> kept;
    for (const QString& n : c["kept"].split(' ')) kept << n.toInt();
    EditorSession s;
    quillon::AppSettings& a = s.ws().settings;
    a.LeftMerge = 7, a.RightMerge = 3, a.PrintLineNo = 1, a.PrinterOrientation = 1;
    EditingPlatformHooks().choosePrinterOrientation = [](QWidget*, int preset) {
      return std::optional<int>(preset == 1 ? 2 : 1);
    };
    EditingPlatformHooks().chooseFont = [](QWidget*, const QFont&) { return ChosenFont(10.5); };  // 10 (halves to even)
    s.run("mnuFilePrinterSetup");
    auto* form = Child<PrintSetting>(s.main.get(), "PrintSetting");
    QVERIFY(form && form->isVisible() && !form->isModal());
    QCOMPARE(form->Text1->text() + "|" + form->Text2->text(), QString("7|3"));  // filled from the settings
    QVERIFY(form->Option1->isChecked() && !form->Option2->isChecked());
    form->Command1->click();
    form->Command2->click();
    form->Text1->setText("12.5");
    form->Text2->setText("abc");
    form->Option2->setChecked(true);
    Child<QPushButton>(form, button)->click();
    QVERIFY(!form->isVisible());
    QCOMPARE((QList<int>{a.LeftMerge, a.RightMerge, a.PrintLineNo}), kept);
    QCOMPARE(a.PrinterOrientation, 2);
    QCOMPARE(QString::fromStdString(a.PrintFontName), QString("DejaVu Sans Mono"));
    QCOMPARE(a.PrintFontSize, 10);
  }

  // Guards against the screen font dialog changing anything when cancelled, or its size not kept as whole points.
  void screenFont() {
    for (bool chosen : {true, false}) {
      EditorSession s;
      frmDocument* doc = s.document();
      const QFont before = doc->txtText->font();
      const std::string nameBefore = s.ws().settings.ScreenFontName;
      EditingPlatformHooks().chooseFont = [chosen](QWidget*, const QFont&) {
        return chosen ? ChosenFont(11.6) : std::nullopt;  // 11.6 -> 12
      };
      s.run("mnuFileFont");
      const QFont after = doc->txtText->font();
      QCOMPARE(s.ws().settings.ScreenFontName, chosen ? std::string("DejaVu Sans Mono") : nameBefore);
      QCOMPARE(s.ws().settings.ScreenFontSize, chosen ? 12 : before.pointSize());
      QVERIFY(chosen ? after.pointSize() == 12 && after.bold() && after.underline() : after == before);
    }
  }

  // Guards against printing failing silently without a printer, and against the PDF listing differing from the computed
  // pages.
  void printWithoutPrinter_data() { AddCases("editing_print.txt"); }
  void printWithoutPrinter() {
    const int lineNo = CurrentCase().number("lineNo");
    const QString answer = CurrentCase()["answer"];
    EditorSession s;
    s.ws().settings.PrintLineNo = lineNo;
    frmDocument* doc = s.document(LongProgram());
    const QString keep = qEnvironmentVariable("QUILLON_KEEP_PRINTS");
    const QString pdf = answer == "bad path" ? s.path("no/such/folder/x.pdf")
                                             : (keep.isEmpty() ? s.tmp.path() : keep) + "/" +
                                                   QString(QTest::currentDataTag()).replace(' ', '-') + ".pdf";
    QFile::remove(pdf);
    s.ui.answers.push_back(answer == "no" ? Answer::No : Answer::Yes);
    s.ui.saveAnswers.push_back(ScriptedInteraction::pick(pdf));
    s.run("mnuFilePrint");
    QCOMPARE(s.ui.questions.size(), std::size_t{1});
    QVERIFY(s.ui.questions[0].text.contains("No printer"));
    QCOMPARE(s.ui.saveDefaultNames, answer == "no" ? std::vector<QString>{} : std::vector<QString>{"Untitled1.pdf"});
    QCOMPARE(s.ui.messages.size(), std::size_t{answer == "bad path" ? 1u : 0u});
    if (answer == "bad path") QCOMPARE(s.ui.messages[0].text, QString("Can not print."));
    if (answer != "yes") return;
    QVERIFY(QFileInfo::exists(pdf));

    // The same pages computed for an identical PDF printer.
    QPrinter twin(QPrinter::HighResolution);
    MakePdfPrinter(twin, s.path("twin.pdf"));
    const QFont font = SetupPrinterPage(twin, s.ws().settings);
    const quillon::PrintLayout layout =
        LayoutForPrinter(twin, font, s.ws().settings, doc->caption(), kToday, doc->text());
    QCOMPARE(PdfPageCount(pdf), static_cast<int>(layout.pages.size()));
    const quillon::PrintPage& last = layout.pages.back();
    QCOMPARE((std::vector<std::string>{last.texts[0].text, last.texts[1].text, last.texts[2].text}),
             (std::vector<std::string>{"2004.02.01", "Untitled1", "Page " + std::to_string(layout.pages.size())}));
    const QString lastBlock = "N0150 G01 X100.5 Z-150.25 F0.15 (BLOCK 150 OF THE LISTING TEST)";
    if (lineNo == 1) {
      // About 4.5 mm lines on 287 mm of A4 give some 58 lines a page: 150 blocks fill three pages.
      QCOMPARE(static_cast<int>(layout.pages.size()), 3);
      QCOMPARE(QString::fromStdString(last.texts.back().text), lastBlock);
    } else {
      // The narrow columns wrap each block; the first page uses both columns.
      const double middle = layout.metrics.printWidth / 2.0;
      const auto& first = layout.pages.front().texts;
      QVERIFY(std::any_of(first.begin() + 3, first.end(), [&](const auto& t) { return t.x > middle; }));
      QVERIFY(lastBlock.endsWith(QString::fromStdString(last.texts.back().text)));
    }
  }
};

QTEST_MAIN(TestEditing)
#include "test_editing.moc"
