// The program check in the editor: the Problems dock and its toggle, a double-click on a row, the gutter marks with
// their tool tips, the re-check after typing stops, and the machine parameters it reads.
#include <QTimer>

#include "EditorPtr.h"
#include "ui/check/CheckCommands.h"
#include "ui/check/DocumentCheck.h"
#include "ui/check/ProblemsDock.h"
#include "ui/documents/LineNumberGutter.h"

namespace {

struct Session : EditorSession {
  Session() : EditorSession(false) { start({}, true); }
  ProblemsDock* dock() const { return CheckProblemsDock(*main); }
  // "LINE MESSAGE [RULE]" per row.
  QStringList rows() const {
    QStringList rows;
    QTreeWidget* list = dock()->lstProblems;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list->topLevelItem(i);
      rows << item->text(1) + ' ' + item->text(2) + " [" + item->text(3) + ']';
    }
    return rows;
  }
};

}  // namespace

class TestCheck : public QObject {
  Q_OBJECT

 private slots:
  // Guards against the dock missing a finding or its severity icon, the menu's check mark disagreeing with the dock, a
  // double-click leaving the caret elsewhere than the finding's line and byte column, a gutter mark (and its tool tip)
  // missing on the error's line, and the mark or the row staying after the line was fixed, or the re-check coming later
  // than 200 ms after typing stops.
  void problemsDockFollowsTheProgram() {
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(s.main.get()));
    frmDocument* doc = s.document("NMAX G50 S2500\nNT05 G97 S1000\nN010 G01 X.1.26 Z-5\nNEND M30");
    QVERIFY(!s.dock()->isVisible());
    s.main->action("mnuViewProblems")->trigger();
    QVERIFY(s.dock()->isVisible());
    const QString bad = QStringLiteral("3 X.1.26 is not a number, a variable or a bracketed expression [bad-number]");
    QTRY_COMPARE(s.rows(), QStringList{bad});
    QVERIFY(!s.dock()->lstProblems->topLevelItem(0)->icon(0).isNull());

    QTreeWidget* list = s.dock()->lstProblems;
    const QPoint at = list->visualItemRect(list->topLevelItem(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(doc->txtText->textCursor().blockNumber(), 0);  // one click only selects the row
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(doc->txtText->textCursor().blockNumber(), 2);
    QCOMPARE(doc->txtText->textCursor().positionInBlock(), 9);

    const GutterMark* mark = doc->gutter->markOn(2);
    QVERIFY(mark && mark->error);
    QCOMPARE(mark->toolTip, QStringLiteral("X.1.26 is not a number, a variable or a bracketed expression"));
    QVERIFY(!doc->gutter->markOn(1));

    // Typing over the malformed number: still the old finding while typing, gone once it stops.
    auto* delay = DocumentCheck::of(doc)->findChild<QTimer*>("checkDelay");
    QVERIFY(delay->interval() <= 200);
    QTest::keyClick(doc->txtText, Qt::Key_Delete);
    QTest::keyClick(doc->txtText, Qt::Key_Delete);
    QVERIFY(delay->isActive());
    QCOMPARE(s.rows(), QStringList{bad});
    QTRY_VERIFY(s.rows().isEmpty());
    QVERIFY(!doc->gutter->markOn(2));

    s.dock()->toggleViewAction()->trigger();  // the dock's own close button: the menu follows
    QVERIFY(!s.main->action("mnuViewProblems")->isChecked());
  }

  // Guards against warnings marked as errors (or not marked), and against the check ignoring the machine's MaxS.
  void warningsAndMachineParameters() {
    Session s;
    s.main->workspace().machine.MaxS = 900;
    frmDocument* doc = s.document("NMAX G50 S2500\nNT05 G97 S1000\nNEND M30");
    DocumentCheck* check = DocumentCheck::of(doc);
    check->checkNow();
    const GutterMark* mark = doc->gutter->markOn(1);
    QVERIFY(mark && !mark->error);
    QCOMPARE(mark->toolTip, QStringLiteral("spindle speed S1000 above MaxS 900"));
    s.main->workspace().machine.MaxS = 2500;
    check->checkNow();
    QVERIFY(!doc->gutter->markOn(1));
  }
};

QTEST_MAIN(TestCheck)
#include "test_check.moc"
