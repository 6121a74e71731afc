// The Process menu: the machine parameters, "Material Input" and every
// process command of the core's table, bound to one run flow.
#include <QDialog>
#include <QString>
#include <exception>

#include "frmMain.h"
#include "frmProcess.h"
#include "frmProcessSetup.h"
#include "frmUGC.h"
#include "process/cutting_conditions.h"
#include "process/nc_format.h"
#include "process/process_error.h"
#include "process/process_run.h"

namespace {

// Anything but a ProcessError escaping a generator is a fault of ours; the
// user still gets the generic report instead of a crash.
constexpr int kErrInternal = 51;

QString Q(std::string_view s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

quillon::ProcessContext NewContext(frmMain& main) {
  quillon::ProcessContext ctx;
  ctx.machine = main.machine();
  ctx.kept = main.kept();
  return ctx;
}

// Generates with run, then applies the output to the active document. The
// core decides what a run leaves in kept (the confirmed dialog even when the
// generator fails), so it is taken back whatever happened.
template <typename Run>
void GenerateAndApply(frmMain& main, quillon::ProcessContext& ctx, Run run) {
  quillon::ProcessOutput output;
  try {
    output = run();
  } catch (const quillon::ProcessError& e) {
    main.kept() = ctx.kept;
    main.ReportProcessError(e.number);
    return;
  } catch (const std::exception&) {
    main.ReportProcessError(kErrInternal);
    return;
  }
  main.kept() = ctx.kept;
  main.ApplyProcessOutput(output);
}

void ProcessSetup_Click(frmMain& main) {
  frmProcessSetup dialog(main.machine(), main.store(), &main);
  dialog.exec();
  main.applyTallixMenus(main.machine().Tallix);
}

void RunProcessDialogCommand(frmMain& main, const quillon::ProcessCommand& row) {
  const quillon::ProcessDialogSetup setup = row.setup(main.kept());
  quillon::ProcessDialogValues values;
  try {
    values = quillon::PrepareProcessDialog(row, setup, main.cuttingConditions());
  } catch (const quillon::ProcessError& e) {
    main.ReportProcessError(e.number);  // no material loaded: before any dialog
    return;
  }
  quillon::ProcessDialogValues accepted;
  {
    frmProcess dialog(&main);
    dialog.applySetup(setup);
    dialog.setValues(values);
    if (dialog.exec() != QDialog::Accepted) return;
    accepted = dialog.values();
  }
  quillon::ProcessContext ctx = NewContext(main);
  GenerateAndApply(main, ctx, [&] { return quillon::RunProcessCommand(row, accepted, ctx); });
}

// The boxes whose values the last confirmation kept start from them.
quillon::UgcDialogValues KeptUgcValues(const quillon::KeptState& kept) {
  auto text = [](const std::optional<double>& v) { return v ? quillon::ShortestNumberText(*v) : std::string(); };
  quillon::UgcDialogValues v;
  v.Text9 = text(kept.PZero);
  v.Text3 = text(kept.Length);
  v.Text1 = text(kept.JawLength);
  v.Text2 = text(kept.JawFace);
  v.Text5 = text(kept.MaterialOD);
  v.Text4 = text(kept.MaterialID);
  return v;
}

void ProcessUGC_Click(frmMain& main, const quillon::ProcessCommand& row) {
  frmUGC::LoadMaterialTable(main.machine(), main.cuttingConditions(), main.interaction(), &main);
  quillon::UgcDialogValues accepted;
  {
    frmUGC dialog(main.machine(), main.cuttingConditions(), main.interaction(), &main);
    dialog.setValues(KeptUgcValues(main.kept()));
    if (dialog.exec() != QDialog::Accepted) return;
    accepted = dialog.values();
  }
  quillon::ProcessContext ctx = NewContext(main);
  GenerateAndApply(main, ctx, [&] { return quillon::RunMaterialInput(row, accepted, ctx); });
}

void RunCommand(frmMain& main, const quillon::ProcessCommand& row) {
  switch (row.dialog) {
    case quillon::CommandDialog::Process:
      RunProcessDialogCommand(main, row);
      break;
    case quillon::CommandDialog::MaterialInput:
      ProcessUGC_Click(main, row);
      break;
    case quillon::CommandDialog::None: {
      quillon::ProcessContext ctx = NewContext(main);
      GenerateAndApply(main, ctx, [&] { return quillon::RunPlainCommand(row, ctx); });
      break;
    }
  }
}

}  // namespace

void InstallProcessCommands(frmMain& main) {
  main.setCommand(QStringLiteral("ProcessSetup"), [&main](int) { ProcessSetup_Click(main); });
  for (const quillon::ProcessCommand* row : quillon::AllProcessCommands())
    main.setCommand(Q(row->name), [&main, row](int) { RunCommand(main, *row); });
}
