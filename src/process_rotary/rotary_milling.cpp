// End-mill work: a circle milled in depth steps in an inclined plane, and the
// plunge-then-C-axis cut on the face and the side.
#include "numbers/nc_number.h"
#include "numbers/process_error.h"
#include "process/nc_block.h"
#include "process_rotary/rotary_frame.h"
#include "process_rotary/rotary_generators.h"

namespace quillon {

namespace {

constexpr int kEndMillFaceKind = 36;
constexpr int kEndMillSideKind = 35;

// A step far smaller than the depth would write pass after pass until the
// text no longer fits in memory; past this many passes the command fails
// with error 14 (out of string space) and writes nothing.
constexpr int kMaxCirclePasses = 10000;

}  // namespace

// One pass at the current depth around centre (StartX, StartZ), radius EndX,
// as two half circles starting and ending on the +X side. A finish stock L
// first takes a roughing circle that far inside. Cutter compensation is on
// only away from the centre.
void WriteCircleContour(std::string& nc, ProcessContext& ctx) {
  ProcessInput& in = ctx.input;
  double xc = in.StartX;
  // The radius word cuts the box itself, so every later pass draws the
  // radius that was written.
  double& r = in.EndX;
  double s = in.L;
  std::string line;
  if (s > 0) {
    Line(nc, "N000     X" + FormatNcNumber(xc + r - s) + " G41");
    line = "N000 G03 X" + FormatNcNumber(xc - r + s);
    line += " Y" + FormatNcNumber(in.StartZ);
    line += " L" + FormatNcNumber(r - s);
    Line(nc, line);
    line = "N000     X" + FormatNcNumber(xc + r - s);
    line += " Y" + FormatNcNumber(in.StartZ);
    line += " L" + FormatNcNumber(r - s);
    Line(nc, line);
    Line(nc, "N000 G01 X" + FormatNcNumber(xc + r));
  } else {
    Line(nc, "N000     X" + FormatNcNumber(xc + r) + " G41");
  }
  line = "N000 G03 X" + FormatNcNumber(xc - r);
  line += " Y" + FormatNcNumber(in.StartZ);
  line += " L" + FormatNcNumber(r);
  Line(nc, line);
  line = "N000     X" + FormatNcNumber(xc + r);
  line += " Y" + FormatNcNumber(in.StartZ);
  line += " L" + FormatNcNumber(r);
  Line(nc, line);
  Line(nc, "N000 G01 X" + FormatNcNumber(in.StartX) + " G40");
}

// Steps down by D from the top StartC, a pass at every depth above the
// bottom EndC, then goes to the bottom for the last pass (written by the
// caller). Without a step the plunge goes straight to the bottom.
void WriteCircleDepthSteps(std::string& nc, ProcessContext& ctx) {
  ProcessInput& in = ctx.input;
  if (in.D <= 0) {
    std::string line = "N000 G01 Z" + FormatNcNumber(in.EndC);
    Line(nc, line + " F=SB*" + FormatNcNumber(in.F));
    return;
  }
  std::string line = "N000 G01 Z" + FormatNcNumber(in.StartC);
  Line(nc, line + " F=SB*" + FormatNcNumber(in.F));
  // Top and bottom are single-precision boxes: step from and stop at the
  // decimals they hold, or a bottom of -0.3 is passed by -0.30000001.
  double z = WidenSingle(in.StartC);
  const double bottom = WidenSingle(in.EndC);
  int passes = 0;
  for (;;) {
    double next = z - in.D;
    if (next <= bottom) break;
    // The next step starts from the written (cut) depth. A step below the
    // written resolution would write the same depth again and again.
    const std::string depth = FormatNcNumber(next);
    if (next >= z) break;
    if (++passes > kMaxCirclePasses) throw ProcessError(kErrOutOfStringSpace);
    z = next;
    Line(nc, "N000     Z" + depth);
    WriteCircleContour(nc, ctx);
  }
  Line(nc, "N000     Z" + FormatNcNumber(in.EndC));
}

DocumentEdit GenerateMCircleSlant(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  // The header names the circle's diameter.
  frame.title = "SLANT CIRCLE D" + FormatNcNumber(2 * in.EndX);
  frame.toolData = RotaryToolData{kEndMillFaceKind, std::nullopt, WidenSingle(in.StartC - in.EndC + 20.0f)};
  frame.bAxis = BAxisWord::Slant;
  frame.approachC = [](ProcessContext& c) { return " C" + FormatNcNumber(c.input.W); };
  frame.plane = InclinedPlane::Milling;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    Line(nc, "N000     Z" + FormatNcNumber(c.input.StartC + 2.0f) + " M147");
    WriteCircleDepthSteps(nc, c);
    WriteCircleContour(nc, c);
    Line(nc, "N000 G00 Z" + FormatNcNumber(c.machine.AppZ));
  }));
}

DocumentEdit GenerateMSouseiFace(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = "FACE ENDMILL D" + FormatNcNumber(in.U);
  frame.toolData = RotaryToolData{kEndMillFaceKind, std::nullopt, in.StartZ - in.EndZ + 20};
  frame.approachC = [](ProcessContext& c) { return " C" + FormatNcNumber(c.input.StartC); };
  frame.spindleStart = SpindleStart::Positioned;
  frame.positioning = [](ProcessContext& c) { return "N000     X" + FormatNcNumber(c.input.StartX); };
  frame.approachXOnTallix = true;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    Line(nc, "N000     Z" + FormatNcNumber(i.StartZ + 2));
    std::string line = "N000 G01 Z" + FormatNcNumber(i.EndZ);
    Line(nc, line + " M147 F=SB*" + FormatNcNumber(i.F));
    // G101: interpolation along the C axis at the plunged position.
    line = "N000 G101 C" + FormatNcNumber(i.EndC);
    line += " X" + FormatNcNumber(i.EndX);
    Line(nc, line + " M146");
    Line(nc, "N000 G00 Z" + FormatNcNumber(c.machine.AppZ));
  }));
}

DocumentEdit GenerateMSouseiSide(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = "SIDE ENDMILL D" + FormatNcNumber(in.U);
  frame.toolData = RotaryToolData{kEndMillSideKind, std::nullopt, (in.StartX - in.EndX) / 2 + 20};
  frame.bAxis = BAxisWord::Side;
  frame.approachC = [](ProcessContext& c) { return " C" + FormatNcNumber(c.input.StartC); };
  frame.spindleStart = SpindleStart::Positioned;
  frame.positioning = [](ProcessContext& c) { return "N000     Z" + FormatNcNumber(c.input.StartZ); };
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    Line(nc, "N000     X" + FormatNcNumber(i.StartX + 4));
    std::string line = "N000 G01 X" + FormatNcNumber(i.EndX);
    Line(nc, line + " M147 F=SB*" + FormatNcNumber(i.F));
    line = "N000 G101 C" + FormatNcNumber(i.EndC);
    line += " Z" + FormatNcNumber(i.EndZ);
    Line(nc, line + " M146");
    Line(nc, "N000 G00 X" + FormatNcNumber(c.machine.AppX));
  }));
}

// clang-format off
ProcessDialogSetup SetupMCircleSlant(const KeptState& kept) {
  ProcessDialogSetup setup{
          .caption = "Endmill circle Slant ",
          .labels = {{"LabelU", " end ﾐﾙ diameter "},         {"LabelU2", "D"},
                     {"LabelW", " master  angle "},           {"LabelW2", "C"},
                     {"LabelC", " zero  movement  amount "},  {"LabelC2", "X"},
                     {"LabelCZ", " zero  movement  amount "},
                     {"LabelAttn", " attention :X axis は radius  command "},
                     {"LabelD", " cutting  amount "},         {"LabelD2", "t"},
                     {"LabelL", " Finish 代"},                {"LabelL2", "U"},
                     {"LabelStartZ", "Y"},
                     {"LabelStartC", "Z"},
                     {"LabelEnd", " radius "},
                     {"LabelEndX", "R"},
                     {"LabelEndZ", ""},
                     {"LabelEndC", "Z"}},
          .hidden = {"EndZ"},
          .shown = {"LabelB", "LabelB2", "B", "LabelSZ", "SZ", "EndZ2"},
          .toolTips = {},
          .prefill = {}};
  PrefillSlant(setup, kept, "ProcessMCircleSlant");
  return setup;
}

ProcessDialogSetup SetupMSouseiFace(const KeptState&) {
  return {.caption = "M cutting  Face ",
          .labels = {{"LabelU", " end ﾐﾙ diameter "}, {"LabelU2", "D"},
                     {"LabelC", ""},                  {"LabelC2", ""},
                     {"LabelD", ""},                  {"LabelD2", ""},
                     {"LabelW", ""},                  {"LabelW2", ""},
                     {"LabelL", ""},                  {"LabelL2", ""}},
          .hidden = {"C", "D", "W", "L"},
          .shown = {},
          .toolTips = {},
          .prefill = {}};
}

ProcessDialogSetup SetupMSouseiSide(const KeptState&) {
  return {.caption = "M cutting  Side ",
          .labels = {{"LabelU", "Endmill diameter "}, {"LabelU2", "D"},
                     {"LabelC", ""},                  {"LabelC2", ""},
                     {"LabelD", ""},                  {"LabelD2", ""},
                     {"LabelW", ""},                  {"LabelW2", ""},
                     {"LabelL", ""},                  {"LabelL2", ""}},
          .hidden = {"C", "D", "W", "L"},
          .shown = {},
          .toolTips = {},
          .prefill = {}};
}
// clang-format on

}  // namespace quillon
