// The cutting-condition window: loading a material file without touching a document, editing cells under the number
// judge, saving back into the same file, reverting, and the file of the last run offered at start.
#include <QTableWidget>

#include "EditorPtr.h"
#include "test_process_support.h"
#include "ui/process/frmCuttingConditions.h"

namespace {

// The editor shown, over its own store; nothing opened.
struct Session : EditorSession {
  Session() : EditorSession(false) {}
  void start() { EditorSession::start({}, true); }
  // Through the toolbar button: the Tools menu waits for a document, the window does not.
  frmCuttingConditions* open() {
    main->toolbarAction(23)->trigger();
    return main->findChild<frmCuttingConditions*>("frmCuttingConditions");
  }
  QTableWidgetItem* cell(frmCuttingConditions* c, int row, int column) {
    return c->findChild<QTableWidget*>("Table")->item(row - 1, column - 1);
  }
  void press(frmCuttingConditions* c, const char* name) { c->findChild<QPushButton*>(name)->click(); }
};

// The text of row's record in a material file's bytes (rows counted after the two headings).
QByteArray Record(const QByteArray& bytes, int row) { return bytes.split('\n').value(1 + row); }

}  // namespace

class CuttingConditionsTest : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;

 private slots:
  // Guards against Open writing a second program frame (or anything) into a document, an edited speed not
  // reaching the process dialog after Save, a text in a number cell being kept, Save rewriting rows that
  // were not edited or writing another file, and Revert keeping the edits.
  void openEditSaveAndPrefill() {
    const QString file = m_dir.filePath("S45C.CSV");
    QFile::remove(file);
    QVERIFY(QFile::copy(TestData("../data/ cutting  condition /S45C.CSV"), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray original = ReadFile(file);
    Session s;
    s.start();
    frmCuttingConditions* c = s.open();
    QVERIFY(c && c->isVisible());
    QCOMPARE(c->findChild<QTableWidget*>("Table")->rowCount(), 34);
    QCOMPARE(c->findChild<QTableWidget*>("Table")->horizontalHeaderItem(5)->text(), QStringLiteral("Speed V (m/min)"));
    QCOMPARE(c->findChild<QTableWidget*>("Table")->verticalHeaderItem(4)->toolTip(), QStringLiteral("Rough > O.D."));
    s.ui.openAnswers.push_back(ScriptedInteraction::pick(file));
    s.press(c, "Open");
    QCOMPARE(s.ui.openFilters.back(), QStringLiteral("CSV Files(*.csv)|*.csv|All Files(*.*)|*.*"));
    QVERIFY(s.main->documents().isEmpty());
    QCOMPARE(s.ws().machine.CsvFileName, file.toStdString());
    const QString speed = s.cell(c, 5, 6)->text();
    QVERIFY(!speed.isEmpty());
    QCOMPARE(s.ws().conditions.cell(5, 6), speed.toStdString());

    // A text in a number column and an empty spindle option are refused, the cell keeps its value.
    const QString feed = s.cell(c, 5, 7)->text();
    s.cell(c, 5, 7)->setText("fast");
    QCOMPARE(s.cell(c, 5, 7)->text(), feed);
    QCOMPARE(s.ui.messages.back().text, QStringLiteral("Row 5 Feed F: 'fast' is not a number"));
    s.cell(c, 5, 4)->setText("");
    QCOMPARE(s.cell(c, 5, 4)->text(), QStringLiteral("0"));
    QCOMPARE(s.ui.messages.size(), size_t(2));
    QVERIFY(!c->edited());

    // Revert drops an edit; Save writes the next one into the same file, the other rows byte for byte.
    s.cell(c, 5, 6)->setText("999");
    QVERIFY(c->edited());
    s.press(c, "Revert");
    QCOMPARE(s.cell(c, 5, 6)->text(), speed);
    QVERIFY(!c->edited());
    s.cell(c, 5, 6)->setText("175");
    QCOMPARE(s.ws().conditions.cell(5, 6), speed.toStdString());  // not in use before Save
    s.press(c, "Save");
    QCOMPARE(s.ui.messages.size(), size_t(2));
    const QByteArray saved = ReadFile(file);
    QCOMPARE(saved.count('\n'), original.count('\n'));
    for (int row = -1; row <= 34; ++row)
      if (row != 5) QCOMPARE(Record(saved, row), Record(original, row));
    QList<QByteArray> fields = Record(original, 5).split(',');
    fields[5] = "175";
    QCOMPARE(Record(saved, 5), fields.join(','));
    QVERIFY(!c->edited());
    c->close();

    // A later run reads the saved file; the process dialog starts from the new speed.
    Session again;
    again.store.set("Parameter", "CsvFileName", file.toStdString());
    again.start();
    frmCuttingConditions* reopened = again.open();
    QVERIFY(reopened->findChild<QPushButton*>("Load")->isVisible());
    QVERIFY(reopened->findChild<QLabel*>("Offer")->text().endsWith(file));
    QVERIFY(!again.ws().conditions.loaded());  // offered, not read
    again.press(reopened, "Load");
    QCOMPARE(again.cell(reopened, 5, 6)->text(), QStringLiteral("175"));
    reopened->close();
    again.main->runCommand("mnuFileNew");
    QString prefilled;
    ModalAnswer answer([&](QWidget* dialog) {
      prefilled = dialog->findChild<QLineEdit*>("V")->text();
      qobject_cast<QDialog*>(dialog)->reject();
    });
    again.main->runCommand("ProcessRoughOD");
    QVERIFY(answer.seen());
    QCOMPARE(prefilled, QStringLiteral("175"));
    QCOMPARE(again.main->ActiveDocument()->text(), std::string());
  }

  // Guards against a file that does not load replacing the table in use or the remembered name, and a failed save
  // reported as success or losing the edit.
  void refusedLoadsAndSaves_data() { AddCases("cutting_refused.txt"); }
  void refusedLoadsAndSaves() {
    const Case row = CurrentCase();
    const QByteArray bytes = row["bytes"].toLatin1();
    const bool readOnlyFolder = row.yes("readOnlyFolder");
    const QString file = readOnlyFolder ? "/proc/self/quillon.csv" : m_dir.filePath("bad.csv");
    QFile::remove(m_dir.filePath("bad.csv"));
    if (!bytes.isEmpty() && !readOnlyFolder) WriteFile(file, bytes);
    Session s;
    s.start();
    s.ws().machine.CsvFileName = "/old/S45C.CSV";
    frmCuttingConditions* c = s.open();
    if (readOnlyFolder) {
      // Loaded from a good copy, then pointed at a place nobody can write.
      const QString good = m_dir.filePath("good.csv");
      WriteFile(good, bytes);
      QVERIFY(c->loadFile(good));
      QVERIFY(QFile::remove(good));
      QVERIFY(QDir().mkpath(m_dir.filePath("good.csv")));  // a folder where the file was: it cannot be replaced
      s.cell(c, 1, 6)->setText("5");
      s.press(c, "Save");
      QCOMPARE(s.ui.messages.size(), size_t(1));
      QVERIFY2(s.ui.messages[0].text.startsWith("Can not save.\n"), qPrintable(s.ui.messages[0].text));
      QVERIFY(c->edited());
      QCOMPARE(s.ws().conditions.cell(1, 6), std::string("2"));
      s.ui.answers = {Answer::No};
      c->close();
      QVERIFY(QDir().rmdir(m_dir.filePath("good.csv")));
      return;
    }
    s.ui.openAnswers.push_back(ScriptedInteraction::pick(file));
    s.press(c, "Open");
    QCOMPARE(s.ui.messages.size(), size_t(1));
    QVERIFY(!s.ws().conditions.loaded());
    QCOMPARE(s.ws().machine.CsvFileName, std::string("/old/S45C.CSV"));
    QVERIFY(!s.cell(c, 1, 1)->tableWidget()->isEnabled());
  }
};

QTEST_MAIN(CuttingConditionsTest)
#include "test_cutting_conditions.moc"
