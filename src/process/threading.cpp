// Threading blocks: one threading-cycle line (G71 along Z, G72 on the face)
// at a constant spindle speed, so there is neither a G96 nor a G97 word.
#include "process/turning_generators.h"

namespace quillon {

namespace {

enum class Thread { OD, ID, Face };

// The speed of the thread's reference diameter; a zero or negative diameter
// keeps the last speed instead of failing.
void UpdateThreadSpeed(ProcessContext& ctx, double d) {
  if (ctx.input.V > 0 && d > 0) ctx.kept.SpindleSpeed = SpeedFromDiameter(ctx.input.V, d);
}

// Everything after the tool request.
std::string ThreadingLines(ProcessContext& ctx, Thread kind) {
  auto& in = ctx.input;
  auto& m = ctx.machine;
  std::string nc;
  Line(nc, "N000 G00 X" + Nc(in.StartX) + " Z" + Nc(m.AppZ) + ToolCallWords(ctx, kHighGear));
  Line(nc, SequenceName(ctx) + "     Z" + Nc(in.StartZ));
  // Words in the cycle's order; a later word may use a value an earlier one cut.
  std::string cycle;
  if (kind == Thread::OD) {
    // The thread height on the diameter is 1.3 times the pitch.
    cycle = "N000 G71 X" + Nc(in.EndX - 2 * (0.65 * in.F));
    cycle += " Z" + Nc(in.EndZ);
    cycle += " H" + Nc(2 * (0.65 * in.F));
  } else if (kind == Thread::ID) {
    cycle = "N000 G71 X" + Nc(in.EndX);
    cycle += " Z" + Nc(in.EndZ);
    cycle += " H" + Nc(in.F);
  } else {
    cycle = "N000 G72 X" + Nc(in.EndX);
    cycle += " Z" + Nc(in.EndZ);
    cycle += " H" + Nc(0.65 * in.F);
  }
  cycle += " D" + Nc(in.D);
  if (kind != Thread::Face && in.U > 0) cycle += " U" + Nc(in.U);
  if (kind == Thread::Face && in.W > 0) cycle += " W" + Nc(in.W);
  if (in.L > 0) cycle += " L" + Nc(in.L) + " M23";  // chamfered thread end
  if (in.C > 1) cycle += " Q" + Nc(in.C);           // multiple threads
  cycle += " F" + Nc(in.F);
  Line(nc, cycle);
  // The outside tool clears the thread along X, the others leave along Z.
  Line(nc, kind == Thread::OD ? "N000 G00 X" + Nc(m.AppX) : "N000 G00 Z" + Nc(m.AppZ));
  AppendIndexLine(nc, ctx);
  TabLine(nc);
  return nc;
}

}  // namespace

// clang-format off
ProcessDialogSetup ProcessThreadOD_Setup(const KeptState&) {
  ProcessDialogSetup setup;
  setup.caption = "O.D.Thread ";
  setup.labels  = {{"LabelL", "Chamfer"}, {"LabelD", "Cutting amount"}, {"LabelC", "Read number"},
                   {"LabelC2", "J"}, {"LabelStart", " Cycle  master  point "}, {"LabelEndC", ""},
                   {"LabelEnd", "Diameter "}, {"LabelW", ""}, {"LabelW2", ""}};
  setup.hidden  = {"EndC", "W"};
  setup.prefill = {{"StartC", "0"}};
  return setup;
}

ProcessDialogSetup ProcessThreadID_Setup(const KeptState& kept) {
  ProcessDialogSetup setup = ProcessThreadOD_Setup(kept);
  setup.caption = "I.D.Thread ";
  return setup;
}

ProcessDialogSetup ProcessThreadFace_Setup(const KeptState&) {
  ProcessDialogSetup setup;
  setup.caption = "Face Thread ";
  setup.labels  = {{"LabelL", "Chamfer"}, {"LabelD", "Cutting amount"}, {"LabelC", "Read number"},
                   {"LabelC2", "J"}, {"LabelStart", " Cycle  master  point "}, {"LabelEndC", ""},
                   {"LabelU", ""}, {"LabelU2", ""}};
  setup.hidden  = {"EndC", "U"};
  setup.prefill = {{"StartC", "0"}};
  return setup;
}
// clang-format on

DocumentEdit ProcessThreadOD_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  UpdateThreadSpeed(ctx, in.EndX);
  std::string nc = OpenTurningBlock(ctx, "OD.THREAD M" + Nc(in.EndX) + "*P" + Nc(in.F));
  return InsertAtSelection(nc + ThreadingLines(ctx, Thread::OD));
}

DocumentEdit ProcessThreadID_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  UpdateThreadSpeed(ctx, in.EndX);
  std::string nc = OpenTurningBlock(ctx, "ID.THREAD M" + Nc(in.EndX) + "*P" + Nc(in.F));
  return InsertAtSelection(nc + ThreadingLines(ctx, Thread::ID));
}

DocumentEdit ProcessThreadFace_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  UpdateThreadSpeed(ctx, in.StartX);
  std::string nc = OpenTurningBlock(ctx, "OD.THREAD FACE P" + Nc(in.F));
  return InsertAtSelection(nc + ThreadingLines(ctx, Thread::Face));
}

}  // namespace quillon
