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

#include "ui/documents/EditingCommands.h"
#include "ui/documents/PrintSetting.h"
#include "ui/documents/Printing.h"
#include "ScriptedInteraction.h"
#include "TestRows.h"
#include "ui/documents/frmDocument.h"
#include "EditorPtr.h"
#include "app/menu_tree.h"
#include "ui/documents/DocumentHost.h"
#include "ui/shell/Commands.h"

namespace {

// One main window over a temporary application folder (no Comment.txt unless
// a test puts one there).
struct Session {
  QTemporaryDir tmp;
  quillon::MemorySettingsStore store;
  ScriptedInteraction ui;
  EditorPtr main;

  Session() {
    QDir().mkpath(appFolder());
    main = MakeEditor(store, ui,
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
  // The document windows still shown, oldest first.
  QList<QMdiSubWindow*> windows() const {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* w : main->mdiArea()->subWindowList(QMdiArea::CreationOrder))
      if (w->isVisible()) shown << w;
    return shown;
  }
  void activate(frmDocument* doc) {
    main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(doc->parentWidget()));
  }
};

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

int PdfPageCount(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  // Each page object says "/Type /Page"; the page tree says "/Type /Pages".
  static const QRegularExpression kPage(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
  return static_cast<int>(QString::fromLatin1(f.readAll()).count(kPage));
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

struct TemplateRow {
  const char* control;
  int index;
  const char* text;
};

// clang-format off
const TemplateRow kTemplates[] = {
  // control                    index text inserted
  {"GcodeSpindleMain",           0,  "G140\n"},
  {"GcodeSpindleSubL",           0,  "G141\n"},
  {"GcodeSpindleSubUp",          0,  "G142\n"},
  {"GcodeG04",                   0,  "G04 F"},
  {"GcodeHomeG21",               0,  "N000 G21 HP="},
  {"GcodeHomeG20",               0,  "N000 G20 HP="},
  {"GcodeG29",                   0,  "N000 G29 PW="},
  {"GcodeG22",                   0,  "N000 G22 W D L PW=\n"},
  {"GcodeG28",                   0,  "N000 G28\n"},
  {"GcodeG32",                   0,  "N000 G32 X Z F\n"},
  {"GcodeG72",                   0,  "N000 G72 X Z H D F\n"},
  {"GcodeG31",                   0,  "N000 G31 X Z F\n"},
  {"GcodeG71",                   0,  "N000 G71 X Z H D F\n"},
  {"GcodeG34",                   0,  "N000 G34 X Z F\n"},
  {"GcodeG96",                   0,  "G96 S"},
  {"GcodeG97",                   0,  "G97 S"},
  {"GcodeG110",                  0,  "G110 G96 S"},
  {"GcodeG111",                  0,  "G111 G96 S"},
  {"GcodeG75",                   0,  "G75 L"},
  {"GcodeG76",                   0,  "G76 L"},
  {"GcodeTailstock",             0,  "N000 G152 W"},
  {"GcodeG77",                   0,  "N000 G77 X Z K F\n"},
  {"GcodeG78",                   0,  "N000 G78 X Z K F\n"},
  {"mnuGcode",                   13, "G13\n"},
  {"mnuGcode",                   14, "G14\n"},
  {"mnuGcodeComp",               1,  " G41"},
  {"mnuGcodeComp",               2,  " G42"},
  {"mnuGcodeComp",               3,  " G40"},
  {"mnuGcodeComp",               4,  " G18"},
  {"mnuGcodeComp",               5,  " G17"},
  {"mnuGcodeComp",               6,  " G19"},
  {"mnuGcodeRask",               1,  "N000 G85 NAP1 D U W F\n"},
  {"mnuGcodeRask",               2,  "$    G84 XA= DA= FA= XB= DB= FB=\n"},
  {"mnuGcodeRask",               3,  "N000 G87 NAP1 (U W)\n"},
  {"mnuGcodeRask",               4,  "N000 G86 NAP1 D U W F\n"},
  {"mnuGcodeRask",               5,  "N000 G88 NAP1 D H F\n"},
  {"mnuGcodeRask",               6,  "NAP1 G81\n"},
  {"mnuGcodeRask",               7,  "NAP1 G82\n"},
  {"mnuGcodeRask",               8,  "NAP1 G83\n"},
  {"mnuGcodeRask",               9,  "N000 G80\n"},
  {"mnuGcodeMap",                1,  "N000 G181 C X Z I K F Q\n"},
  {"mnuGcodeMap",                2,  "N000 G183 C X Z I K F E Q\n"},
  {"mnuGcodeMap",                3,  "N000 G178 C X Z I K F Q\n"},
  {"mnuGcodeMap",                4,  "N000 G179 C X Z I K F Q\n"},
  {"mnuGcodeMap",                5,  "N000 G184 C X Z I K F Q\n"},
  {"mnuGcodeMap",                6,  "N000 G190 C X Z I D E F Q\n"},
  {"mnuGcodeMap",                7,  "N000 G191 C X Z K D E F Q\n"},
  {"mnuGcodeMap",                8,  "N000 G185 C X Z I K F SA=\n"},
  {"mnuGcodeMap",                9,  "N000 G186 C X Z I K F SA=\n"},
  {"mnuGcodeMap",                10, "N000 G187 C X Z I K F SA=\n"},
  {"mnuGcodeMap",                11, "N000 G188 C X Z I K F SA=\n"},
  {"mnuGcodeMap",                12, "N000 G189 C X Z I K F E Q\n"},
  {"mnuGcodeMap",                13, "N000 G182 C X Z I K F Q\n"},
  {"mnuGcodeMap",                14, "N000 G180\n"},
  {"McodeDoorFrontOpen",         0,  " M91"},
  {"McodeDoorFrontClose",        0,  " M90"},
  {"McodeDoorCeilingOpen",       0,  " M291"},
  {"McodeDoorCeilingClose",      0,  " M290"},
  {"McodeCoolantStanderdOn",     0,  " M08"},
  {"McodeCoolantStanderdOff",    0,  " M09"},
  {"McodeCoolantHipressOn",      0,  " M145"},
  {"McodeCoolantHipressOff",     0,  " M144"},
  {"McodeCoolantHipress2On",     0,  " M175"},
  {"McodeCoolantHipress2Off",    0,  " M174"},
  {"McodeAirblowChuckOn",        0,  " M89"},
  {"McodeAirblowChuckOff",       0,  " M88"},
  {"McodeAirblowWorksensorOn",   0,  " M155"},
  {"McodeAirblowWorksensorOff",  0,  " M154"},
  {"McodeAirblowTouchsensorOn",  0,  " M127"},
  {"McodeAirblowTouchsensorOff", 0,  " M126"},
  {"McodeAirblowAdditionalOn",   0,  " M51"},
  {"McodeAirblowAdditionalOff",  0,  " M50"},
  {"McodeChuckMainClose",        0,  " M83"},
  {"McodeChuckMainOpen",         0,  " M84"},
  {"McodeChuckSubClose",         0,  " M249"},
  {"McodeChuckSubOpen",          0,  " M248"},
  {"McodeChuckInterlockMainOn",  0,  " M185"},
  {"McodeChuckInterlockMainOff", 0,  " M184"},
  {"McodeChuckInterlockSubOn",   0,  " M247"},
  {"McodeChuckInterlockSubOff",  0,  " M246"},
  {"McodeChuckPressureHigh",     0,  " M59"},
  {"McodeChuckPressureLow",      0,  " M58"},
  {"McodeChuckBarrierOn",        0,  " M25"},
  {"McodeChuckBarrierOff",       0,  " M24"},
  {"McodeChuckMissOn",           0,  " M133"},
  {"McodeChuckMissOff",          0,  " M132"},
  {"McodeChuckMissAirOn",        0,  " M131"},
  {"McodeChuckMissAirOff",       0,  " M130"},
  {"McodeTailstockAddvance",     0,  " M56"},
  {"McodeTailstockRetract",      0,  " M55"},
  {"McodeTailstockInterlockOn",  0,  " M157"},
  {"McodeTailstockInterlockOff", 0,  " M156"},
  {"McodeSpindleM03",            0,  " M03 M63"},
  {"McodeSpindleM04",            0,  " M04 M63"},
  {"McodeSpindleM05",            0,  " M05 M63"},
  {"McodeSpindleM19",            0,  " M19 M63"},
  {"McodeCaxisJointM110",        0,  " M110"},
  {"McodeCaxisJointM109",        0,  " M109"},
  {"McodeCaxisBrakeM147",        0,  " M147"},
  {"McodeCaxisBrakeM146",        0,  " M146"},
  {"McodeCaxisPositioningM15",   0,  " M15"},
  {"McodeCaxisPositioningM16",   0,  " M16"},
  {"McodeCaxisInterlockM153",    0,  " M153"},
  {"McodeCaxisInterlockM152",    0,  " M152"},
  {"McodeMspindleM13",           0,  " M13 M63"},
  {"McodeMspindleM14",           0,  " M14 M63"},
  {"McodeMspindleM12",           0,  " M12 M63"},
  {"McodeMspindleM229",          0,  " M229 M63"},
};
// clang-format on

// The hooks' fixed date: a one-digit month and day show the leading zeros.
constexpr quillon::CalendarDate kToday{2004, 2, 1};

}  // namespace

class TestEditing : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ResetEditingPlatformHooks();
    EditingPlatformHooks().today = [] { return kToday; };
    EditingPlatformHooks().hasPrinter = [] { return false; };
    EditingPlatformHooks().chooseFont = [](QWidget*, const QFont&) { return std::optional<QFont>(); };
    EditingPlatformHooks().choosePrinterOrientation = [](QWidget*, int) { return std::optional<int>(); };
  }
  void cleanup() { ResetEditingPlatformHooks(); }

  // clang-format off
  void insertionAtCaret_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("control");  // a menu item, or "text:" and the text handed to InsertNcText
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caret");
    // "N001 G00 X10": "G00" is at 5..8; " M08" replaces it, caret 5 + 4 = 9.
    QTest::newRow("selection replaced") << "N001 G00 X10\n" << 5 << 3 << "McodeCoolantStanderdOn" << "N001  M08 X10\n" << 9;
    // Caret at the end of the block line (12): the M code extends that line.
    QTest::newRow("appended to line") << "N001 G00 X10\n" << 12 << 0 << "McodeCoolantStanderdOn" << "N001 G00 X10 M08\n" << 16;
    // The G71 line and its line end on an empty line: caret at the next line's start (19).
    QTest::newRow("line end kept") << "\nN002" << 0 << 0 << "GcodeG71" << "N000 G71 X Z H D F\n\nN002" << 19;
    // The date item at the given date, not the clock's: "DATE : 2004.02.01\n" is 18 characters, caret 1 + 18.
    QTest::newRow("date mid-text") << "AB" << 1 << 0 << "mnuInsertDate" << "ADATE : 2004.02.01\nB" << 19;
    // Three lines, a tab and an empty line kept as they are: 9 + 6 + 1 = 16 characters.
    QTest::newRow("multi-line text") << "X\n" << 0 << 0 << "text:N001 G00\n\tN002\n\n" << "N001 G00\n\tN002\n\nX\n" << 16;
  }
  // clang-format on
  // Guards against insertion that keeps the selection, adds or drops line
  // ends, or leaves the caret anywhere but after the text.
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
    if (control.startsWith("text:"))
      QVERIFY(s.main->documentHost().apply(quillon::InsertAtSelection(control.mid(5).toStdString())));
    else
      s.run(control);
    QCOMPARE(Bytes(doc->text()), after);
    QCOMPARE(doc->selStart(), caret);
    QCOMPARE(doc->selLength(), 0);
    QVERIFY(doc->DataChanged());
    QVERIFY(s.ui.messages.empty());
  }

  // clang-format off
  void noDocumentWarns_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::newRow("template") << "GcodeG71" << 0;
    QTest::newRow("template array") << "mnuGcodeRask" << 2;
    QTest::newRow("date") << "mnuInsertDate" << 0;
  }
  // clang-format on
  // Guards against a command without a document inserting somewhere or failing silently.
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

  // clang-format off
  void undoRedo_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("edited");
    // "N001 G00 X100 Z5": "X100" is at 9..13.
    QTest::newRow("cut") << "cut" << "N001 G00  Z5\n";
    QTest::newRow("paste") << "paste" << "N001 G00 X100 Z5\nM08";
    QTest::newRow("generated block") << "block" << "N001 G00 X100 Z5\nN000 G85 NAP1 D U W F\n";
    QTest::newRow("typing") << "type" << "N001 G00 X100 Z5\nT";
  }
  // clang-format on
  // Guards against the old one-level undo: cut text coming back at the caret,
  // undo after paste deleting a later selection, and generated blocks taking
  // several steps to undo. Each edit is one step of the document's history.
  void undoRedo() {
    QFETCH(QString, edit);
    QFETCH(QString, edited);
    const QString original = "N001 G00 X100 Z5\n";
    Session s;
    frmDocument* doc = s.document(original.toStdString(), 17, 0);
    QVERIFY(doc);
    QVERIFY(!s.enabled("mnuEditUndo") && !s.enabled("mnuEditRedo"));
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
    for (const QString& step : {"", "mnuEditUndo", "mnuEditRedo"}) {
      if (!step.isEmpty()) s.run(step);
      const bool undone = step == "mnuEditUndo";
      QCOMPARE(Bytes(doc->text()), undone ? original : edited);
      QCOMPARE(s.enabled("mnuEditUndo"), !undone);
      QCOMPARE(s.enabled("mnuEditRedo"), undone);
    }
  }

  // Guards against undo steps merged or lost across several edits, and Undo
  // offering another document's history.
  void undoHistoryPerDocument() {
    Session s;
    frmDocument* first = s.document("N001\n", 5, 0);
    s.run("GcodeG28");                // "N001\nN000 G28\n"
    s.run("McodeCoolantStanderdOn");  // "N001\nN000 G28\n M08"
    first->setSelection(0, 4);
    s.run("mnuEditCut");
    const QString steps[] = {"\nN000 G28\n M08", "N001\nN000 G28\n M08", "N001\nN000 G28\n", "N001\n"};
    QCOMPARE(Bytes(first->text()), steps[0]);
    frmDocument* second = s.document("B", 1, 0);
    QVERIFY(!s.enabled("mnuEditUndo"));
    s.activate(first);
    QCOMPARE(s.main->ActiveDocument(), first);
    for (int i = 1; i < 4; ++i) {
      QVERIFY(s.enabled("mnuEditUndo"));
      s.run("mnuEditUndo");
      QCOMPARE(Bytes(first->text()), steps[i]);
    }
    QVERIFY(!s.enabled("mnuEditUndo"));
    QCOMPARE(Bytes(second->text()), QString("B"));
  }

  // clang-format off
  void pasteKeyGoesThroughTheCommand_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Ctrl+V lone CR") << int(Qt::Key_V) << int(Qt::ControlModifier) << "A\rB" << "N001A\rB\n";
    QTest::newRow("Shift+Insert lone CR") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "A\rB" << "N001A\rB\n";
    // Another program's CR LF is one line end inside the program.
    QTest::newRow("Ctrl+V CR LF") << int(Qt::Key_V) << int(Qt::ControlModifier) << "A\r\nB" << "N001A\nB\n";
  }
  // clang-format on
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
    doc->applyEdit(quillon::ReplaceSpan(0, ProgramTextToQt(text).size(), text + "C", 0));
    QCOMPARE(doc->text(), std::string("A\r\nB\nC"));
  }

  void templateItems_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    for (const TemplateRow& t : kTemplates) {
      const QString name = t.index ? QString("%1(%2)").arg(t.control).arg(t.index) : QString(t.control);
      QTest::newRow(qPrintable(name)) << QString(t.control) << t.index << QString(t.text);
    }
  }
  // Guards against a template text or line end differing from the controller's
  // skeleton, and against array items choosing their text by position.
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

  // clang-format off
  void insertSubProgram_data() {
    QTest::addColumn<int>("size");  // bytes of the file; -1: the file does not exist; 0: cancelled
    QTest::addColumn<QString>("message");
    QTest::newRow("65000 bytes inserted") << 65000 << QString();
    QTest::newRow("65001 bytes refused") << 65001 << " this  file は size が big きすぎるため Open ことが can not do  . ";
    QTest::newRow("missing file") << -1 << "%1  file が Open けません.";
    QTest::newRow("cancelled") << 0 << QString();
  }
  // clang-format on
  // Guards against the size rule being off by one, the folder not being
  // remembered, and line ends of the file leaking into the document.
  void insertSubProgram() {
    QFETCH(int, size);
    QFETCH(QString, message);
    Session s;
    s.main->workspace().settings.InsertPathName = "/start/folder";
    frmDocument* doc = s.document("X", 0, 0);
    const QString folder = s.tmp.path() + "/subs";
    QDir().mkpath(folder);
    const QString path = folder + "/O9000.ssb";
    // size - 2 bytes of "A" and one CR LF.
    if (size > 0) WriteFile(path, QByteArray(size - 2, 'A') + "\r\n");
    if (size != 0) s.ui.openAnswers.push_back(ScriptedInteraction::pick(path));
    s.run("mnuInsertFile");
    QCOMPARE(s.ui.openStartFolders, std::vector<QString>{"/start/folder"});
    QCOMPARE(s.ui.openFilters[0], QString("All Files (*.*)|*.*|LIB File (*.lib)|*.lib|System Sub (*.ssb)|*.ssb"));
    QCOMPARE(QString::fromStdString(s.main->workspace().settings.InsertPathName), size == 0 ? "/start/folder" : folder);
    const bool inserted = size == 65000;
    QCOMPARE(Bytes(doc->text()), inserted ? QString(size - 2, 'A') + "\nX" : QString("X"));
    QCOMPARE(doc->selStart(), inserted ? size - 1 : 0);
    QCOMPARE(s.ui.messages.size(), std::size_t{message.isEmpty() ? 0u : 1u});
    if (!message.isEmpty()) QCOMPARE(s.ui.messages[0].text, message.contains("%1") ? message.arg(path) : message);
  }

  // clang-format off
  void fixComment_data() {
    QTest::addColumn<bool>("present");
    QTest::newRow("shipped comment") << true;
    QTest::newRow("missing file") << false;
  }
  // clang-format on
  // Guards against writing into the application folder and against the
  // shipped comment being inserted with its file's line ends.
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

  // Guards against windows keeping their old places after a close, and
  // arrangement modes that are not exclusive or not re-applied as windows come and go.
  void arrangementAfterCloseWithThreeDocuments() {
    Session s;
    s.main->resize(900, 700);
    s.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.main.get()));
    s.document();
    frmDocument* middle = s.document();
    s.document();
    QVERIFY(s.main->action("mnuWindowTileVertical")->isChecked());
    const QRect area = s.main->mdiArea()->viewport()->rect();
    QCOMPARE(s.windows()[0]->width(), area.width() / 3);
    s.activate(middle);
    s.run("mnuFileClose");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QList<QMdiSubWindow*> left = s.windows();
    QCOMPARE(left.size(), 2);
    // Vertical tiling: two columns side by side, each the full height.
    QCOMPARE(left[0]->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    QCOMPARE(left[1]->geometry(), QRect(area.width() / 2, 0, area.width() - area.width() / 2, area.height()));
    // Horizontal tiling: stacked, one below the other.
    s.run("mnuWindowTileHorizontal");
    QCOMPARE(left[0]->x(), left[1]->x());
    QVERIFY(left[1]->y() >= left[0]->y() + left[0]->height());
    s.run("mnuWindowCascade");
    int checked = 0;
    for (const char* mode : {"mnuWindowCascade", "mnuWindowTileHorizontal", "mnuWindowTileVertical"})
      checked += s.main->action(mode)->isChecked();
    QCOMPARE(checked, 1);
    QVERIFY(s.main->action("mnuWindowCascade")->isChecked());
    s.document();
    const QList<QMdiSubWindow*> all = s.windows();
    QCOMPARE(all.size(), 3);
    // Cascaded: each window below and right of the one before.
    QVERIFY(all[1]->y() > all[0]->y() && all[1]->x() >= all[0]->x());
    QVERIFY(all[2]->y() > all[1]->y() && all[2]->x() >= all[1]->x());
  }

  // clang-format off
  void printSetting_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("lineNo");
    // O K: "12.5" -> 12 (halves to even), "abc" -> 0, Q Line -> 2.
    QTest::newRow("O K") << "Command3" << 12 << 0 << 2;
    QTest::newRow("Cancel") << "Command4" << 7 << 3 << 1;
  }
  // clang-format on
  // Guards against margins or the layout changing without O K, and against
  // the orientation and font chosen by their buttons being lost on Cancel.
  void printSetting() {
    QFETCH(QString, button);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, lineNo);
    Session s;
    quillon::AppSettings& a = s.main->workspace().settings;
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
    QVERIFY(form->isVisible() && !form->isModal());
    // Captions, then the settings it was filled from.
    QCOMPARE((QStringList{form->windowTitle(), form->Frame2->title(), form->Frame1->title(), form->Command2->text(),
                          form->Command3->text(), form->Text1->text(), form->Text2->text()}),
             (QStringList{"Printer setting", "Number of Line", "Number of Space", "Font of Prnt", "O K", "7", "3"}));
    QVERIFY(form->Option1->isChecked() && !form->Option2->isChecked());
    form->Command1->click();
    form->Command2->click();
    form->Text1->setText("12.5");
    form->Text2->setText("abc");
    form->Option2->setChecked(true);
    form->findChild<QPushButton*>(button)->click();
    QVERIFY(!form->isVisible());
    QCOMPARE((QList<int>{a.LeftMerge, a.RightMerge, a.PrintLineNo}), (QList<int>{left, right, lineNo}));
    QCOMPARE(a.PrinterOrientation, 2);
    QCOMPARE(QString::fromStdString(a.PrintFontName), QString("DejaVu Sans Mono"));
    QCOMPARE(a.PrintFontSize, 10);
  }

  // clang-format off
  void screenFont_data() {
    QTest::addColumn<bool>("chosen");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
  }
  // clang-format on
  // Guards against the screen font dialog changing anything when cancelled,
  // or its size not being kept as whole points.
  void screenFont() {
    QFETCH(bool, chosen);
    Session s;
    frmDocument* doc = s.document();
    const QFont before = doc->txtText->font();
    const std::string nameBefore = s.main->workspace().settings.ScreenFontName;
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
    const quillon::AppSettings& a = s.main->workspace().settings;
    const QFont after = doc->txtText->font();
    QCOMPARE(a.ScreenFontName, chosen ? std::string("DejaVu Sans Mono") : nameBefore);
    QCOMPARE(a.ScreenFontSize, chosen ? 12 : before.pointSize());
    if (chosen) QVERIFY(after.pointSize() == 12 && after.bold() && after.underline());
    if (!chosen) QCOMPARE(after, before);
  }

  // clang-format off
  void printWithoutPrinter_data() {
    QTest::addColumn<int>("lineNo");
    QTest::addColumn<QString>("answer");  // "yes", "no", "bad path"
    QTest::newRow("one column to PDF") << 1 << "yes";
    QTest::newRow("two columns to PDF") << 2 << "yes";
    QTest::newRow("declined") << 1 << "no";
    QTest::newRow("unwritable PDF") << 1 << "bad path";
  }
  // clang-format on
  // Guards against printing failing silently without a printer, and against
  // the PDF listing differing from the computed pages.
  void printWithoutPrinter() {
    QFETCH(int, lineNo);
    QFETCH(QString, answer);
    Session s;
    s.main->workspace().settings.PrintLineNo = lineNo;
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
    QCOMPARE(s.ui.saveDefaultNames, answer == "no" ? std::vector<QString>{} : std::vector<QString>{"Untitled1.pdf"});
    QCOMPARE(s.ui.messages.size(), std::size_t{answer == "bad path" ? 1u : 0u});
    if (answer == "bad path") QCOMPARE(s.ui.messages[0].text, QString("Can not print."));
    if (answer != "yes") return;
    QVERIFY(QFileInfo::exists(pdf));

    // The same pages computed for an identical PDF printer.
    QPrinter twin(QPrinter::HighResolution);
    MakePdfPrinter(twin, s.tmp.path() + "/twin.pdf");
    const QFont font = SetupPrinterPage(twin, s.main->workspace().settings);
    const quillon::PrintLayout layout =
        LayoutForPrinter(twin, font, s.main->workspace().settings, doc->caption(), kToday, doc->text());
    QCOMPARE(PdfPageCount(pdf), static_cast<int>(layout.pages.size()));
    const quillon::PrintPage& last = layout.pages.back();
    QCOMPARE((std::vector<std::string>{last.texts[0].text, last.texts[1].text, last.texts[2].text}),
             (std::vector<std::string>{"2004.02.01", "Untitled1", "Page " + std::to_string(layout.pages.size())}));
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
