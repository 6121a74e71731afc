// Every window's widget tree (names, captions, texts, visibility, enabling) against its dump under ui/golden/: the main
// window's menus, toolbar and status bar in each document state, frmProcess in its design state and the changes each
// command's set-up makes, frmUGC, the parameter dialog, the transformation tools, the calculators, the printer settings
// and the About box.

#include "EditorPtr.h"
#include "WidgetDump.h"
#include "app/menu_tree.h"
#include "process_rotary/command_table.h"
#include "support/golden_file.h"
#include "ui/help/frmAbout.h"
#include "ui/process/frmProcess.h"
#include "ui/process/frmProcessSetup.h"
#include "ui/process/frmUGC.h"

namespace {

// The lines of a dump that differ from base, numbered (the main window's commands keep their places in every state).
QString LineChanges(const QString& base, const QString& dump) {
  const QStringList before = base.split('\n'), after = dump.split('\n');
  QString changes;
  for (qsizetype i = 0; i < after.size(); ++i)
    if (i >= before.size() || before[i] != after[i]) changes += QString::number(i + 1) + ": " + after[i] + "\n";
  return changes;
}

void CompareWithDump(const QString& form, const QString& dump) {
  const std::string mismatch =
      quillon::testing_support::GoldenMismatch("ui/golden/" + form.toStdString() + ".txt", dump.toStdString());
  QVERIFY2(mismatch.empty(), mismatch.c_str());
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // Guards against: a menu item built with another name, caption, shortcut or array index than the table's, document
  // commands shown or enabled with nothing to act on (or hidden once a document was open, even after the last one
  // closed), rotary-tool items not following Tallix, and toolbar buttons or status panels missing or mislabelled.
  void mainWindow() {
    EditorSession s(false);
    s.start({}, true);
    const QString base = MainWindowDump(*s.main);
    QString dump = base;
    s.run("mnuFileNew");
    dump += "== one document\n" + LineChanges(base, MainWindowDump(*s.main));
    s.run("mnuFileClose");
    dump += "== all closed\n" + LineChanges(base, MainWindowDump(*s.main));
    s.main->commands().setVisible(quillon::TallixItems(), true);
    dump += "== Tallix\n" + LineChanges(base, MainWindowDump(*s.main));
    CompareWithDump("frmMain", dump);
  }

  // Guards against: a control of frmProcess renamed, recaptioned or shown out of its design state, and a command's
  // set-up leaving a label beside a hidden box, an empty point group, or a box hidden that its block reads.
  void processDialog() {
    frmProcess design;
    const QString base = WidgetTree(design);
    QString dump = base;
    for (const quillon::ProcessCommand* row : quillon::AllProcessCommands()) {
      if (!row->setup) continue;
      frmProcess dialog;
      QCOMPARE(dialog.applySetup(row->setup(quillon::KeptState{})), QStringList());
      dump += "== " + Q(row->name) + "\n" + WidgetTreeChanges(base, WidgetTree(dialog));
    }
    CompareWithDump("frmProcess", dump);
  }

  // Guards against: the Material Input boxes, frames and options recaptioned, and the tailstock switch enabling other
  // boxes than the centre ones.
  void materialInputDialog() {
    quillon::MachineParameters machine;
    quillon::CuttingConditionTable table;
    ScriptedInteraction ui;
    frmUGC dialog(machine, table, ui);
    const QString base = WidgetTree(dialog);
    Child<QCheckBox>(&dialog, "Check1")->click();
    CompareWithDump("frmUGC", base + "== with tailstock\n" + WidgetTreeChanges(base, WidgetTree(dialog)));
  }

  // Guards against: the parameter dialog showing other values than a fresh installation's, and the Tallix check not
  // switching the index-position boxes and the tool-request options (opening with Tallix on and ticking it give the
  // same dialog).
  void parameterDialog() {
    quillon::MemorySettingsStore store;
    quillon::MachineParameters machine = quillon::LoadMachineParameters(store, {"/opt/quillon", "/home/op"});
    frmProcessSetup fresh(machine, store);
    const QString base = WidgetTree(fresh);
    Child<QCheckBox>(&fresh, "ChkTallix")->click();
    machine.Tallix = true;
    frmProcessSetup tallix(machine, store);
    QCOMPARE(WidgetTree(fresh), WidgetTree(tallix));
    CompareWithDump("frmProcessSetup", base + "== Tallix\n" + WidgetTreeChanges(base, WidgetTree(tallix)));
  }

  // Guards against: a modeless tool of the menus (search, size shift, renumbering, calculators, printer settings)
  // renamed or recaptioned, or opening with other options, boxes or buttons available.
  void toolDialogs_data() { AddCases("dialogs_tools.txt"); }
  void toolDialogs() {
    const QString form = CurrentCase()["name"];
    EditorSession s;
    QVERIFY(s.document());
    s.run(CurrentCase()["command"]);
    auto* dialog = Child<QWidget>(s.main.get(), form);
    QVERIFY2(dialog && dialog->isVisible(), qPrintable(form));
    CompareWithDump(form, WidgetTree(*dialog));
  }

  // Guards against: the About box without its version, title or texts.
  void aboutBox() {
    ScriptedInteraction ui;
    frmAbout about(ui, nullptr, [](const QString&) { return QString(); });
    CompareWithDump("frmAbout", WidgetTree(about));
  }
};

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
