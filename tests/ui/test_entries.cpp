// Number boxes of every dialog family refuse what is not a number: the box is
// marked when the focus leaves it, OK (a calculator's recalculation or
// insert, Enter in RPM) is refused with a message naming the box by its
// label, the focus goes back to it, and nothing reaches the document.

#include "EditorPtr.h"
#include "test_process_support.h"
#include "ui/platform/NumberEntries.h"

namespace {

// One main window with one document (the caret in its middle) and the test material loaded, as after "Material Input"
// once.
struct Session : EditorSession {
  Session() {
    document("%\n\nM30\n", 2);
    loadMaterial();
  }
  std::string text() const { return main->ActiveDocument()->text(); }
};

QLineEdit* Box(QWidget* dialog, const char* name) { return dialog->findChild<QLineEdit*>(QString::fromLatin1(name)); }

bool Activate(QWidget* dialog) {
  QApplication::setActiveWindow(dialog);
  return QTest::qWaitForWindowActive(dialog);
}

// Presses the dialog's confirming control: a button, or Enter in a box ("Enter:Diameter").
void Confirm(QWidget* dialog, const QString& how) {
  if (how.startsWith(QLatin1String("Enter:"))) {
    QLineEdit* box = dialog->findChild<QLineEdit*>(how.mid(6));
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Return);
  } else {
    dialog->findChild<QPushButton*>(how)->click();
  }
}

struct RefuseRow {
  const char* name;
  const char* command;  // menu control that opens the dialog
  const char* form;     // the dialog's object name (modeless ones)
  bool modal;
  const char* box;      // the box typed into
  const char* other;    // the box the focus leaves for
  const char* prefill;  // "Box=text" put in first, or ""
  const char* bad;
  const char* good;
  const char* label;  // how the message names the box
  const char* confirm;
  bool refusedOnLeaving;  // calculators recalculate when a box is left
};

// clang-format off
const RefuseRow kRefusals[] = {
  // name                 command                  form                modal  box           other        prefill          bad       good    label                  confirm          leaving
  {"process start X",    "ProcessRoughOD",        "",                 true,  "StartX",     "EndZ",      "",              "x4O",    "40",   "Start Point X",       "Command1",      false},
  {"process tool",       "ProcessRoughOD",        "",                 true,  "ToolNumber", "V",         "",              "abc",    "5",    "Tool No.",            "Command1",      false},
  {"process end Z",      "ProcessRoughOD",        "",                 true,  "EndZ",       "StartX",    "",              "--3..0", "-30",  "End Point Z",         "Command1",      false},
  {"parameter home X",   "ProcessSetup",          "",                 true,  "txtHomeX",   "txtMaxS",   "",              "5OO",    "500",  "Turret Index Pos. X", "Command1",      false},
  {"material input OD",  "ProcessUGC",            "",                 true,  "Text5",      "Text3",     "",              "80mm",   "80",   "Material OD",         "Command1",      false},
  {"arrange start",      "mnuToolsNumberArrange", "frmNumberArrange", false, "StartNo",    "AddNo",     "",              "1O",     "10",   "Start Number",        "Command1",      false},
  {"line angle",         "LineAngle",             "frmLineAngle",     false, "Text3",      "Text4",     "",              "45deg",  "45",   "Angle A",             "Command5",      true},
  {"line circle radius", "LineR",                 "frmLineR",         false, "Text6",      "Text1",     "",              "R5",     "5",    "Center R",            "Command3",      true},
  {"two lines angle",    "LineCircleLine",        "frmLineRLine",     false, "Text6",      "Text9",     "",              "9O",     "90",   "Line 2 A",            "Command3",      true},
  {"spindle speed",      "mnuToolsrpm",           "RPM",              false, "V",          "Diameter",  "Diameter=20",   "100m",   "100",  "Cut speed",           "Enter:Diameter",false},
};
// clang-format on

// What one run through a dialog saw, checked after the dialog is gone.
struct Seen {
  bool active = false, markedOnLeaving = false, framed = false, refusedOpen = false, focusBack = false;
  bool clearedWhenCorrected = false, tipRestored = false;
  QString tipWhileMarked, messageOnLeaving;
  size_t messagesBeforeConfirm = 0;
  std::string textAfterRefusal;
};

void Walk(QWidget* dialog, const RefuseRow& r, Session& s, Seen& seen) {
  seen.active = Activate(dialog);
  QLineEdit* box = Box(dialog, r.box);
  QLineEdit* other = Box(dialog, r.other);
  if (*r.prefill)
    Box(dialog, QByteArray(r.prefill).split('=')[0].constData())->setText(QString(r.prefill).section('=', 1));
  const QString plainTip = box->toolTip();
  box->setFocus(Qt::TabFocusReason);
  box->setText(QString::fromLatin1(r.bad));
  other->setFocus(Qt::TabFocusReason);
  seen.markedOnLeaving = NumberEntries::isMarked(box);
  seen.tipWhileMarked = box->toolTip();
  seen.framed = box->styleSheet().contains(QLatin1String("border"));
  if (r.refusedOnLeaving && !s.ui.messages.empty()) seen.messageOnLeaving = s.ui.messages.back().text;
  seen.messagesBeforeConfirm = s.ui.messages.size();
  Confirm(dialog, QString::fromLatin1(r.confirm));
  seen.refusedOpen = dialog->isVisible();
  seen.focusBack = QApplication::focusWidget() == box;
  seen.textAfterRefusal = s.text();
  box->setText(QString::fromLatin1(r.good));
  seen.clearedWhenCorrected = !NumberEntries::isMarked(box);
  seen.tipRestored = box->toolTip() == plainTip;
  Confirm(dialog, QString::fromLatin1(r.confirm));
}

}  // namespace

class EntriesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::processEvents(); }

  // Guards against a box that is not a number going through as its leading
  // digits or as 0 (a block that looks right and is wrong), a refusal that
  // names another box or none, the focus left elsewhere, the mark not shown
  // or not cleared once the text is a number, and a corrected box still refused.
  void refusesUntilCorrected_data() { AddRows(kRefusals); }
  void refusesUntilCorrected() {
    const RefuseRow& r = CurrentRow(kRefusals);
    Session s;
    const std::string before = s.text();
    Seen seen;
    if (r.modal) {
      ModalAnswer answer([&](QWidget* dialog) { Walk(dialog, r, s, seen); });
      s.main->runCommand(QString::fromLatin1(r.command));
      QVERIFY(answer.seen());
    } else {
      s.main->runCommand(QString::fromLatin1(r.command));
      QWidget* dialog = s.main->findChild<QWidget*>(QString::fromLatin1(r.form));
      QVERIFY(dialog);
      QPointer<QWidget> alive(dialog);
      Walk(dialog, r, s, seen);
      QTRY_VERIFY(!alive || !alive->isVisible() || s.text() != before);
    }
    const QString message = QString::fromLatin1(r.label) + ": '" + r.bad + "' is not a number";
    QVERIFY(seen.active);
    QVERIFY(seen.markedOnLeaving);
    QCOMPARE(seen.tipWhileMarked, QStringLiteral("not a number"));
    QVERIFY(seen.framed);
    // A calculator says it as soon as it would calculate; the others on OK.
    if (r.refusedOnLeaving) QCOMPARE(seen.messageOnLeaving, message);
    QCOMPARE(seen.messagesBeforeConfirm, size_t(r.refusedOnLeaving ? 1 : 0));
    QVERIFY(seen.refusedOpen);
    QVERIFY(seen.focusBack);
    QCOMPARE(seen.textAfterRefusal, before);
    QVERIFY(!s.ui.messages.empty());
    QCOMPARE(s.ui.messages.back().text, message);
    QCOMPARE(s.ui.messages.back().icon, MessageIcon::Exclamation);
    QVERIFY(seen.clearedWhenCorrected);
    QVERIFY(seen.tipRestored);
    // The corrected entry went through: the message count stayed.
    QCOMPARE(s.ui.messages.size(), seen.messagesBeforeConfirm + 1);
    if (QString(r.command) != QLatin1String("ProcessSetup")) QVERIFY(s.text() != before);
  }

  // Guards against boxes nobody can correct being judged (a hidden box of the
  // command, the index position hidden with Tallix, a box the tailstock
  // choice disables), an empty box no longer meaning 0, and blanks around a
  // number refused.
  void acceptsWhatCannotOrNeedNotBeCorrected_data() { AddCases("entries_accepted.txt"); }
  void acceptsWhatCannotOrNeedNotBeCorrected() {
    const Case c = CurrentCase();
    const QString command = c["command"], click = c["click"], box = c["box"], text = c["text"];
    Session s;
    const double homeX = s.ws().machine.HomeX;
    bool closed = false;
    ModalAnswer answer([&](QWidget* dialog) {
      Activate(dialog);
      if (!click.isEmpty()) dialog->findChild<QCheckBox*>(click)->click();
      QLineEdit* edit = dialog->findChild<QLineEdit*>(box);
      edit->setText(text);
      edit->setFocus(Qt::TabFocusReason);
      dialog->findChild<QPushButton*>("Command2")->setFocus(Qt::TabFocusReason);  // the box is left
      Press(dialog, "Command1");
      closed = !dialog->isVisible();
    });
    s.main->runCommand(command);
    QVERIFY(answer.seen());
    QVERIFY(closed);
    QVERIFY(s.ui.messages.empty());
    // A hidden index position that holds no number keeps the stored value.
    QCOMPARE(s.ws().machine.HomeX, homeX);
  }
};

QTEST_MAIN(EntriesTest)
#include "test_entries.moc"
