// Finishing blocks: the finishing cycle G87 re-runs the contour NAP1, NAP2 or
// NAP3 that the roughing block before it defined, so they write no contour.
#include "process/turning_generators.h"

namespace quillon {

namespace {

enum class Finish { OD, ID, Face, FaceOD };

// Everything after the tool request; the four blocks differ only where the
// branches below say.
std::string FinishingLines(ProcessContext& ctx, Finish kind) {
  auto& in = ctx.input;
  auto& m = ctx.machine;
  std::string nc;
  // The inside tool comes in at the bore diameter, the others 2 mm clear of StartX.
  const std::string x = kind == Finish::ID ? Nc(in.StartX) : Nc(in.StartX + 4);
  Line(nc, "N000 G00 X" + x + " Z" + Nc(m.AppZ) + ToolCallWords(ctx, kHighGear));
  if (kind == Finish::FaceOD) {
    Line(nc, SequenceName(ctx) + "     Z" + Nc(in.StartZ) + G96Words(ctx));
    AppendFacingCut(nc, in.EndX, " F" + Nc(in.F));
    Line(nc, "N000 G00 Z" + Nc(in.EndZ + 2));
  } else {
    Line(nc, SequenceName(ctx) + "     Z" + Nc(in.StartZ + 2) + G96Words(ctx));
  }
  const char* nap = kind == Finish::ID ? "NAP3" : kind == Finish::Face ? "NAP1" : "NAP2";
  // Only a positive allowance is left for a later pass.
  std::string cycle = "N000 G87 " + std::string(nap);
  if (in.U > 0) cycle += " U" + Nc(in.U);
  if (in.W > 0) cycle += " W" + Nc(in.W);
  Line(nc, cycle);
  if (kind == Finish::ID) {
    // Step off the bore wall incrementally, then out of the bore along Z.
    Line(nc, "N000 G01 X-1 G91");
    Line(nc, "N000 G00 Z" + Nc(m.AppZ) + " G90");
    AppendReturnLines(nc, ctx, true);
  } else if (kind == Finish::Face) {
    AppendReturnLines(nc, ctx);
  } else {
    Line(nc, "N000 G00 X" + Nc(m.AppX) + G97Words(ctx) + " M63");
    AppendIndexLine(nc, ctx);
  }
  TabLine(nc);
  return nc;
}

}  // namespace

// clang-format off
// A finishing tool needs only its speed, the allowances and the start point.
ProcessDialogSetup ProcessFinishOD_Setup(const KeptState&) {
  ProcessDialogSetup setup;
  setup.caption = "O.D.Finish ";
  setup.labels  = {{"LabelD", ""}, {"LabelD2", ""}, {"LabelL", ""}, {"LabelL2", ""}, {"LabelC", ""},
                   {"LabelC2", ""}, {"LabelStartC", ""}, {"LabelEnd", ""}, {"LabelEndX", ""},
                   {"LabelEndZ", ""}, {"LabelEndC", ""}};
  setup.hidden  = {"F", "D", "L", "C", "StartC", "EndX", "EndZ", "EndC", "EndZ2"};
  return setup;
}

ProcessDialogSetup ProcessFinishID_Setup(const KeptState& kept) {
  ProcessDialogSetup setup = ProcessFinishOD_Setup(kept);
  setup.caption = "I.D.Finish ";
  setup.prefill = {{"StartX", KeptInsideDiameterText(kept)}, {"StartZ", "0"}};
  return setup;
}

ProcessDialogSetup ProcessFinishFace_Setup(const KeptState& kept) {
  ProcessDialogSetup setup = ProcessFinishOD_Setup(kept);
  setup.caption = "O.D.  Face  Finish ";
  return setup;
}

// The facing cut keeps its feed F and its end diameter EndX.
ProcessDialogSetup ProcessFinishFaceOD_Setup(const KeptState& kept) {
  ProcessDialogSetup setup;
  setup.caption = "Face O.D. Finish ";
  setup.labels  = {{"LabelD", ""}, {"LabelD2", ""}, {"LabelL", ""}, {"LabelL2", ""}, {"LabelC", "Face "},
                   {"LabelC2", ""}, {"LabelStartC", ""}, {"LabelEndZ", ""}, {"LabelEndC", ""}};
  setup.hidden  = {"D", "L", "C", "StartC", "EndZ", "EndC", "EndZ2"};
  setup.prefill = {{"EndX", KeptInsideDiameterText(kept)}, {"StartZ", "0"}};
  return setup;
}
// clang-format on

DocumentEdit ProcessFinishOD_Click(ProcessContext& ctx) {
  UpdateSpindleSpeed(ctx, ctx.input.StartX + 6);
  std::string nc = OpenTurningBlock(ctx, "OD.FINISH");
  return InsertAtSelection(nc + FinishingLines(ctx, Finish::OD));
}

DocumentEdit ProcessFinishID_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  UpdateSpindleSpeed(ctx, in.StartX + 6);
  std::string nc = OpenTurningBlock(ctx, "ID.FINISH");
  return InsertAtSelection(nc + FinishingLines(ctx, Finish::ID));
}

DocumentEdit ProcessFinishFace_Click(ProcessContext& ctx) {
  UpdateSpindleSpeed(ctx, ctx.input.StartX + 6);
  std::string nc = OpenTurningBlock(ctx, "OD.FINISH FACE");
  return InsertAtSelection(nc + FinishingLines(ctx, Finish::Face));
}

DocumentEdit ProcessFinishFaceOD_Click(ProcessContext& ctx) {
  UpdateSpindleSpeed(ctx, ctx.input.StartX + 6);
  std::string nc = OpenTurningBlock(ctx, "OD.FINISH");
  return InsertAtSelection(nc + FinishingLines(ctx, Finish::FaceOD));
}

}  // namespace quillon
