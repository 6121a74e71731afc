// Crash recovery and files changed on disk, driven through the real main window.

#include "EditorPtr.h"
#include "test_process_support.h"

namespace {
// A session whose recovery copies go to its own folder without waiting (interval 0).
struct RecoverySession : EditorSession {
  explicit RecoverySession(const QString& folder = QString()) : EditorSession(false) {
    recoveryFolder = folder.isEmpty() ? path("recovery") : folder;
    store.set("Settings", "RecoveryInterval", "0");
    start();
  }
  QStringList copies() const { return QDir(recoveryFolder).entryList({"*.qrec"}, QDir::Files); }
  frmDocument* open(const QString& name, const QByteArray& bytes) {
    WriteFile(path(name), bytes);
    return main->OpenCheckedFile(path(name), false);
  }
};

}  // namespace

class TestRecovery : public QObject {
  Q_OBJECT
 private slots:
  // Guards against: typed text lost when the editor dies, a copy offered under the wrong name or as unchanged, and
  // Discard or a dismissed dialog deleting or keeping the wrong copies.
  void recoversAfterCrash_data() { AddCases("recovery_crash.txt"); }
  void recoversAfterCrash() {
    const Case row = CurrentCase();
    const QString file = row["file"], button = row["button"];
    const bool opened = row.yes("opened");
    const int copiesAfter = row.number("copies");
    RecoverySession s;
    frmDocument* doc = !file.isEmpty() ? s.open(file, "G00\r\n") : s.document("G00\n");
    QTest::keyClicks(doc->txtText, "X1");
    QTRY_COMPARE(s.copies().size(), 1);
    const QString firstCopy = s.copies().first();
    s.main.reset();  // no exit path: the windows die with their changes
    QCOMPARE(s.copies(), QStringList{firstCopy});
    QString listed;
    ModalAnswer answer([&](QWidget* dialog) {
      const QTreeWidgetItem* item = Child<QTreeWidget>(dialog, "lstRecovery")->topLevelItem(0);
      listed = item->text(0) + "|" + item->text(2);
      if (!button.isEmpty())
        Press(dialog, qPrintable(button));
      else
        static_cast<QDialog*>(dialog)->reject();
    });
    s.start();
    QCOMPARE(listed, (file.isEmpty() ? QString("Untitled") : file) + "|6 bytes");
    QCOMPARE(s.main->documents().size(), opened ? 1 : 0);
    QCOMPARE(s.copies().size(), copiesAfter);
    QCOMPARE(s.copies().contains(firstCopy), !opened && copiesAfter == 1);
    if (!opened) return;
    doc = s.main->ActiveDocument();
    QCOMPARE(Bytes(doc->text()), QString("X1G00\n"));
    QVERIFY(doc->DataChanged());
    QCOMPARE(doc->filePath(), file.isEmpty() ? QString() : s.path(file));
  }

  // Guards against: a copy outliving a save, a close with "No" or the exit, and another running editor's copies
  // offered.
  void copiesGoOnSaveCloseAndExit() {
    RecoverySession s;
    frmDocument* saved = s.open("A.MIN", "G00\r\n");
    s.document("G01\n");
    QTest::keyClicks(saved->txtText, "X");
    QTest::keyClicks(s.main->ActiveDocument()->txtText, "Y");
    QTRY_COMPARE(s.copies().size(), 2);
    ModalAnswer none([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    RecoverySession other(s.recoveryFolder);  // a second editor running beside: nothing to offer
    QVERIFY(!none.seen());
    QCOMPARE(s.copies().size(), 2);
    s.main->SaveDocumentFile(saved, s.path("A.MIN"));
    QCOMPARE(s.copies().size(), 1);
    s.ui.answers = {Answer::No};
    s.main->close();
    QCOMPARE(s.main->documents().size(), 0);
    QCOMPARE(s.copies().size(), 0);
  }

  // Guards against: another program's change going unnoticed or interrupting a changed document, a reload offered for
  // the editor's own save, and a changed document overwriting the other program's file without being told.
  void changeOnDisk_data() { AddCases("recovery_save.txt"); }
  void changeOnDisk() {
    const Case row = CurrentCase();
    const bool typed = !row["typed"].isEmpty();
    // The answer by name, in the order of Answer's values.
    const int answer = QStringList{"Yes", "No", "Cancel", "Ok", "Overwrite", "SaveAs"}.indexOf(row["answer"]);
    RecoverySession s;
    frmDocument* doc = s.open("A.MIN", "G00\r\n");
    QTest::keyClicks(doc->txtText, row["typed"]);
    s.ui.answers = {static_cast<Answer>(answer)};
    s.ui.saveAnswers = {ScriptedInteraction::pick(s.path("B.MIN"))};
    WriteFile(s.path("A.MIN"), "M02\r\n");
    if (typed) QTest::qWait(500);
    if (typed) QCOMPARE(s.ui.questions.size(), std::size_t(0));  // a changed document is not interrupted
    if (typed) s.run("mnuFileSave");
    QTRY_COMPARE(s.ui.questions.size(), std::size_t(1));
    QVERIFY(s.ui.questions[0].text.endsWith(row["question"]));
    QTRY_COMPARE(Bytes(doc->text()), row["text"]);
    QCOMPARE(ReadFile(s.path("A.MIN")), row["onDisk"].toLatin1());
    QCOMPARE(ReadFile(s.path("B.MIN")), row["savedAs"].toLatin1());
    QCOMPARE(doc->DataChanged(), row.yes("changed"));
    if (typed) return;  // still watched after the answer, and not asked about its own save
    if (row["answer"] == "Yes") QTest::keyClicks(doc->txtText, "X");
    if (row["answer"] == "Yes") QVERIFY(s.main->SaveDocumentFile(doc, s.path("A.MIN")));
    QTest::qWait(500);  // the watcher hears the save: no question follows
    QCOMPARE(s.ui.questions.size(), std::size_t(1));
    QFile::remove(s.path("A.MIN"));
    QTRY_VERIFY(doc->DataChanged());  // deleted on disk: closing asks first
  }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
