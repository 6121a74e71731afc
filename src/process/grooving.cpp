// Grooving blocks: the grooving cycle (G73 along X, G74 along Z) roughs the
// groove, then each cutting corner of the tool chamfers one edge of it.
#include "process/turning_generators.h"

namespace quillon {

namespace {

// A grooving tool carries two offsets, one per cutting corner. The cycle and
// the first chamfer use the second offset; the block ends on the first one.
std::string CycleOffsetWord(ProcessContext& ctx) {
  return ctx.machine.TG ? " OG=2" : " T" + Nc(ctx.input.ToolNumber + 20);
}
std::string SecondOffsetWord(ProcessContext& ctx) {
  return ctx.machine.TG ? " OG=2" : " T" + Nc(ctx.input.ToolNumber * 10101 + 200020);
}
std::string FirstOffsetWord(ProcessContext& ctx) {
  return ctx.machine.TG ? " OG=1" : " T" + Nc(ctx.input.ToolNumber * 10101);
}

// An outside groove is cut from above StartX, an inside groove from below:
// clearances change sign, compensation sides and chamfer angles swap.
struct GrooveSide {
  double direction;       // +1 outside, -1 inside
  const char* firstComp;  // corner chamfering the edge at StartZ
  const char* firstAngle;
  const char* secondComp;  // corner chamfering the edge at EndZ
  const char* secondAngle;
  const char* cancel;  // compensation cancel direction
};
constexpr GrooveSide kOutside{+1, " G41", " A-45", " G42", " A-135", " I-1"};
constexpr GrooveSide kInside{-1, " G42", " A45", " G41", " A135", " I1"};

DocumentEdit SideGroove(ProcessContext& ctx, std::string nc, const GrooveSide& side) {
  auto& in = ctx.input;
  auto& m = ctx.machine;
  const double s = side.direction;
  if (s > 0) {
    Line(nc, "N000 G00 X" + Nc(m.AppX) + " Z" + Nc(in.StartZ + in.W) + ToolCallWords(ctx, kHighGear));
    Line(nc, SequenceName(ctx) + "     X" + Nc(in.StartX + 4));
  } else {
    Line(nc, "N000 G00 X" + Nc(in.StartX - 4) + " Z" + Nc(m.AppZ) + ToolCallWords(ctx, kHighGear));
    Line(nc, SequenceName(ctx) + "     Z" + Nc(in.StartZ + in.W));
  }
  Line(nc, "N000 G96 S" + Nc(in.V));
  Line(nc, "N000 G73 X" + Nc(in.EndX + s * in.U) + " Z" + Nc(in.EndZ - in.W) + " D" + Nc(in.D) + " K" + Nc(in.L - 0.5) +
               " F" + Nc(in.F) + CycleOffsetWord(ctx));
  // Each chamfer starts 0.5 mm beyond its edge, also when C is 0.
  Line(nc, "N000 G00 Z" + Nc(in.StartZ - WidenSingle(in.C) - 0.5));
  Line(nc, "N000 G01 X" + Nc(in.StartX + s * 1) + side.firstComp + " F0.3");
  Line(nc, "N000     Z" + Nc(in.StartZ) + side.firstAngle + " F" + Nc(in.F));
  Line(nc, "N000     X" + Nc(in.EndX) + " G40" + side.cancel);
  Line(nc, "N000     Z" + Nc(in.StartZ + in.W));
  Line(nc, "N000 G00 X" + Nc(in.StartX + s * 4));
  Line(nc, "N000     Z" + Nc(in.EndZ + WidenSingle(in.C) + 0.5) + SecondOffsetWord(ctx));
  Line(nc, "N000 G01 X" + Nc(in.StartX + s * 1) + side.secondComp + " F0.3");
  Line(nc, "N000     Z" + Nc(in.EndZ) + side.secondAngle + " F" + Nc(in.F));
  Line(nc, "N000     X" + Nc(in.EndX) + " G40" + side.cancel);
  Line(nc, "N000     Z" + Nc(in.StartZ + in.W) + FirstOffsetWord(ctx));
  if (s > 0) {
    Line(nc, "N000 G00 X" + Nc(m.AppX) + G97Words(ctx) + " M63");
    AppendIndexLine(nc, ctx);
  } else {
    // Off the groove wall, then out of the bore along Z.
    Line(nc, "N000 G00 X" + Nc(in.StartX - 4));
    Line(nc, "N000     Z" + Nc(m.AppZ) + G97Words(ctx) + " M63");
    AppendRetractLines(nc, ctx, "N000     X");
  }
  TabLine(nc);
  return InsertAtSelection(nc);
}

}  // namespace

// clang-format off
ProcessDialogSetup ProcessGrooveOD_Setup(const KeptState&) {
  ProcessDialogSetup setup;
  setup.caption = "O.D.Groove ";
  setup.labels  = {{"LabelStartC", ""}, {"LabelEndC", ""}, {"LabelL", "Tool width "}, {"LabelL2", "K"},
                   {"LabelAttn", "Attention :Reference point Z-axis is negative."}};
  setup.hidden  = {"StartC", "EndC"};
  return setup;
}

ProcessDialogSetup ProcessGrooveID_Setup(const KeptState& kept) {
  ProcessDialogSetup setup = ProcessGrooveOD_Setup(kept);
  setup.caption = "I.D.Groove ";
  return setup;
}

ProcessDialogSetup ProcessGrooveFace_Setup(const KeptState&) {
  ProcessDialogSetup setup;
  setup.caption = "Face Groove ";
  setup.labels  = {{"LabelStartC", ""}, {"LabelEndC", ""}, {"LabelL", " tool  width "}, {"LabelL2", "W"},
                   {"LabelAttn", "Attention : reference point X axis diameter."}};
  setup.hidden  = {"StartC", "EndC"};
  return setup;
}
// clang-format on

DocumentEdit ProcessGrooveOD_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  UpdateSpindleSpeed(ctx, in.StartX + 4);
  std::string nc = OpenTurningBlock(ctx, "OD.GROOVE");
  return SideGroove(ctx, nc, kOutside);
}

DocumentEdit ProcessGrooveID_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  UpdateSpindleSpeed(ctx, in.StartX - 4);
  std::string nc = OpenTurningBlock(ctx, "ID.GROOVE");
  return SideGroove(ctx, nc, kInside);
}

DocumentEdit ProcessGrooveFace_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  auto& m = ctx.machine;
  UpdateSpindleSpeed(ctx, in.StartX);
  std::string nc = OpenTurningBlock(ctx, "OD.GROOVE FACE");
  Line(nc, "N000 G00 X" + Nc(in.StartX + in.U) + " Z" + Nc(m.AppZ) + ToolCallWords(ctx, kHighGear));
  Line(nc, SequenceName(ctx) + "     Z" + Nc(in.StartZ + 2) + G96Words(ctx));
  Line(nc, "N000 G74 X" + Nc(in.EndX - in.U) + " Z" + Nc(in.EndZ + in.W) + " D" + Nc(in.D) + " I" + Nc(in.L - 0.5) +
               " F" + Nc(in.F) + CycleOffsetWord(ctx));
  Line(nc, "N000 G00 X" + Nc(in.StartX - ChamferClearance(in.C)));
  Line(nc, "N000 G01 Z" + Nc(in.StartZ + 0.5) + " G42 F0.3");
  Line(nc, "N000     X" + Nc(in.StartX) + " A135 F" + Nc(in.F));
  Line(nc, "N000     Z" + Nc(in.EndZ) + " G40 K-1");
  Line(nc, "N000     X" + Nc(in.StartX + in.U));
  Line(nc, "N000 G00 Z" + Nc(in.StartZ + 2));
  Line(nc, "N000     X" + Nc(in.EndX + ChamferClearance(in.C)) + SecondOffsetWord(ctx));
  Line(nc, "N000 G01 Z" + Nc(in.StartZ + 0.5) + " G41 F0.3");
  Line(nc, "N000     X" + Nc(in.EndX) + " A-135 F" + Nc(in.F));
  Line(nc, "N000     Z" + Nc(in.EndZ) + " G40 K-1");
  Line(nc, "N000     X" + Nc(in.StartX + in.U) + FirstOffsetWord(ctx));
  Line(nc, "N000 G00 Z" + Nc(m.AppZ));
  AppendReturnLines(nc, ctx, true);
  TabLine(nc);
  return InsertAtSelection(nc);
}

}  // namespace quillon
