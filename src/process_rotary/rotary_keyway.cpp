// Key ways milled with the controller's key-way cycle G190 on the face, the
// side and in an inclined plane.
#include "process/nc_block.h"
#include "process/nc_format.h"
#include "process_rotary/rotary_frame.h"
#include "process_rotary/rotary_generators.h"

namespace quillon {

namespace {

constexpr int kEndMillFaceKind = 36;
constexpr int kEndMillSideKind = 35;

}  // namespace

ProcessOutput GenerateMKeyFace(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = "FACE KEY W" + FormatNcNumber(in.U);
  frame.toolData = RotaryToolData{kEndMillFaceKind, std::nullopt, in.StartZ - in.EndZ + 20};
  frame.spindleStart = SpindleStart::Positioned;
  frame.positioning = [](ProcessContext& c) { return "N000     X" + FormatNcNumber(c.input.StartX); };
  frame.cycleEnd = CycleEnd::RetractZ;
  return BlockAtCaret(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    std::string line = "N000 G190 C" + FormatNcNumber(i.StartC);
    line += " X" + FormatNcNumber(i.EndX);
    line += " Z" + FormatNcNumber(i.EndZ);
    line += " K" + FormatNcNumber(c.machine.AppZ - i.StartZ - 2);
    if (i.L > 0) line += " W" + FormatNcNumber(i.L);
    line += " E" + FormatNcNumber(i.W);
    line += " F=SB*" + FormatNcNumber(i.F);
    if (i.C > 0) line += " Q" + FormatNcNumber(i.C);
    Line(nc, line + " M211 M213");
  }));
}

ProcessOutput GenerateMKeySide(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = "SIDE KEY W" + FormatNcNumber(in.U);
  frame.toolData = RotaryToolData{kEndMillSideKind, std::nullopt, (in.StartX - in.EndX) / 2 + 20};
  frame.bAxis = BAxisWord::Side;
  frame.spindleStart = SpindleStart::Positioned;
  frame.positioning = [](ProcessContext& c) { return "N000     Z" + FormatNcNumber(c.input.StartZ); };
  frame.cycleEnd = CycleEnd::RetractX;
  return BlockAtCaret(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    std::string line = "N000 G190 C" + FormatNcNumber(i.StartC);
    line += " X" + FormatNcNumber(i.EndX);
    line += " Z" + FormatNcNumber(i.EndZ);
    line += " I" + FormatNcNumber(c.machine.AppX - i.StartX - 4);
    if (i.L > 0) line += " U" + FormatNcNumber(i.L);
    line += " E" + FormatNcNumber(i.W);
    line += " F=SB*" + FormatNcNumber(i.F);
    if (i.C > 0) line += " Q" + FormatNcNumber(i.C);
    Line(nc, line + " M211 M213");
  }));
}

ProcessOutput GenerateMKeySlant(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = "SLANT KEY W" + FormatNcNumber(in.U);
  // No tool-data lines here whatever ToolFrom says.
  frame.bAxis = BAxisWord::Slant;
  frame.approachC = [](ProcessContext&) { return std::string(" C0"); };
  frame.plane = InclinedPlane::Cycle;
  frame.cycleEnd = CycleEnd::RetractZ;
  return BlockAtCaret(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    Line(nc, "N000      Z" + FormatNcNumber(i.StartC + 2.0f));
    std::string line = "N000 G190 X" + FormatNcNumber(i.EndX);
    line += " Y" + FormatNcNumber(i.EndZ);
    line += " Z" + FormatNcNumber(i.EndC);
    // The cycle starts where the tool stands: no clearance.
    line += " K0";
    if (i.L > 0) line += " W" + FormatNcNumber(i.L);
    line += " E=SB*" + FormatNcNumber(i.W);
    line += " F=SB*" + FormatNcNumber(i.F);
    Line(nc, line + " M211 M213");
  }));
}

// clang-format off
ProcessDialogSetup SetupMKeyFace(const KeptState&) {
  return {.caption = "M Key way Face ",
          .labels = {{"LabelU", "Endmill diameter "}, {"LabelU2", "D"},
                     {"LabelC", "Key number "},       {"LabelC2", "Q"},
                     {"LabelW", "Infeed speed "},     {"LabelW2", "E"},
                     {"LabelL", "Finish stock"},      {"LabelL2", "W"},
                     {"LabelD", "Cutting amount "},
                     {"LabelEndC", ""}},
          .hidden = {"EndC"},
          .shown = {},
          .toolTips = {},
          .row = 23,
          .prefill = {}};
}

ProcessDialogSetup SetupMKeySide(const KeptState&) {
  return {.caption = "M Key way Side ",
          .labels = {{"LabelU", "Endmill diameter "}, {"LabelU2", "D"},
                     {"LabelC", "Key number"},        {"LabelC2", "Q"},
                     {"LabelW", "Infeed speed "},     {"LabelW2", "E"},
                     {"LabelL", "Finish stock"},      {"LabelL2", "U"},
                     {"LabelD", "Cutting amount "},
                     {"LabelEndC", ""}},
          .hidden = {"EndC"},
          .shown = {},
          .toolTips = {},
          .row = 24,
          .prefill = {}};
}

ProcessDialogSetup SetupMKeySlant(const KeptState& kept) {
  ProcessDialogSetup setup{
          .caption = "M Key way Slant ",
          .labels = {{"LabelU", "Endmill diameter "},     {"LabelU2", "D"},
                     {"LabelD", "Cutting amount "},
                     {"LabelW", "Cutting speed "},        {"LabelW2", "E"},
                     {"LabelL", "Finish stock"},          {"LabelL2", "U"},
                     {"LabelC", "Zero movement amount"},  {"LabelC2", "X"},
                     {"LabelCZ", "Zero movement amount"},
                     {"LabelAttn", "Attention :X axis is radius command."},
                     {"LabelStartZ", "Y"},
                     {"LabelStartC", "Z"},
                     {"LabelEnd", "End point"},
                     {"LabelEndX", "X"},
                     {"LabelEndZ", "Y"},
                     {"LabelEndC", "Z"}},
          .hidden = {},
          .shown = {"LabelB", "LabelB2", "B", "LabelSZ", "SZ"},
          .toolTips = {},
          .row = 25,
          .prefill = {}};
  PrefillSlant(setup, kept, "ProcessMKeySlant");
  return setup;
}
// clang-format on

}  // namespace quillon
