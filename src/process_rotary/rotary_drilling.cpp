// Drilling with a driven rotary tool on the face, the side and an inclined plane.
#include "numbers/nc_number.h"
#include "process/nc_block.h"
#include "process_rotary/rotary_frame.h"
#include "process_rotary/rotary_generators.h"

namespace quillon {

namespace {

// Drill point angle written as the tool's first angle.
constexpr int kDrillPointAngle = 118;

// The slant commands' approach: the C axis goes to the master angle first.
std::string MasterAngleFromEndX(ProcessContext& ctx) { return " C" + FormatNcNumber(ctx.input.EndX); }

// Words shared by the three cycle lines after the position: D, L, E, feed.
void AppendPeckWords(std::string& line, ProcessInput& in) {
  if (in.D > 0) line += " D" + FormatNcNumber(in.D);
  if (in.L > 0) line += " L" + FormatNcNumber(in.L);
  if (in.W > 0) line += " E" + FormatNcNumber(in.W);
  // Feed per minute as rotary speed times feed per revolution.
  line += " F=SB*" + FormatNcNumber(in.F);
}

// Without peck and dwell the plain drilling cycle will do.
std::string DrillCycleCode(const ProcessInput& in) { return in.D == 0 && in.W == 0 ? "N000 G181" : "N000 G183"; }

}  // namespace

DocumentEdit GenerateMDrillFace(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = "FACE DRILL D" + FormatNcNumber(in.U);
  frame.toolData = RotaryToolData{28, kDrillPointAngle, in.StartZ - in.EndZ + 20};
  frame.cycleEnd = CycleEnd::RetractZ;
  frame.approachXOnTallix = true;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    std::string line = DrillCycleCode(i);
    line += " C" + FormatNcNumber(i.StartC);
    line += " X" + FormatNcNumber(i.StartX);
    line += " Z" + FormatNcNumber(i.EndZ);
    line += " K" + FormatNcNumber(c.machine.AppZ - i.StartZ - 2);
    AppendPeckWords(line, i);
    if (i.C > 1) line += " Q" + FormatNcNumber(i.C);  // more than one hole
    Line(nc, line);
  }));
}

DocumentEdit GenerateMDrillSide(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = "SIDE DRILL D" + FormatNcNumber(in.U);
  frame.toolData = RotaryToolData{27, kDrillPointAngle, (in.StartX - in.EndX) / 2 + 20};
  frame.bAxis = BAxisWord::Side;
  frame.cycleEnd = CycleEnd::RetractX;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    std::string line = DrillCycleCode(i);
    line += " C" + FormatNcNumber(i.StartC);
    line += " X" + FormatNcNumber(i.EndX);
    line += " Z" + FormatNcNumber(i.StartZ);
    line += " I" + FormatNcNumber(c.machine.AppX - i.StartX - 4);
    AppendPeckWords(line, i);
    if (i.C > 1) line += " Q" + FormatNcNumber(i.C);
    Line(nc, line + " M136");
  }));
}

DocumentEdit GenerateMDrillSlant(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = "SLANT DRILL D" + FormatNcNumber(in.U);
  // StartC and EndC are single-precision entries; so is their difference,
  // taken as the decimal it stands for.
  frame.toolData = RotaryToolData{28, kDrillPointAngle, WidenSingle(in.StartC - in.EndC + 20.0f)};
  frame.bAxis = BAxisWord::Slant;
  frame.approachC = MasterAngleFromEndX;
  frame.plane = InclinedPlane::Cycle;
  frame.cycleEnd = CycleEnd::RetractZ;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    std::string line = DrillCycleCode(i);
    line += " X" + FormatNcNumber(i.StartX);
    line += " Y" + FormatNcNumber(i.StartZ);
    line += " Z" + FormatNcNumber(i.EndC);
    line += " K" + FormatNcNumber(c.machine.AppZ - WidenSingle(i.StartC) - 2);
    AppendPeckWords(line, i);
    Line(nc, line);
  }));
}

// clang-format off
ProcessDialogSetup SetupMDrillFace(const KeptState&) {
  return {.caption = "M Drill Face ",
          .labels = {{"LabelU", "Drill diameter "}, {"LabelU2", "D"},
                     {"LabelW", "End point dwell "}, {"LabelW2", "E"},
                     {"LabelC", "Hole number "},     {"LabelC2", "Q"},
                     {"LabelEndX", ""},
                     {"LabelEndC", ""}},
          .hidden = {"EndX", "EndC"},
          .shown = {},
          .toolTips = {{"U", kTapDrillHint}},
          .prefill = {}};
}

ProcessDialogSetup SetupMDrillSide(const KeptState&) {
  return {.caption = "M Drill  Side ",
          .labels = {{"LabelU", "Drill diameter"},   {"LabelU2", "D"},
                     {"LabelW", "End point dwell "}, {"LabelW2", "E"},
                     {"LabelC", "Hole number "},     {"LabelC2", "Q"},
                     {"LabelEndZ", ""},
                     {"LabelEndC", ""},
                     {"EndZ2", ""}},
          .hidden = {"EndZ", "EndC"},
          .shown = {},
          .toolTips = {{"U", kTapDrillHint}},
          .prefill = {}};
}

ProcessDialogSetup SetupMDrillSlant(const KeptState& kept) {
  ProcessDialogSetup setup{
          .caption = "M Drill Slant ",
          .labels = {{"LabelU", "Drill diameter "},       {"LabelU2", "D"},
                     {"LabelW", "End point dwell "},      {"LabelW2", "E"},
                     {"LabelC", "Zero movement amount "}, {"LabelC2", "X"},
                     {"LabelCZ", "Zero movement amount "},
                     {"LabelAttn", "Attention :X axis is radius command."},
                     {"LabelStartZ", "Y"},
                     {"LabelStartC", "Z"},
                     {"LabelEnd", " master  angle "},
                     {"LabelEndX", "C"},
                     {"LabelEndZ", ""},
                     {"LabelEndC", "Z"}},
          .hidden = {"EndZ"},
          .shown = {"LabelB", "LabelB2", "B", "LabelSZ", "SZ", "EndZ2"},
          .toolTips = {{"U", kTapDrillHint}},
          .prefill = {}};
  PrefillSlant(setup, kept, "ProcessMDrillSlant");
  return setup;
}
// clang-format on

}  // namespace quillon
