#include <utility>

#include "process/turning_generators.h"

namespace quillon {

std::string ToolCallWords(ProcessContext& ctx, std::string_view gear, int copies) {
  return ToolWords(ctx, copies) + std::string(gear) + Nc(ctx.kept.SpindleSpeed) + ctx.input.SpindleCode +
         ctx.input.CoolantCode;
}

std::string G96Words(ProcessContext& ctx) { return " G96 S" + Nc(ctx.input.V); }

double ChamferClearance(float c) { return WidenSingle((c + 0.5f) * 2.0f); }

double TwiceChamfer(float c) { return WidenSingle(2.0f * c); }

void AppendFacingCut(std::string& nc, double& x, const std::string& feedWords) {
  if (x == 0) {
    Line(nc, "N000 G01 X0 G41 I1" + feedWords);
    Line(nc, "N000 G40 I-1");
  } else {
    Line(nc, "N000 G01 X" + Nc(x) + feedWords);
  }
}

void AppendIndexLine(std::string& nc, ProcessContext& ctx) {
  if (ctx.machine.Tallix)
    Line(nc, "N000 G21 HP=4 M05 M63 M09");
  else
    Line(nc, "N000     X" + Nc(ctx.machine.HomeX) + " Z" + Nc(ctx.machine.HomeZ));
}

void AppendRetractLines(std::string& nc, ProcessContext& ctx, std::string_view move) {
  if (ctx.machine.Tallix) {
    Line(nc, std::string(move) + Nc(ctx.machine.AppX));
    Line(nc, "N000 G21 HP=4 M05 M63 M09");
  } else {
    Line(nc, std::string(move) + Nc(ctx.machine.HomeX) + " Z" + Nc(ctx.machine.HomeZ));
  }
}

std::string KeptText(const std::optional<double>& value) { return value ? ShortestNumberText(*value) : ""; }

std::string KeptInsideDiameterText(const KeptState& kept) { return ShortestNumberText(kept.MaterialID.value_or(0)); }

}  // namespace quillon
