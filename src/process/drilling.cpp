// Drilling blocks on the turning centre line (X0) at the constant speed of
// the drill's own diameter: no G96 or G97 word.
#include "process/turning_generators.h"

namespace quillon {

namespace {

// Header, tool data, tool request and tool call, shared by both drills.
std::string DrillingHead(ProcessContext& ctx) {
  auto& in = ctx.input;
  // Always computed: a drill diameter of 0 fails before anything is written.
  ctx.kept.SpindleSpeed = SpeedFromDiameter(in.V, in.U);
  std::string nc = OpenTurningBlock(ctx, "DRILL D" + Nc(in.U));
  // A drill has one offset: the two-digit tool number twice.
  Line(nc, "N000 G00 X0 Z" + Nc(ctx.machine.AppZ) + ToolCallWords(ctx, kHighGear, 2));
  return nc;
}

}  // namespace

// clang-format off
ProcessDialogSetup ProcessDrillHss_Setup(const KeptState& kept) {
  ProcessDialogSetup setup;
  setup.caption = "Hss Drill ";
  setup.labels  = {{"LabelU", "Drill diameter "}, {"LabelU2", "D"}, {"LabelC", ""}, {"LabelC2", ""},
                   {"LabelW", ""}, {"LabelW2", ""}, {"LabelStartX", ""}, {"LabelStartC", ""},
                   {"LabelEndX", ""}, {"LabelEndC", ""}};
  setup.hidden  = {"C", "W", "StartX", "StartC", "EndX", "EndC"};
  setup.prefill = {{"StartZ", KeptText(kept.PZero)}};
  return setup;
}

ProcessDialogSetup ProcessDrillU_Setup(const KeptState& kept) {
  ProcessDialogSetup setup;
  setup.caption = "Corbyte Drill ";
  setup.labels  = {{"LabelU", " Drill  diameter "}, {"LabelU2", "D"}, {"LabelD", "App."}, {"LabelL", "Thre"},
                   {"LabelC", ""}, {"LabelC2", ""}, {"LabelW", ""}, {"LabelW2", ""}, {"LabelStartX", ""},
                   {"LabelStartC", ""}, {"LabelEndX", ""}, {"LabelEndC", ""}};
  setup.hidden  = {"C", "W", "StartX", "StartC", "EndX", "EndC"};
  setup.prefill = {{"StartZ", KeptText(kept.PZero)}};
  return setup;
}
// clang-format on

DocumentEdit ProcessDrillHss_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  std::string nc = DrillingHead(ctx);
  // Words in the cycle's order; the one-peck depth uses the EndZ written before it.
  std::string cycle = SequenceName(ctx) + " G74 X0 Z" + Nc(in.EndZ);
  cycle += " K" + Nc((ctx.machine.AppZ - in.StartZ) - 3);
  // Without a peck depth the whole depth goes in one peck.
  cycle += in.D > 0 ? " D" + Nc(in.D) : " D" + Nc(NcFloor((in.StartZ - in.EndZ) + 4));
  if (in.L > 0) cycle += " L" + Nc(in.L);
  cycle += " F" + Nc(in.F);
  Line(nc, cycle);
  AppendRetractLines(nc, ctx, "N000 G00 X");
  TabLine(nc);
  return InsertAtSelection(nc);
}

DocumentEdit ProcessDrillU_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  std::string nc = DrillingHead(ctx);
  Line(nc, SequenceName(ctx) + "     Z" + Nc(in.StartZ + 3));
  // Half feed into the face (the first D) and for the last L before the bottom.
  double half = 0.5 * in.F;
  std::string move = "N000 G01 Z";
  if (in.D > 0) {
    Line(nc, move + Nc(in.StartZ - in.D) + " F" + Nc(half));
    move = "N000     Z";
  }
  if (in.L > 0) {
    Line(nc, move + Nc(in.EndZ + in.L) + " F" + Nc(in.F));
    Line(nc, "N000     Z" + Nc(in.EndZ) + " F" + Nc(half));
  } else {
    Line(nc, move + Nc(in.EndZ) + " F" + Nc(in.F));
  }
  Line(nc, "N000 G00 Z" + Nc(ctx.machine.AppZ));
  AppendRetractLines(nc, ctx, "N000     X");
  TabLine(nc);
  return InsertAtSelection(nc);
}

}  // namespace quillon
