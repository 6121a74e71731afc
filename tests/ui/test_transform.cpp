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
// Real key events on txtText: \t TAB, \b Backspace, \r Enter, any other character typed.
void Keys(frmDocument* doc, const QString& keys) {
  static const QMap<QChar, Qt::Key> kKeys{{'\t', Qt::Key_Tab}, {'\b', Qt::Key_Backspace}, {'\r', Qt::Key_Return}};
  for (QChar k : keys) {
    if (kKeys.contains(k)) QTest::keyClick(doc->txtText, kKeys[k]);
    if (!kKeys.contains(k)) QTest::keyClicks(doc->txtText, QString(k));
  }
}

}  // namespace

class TestTransform : public QObject {
  Q_OBJECT

 private slots:
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

  // Guards against a modal tool, Continue usable while the run stops at M02, the find box not taking the selection, the
  // selection not following the search, a missing end message, "from top" not restarting or staying ticked, the tools
  // writing back a copy taken when they opened or rewriting what stands at a moved caret, Next Find not continuing
  // after the selection or resetting the run's count, typed keys not moving the place the next search starts, size
  // shift's Change / Skip / All Change wired to the wrong step, an unhandled division by zero or the dialog closing,
  // and entries or a calculation that make no sense being run (the tool says why and the text stays).
  void stepsThroughTheTools_data() { AddCases("transform_steps.txt"); }
  void stepsThroughTheTools() {
    const Case c = CurrentCase();
    EditorSession s;
    frmDocument* doc = s.document(c["text"].toStdString());
    static const QStringList kVerbs = QString(
                                          "run type click close select keys =sel =text =msg =box =checked =enabled "
                                          "=modeless =searchPos")
                                          .split(' ');
    for (const QString& step : c["steps"].split(" ; ")) {
      const QString verb = step.section(' ', 0, 0), form = step.section(' ', 1, 1), after = step.section(' ', 2);
      QString rest = step.section(' ', 1);
      if (rest.size() >= 2 && rest.startsWith('"') && rest.endsWith('"')) rest = rest.mid(1, rest.size() - 2);
      const auto yes = [&] { return step.section(' ', 3) == "yes"; };
      QVERIFY2(kVerbs.contains(verb), qPrintable(step));
      if (verb == "run") s.run(rest);
      if (verb == "type") Type(s, form, after);
      if (verb == "click") Control<QAbstractButton>(s, form, after)->click();
      if (verb == "close") Form(s, form)->close();
      if (verb == "select") doc->setSelection(form.toInt(), after.toInt());
      if (verb == "keys") Keys(doc, rest);
      if (verb == "=sel") QCOMPARE(QString("%1 %2").arg(doc->selStart()).arg(doc->selLength()), rest);
      if (verb == "=text") QCOMPARE(Bytes(doc->text()), rest);
      if (verb == "=msg") QCOMPARE(LastMessage(s), rest);
      if (verb == "=box") QCOMPARE(Control<QLineEdit>(s, form, after.section(' ', 0, 0))->text(), step.section(' ', 3));
      if (verb == "=checked") QCOMPARE(Control<QAbstractButton>(s, form, after.section(' ', 0, 0))->isChecked(), yes());
      if (verb == "=enabled") QCOMPARE(Control(s, form, after.section(' ', 0, 0))->isEnabled(), yes());
      for (const QString& f : verb == "=modeless" ? rest.split(' ') : QStringList())
        QVERIFY2(Form(s, f) && Form(s, f)->isVisible() && !Form(s, f)->isModal(), qPrintable(f));
      if (verb == "=searchPos") QCOMPARE(TransformSearchState(*s.main).searchPos, std::size_t(rest.toInt()));
    }
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
    Keys(doc, c["keys"]);
    QCOMPARE(Bytes(doc->text()), c["expected"]);
  }
};

QTEST_MAIN(TestTransform)
#include "test_transform.moc"
