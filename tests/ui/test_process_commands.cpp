// The Process menu driven through the main window: the command flow around
// frmProcess and frmUGC (pre-fill, cancel, errors, caret, undo), with the
// dialogs answered the way a user would.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "ScriptedInteraction.h"
#include "frmDocument.h"
#include "frmMain.h"
#include "process/cutting_conditions.h"
#include "test_process_support.h"

namespace {

using Boxes = QMap<QString, QString>;

QString MaterialFile() { return QString::fromLocal8Bit(qgetenv("QUILLON_TEST_DATA")) + "/ui/test_process_material.csv"; }

std::string Lines(std::initializer_list<const char*> lines) {
  std::string s;
  for (const char* line : lines) s += std::string(line) + "\n";
  return s;
}

// One main window with one document holding text, the caret at caret.
struct Editor {
  quillon::MemorySettingsStore store;
  ScriptedInteraction ui;
  frmMain main{store, ui, {"/opt/quillon", "/home/op"}};

  explicit Editor(const std::string& text = "%\n\nM30\n", int caret = 2, bool material = true) {
    main.load(QString());
    main.runCommand(QStringLiteral("mnuFileNew"));
    doc()->txtText->setPlainText(QString::fromLatin1(text.data(), qsizetype(text.size())));
    doc()->setSelection(caret, 0);
    if (material)
      quillon::ApplyCuttingConditionLoad(main.cuttingConditions(),
                                         quillon::LoadCuttingConditionTable(MaterialFile().toStdString()));
  }
  frmDocument* doc() const { return main.ActiveDocument(); }

  // Picks the command from its menu item, as the user does.
  bool pick(const QString& command) {
    QAction* item = main.action(command);
    if (!item || !item->isEnabled()) return false;
    item->trigger();
    return true;
  }
};

// Types into the shown boxes of frmProcess and presses "O  K"; records what
// the dialog showed before typing.
struct ProcessAnswer {
  Boxes typed;
  Boxes shown;
  QString caption;
  void operator()(QWidget* dialog) {
    caption = dialog->windowTitle();
    for (QLineEdit* box : dialog->findChildren<QLineEdit*>()) shown[box->objectName()] = box->text();
    for (auto it = typed.begin(); it != typed.end(); ++it) {
      QLineEdit* box = dialog->findChild<QLineEdit*>(it.key());
      if (box && box->isVisibleTo(dialog)) box->setText(it.value());  // hidden boxes cannot be typed into
    }
    Press(dialog, "Command1");
  }
};

}  // namespace

class ProcessCommandsTest : public QObject {
  Q_OBJECT

  // Runs command through its menu item with frmProcess answered by typing
  // boxes, on an editor holding "%\n\nM30\n" with the caret on the empty line.
  static void runProcess(Editor& e, const QString& command, const Boxes& typed, ProcessAnswer* seenAnswer = nullptr) {
    auto answer = std::make_shared<ProcessAnswer>();
    answer->typed = typed;
    ModalAnswer modal([answer](QWidget* d) { (*answer)(d); });
    QVERIFY2(e.pick(command), qPrintable(command));
    QVERIFY2(modal.seen(), "the process dialog did not open");
    if (seenAnswer) *seenAnswer = *answer;
  }

 private slots:
  void init() { QApplication::processEvents(); }

  // Guards against: a turning command that writes another block than the one
  // its dialog asked for, puts it elsewhere than the caret, or takes more
  // than one undo to remove. Blocks are the worked examples of the turning
  // processes (spindle speeds by hand in the rows).
  void turningFamiliesThroughTheMenu_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("toolFrom");
    QTest::addColumn<Boxes>("typed");
    QTest::addColumn<QString>("block");

    // S = floor(1000*150/3.14/(40+6)/10)*10 = floor(103.85)*10 = 1030. Tool,
    // V, F, D, U, W, C come from row 5 of the material; EndX from the kept
    // material OD (60); StartZ is pre-filled "0".
    QTest::newRow("roughing: O.D.") << "ProcessRoughOD" << true << Boxes{{"StartX", "40"}, {"EndZ", "-30"}}
                                    << QString::fromStdString(Lines({
                                           "(-----< OD.ROUGH >-----)",
                                           "NOEX VTLIN[5]=1 VTLFN[5]=1 VTLA1[5]=55",
                                           "NOEX VTLA2[5]=3 VTLL[5]=40",
                                           "N000 G00 X60 Z50 T050505 M41 S1030 M03 M63 M08",
                                           "NT05     Z2 G96 S150",
                                           "N000 G85 NAP2 D2 U0.4 W0.1 F0.3",
                                           "NAP2 G81",
                                           "N000 G00 X37",
                                           "N000 G01 Z0.5 G42 F0.15",
                                           "N000     X40 A135",
                                           "N000     Z-30",
                                           "N000     X58",
                                           "N000     X60 A135",
                                           "N000 G40 K-1",
                                           "N000 G80",
                                           "N000 G00 X500 Z500 G97 S1030 M63",
                                           "\t",
                                       }));
    // S = floor(1000*200/3.14/(40+6)/10)*10 = floor(138.47)*10 = 1380.
    QTest::newRow("finishing: O.D.") << "ProcessFinishOD" << false
                                     << Boxes{{"ToolNumber", "7"}, {"V", "200"}, {"U", "0"}, {"W", "0.05"},
                                              {"StartX", "40"}, {"StartZ", "0"}}
                                     << QString::fromStdString(Lines({
                                            "(-----< OD.FINISH >-----)",
                                            "N000 G00 X44 Z50 T070707 M42 S1380 M03 M63 M08",
                                            "NT07     Z2 G96 S200",
                                            "N000 G87 NAP2 W0.05",
                                            "N000 G00 X200 G97 S1380 M63",
                                            "N000     X500 Z500",
                                            "\t",
                                        }));
    // S = floor(1000*100/3.14/(40+4)/10)*10 = floor(72.38)*10 = 720; second
    // offset T(12+20) = T32, then T(12*10101+200020) = T321232, T(12*10101) = T121212.
    // Z lines: StartZ+W = -9.5, EndZ-W = -15.5, StartZ-C-0.5 = -11, EndZ+C+0.5 = -14.
    QTest::newRow("grooving: O.D.") << "ProcessGrooveOD" << false
                                    << Boxes{{"ToolNumber", "12"}, {"V", "100"}, {"F", "0.25"}, {"D", "1"},
                                             {"L", "3"}, {"U", "0.5"}, {"W", "0.5"}, {"C", "0.5"},
                                             {"StartX", "40"}, {"StartZ", "-10"}, {"EndX", "30"}, {"EndZ", "-15"}}
                                    << QString::fromStdString(Lines({
                                           "(-----< OD.GROOVE >-----)",
                                           "N000 G00 X200 Z-9.5 T121212 M42 S720 M03 M63 M08",
                                           "NT12     X44",
                                           "N000 G96 S100",
                                           "N000 G73 X30.5 Z-15.5 D1 K2.5 F0.25 T32",
                                           "N000 G00 Z-11",
                                           "N000 G01 X41 G41 F0.3",
                                           "N000     Z-10 A-45 F0.25",
                                           "N000     X30 G40 I-1",
                                           "N000     Z-9.5",
                                           "N000 G00 X44",
                                           "N000     Z-14 T321232",
                                           "N000 G01 X41 G42 F0.3",
                                           "N000     Z-15 A-135 F0.25",
                                           "N000     X30 G40 I-1",
                                           "N000     Z-9.5 T121212",
                                           "N000 G00 X200 G97 S720 M63",
                                           "N000     X500 Z500",
                                           "\t",
                                       }));
    // S = floor(1000*100/3.14/20/10)*10 = floor(159.2)*10 = 1590; X = 20 - 2*0.65*2.5 = 16.75, H = 3.25.
    QTest::newRow("threading: O.D.") << "ProcessThreadOD" << false
                                     << Boxes{{"ToolNumber", "9"}, {"V", "100"}, {"F", "2.5"}, {"D", "0.3"},
                                              {"U", "0"}, {"L", "0"}, {"C", "1"}, {"StartX", "24"},
                                              {"StartZ", "5"}, {"EndX", "20"}, {"EndZ", "-25"}}
                                     << QString::fromStdString(Lines({
                                            "(-----< OD.THREAD M20*P2.5 >-----)",
                                            "N000 G00 X24 Z50 T090909 M42 S1590 M03 M63 M08",
                                            "NT09     Z5",
                                            "N000 G71 X16.75 Z-25 H3.25 D0.3 F2.5",
                                            "N000 G00 X200",
                                            "N000     X500 Z500",
                                            "\t",
                                        }));
    // S = floor(1000*120/3.14/20/10)*10 = floor(191.08)*10 = 1910; half feed 0.05.
    QTest::newRow("drilling: corbyte") << "ProcessDrillU" << false
                                       << Boxes{{"ToolNumber", "3"}, {"U", "20"}, {"V", "120"}, {"F", "0.1"},
                                                {"StartZ", "0"}, {"EndZ", "-40"}, {"D", "2"}, {"L", "3"}}
                                       << QString::fromStdString(Lines({
                                              "(-----< DRILL D20 >-----)",
                                              "N000 G00 X0 Z50 T0303 M42 S1910 M03 M63 M08",
                                              "NT03     Z3",
                                              "N000 G01 Z-2 F0.05",
                                              "N000     Z-37 F0.1",
                                              "N000     Z-40 F0.05",
                                              "N000 G00 Z50",
                                              "N000     X500 Z500",
                                              "\t",
                                          }));
  }
  void turningFamiliesThroughTheMenu() { runFamilyRow(); }

  // Guards against: a rotary-tool command of any kind writing a wrong frame
  // or cycle, or landing elsewhere than the caret. Speeds by hand per row.
  void rotaryFamiliesThroughTheMenu_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("toolFrom");
    QTest::addColumn<Boxes>("typed");
    QTest::addColumn<QString>("block");
    // S = Int(1000*30/3.14/10/10)*10 = Int(95.5)*10 = 950; K = 50 - 0 - 2 = 48.
    QTest::newRow("drilling: face") << "ProcessMDrillFace" << true
                                    << Boxes{{"ToolNumber", "5"}, {"U", "10"}, {"V", "30"}, {"F", "0.1"},
                                             {"StartC", "0"}, {"StartX", "50"}, {"StartZ", "0"}, {"EndZ", "-20"},
                                             {"D", "0"}, {"L", "0"}, {"W", "0"}, {"C", "1"}}
                                    << QString::fromStdString(Lines({
                                           "(-----< FACE DRILL D10 >-----)",
                                           "NOEX VTLIN[5]=28 VTLFN[5]=1 VTLA1[5]=118",
                                           "NOEX VTLD[5]=10 VTLL[5]=40",
                                           "N000 G94 M110 T050505",
                                           "NT05 G00 X200 Z50 SB=950 M13 M63 M08",
                                           "N000 G181 C0 X50 Z-20 K48 F=SB*0.1",
                                           "N000 G180",
                                           "N000 G00 Z50",
                                           "N000     X500 Z500 M12 M63",
                                           "\t",
                                       }));
    // S = Int(1000*10/3.14/8/10)*10 = Int(39.8)*10 = 390; K = 50 - 0 - 5 = 45;
    // C = 1 writes Q1 for tapping; no M13, no M12 on the home line.
    QTest::newRow("tapping: face") << "ProcessMTapFace" << false
                                   << Boxes{{"ToolNumber", "6"}, {"U", "8"}, {"F", "1.25"}, {"V", "10"},
                                            {"D", "0"}, {"C", "1"}, {"StartX", "40"}, {"EndZ", "-15"}}
                                   << QString::fromStdString(Lines({
                                          "(-----< FACE TAP M8*P1.25 >-----)",
                                          "N000 G95 M110 T060606",
                                          "NT06 G00 X200 Z50 SB=390 M08",
                                          "N000 G178 C0 X40 Z-15 K45 F1.25 Q1",
                                          "N000 G180",
                                          "N000 G00 Z50",
                                          "N000     X500 Z500",
                                          "\t",
                                      }));
    // S = Int(1000*50/3.14/10/10)*10 = Int(159.2)*10 = 1590; K = 50 - 0 - 2 = 48.
    QTest::newRow("key way: face") << "ProcessMKeyFace" << false
                                   << Boxes{{"ToolNumber", "8"}, {"U", "10"}, {"V", "50"}, {"F", "0.05"},
                                            {"W", "0.02"}, {"L", "0"}, {"C", "2"}, {"StartC", "0"},
                                            {"StartX", "60"}, {"StartZ", "0"}, {"EndX", "40"}, {"EndZ", "-30"}}
                                   << QString::fromStdString(Lines({
                                          "(-----< FACE KEY W10 >-----)",
                                          "N000 G94 M110 T080808",
                                          "NT08 G00 X200 Z50 SB=1590 M13 M63 M08",
                                          "N000     X60",
                                          "N000 G190 C0 X40 Z-30 K48 E0.02 F=SB*0.05 Q2 M211 M213",
                                          "N000 G180",
                                          "N000 G00 Z50",
                                          "N000     X500 Z500 M12 M63",
                                          "\t",
                                      }));
    // S = Int(1000*60/3.14/12/10)*10 = Int(159.2)*10 = 1590; approach Z = 0 + 2.
    QTest::newRow("milling: end mill face") << "ProcessMSouseiFace" << false
                                            << Boxes{{"ToolNumber", "10"}, {"U", "12"}, {"V", "60"}, {"F", "0.1"},
                                                     {"StartC", "0"}, {"StartX", "50"}, {"StartZ", "0"},
                                                     {"EndX", "30"}, {"EndZ", "-5"}, {"EndC", "90"}}
                                            << QString::fromStdString(Lines({
                                                   "(-----< FACE ENDMILL D12 >-----)",
                                                   "N000 G94 M110 T101010",
                                                   "NT10 G00 C0 X200 Z50 SB=1590 M13 M63 M08",
                                                   "N000     X50",
                                                   "N000     Z2",
                                                   "N000 G01 Z-5 M147 F=SB*0.1",
                                                   "N000 G101 C90 X30 M146",
                                                   "N000 G00 Z50",
                                                   "N000     X500 Z500 M12 M63",
                                                   "\t",
                                               }));
  }
  void rotaryFamiliesThroughTheMenu() { runFamilyRow(); }

  // Guards against: the measuring commands moving the caret, or needing two
  // undos for their call and their subprogram.
  void measuringKeepsTheCaretAndUndoesInOneStep_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<Boxes>("typed");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("subprogram");
    // TOF1 = two(5 + 10) = 15, TOF2 = 05, TOFN = two(3) = 03.
    QTest::newRow("I.D. diameter") << "ProcessMeasuerInD"
                                   << Boxes{{"ToolNumber", "5"}, {"V", "3"}, {"U", "0.01"}, {"W", "0.05"},
                                            {"EndX", "40"}, {"EndZ", "-20"}}
                                   << "N000 CALL OME12 (ID.MEASURE D40)"
                                   << QString::fromStdString(Lines({
                                          "\t",
                                          "----------< ID.MEASURE D40 >----------",
                                          "OME12",
                                          "N000 IF[VDIN[32]EQ 0]NRTS",
                                          "N000 G00 X200 Z50 T0505",
                                          "NT05 CALL ODIAA ZP1=50 ZP2=-20 TOF1=15 TOF2=05",
                                          "$         MSP=40 APP=3 APPS=2 IMP=1 DOK=0.01 DNG=0.05 TOFN=03",
                                          "N000 G00 X200",
                                          "N000     X500 Z500",
                                          "NRTS RTS",
                                      }));
    QTest::newRow("O.D. diameter") << "ProcessMeasuerOutD"
                                   << Boxes{{"ToolNumber", "5"}, {"V", "3"}, {"U", "0.01"}, {"W", "0.05"},
                                            {"StartX", "60"}, {"StartZ", "5"}, {"EndX", "50"}, {"EndZ", "-10"}}
                                   << "N000 CALL OME02 (OD.MEASURE D50)"
                                   << QString::fromStdString(Lines({
                                          "\t",
                                          "----------< OD.MEASURE D50 >----------",
                                          "OME02",
                                          "N000 IF[VDIN[32]EQ 0]NRTS",
                                          "N000 G00 X200 Z50 T0505",
                                          "NT05 CALL ODOAA XP1=60 ZP1=5 ZP2=-10 TOF1=15 TOF2=05",
                                          "$         MSP=50 APP=3 APPS=2 IMP=1 DOK=0.01 DNG=0.05 TOFN=03",
                                          "N000     X500 Z500",
                                          "NRTS RTS",
                                      }));
  }
  void measuringKeepsTheCaretAndUndoesInOneStep() {
    QFETCH(QString, command);
    QFETCH(Boxes, typed);
    QFETCH(QString, call);
    QFETCH(QString, subprogram);
    Editor e;
    runProcess(e, command, typed);
    const std::string expected = "%\n" + call.toStdString() + "\nM30\n" + subprogram.toStdString();
    QCOMPARE(QString::fromStdString(e.doc()->text()), QString::fromStdString(expected));
    QCOMPARE(e.doc()->selStart(), 2);
    QVERIFY(e.ui.messages.empty());
    e.doc()->txtText->undo();
    QCOMPARE(QString::fromStdString(e.doc()->text()), QStringLiteral("%\n\nM30\n"));
  }

  // Guards against: a process dialog opening (or anything being written)
  // before a material file was ever loaded.
  void noMaterialReportsBeforeAnyDialog_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("roughing") << "ProcessRoughOD";
    QTest::newRow("drilling") << "ProcessDrillHss";
    QTest::newRow("rotary drilling") << "ProcessMDrillFace";
    QTest::newRow("key way") << "ProcessMKeyFace";
    QTest::newRow("measuring") << "ProcessMeasuerInD";
  }
  void noMaterialReportsBeforeAnyDialog() {
    QFETCH(QString, command);
    Editor e("%\n\nM30\n", 2, /*material=*/false);
    ModalAnswer modal([](QWidget* d) { Press(d, "Command2"); });
    QVERIFY(e.pick(command));
    QVERIFY(!modal.seen());
    QCOMPARE(e.ui.messages.size(), size_t(1));
    QCOMPARE(e.ui.messages[0].title, QStringLiteral(" 13 error "));
    QCOMPARE(e.ui.messages[0].text, QStringLiteral("Cutting condition error. Pls. Material file select."));
    QCOMPARE(QString::fromStdString(e.doc()->text()), QStringLiteral("%\n\nM30\n"));
  }

  // Guards against: Cancel writing anything or changing what later commands read.
  void cancelledDialogInsertsNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("roughing") << "ProcessRoughOD";
    QTest::newRow("threading") << "ProcessThreadOD";
    QTest::newRow("rotary tapping") << "ProcessMTapFace";
    QTest::newRow("measuring") << "ProcessMeasuerInD";
    QTest::newRow("Material Input") << "ProcessUGC";
  }
  void cancelledDialogInsertsNothing() {
    QFETCH(QString, command);
    Editor e;
    e.main.machine().CsvFileName = MaterialFile().toStdString();
    e.main.kept().SpindleSpeed = 777;
    ModalAnswer modal([](QWidget* d) {
      SetBox(d, "V", "300");
      SetBox(d, "Text5", "90");
      Press(d, "Command2");
    });
    QVERIFY(e.pick(command));
    QVERIFY(modal.seen());
    QCOMPARE(QString::fromStdString(e.doc()->text()), QStringLiteral("%\n\nM30\n"));
    QCOMPARE(e.doc()->selStart(), 2);
    QVERIFY(!e.doc()->txtText->document()->isUndoAvailable());
    QCOMPARE(e.main.kept().SpindleSpeed, 777.0);
    QVERIFY(!e.main.kept().MaterialOD.has_value());
    QVERIFY(e.ui.messages.empty());
  }

  // Guards against: Material Input writing another frame, leaving the caret
  // elsewhere than after the OUGC call's tab line, forgetting the material
  // values later commands read, or not loading the material file first.
  void materialInputThroughTheMenu_data() {
    QTest::addColumn<Boxes>("typed");
    QTest::addColumn<QStringList>("options");  // controls clicked
    QTest::addColumn<QString>("subprogram");
    QTest::addColumn<double>("keptOD");
    // VCHKZ = P-Zero - Length = 2 - 100 = -98; PO/CI = Fix(25/2) = 12.
    QTest::newRow("bar with a bore, face drawing")
        << Boxes{{"Text9", "2"}, {"Text3", "100"}, {"Text1", "30"}, {"Text2", "15"}, {"Text5", "80"}, {"Text4", "25"}}
        << QStringList{"Check2"}
        << QString::fromStdString(Lines({
               "\t",
               "----------< USER GRAPHIC COMMAND >----------",
               "OUGC",
               "NOEX VCHKX=80 VCHKZ=-98",
               "NOEX VCHKD=15 VCHKL=30",
               "NOEX VWKR=9999",
               "N000 CLEAR",
               "N000 DEF WORK",
               "N000 PS RC,[2,0],[100,80]",
               "N000 PS RC,[2,0],[100,25],0",
               "N000 END",
               "N000 DEF WORKF",
               "N000 PF 0,[0,0],80,D",
               "N000 PF 0,[0,0],25,D,0",
               "N000 PO [0,12]",
               "N000 CI [0,0],[0,-12],R,0",
               "N000 END",
               "N000 DRAW",
               "NRTS RTS",
           }))
        << 80.0;
    // Length 50.7 is kept as its whole part 50: VCHKZ = 0 - 50; OD 40.9 -> 40.
    QTest::newRow("tailstock on the sub-spindle")
        << Boxes{{"Text9", "0"}, {"Text3", "50.7"}, {"Text1", "25"}, {"Text2", "10"}, {"Text5", "40.9"},
                 {"Text8", "20"}, {"Text7", "12"}, {"Text6", "3"}}
        << QStringList{"Check1", "SubSpindle"}
        << QString::fromStdString(Lines({
               "\t",
               "----------< USER GRAPHIC COMMAND >----------",
               "OUGC",
               "NOEX VCHKX=40 VCHKZ=-50",
               "NOEX VCHKD=10 VCHKL=25",
               "NOEX VTSDA=3 VTSDB=12",
               "NOEX VTSL=20 VWKR=0",
               "N000 CLEAR",
               "N000 DEF WORK[S]",
               "N000 PS RC,[0,0],[50,40]",
               "N000 END",
               "N000 DRAW",
               "NRTS RTS",
           }))
        << 40.0;
  }
  void materialInputThroughTheMenu() {
    QFETCH(Boxes, typed);
    QFETCH(QStringList, options);
    QFETCH(QString, subprogram);
    QFETCH(double, keptOD);
    Editor e("", 0, /*material=*/false);
    e.main.machine().CsvFileName = MaterialFile().toStdString();
    QString shownFile;
    ModalAnswer modal([&](QWidget* d) {
      shownFile = d->findChild<QLineEdit*>(QStringLiteral("CsvFile"))->text();
      for (const QString& name : options) d->findChild<QAbstractButton*>(name)->click();
      for (auto it = typed.begin(); it != typed.end(); ++it) SetBox(d, qPrintable(it.key()), it.value());
      Press(d, "Command1");
    });
    QVERIFY(e.pick(QStringLiteral("ProcessUGC")));
    QVERIFY(modal.seen());
    QCOMPARE(shownFile, MaterialFile());
    // Defaults: MaxS 2500, no Tallix, index X500 Z500, panel check on, no B turret.
    const std::string head = Lines({"NMAX G50 S2500", "N000 G00 X500 Z500", "N000 CALL OPCHK (PANEL CHECK)",
                                    "N000 CALL OUGC  (GRAPHIC DATA)", "\t"});
    const std::string tail = Lines({"\t", "NEND M02"});
    QCOMPARE(QString::fromStdString(e.doc()->text()), QString::fromStdString(head + tail + subprogram.toStdString()));
    QCOMPARE(e.doc()->selStart(), int(head.size()));
    QCOMPARE(e.main.kept().MaterialOD.value_or(-1), keptOD);
    QCOMPARE(e.main.cuttingConditions().cell(5, 3), std::string("5"));  // the material was loaded
    QVERIFY(e.ui.messages.empty());
    e.doc()->txtText->undo();
    QCOMPARE(QString::fromStdString(e.doc()->text()), QString());
  }

  // Guards against: the values Material Input keeps not reaching the
  // commands that start from them, nor its own next opening.
  void keptMaterialValuesPrefillLaterDialogs() {
    Editor e;
    e.main.machine().CsvFileName = MaterialFile().toStdString();
    {
      ModalAnswer modal([](QWidget* d) {
        SetBox(d, "Text9", "2");
        SetBox(d, "Text3", "120");
        SetBox(d, "Text5", "65.8");
        Press(d, "Command1");
      });
      QVERIFY(e.pick(QStringLiteral("ProcessUGC")));
      QVERIFY(modal.seen());
    }
    QString nextOD;
    {
      ModalAnswer modal([&](QWidget* d) {
        nextOD = d->findChild<QLineEdit*>(QStringLiteral("Text5"))->text();
        Press(d, "Command2");
      });
      QVERIFY(e.pick(QStringLiteral("ProcessUGC")));
      QVERIFY(modal.seen());
    }
    QCOMPARE(nextOD, QStringLiteral("65"));  // kept as its whole part
    ProcessAnswer answer;
    {
      ModalAnswer modal([&](QWidget* d) {
        answer.typed = {};
        answer(d);
      });
      QVERIFY(e.pick(QStringLiteral("ProcessRoughOD")));
      QVERIFY(modal.seen());
    }
    QCOMPARE(answer.caption, QStringLiteral("O.D.Rough "));
    QCOMPARE(answer.shown.value("EndX"), QStringLiteral("65"));
    QCOMPARE(answer.shown.value("StartZ"), QStringLiteral("0"));
    QCOMPARE(answer.shown.value("ToolNumber"), QStringLiteral("5"));  // row 5 of the material
  }

  // Guards against: a material file that cannot be read passing unnoticed,
  // or stopping Material Input before its dialog.
  void unreadableMaterialIsReportedAndTheDialogStillOpens() {
    Editor e("", 0, /*material=*/false);
    e.main.machine().CsvFileName = "/nonexistent/ cutting  condition /S45C.CSV";
    ModalAnswer modal([](QWidget* d) { Press(d, "Command2"); });
    QVERIFY(e.pick(QStringLiteral("ProcessUGC")));
    QVERIFY(modal.seen());
    QCOMPARE(e.ui.messages.size(), size_t(1));
    QVERIFY(e.ui.messages[0].text.contains(QStringLiteral("S45C.CSV")));
  }

  // Guards against: a generator error inserting half a block, or the no
  // document case failing silently.
  void errorsAreReportedAndInsertNothing() {
    Editor e;
    ModalAnswer modal([](QWidget* d) {
      SetBox(d, "U", "0");  // drill diameter 0: the speed divides by zero
      Press(d, "Command1");
    });
    QVERIFY(e.pick(QStringLiteral("ProcessDrillHss")));
    QVERIFY(modal.seen());
    QCOMPARE(e.ui.messages.size(), size_t(1));
    QCOMPARE(e.ui.messages[0].title, QStringLiteral(" 11 error "));
    QCOMPARE(e.ui.messages[0].text, QStringLiteral("0 error. Tool diameter is 0."));
    QCOMPARE(QString::fromStdString(e.doc()->text()), QStringLiteral("%\n\nM30\n"));
  }

  // Guards against: the rotary-tool menus not following Tallix after the
  // parameter dialog closes, or Cancel letting the check through.
  void parameterDialogDrivesTheRotaryMenus_data() {
    QTest::addColumn<bool>("before");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("after");
    QTest::newRow("checked, cancelled") << false << "Command2" << false;
    QTest::newRow("checked, confirmed") << false << "Command1" << true;
    QTest::newRow("cleared, confirmed") << true << "Command1" << false;
  }
  void parameterDialogDrivesTheRotaryMenus() {
    QFETCH(bool, before);
    QFETCH(QString, button);
    QFETCH(bool, after);
    Editor e;
    e.main.machine().Tallix = before;
    e.main.applyTallixMenus(before);
    QString caption;
    ModalAnswer modal([&](QWidget* d) {
      caption = d->windowTitle();
      d->findChild<QCheckBox*>(QStringLiteral("ChkTallix"))->click();
      Press(d, qPrintable(button));
    });
    QVERIFY(e.pick(QStringLiteral("ProcessSetup")));
    QVERIFY(modal.seen());
    QCOMPARE(caption, QStringLiteral("Parameter"));
    QCOMPARE(e.main.machine().Tallix, after);
    for (const char* item : {"ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant", "ProcessMTapSlant",
                             "ProcessMCircle", "ProcessMPlanetTap"})
      QVERIFY2(e.main.action(QString::fromLatin1(item))->isVisible() == after, item);
    QCOMPARE(e.store.get("Parameter", "Tallix").has_value(), button == "Command1");
  }

 private:
  void runFamilyRow() {
    QFETCH(QString, command);
    QFETCH(bool, toolFrom);
    QFETCH(Boxes, typed);
    QFETCH(QString, block);
    Editor e;
    e.main.machine().ToolFrom = toolFrom;
    e.main.kept().MaterialOD = 60;
    runProcess(e, command, typed);
    QVERIFY(e.ui.messages.empty());
    const std::string b = block.toStdString();
    QCOMPARE(QString::fromStdString(e.doc()->text()), QString::fromStdString("%\n" + b + "\nM30\n"));
    QCOMPARE(e.doc()->selStart(), int(2 + b.size()));
    e.doc()->txtText->undo();
    QCOMPARE(QString::fromStdString(e.doc()->text()), QStringLiteral("%\n\nM30\n"));
  }
};

QTEST_MAIN(ProcessCommandsTest)
#include "test_process_commands.moc"
