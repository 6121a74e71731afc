// The Process menu driven through the main window: the command flow around frmProcess and frmUGC (pre-fill, cancel,
// errors, caret, undo), with the dialogs answered the way a user would. The blocks themselves are pinned by the golden
// runs; here the menu must deliver exactly what the core flow makes of the material row and what was typed.
#include <QMap>

#include "EditorPtr.h"
#include "app/menu_tree.h"
#include "document/document_edit.h"
#include "process/process_run.h"
#include "process_rotary/command_table.h"
#include "test_process_support.h"
#include "ui/process/frmUGC.h"

namespace {

using Boxes = QMap<QString, QString>;

const std::string kDoc = "%\n\nM30\n";  // the caret on the empty line: 2

// One editor with one document holding text, the caret at caret, the test material loaded unless said otherwise.
struct Session : EditorSession {
  quillon::Workspace& ws = main.workspace();
  explicit Session(const std::string& text = kDoc, int caret = 2, bool material = true) {
    document(text, caret);
    if (material) loadMaterial();
  }
  frmDocument* doc() const { return main->ActiveDocument(); }
  QString text() const { return Q(doc()->text()); }

  // Picks the command from its menu item, as the user does, with the first modal dialog answered by answer.
  bool pick(const QString& command, std::function<void(QWidget*)> answer = nullptr) {
    ModalAnswer modal(answer ? answer : [](QWidget* d) { Press(d, "Command2"); });
    QAction* item = main->action(command);
    if (!item || !item->isEnabled()) return false;
    item->trigger();
    return modal.seen();
  }

  // The document the core flow makes of the material row, the kept values and the boxes a user can type into, applied
  // at the caret.
  quillon::AppliedText expected(const QString& command, const Boxes& typed) {
    const quillon::ProcessCommand& row = *quillon::FindProcessCommand(command.toStdString());
    const quillon::ProcessDialogSetup setup = row.setup(ws.kept);
    quillon::ProcessDialogValues values = quillon::PrepareProcessDialog(row, setup, ws.conditions);
    for (auto it = typed.begin(); it != typed.end(); ++it)
      if (quillon::ProcessBoxVisible(setup, it.key().toStdString()))
        values.texts[it.key().toStdString()] = it.value().toStdString();
    quillon::ProcessContext ctx;
    ctx.machine = ws.machine;
    ctx.kept = ws.kept;
    return quillon::ApplyDocumentEdit(doc()->text(), {std::size_t(doc()->selStart()), 0},
                                      quillon::RunProcessCommand(row, values, ctx));
  }
};

// "box=text ..." as the boxes to type into.
Boxes TypedBoxes(const QString& entries) {
  Boxes typed;
  for (const QString& box : entries.split(' ', Qt::SkipEmptyParts)) typed[box.section('=', 0, 0)] = box.section('=', 1);
  return typed;
}

// Types into the shown boxes of frmProcess and presses button ("O  K" unless said otherwise).
std::function<void(QWidget*)> TypeAndAccept(const Boxes& typed, const QString& button = "Command1") {
  return [typed, button](QWidget* dialog) {
    for (auto it = typed.begin(); it != typed.end(); ++it) {
      QLineEdit* box = dialog->findChild<QLineEdit*>(it.key());
      if (box && box->isVisibleTo(dialog)) box->setText(it.value());  // hidden boxes cannot be typed into
    }
    Press(dialog, qPrintable(button));
  };
}

}  // namespace

class ProcessCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::processEvents(); }

  // Guards against: a command of any family wired to another row, skipping the material row's pre-fill, losing a typed
  // box or the machine's ToolFrom, landing elsewhere than the caret, the measuring commands moving the caret, or taking
  // more than one undo to remove (the measuring commands: their call and their subprogram).
  void everyFamilyThroughTheMenu_data() { AddCases("process_menu.txt"); }
  void everyFamilyThroughTheMenu() {
    const Case c = CurrentCase();
    const QString command = c["command"];
    const bool after = c["caret"] == "after";
    const Boxes typed = TypedBoxes(c["typed"]);
    Session e;
    if (after) e.ws.machine.ToolFrom = c.yes("toolFrom");
    if (after) e.ws.kept.MaterialOD = 60;
    const quillon::AppliedText expected = e.expected(command, typed);
    QVERIFY2(e.pick(command, TypeAndAccept(typed)), "the process dialog did not open");
    QVERIFY(e.ui.messages.empty());
    QCOMPARE(e.text(), Q(expected.text));
    QVERIFY(e.text().startsWith("%\n" + c["head"]));
    QCOMPARE(e.doc()->selStart(), int(expected.caret));
    if (after) QCOMPARE(e.text().mid(e.doc()->selStart()), QStringLiteral("\nM30\n"));
    if (!after) QCOMPARE(e.doc()->selStart(), 2);
    e.doc()->txtText->undo();
    QCOMPARE(e.text(), Q(kDoc));
  }

  // Guards against: a process dialog opening (or anything being written) before a material file was ever loaded, a
  // generator error inserting half a block, and Cancel writing anything or changing what later commands read.
  void refusedCommandsWriteNothing_data() { AddCases("process_refused.txt"); }
  void refusedCommandsWriteNothing() {
    const Case c = CurrentCase();
    Session e(kDoc, 2, c.yes("material"));
    e.ws.kept.SpindleSpeed = 777;
    QVERIFY(e.main->action(c["command"])->isEnabled());
    QCOMPARE(e.pick(c["command"], TypeAndAccept(TypedBoxes(c["typed"]), c["button"])), c.yes("material"));
    QCOMPARE(e.ui.messages.size(), size_t(c["title"].isEmpty() ? 0 : 1));
    if (!c["title"].isEmpty())
      QCOMPARE(e.ui.messages[0].title + "|" + e.ui.messages[0].text, c["title"] + "|" + c["message"]);
    QCOMPARE(e.text(), Q(kDoc));
    QCOMPARE(e.doc()->selStart(), 2);
    QVERIFY(!e.doc()->txtText->document()->isUndoAvailable());
    QCOMPARE(e.ws.kept.SpindleSpeed, 777.0);
    QVERIFY(!e.ws.kept.MaterialOD.has_value());
  }

  // Guards against: Material Input writing another frame than the dialog's values make, leaving the caret elsewhere
  // than after the OUGC call's tab line, not loading the material file first, or forgetting the material values later
  // commands and its own next opening start from.
  void materialInputThroughTheMenu() {
    Session e("", 0, /*material=*/false);
    e.ws.machine.CsvFileName = MaterialFile().toStdString();
    QString shownFile;
    quillon::UgcDialogValues accepted;
    QVERIFY(e.pick(QStringLiteral("ProcessUGC"), [&](QWidget* d) {
      shownFile = d->findChild<QLineEdit*>(QStringLiteral("CsvFile"))->text();
      for (const char* name : {"Check1", "SubSpindle"}) d->findChild<QAbstractButton*>(name)->click();
      for (const QString& e :
           QString("Text9=0 Text3=50.7 Text1=25 Text2=10 Text5=40.9 Text8=20 Text7=12 Text6=3").split(' '))
        SetBox(d, qPrintable(e.section('=', 0, 0)), e.section('=', 1));
      if (auto* ugc = qobject_cast<frmUGC*>(d)) accepted = ugc->values();
      Press(d, "Command1");
    }));
    QCOMPARE(shownFile, MaterialFile());
    QVERIFY(accepted.Check1 && !accepted.MainSpindle);
    quillon::ProcessContext ctx;
    ctx.machine = e.ws.machine;
    const auto expected = quillon::ApplyDocumentEdit(
        "", {}, quillon::RunMaterialInput(*quillon::FindProcessCommand("ProcessUGC"), accepted, ctx));
    QCOMPARE(e.text(), Q(expected.text));
    // Defaults: MaxS 2500, no Tallix, index X500 Z500, panel check on, no B turret.
    const QString head =
        "NMAX G50 S2500\nN000 G00 X500 Z500\nN000 CALL OPCHK (PANEL CHECK)\nN000 CALL OUGC  (GRAPHIC DATA)\n\t\n";
    QVERIFY(e.text().startsWith(head));
    QCOMPARE(e.doc()->selStart(), int(head.size()));
    QCOMPARE(e.ws.conditions.cell(5, 3), std::string("5"));  // the material was loaded
    QVERIFY(e.ui.messages.empty());
    e.doc()->txtText->undo();
    QCOMPARE(e.text(), QString());

    QString nextOD;
    QMap<QString, QString> shown;
    QVERIFY(e.pick(QStringLiteral("ProcessUGC"), [&](QWidget* d) {
      nextOD = d->findChild<QLineEdit*>(QStringLiteral("Text5"))->text();
      Press(d, "Command2");
    }));
    QCOMPARE(nextOD, QStringLiteral("40"));  // 40.9 kept as its whole part
    QVERIFY(e.pick(QStringLiteral("ProcessRoughOD"), [&](QWidget* d) {
      for (QLineEdit* box : d->findChildren<QLineEdit*>()) shown[box->objectName()] = box->text();
      Press(d, "Command2");
    }));
    // EndX and StartZ from the kept material, the tool from row 5 of the material
    QCOMPARE(shown.value("EndX") + " " + shown.value("StartZ") + " " + shown.value("ToolNumber"), QString("40 0 5"));
  }

  // Guards against: a material file that cannot be read passing unnoticed, or stopping Material Input before its
  // dialog.
  void unreadableMaterialIsReportedAndTheDialogStillOpens() {
    Session e("", 0, /*material=*/false);
    e.ws.machine.CsvFileName = "/nonexistent/ cutting  condition /S45C.CSV";
    QVERIFY(e.pick(QStringLiteral("ProcessUGC")));
    QCOMPARE(e.ui.messages.size(), size_t(1));
    QVERIFY(e.ui.messages[0].text.contains(QStringLiteral("S45C.CSV")));
  }

  // Guards against: the rotary-tool menus not following Tallix after the parameter dialog closes, or Cancel letting the
  // check through.
  void parameterDialogDrivesTheRotaryMenus_data() { AddCases("process_tallix.txt"); }
  void parameterDialogDrivesTheRotaryMenus() {
    const Case c = CurrentCase();
    const bool before = c.yes("before"), after = c.yes("after");
    const QString button = c["button"];
    Session e;
    e.ws.machine.Tallix = before;
    e.main->commands().setVisible(quillon::TallixItems(), before);
    QVERIFY(e.pick(QStringLiteral("ProcessSetup"), [&](QWidget* d) {
      d->findChild<QCheckBox*>(QStringLiteral("ChkTallix"))->click();
      Press(d, qPrintable(button));
    }));
    QCOMPARE(e.ws.machine.Tallix, after);
    for (const char* item : {"ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant", "ProcessMTapSlant",
                             "ProcessMCircle", "ProcessMPlanetTap"})
      QVERIFY2(e.main->action(QString::fromLatin1(item))->isVisible() == after, item);
    QCOMPARE(e.store.get("Parameter", "Tallix").has_value(), button == "Command1");
  }
};

QTEST_MAIN(ProcessCommandsTest)
#include "test_process_commands.moc"
