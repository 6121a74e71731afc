#include "process/process_run.h"

#include <algorithm>

#include "app/settings.h"
#include "numbers/nc_number.h"
#include "numbers/process_error.h"

namespace quillon {

namespace {

bool Contains(const std::vector<std::string>& list, std::string_view name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

// A value too large to write is named by the box or machine parameter that
// holds it, when one does; a value computed from several stays unnamed.
[[noreturn]] void NameTooLargeValue(const ProcessError& error, const ProcessDialogValues* values,
                                    const MachineParameters& machine) {
  if (error.number != kErrOverflow || error.named) throw error;
  if (values)
    for (const char* box : kProcessBoxes)
      if (const double v = ReadNumber(values->text(box)); !IsWritableNcNumber(v)) throw ValueTooLarge(box, v);
  for (const SettingKey& key : SettingsTable())
    if (const auto* field = std::get_if<double MachineParameters::*>(&key.field))
      if (!IsWritableNcNumber(machine.**field)) throw ValueTooLarge(key.key, machine.**field);
  throw error;
}

// Generates on a copy so a failing generator leaves no half-updated state.
DocumentEdit Generate(const ProcessCommand& command, ProcessContext& ctx, const ProcessDialogValues* values = nullptr) {
  ProcessContext work = ctx;
  work.command = std::string(command.name);
  work.tool = command.tool;
  DocumentEdit out;
  try {
    out = command.generate(work);
  } catch (const ProcessError& e) {
    NameTooLargeValue(e, values, work.machine);
  }
  ctx = std::move(work);
  return out;
}

}  // namespace

ProcessDialogValues PrepareProcessDialog(const ProcessCommand& command, const ProcessDialogSetup& setup,
                                         const CuttingConditionTable& table) {
  ProcessDialogValues values;
  if (command.conditionRow > 0) values = LoadCuttingConditionRow(table, command.conditionRow);
  for (const auto& [box, text] : setup.prefill) values.texts[box] = text;
  return values;
}

bool ProcessBoxVisible(const ProcessDialogSetup& setup, std::string_view box) {
  if (Contains(setup.hidden, box)) return false;
  if (box == "B" || box == "SZ") return Contains(setup.shown, box);
  return true;
}

bool IsSlantCommand(std::string_view name) { return name.ends_with("Slant"); }

DocumentEdit RunProcessCommand(const ProcessCommand& command, const ProcessDialogValues& values, ProcessContext& ctx) {
  ctx.input = ReadProcessInput(values);
  ctx.kept.LastInput = ctx.input;
  // The text as typed, not the single-precision C, so it pre-fills back unchanged.
  if (IsSlantCommand(command.name)) ctx.kept.ZeroShiftX[std::string(command.name)] = ReadNumber(values.text("C"));
  return Generate(command, ctx, &values);
}

DocumentEdit RunMaterialInput(const ProcessCommand& command, const UgcDialogValues& values, ProcessContext& ctx) {
  ctx.ugc = values;
  return Generate(command, ctx);
}

DocumentEdit RunPlainCommand(const ProcessCommand& command, ProcessContext& ctx) { return Generate(command, ctx); }

}  // namespace quillon
