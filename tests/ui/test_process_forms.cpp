// The process forms on their own: frmProcess, the "Parameter" dialog and
// "User Graphic Command", driven offscreen.
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "ScriptedInteraction.h"
#include "process_rotary/command_table.h"
#include "ui/process/UgcDrawing.h"
#include "ui/process/frmProcess.h"
#include "ui/process/frmProcessSetup.h"
#include "ui/process/frmUGC.h"
#include "process/cutting_conditions.h"
#include "app/machine_parameters.h"
#include "process/process_run.h"

namespace {

template <typename T = QWidget>
T* Child(const QWidget& parent, const QString& name) {
  return parent.findChild<T*>(name);
}

// Shows a dialog modelessly and makes it the active window, so focus and keys
// behave as for a user.
void ShowActive(QWidget& w) {
  w.show();
  QApplication::setActiveWindow(&w);
  QVERIFY(QTest::qWaitForWindowActive(&w));
}

QString MaterialFile() { return QString::fromLocal8Bit(qgetenv("QUILLON_TEST_DATA")) + "/ui/test_process_material.csv"; }

// What the three dialogs are built from; make() builds one by its caption.
struct Forms {
  quillon::MemorySettingsStore store;
  quillon::MachineParameters machine;
  quillon::CuttingConditionTable table;
  ScriptedInteraction ui;
  std::unique_ptr<QDialog> make(const QString& dialog) {
    if (dialog == "Parameter") return std::make_unique<frmProcessSetup>(machine, store);
    if (dialog == "User Graphic Command") return std::make_unique<frmUGC>(machine, table, ui);
    return std::make_unique<frmProcess>();
  }
};

// A frmProcess set up for command ("" leaves the design state).
std::unique_ptr<frmProcess> ProcessDialog(const QString& command) {
  auto dialog = std::make_unique<frmProcess>();
  if (command.isEmpty()) return dialog;
  const quillon::ProcessCommand* row = quillon::FindProcessCommand(command.toStdString());
  if (!row || !row->setup || !dialog->applySetup(row->setup(quillon::KeptState{})).isEmpty()) return nullptr;
  return dialog;
}

QString Caption(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
  return QStringLiteral("<no caption>");
}

}  // namespace

class ProcessFormsTest : public QObject {
  Q_OBJECT

 private slots:
  // Guards against: a caption of the three dialogs typed another way than the
  // one machinists know (odd spellings and blanks included), and a design
  // label hidden that should show (the B axis and its zero shift Z show only
  // for slant commands).
  void captions_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    // clang-format off
    static const char* const kCaptions[][3] = {
      {"frmProcess",           "Label1",         "Tool No."},
      {"frmProcess",           "LabelV",         "Speed(m/min)"},
      {"frmProcess",           "LabelF",         "Feed"},
      {"frmProcess",           "LabelD",         "Step"},
      {"frmProcess",           "LabelL",         "Step 2"},
      {"frmProcess",           "LabelU",         "Finish Stock"},
      {"frmProcess",           "LabelW",         "Finish Stock Z"},
      {"frmProcess",           "LabelC",         "Chamfer"},
      {"frmProcess",           "LabelB",         "B Axis Angle"},
      {"frmProcess",           "LabelStart",     "Start Point"},
      {"frmProcess",           "LabelEnd",       "End Point"},
      {"frmProcess",           "LabelAttn",      ""},
      {"frmProcess",           "LabelHint",      "For change input position useTAB Key"},
      {"frmProcess",           "Command1",       "O  K"},
      {"frmProcess",           "Command2",       "Cancel"},
      {"frmProcess",           "SpindleCW",      "CW"},
      {"frmProcess",           "SpindleCCW",     "CCW"},
      {"frmProcess",           "CoolantON",      "ON"},
      {"frmProcess",           "CoolantOFF",     "OFF"},
      {"frmProcess",           "FrameSpindle",   "Spindle"},
      {"frmProcess",           "FrameCoolant",   "Coolant"},
      {"Parameter",            "LabelMaxS",      "Maximum Speed"},
      {"Parameter",            "FrameHome",      "Turret Index Pos."},
      {"Parameter",            "FrameApp",       "Apploch Position"},
      {"Parameter",            "chkToolLife",    "Tool Life Management"},
      {"Parameter",            "ChkZentor",      "After Q500"},
      {"Parameter",            "ChkTallix",      "Tallix"},
      {"Parameter",            "ChkBturret",     "2Saddle"},
      {"Parameter",            "ChkMeasuer",     "In-process Measure"},
      {"Parameter",            "ChkPanel",       "PanelCheck"},
      {"Parameter",            "ChkDoor",        "Auto Door"},
      {"Parameter",            "ChkToolFrom",    "Tool from out"},
      {"Parameter",            "ChkLoadMoniter", "Load monitor"},
      {"Parameter",            "TurretH",        "Turret Type"},
      {"Parameter",            "AtcMacro",       "ATC Macro"},
      {"Parameter",            "Command1",       "O  K"},
      {"Parameter",            "Command2",       "Cancel"},
      {"User Graphic Command", "Label9",         "P-Zero"},
      {"User Graphic Command", "Label3",         "Length"},
      {"User Graphic Command", "Label8",         "Center Length"},
      {"User Graphic Command", "Label1",         "Jaw Length"},
      {"User Graphic Command", "Label5",         "Material OD"},
      {"User Graphic Command", "Label7",         "Center D"},
      {"User Graphic Command", "Label2",         "Jaw face"},
      {"User Graphic Command", "Label4",         "Material ID"},
      {"User Graphic Command", "Label6",         "CenterHoleD"},
      {"User Graphic Command", "FrameGrasp",     "Grasp Select"},
      {"User Graphic Command", "OD",             "O.D."},
      {"User Graphic Command", "ID",             "I.D."},
      {"User Graphic Command", "FrameSpindle",   "Spindle Select"},
      {"User Graphic Command", "Check1",         "With Tailstock"},
      {"User Graphic Command", "Check2",         "FaceDrawingOn"},
      {"User Graphic Command", "LabelCsvFile",   "Material file"},
      {"User Graphic Command", "Material",       "Material select"},
      {"User Graphic Command", "Command1",       "OK"},
      {"User Graphic Command", "Command2",       "Cancel"},
    };
    // clang-format on
    for (const auto& row : kCaptions)
      QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(row[0], row[1])))
          << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2]);
  }
  void captions() {
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    Forms forms;
    auto d = forms.make(dialog);
    if (dialog != "frmProcess") QCOMPARE(d->windowTitle(), dialog);
    QWidget* w = Child(*d, control);
    QVERIFY2(w, qPrintable(control));
    QCOMPARE(Caption(w), caption);
    QCOMPARE(w->isVisibleTo(d.get()), control != "LabelB");
  }

  // Guards against: a fresh frmProcess that does not start from its design
  // state (a box hidden or filled, B and its zero shift Z shown).
  void freshProcessDialogShowsEveryBoxButBAndSZ() {
    frmProcess dialog;
    for (const char* name : quillon::kProcessBoxes) {
      const bool slantOnly = std::string_view(name) == "B" || std::string_view(name) == "SZ";
      QVERIFY2(dialog.box(name)->isVisibleTo(&dialog) == !slantOnly, name);
      QVERIFY2(dialog.box(name)->text().isEmpty(), name);
    }
    for (const char* label : {"LabelB2", "LabelSZ"}) QVERIFY2(!Child(dialog, label)->isVisibleTo(&dialog), label);
  }

  // Guards against: Enter walking to the wrong box, doing nothing where the
  // next box of the walk is hidden by the command (it must go on to the next
  // box that is shown), or moving the focus out of a box where it should do
  // nothing (or closing the dialog).
  void enterMovesTheFocus_data() {
    QTest::addColumn<QString>("command");  // "" = the design state
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("tool to speed") << "" << "ToolNumber" << "V";
    QTest::newRow("speed to feed") << "" << "V" << "F";
    QTest::newRow("feed to stock, past D and L") << "" << "F" << "U";
    QTest::newRow("step stays") << "" << "D" << "D";
    QTest::newRow("stock stays") << "" << "U" << "U";
    QTest::newRow("end point stays") << "" << "EndZ" << "EndZ";
    QTest::newRow("finishing: speed to stock, no feed box") << "ProcessFinishOD" << "V" << "U";
    QTest::newRow("finishing: tool to speed as usual") << "ProcessFinishOD" << "ToolNumber" << "V";
    QTest::newRow("I.D. measurement: compensation to OK") << "ProcessMeasuerInD" << "V" << "U";
    QTest::newRow("Z zero offset: no speed nor feed") << "ProcessMeasuerZeroZaxis" << "ToolNumber" << "U";
    QTest::newRow("C zero offset: feed stays, no stock box") << "ProcessMeasuerZeroCaxis" << "F" << "F";
  }
  void enterMovesTheFocus() {
    QFETCH(QString, command);
    QFETCH(QString, from);
    QFETCH(QString, to);
    auto dialog = ProcessDialog(command);
    QVERIFY(dialog);
    ShowActive(*dialog);
    dialog->box(from)->setFocus();
    QTest::keyClick(dialog->box(from), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dialog->box(to));
    QVERIFY(dialog->isVisible());
  }

  // Guards against: an entry box of any of the three dialogs that keeps the
  // caret where the click put it, so a typed value is appended to the old one.
  void boxesSelectTheirTextOnFocus_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("tool") << "frmProcess" << "ToolNumber" << "5";
    QTest::newRow("speed with decimals") << "frmProcess" << "V" << "150.5";
    QTest::newRow("end C") << "frmProcess" << "EndC" << "-90";
    QTest::newRow("empty box") << "frmProcess" << "StartX" << "";
    for (const char* box : {"txtMaxS", "txtHomeX", "txtHomeZ", "txtAppX", "txtAppZ"})
      QTest::newRow(box) << "Parameter" << box << "123.5";
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text9"})  // the centre boxes need a tailstock
      QTest::newRow(box) << "User Graphic Command" << box << "123.5";
  }
  void boxesSelectTheirTextOnFocus() {
    QFETCH(QString, dialog);
    QFETCH(QString, box);
    QFETCH(QString, text);
    Forms forms;
    auto d = forms.make(dialog);
    auto* entry = Child<QLineEdit>(*d, box);
    QVERIFY(entry);
    entry->setText(text);
    ShowActive(*d);
    Child(*d, QStringLiteral("Command2"))->setFocus();
    entry->setFocus(Qt::MouseFocusReason);
    QTest::qWait(20);
    QCOMPARE(entry->selectedText(), text);
    QTest::keyClicks(entry, QStringLiteral("7"));
    QCOMPARE(entry->text(), QStringLiteral("7"));
  }

  // Guards against: captions, hiding, showing or tool tips of a set-up not
  // reaching the controls.
  void setupReachesTheControls() {
    quillon::ProcessDialogSetup setup;
    setup.caption = "M Drill Slant ";
    setup.labels = {{"LabelU", "Drill diameter "}, {"LabelCZ", "Zero movement amount "}, {"EndZ2", ""}};
    setup.hidden = {"EndZ", "LabelEndZ"};
    setup.shown = {"B", "LabelB", "LabelB2", "SZ", "LabelSZ", "EndZ2"};
    setup.toolTips = {{"U", "M3=2.6 M4=3.4"}};
    frmProcess dialog;
    QVERIFY(dialog.applySetup(setup).isEmpty());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("M Drill Slant "));
    QCOMPARE(Child<QLabel>(dialog, "LabelU")->text(), QStringLiteral("Drill diameter "));
    QVERIFY(!dialog.box("EndZ")->isVisibleTo(&dialog));
    QVERIFY(dialog.box("B")->isVisibleTo(&dialog));
    QVERIFY(dialog.box("SZ")->isVisibleTo(&dialog));
    QCOMPARE(dialog.box("U")->toolTip(), QStringLiteral("M3=2.6 M4=3.4"));
  }

  // Guards against: labels of unused boxes left standing beside nothing (the
  // finishing dialog showed "Feed F" with no box, face and O.D. finishing a
  // lone "Face") and empty point groups.
  void unusedBoxesTakeTheirLabels_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("shown");
    auto row = [](const char* name, const char* command, const char* control, bool shown) {
      QTest::newRow(name) << QString::fromLatin1(command) << QString::fromLatin1(control) << shown;
    };
    row("finish hides feed label", "ProcessFinishOD", "LabelF", false);
    row("finish hides feed word", "ProcessFinishOD", "LabelF2", false);
    row("finish hides end group", "ProcessFinishOD", "FrameEnd", false);
    row("finish keeps start group", "ProcessFinishOD", "FrameStart", true);
    row("finish keeps speed label", "ProcessFinishOD", "LabelV", true);
    row("own caption of an unused box goes too", "ProcessFinishFaceOD", "LabelC", false);
    row("zero shift Z label goes with its box", "ProcessRoughOD", "LabelCZ", false);
    row("face end label shown on face+OD roughing", "ProcessRoughFaceOD", "LabelSZ", true);
    row("zero shift Z label shown on a slant", "ProcessMTapSlant", "LabelCZ", true);
    row("zero shift Z word shown on a slant", "ProcessMTapSlant", "LabelSZ", true);
    row("B axis label shown on a slant", "ProcessMDrillSlant", "LabelB", true);
    row("face+OD end group stays", "ProcessFinishFaceOD", "FrameEnd", true);
    row("drill hides start X word", "ProcessDrillHss", "LabelStartX", false);
    row("drill keeps start Z word", "ProcessDrillHss", "LabelStartZ", true);
  }
  void unusedBoxesTakeTheirLabels() {
    QFETCH(QString, command);
    QFETCH(QString, control);
    QFETCH(bool, shown);
    auto dialog = ProcessDialog(command);
    QVERIFY(dialog);
    QWidget* w = Child(*dialog, control);
    QVERIFY(w);
    QCOMPARE(w->isVisibleTo(dialog.get()), shown);
  }

  // Guards against: an empty row left inside a point group where a hidden
  // box was (the slant end groups showed C, a blank row, then Z).
  void pointGroupsHaveNoEmptyRows_data() {
    QTest::addColumn<QString>("command");
    for (const char* command : {"ProcessMDrillSlant", "ProcessMTapSlant", "ProcessMPlanetTapSlant", "ProcessMCircleSlant"})
      QTest::newRow(command) << command;
  }
  void pointGroupsHaveNoEmptyRows() {
    QFETCH(QString, command);
    auto dialog = ProcessDialog(command);
    QVERIFY(dialog);
    ShowActive(*dialog);
    QVERIFY(!dialog->box("EndZ")->isVisible());
    // The end group keeps X and C, which must sit one row apart, as the
    // start group's X and Z do.
    const int rowStep = dialog->box("StartZ")->y() - dialog->box("StartX")->y();
    QVERIFY(rowStep > 0);
    QCOMPARE(dialog->box("EndC")->y() - dialog->box("EndX")->y(), rowStep);
  }

  // Guards against: a misspelt control name in a set-up going unnoticed, and
  // a command row whose set-up names a control this form does not have.
  void unknownControlsAreReported_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("name");
    QTest::newRow("label") << "labels" << "LabelQ";
    QTest::newRow("caption on a box") << "labels" << "StartX";
    QTest::newRow("hidden") << "hidden" << "EndY";
    QTest::newRow("shown") << "shown" << "Labelb";
    QTest::newRow("tool tip") << "toolTips" << "Q";
    QTest::newRow("pre-fill of a label") << "prefill" << "LabelU";
  }
  void unknownControlsAreReported() {
    QFETCH(QString, where);
    QFETCH(QString, name);
    const std::string n = name.toStdString();
    quillon::ProcessDialogSetup setup;
    if (where == "labels") setup.labels = {{n, "x"}};
    if (where == "hidden") setup.hidden = {n};
    if (where == "shown") setup.shown = {n};
    if (where == "toolTips") setup.toolTips = {{n, "x"}};
    if (where == "prefill") setup.prefill = {{n, "x"}};
    frmProcess dialog;
    QCOMPARE(dialog.applySetup(setup), QStringList{name});
    for (const quillon::ProcessCommand* row : quillon::AllProcessCommands())
      QVERIFY2(!row->setup || ProcessDialog(QString::fromLatin1(row->name.data(), row->name.size())),
               row->name.data());
  }

  // Guards against: the option pairs or a box getting lost between the core's
  // values and the form (and back).
  void valuesRoundTrip_data() {
    QTest::addColumn<bool>("cw");
    QTest::addColumn<bool>("coolantOn");
    QTest::newRow("CW, coolant on") << true << true;
    QTest::newRow("CCW, coolant off") << false << false;
  }
  void valuesRoundTrip() {
    QFETCH(bool, cw);
    QFETCH(bool, coolantOn);
    quillon::ProcessDialogValues in;
    int i = 0;
    for (const char* box : quillon::kProcessBoxes) in.texts[box] = std::to_string(++i) + "." + box;
    in.spindleCW = cw;
    in.coolantOn = coolantOn;
    frmProcess dialog;
    dialog.setValues(in);
    QCOMPARE(Child<QRadioButton>(dialog, "SpindleCCW")->isChecked(), !cw);
    QCOMPARE(Child<QRadioButton>(dialog, "CoolantOFF")->isChecked(), !coolantOn);
    const quillon::ProcessDialogValues out = dialog.values();
    QCOMPARE(out.texts, in.texts);  // hidden B and SZ included
    QCOMPARE(out.spindleCW, cw);
    QCOMPARE(out.coolantOn, coolantOn);
  }

  // -------------------------------------------------------- frmProcessSetup

  // Guards against: the dialog showing something other than the record it
  // edits (fresh installation defaults).
  void parameterDialogShowsFreshDefaults() {
    quillon::MemorySettingsStore store;
    quillon::MachineParameters machine = quillon::LoadMachineParameters(store, {"/opt/quillon", "/home/op"});
    frmProcessSetup dialog(machine, store);
    QStringList shown;
    for (const char* box : {"txtMaxS", "txtHomeX", "txtHomeZ", "txtAppX", "txtAppZ"})
      shown << Child<QLineEdit>(dialog, box)->text();
    for (const char* mark : {"ChkZentor", "ChkPanel", "ChkToolFrom", "chkToolLife", "ChkTallix", "ChkBturret",
                             "ChkMeasuer", "ChkDoor", "ChkLoadMoniter", "H1", "H2", "M321", "M421", "M441"})
      if (Child<QAbstractButton>(dialog, mark)->isChecked()) shown << mark;
    QCOMPARE(shown.join(' '), QStringLiteral("2500 500 500 200 50 ChkZentor ChkPanel ChkToolFrom H2 M421"));
  }

  // Guards against: the index position asked (or not) on the wrong kind of
  // machine, and the tool-request options usable without Tallix.
  void tallixDisplayRule_data() {
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("click");
    QTest::addColumn<bool>("tallix");  // what the dialog then shows
    QTest::newRow("off, as opened") << false << false << false;
    QTest::newRow("off, then checked") << false << true << true;
    QTest::newRow("on, as opened") << true << false << true;
    QTest::newRow("on, then cleared") << true << true << false;
  }
  void tallixDisplayRule() {
    QFETCH(bool, stored);
    QFETCH(bool, click);
    QFETCH(bool, tallix);
    quillon::MemorySettingsStore store;
    quillon::MachineParameters machine;
    machine.Tallix = stored;
    frmProcessSetup dialog(machine, store);
    if (click) Child<QCheckBox>(dialog, "ChkTallix")->click();
    for (const char* name : {"txtHomeX", "txtHomeZ", "LabelAppZ"})
      QVERIFY2(Child(dialog, name)->isVisibleTo(&dialog) == !tallix, name);
    QCOMPARE(Child<QLabel>(dialog, "LabelAppX")->text(), tallix ? QStringLiteral("G21 HP=4") : QStringLiteral("X"));
    for (const char* name : {"TurretH", "AtcMacro", "H1", "H2", "M321", "M421", "M441"})
      QVERIFY2(Child(dialog, name)->isEnabled() == tallix, name);
    QCOMPARE(machine.Tallix, stored);  // nothing reaches the record before OK
  }

  // Guards against: OK storing other values than the dialog shows, a blank
  // box making trouble instead of 0, or keys written out of order (a box
  // that is not a number is refused: test_entries.cpp).
  void parameterOkStoresTheDialog_data() {
    QTest::addColumn<QString>("storedMacro");
    QTest::addColumn<QString>("choose");  // option clicked; empty = none
    QTest::addColumn<QString>("maxS");
    QTest::addColumn<QString>("expectedMacro");
    QTest::addColumn<QString>("expectedMaxS");
    QTest::newRow("M441 chosen") << "M421" << "M441" << "3000" << "M441" << "3000";
    QTest::newRow("M321 chosen") << "M421" << "M321" << "3000" << "M321" << "3000";
    QTest::newRow("unknown macro stored shows as M441") << "M999" << "" << "3000" << "M441" << "3000";
    QTest::newRow("blank speed stored as 0") << "M421" << "" << "" << "M421" << "0";
  }
  void parameterOkStoresTheDialog() {
    QFETCH(QString, storedMacro);
    QFETCH(QString, choose);
    QFETCH(QString, maxS);
    QFETCH(QString, expectedMacro);
    QFETCH(QString, expectedMaxS);
    quillon::MemorySettingsStore store;
    quillon::MachineParameters machine;
    machine.AtcMacroType = storedMacro.toStdString();
    machine.Tallix = true;  // the macro options take input only with Tallix
    frmProcessSetup dialog(machine, store);
    if (!choose.isEmpty()) Child<QRadioButton>(dialog, choose)->click();
    Child<QLineEdit>(dialog, "txtMaxS")->setText(maxS);
    Child<QCheckBox>(dialog, "ChkDoor")->click();
    Child<QRadioButton>(dialog, "H1")->click();
    Child<QPushButton>(dialog, "Command1")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(machine.AtcMacroType), expectedMacro);
    auto stored = [&](const char* key) { return QString::fromStdString(store.get("Parameter", key).value_or("<none>")); };
    QCOMPARE(stored("AtcMacroType"), expectedMacro);
    QCOMPARE(stored("MaxS"), expectedMaxS);
    QCOMPARE(stored("AutoDoor"), QStringLiteral("True"));
    QCOMPARE(stored("TurretType"), QStringLiteral("1"));
    QStringList order;
    for (const auto& [n, key] : store.writeOrder()) order << QString::fromStdString(key.second);
    QCOMPARE(order, QStringList({"MaxS", "HomeX", "HomeZ", "AppX", "AppZ", "TG", "ZentorQ500", "Tallix", "Bturret",
                                 "Measuer", "PanelChk", "AutoDoor", "TurretType", "AtcMacroType", "ToolFrom",
                                 "LoadMoniter"}));
  }

  // Guards against: Cancel leaking what was clicked into the record or the store.
  void parameterCancelChangesNothing() {
    quillon::MemorySettingsStore store;
    quillon::MachineParameters machine;
    frmProcessSetup dialog(machine, store);
    Child<QCheckBox>(dialog, "ChkTallix")->click();
    Child<QLineEdit>(dialog, "txtAppZ")->setText("75");
    Child<QPushButton>(dialog, "Command2")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(machine.Tallix, false);
    QCOMPARE(machine.AppZ, 50.0);
    QVERIFY(store.values().empty());
  }

  // ------------------------------------------------------------------ frmUGC

  // Guards against: the tailstock switch enabling the wrong boxes, or the
  // colours and the centre drawing not following it.
  void tailstockDecidesWhichBoxesTakeInput_data() {
    QTest::addColumn<bool>("tailstock");
    QTest::newRow("with tailstock") << true;
    QTest::newRow("without tailstock") << false;
  }
  void tailstockDecidesWhichBoxesTakeInput() {
    QFETCH(bool, tailstock);
    Forms forms;
    frmUGC dialog(forms.machine, forms.table, forms.ui);
    auto* check1 = Child<QCheckBox>(dialog, "Check1");
    if (tailstock != check1->isChecked()) check1->click();
    const QColor white = dialog.palette().color(QPalette::Active, QPalette::Base);
    const QColor grey = dialog.palette().color(QPalette::Active, QPalette::Button);
    auto* materialId = Child<QLineEdit>(dialog, "Text4");
    QCOMPARE(materialId->isEnabled(), !tailstock);
    QCOMPARE(materialId->palette().color(QPalette::Disabled, QPalette::Base), tailstock ? grey : white);
    for (const char* centre : {"Text8", "Text7", "Text6"}) {
      auto* box = Child<QLineEdit>(dialog, centre);
      QVERIFY2(box->isEnabled() == tailstock, centre);
      QVERIFY2(box->palette().color(QPalette::Disabled, QPalette::Base) == (tailstock ? white : grey), centre);
    }
    QCOMPARE(dialog.drawing()->centerVisible(), tailstock);
  }

  // Guards against: the drawing highlighting another dimension than the
  // box being typed into, or keeping the highlight after leaving it.
  void focusedBoxHighlightsItsDimension_data() {
    QTest::addColumn<int>("box");
    for (int i = 1; i <= 9; ++i) QTest::newRow(qPrintable(QStringLiteral("Text%1").arg(i))) << i;
  }
  void focusedBoxHighlightsItsDimension() {
    QFETCH(int, box);
    Forms forms;
    frmUGC dialog(forms.machine, forms.table, forms.ui);
    Child<QCheckBox>(dialog, "Check1")->setChecked(box != 4);  // the centre boxes take focus only with a tailstock
    ShowActive(dialog);
    Child<QLineEdit>(dialog, QStringLiteral("Text%1").arg(box))->setFocus();
    QCOMPARE(dialog.drawing()->highlight(), box);
    Child<QPushButton>(dialog, "Material")->setFocus();
    QCOMPARE(dialog.drawing()->highlight(), 0);
  }

  // Guards against: the focused dimension drawn in another colour or width
  // than magenta, 2 pixels, or a highlight left when no box has the focus.
  void highlightIsMagentaTwoPixelsWide_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("run");  // magenta pixels across the Material OD line
    QTest::newRow("Material OD focused") << 5 << 2;
    QTest::newRow("another box focused") << 3 << 0;
    QTest::newRow("no box focused") << 0 << 0;
  }
  void highlightIsMagentaTwoPixelsWide() {
    QFETCH(int, box);
    QFETCH(int, run);
    UgcDrawing drawing;
    // At its natural size the sketch is drawn 1:1: the Material OD line is
    // vertical at x = 280 from y = 70 to 166, so row 150 crosses it between
    // its arrow heads; a 2-pixel pen on x = 280 covers pixels 279 and 280.
    drawing.resize(drawing.sizeHint());
    drawing.setHighlight(box);
    const QImage image = drawing.grab().toImage();
    const QRgb magenta = QColor(Qt::magenta).rgb();
    // Pixels only partly covered would show as a magenta tint (red and blue
    // well above green): a wider pen tints its neighbours.
    int across = 0, tinted = 0;
    for (int x = 270; x <= 290; ++x) {
      const QColor c = image.pixelColor(x, 150);
      across += c.rgb() == magenta;
      tinted += c.red() - c.green() > 32 && c.blue() - c.green() > 32;
    }
    QCOMPARE(across, run);
    QCOMPARE(tinted, run);
    if (box == 0) {
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) QVERIFY(image.pixel(x, y) != magenta);
    }
  }

  // Guards against: Enter in the jaw length jumping on while it is still empty.
  void enterAfterJawLength_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");
    QTest::newRow("filled moves to jaw face") << "30" << "Text2";
    QTest::newRow("empty stays") << "" << "Text1";
  }
  void enterAfterJawLength() {
    QFETCH(QString, text);
    QFETCH(QString, focus);
    Forms forms;
    frmUGC dialog(forms.machine, forms.table, forms.ui);
    ShowActive(dialog);
    auto* jaw = Child<QLineEdit>(dialog, "Text1");
    jaw->setText(text);
    jaw->setFocus();
    QTest::keyClick(jaw, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), Child(dialog, focus));
    QVERIFY(dialog.isVisible());
  }

  // Guards against: the material picker starting elsewhere, losing the
  // choice, not reloading the table, or swallowing a file it cannot read.
  void materialSelect_data() {
    QTest::addColumn<QString>("pick");  // empty = cancelled
    QTest::addColumn<bool>("changes");
    QTest::addColumn<bool>("reported");
    QTest::newRow("material file picked") << MaterialFile() << true << false;
    QTest::newRow("dialog cancelled") << QString() << false << false;
    QTest::newRow("file that cannot be read") << QStringLiteral("/nonexistent/NONE.CSV") << true << true;
  }
  void materialSelect() {
    QFETCH(QString, pick);
    QFETCH(bool, changes);
    QFETCH(bool, reported);
    const QString old = QStringLiteral("/opt/quillon/ cutting  condition /S45C.CSV");
    Forms forms;
    forms.machine.CsvPathName = "/opt/quillon/ cutting  condition ";
    forms.machine.CsvFileName = old.toStdString();
    forms.table.setCell(5, 3, "99");  // a previous material
    if (!pick.isEmpty()) forms.ui.openAnswers.push_back(ScriptedInteraction::pick(pick));
    frmUGC dialog(forms.machine, forms.table, forms.ui);
    QCOMPARE(Child<QLineEdit>(dialog, "CsvFile")->text(), old);
    Child<QPushButton>(dialog, "Material")->click();
    QCOMPARE(forms.ui.openStartFolders, std::vector<QString>{QStringLiteral("/opt/quillon/ cutting  condition ")});
    QCOMPARE(forms.ui.openFilters, std::vector<QString>{QStringLiteral("CSV Files(*.csv)|*.csv|All Files(*.*)|*.*")});
    const QString file = changes ? pick : old;
    QCOMPARE(QString::fromStdString(forms.machine.CsvFileName), file);
    QCOMPARE(Child<QLineEdit>(dialog, "CsvFile")->text(), file);
    QCOMPARE(QString::fromStdString(forms.machine.CsvPathName), file.left(file.lastIndexOf('/')));
    QCOMPARE(forms.ui.messages.size(), size_t(reported ? 1 : 0));
    // The test material has tool 5 in row 5; a failed or cancelled load keeps the old table.
    QCOMPARE(forms.table.cell(5, 3), std::string(changes && !reported ? "5" : "99"));
  }

  // Guards against: a box or option lost between the form and the core.
  void ugcValuesRoundTrip_data() {
    QTest::addColumn<bool>("od");
    QTest::addColumn<bool>("main");
    QTest::addColumn<bool>("tailstock");
    QTest::addColumn<bool>("face");
    QTest::newRow("OD, main, plain") << true << true << false << false;
    QTest::newRow("ID, sub, tailstock, face") << false << false << true << true;
  }
  void ugcValuesRoundTrip() {
    QFETCH(bool, od);
    QFETCH(bool, main);
    QFETCH(bool, tailstock);
    QFETCH(bool, face);
    quillon::UgcDialogValues in{"1", "2", "3", "4", "5", "6", "7", "8", "9", od, main, tailstock, face};
    Forms forms;
    frmUGC dialog(forms.machine, forms.table, forms.ui);
    dialog.setValues(in);
    QCOMPARE(dialog.drawing()->centerVisible(), tailstock);
    const quillon::UgcDialogValues out = dialog.values();
    QCOMPARE(QString::fromStdString(out.Text1 + out.Text2 + out.Text3 + out.Text4 + out.Text5 + out.Text6 + out.Text7 +
                                    out.Text8 + out.Text9),
             QStringLiteral("123456789"));
    QCOMPARE(out.OD, od);
    QCOMPARE(out.MainSpindle, main);
    QCOMPARE(out.Check1, tailstock);
    QCOMPARE(out.Check2, face);
  }
};

QTEST_MAIN(ProcessFormsTest)
#include "test_process_forms.moc"
