// Editing through the real main window offscreen: insertion at the caret,
// clipboard and the document's undo history, the Insert menu, every template
// item, arrangement after a close, the printer settings, the screen font, and
// a real listing printed into a PDF file.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "EditingCommands.h"
#include "PrintSetting.h"
#include "Printing.h"
#include "ScriptedInteraction.h"
#include "frmDocument.h"
#include "frmMain.h"

namespace {

// One main window over a temporary application folder (no Comment.txt unless
// a test puts one there).
struct Session {
  QTemporaryDir tmp;
  quillon::MemorySettingsStore store;
  ScriptedInteraction ui;
  std::unique_ptr<frmMain> main;

  Session() {
    QDir().mkpath(appFolder());
    main = std::make_unique<frmMain>(store, ui,
                                     quillon::SettingPlaces{appFolder().toStdString(), tmp.path().toStdString()});
    main->load(QString());
  }
  QString appFolder() const { return tmp.path() + "/app"; }
  void run(const QString& control, int index = 0) {
    QAction* act = main->action(control, index);
    QVERIFY2(act, qPrintable(control));
    act->trigger();
  }
  // A new document holding text (no undo history) with the given selection.
  frmDocument* document(const std::string& text = std::string(), int start = 0, int length = 0) {
    main->action("mnuFileNew")->trigger();
    frmDocument* doc = main->ActiveDocument();
    if (!doc) return nullptr;
    doc->loadText(text);
    doc->setDataChanged(false);
    doc->setSelection(start, length);
    return doc;
  }
  bool enabled(const QString& control) const { return main->action(control)->isEnabled(); }
};

QString Bytes(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

int PdfPageCount(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = f.readAll();
  // Each page object says "/Type /Page"; the page tree says "/Type /Pages".
  static const QRegularExpression kPage(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
  return static_cast<int>(QString::fromLatin1(bytes).count(kPage));
}

// A program of 150 numbered blocks: three pages in one column on A4.
std::string LongProgram() {
  std::string text;
  for (int i = 1; i <= 150; ++i) {
    char line[96];
    std::snprintf(line, sizeof line, "N%04d G01 X%d.5 Z-%d.25 F0.15 (BLOCK %d OF THE LISTING TEST)\n", i, 100 - i % 50,
                  i, i);
    text += line;
  }
  return text;
}

}  // namespace

class TestEditing : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ResetEditingPlatformHooks();
    EditingPlatformHooks().today = [] { return quillon::CalendarDate{2004, 7, 17}; };
    EditingPlatformHooks().hasPrinter = [] { return false; };
    EditingPlatformHooks().chooseFont = [](QWidget*, const QFont&) { return std::optional<QFont>(); };
    EditingPlatformHooks().choosePrinterOrientation = [](QWidget*, int) { return std::optional<int>(); };
  }
  void cleanup() { ResetEditingPlatformHooks(); }

  // Guards against insertion that keeps the selection, adds or drops line
  // ends, or leaves the caret anywhere but after the text.
  void insertionAtCaret_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caret");
    // "N001 G00 X10": "G00" is at 5..8; " M08" replaces it, caret 5 + 4 = 9.
    QTest::newRow("selection replaced") << "N001 G00 X10\n"
                                        << 5 << 3 << "McodeCoolantStanderdOn"
                                        << "N001  M08 X10\n"
                                        << 9;
    // Caret at the end of the block line (12): the M code extends that line.
    QTest::newRow("appended to line") << "N001 G00 X10\n"
                                      << 12 << 0 << "McodeCoolantStanderdOn"
                                      << "N001 G00 X10 M08\n"
                                      << 16;
    // The G71 line and its line end on an empty line: caret at the next line's start (19).
    QTest::newRow("line end kept") << "\nN002" << 0 << 0 << "GcodeG71"
                                   << "N000 G71 X Z H D F\n\nN002" << 19;
    // Two lines of the date item inserted mid-text: "DATE : 2004.07.17\n" is 18 characters.
    QTest::newRow("multi-line at caret") << "AB" << 1 << 0 << "mnuInsertDate"
                                         << "ADATE : 2004.07.17\nB" << 19;
  }
  void insertionAtCaret() {
    QFETCH(QString, before);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, control);
    QFETCH(QString, after);
    QFETCH(int, caret);
    Session s;
    frmDocument* doc = s.document(before.toStdString(), start, length);
    QVERIFY(doc);
    s.run(control);
    QCOMPARE(Bytes(doc->text()), after);
    QCOMPARE(doc->selStart(), caret);
    QCOMPARE(doc->selLength(), 0);
    QVERIFY(doc->DataChanged());
    QVERIFY(s.ui.messages.empty());
  }

  void insertNcTextKeepsMultiLineTextExactly() {
    Session s;
    frmDocument* doc = s.document("X\n", 0, 0);
    QVERIFY(s.main->InsertNcText("N001 G00\n\tN002\n\n"));
    QCOMPARE(Bytes(doc->text()), QString("N001 G00\n\tN002\n\nX\n"));
    QCOMPARE(doc->selStart(), 16);
  }

  // Guards against a command without a document inserting somewhere or failing silently.
  void noDocumentWarns_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::newRow("template") << "GcodeG71" << 0;
    QTest::newRow("template array") << "mnuGcodeRask" << 2;
    QTest::newRow("date") << "mnuInsertDate" << 0;
  }
  void noDocumentWarns() {
    QFETCH(QString, control);
    QFETCH(int, index);
    Session s;
    QVERIFY(!s.main->ActiveDocument());
    s.run(control, index);
    QCOMPARE(s.ui.messages.size(), std::size_t{1});
    QCOMPARE(s.ui.messages[0].title, QString(" 91 error "));
    QCOMPARE(s.ui.messages[0].text, QString("Not file open. Can not insert."));
    QCOMPARE(s.ui.messages[0].icon, MessageIcon::Warning);
  }

  // Guards against the old one-level undo: cut text coming back at the caret,
  // undo after paste deleting a later selection, and generated blocks taking
  // several steps to undo. Each edit is one step of the document's history.
  void undoRedo_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("edited");
    // "N001 G00 X100 Z5": "X100" is at 9..13.
    QTest::newRow("cut") << "cut"
                         << "N001 G00  Z5\n";
    QTest::newRow("paste") << "paste"
                           << "N001 G00 X100 Z5\nM08";
    QTest::newRow("generated block") << "block"
                                     << "N001 G00 X100 Z5\nN000 G85 NAP1 D U W F\n";
    QTest::newRow("typing") << "type"
                            << "N001 G00 X100 Z5\nT";
  }
  void undoRedo() {
    QFETCH(QString, edit);
    QFETCH(QString, edited);
    const QString original = "N001 G00 X100 Z5\n";
    Session s;
    frmDocument* doc = s.document(original.toStdString(), 17, 0);
    QVERIFY(doc);
    QVERIFY(!s.enabled("mnuEditUndo"));
    QVERIFY(!s.enabled("mnuEditRedo"));
    if (edit == "cut") {
      doc->setSelection(9, 4);
      s.run("mnuEditCut");
      QCOMPARE(QGuiApplication::clipboard()->text(), QString("X100"));
      doc->setSelection(17, 0);  // the caret moves away before the undo
    } else if (edit == "paste") {
      QGuiApplication::clipboard()->setText("M08");
      s.run("mnuEditPaste");
      doc->setSelection(0, 4);  // a later selection must survive the undo
    } else if (edit == "block") {
      s.run("mnuGcodeRask", 1);
    } else {
      QTest::keyClicks(doc->txtText, "T");
    }
    QCOMPARE(Bytes(doc->text()), edited);
    QVERIFY(s.enabled("mnuEditUndo"));
    QVERIFY(!s.enabled("mnuEditRedo"));

    s.run("mnuEditUndo");
    QCOMPARE(Bytes(doc->text()), original);
    QVERIFY(!s.enabled("mnuEditUndo"));
    QVERIFY(s.enabled("mnuEditRedo"));

    s.run("mnuEditRedo");
    QCOMPARE(Bytes(doc->text()), edited);
    QVERIFY(s.enabled("mnuEditUndo"));
    QVERIFY(!s.enabled("mnuEditRedo"));
  }

  void pasteKeyGoesThroughTheCommand_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Ctrl+V lone CR") << int(Qt::Key_V) << int(Qt::ControlModifier) << "A\rB" << "N001A\rB\n";
    QTest::newRow("Shift+Insert lone CR") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "A\rB"
                                          << "N001A\rB\n";
    // Another program's CR LF is one line end inside the program.
    QTest::newRow("Ctrl+V CR LF") << int(Qt::Key_V) << int(Qt::ControlModifier) << "A\r\nB" << "N001A\nB\n";
  }
  // Guards against a paste key bypassing the program's insertion: a lone
  // CR must stay a byte of the line, not become a line break.
  void pasteKeyGoesThroughTheCommand() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    Session s;
    s.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.main.get()));
    frmDocument* doc = s.document("N001\n", 4, 0);
    doc->txtText->setFocus();
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(doc->txtText, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(Bytes(doc->text()), expected);
    QCOMPARE(doc->selStart(), 4 + int(expected.size()) - 5);
    QTest::keySequence(doc->txtText, QKeySequence::Undo);
    QCOMPARE(Bytes(doc->text()), QString("N001\n"));
  }

  // Guards against an edit rewriting a CR that stands right before a line end
  // (a "CR CR LF" file): the tools write whole texts back through this path.
  void editKeepsACrBeforeALineEnd() {
    Session s;
    frmDocument* doc = s.document("A\r\nB\n", 0, 0);
    const std::string text = doc->text();
    QCOMPARE(text, std::string("A\r\nB\n"));
    doc->replaceRange(0, int(ProgramTextToQt(text).size()), text + "C", 0);
    QCOMPARE(doc->text(), std::string("A\r\nB\nC"));
  }

  void undoStepsBackThroughSeveralEdits() {
    Session s;
    frmDocument* doc = s.document("N001\n", 5, 0);
    s.run("GcodeG28");                // "N001\nN000 G28\n"
    s.run("McodeCoolantStanderdOn");  // "N001\nN000 G28\n M08"
    doc->setSelection(0, 4);
    s.run("mnuEditCut");  // "\nN000 G28\n M08"
    QCOMPARE(Bytes(doc->text()), QString("\nN000 G28\n M08"));
    s.run("mnuEditUndo");
    QCOMPARE(Bytes(doc->text()), QString("N001\nN000 G28\n M08"));
    s.run("mnuEditUndo");
    QCOMPARE(Bytes(doc->text()), QString("N001\nN000 G28\n"));
    s.run("mnuEditUndo");
    QCOMPARE(Bytes(doc->text()), QString("N001\n"));
    QVERIFY(!s.enabled("mnuEditUndo"));
  }

  void undoFollowsTheActiveDocument() {
    Session s;
    frmDocument* first = s.document("A", 1, 0);
    s.run("McodeSpindleM03");
    QVERIFY(s.enabled("mnuEditUndo"));
    frmDocument* second = s.document("B", 1, 0);
    QVERIFY(second != first);
    QVERIFY(!s.enabled("mnuEditUndo"));
    s.main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    QCOMPARE(s.main->ActiveDocument(), first);
    QVERIFY(s.enabled("mnuEditUndo"));
  }

  // Guards against a template text or line end differing from the controller's
  // skeleton, and against array items choosing their text by position.
  void templateItems_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("GcodeSpindleMain") << "GcodeSpindleMain" << 0 << QString("G140\n");
    QTest::newRow("GcodeSpindleSubL") << "GcodeSpindleSubL" << 0 << QString("G141\n");
    QTest::newRow("GcodeSpindleSubUp") << "GcodeSpindleSubUp" << 0 << QString("G142\n");
    QTest::newRow("GcodeG04") << "GcodeG04" << 0 << QString("G04 F");
    QTest::newRow("GcodeHomeG21") << "GcodeHomeG21" << 0 << QString("N000 G21 HP=");
    QTest::newRow("GcodeHomeG20") << "GcodeHomeG20" << 0 << QString("N000 G20 HP=");
    QTest::newRow("GcodeG29") << "GcodeG29" << 0 << QString("N000 G29 PW=");
    QTest::newRow("GcodeG22") << "GcodeG22" << 0 << QString("N000 G22 W D L PW=\n");
    QTest::newRow("GcodeG28") << "GcodeG28" << 0 << QString("N000 G28\n");
    QTest::newRow("GcodeG32") << "GcodeG32" << 0 << QString("N000 G32 X Z F\n");
    QTest::newRow("GcodeG72") << "GcodeG72" << 0 << QString("N000 G72 X Z H D F\n");
    QTest::newRow("GcodeG31") << "GcodeG31" << 0 << QString("N000 G31 X Z F\n");
    QTest::newRow("GcodeG71") << "GcodeG71" << 0 << QString("N000 G71 X Z H D F\n");
    QTest::newRow("GcodeG34") << "GcodeG34" << 0 << QString("N000 G34 X Z F\n");
    QTest::newRow("GcodeG96") << "GcodeG96" << 0 << QString("G96 S");
    QTest::newRow("GcodeG97") << "GcodeG97" << 0 << QString("G97 S");
    QTest::newRow("GcodeG110") << "GcodeG110" << 0 << QString("G110 G96 S");
    QTest::newRow("GcodeG111") << "GcodeG111" << 0 << QString("G111 G96 S");
    QTest::newRow("GcodeG75") << "GcodeG75" << 0 << QString("G75 L");
    QTest::newRow("GcodeG76") << "GcodeG76" << 0 << QString("G76 L");
    QTest::newRow("GcodeTailstock") << "GcodeTailstock" << 0 << QString("N000 G152 W");
    QTest::newRow("GcodeG77") << "GcodeG77" << 0 << QString("N000 G77 X Z K F\n");
    QTest::newRow("GcodeG78") << "GcodeG78" << 0 << QString("N000 G78 X Z K F\n");
    QTest::newRow("mnuGcode(13)") << "mnuGcode" << 13 << QString("G13\n");
    QTest::newRow("mnuGcode(14)") << "mnuGcode" << 14 << QString("G14\n");
    QTest::newRow("mnuGcodeComp(1)") << "mnuGcodeComp" << 1 << QString(" G41");
    QTest::newRow("mnuGcodeComp(2)") << "mnuGcodeComp" << 2 << QString(" G42");
    QTest::newRow("mnuGcodeComp(3)") << "mnuGcodeComp" << 3 << QString(" G40");
    QTest::newRow("mnuGcodeComp(4)") << "mnuGcodeComp" << 4 << QString(" G18");
    QTest::newRow("mnuGcodeComp(5)") << "mnuGcodeComp" << 5 << QString(" G17");
    QTest::newRow("mnuGcodeComp(6)") << "mnuGcodeComp" << 6 << QString(" G19");
    QTest::newRow("mnuGcodeRask(1)") << "mnuGcodeRask" << 1 << QString("N000 G85 NAP1 D U W F\n");
    QTest::newRow("mnuGcodeRask(2)") << "mnuGcodeRask" << 2 << QString("$    G84 XA= DA= FA= XB= DB= FB=\n");
    QTest::newRow("mnuGcodeRask(3)") << "mnuGcodeRask" << 3 << QString("N000 G87 NAP1 (U W)\n");
    QTest::newRow("mnuGcodeRask(4)") << "mnuGcodeRask" << 4 << QString("N000 G86 NAP1 D U W F\n");
    QTest::newRow("mnuGcodeRask(5)") << "mnuGcodeRask" << 5 << QString("N000 G88 NAP1 D H F\n");
    QTest::newRow("mnuGcodeRask(6)") << "mnuGcodeRask" << 6 << QString("NAP1 G81\n");
    QTest::newRow("mnuGcodeRask(7)") << "mnuGcodeRask" << 7 << QString("NAP1 G82\n");
    QTest::newRow("mnuGcodeRask(8)") << "mnuGcodeRask" << 8 << QString("NAP1 G83\n");
    QTest::newRow("mnuGcodeRask(9)") << "mnuGcodeRask" << 9 << QString("N000 G80\n");
    QTest::newRow("mnuGcodeMap(1)") << "mnuGcodeMap" << 1 << QString("N000 G181 C X Z I K F Q\n");
    QTest::newRow("mnuGcodeMap(2)") << "mnuGcodeMap" << 2 << QString("N000 G183 C X Z I K F E Q\n");
    QTest::newRow("mnuGcodeMap(3)") << "mnuGcodeMap" << 3 << QString("N000 G178 C X Z I K F Q\n");
    QTest::newRow("mnuGcodeMap(4)") << "mnuGcodeMap" << 4 << QString("N000 G179 C X Z I K F Q\n");
    QTest::newRow("mnuGcodeMap(5)") << "mnuGcodeMap" << 5 << QString("N000 G184 C X Z I K F Q\n");
    QTest::newRow("mnuGcodeMap(6)") << "mnuGcodeMap" << 6 << QString("N000 G190 C X Z I D E F Q\n");
    QTest::newRow("mnuGcodeMap(7)") << "mnuGcodeMap" << 7 << QString("N000 G191 C X Z K D E F Q\n");
    QTest::newRow("mnuGcodeMap(8)") << "mnuGcodeMap" << 8 << QString("N000 G185 C X Z I K F SA=\n");
    QTest::newRow("mnuGcodeMap(9)") << "mnuGcodeMap" << 9 << QString("N000 G186 C X Z I K F SA=\n");
    QTest::newRow("mnuGcodeMap(10)") << "mnuGcodeMap" << 10 << QString("N000 G187 C X Z I K F SA=\n");
    QTest::newRow("mnuGcodeMap(11)") << "mnuGcodeMap" << 11 << QString("N000 G188 C X Z I K F SA=\n");
    QTest::newRow("mnuGcodeMap(12)") << "mnuGcodeMap" << 12 << QString("N000 G189 C X Z I K F E Q\n");
    QTest::newRow("mnuGcodeMap(13)") << "mnuGcodeMap" << 13 << QString("N000 G182 C X Z I K F Q\n");
    QTest::newRow("mnuGcodeMap(14)") << "mnuGcodeMap" << 14 << QString("N000 G180\n");
    QTest::newRow("McodeDoorFrontOpen") << "McodeDoorFrontOpen" << 0 << QString(" M91");
    QTest::newRow("McodeDoorFrontClose") << "McodeDoorFrontClose" << 0 << QString(" M90");
    QTest::newRow("McodeDoorCeilingOpen") << "McodeDoorCeilingOpen" << 0 << QString(" M291");
    QTest::newRow("McodeDoorCeilingClose") << "McodeDoorCeilingClose" << 0 << QString(" M290");
    QTest::newRow("McodeCoolantStanderdOn") << "McodeCoolantStanderdOn" << 0 << QString(" M08");
    QTest::newRow("McodeCoolantStanderdOff") << "McodeCoolantStanderdOff" << 0 << QString(" M09");
    QTest::newRow("McodeCoolantHipressOn") << "McodeCoolantHipressOn" << 0 << QString(" M145");
    QTest::newRow("McodeCoolantHipressOff") << "McodeCoolantHipressOff" << 0 << QString(" M144");
    QTest::newRow("McodeCoolantHipress2On") << "McodeCoolantHipress2On" << 0 << QString(" M175");
    QTest::newRow("McodeCoolantHipress2Off") << "McodeCoolantHipress2Off" << 0 << QString(" M174");
    QTest::newRow("McodeAirblowChuckOn") << "McodeAirblowChuckOn" << 0 << QString(" M89");
    QTest::newRow("McodeAirblowChuckOff") << "McodeAirblowChuckOff" << 0 << QString(" M88");
    QTest::newRow("McodeAirblowWorksensorOn") << "McodeAirblowWorksensorOn" << 0 << QString(" M155");
    QTest::newRow("McodeAirblowWorksensorOff") << "McodeAirblowWorksensorOff" << 0 << QString(" M154");
    QTest::newRow("McodeAirblowTouchsensorOn") << "McodeAirblowTouchsensorOn" << 0 << QString(" M127");
    QTest::newRow("McodeAirblowTouchsensorOff") << "McodeAirblowTouchsensorOff" << 0 << QString(" M126");
    QTest::newRow("McodeAirblowAdditionalOn") << "McodeAirblowAdditionalOn" << 0 << QString(" M51");
    QTest::newRow("McodeAirblowAdditionalOff") << "McodeAirblowAdditionalOff" << 0 << QString(" M50");
    QTest::newRow("McodeChuckMainClose") << "McodeChuckMainClose" << 0 << QString(" M83");
    QTest::newRow("McodeChuckMainOpen") << "McodeChuckMainOpen" << 0 << QString(" M84");
    QTest::newRow("McodeChuckSubClose") << "McodeChuckSubClose" << 0 << QString(" M249");
    QTest::newRow("McodeChuckSubOpen") << "McodeChuckSubOpen" << 0 << QString(" M248");
    QTest::newRow("McodeChuckInterlockMainOn") << "McodeChuckInterlockMainOn" << 0 << QString(" M185");
    QTest::newRow("McodeChuckInterlockMainOff") << "McodeChuckInterlockMainOff" << 0 << QString(" M184");
    QTest::newRow("McodeChuckInterlockSubOn") << "McodeChuckInterlockSubOn" << 0 << QString(" M247");
    QTest::newRow("McodeChuckInterlockSubOff") << "McodeChuckInterlockSubOff" << 0 << QString(" M246");
    QTest::newRow("McodeChuckPressureHigh") << "McodeChuckPressureHigh" << 0 << QString(" M59");
    QTest::newRow("McodeChuckPressureLow") << "McodeChuckPressureLow" << 0 << QString(" M58");
    QTest::newRow("McodeChuckBarrierOn") << "McodeChuckBarrierOn" << 0 << QString(" M25");
    QTest::newRow("McodeChuckBarrierOff") << "McodeChuckBarrierOff" << 0 << QString(" M24");
    QTest::newRow("McodeChuckMissOn") << "McodeChuckMissOn" << 0 << QString(" M133");
    QTest::newRow("McodeChuckMissOff") << "McodeChuckMissOff" << 0 << QString(" M132");
    QTest::newRow("McodeChuckMissAirOn") << "McodeChuckMissAirOn" << 0 << QString(" M131");
    QTest::newRow("McodeChuckMissAirOff") << "McodeChuckMissAirOff" << 0 << QString(" M130");
    QTest::newRow("McodeTailstockAddvance") << "McodeTailstockAddvance" << 0 << QString(" M56");
    QTest::newRow("McodeTailstockRetract") << "McodeTailstockRetract" << 0 << QString(" M55");
    QTest::newRow("McodeTailstockInterlockOn") << "McodeTailstockInterlockOn" << 0 << QString(" M157");
    QTest::newRow("McodeTailstockInterlockOff") << "McodeTailstockInterlockOff" << 0 << QString(" M156");
    QTest::newRow("McodeSpindleM03") << "McodeSpindleM03" << 0 << QString(" M03 M63");
    QTest::newRow("McodeSpindleM04") << "McodeSpindleM04" << 0 << QString(" M04 M63");
    QTest::newRow("McodeSpindleM05") << "McodeSpindleM05" << 0 << QString(" M05 M63");
    QTest::newRow("McodeSpindleM19") << "McodeSpindleM19" << 0 << QString(" M19 M63");
    QTest::newRow("McodeCaxisJointM110") << "McodeCaxisJointM110" << 0 << QString(" M110");
    QTest::newRow("McodeCaxisJointM109") << "McodeCaxisJointM109" << 0 << QString(" M109");
    QTest::newRow("McodeCaxisBrakeM147") << "McodeCaxisBrakeM147" << 0 << QString(" M147");
    QTest::newRow("McodeCaxisBrakeM146") << "McodeCaxisBrakeM146" << 0 << QString(" M146");
    QTest::newRow("McodeCaxisPositioningM15") << "McodeCaxisPositioningM15" << 0 << QString(" M15");
    QTest::newRow("McodeCaxisPositioningM16") << "McodeCaxisPositioningM16" << 0 << QString(" M16");
    QTest::newRow("McodeCaxisInterlockM153") << "McodeCaxisInterlockM153" << 0 << QString(" M153");
    QTest::newRow("McodeCaxisInterlockM152") << "McodeCaxisInterlockM152" << 0 << QString(" M152");
    QTest::newRow("McodeMspindleM13") << "McodeMspindleM13" << 0 << QString(" M13 M63");
    QTest::newRow("McodeMspindleM14") << "McodeMspindleM14" << 0 << QString(" M14 M63");
    QTest::newRow("McodeMspindleM12") << "McodeMspindleM12" << 0 << QString(" M12 M63");
    QTest::newRow("McodeMspindleM229") << "McodeMspindleM229" << 0 << QString(" M229 M63");
  }
  void templateItems() {
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QString, text);
    Session s;
    // Caret between "A" and "B": nothing is added before or after the template.
    frmDocument* doc = s.document("AB", 1, 0);
    QVERIFY(doc);
    s.run(control, index);
    QCOMPARE(Bytes(doc->text()), "A" + text + "B");
    QCOMPARE(doc->selStart(), 1 + static_cast<int>(text.size()));
    QVERIFY(s.ui.messages.empty());
  }

  // Guards against the date item using the clock instead of the date given,
  // or losing the leading zeros.
  void insertDate() {
    Session s;
    EditingPlatformHooks().today = [] { return quillon::CalendarDate{2004, 2, 1}; };
    frmDocument* doc = s.document();
    s.run("mnuInsertDate");
    QCOMPARE(Bytes(doc->text()), QString("DATE : 2004.02.01\n"));
  }

  // Guards against the size rule being off by one, the folder not being
  // remembered, and line ends of the file leaking into the document.
  void insertSubProgram_data() {
    QTest::addColumn<int>("size");  // bytes of the file; -1: the file does not exist; 0: cancelled
    QTest::addColumn<bool>("inserted");
    QTest::addColumn<QString>("message");
    QTest::newRow("65000 bytes inserted") << 65000 << true << QString();
    QTest::newRow("65001 bytes refused") << 65001 << false
                                         << " this  file は size が big きすぎるため Open ことが can not do  . ";
    QTest::newRow("missing file") << -1 << false << "%1  file が Open けません.";
    QTest::newRow("cancelled") << 0 << false << QString();
  }
  void insertSubProgram() {
    QFETCH(int, size);
    QFETCH(bool, inserted);
    QFETCH(QString, message);
    Session s;
    s.main->appSettings().InsertPathName = "/start/folder";
    frmDocument* doc = s.document("X", 0, 0);
    const QString folder = s.tmp.path() + "/subs";
    QDir().mkpath(folder);
    const QString path = folder + "/O9000.ssb";
    // size - 2 bytes of "A" and one CR LF.
    if (size > 0) WriteFile(path, QByteArray(size - 2, 'A') + "\r\n");
    if (size != 0) s.ui.openAnswers.push_back(ScriptedInteraction::pick(path));

    s.run("mnuInsertFile");
    QCOMPARE(s.ui.openStartFolders.size(), std::size_t{1});
    QCOMPARE(s.ui.openStartFolders[0], QString("/start/folder"));
    QCOMPARE(s.ui.openFilters[0], QString("All Files (*.*)|*.*|LIB File (*.lib)|*.lib|System Sub (*.ssb)|*.ssb"));
    QCOMPARE(QString::fromStdString(s.main->appSettings().InsertPathName),
             size == 0 ? QString("/start/folder") : folder);
    if (inserted) {
      QCOMPARE(Bytes(doc->text()), QString(size - 2, 'A') + "\nX");
      QCOMPARE(doc->selStart(), size - 1);
    } else {
      QCOMPARE(Bytes(doc->text()), QString("X"));
    }
    if (message.isEmpty()) {
      QVERIFY(s.ui.messages.empty());
    } else {
      QCOMPARE(s.ui.messages.size(), std::size_t{1});
      QCOMPARE(s.ui.messages[0].text, message.contains("%1") ? message.arg(path) : message);
    }
  }

  // Guards against writing into the application folder and against the
  // shipped comment being inserted with its file's line ends.
  void fixComment_data() {
    QTest::addColumn<bool>("present");
    QTest::newRow("shipped comment") << true;
    QTest::newRow("missing file") << false;
  }
  void fixComment() {
    QFETCH(bool, present);
    Session s;
    const QString shipped = qEnvironmentVariable("QUILLON_APP_DIR") + "/Comment.txt";
    const QString target = s.appFolder() + "/Comment.txt";
    QByteArray expected;
    if (present) {
      QVERIFY(QFile::copy(shipped, target));
      QFile f(shipped);
      QVERIFY(f.open(QIODevice::ReadOnly));
      expected = f.readAll().replace("\r\n", "\n");
      QVERIFY(expected.startsWith("("));
    }
    frmDocument* doc = s.document("N001\n", 0, 0);
    s.run("mnuInsertComment");
    QCOMPARE(Bytes(doc->text()), QString::fromLatin1(expected) + "N001\n");
    QCOMPARE(QFileInfo::exists(target), present);
    QVERIFY(s.ui.messages.empty());
  }

  // Guards against windows keeping their old places after a close.
  void arrangementAfterCloseWithThreeDocuments() {
    Session s;
    s.main->resize(900, 700);
    s.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.main.get()));
    s.document();
    frmDocument* middle = s.document();
    s.document();
    QVERIFY(s.main->action("mnuWindowTileVertical")->isChecked());
    s.main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(middle->parentWidget()));
    s.run("mnuFileClose");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();

    QList<QMdiSubWindow*> left;
    for (QMdiSubWindow* w : s.main->mdiArea()->subWindowList(QMdiArea::CreationOrder))
      if (w->isVisible()) left << w;
    QCOMPARE(left.size(), 2);
    const QRect area = s.main->mdiArea()->viewport()->rect();
    // Vertical tiling: two columns side by side, each the full height.
    QCOMPARE(left[0]->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    QCOMPARE(left[1]->geometry(), QRect(area.width() / 2, 0, area.width() - area.width() / 2, area.height()));

    s.run("mnuWindowCascade");
    QVERIFY(s.main->action("mnuWindowCascade")->isChecked());
    QVERIFY(!s.main->action("mnuWindowTileVertical")->isChecked());
    s.document();
    QList<QMdiSubWindow*> all = s.main->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(all.size(), 3);
    // Cascaded: each window below and right of the one before.
    QVERIFY(all[1]->y() > all[0]->y() && all[1]->x() >= all[0]->x());
    QVERIFY(all[2]->y() > all[1]->y() && all[2]->x() >= all[1]->x());
  }

  // Guards against margins or the layout changing without O K, and against
  // the orientation and font chosen by their buttons being lost on Cancel.
  void printSetting_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("lineNo");
    // O K: "12.5" -> 12 (halves to even), "abc" -> 0, Q Line -> 2.
    QTest::newRow("O K") << "Command3" << 12 << 0 << 2;
    QTest::newRow("Cancel") << "Command4" << 7 << 3 << 1;
  }
  void printSetting() {
    QFETCH(QString, button);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, lineNo);
    Session s;
    quillon::AppSettings& a = s.main->appSettings();
    a.LeftMerge = 7;
    a.RightMerge = 3;
    a.PrintLineNo = 1;
    a.PrinterOrientation = 1;
    EditingPlatformHooks().choosePrinterOrientation = [](QWidget*, int preset) {
      return std::optional<int>(preset == 1 ? 2 : 1);
    };
    EditingPlatformHooks().chooseFont = [](QWidget*, const QFont&) {
      QFont f("DejaVu Sans Mono");
      f.setPointSizeF(10.5);  // 10.5 -> 10 (halves to even)
      return std::optional<QFont>(f);
    };
    s.run("mnuFilePrinterSetup");
    auto* form = s.main->findChild<PrintSetting*>("PrintSetting");
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QVERIFY(!form->isModal());
    QCOMPARE(form->windowTitle(), QString("Printer setting"));
    QCOMPARE(form->Frame2->title(), QString("Number of Line"));
    QCOMPARE(form->Frame1->title(), QString("Number of Space"));
    QCOMPARE(form->Command2->text(), QString("Font of Prnt"));
    QCOMPARE(form->Command3->text(), QString("O K"));
    QVERIFY(form->Option1->isChecked());
    QVERIFY(!form->Option2->isChecked());
    QCOMPARE(form->Text1->text(), QString("7"));
    QCOMPARE(form->Text2->text(), QString("3"));

    form->Command1->click();
    form->Command2->click();
    form->Text1->setText("12.5");
    form->Text2->setText("abc");
    form->Option2->setChecked(true);
    form->findChild<QPushButton*>(button)->click();

    QVERIFY(!form->isVisible());
    QCOMPARE(a.LeftMerge, left);
    QCOMPARE(a.RightMerge, right);
    QCOMPARE(a.PrintLineNo, lineNo);
    QCOMPARE(a.PrinterOrientation, 2);
    QCOMPARE(QString::fromStdString(a.PrintFontName), QString("DejaVu Sans Mono"));
    QCOMPARE(a.PrintFontSize, 10);
  }

  // Guards against the screen font dialog changing anything when cancelled,
  // or its size not being kept as whole points.
  void screenFont_data() {
    QTest::addColumn<bool>("chosen");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
  }
  void screenFont() {
    QFETCH(bool, chosen);
    Session s;
    frmDocument* doc = s.document();
    const QFont before = doc->txtText->font();
    const std::string nameBefore = s.main->appSettings().ScreenFontName;
    if (chosen) {
      EditingPlatformHooks().chooseFont = [](QWidget*, const QFont&) {
        QFont f("DejaVu Sans Mono");
        f.setPointSizeF(11.6);  // -> 12
        f.setBold(true);
        f.setUnderline(true);
        return std::optional<QFont>(f);
      };
    }
    s.run("mnuFileFont");
    const quillon::AppSettings& a = s.main->appSettings();
    if (chosen) {
      QCOMPARE(QString::fromStdString(a.ScreenFontName), QString("DejaVu Sans Mono"));
      QCOMPARE(a.ScreenFontSize, 12);
      QCOMPARE(doc->txtText->font().pointSize(), 12);
      QVERIFY(doc->txtText->font().bold());
      QVERIFY(doc->txtText->font().underline());
    } else {
      QCOMPARE(a.ScreenFontName, nameBefore);
      QCOMPARE(doc->txtText->font(), before);
    }
  }

  // Guards against printing failing silently without a printer, and against
  // the PDF listing differing from the computed pages.
  void printWithoutPrinter_data() {
    QTest::addColumn<int>("lineNo");
    QTest::addColumn<QString>("answer");  // "yes", "no", "bad path"
    QTest::newRow("one column to PDF") << 1 << "yes";
    QTest::newRow("two columns to PDF") << 2 << "yes";
    QTest::newRow("declined") << 1 << "no";
    QTest::newRow("unwritable PDF") << 1 << "bad path";
  }
  void printWithoutPrinter() {
    QFETCH(int, lineNo);
    QFETCH(QString, answer);
    Session s;
    s.main->appSettings().PrintLineNo = lineNo;
    frmDocument* doc = s.document(LongProgram());
    const QString keep = qEnvironmentVariable("QUILLON_KEEP_PRINTS");
    const QString folder = keep.isEmpty() ? s.tmp.path() : keep;
    const QString pdf = answer == "bad path"
                            ? s.tmp.path() + "/no/such/folder/x.pdf"
                            : folder + "/" + QString(QTest::currentDataTag()).replace(' ', '-') + ".pdf";
    QFile::remove(pdf);
    s.ui.answers.push_back(answer == "no" ? Answer::No : Answer::Yes);
    s.ui.saveAnswers.push_back(ScriptedInteraction::pick(pdf));

    s.run("mnuFilePrint");
    QCOMPARE(s.ui.questions.size(), std::size_t{1});
    QVERIFY(s.ui.questions[0].text.contains("No printer"));
    if (answer == "no") {
      QVERIFY(s.ui.saveDefaultNames.empty());
      QVERIFY(s.ui.messages.empty());
      return;
    }
    QCOMPARE(s.ui.saveDefaultNames[0], QString("Untitled1.pdf"));
    if (answer == "bad path") {
      QCOMPARE(s.ui.messages.size(), std::size_t{1});
      QCOMPARE(s.ui.messages[0].text, QString("Can not print."));
      return;
    }
    QVERIFY(s.ui.messages.empty());
    QVERIFY(QFileInfo::exists(pdf));

    // The same pages computed for an identical PDF printer.
    QPrinter twin(QPrinter::HighResolution);
    MakePdfPrinter(twin, s.tmp.path() + "/twin.pdf");
    const QFont font = SetupPrinterPage(twin, s.main->appSettings());
    const quillon::PrintLayout layout =
        LayoutForPrinter(twin, font, s.main->appSettings(), doc->caption(), {2004, 7, 17}, doc->text());
    QCOMPARE(PdfPageCount(pdf), static_cast<int>(layout.pages.size()));
    const quillon::PrintPage& last = layout.pages.back();
    QCOMPARE(QString::fromStdString(last.texts[0].text), QString("2004.07.17"));
    QCOMPARE(QString::fromStdString(last.texts[1].text), QString("Untitled1"));
    QCOMPARE(QString::fromStdString(last.texts[2].text), QString("Page %1").arg(layout.pages.size()));
    const QString lastBlock = "N0150 G01 X100.5 Z-150.25 F0.15 (BLOCK 150 OF THE LISTING TEST)";
    if (lineNo == 1) {
      // About 4.5 mm lines on 287 mm of A4 give some 58 lines a page: 150 blocks fill three pages.
      QCOMPARE(static_cast<int>(layout.pages.size()), 3);
      QCOMPARE(QString::fromStdString(last.texts.back().text), lastBlock);
    } else {
      // The narrow columns wrap each block; the first page uses both columns.
      const double middle = layout.metrics.printWidth / 2.0;
      const auto& first = layout.pages.front().texts;
      QVERIFY(std::any_of(first.begin() + 3, first.end(), [&](const auto& t) { return t.x > middle; }));
      QVERIFY(lastBlock.endsWith(QString::fromStdString(last.texts.back().text)));
    }
  }
};

QTEST_MAIN(TestEditing)
#include "test_editing.moc"
