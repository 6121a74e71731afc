// quillon-nc generate: one process command run on an empty document, with
// the dialog filled from flags instead of a user.
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/machine_parameters.h"
#include "app/settings.h"
#include "cli/cli_verbs.h"
#include "cli/machine_flags.h"
#include "document/document_edit.h"
#include "document/text_file.h"
#include "numbers/entry_check.h"
#include "numbers/nc_number.h"
#include "numbers/process_error.h"
#include "process/cutting_conditions.h"
#include "process/process_run.h"
#include "process_rotary/command_table.h"
#include "process_rotary/ugc.h"

namespace quillon::cli {

namespace {

struct GenerateRequest {
  bool list = false;
  std::string command;
  std::optional<std::string> material;
  std::vector<Assignment> machine;
  std::vector<Assignment> sets;
  std::vector<Assignment> kept;
  std::optional<std::string> spindleSpeed;
};

GenerateRequest ParseRequest(const Args& args) {
  GenerateRequest r;
  for (FlagReader flags(args); flags.next();) {
    const std::string& flag = flags.flag();
    const auto value = [&flags] { return flags.value(); };
    if (flag == "--list")
      r.list = true;
    else if (flag == "--material")
      r.material = value();
    else if (flag == "--machine")
      r.machine.push_back(SplitAssignment(flag, value()));
    else if (flag == "--set")
      r.sets.push_back(SplitAssignment(flag, value()));
    else if (flag == "--kept")
      r.kept.push_back(SplitAssignment(flag, value()));
    else if (flag == "--spindle-speed")
      r.spindleSpeed = value();
    else if (flag.starts_with("-"))
      throw UsageError{"unknown flag " + flag};
    else if (!r.command.empty())
      throw UsageError{"one COMMAND only, got " + r.command + " and " + flag};
    else
      r.command = flag;
  }
  if (!r.list && r.command.empty()) throw UsageError{"COMMAND missing (--list prints them)"};
  return r;
}

double StrictNumber(const std::string& what, const std::string& text) {
  auto value = ParseStrictNumber(text);
  if (!value) throw UsageError{what + " needs a number, got \"" + text + "\""};
  return *value;
}

void SetKept(KeptState& kept, const Assignment& a) {
  // clang-format off
  static constexpr std::pair<const char*, std::optional<double> KeptState::*> kKept[] = {
    // name        member
    {"PZero",      &KeptState::PZero},
    {"Length",     &KeptState::Length},
    {"JawLength",  &KeptState::JawLength},
    {"JawFace",    &KeptState::JawFace},
    {"MaterialOD", &KeptState::MaterialOD},
    {"MaterialID", &KeptState::MaterialID},
  };
  // clang-format on
  for (const auto& [name, member] : kKept)
    if (a.first == name) {
      kept.*member = StrictNumber("--kept " + a.first, a.second);
      return;
    }
  throw UsageError{"--kept does not know " + a.first};
}

// One of two words: the first chooses true.
bool Choice(const Assignment& a, const char* yes, const char* no) {
  if (a.second == yes) return true;
  if (a.second == no) return false;
  throw UsageError{"--set " + a.first + " takes " + yes + " or " + no + ", got \"" + a.second + "\""};
}

void SetProcessField(ProcessDialogValues& v, const ProcessDialogSetup& setup, const std::string& command,
                     const Assignment& a) {
  auto refuseHidden = [&](std::string_view control) {
    if (!ProcessBoxVisible(setup, control))
      throw UsageError{command + " hides " + std::string(control) + ", so it cannot be set"};
  };
  if (a.first == "Spindle") {
    for (auto control : {"Spindle", "SpindleCW", "SpindleCCW"}) refuseHidden(control);
    v.spindleCW = Choice(a, "CW", "CCW");
    return;
  }
  if (a.first == "Coolant") {
    for (auto control : {"Coolant", "CoolantON", "CoolantOFF"}) refuseHidden(control);
    v.coolantOn = Choice(a, "ON", "OFF");
    return;
  }
  for (const char* box : kProcessBoxes)
    if (a.first == box) {
      refuseHidden(box);
      RequireNumberEntry(a.first, a.second);
      v.texts[box] = a.second;
      return;
    }
  throw UsageError{"--set does not know " + a.first + " for " + command};
}

void SetUgcField(UgcDialogValues& v, const Assignment& a) {
  for (const UgcBox& box : UgcBoxes())
    if (a.first == box.name) {
      RequireNumberEntry(a.first, a.second);
      v.*box.text = a.second;
      return;
    }
  if (a.first == "Grasp")
    v.OD = Choice(a, "OD", "ID");
  else if (a.first == "Spindle")
    v.MainSpindle = Choice(a, "Main", "Sub");
  else if (a.first == "Tailstock")
    v.Check1 = Choice(a, "1", "0");
  else if (a.first == "FaceDrawing")
    v.Check2 = Choice(a, "1", "0");
  else
    throw UsageError{"--set does not know " + a.first + " for ProcessUGC"};
}

}  // namespace

int RunGenerate(const Args& args, std::ostream& out, std::ostream& err) {
  try {
    const GenerateRequest request = ParseRequest(args);
    if (request.list) {
      for (const ProcessCommand* row : AllProcessCommands()) out << row->name << "\n";
      return kExitOk;
    }
    const ProcessCommand* command = FindProcessCommand(request.command);
    if (!command) throw UsageError{"unknown command " + request.command + " (--list prints them)"};

    ProcessContext ctx;
    ctx.machine = MachineFromFlags(request.machine);
    for (const auto& a : request.kept) SetKept(ctx.kept, a);
    if (request.spindleSpeed) ctx.kept.SpindleSpeed = StrictNumber("--spindle-speed", *request.spindleSpeed);

    // Every flag is checked before anything runs, so bad usage never hides
    // behind a process error.
    ProcessDialogSetup setup;
    UgcDialogValues ugc;
    switch (command->dialog) {
      case CommandDialog::Process:
        if (command->setup) setup = command->setup(ctx.kept);
        {
          ProcessDialogValues probe;
          for (const auto& a : request.sets) SetProcessField(probe, setup, request.command, a);
        }
        break;
      case CommandDialog::MaterialInput:
        for (const auto& a : request.sets) SetUgcField(ugc, a);
        break;
      case CommandDialog::None:
        if (!request.sets.empty()) throw UsageError{request.command + " has no dialog, so --set does not apply"};
        break;
    }

    // The table is empty until a material is loaded, exactly as at start-up;
    // "Material Input" loads the machine's material file by itself.
    CuttingConditionTable table;
    if (request.material || command->dialog == CommandDialog::MaterialInput) {
      const std::string path =
          request.material ? MaterialFilePath(*request.material, AppFolder()) : ctx.machine.CsvFileName;
      if (std::string message = ApplyCuttingConditionLoad(table, LoadCuttingConditionTable(path)); !message.empty())
        err << message << "\n";
    }

    DocumentEdit output;
    try {
      switch (command->dialog) {
        case CommandDialog::Process: {
          ProcessDialogValues values = PrepareProcessDialog(*command, setup, table);
          for (const auto& a : request.sets) SetProcessField(values, setup, request.command, a);
          output = RunProcessCommand(*command, values, ctx);
          break;
        }
        case CommandDialog::MaterialInput:
          output = RunMaterialInput(*command, ugc, ctx);
          break;
        case CommandDialog::None:
          output = RunPlainCommand(*command, ctx);
          break;
      }
    } catch (const ProcessError& e) {
      err << e.what() << "\n";
      return kExitProcessError;
    }
    const AppliedText document = ApplyDocumentEdit({}, {}, output);
    out << ApplyLineEnds(document.text, LineEndStyle::CrLf);
    return kExitOk;
  } catch (const UsageError& e) {
    err << (e.bare ? "" : "generate: ") << e.reason << "\n";
    return kExitUsage;
  }
}

}  // namespace quillon::cli
