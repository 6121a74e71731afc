// Roughing blocks: the compound roughing cycle G85 over a contour named NAP1
// (face, G82), NAP2 (outside, G81) or NAP3 (inside, G81), which the matching
// finishing block re-runs.
#include "process/turning_generators.h"

namespace quillon {

namespace {

// The outside contour starts below StartX and climbs to a larger shoulder; the
// inside one starts above StartX and descends to a smaller one, so the
// clearances change sign and the compensation side and chamfer angle swap.
struct ShoulderSide {
  double direction;          // +1 outside, -1 inside
  const char* nap;           // contour name
  const char* compensation;  // nose-radius compensation side
  const char* chamferAngle;  // 45-degree chamfer as the controller's angle word
};
constexpr ShoulderSide kOutside{+1, "NAP2", " G42", " A135"};
constexpr ShoulderSide kInside{-1, "NAP3", " G41", " A-135"};

// The G85 cycle and its chamfered-shoulder contour, up to "N000 G80".
void AppendShoulderCycle(std::string& nc, ProcessContext& ctx, const ShoulderSide& side) {
  auto& in = ctx.input;
  const double s = side.direction;
  Line(nc, "N000 G85 " + std::string(side.nap) + " D" + Nc(in.D) + " U" + Nc(in.U) + " W" + Nc(in.W) + " F" + Nc(in.F));
  Line(nc, std::string(side.nap) + " G81");
  // Start 0.5 mm radially before the chamfer and 0.5 mm in front of the face.
  Line(nc, "N000 G00 X" + Nc(in.StartX - s * ChamferClearance(in.C)));
  Line(nc, "N000 G01 Z" + Nc(in.StartZ + 0.5) + side.compensation + " F0.15");
  Line(nc, "N000     X" + Nc(in.StartX) + side.chamferAngle);
  Line(nc, "N000     Z" + Nc(in.EndZ));
  Line(nc, "N000     X" + Nc(in.EndX - s * TwiceChamfer(in.C)));
  Line(nc, "N000     X" + Nc(in.EndX) + side.chamferAngle);
  Line(nc, "N000 G40 K-1");
  Line(nc, "N000 G80");
}

}  // namespace

// clang-format off
ProcessDialogSetup ProcessRoughOD_Setup(const KeptState& kept) {
  ProcessDialogSetup setup;
  setup.caption = "O.D.Rough ";
  setup.labels  = {{"LabelD", "Cutting amount"}, {"LabelL", ""}, {"LabelL2", ""}, {"LabelStartC", ""},
                   {"LabelEndC", ""}};
  setup.hidden  = {"L", "StartC", "EndC"};
  setup.prefill = {{"EndX", KeptText(kept.MaterialOD)}, {"StartZ", "0"}};
  return setup;
}

ProcessDialogSetup ProcessRoughID_Setup(const KeptState& kept) {
  ProcessDialogSetup setup;
  setup.caption = "I.D.Rough ";
  setup.labels  = {{"LabelD", "Cutting amount "}, {"LabelL", ""}, {"LabelL2", ""}, {"LabelStartC", ""},
                   {"LabelEndC", ""}};
  setup.hidden  = {"L", "StartC", "EndC"};
  setup.prefill = {{"EndX", KeptInsideDiameterText(kept)}, {"StartZ", "0"}};
  return setup;
}

ProcessDialogSetup ProcessRoughFace_Setup(const KeptState& kept) {
  ProcessDialogSetup setup;
  setup.caption = "O.D.Face Rough ";
  setup.labels  = {{"LabelL", "Face cutting amount "}, {"LabelL2", "Z"}, {"LabelC", ""}, {"LabelC2", ""},
                   {"LabelU", ""}, {"LabelU2", ""}, {"LabelD", ""}, {"LabelD2", ""}, {"LabelStartC", ""},
                   {"LabelEndC", ""}};
  setup.hidden  = {"C", "U", "D", "StartC", "EndC"};
  setup.prefill = {{"StartX", KeptText(kept.MaterialOD)}, {"StartZ", KeptText(kept.PZero)},
                   {"EndX", KeptInsideDiameterText(kept)}, {"EndZ", "0"}};
  return setup;
}

ProcessDialogSetup ProcessRoughFaceOD_Setup(const KeptState& kept) {
  // The face stops 3 mm inside a bored blank; a solid one is faced to the centre.
  const double id = kept.MaterialID.value_or(0);
  ProcessDialogSetup setup;
  setup.caption = "Face O.D.Rough ";
  setup.labels  = {{"LabelD", "Cutting amount"}, {"LabelD2", "X"}, {"LabelCZ", "Face end point"},
                   {"LabelSZ", "X"}, {"LabelL", "Face cutting amount"}, {"LabelL2", "Z"},
                   {"LabelStartC", ""}, {"LabelEndC", ""}};
  setup.hidden  = {"StartC", "EndC"};
  setup.shown   = {"SZ", "LabelSZ"};
  setup.prefill = {{"EndX", KeptText(kept.MaterialOD)}, {"StartZ", "0"},
                   {"SZ", id == 0 ? "0" : ShortestNumberText(id - 3)}};
  return setup;
}
// clang-format on

DocumentEdit ProcessRoughOD_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  UpdateSpindleSpeed(ctx, in.StartX + 6);
  std::string nc = OpenTurningBlock(ctx, "OD.ROUGH");
  Line(nc, "N000 G00 X" + Nc(in.EndX) + " Z" + Nc(ctx.machine.AppZ) + ToolCallWords(ctx, kLowGear));
  Line(nc, SequenceName(ctx) + "     Z" + Nc(in.StartZ + 2) + G96Words(ctx));
  AppendShoulderCycle(nc, ctx, kOutside);
  AppendReturnLines(nc, ctx);
  TabLine(nc);
  return InsertAtSelection(nc);
}

DocumentEdit ProcessRoughID_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  UpdateSpindleSpeed(ctx, in.StartX + 6);
  std::string nc = OpenTurningBlock(ctx, "ID.ROUGH");
  Line(nc, "N000 G00 X" + Nc(in.EndX) + " Z" + Nc(ctx.machine.AppZ) + ToolCallWords(ctx, kHighGear));
  Line(nc, SequenceName(ctx) + "     Z" + Nc(in.StartZ + 2) + G96Words(ctx));
  AppendShoulderCycle(nc, ctx, kInside);
  // Out of the bore along Z before the tool moves in X.
  Line(nc, "N000 G00 Z" + Nc(ctx.machine.AppZ));
  AppendReturnLines(nc, ctx, true);
  TabLine(nc);
  return InsertAtSelection(nc);
}

DocumentEdit ProcessRoughFace_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  UpdateSpindleSpeed(ctx, in.StartX + 6);
  std::string nc = OpenTurningBlock(ctx, "OD.ROUGH FACE");
  Line(nc, "N000 G00 X" + Nc(in.StartX + 6) + " Z" + Nc(ctx.machine.AppZ) + ToolCallWords(ctx, kLowGear));
  Line(nc, SequenceName(ctx) + "     Z" + Nc(in.StartZ) + G96Words(ctx));
  Line(nc, "N000 G85 NAP1 D" + Nc(in.L) + " W" + Nc(in.W) + " F" + Nc(in.F));
  Line(nc, "NAP1 G82");
  Line(nc, "N000 G00 Z" + Nc(in.EndZ));
  Line(nc, "N000 G01 X" + Nc(in.StartX) + " G41 F0.15");
  Line(nc, "N000     X" + Nc(in.EndX));
  Line(nc, "N000 G40 I-1");
  Line(nc, "N000 G80");
  AppendReturnLines(nc, ctx);
  TabLine(nc);
  return InsertAtSelection(nc);
}

DocumentEdit ProcessRoughFaceOD_Click(ProcessContext& ctx) {
  auto& in = ctx.input;
  UpdateSpindleSpeed(ctx, in.StartX + 6);
  // The blank as "Material Input" described it, not the dialog's EndX.
  const double materialOD = ctx.kept.MaterialOD.value_or(0);
  double face = ctx.kept.PZero.value_or(0);
  std::string nc = OpenTurningBlock(ctx, "OD.ROUGH");
  Line(nc, "N000 G00 X" + Nc(materialOD + 6) + " Z" + Nc(ctx.machine.AppZ) + ToolCallWords(ctx, kLowGear));
  // Facing runs at 0.8 times the turning feed.
  const double faceStock = face - in.StartZ;
  // Compared in the thousandths the block is written in: 0.8 - 0.1 is
  // 0.7000000000000001 in binary, which is one cut of 0.7, not more.
  if (NcFloor((faceStock - in.L) * 1000.0) > 0) {
    // More face stock than one cut: the face roughing cycle.
    Line(nc, SequenceName(ctx) + "     Z" + Nc(face) + G96Words(ctx));
    Line(nc, "N000 G85 NAP1 D" + Nc(in.L) + " W" + Nc(in.W) + " F" + Nc(in.F * 0.8));
    Line(nc, "NAP1 G82");
    Line(nc, "N000 G00 Z" + Nc(in.StartZ));
    AppendFacingCut(nc, in.SZ, "");
    Line(nc, "N000 G80");
  } else {
    Line(nc, SequenceName(ctx) + "     Z" + Nc(in.StartZ + in.W) + G96Words(ctx));
    AppendFacingCut(nc, in.SZ, " F" + Nc(in.F * 0.8));
  }
  Line(nc, "N000 G00 X" + Nc(double(materialOD)) + " Z" + Nc(in.StartZ + 2));
  AppendShoulderCycle(nc, ctx, kOutside);
  AppendReturnLines(nc, ctx);
  TabLine(nc);
  return InsertAtSelection(nc);
}

}  // namespace quillon
