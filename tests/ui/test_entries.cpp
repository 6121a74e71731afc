// Number boxes of every dialog family refuse what is not a number: the box is marked when the focus leaves it, OK (a
// calculator's recalculation or insert, Enter in RPM) is refused with a message naming the box by its label, the focus
// goes back to it, and nothing reaches the document.

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

QLineEdit* Box(QWidget* dialog, const QString& name) { return dialog->findChild<QLineEdit*>(name); }

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

// What one run through a dialog saw, checked after the dialog is gone.
struct Seen {
  bool active = false, markedOnLeaving = false, framed = false, refusedOpen = false, focusBack = false;
  bool clearedWhenCorrected = false, tipRestored = false;
  QString tipWhileMarked, messageOnLeaving;
  size_t messagesBeforeConfirm = 0;
  std::string textAfterRefusal;
};

void Walk(QWidget* dialog, const Case& r, Session& s, Seen& seen) {
  seen.active = Activate(dialog);
  QLineEdit* box = Box(dialog, r["box"]);
  QLineEdit* other = Box(dialog, r["other"]);
  if (!r["prefill"].isEmpty()) Box(dialog, r["prefill"].section('=', 0, 0))->setText(r["prefill"].section('=', 1));
  const QString plainTip = box->toolTip();
  box->setFocus(Qt::TabFocusReason);
  box->setText(r["bad"]);
  other->setFocus(Qt::TabFocusReason);
  seen.markedOnLeaving = NumberEntries::isMarked(box);
  seen.tipWhileMarked = box->toolTip();
  seen.framed = box->styleSheet().contains(QLatin1String("border"));
  if (r.yes("leaving") && !s.ui.messages.empty()) seen.messageOnLeaving = s.ui.messages.back().text;
  seen.messagesBeforeConfirm = s.ui.messages.size();
  Confirm(dialog, r["confirm"]);
  seen.refusedOpen = dialog->isVisible();
  seen.focusBack = QApplication::focusWidget() == box;
  seen.textAfterRefusal = s.text();
  box->setText(r["good"]);
  seen.clearedWhenCorrected = !NumberEntries::isMarked(box);
  seen.tipRestored = box->toolTip() == plainTip;
  Confirm(dialog, r["confirm"]);
}

}  // namespace

class EntriesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::processEvents(); }

  // Guards against a box that is not a number going through as its leading digits or as 0 (a block that looks right and
  // is wrong), a refusal that names another box or none, the focus left elsewhere, the mark not shown or not cleared
  // once the text is a number, and a corrected box still refused.
  void refusesUntilCorrected_data() { AddCases("entries_refused.txt"); }
  void refusesUntilCorrected() {
    const Case r = CurrentCase();
    Session s;
    const std::string before = s.text();
    Seen seen;
    if (r.yes("modal")) {
      ModalAnswer answer([&](QWidget* dialog) { Walk(dialog, r, s, seen); });
      s.main->runCommand(r["command"]);
      QVERIFY(answer.seen());
    } else {
      s.main->runCommand(r["command"]);
      QWidget* dialog = s.main->findChild<QWidget*>(r["form"]);
      QVERIFY(dialog);
      QPointer<QWidget> alive(dialog);
      Walk(dialog, r, s, seen);
      QTRY_VERIFY(!alive || !alive->isVisible() || s.text() != before);
    }
    const QString message = r["label"] + ": '" + r["bad"] + "' is not a number";
    QVERIFY(seen.active);
    QVERIFY(seen.markedOnLeaving);
    QCOMPARE(seen.tipWhileMarked, QStringLiteral("not a number"));
    QVERIFY(seen.framed);
    // A calculator says it as soon as it would calculate; the others on OK.
    if (r.yes("leaving")) QCOMPARE(seen.messageOnLeaving, message);
    QCOMPARE(seen.messagesBeforeConfirm, size_t(r.yes("leaving") ? 1 : 0));
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
    if (r["command"] != "ProcessSetup") QVERIFY(s.text() != before);
  }

  // Guards against boxes nobody can correct being judged (a hidden box of the command, the index position hidden with
  // Tallix, a box the tailstock choice disables), an empty box no longer meaning 0, and blanks around a number refused.
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
