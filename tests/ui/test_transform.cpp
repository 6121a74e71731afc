// The transformation tools through the real main window offscreen: the four dialogs' enabling rules, steps that follow
// the document's current text and caret, edits that keep the undo history, Next Find, and the automatic N000 words
// typed through real key events on txtText.
#include <QAbstractButton>
#include <QScrollBar>

#include "EditorPtr.h"
#include "ui/transform/TransformCommands.h"

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
  void buttonsFollowTheBoxes_data() { AddCases("transform_buttons.txt"); }
  void buttonsFollowTheBoxes() {
    const Case c = CurrentCase();
    const QString form = c["form"], valueBox = c["valueBox"];
    const QStringList buttons = c["buttons"].split(' ');
    EditorSession s;
    QVERIFY(s.document("X1\n"));
    s.run(c["command"]);
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
    for (bool stopped : {true, false}) {
      stop->click();
      QCOMPARE(cont->isEnabled(), !stopped);
    }
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

  // Guards against Change / Skip / All Change of size shift wired to the wrong step, an unhandled division by zero, and
  // the dialog closing.
  void sizeShiftThroughTheDialog_data() { AddCases("transform_size_shift.txt"); }
  void sizeShiftThroughTheDialog() {
    const Case c = CurrentCase();
    EditorSession s;
    frmDocument* doc = s.document(c["text"].toStdString());
    s.run("mnuToolsSizeShift");
    Type(s, "frmSizeShift", c["entries"]);
    for (QChar p : c["presses"])
      Button(s, "frmSizeShift", p == 'C' ? "Change" : p == 'S' ? "NextFind" : "AllChange")->click();
    QCOMPARE(Bytes(doc->text()), c["expected"]);
    QCOMPARE(LastMessage(s), c["message"]);
    QVERIFY(Form(s, "frmSizeShift")->isVisible());
  }

  // Guards against Enter in an entry box running the tool early instead of walking the boxes, and O  K acting as a
  // default button: only a focused button takes Enter.
  void enterWalksTheBoxes_data() { AddCases("transform_enter.txt"); }
  void enterWalksTheBoxes() {
    const Case c = CurrentCase();
    EditorSession s;
    frmDocument* doc = s.document("X1");
    s.run(c["command"]);
    QPointer<QDialog> f = Form(s, c["form"]);
    QApplication::setActiveWindow(f);
    QVERIFY(QTest::qWaitForWindowActive(f));
    Type(s, c["form"], c["entries"]);
    QWidget* w = f->findChild<QWidget*>(c["focused"]);
    QVERIFY2(w, qPrintable(c["focused"]));
    w->setFocus(Qt::TabFocusReason);
    QCOMPARE(f->focusWidget(), w);
    QTest::keyClick(w, Qt::Key_Return);
    if (!c["next"].isEmpty()) QCOMPARE(f->focusWidget(), f->findChild<QWidget*>(c["next"]));
    QCOMPARE(Bytes(doc->text()), c["expected"]);
    QCOMPARE(bool(f) && f->isVisible(), c.yes("open"));
  }

  // Guards against OK running with stale entries or options, Arrange starting on the caret's own line, the run not
  // being one undo step, and the caret not going to the end.
  void arrangeThroughTheDialog_data() { AddCases("transform_arrange.txt"); }
  void arrangeThroughTheDialog() {
    const Case c = CurrentCase();
    EditorSession s;
    frmDocument* doc = s.document(c["text"].toStdString(), c.number("caret"));
    s.run("mnuToolsNumberArrange");
    Type(s, "frmNumberArrange", c["entries"]);
    for (const QString& b : c["clicks"].split(' ')) Control<QAbstractButton>(s, "frmNumberArrange", b)->click();
    Button(s, "frmNumberArrange", "Command1")->click();
    QVERIFY(!Form(s, "frmNumberArrange")->isVisible());
    QCOMPARE(Bytes(doc->text()), c["expected"]);
    QCOMPARE(doc->selStart(), c["expected"].size());
    doc->txtText->undo();
    QCOMPARE(Bytes(doc->text()), c["text"]);
  }

  // Guards against an option box that is not remembered for the next run, or does not reach the tool: each box is
  // ticked, used, and found ticked after a restart.
  void optionBoxesRemembered_data() { AddCases("transform_options.txt"); }
  void optionBoxesRemembered() {
    const Case c = CurrentCase();
    const QString command = c["command"], form = c["form"], box = c["box"];
    EditorSession s;
    frmDocument* doc = s.document("N7 G00\nGOTO N7", 3);
    s.run(command);
    QVERIFY(!Control<QCheckBox>(s, form, box)->isChecked());
    Control<QCheckBox>(s, form, box)->click();
    Type(s, form, c["entries"]);
    Button(s, form, c["button"])->click();
    QCOMPARE(Bytes(doc->text()), c["expected"]);
    doc->setDataChanged(false);
    s.main->close();
    QCOMPARE(s.store.get("Settings", c["key"].toStdString()), std::optional<std::string>("True"));
    s.start();
    QVERIFY(s.document("X1"));
    s.run(command);
    QVERIFY(Control<QCheckBox>(s, form, box)->isChecked());
  }

  // Guards against renumber entries or a calculation that make no sense being run: the tool says why and the text
  // stays.
  void nonsenseValuesRefused_data() { AddCases("transform_refused.txt"); }
  void nonsenseValuesRefused() {
    const Case c = CurrentCase();
    const QString form = c["form"];
    EditorSession s;
    frmDocument* doc = s.document("G00 X5");
    s.run(c["command"]);
    if (form == "frmReplace") Control<QCheckBox>(s, form, "RegularExpression")->click();
    Type(s, form, c["entries"]);
    Button(s, form, c["button"])->click();
    QCOMPARE(LastMessage(s), c["message"]);
    QCOMPARE(Bytes(doc->text()), QString("G00 X5"));
  }

  // Guards against Next Find not continuing after the selection or resetting the run's count (its F3 key: the frmMain
  // dump of test_dialogs.cpp).
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

  // Guards against the placeholder appearing before the wrong keys, in the wrong width, mid-line, for Backspace, or
  // with the toggle off, with real key events.
  void autoNumberTyping_data() { AddCases("transform_auto_number.txt"); }
  void autoNumberTyping() {
    const Case c = CurrentCase();
    EditorSession s;
    frmDocument* doc = s.document(c["text"].toStdString(), c.number("caret"));
    if (c.yes("on")) s.run("mnuToolsAutoNo");
    static const QMap<QChar, Qt::Key> kKeys{{'\t', Qt::Key_Tab}, {'\b', Qt::Key_Backspace}, {'\r', Qt::Key_Return}};
    for (QChar k : c["keys"]) {
      if (kKeys.contains(k)) QTest::keyClick(doc->txtText, kKeys[k]);
      if (!kKeys.contains(k)) QTest::keyClicks(doc->txtText, QString(k));
    }
    QCOMPARE(Bytes(doc->text()), c["expected"]);
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
