// The process forms on their own: frmProcess, the "Parameter" dialog and "User Graphic Command" driven offscreen (their
// captions and the set-ups' effect on the controls: test_dialogs.cpp).
#include <QImage>

#include "EditorPtr.h"
#include "process/cutting_conditions.h"
#include "process_rotary/command_table.h"
#include "ui/process/UgcDrawing.h"
#include "ui/process/frmProcess.h"
#include "ui/process/frmProcessSetup.h"
#include "ui/process/frmUGC.h"

namespace {

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

}  // namespace

class ProcessFormsTest : public QObject {
  Q_OBJECT

 private slots:
  // Guards against: Enter walking to the wrong box, skipping a box the command hides, moving the focus where it should
  // stay (or closing the dialog), and Enter in the jaw length jumping on while it is still empty.
  void enterMovesTheFocus_data() { AddCases("process_enter.txt"); }
  void enterMovesTheFocus() {
    const Case c = CurrentCase();
    Forms forms;
    const bool ugc = c["command"] == "User Graphic Command";
    std::unique_ptr<QDialog> dialog = ugc ? forms.make(c["command"]) : ProcessDialog(c["command"]);
    QVERIFY(dialog);
    ShowActive(*dialog);
    auto* from = Child<QLineEdit>(dialog.get(), c["from"]);
    if (ugc) from->setText(c["text"]);
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), Child(dialog.get(), c["to"]));
    QVERIFY(dialog->isVisible());
  }

  // Guards against: an entry box keeping the caret where the click put it, so a typed value is appended to the old one.
  void boxesSelectTheirTextOnFocus_data() { AddCases("process_select.txt"); }
  void boxesSelectTheirTextOnFocus() {
    const Case c = CurrentCase();
    Forms forms;
    auto d = forms.make(c["dialog"]);
    auto* entry = Child<QLineEdit>(d.get(), c["box"]);
    QVERIFY(entry);
    entry->setText(c["text"]);
    ShowActive(*d);
    Child(d.get(), QStringLiteral("Command2"))->setFocus();
    entry->setFocus(Qt::MouseFocusReason);
    QTest::qWait(20);
    QCOMPARE(entry->selectedText(), c["text"]);
    QTest::keyClicks(entry, QStringLiteral("7"));
    QCOMPARE(entry->text(), QStringLiteral("7"));
  }

  // Guards against: an empty row left inside a point group where a hidden box was (the slant end groups showed C, a
  // blank row, then Z).
  void pointGroupsHaveNoEmptyRows() {
    for (const char* command :
         {"ProcessMDrillSlant", "ProcessMTapSlant", "ProcessMPlanetTapSlant", "ProcessMCircleSlant"}) {
      auto dialog = ProcessDialog(command);
      QVERIFY(dialog);
      ShowActive(*dialog);
      QVERIFY(!dialog->box("EndZ")->isVisible());
      // The end group keeps X and C, one row apart as the start group's X and Z.
      const int rowStep = dialog->box("StartZ")->y() - dialog->box("StartX")->y();
      QVERIFY(rowStep > 0);
      QCOMPARE(dialog->box("EndC")->y() - dialog->box("EndX")->y(), rowStep);
    }
  }

  // Guards against: a misspelt control name in a set-up going unnoticed (every row's set-up applies cleanly: see
  // test_dialogs.cpp).
  void unknownControlsAreReported() {
    quillon::ProcessDialogSetup setup;
    setup.labels = {{"LabelQ", "x"}, {"StartX", "x"}};  // a box is no label
    setup.hidden = {"EndY"};
    setup.shown = {"Labelb"};
    setup.toolTips = {{"Q", "x"}};
    setup.prefill = {{"LabelU", "x"}};  // a label is no box
    frmProcess dialog;
    QCOMPARE(dialog.applySetup(setup), (QStringList{"LabelQ", "StartX", "EndY", "Labelb", "Q", "LabelU"}));
  }

  // Guards against: the option pairs or a box getting lost between the core's values and the form (and back).
  void valuesRoundTrip() {
    for (bool on : {true, false}) {
      quillon::ProcessDialogValues in;
      int i = 0;
      for (const char* box : quillon::kProcessBoxes) in.texts[box] = std::to_string(++i) + "." + box;
      in.spindleCW = on;
      in.coolantOn = !on;
      frmProcess dialog;
      dialog.setValues(in);
      QCOMPARE(Child<QRadioButton>(&dialog, "SpindleCCW")->isChecked(), !on);
      QCOMPARE(Child<QRadioButton>(&dialog, "CoolantOFF")->isChecked(), on);
      const quillon::ProcessDialogValues out = dialog.values();
      QCOMPARE(out.texts, in.texts);  // hidden B and SZ included
      QCOMPARE(out.spindleCW, on);
      QCOMPARE(out.coolantOn, !on);
    }
  }

  // Guards against: OK storing other values than the dialog shows, a non-number making trouble instead of 0, keys
  // written out of order, and Cancel leaking what was clicked into the record or the store.
  void parameterStoresTheDialog_data() { AddCases("process_parameter.txt"); }
  void parameterStoresTheDialog() {
    const Case r = CurrentCase();
    const bool ok = r["button"] == "Command1";
    Forms f;
    f.machine.AtcMacroType = r["storedMacro"].toStdString();
    f.machine.Tallix = true;  // the macro options take input only with Tallix
    frmProcessSetup dialog(f.machine, f.store);
    if (!r["choose"].isEmpty()) Child<QRadioButton>(&dialog, r["choose"])->click();
    Child<QLineEdit>(&dialog, "txtMaxS")->setText(r["maxS"]);
    Child<QCheckBox>(&dialog, "ChkDoor")->click();
    Child<QRadioButton>(&dialog, "H1")->click();
    Child<QPushButton>(&dialog, r["button"])->click();
    QCOMPARE(dialog.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(Q(f.machine.AtcMacroType), r["macro"]);
    QCOMPARE(f.machine.AutoDoor, ok);
    QString stored;
    for (const auto& [n, key] : f.store.writeOrder())
      stored += QString::fromStdString(key.second + "=" + *f.store.get(key.first, key.second)) + " ";
    QCOMPARE(stored,
             !ok ? QString()
                 : QString("MaxS=%1 HomeX=500 HomeZ=500 AppX=200 AppZ=50 TG=False ZentorQ500=True Tallix=True "
                           "Bturret=False Measuer=False PanelChk=True AutoDoor=True TurretType=1 AtcMacroType=%2 "
                           "ToolFrom=True LoadMoniter=False ")
                       .arg(r["storedMaxS"], r["macro"]));
  }

  // Guards against: the colours and the centre drawing not following the tailstock switch (which boxes it enables: the
  // frmUGC dump).
  void tailstockColoursAndDrawing() {
    for (bool tailstock : {true, false}) {
      Forms f;
      frmUGC dialog(f.machine, f.table, f.ui);
      if (tailstock) Child<QCheckBox>(&dialog, "Check1")->click();
      const QColor white = dialog.palette().color(QPalette::Active, QPalette::Base);
      const QColor grey = dialog.palette().color(QPalette::Active, QPalette::Button);
      for (const char* box : {"Text4", "Text8", "Text7", "Text6"}) {
        const bool centre = std::string_view(box) != "Text4";
        QVERIFY2(Child<QLineEdit>(&dialog, box)->palette().color(QPalette::Disabled, QPalette::Base) ==
                     (tailstock == centre ? white : grey),
                 box);
      }
      QCOMPARE(dialog.drawing()->centerVisible(), tailstock);
    }
  }

  // Guards against: the drawing highlighting another dimension than the box being typed into, or keeping the highlight
  // after leaving it.
  void focusedBoxHighlightsItsDimension() {
    for (int box = 1; box <= 9; ++box) {
      Forms f;
      frmUGC dialog(f.machine, f.table, f.ui);
      Child<QCheckBox>(&dialog, "Check1")->setChecked(box != 4);  // the centre boxes take focus only with a tailstock
      ShowActive(dialog);
      Child<QLineEdit>(&dialog, QStringLiteral("Text%1").arg(box))->setFocus();
      QCOMPARE(dialog.drawing()->highlight(), box);
      Child<QPushButton>(&dialog, "Material")->setFocus();
      QCOMPARE(dialog.drawing()->highlight(), 0);
    }
  }

  // Guards against: the focused dimension drawn in another colour or width than magenta, 2 pixels, or a highlight left
  // when no box has the focus.
  void highlightIsMagentaTwoPixelsWide_data() { AddCases("process_highlight.txt"); }
  void highlightIsMagentaTwoPixelsWide() {
    const int box = CurrentCase().number("box"), run = CurrentCase().number("run");
    UgcDrawing drawing;
    // At its natural size the sketch is drawn 1:1: the Material OD line is vertical at x = 280 from y = 70 to 166, so
    // row 150 crosses it between its arrow heads; a 2-pixel pen on x = 280 covers pixels 279 and 280.
    drawing.resize(drawing.sizeHint());
    drawing.setHighlight(box);
    const QImage image = drawing.grab().toImage();
    const QRgb magenta = QColor(Qt::magenta).rgb();
    // Pixels only partly covered would show as a magenta tint (red and blue well above green): a wider pen tints its
    // neighbours.
    int across = 0, tinted = 0;
    for (int x = 270; x <= 290; ++x) {
      const QColor c = image.pixelColor(x, 150);
      across += c.rgb() == magenta;
      tinted += c.red() - c.green() > 32 && c.blue() - c.green() > 32;
    }
    QCOMPARE(across, run);
    QCOMPARE(tinted, run);
    for (int y = 0; box == 0 && y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) QVERIFY(image.pixel(x, y) != magenta);
  }

  // Guards against: the material picker starting elsewhere, losing the choice, not reloading the table, or swallowing a
  // file it cannot read.
  void materialSelect_data() { AddCases("process_material_select.txt"); }
  void materialSelect() {
    const Case c = CurrentCase();
    const QString pick = c["pick"] == "material" ? MaterialFile() : c["pick"];
    const bool changes = c.yes("changes"), reported = c.yes("reported");
    const QString folder = QStringLiteral("/opt/quillon/ cutting  condition "), old = folder + "/S45C.CSV";
    Forms f;
    f.machine.CsvPathName = folder.toStdString();
    f.machine.CsvFileName = old.toStdString();
    f.table.setCell(5, 3, "99");  // a previous material
    if (!pick.isEmpty()) f.ui.openAnswers.push_back(ScriptedInteraction::pick(pick));
    frmUGC dialog(f.machine, f.table, f.ui);
    QCOMPARE(Child<QLineEdit>(&dialog, "CsvFile")->text(), old);
    Child<QPushButton>(&dialog, "Material")->click();
    QCOMPARE(f.ui.openStartFolders, std::vector<QString>{folder});
    QCOMPARE(f.ui.openFilters, std::vector<QString>{QStringLiteral("CSV Files(*.csv)|*.csv|All Files(*.*)|*.*")});
    const QString file = changes ? pick : old;
    QCOMPARE(QString::fromStdString(f.machine.CsvFileName), file);
    QCOMPARE(Child<QLineEdit>(&dialog, "CsvFile")->text(), file);
    QCOMPARE(QString::fromStdString(f.machine.CsvPathName), file.left(file.lastIndexOf('/')));
    QCOMPARE(f.ui.messages.size(), size_t(reported ? 1 : 0));
    // The test material has tool 5 in row 5; a failed or cancelled load keeps the old table.
    QCOMPARE(f.table.cell(5, 3), std::string(changes && !reported ? "5" : "99"));
  }

  // Guards against: a box or option lost between the form and the core.
  void ugcValuesRoundTrip() {
    for (bool on : {true, false}) {
      const quillon::UgcDialogValues in{"1", "2", "3", "4", "5", "6", "7", "8", "9", on, !on, !on, on};
      Forms f;
      frmUGC dialog(f.machine, f.table, f.ui);
      dialog.setValues(in);
      QCOMPARE(dialog.drawing()->centerVisible(), !on);
      const quillon::UgcDialogValues o = dialog.values();
      QCOMPARE(QString::fromStdString(o.Text1 + o.Text2 + o.Text3 + o.Text4 + o.Text5 + o.Text6 + o.Text7 + o.Text8 +
                                      o.Text9),
               QStringLiteral("123456789"));
      QVERIFY(o.OD == on && o.MainSpindle == !on && o.Check1 == !on && o.Check2 == on);
    }
  }
};

QTEST_MAIN(ProcessFormsTest)
#include "test_process_forms.moc"
