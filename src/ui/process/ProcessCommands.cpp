// The Process menu: the machine parameters, "Material Input" and every process
// command of the core's table, bound to one run flow.
#include "ui/process/ProcessCommands.h"

#include <QDialog>
#include <QString>
#include <exception>

#include "app/menu_tree.h"
#include "numbers/process_error.h"
#include "process/process_run.h"
#include "process/workspace.h"
#include "process_rotary/command_table.h"
#include "process_rotary/ugc.h"
#include "ui/documents/DocumentHost.h"
#include "ui/process/frmCuttingConditions.h"
#include "ui/process/frmProcess.h"
#include "ui/process/frmProcessSetup.h"
#include "ui/process/frmUGC.h"
#include "ui/shell/Commands.h"

namespace {

QString Q(std::string_view s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

struct ProcessModule {
  Commands& commands;
  DocumentHost& docs;
  quillon::Workspace& ws;

  quillon::ProcessContext newContext() const {
    quillon::ProcessContext ctx;
    ctx.machine = ws.machine;
    ctx.kept = ws.kept;
    return ctx;
  }

  // Generates with run, then applies the edit to the active document. The
  // core decides what a run leaves in kept (the confirmed dialog even when the
  // generator fails), so it is taken back whatever happened.
  template <typename Run>
  void generateAndApply(quillon::ProcessContext& ctx, Run run) {
    quillon::DocumentEdit edit;
    try {
      edit = run();
    } catch (const quillon::ProcessError& e) {
      ws.kept = ctx.kept;
      docs.ReportProcessError(e.number, e.what());
      return;
    } catch (const std::exception&) {
      // Anything else escaping a generator is a fault of ours; the user
      // still gets the generic report instead of a crash.
      docs.ReportProcessError(quillon::kErrInternal);
      return;
    }
    ws.kept = ctx.kept;
    docs.apply(edit);
  }

  void ProcessSetup_Click() {
    frmProcessSetup dialog(ws.machine, ws.store, docs.window(), &docs.interaction());
    dialog.exec();
    commands.setVisible(quillon::TallixItems(), ws.machine.Tallix);
  }

  // One window at a time; asked again, the open one comes to the front.
  void CuttingConditions_Click() {
    auto* window = docs.window()->findChild<frmCuttingConditions*>(QStringLiteral("frmCuttingConditions"));
    if (!window) {
      window = new frmCuttingConditions(ws.machine, ws.conditions, docs.interaction(), docs.window());
      window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
  }

  void runProcessDialogCommand(const quillon::ProcessCommand& row) {
    const quillon::ProcessDialogSetup setup = row.setup(ws.kept);
    quillon::ProcessDialogValues values;
    try {
      values = quillon::PrepareProcessDialog(row, setup, ws.conditions);
    } catch (const quillon::ProcessError& e) {
      docs.ReportProcessError(e.number, e.what());  // no material loaded: before any dialog
      return;
    }
    quillon::ProcessDialogValues accepted;
    {
      frmProcess dialog(docs.window(), &docs.interaction());
      dialog.applySetup(setup);
      dialog.setValues(values);
      if (dialog.exec() != QDialog::Accepted) return;
      accepted = dialog.values();
    }
    quillon::ProcessContext ctx = newContext();
    generateAndApply(ctx, [&] { return quillon::RunProcessCommand(row, accepted, ctx); });
  }

  void ProcessUGC_Click(const quillon::ProcessCommand& row) {
    frmUGC::LoadMaterialTable(ws.machine, ws.conditions, docs.interaction(), docs.window());
    quillon::UgcDialogValues accepted;
    {
      frmUGC dialog(ws.machine, ws.conditions, docs.interaction(), docs.window());
      // The boxes whose values the last confirmation kept start from them.
      dialog.setValues(quillon::KeptUgcValues(ws.kept));
      if (dialog.exec() != QDialog::Accepted) return;
      accepted = dialog.values();
    }
    quillon::ProcessContext ctx = newContext();
    generateAndApply(ctx, [&] { return quillon::RunMaterialInput(row, accepted, ctx); });
  }

  void run(const quillon::ProcessCommand& row) {
    switch (row.dialog) {
      case quillon::CommandDialog::Process:
        runProcessDialogCommand(row);
        break;
      case quillon::CommandDialog::MaterialInput:
        ProcessUGC_Click(row);
        break;
      case quillon::CommandDialog::None: {
        quillon::ProcessContext ctx = newContext();
        generateAndApply(ctx, [&] { return quillon::RunPlainCommand(row, ctx); });
        break;
      }
    }
  }
};

}  // namespace

void InstallProcessCommands(Commands& commands, DocumentHost& documents, quillon::Workspace& workspace) {
  auto module = std::make_shared<ProcessModule>(ProcessModule{commands, documents, workspace});
  commands.setCommand(QStringLiteral("ProcessSetup"), [module](int) { module->ProcessSetup_Click(); });
  commands.setCommand(QStringLiteral("mnuToolsCuttingConditions"),
                      [module](int) { module->CuttingConditions_Click(); });
  for (const quillon::ProcessCommand* row : quillon::AllProcessCommands())
    commands.setCommand(Q(row->name), [module, row](int) { module->run(*row); });
}
