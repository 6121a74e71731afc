// Key ways milled with the controller's key-way cycle G190 on the face, the
// side and in an inclined plane.
#include "numbers/nc_number.h"
#include "process/nc_block.h"
#include "process_rotary/rotary_frame.h"
#include "process_rotary/rotary_generators.h"

namespace quillon {

namespace {

constexpr int kEndMillFaceKind = 36;
constexpr int kEndMillSideKind = 35;

}  // namespace

namespace {

// The face and side key ways differ only in the axis they feed along: the
// words below; everything else of the block is shared.
struct KeyWaySide {
  const char* title;
  int toolKind;
  bool side;  // along X on the side, along Z on the face
};

DocumentEdit GenerateKeyWay(ProcessContext& ctx, const KeyWaySide& k) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = k.title + FormatNcNumber(in.U);
  const double length = k.side ? (in.StartX - in.EndX) / 2 + 20 : in.StartZ - in.EndZ + 20;
  frame.toolData = RotaryToolData{k.toolKind, std::nullopt, length};
  if (k.side) frame.bAxis = BAxisWord::Side;
  frame.spindleStart = SpindleStart::Positioned;
  frame.positioning = [side = k.side](ProcessContext& c) {
    return side ? "N000     Z" + FormatNcNumber(c.input.StartZ) : "N000     X" + FormatNcNumber(c.input.StartX);
  };
  frame.cycleEnd = k.side ? CycleEnd::RetractX : CycleEnd::RetractZ;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [side = k.side](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    std::string line = "N000 G190 C" + FormatNcNumber(i.StartC);
    line += " X" + FormatNcNumber(i.EndX);
    line += " Z" + FormatNcNumber(i.EndZ);
    // The approach clearance from the approach point: 4 on the diameter, 2 in Z.
    line += side ? " I" + FormatNcNumber(c.machine.AppX - i.StartX - 4)
                 : " K" + FormatNcNumber(c.machine.AppZ - i.StartZ - 2);
    if (i.L > 0) line += (side ? " U" : " W") + FormatNcNumber(i.L);
    line += " E" + FormatNcNumber(i.W);
    line += " F=SB*" + FormatNcNumber(i.F);
    if (i.C > 0) line += " Q" + FormatNcNumber(i.C);
    Line(nc, line + " M211 M213");
  }));
}

}  // namespace

DocumentEdit GenerateMKeyFace(ProcessContext& ctx) {
  return GenerateKeyWay(ctx, {"FACE KEY W", kEndMillFaceKind, false});
}

DocumentEdit GenerateMKeySide(ProcessContext& ctx) {
  return GenerateKeyWay(ctx, {"SIDE KEY W", kEndMillSideKind, true});
}

DocumentEdit GenerateMKeySlant(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = "SLANT KEY W" + FormatNcNumber(in.U);
  // No tool-data lines here whatever ToolFrom says.
  frame.bAxis = BAxisWord::Slant;
  frame.approachC = [](ProcessContext&) { return std::string(" C0"); };
  frame.plane = InclinedPlane::Cycle;
  frame.cycleEnd = CycleEnd::RetractZ;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
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
          .prefill = {}};
  PrefillSlant(setup, kept, "ProcessMKeySlant");
  return setup;
}
// clang-format on

}  // namespace quillon
