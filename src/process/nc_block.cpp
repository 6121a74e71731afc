#include "process/nc_block.h"

#include "numbers/nc_number.h"
#include "numbers/process_error.h"

namespace quillon {

void Line(std::string& nc, std::string_view line) {
  nc.append(line);
  nc.push_back('\n');
}

std::string HeaderLine(std::string_view title) { return "(-----< " + std::string(title) + " >-----)"; }

void TabLine(std::string& nc) { Line(nc, "\t"); }

void AppendToolDataLines(std::string& nc, ProcessContext& ctx, const ToolData& tool) {
  if (!ctx.machine.ToolFrom) return;
  const std::string family = ctx.machine.TG ? "VGR" : "VTL";
  const std::string i = "[" + FormatNcNumber(ctx.input.ToolNumber) + "]=";
  std::string first = "NOEX " + family + "IN" + i + std::to_string(tool.kind) + " " + family + "FN" + i + "1";
  if (tool.angle1) first += " " + family + "A1" + i + std::to_string(*tool.angle1);
  Line(nc, first);
  std::string words = "NOEX";
  for (const ToolDataWord& w : tool.words) {
    if (w.suffix.empty()) continue;
    words += " " + family + std::string(w.suffix) + i + FormatNcNumber(w.computed ? w.computed(ctx.input) : w.value);
  }
  Line(nc, words);
}

std::string OpenTurningBlock(ProcessContext& ctx, std::string_view title) {
  std::string nc;
  Line(nc, HeaderLine(title));
  if (ctx.tool) AppendToolDataLines(nc, ctx, *ctx.tool);
  WriteRotaryToolSelectL(nc, ctx);
  return nc;
}

namespace {
void WriteToolRequest(std::string& nc, ProcessContext& ctx, int kindDigit) {
  if (!ctx.machine.Tallix) return;
  if (ctx.machine.TG)
    Line(nc, "N000 MT=" + std::to_string(kindDigit) + " TG=" + FormatNcNumber(ctx.input.ToolNumber));
  else
    Line(nc, "N000 MT=" + FormatNcNumber(ctx.input.ToolNumber) + "0" + std::to_string(kindDigit));
  Line(nc, "N000 " + ctx.machine.AtcMacroType);
}
}  // namespace

void WriteRotaryToolSelectL(std::string& nc, ProcessContext& ctx) { WriteToolRequest(nc, ctx, 1); }

void WriteRotaryToolSelect(std::string& nc, ProcessContext& ctx) {
  WriteToolRequest(nc, ctx, ctx.machine.TurretType == 1 ? 1 : 3);
}

std::string ToolWords(ProcessContext& ctx, int copies) {
  if (ctx.machine.TG) return " TG=" + FormatNcNumber(ctx.input.ToolNumber) + " OG=1";
  std::string words = ctx.machine.Tallix ? " TL=" : " T";
  for (int c = 0; c < copies; ++c) words += ToolNumberDigits(ctx);
  return words;
}

std::string SequenceName(ProcessContext& ctx) { return "NT" + ToolNumberDigits(ctx); }

std::string ToolNumberDigits(ProcessContext& ctx) {
  const double tool = ctx.input.ToolNumber;
  if (!(NcFloor(tool) >= 0 && NcFloor(tool) <= 99)) throw ToolNumberOutOfRange(tool);
  return FormatTwoDigit(ctx.input.ToolNumber);
}

double SpeedFromDiameter(double v, double d) {
  if (d == 0) throw ProcessError(kErrDivisionByZero);
  // pi is taken as 3.14 and the speed rounded down to a multiple of 10 min^-1.
  return NcFloor(1000.0 * v / 3.14 / d / 10.0) * 10.0;
}

void UpdateSpindleSpeed(ProcessContext& ctx, double d) {
  if (ctx.input.V > 0) ctx.kept.SpindleSpeed = SpeedFromDiameter(ctx.input.V, d);
}

std::string G97Words(ProcessContext& ctx) { return " G97 S" + FormatNcNumber(ctx.kept.SpindleSpeed); }

void AppendReturnLines(std::string& nc, ProcessContext& ctx, bool continuation) {
  const std::string move = continuation ? "N000     X" : "N000 G00 X";
  if (ctx.machine.Tallix) {
    Line(nc, move + FormatNcNumber(ctx.machine.AppX) + G97Words(ctx) + " M63");
    Line(nc, "N000 G21 HP=4 M05 M63 M09");
  } else {
    Line(nc,
         move + FormatNcNumber(ctx.machine.HomeX) + " Z" + FormatNcNumber(ctx.machine.HomeZ) + G97Words(ctx) + " M63");
  }
}

}  // namespace quillon
