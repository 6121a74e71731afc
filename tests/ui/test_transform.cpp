// The transformation tools through the real main window offscreen: the four
// dialogs' controls and enabling rules, steps that follow the document's
// current text and caret, edits that keep the undo history, Next Find, and
// the automatic N000 words typed through real key events on txtText.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ScriptedInteraction.h"
#include "TransformCommands.h"
#include "frmDocument.h"
#include "frmMain.h"

namespace {

struct Session {
  QTemporaryDir tmp;
  quillon::MemorySettingsStore store;
  ScriptedInteraction ui;
  std::unique_ptr<frmMain> main;

  Session() {
    QDir().mkpath(tmp.path() + "/app");
    main = std::make_unique<frmMain>(store, ui,
                                     quillon::SettingPlaces{(tmp.path() + "/app").toStdString(), tmp.path().toStdString()});
    main->load(QString());
  }
  void run(const QString& control) {
    QAction* act = main->action(control);
    QVERIFY2(act, qPrintable(control));
    act->trigger();
  }
  frmDocument* document(const std::string& text, int start = 0, int length = 0) {
    main->action("mnuFileNew")->trigger();
    frmDocument* doc = main->ActiveDocument();
    if (!doc) return nullptr;
    doc->loadText(text);
    doc->setDataChanged(false);
    doc->setSelection(start, length);
    return doc;
  }
  QDialog* form(const QString& name) const { return main->findChild<QDialog*>(name); }
  template <class W>
  W* control(const QString& form, const QString& name) const {
    QDialog* f = this->form(form);
    return f ? f->findChild<W*>(name) : nullptr;
  }
  QPushButton* button(const QString& form, const QString& name) const { return control<QPushButton>(form, name); }
  void type(const QString& form, const QString& box, const QString& text) const {
    QLineEdit* edit = control<QLineEdit>(form, box);
    QVERIFY2(edit, qPrintable(box));
    edit->setText(text);
  }
  QString lastMessage() const {
    return ui.messages.empty() ? QString() : ui.messages.back().title + "|" + ui.messages.back().text;
  }
};

QString Bytes(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

QStringList LabelTexts(QWidget* form) {
  QStringList texts;
  for (QLabel* label : form->findChildren<QLabel*>()) texts << label->text();
  return texts;
}

}  // namespace

class TestTransform : public QObject {
  Q_OBJECT

 private slots:
  // Guards against wrong captions, control names, tips and start states.
  void dialogControls_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");  // caption, or box text
    QTest::addColumn<QString>("tip");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    // clang-format off
    //                                        command                   form                 control         text                        tip                                         enabled checked
    QTest::newRow("find next")       << "mnuSearchFind"         << "frmFind"          << "NextFind"     << "Next Find"               << ""                                       << false << false;
    QTest::newRow("find top")        << "mnuSearchFind"         << "frmFind"          << "Check1"       << "Find from top"           << ""                                       << true  << false;
    QTest::newRow("find cancel")     << "mnuSearchFind"         << "frmFind"          << "Cancel"       << "Cancel"                  << ""                                       << true  << false;
    QTest::newRow("replace change")  << "mnuSearchReplace"      << "frmReplace"       << "Change"       << "Change"                  << ""                                       << false << false;
    QTest::newRow("replace skip")    << "mnuSearchReplace"      << "frmReplace"       << "NextFind"     << "Skip"                    << ""                                       << false << false;
    QTest::newRow("replace all")     << "mnuSearchReplace"      << "frmReplace"       << "AllChange"    << "All Change"              << ""                                       << false << false;
    QTest::newRow("replace top")     << "mnuSearchReplace"      << "frmReplace"       << "Check1"       << "Change from top"         << ""                                       << true  << false;
    QTest::newRow("shift find")      << "mnuToolsSizeShift"     << "frmSizeShift"     << "txtFind"      << ""                        << "Example: X , Z , S , SB , DA ,etc..."   << true  << false;
    QTest::newRow("shift value")     << "mnuToolsSizeShift"     << "frmSizeShift"     << "txtValue"     << ""                        << "Example: 100 , -10 , *0.8 , /2 , etc..." << true  << false;
    QTest::newRow("shift change")    << "mnuToolsSizeShift"     << "frmSizeShift"     << "Change"       << "Change"                  << ""                                       << false << false;
    QTest::newRow("shift top")       << "mnuToolsSizeShift"     << "frmSizeShift"     << "Check1"       << "Change from top"         << ""                                       << true  << false;
    QTest::newRow("arrange digits")  << "mnuToolsNumberArrange" << "frmNumberArrange" << "DigitNo"      << "3"                       << "3=N000 , 4=N0000..."                    << true  << false;
    QTest::newRow("arrange start")   << "mnuToolsNumberArrange" << "frmNumberArrange" << "StartNo"      << "1"                       << "100=N100, N101..."                      << true  << false;
    QTest::newRow("arrange add")     << "mnuToolsNumberArrange" << "frmNumberArrange" << "AddNo"        << "1"                       << "1=N001, N002..."                        << true  << false;
    QTest::newRow("arrange none")    << "mnuToolsNumberArrange" << "frmNumberArrange" << "WithoutSpace" << "non"                     << "N000X100..."                            << true  << false;
    QTest::newRow("arrange one")     << "mnuToolsNumberArrange" << "frmNumberArrange" << "With1Space"   << "1"                       << "N000 X100..."                           << true  << false;
    QTest::newRow("arrange five")    << "mnuToolsNumberArrange" << "frmNumberArrange" << "With5Space"   << "5"                       << "N000     X100..."                       << true  << true;
    QTest::newRow("arrange top")     << "mnuToolsNumberArrange" << "frmNumberArrange" << "FromTop"      << "Arrange from top"        << ""                                       << true  << true;
    QTest::newRow("arrange stop")    << "mnuToolsNumberArrange" << "frmNumberArrange" << "StopM02"      << "Stop at M02 and RTS"     << ""                                       << true  << false;
    QTest::newRow("arrange cont")    << "mnuToolsNumberArrange" << "frmNumberArrange" << "Continue"     << "Continuous number"       << ""                                       << true  << false;
    QTest::newRow("arrange ok")      << "mnuToolsNumberArrange" << "frmNumberArrange" << "Command1"     << "O  K"                    << ""                                       << true  << false;
    // clang-format on
  }
  void dialogControls() {
    QFETCH(QString, command);
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    Session s;
    QVERIFY(s.document("G00 X1\n"));
    s.run(command);
    QWidget* w = s.control<QWidget>(form, control);
    QVERIFY2(w, qPrintable(control));
    if (auto* edit = qobject_cast<QLineEdit*>(w)) QCOMPARE(edit->text(), text);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      QCOMPARE(b->text(), text);
      QCOMPARE(b->isChecked(), checked);
    }
    QCOMPARE(w->toolTip(), tip);
    QCOMPARE(w->isEnabled(), enabled);
  }

  // Guards against wrong window captions and box labels.
  void dialogCaptions_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("labels");
    // clang-format off
    QTest::newRow("find")    << "mnuSearchFind"         << "frmFind"          << "Find"                    << QStringList{"Find Character"};
    QTest::newRow("replace") << "mnuSearchReplace"      << "frmReplace"       << "Replace"                 << QStringList{"Find Character", "Replace Character"};
    QTest::newRow("shift")   << "mnuToolsSizeShift"     << "frmSizeShift"     << "Calculation Replace"     << QStringList{"Change data character", "Calculation data", "(+,-,*,/Only)"};
    QTest::newRow("arrange") << "mnuToolsNumberArrange" << "frmNumberArrange" << "Sequence Number Arrange" << QStringList{"Digit Number", "Start Number", "Add Value"};
    // clang-format on
  }
  void dialogCaptions() {
    QFETCH(QString, command);
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QStringList, labels);
    Session s;
    QVERIFY(s.document("G00 X1\n"));
    s.run(command);
    QDialog* f = s.form(form);
    QVERIFY(f);
    QVERIFY(f->isVisible());
    QVERIFY(!f->isModal());
    QCOMPARE(f->windowTitle(), caption);
    const QStringList shown = LabelTexts(f);
    for (const QString& label : labels) QVERIFY2(shown.contains(label), qPrintable(label));
  }

  // Guards against action buttons usable with an empty box, and Change not
  // being the default button exactly while both boxes hold text.
  void changeButtonsEnabling_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("valueBox");
    QTest::newRow("replace") << "mnuSearchReplace" << "frmReplace" << "txtReplace";
    QTest::newRow("shift") << "mnuToolsSizeShift" << "frmSizeShift" << "txtValue";
  }
  void changeButtonsEnabling() {
    QFETCH(QString, command);
    QFETCH(QString, form);
    QFETCH(QString, valueBox);
    Session s;
    QVERIFY(s.document("X1\n"));
    s.run(command);
    auto enabled = [&] {
      return s.button(form, "Change")->isEnabled() && s.button(form, "NextFind")->isEnabled() &&
             s.button(form, "AllChange")->isEnabled();
    };
    auto anyEnabled = [&] {
      return s.button(form, "Change")->isEnabled() || s.button(form, "NextFind")->isEnabled() ||
             s.button(form, "AllChange")->isEnabled();
    };
    s.type(form, "txtFind", "X");
    QVERIFY(!anyEnabled());
    QVERIFY(!s.button(form, "Change")->isDefault());
    s.type(form, valueBox, "2");
    QVERIFY(enabled());
    QVERIFY(s.button(form, "Change")->isDefault());
    s.type(form, "txtFind", "");
    QVERIFY(!anyEnabled());
    QVERIFY(!s.button(form, "Change")->isDefault());
  }

  void findNextEnabledByText() {
    Session s;
    QVERIFY(s.document("X1\n"));
    s.run("mnuSearchFind");
    QVERIFY(!s.button("frmFind", "NextFind")->isEnabled());
    s.type("frmFind", "txtFind", "X");
    QVERIFY(s.button("frmFind", "NextFind")->isEnabled());
    s.type("frmFind", "txtFind", "");
    QVERIFY(!s.button("frmFind", "NextFind")->isEnabled());
  }

  // Guards against Continue staying usable while the run stops at M02.
  void stopM02DisablesContinue() {
    Session s;
    QVERIFY(s.document("G00\n"));
    s.run("mnuToolsNumberArrange");
    auto* stop = s.control<QCheckBox>("frmNumberArrange", "StopM02");
    auto* cont = s.control<QCheckBox>("frmNumberArrange", "Continue");
    stop->click();
    QVERIFY(!cont->isEnabled());
    stop->click();
    QVERIFY(cont->isEnabled());
  }

  // Guards against the find box not taking the document's selection.
  void openingTakesSelection() {
    Session s;
    QVERIFY(s.document("G00 X100.\n", 4, 1));
    s.run("mnuSearchReplace");
    QCOMPARE(s.control<QLineEdit>("frmReplace", "txtFind")->text(), QString("X"));
    s.main->ActiveDocument()->setSelection(0, 0);
    s.run("mnuSearchReplace");
    QCOMPARE(s.control<QLineEdit>("frmReplace", "txtFind")->text(), QString());
  }

  // Guards against the selection not following the search, and a missing
  // end message.
  void findSelectsInTheDocument() {
    Session s;
    frmDocument* doc = s.document("NOEX MAX x X1");
    s.run("mnuSearchFind");
    s.type("frmFind", "txtFind", "X");
    QPushButton* next = s.button("frmFind", "NextFind");
    next->click();
    QCOMPARE(doc->selStart(), 3);
    QCOMPARE(doc->selLength(), 1);
    next->click();
    QCOMPARE(doc->selStart(), 7);
    next->click();
    QCOMPARE(doc->selStart(), 11);
    QVERIFY(s.ui.messages.empty());
    next->click();
    QCOMPARE(s.lastMessage(), QString("Find|\"X\" not find."));
    // "from top" restarts and is cleared again
    s.control<QCheckBox>("frmFind", "Check1")->setChecked(true);
    next->click();
    QCOMPARE(doc->selStart(), 3);
    QVERIFY(!s.control<QCheckBox>("frmFind", "Check1")->isChecked());
  }

  // Guards against the modeless tools writing back a copy taken when the
  // dialog opened (text typed meanwhile lost) and against rewriting what
  // stands at a moved caret.
  void replaceFollowsTheCurrentText() {
    Session s;
    frmDocument* doc = s.document("X1 X2 X3");
    s.run("mnuSearchReplace");
    s.type("frmReplace", "txtFind", "X");
    s.type("frmReplace", "txtReplace", "U");
    QPushButton* change = s.button("frmReplace", "Change");
    change->click();  // selects X at 0
    QCOMPARE(doc->selStart(), 0);
    // typed at the end meanwhile
    doc->setSelection(8, 0);
    QTest::keyClicks(doc->txtText, " G00");
    QCOMPARE(Bytes(doc->text()), QString("X1 X2 X3 G00"));
    // the caret no longer stands on X: nothing is rewritten, the search goes on from the caret
    change->click();
    QCOMPARE(Bytes(doc->text()), QString("X1 X2 X3 G00"));
    QCOMPARE(s.lastMessage(), QString("Character列Change|\"X\" 見つかりませんでした."));
    s.control<QCheckBox>("frmReplace", "Check1")->setChecked(true);
    change->click();  // from the top: selects X at 0
    change->click();  // changes it, selects X at 3
    QCOMPARE(Bytes(doc->text()), QString("U1 X2 X3 G00"));
    QCOMPARE(doc->selStart(), 3);
    QCOMPARE(doc->selLength(), 1);
  }

  // Guards against All Change throwing away the undo history and the
  // scroll position by replacing the whole widget text.
  void allChangeIsOneUndoStep() {
    Session s;
    std::string text;
    for (int i = 0; i < 300; ++i) text += "N000 G01 X" + std::to_string(i) + ". Z-1.\n";
    frmDocument* doc = s.document(text);
    s.main->resize(900, 700);
    QTest::keyClicks(doc->txtText, "(A)");  // an earlier edit the undo history must keep
    // the caret on line 150, scrolled into view
    const int caret = 3 + static_cast<int>(text.find("X150."));
    doc->setSelection(caret, 0);
    doc->txtText->ensureCursorVisible();
    const int scroll = doc->txtText->verticalScrollBar()->value();
    QVERIFY(scroll > 0);
    s.run("mnuSearchReplace");
    s.type("frmReplace", "txtFind", "Z-1.");
    s.type("frmReplace", "txtReplace", "Z-2.");
    s.control<QCheckBox>("frmReplace", "Check1")->setChecked(true);
    s.button("frmReplace", "AllChange")->click();
    QCOMPARE(s.lastMessage(), QString("Replace|300 times replaced."));
    QVERIFY(Bytes(doc->text()).endsWith("N000 G01 X299. Z-2.\n"));
    QCOMPARE(doc->txtText->verticalScrollBar()->value(), scroll);
    QCOMPARE(doc->selStart(), caret);  // same-length words: the caret keeps its place
    doc->txtText->undo();
    QCOMPARE(Bytes(doc->text()), "(A)" + Bytes(text));
    doc->txtText->undo();
    QCOMPARE(Bytes(doc->text()), Bytes(text));
  }

  // Guards against Change / Skip / All Change of size shift drifting from
  // the dialog's scheme, and against an unhandled division by zero.
  void sizeShiftThroughTheDialog_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("calc");
    QTest::addColumn<QString>("presses");  // C Change, S Skip, A All Change
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("message");
    // clang-format off
    // 100 * 0.8 = 80
    QTest::newRow("multiply")  << "G01 X100. Z5" << "X"  << "*0.8" << "A"   << "G01 X80 Z5"  << "Size Shift|1 times size shifted.";
    // 12.5 / 2 = 6.25, "=" kept
    QTest::newRow("equals")    << "SB=12.5"      << "SB" << "/2"   << "A"   << "SB=6.25"     << "Size Shift|1 times size shifted.";
    // first Change selects; the next two shift 50 + 10 = 60 and 7 + 10 = 17
    QTest::newRow("change")    << "Z 50\nZ7"     << "Z"  << "10"   << "CCC" << "Z60\nZ17"    << "DataChange|2 Time DataをChangeしました.";
    QTest::newRow("skip")      << "X1"           << "X"  << "1"    << "SS"  << "X1"          << "Size Shift|\"X\" not find.";
    QTest::newRow("by zero")   << "X10\nX20"     << "X"  << "/0"   << "A"   << "X10\nX20"    << "Size Shift|Line 1: \"X10\" cannot be calculated with \"/0\". Nothing changed.";
    // clang-format on
  }
  void sizeShiftThroughTheDialog() {
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(QString, calc);
    QFETCH(QString, presses);
    QFETCH(QString, expected);
    QFETCH(QString, message);
    Session s;
    frmDocument* doc = s.document(text.toStdString());
    s.run("mnuToolsSizeShift");
    s.type("frmSizeShift", "txtFind", word);
    s.type("frmSizeShift", "txtValue", calc);
    for (QChar p : presses)
      s.button("frmSizeShift", p == 'C' ? "Change" : p == 'S' ? "NextFind" : "AllChange")->click();
    QCOMPARE(Bytes(doc->text()), expected);
    QCOMPARE(s.lastMessage(), message);
    QVERIFY(s.form("frmSizeShift")->isVisible());  // the dialog stays open after a run
  }

  // Guards against Enter pressing Change instead of walking the boxes.
  void sizeShiftEnterWalksTheBoxes() {
    Session s;
    QVERIFY(s.document("X1"));
    s.run("mnuToolsSizeShift");
    QDialog* f = s.form("frmSizeShift");
    f->activateWindow();
    auto* find = s.control<QLineEdit>("frmSizeShift", "txtFind");
    auto* value = s.control<QLineEdit>("frmSizeShift", "txtValue");
    find->setFocus();
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(f->focusWidget(), static_cast<QWidget*>(value));
    QTest::keyClick(value, Qt::Key_Return);  // both empty: back to txtFind
    QCOMPARE(f->focusWidget(), static_cast<QWidget*>(find));
    find->setText("X");
    value->setText("1");
    value->setFocus();
    QTest::keyClick(value, Qt::Key_Return);
    QCOMPARE(f->focusWidget(), static_cast<QWidget*>(s.button("frmSizeShift", "Change")));
    QCOMPARE(Bytes(s.main->ActiveDocument()->text()), QString("X1"));
  }

  // Guards against OK running with stale entries, the run not being one
  // undo step, and the caret not going to the end.
  void arrangeThroughTheDialog() {
    Session s;
    frmDocument* doc = s.document("G00 X10\nX10 Z5\n  G01 Z-3\nN1 M02\nG00");
    s.run("mnuToolsNumberArrange");
    s.type("frmNumberArrange", "DigitNo", "4");
    s.type("frmNumberArrange", "StartNo", "10");
    s.type("frmNumberArrange", "AddNo", "10");
    s.control<QRadioButton>("frmNumberArrange", "With1Space")->setChecked(true);
    s.control<QCheckBox>("frmNumberArrange", "StopM02")->click();
    QDialog* f = s.form("frmNumberArrange");
    s.button("frmNumberArrange", "Command1")->click();
    QVERIFY(!f->isVisible());  // closed before the run
    // 10, 20, 30, 40; the M02 line ends the run, G00 stays
    const QString expected = "N0010 G00 X10\nN0020 X10 Z5\nN0030 G01 Z-3\nN0040 M02\nG00";
    QCOMPARE(Bytes(doc->text()), expected);
    QCOMPARE(doc->selStart(), expected.size());
    doc->txtText->undo();
    QCOMPARE(Bytes(doc->text()), QString("G00 X10\nX10 Z5\n  G01 Z-3\nN1 M02\nG00"));
  }

  // Guards against Enter in the entry boxes running the renumbering early.
  void arrangeEnterWalksTheBoxes() {
    Session s;
    frmDocument* doc = s.document("G00");
    s.run("mnuToolsNumberArrange");
    QDialog* f = s.form("frmNumberArrange");
    f->activateWindow();
    const char* order[] = {"DigitNo", "StartNo", "AddNo"};
    const char* next[] = {"StartNo", "AddNo", "Command1"};
    for (int i = 0; i < 3; ++i) {
      QWidget* box = f->findChild<QWidget*>(order[i]);
      box->setFocus();
      QTest::keyClick(box, Qt::Key_Return);
      QCOMPARE(f->focusWidget(), f->findChild<QWidget*>(next[i]));
    }
    QCOMPARE(Bytes(doc->text()), QString("G00"));
    QVERIFY(f->isVisible());
  }

  // Guards against O  K acting as a default button: Enter on a check box or
  // an option must not renumber the program; only a focused button takes it.
  void arrangeEnterOnlyOnAFocusedButton_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("open");
    // clang-format off
    //                                focused          text afterwards        dialog still open
    QTest::newRow("FromTop")       << "FromTop"      << "G00"                 << true;
    QTest::newRow("StopM02")       << "StopM02"      << "G00"                 << true;
    QTest::newRow("With1Space")    << "With1Space"   << "G00"                 << true;
    // Command1 focused: the run with the defaults D3 S1 A1 gives N001 and one blank before G
    QTest::newRow("Command1")      << "Command1"     << "N001 G00"            << false;
    QTest::newRow("Cancel")        << "Cancel"       << "G00"                 << false;
    // clang-format on
  }
  void arrangeEnterOnlyOnAFocusedButton() {
    QFETCH(QString, focused);
    QFETCH(QString, expected);
    QFETCH(bool, open);
    Session s;
    frmDocument* doc = s.document("G00");
    s.run("mnuToolsNumberArrange");
    QPointer<QDialog> f = s.form("frmNumberArrange");
    QApplication::setActiveWindow(f);
    QVERIFY(QTest::qWaitForWindowActive(f));
    QWidget* w = f->findChild<QWidget*>(focused);
    QVERIFY2(w, qPrintable(focused));
    w->setFocus(Qt::TabFocusReason);
    QCOMPARE(f->focusWidget(), w);
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(Bytes(doc->text()), expected);
    QCOMPARE(bool(f) && f->isVisible(), open);
  }

  // Guards against Arrange starting on the caret's own line.
  void arrangeFromTheCaret() {
    Session s;
    frmDocument* doc = s.document("G00\nG01\nG02", 1);
    s.run("mnuToolsNumberArrange");
    s.control<QCheckBox>("frmNumberArrange", "FromTop")->setChecked(false);
    s.button("frmNumberArrange", "Command1")->click();
    QCOMPARE(Bytes(doc->text()), QString("G00\nN001 G01\nN002 G02"));
  }

  // Guards against Next Find not continuing after the selection and
  // resetting the run's count.
  void nextFindCommand() {
    Session s;
    frmDocument* doc = s.document("X1 X2 X3", 3, 1);
    s.run("mnuSearchFind");  // the find text is now "X"
    s.form("frmFind")->close();
    s.run("mnuSearchNextFind");
    QCOMPARE(doc->selStart(), 6);
    s.run("mnuSearchNextFind");
    QCOMPARE(s.lastMessage(), QString(" Fund |\"X\"は見つかりませんでした . "));
    QCOMPARE(doc->selStart(), 6);
    QCOMPARE(s.main->action("mnuSearchNextFind")->shortcut(), QKeySequence(Qt::Key_F3));
  }

  // Guards against the toggle and its toolbar button drifting apart.
  void autoNumberToggle() {
    Session s;
    QVERIFY(s.document(""));
    QAction* item = s.main->action("mnuToolsAutoNo");
    QAction* button = s.main->toolbarAction(12);
    QVERIFY(button);
    QCOMPARE(button->toolTip(), QString(" Auto N000  Insert "));
    QVERIFY(!AutoNumberOn(*s.main));
    item->trigger();
    QVERIFY(AutoNumberOn(*s.main));
    QVERIFY(item->isChecked());
    QVERIFY(button->isChecked());
    button->trigger();
    QVERIFY(!AutoNumberOn(*s.main));
    QVERIFY(!item->isChecked());
    QVERIFY(!button->isChecked());
  }

  // Guards against the placeholder appearing before the wrong keys, in the
  // wrong width, mid-line, or for Backspace, with real key events.
  void autoNumberTyping_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("keys");  // "\t" TAB, "\b" Backspace
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("G")         << "G00\n"  << 4 << "G01"  << "G00\nN000 G01";
    QTest::newRow("I")         << "G00\n"  << 4 << "I5"   << "G00\nN000 I5";
    QTest::newRow("C")         << "G00\n"  << 4 << "C5"   << "G00\nN000 C5";
    QTest::newRow("X")         << "G00\n"  << 4 << "X10"  << "G00\nN000     X10";
    QTest::newRow("lower g")   << "G00\n"  << 4 << "g"    << "G00\nN000     g";
    QTest::newRow("paren")     << "G00\n"  << 4 << "(A)"  << "G00\n(A)";
    QTest::newRow("N")         << "G00\n"  << 4 << "N10"  << "G00\nN10";
    QTest::newRow("tab")       << "G00\n"  << 4 << "\t"   << "G00\n\t";
    QTest::newRow("backspace") << "G00\n"  << 4 << "\b"   << "G00";
    QTest::newRow("mid line")  << "G00\nX" << 5 << "1"    << "G00\nX1";
    QTest::newRow("text start")<< "G00"    << 0 << "M"    << "MG00";
    // clang-format on
  }
  void autoNumberTyping() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    Session s;
    frmDocument* doc = s.document(text.toStdString(), caret);
    s.run("mnuToolsAutoNo");
    for (QChar k : keys) {
      if (k == '\t')
        QTest::keyClick(doc->txtText, Qt::Key_Tab);
      else if (k == '\b')
        QTest::keyClick(doc->txtText, Qt::Key_Backspace);
      else
        QTest::keyClicks(doc->txtText, QString(k));
    }
    QCOMPARE(Bytes(doc->text()), expected);
  }

  void autoNumberOffTypesPlainly() {
    Session s;
    frmDocument* doc = s.document("G00\n", 4);
    QTest::keyClicks(doc->txtText, "G01");
    QCOMPARE(Bytes(doc->text()), QString("G00\nG01"));
  }

  // Guards against typed keys not moving the place the next search starts.
  void typedKeyMovesSearchPos() {
    Session s;
    frmDocument* doc = s.document("X1 X2\nX3\n");
    s.run("mnuSearchFind");
    s.type("frmFind", "txtFind", "X");
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
