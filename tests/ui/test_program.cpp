// The program model in the editor: highlighting by token kind on light and dark palettes, one block re-coloured per
// keystroke, the line-number gutter, the caret panel, the modified marker, Go to line, the Outline dock and the kept
// state of the dock windows.
#include <QDockWidget>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include "EditorPtr.h"
#include "ui/documents/LineNumberGutter.h"
#include "ui/program/DocumentProgram.h"
#include "ui/program/NcHighlighter.h"
#include "ui/program/OutlineDock.h"
#include "ui/program/ProgramCommands.h"

namespace {

// The outline dock's rows as "line kind text".
QStringList Outline(frmMain& w) {
  QStringList rows;
  QTreeWidget* list = ProgramOutlineDock(w)->lstOutline;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list->topLevelItem(i);
    rows << item->text(0) + ' ' + item->text(1) + ' ' + item->text(2);
  }
  return rows;
}

QTextCharFormat FormatAt(const QTextBlock& block, int column) {
  for (const QTextLayout::FormatRange& r : block.layout()->formats())
    if (column >= r.start && column < r.start + r.length) return r.format;
  return {};
}

std::string Lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? "\n" : "") + std::string("N000 G01 X10 Z-5");
  return text;
}

QPalette DarkPalette() {
  QPalette p;
  p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  p.setColor(QPalette::Text, QColor(0xdd, 0xdd, 0xdd));
  p.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
  p.setColor(QPalette::WindowText, QColor(0xdd, 0xdd, 0xdd));
  return p;
}

// A HighlightRole by its name in the case file.
HighlightRole Role(const QString& name) {
  static const QStringList kNames{"Plain",       "SequenceNumber", "Label",         "MotionG",  "GCode",
                                  "MCode",       "Coordinate",     "FeedSpeedTool", "Variable", "Comment",
                                  "OpenComment", "HeaderComment",  "Keyword",       "Unknown"};
  const int role = static_cast<int>(kNames.indexOf(name));
  if (role < 0) qFatal("unknown role %s", qPrintable(name));
  return static_cast<HighlightRole>(role);
}

}  // namespace

class TestProgram : public QObject {
  Q_OBJECT

 private slots:
  // Guards against a token coloured as another kind (or its neighbours' colour running over blanks), which is the
  // whole point of colouring.
  void highlighting_data() { AddCases("program_highlight.txt"); }
  void highlighting() {
    const Case c = CurrentCase();
    EditorSession s;
    frmDocument* doc = s.document(c["line"].toStdString());
    NcHighlighter& h = DocumentProgram::of(doc)->highlighter();
    QCOMPARE(FormatAt(doc->txtText->document()->firstBlock(), c.number("column")), h.format(Role(c["role"])));
  }

  // Guards against comments, G words and unknown tokens looking alike, and against dark-on-dark (or light-on-light)
  // text when the palette changes.
  void coloursReadableOnBothPalettes() {
    EditorSession s;
    frmDocument* doc = s.document("N000 G01 X10 (CUT) #");
    NcHighlighter& h = DocumentProgram::of(doc)->highlighter();
    for (const bool dark : {false, true}) {
      doc->txtText->setPalette(dark ? DarkPalette() : QPalette(QColor(0xf0, 0xf0, 0xf0), Qt::white));
      QCOMPARE(h.darkColours(), dark);
      const QColor base = doc->txtText->palette().color(QPalette::Base);
      const auto fg = [&](HighlightRole role) { return h.format(role).foreground().color(); };
      QVERIFY(fg(HighlightRole::Comment) != fg(HighlightRole::MotionG));
      QVERIFY(fg(HighlightRole::Comment) != fg(HighlightRole::Unknown));
      QVERIFY(fg(HighlightRole::MotionG) != fg(HighlightRole::Unknown));
      for (int role = 1; role < kHighlightRoles; ++role) {
        const QTextCharFormat& f = h.format(static_cast<HighlightRole>(role));
        const QColor behind = f.background().style() == Qt::NoBrush ? base : f.background().color();
        // 90 of 255 in lightness keeps every colour readable on its background.
        QVERIFY2(std::abs(f.foreground().color().lightness() - behind.lightness()) >= 90,
                 qPrintable(QStringLiteral("role %1 on %2").arg(role).arg(dark ? "dark" : "light")));
      }
      // The document was coloured again with the new set.
      QCOMPARE(FormatAt(doc->txtText->document()->firstBlock(), 6), h.format(HighlightRole::MotionG));
    }
  }

  // Guards against a keystroke re-colouring or re-lexing the whole document (a 65000-byte program would lag at every
  // key).
  void keystrokeTouchesOneBlock() {
    EditorSession s;
    frmDocument* doc = s.document(Lines(3000));
    QCoreApplication::processEvents();
    DocumentProgram* program = DocumentProgram::of(doc);
    const long long coloured = program->highlighter().highlightedBlocks();
    const long long lexed = program->linesLexed();
    doc->setSelection(static_cast<int>(doc->text().size()) / 2, 0);
    QTest::keyClick(doc->txtText, Qt::Key_5);
    QCOMPARE(program->highlighter().highlightedBlocks(), coloured + 1);
    QCOMPARE(program->linesLexed(), lexed + 1);
    QCOMPARE(program->index().lineCount(), std::size_t{3000});
  }

  // Guards against the gutter cutting off digits when the program grows, or changing width back and forth between 9 and
  // 10 lines.
  void gutterWidthFollowsLineCount() {
    EditorSession s;
    frmDocument* doc = s.document("");
    auto widthFor = [&](int lines) {
      doc->loadText(Lines(lines));
      return doc->gutter->width();
    };
    const int digit = doc->txtText->fontMetrics().horizontalAdvance(QLatin1Char('9'));
    const int one = widthFor(1);
    // lines, digits more than one line needs
    for (auto [lines, more] : {std::pair{9, 0}, {99, 0}, {100, 1}, {999, 1}, {10000, 3}, {5, 0}})
      QCOMPARE(widthFor(lines), one + more * digit);
    QCOMPARE(doc->gutter->digits(), 2);
  }

  void caretPanel_data() { AddCases("program_caret_panel.txt"); }
  // Guards against a line or column off by one, columns counted in display cells instead of characters, or the panel
  // not following the caret.
  void caretPanel() {
    const Case c = CurrentCase();
    EditorSession s;
    frmDocument* doc = s.document(c["text"].toStdString());
    doc->setSelection(c.number("caret"), 0);
    QCOMPARE(s.main->findChild<QLabel*>("LnCol")->text(), c["panel"]);
  }

  // Guards against the marker missing after typing, or staying after Save (the user would save twice or, worse, trust
  // an unsaved window).
  void modifiedMarker() {
    EditorSession s;
    const QString path = s.path("PART.MIN");
    WriteFile(path, "N1 G00\r\n");
    s.ui.openAnswers.push_back(ScriptedInteraction::pick(path));
    s.run("mnuFileOpen");
    frmDocument* doc = s.main->ActiveDocument();
    auto* window = qobject_cast<QMdiSubWindow*>(doc->parentWidget());
    QCOMPARE(doc->windowTitle(), path + "[*]");
    QVERIFY(!doc->isWindowModified() && !window->isWindowModified());
    QTest::keyClicks(doc->txtText, "X");
    QVERIFY(doc->isWindowModified() && window->isWindowModified());
    s.run("mnuFileSave");
    QVERIFY(!doc->isWindowModified() && !window->isWindowModified());
    QCOMPARE(doc->caption(), path);
    QTest::keyClick(doc->txtText, Qt::Key_Backspace);
    QVERIFY(doc->isWindowModified());
  }

  void goToLine_data() { AddCases("program_go_to_line.txt"); }
  // Guards against the caret landing a line off, or a number past the end taking it nowhere (Ctrl+G: the frmMain dump).
  void goToLine() {
    const Case c = CurrentCase();
    const int entered = c.number("entered"), line = c.number("line");
    EditorSession s;
    frmDocument* doc = s.document(Lines(10));
    s.run("mnuSearchGoToLine");
    auto* dialog = s.main->findChild<QDialog*>("frmGoToLine");
    QVERIFY(dialog && dialog->isVisible());
    auto* box = dialog->findChild<QSpinBox*>("txtLine");
    QCOMPARE(box->value(), 1);
    box->clear();
    QTest::keyClicks(box, QString::number(entered));
    QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(doc->txtText->textCursor().blockNumber() + 1, line);
    QCOMPARE(doc->txtText->textCursor().positionInBlock(), 0);
  }

  // Guards against the outline showing another document, missing an edit, redrawing at every keystroke instead of after
  // typing stops, or a click not reaching the line.
  void outlineFollowsEditsAndClicks() {
    EditorSession s;
    s.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.main.get()));
    frmDocument* other = s.document("OSUB\nNRTS RTS");
    frmDocument* doc = s.document("(-----< OD.ROUGH >-----)\nN000 G00 X60 T050505\nNT05 Z2\nNAP2 G81\nNEND M02");
    QVERIFY(!ProgramOutlineDock(*s.main)->isVisible());
    s.run("mnuViewOutline");
    QVERIFY(ProgramOutlineDock(*s.main)->isVisible());
    QVERIFY(s.main->action("mnuViewOutline")->isChecked());
    // NAP2 and NEND start no process: the dock lists the NT names only.
    const QStringList rough{"1 process OD.ROUGH", "2 tool T050505", "3 name NT05", "5 end M02"};
    QCOMPARE(Outline(*s.main), rough);

    auto* delay = ProgramOutlineDock(*s.main)->findChild<QTimer*>("outlineDelay");
    QVERIFY(delay->interval() <= 150);
    doc->setSelection(0, 0);
    QTest::keyClicks(doc->txtText, "O1");
    QTest::keyClick(doc->txtText, Qt::Key_Return);
    QCOMPARE(Outline(*s.main), rough);  // still typing
    QVERIFY(delay->isActive());
    QTRY_COMPARE(Outline(*s.main).size(), 5);
    QCOMPARE(Outline(*s.main).front(), QStringLiteral("1 program O1"));
    QCOMPARE(Outline(*s.main).at(3), QStringLiteral("4 name NT05"));

    QTreeWidget* list = ProgramOutlineDock(*s.main)->lstOutline;
    QTreeWidgetItem* nt05 = list->topLevelItem(3);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(nt05).center());
    QCOMPARE(doc->txtText->textCursor().blockNumber(), 3);

    s.main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(other->parentWidget()));
    QCOMPARE(Outline(*s.main), (QStringList{"1 program OSUB", "2 end RTS"}));
  }

  // Guards against a dock's state being forgotten between runs, a dock shown without its menu tick, or the menu's
  // check mark (and the kept state) disagreeing after the dock's own close button.
  void dockStateKeptInSettings_data() { AddCases("program_docks.txt"); }
  void dockStateKeptInSettings() {
    const Case c = CurrentCase();
    EditorSession s;
    auto shown = [&] { return s.main->findChild<QDockWidget*>(c["dock"])->isVisible(); };
    auto ticked = [&] { return s.main->action(c["command"])->isChecked(); };
    s.main->show();
    QVERIFY(!shown() && !ticked());
    s.run(c["command"]);
    QVERIFY(shown() && ticked());
    s.main->close();
    QCOMPARE(s.store.get("Settings", c["key"].toStdString()), std::optional<std::string>("True"));
    s.start();
    s.main->show();
    QVERIFY(shown() && ticked());
    auto* dock = s.main->findChild<QDockWidget*>(c["dock"]);
    if (c["closeBy"] == "button") dock->toggleViewAction()->trigger();
    if (c["closeBy"] == "close") dock->close();
    QVERIFY(!ticked());
    s.main->close();
    QCOMPARE(s.store.get("Settings", c["key"].toStdString()), std::optional<std::string>("False"));
  }
};

QTEST_MAIN(TestProgram)
#include "test_program.moc"
