#include "process/process_run.h"

#include <algorithm>

#include "process/nc_format.h"

namespace quillon {

namespace {

bool Contains(const std::vector<std::string>& list, std::string_view name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

// Generates on a copy so a failing generator leaves no half-updated state.
ProcessOutput Generate(const ProcessCommand& command, ProcessContext& ctx) {
  ProcessContext work = ctx;
  work.command = std::string(command.name);
  ProcessOutput out = command.generate(work);
  ctx = std::move(work);
  return out;
}

}  // namespace

ProcessDialogValues PrepareProcessDialog(const ProcessCommand&, const ProcessDialogSetup& setup,
                                         const CuttingConditionTable& table) {
  ProcessDialogValues values;
  if (setup.row > 0) values = LoadCuttingConditionRow(table, setup.row);
  for (const auto& [box, text] : setup.prefill) values.texts[box] = text;
  return values;
}

bool ProcessBoxVisible(const ProcessDialogSetup& setup, std::string_view box) {
  if (Contains(setup.hidden, box)) return false;
  if (box == "B" || box == "SZ") return Contains(setup.shown, box);
  return true;
}

bool IsSlantCommand(std::string_view name) { return name.ends_with("Slant"); }

ProcessOutput RunProcessCommand(const ProcessCommand& command, const ProcessDialogValues& values, ProcessContext& ctx) {
  ctx.input = ReadProcessInput(values);
  ctx.kept.LastInput = ctx.input;
  // The text as typed, not the single-precision C, so it pre-fills back unchanged.
  if (IsSlantCommand(command.name)) ctx.kept.ZeroShiftX[std::string(command.name)] = ReadNumber(values.text("C"));
  return Generate(command, ctx);
}

ProcessOutput RunMaterialInput(const ProcessCommand& command, const UgcDialogValues& values, ProcessContext& ctx) {
  ctx.ugc = values;
  return Generate(command, ctx);
}

ProcessOutput RunPlainCommand(const ProcessCommand& command, ProcessContext& ctx) { return Generate(command, ctx); }

}  // namespace quillon
