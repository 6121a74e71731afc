// The transformation tools through the real main window offscreen: the four dialogs' enabling rules, steps that follow
// the document's current text and caret, edits that keep the undo history, Next Find, and the automatic N000 words
// typed through real key events on txtText.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ScriptedInteraction.h"
#include "TestRows.h"
#include "ui/transform/TransformCommands.h"
#include "ui/documents/frmDocument.h"
#include "EditorPtr.h"

namespace {

QDialog* Form(const EditorSession& s, const QString& name) { return Child<QDialog>(s.main.get(), name); }
template <class W = QWidget>
W* Control(const EditorSession& s, const QString& form, const QString& name) {
  return Child<W>(Form(s, form), name);
}
QPushButton* Button(const EditorSession& s, const QString& form, const QString& name) {
  return Control<QPushButton>(s, form, name);
}
// "box=text ..." typed into the form's entry boxes.
void Type(const EditorSession& s, const QString& form, const QString& entries) {
  for (const QString& e : entries.split(' ', Qt::SkipEmptyParts)) {
    QLineEdit* edit = Control<QLineEdit>(s, form, e.section('=', 0, 0));
    QVERIFY2(edit, qPrintable(e));
    edit->setText(e.section('=', 1));
  }
}
QString LastMessage(const EditorSession& s) {
  return s.ui.messages.empty() ? QString() : s.ui.messages.back().title + "|" + s.ui.messages.back().text;
}

// Guards against Change / Skip / All Change of size shift wired to the wrong step, an unhandled division by zero, and
// the dialog closing.
struct ShiftRow {
  const char *name, *text, *entries, *presses;  // presses: C Change, S Skip, A All Change
  const char *expected, *message;
};
// clang-format off
const ShiftRow kShifts[] = {
  // 100 * 0.8 = 80
  {"all",     "G01 X100. Z5", "txtFind=X txtValue=*0.8", "A",   "G01 X80 Z5", "Size Shift|1 times size shifted."},
  // first Change selects; the next two shift 50 + 10 = 60 and 7 + 10 = 17
  {"change",  "Z 50\nZ7",     "txtFind=Z txtValue=10",   "CCC", "Z60\nZ17",   "DataChange|2 Time DataをChangeしました."},
  {"skip",    "X1",           "txtFind=X txtValue=1",    "SS",  "X1",         "Size Shift|\"X\" not find."},
  {"by zero", "X10\nX20",     "txtFind=X txtValue=/0",   "A",   "X10\nX20",   "Size Shift|Line 1: \"X10\" cannot be calculated with \"/0\". Nothing changed."},
};
// clang-format on

// Guards against Enter in an entry box running the tool early instead of walking the boxes, and O  K acting as a
// default button: Enter on a check box or an option must not renumber the program "X1"; only a focused button takes it.
struct EnterRow {
  const char *name, *command, *form, *entries, *focused;
  const char* next;  // the focus afterwards; empty: not judged
  const char* expected;
  bool open;
};
// clang-format off
const EnterRow kEnters[] = {
  // name              command                  form                entries                 focused       next        text afterwards  open
  {"shift find",     "mnuToolsSizeShift",     "frmSizeShift",     "",                     "txtFind",    "txtValue", "X1",          true},
  {"shift empty",    "mnuToolsSizeShift",     "frmSizeShift",     "",                     "txtValue",   "txtFind",  "X1",          true},
  {"shift filled",   "mnuToolsSizeShift",     "frmSizeShift",     "txtFind=X txtValue=1", "txtValue",   "Change",   "X1",          true},
  {"arrange digits", "mnuToolsNumberArrange", "frmNumberArrange", "",                     "DigitNo",    "StartNo",  "X1",          true},
  {"arrange start",  "mnuToolsNumberArrange", "frmNumberArrange", "",                     "StartNo",    "AddNo",    "X1",          true},
  {"arrange add",    "mnuToolsNumberArrange", "frmNumberArrange", "",                     "AddNo",      "Command1", "X1",          true},
  {"arrange top",    "mnuToolsNumberArrange", "frmNumberArrange", "",                     "FromTop",    "",         "X1",          true},
  {"arrange stop",   "mnuToolsNumberArrange", "frmNumberArrange", "",                     "StopM02",    "",         "X1",          true},
  {"arrange one",    "mnuToolsNumberArrange", "frmNumberArrange", "",                     "With1Space", "",         "X1",          true},
  // the run with the defaults D3 S1 A1, five blanks before an axis word
  {"arrange ok",     "mnuToolsNumberArrange", "frmNumberArrange", "",                     "Command1",   "",         "N001     X1", false},
  {"arrange cancel", "mnuToolsNumberArrange", "frmNumberArrange", "",                     "Cancel",     "",         "X1",          false},
};
// clang-format on

// Guards against OK running with stale entries or options, Arrange starting on the caret's own line, the run not being
// one undo step, and the caret not going to the end.
struct ArrangeRow {
  const char* name;
  const char* text;
  int caret;
  const char *entries, *clicks, *expected;
};
// clang-format off
const ArrangeRow kArranges[] = {
  // 10, 20, 30, 40 with one blank; the M02 line ends the run, G00 stays
  {"settings",   "G00 X10\nX10 Z5\n  G01 Z-3\nN1 M02\nG00", 0, "DigitNo=4 StartNo=10 AddNo=10", "With1Space StopM02",
   "N0010 G00 X10\nN0020 X10 Z5\nN0030 G01 Z-3\nN0040 M02\nG00"},
  {"from caret", "G00\nG01\nG02",                            1, "",                              "FromTop",
   "G00\nN001 G01\nN002 G02"},
};
// clang-format on

// Guards against the placeholder appearing before the wrong keys, in the wrong width, mid-line, for Backspace, or with
// the toggle off, with real key events.
struct TypingRow {
  const char* name;
  const char* text;
  int caret;
  const char* keys;  // "\t" TAB, "\b" Backspace, "\r" Enter
  bool on;
  const char* expected;
};
// clang-format off
const TypingRow kTypings[] = {
  {"G",           "G00\n",   4, "G01", true,  "G00\nN000 G01"},
  {"I",           "G00\n",   4, "I5",  true,  "G00\nN000 I5"},
  {"C",           "G00\n",   4, "C5",  true,  "G00\nN000 C5"},
  {"X",           "G00\n",   4, "X10", true,  "G00\nN000     X10"},
  {"lower g",     "G00\n",   4, "g",   true,  "G00\nN000     g"},
  {"digit",       "G00\n",   4, "1",   true,  "G00\nN000     1"},
  {"enter",       "G00\n",   4, "\r",  true,  "G00\nN000     \n"},
  {"before text", "G00\nX1", 4, "Z",   true,  "G00\nN000     ZX1"},
  {"paren",       "G00\n",   4, "(A)", true,  "G00\n(A)"},
  {"N",           "G00\n",   4, "N10", true,  "G00\nN10"},
  {"tab",         "G00\n",   4, "\t",  true,  "G00\n\t"},
  {"backspace",   "G00\n",   4, "\b",  true,  "G00"},
  {"mid line",    "G00\nX",  5, "1",   true,  "G00\nX1"},
  {"text start",  "G00",     0, "M",   true,  "MG00"},
  {"off",         "G00\n",   4, "G01", false, "G00\nG01"},
};
// clang-format on

}  // namespace

class TestTransform : public QObject {
  Q_OBJECT

 private slots:
  // Guards against a modal tool (the user could not go on typing while it is open).
  void toolsAreModeless() {
    EditorSession s;
    QVERIFY(s.document("G00 X1\n"));
    for (const char* command : {"mnuSearchFind", "mnuSearchReplace", "mnuToolsSizeShift", "mnuToolsNumberArrange"})
      s.run(command);
    for (const char* form : {"frmFind", "frmReplace", "frmSizeShift", "frmNumberArrange"})
      QVERIFY2(Form(s, form) && Form(s, form)->isVisible() && !Form(s, form)->isModal(), form);
  }

  // Guards against action buttons usable with an empty box, and Change not being the default button exactly while both
  // boxes hold text.
  void buttonsFollowTheBoxes_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("valueBox");  // empty: the find box alone
    QTest::addColumn<QStringList>("buttons");
    // clang-format off
    QTest::newRow("find")    << "mnuSearchFind"     << "frmFind"      << ""           << QStringList{"NextFind"};
    QTest::newRow("replace") << "mnuSearchReplace"  << "frmReplace"   << "txtReplace" << QStringList{"Change", "NextFind", "AllChange"};
    QTest::newRow("shift")   << "mnuToolsSizeShift" << "frmSizeShift" << "txtValue"   << QStringList{"Change", "NextFind", "AllChange"};
    // clang-format on
  }
  void buttonsFollowTheBoxes() {
    QFETCH(QString, command);
    QFETCH(QString, form);
    QFETCH(QString, valueBox);
    QFETCH(QStringList, buttons);
    EditorSession s;
    QVERIFY(s.document("X1\n"));
    s.run(command);
    auto expect = [&](bool enabled) {
      for (const QString& b : buttons) QVERIFY2(Button(s, form, b)->isEnabled() == enabled, qPrintable(b));
      if (!valueBox.isEmpty()) QCOMPARE(Button(s, form, "Change")->isDefault(), enabled);
    };
    expect(false);
    Type(s, form, "txtFind=X");
    if (!valueBox.isEmpty()) {
      expect(false);
      Type(s, form, valueBox + "=2");
    }
    expect(true);
    Type(s, form, "txtFind=");
    expect(false);
  }

  // Guards against Continue staying usable while the run stops at M02.
  void stopM02DisablesContinue() {
    EditorSession s;
    QVERIFY(s.document("G00\n"));
    s.run("mnuToolsNumberArrange");
    auto* stop = Control<QCheckBox>(s, "frmNumberArrange", "StopM02");
    auto* cont = Control<QCheckBox>(s, "frmNumberArrange", "Continue");
    stop->click();
    QVERIFY(!cont->isEnabled());
    stop->click();
    QVERIFY(cont->isEnabled());
  }

  // Guards against the find box not taking the document's selection.
  void openingTakesSelection() {
    EditorSession s;
    QVERIFY(s.document("G00 X100.\n", 4, 1));
    s.run("mnuSearchReplace");
    QCOMPARE(Control<QLineEdit>(s, "frmReplace", "txtFind")->text(), QString("X"));
    s.main->ActiveDocument()->setSelection(0, 0);
    s.run("mnuSearchReplace");
    QCOMPARE(Control<QLineEdit>(s, "frmReplace", "txtFind")->text(), QString());
  }

  // Guards against the selection not following the search, a missing end message, and "from top" not restarting or
  // staying ticked.
  void findSelectsInTheDocument() {
    EditorSession s;
    frmDocument* doc = s.document("NOEX MAX x X1");
    s.run("mnuSearchFind");
    Type(s, "frmFind", "txtFind=X");
    QPushButton* next = Button(s, "frmFind", "NextFind");
    for (int start : {3, 7, 11}) {
      next->click();
      QCOMPARE(doc->selStart(), start);
      QCOMPARE(doc->selLength(), 1);
    }
    QVERIFY(s.ui.messages.empty());
    next->click();
    QCOMPARE(LastMessage(s), QString("Find|\"X\" not find."));
    Control<QCheckBox>(s, "frmFind", "Check1")->setChecked(true);
    next->click();
    QCOMPARE(doc->selStart(), 3);
    QVERIFY(!Control<QCheckBox>(s, "frmFind", "Check1")->isChecked());
  }

  // Guards against the modeless tools writing back a copy taken when the dialog opened (text typed meanwhile lost) and
  // against rewriting what stands at a moved caret.
  void replaceFollowsTheCurrentText() {
    EditorSession s;
    frmDocument* doc = s.document("X1 X2 X3");
    s.run("mnuSearchReplace");
    Type(s, "frmReplace", "txtFind=X txtReplace=U");
    QPushButton* change = Button(s, "frmReplace", "Change");
    change->click();  // selects X at 0
    QCOMPARE(doc->selStart(), 0);
    doc->setSelection(8, 0);
    QTest::keyClicks(doc->txtText, " G00");  // typed at the end meanwhile
    QCOMPARE(Bytes(doc->text()), QString("X1 X2 X3 G00"));
    // the caret no longer stands on X: nothing is rewritten, the search goes on from the caret
    change->click();
    QCOMPARE(Bytes(doc->text()), QString("X1 X2 X3 G00"));
    QCOMPARE(LastMessage(s), QString("Character列Change|\"X\" 見つかりませんでした."));
    Control<QCheckBox>(s, "frmReplace", "Check1")->setChecked(true);
    change->click();  // from the top: selects X at 0
    change->click();  // changes it, selects X at 3
    QCOMPARE(Bytes(doc->text()), QString("U1 X2 X3 G00"));
    QCOMPARE(doc->selStart(), 3);
    QCOMPARE(doc->selLength(), 1);
  }

  // Guards against All Change throwing away the undo history and the scroll position by replacing the whole widget
  // text.
  void allChangeIsOneUndoStep() {
    EditorSession s;
    QString text;
    for (int i = 0; i < 300; ++i) text += QString("N000 G01 X%1. Z-1.\n").arg(i);
    frmDocument* doc = s.document(text.toStdString());
    s.main->resize(900, 700);
    QTest::keyClicks(doc->txtText, "(A)");  // an earlier edit the undo history must keep
    // the caret on line 150, scrolled into view
    const int caret = 3 + static_cast<int>(text.indexOf("X150."));
    doc->setSelection(caret, 0);
    doc->txtText->ensureCursorVisible();
    const int scroll = doc->txtText->verticalScrollBar()->value();
    QVERIFY(scroll > 0);
    s.run("mnuSearchReplace");
    Type(s, "frmReplace", "txtFind=Z-1. txtReplace=Z-2.");
    Control<QCheckBox>(s, "frmReplace", "Check1")->setChecked(true);
    Button(s, "frmReplace", "AllChange")->click();
    QCOMPARE(LastMessage(s), QString("Replace|300 times replaced."));
    QVERIFY(Bytes(doc->text()).endsWith("N000 G01 X299. Z-2.\n"));
    QCOMPARE(doc->txtText->verticalScrollBar()->value(), scroll);
    QCOMPARE(doc->selStart(), caret);  // same-length words: the caret keeps its place
    doc->txtText->undo();
    QCOMPARE(Bytes(doc->text()), "(A)" + text);
    doc->txtText->undo();
    QCOMPARE(Bytes(doc->text()), text);
  }

  void sizeShiftThroughTheDialog_data() { AddRows(kShifts); }
  void sizeShiftThroughTheDialog() {
    const ShiftRow& r = CurrentRow(kShifts);
    EditorSession s;
    frmDocument* doc = s.document(r.text);
    s.run("mnuToolsSizeShift");
    Type(s, "frmSizeShift", r.entries);
    for (QChar p : QString(r.presses))
      Button(s, "frmSizeShift", p == 'C' ? "Change" : p == 'S' ? "NextFind" : "AllChange")->click();
    QCOMPARE(Bytes(doc->text()), QString(r.expected));
    QCOMPARE(LastMessage(s), QString(r.message));
    QVERIFY(Form(s, "frmSizeShift")->isVisible());
  }

  void enterWalksTheBoxes_data() { AddRows(kEnters); }
  void enterWalksTheBoxes() {
    const EnterRow& r = CurrentRow(kEnters);
    EditorSession s;
    frmDocument* doc = s.document("X1");
    s.run(r.command);
    QPointer<QDialog> f = Form(s, r.form);
    QApplication::setActiveWindow(f);
    QVERIFY(QTest::qWaitForWindowActive(f));
    Type(s, r.form, r.entries);
    QWidget* w = f->findChild<QWidget*>(r.focused);
    QVERIFY2(w, r.focused);
    w->setFocus(Qt::TabFocusReason);
    QCOMPARE(f->focusWidget(), w);
    QTest::keyClick(w, Qt::Key_Return);
    if (*r.next) QCOMPARE(f->focusWidget(), f->findChild<QWidget*>(r.next));
    QCOMPARE(Bytes(doc->text()), QString(r.expected));
    QCOMPARE(bool(f) && f->isVisible(), r.open);
  }

  void arrangeThroughTheDialog_data() { AddRows(kArranges); }
  void arrangeThroughTheDialog() {
    const ArrangeRow& r = CurrentRow(kArranges);
    const QString text = r.text, expected = r.expected;
    EditorSession s;
    frmDocument* doc = s.document(text.toStdString(), r.caret);
    s.run("mnuToolsNumberArrange");
    Type(s, "frmNumberArrange", r.entries);
    for (const QString& c : QString(r.clicks).split(' ')) Control<QAbstractButton>(s, "frmNumberArrange", c)->click();
    Button(s, "frmNumberArrange", "Command1")->click();
    QVERIFY(!Form(s, "frmNumberArrange")->isVisible());
    QCOMPARE(Bytes(doc->text()), expected);
    QCOMPARE(doc->selStart(), expected.size());
    doc->txtText->undo();
    QCOMPARE(Bytes(doc->text()), text);
  }

  // Guards against Next Find not continuing after the selection, resetting the run's count, or missing its F3 key.
  void nextFindCommand() {
    EditorSession s;
    frmDocument* doc = s.document("X1 X2 X3", 3, 1);
    s.run("mnuSearchFind");  // the find text is now "X"
    Form(s, "frmFind")->close();
    s.run("mnuSearchNextFind");
    QCOMPARE(doc->selStart(), 6);
    s.run("mnuSearchNextFind");
    QCOMPARE(LastMessage(s), QString(" Fund |\"X\"は見つかりませんでした . "));
    QCOMPARE(doc->selStart(), 6);
    QCOMPARE(s.main->action("mnuSearchNextFind")->shortcut(), QKeySequence(Qt::Key_F3));
  }

  // Guards against the toggle and its toolbar button drifting apart.
  void autoNumberToggle() {
    EditorSession s;
    QVERIFY(s.document(""));
    QAction* item = s.main->action("mnuToolsAutoNo");
    QAction* button = s.main->toolbarAction(12);
    QVERIFY(button);
    QVERIFY(!AutoNumberOn(*s.main));
    item->trigger();
    QVERIFY(AutoNumberOn(*s.main) && item->isChecked() && button->isChecked());
    button->trigger();
    QVERIFY(!AutoNumberOn(*s.main) && !item->isChecked() && !button->isChecked());
  }

  void autoNumberTyping_data() { AddRows(kTypings); }
  void autoNumberTyping() {
    const TypingRow& r = CurrentRow(kTypings);
    EditorSession s;
    frmDocument* doc = s.document(r.text, r.caret);
    if (r.on) s.run("mnuToolsAutoNo");
    for (QChar k : QString(r.keys)) {
      if (k == '\t')
        QTest::keyClick(doc->txtText, Qt::Key_Tab);
      else if (k == '\b')
        QTest::keyClick(doc->txtText, Qt::Key_Backspace);
      else if (k == '\r')
        QTest::keyClick(doc->txtText, Qt::Key_Return);
      else
        QTest::keyClicks(doc->txtText, QString(k));
    }
    QCOMPARE(Bytes(doc->text()), QString(r.expected));
  }

  // Guards against typed keys not moving the place the next search starts.
  void typedKeyMovesSearchPos() {
    EditorSession s;
    frmDocument* doc = s.document("X1 X2\nX3\n");
    s.run("mnuSearchFind");
    Type(s, "frmFind", "txtFind=X");
    s.run("mnuToolsAutoNo");
    doc->setSelection(6, 0);  // start of the second line
    QTest::keyClicks(doc->txtText, "G");
    // "N000 " went in at 6 before the key; the search starts at the caret the key saw
    QCOMPARE(TransformSearchState(*s.main).searchPos, std::size_t{6});
    QTest::keyClick(doc->txtText, Qt::Key_Backspace);  // not examined: removes G, caret 11
    QCOMPARE(TransformSearchState(*s.main).searchPos, std::size_t{6});
    QTest::keyClicks(doc->txtText, "1");
    QCOMPARE(TransformSearchState(*s.main).searchPos, std::size_t{11});
    QCOMPARE(Bytes(doc->text()), QString("X1 X2\nN000 1X3\n"));
  }
};

QTEST_MAIN(TestTransform)
#include "test_transform.moc"
