// Rigid tapping with a driven rotary tool, and thread milling (the planet tap)
// in an inclined plane.
#include "numbers/nc_number.h"
#include "process/nc_block.h"
#include "process_rotary/rotary_frame.h"
#include "process_rotary/rotary_generators.h"

namespace quillon {

namespace {

constexpr int kTapFaceKind = 32;
constexpr int kTapSideKind = 31;

// Rigid tapping synchronises spindle and feed: feed per revolution, the
// spindle started by the cycle, and the home line leaves the spindle alone.
RotaryFrame TapFrame() {
  RotaryFrame frame;
  frame.feedMode = "G95";
  frame.spindleStart = SpindleStart::Tap;
  frame.spindleStopAtHome = false;
  return frame;
}

}  // namespace

DocumentEdit GenerateMTapFace(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame = TapFrame();
  frame.title = "FACE TAP M" + FormatNcNumber(in.U);
  frame.title += "*P" + FormatNcNumber(in.F);
  frame.toolData = RotaryToolData{kTapFaceKind, std::nullopt, in.StartZ - in.EndZ + 20};
  frame.cycleEnd = CycleEnd::RetractZ;
  frame.approachXOnTallix = true;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    std::string line = "N000 G178 C" + FormatNcNumber(i.StartC);
    line += " X" + FormatNcNumber(i.StartX);
    line += " Z" + FormatNcNumber(i.EndZ);
    // The tap starts 5 above the hole so it reaches the synchronised speed.
    line += " K" + FormatNcNumber(c.machine.AppZ - i.StartZ - 5);
    if (i.D > 0) line += " D" + FormatNcNumber(i.D);
    line += " F" + FormatNcNumber(i.F);
    if (i.C > 0) line += " Q" + FormatNcNumber(i.C);
    Line(nc, line);
  }));
}

DocumentEdit GenerateMTapSide(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame = TapFrame();
  frame.title = "SIDE TAP M" + FormatNcNumber(in.U);
  frame.title += "*P" + FormatNcNumber(in.F);
  frame.toolData = RotaryToolData{kTapSideKind, std::nullopt, (in.StartX - in.EndX) / 2 + 20};
  frame.bAxis = BAxisWord::Side;
  frame.cycleEnd = CycleEnd::RetractX;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    std::string line = "N000 G178 C" + FormatNcNumber(i.StartC);
    line += " X" + FormatNcNumber(i.EndX);
    line += " Z" + FormatNcNumber(i.StartZ);
    line += " I" + FormatNcNumber(c.machine.AppX - i.StartX - 10);
    if (i.D > 0) line += " D" + FormatNcNumber(i.D);
    line += " F" + FormatNcNumber(i.F);
    if (i.C > 0) line += " Q" + FormatNcNumber(i.C);
    Line(nc, line + " M136");
  }));
}

DocumentEdit GenerateMTapSlant(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame = TapFrame();
  frame.title = "SLANT TAP M" + FormatNcNumber(in.U);
  frame.toolData = RotaryToolData{kTapFaceKind, std::nullopt, WidenSingle(in.StartC - in.EndC + 20.0f)};
  frame.bAxis = BAxisWord::Slant;
  frame.approachC = [](ProcessContext& c) { return " C" + FormatNcNumber(c.input.EndX); };
  frame.plane = InclinedPlane::Cycle;
  frame.cycleEnd = CycleEnd::RetractZ;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    std::string line = "N000 G178 X" + FormatNcNumber(i.StartX);
    line += " Y" + FormatNcNumber(i.StartZ);
    line += " Z" + FormatNcNumber(i.EndC);
    line += " K" + FormatNcNumber(c.machine.AppZ - WidenSingle(i.StartC) - 2);
    line += " F" + FormatNcNumber(i.F);
    Line(nc, line);
  }));
}

// One helical turn of radius R rising 1.5 pitches from the bottom Zb, entered
// and left on quarter arcs of radius R - P so the cutter compensation can
// switch on and off away from the thread.
DocumentEdit GenerateMPlanetTapSlant(ProcessContext& ctx) {
  RotarySpeed(ctx);
  ProcessInput& in = ctx.input;
  RotaryFrame frame;
  frame.title = "PLANET TAP M" + FormatNcNumber(2 * in.EndX);
  frame.title += " P" + FormatNcNumber(in.D);
  frame.toolData = RotaryToolData{kTapFaceKind, std::nullopt, WidenSingle(in.StartC - in.EndC + 20.0f)};
  frame.bAxis = BAxisWord::Slant;
  frame.approachC = [](ProcessContext& c) { return " C" + FormatNcNumber(c.input.W); };
  frame.plane = InclinedPlane::Milling;
  return InsertAtSelection(WriteRotaryBlock(ctx, frame, [](std::string& nc, ProcessContext& c) {
    ProcessInput& i = c.input;
    Line(nc, "N000     Z" + FormatNcNumber(i.StartC + 2.0f) + " M147");
    // Each word is appended in its own statement: a number written from a
    // variable is cut to what was written, and later words must see that.
    double r = i.EndX;
    double p = i.D;
    double zb = WidenSingle(i.EndC);
    double x = i.StartX;
    double y = i.StartZ;
    std::string line = "N000 G01 Z" + FormatNcNumber(zb);
    line += " F=SB*" + FormatNcNumber(10 * i.F);
    Line(nc, line);
    line = "N000     X" + FormatNcNumber(x - p);
    line += " Y" + FormatNcNumber(y + r - p);
    line += " F=SB*" + FormatNcNumber(i.F);
    Line(nc, line + " G41");
    line = "N000 G03 X" + FormatNcNumber(x - r);
    line += " Y" + FormatNcNumber(y);
    line += " Z" + FormatNcNumber(zb + 0.25 * p);
    line += " L" + FormatNcNumber(r - p);
    Line(nc, line);
    line = "N000     X" + FormatNcNumber(x + r);
    line += " Y" + FormatNcNumber(y);
    line += " Z" + FormatNcNumber(zb + 0.75 * p);
    line += " L" + FormatNcNumber(r);
    Line(nc, line);
    line = "N000     X" + FormatNcNumber(x - r);
    line += " Y" + FormatNcNumber(y);
    line += " Z" + FormatNcNumber(zb + 1.25 * p);
    line += " L" + FormatNcNumber(r);
    Line(nc, line);
    line = "N000     X" + FormatNcNumber(x - p);
    line += " Y" + FormatNcNumber(y - r + p);
    line += " Z" + FormatNcNumber(zb + 1.5 * p);
    line += " L" + FormatNcNumber(r - p);
    Line(nc, line);
    line = "N000 G01 X" + FormatNcNumber(x);
    line += " Y" + FormatNcNumber(y);
    line += " F=SB*" + FormatNcNumber(10 * i.F);
    Line(nc, line + " G40");
    Line(nc, "N000 G00 Z" + FormatNcNumber(c.machine.AppZ));
  }));
}

// clang-format off
ProcessDialogSetup SetupMTapFace(const KeptState&) {
  return {.caption = "M Tap  Face ",
          .labels = {{"LabelU", "Diameter "},      {"LabelU2", "M"},
                     {"LabelW", ""},               {"LabelW2", ""},
                     {"LabelD", " thread  angle "},
                     {"LabelL", ""},               {"LabelL2", ""},
                     {"LabelC", " Tap  number "},  {"LabelC2", "Q"},
                     {"LabelEndX", ""},
                     {"LabelEndC", ""}},
          .hidden = {"W", "L", "EndX", "EndC"},
          .shown = {},
          .toolTips = {{"F", kCoarsePitchHint}},
          .prefill = {{"StartZ", "0"}, {"StartC", "0"}}};
}

ProcessDialogSetup SetupMTapSide(const KeptState&) {
  return {.caption = "M Tap  Side ",
          .labels = {{"LabelU", "Diameter "},      {"LabelU2", "M"},
                     {"LabelW", ""},               {"LabelW2", ""},
                     {"LabelD", " thread  angle "},
                     {"LabelL", ""},               {"LabelL2", ""},
                     {"LabelC", " Tap  number "},  {"LabelC2", "Q"},
                     {"LabelEndZ", ""},
                     {"LabelEndC", ""}},
          .hidden = {"W", "L", "EndZ", "EndC"},
          .shown = {},
          .toolTips = {{"F", kCoarsePitchHint}},
          .prefill = {{"StartC", "0"}}};
}

ProcessDialogSetup SetupMTapSlant(const KeptState& kept) {
  ProcessDialogSetup setup{
          .caption = "M Tap  Slant ",
          .labels = {{"LabelU", "Diameter "},                 {"LabelU2", "M"},
                     {"LabelW", ""},                          {"LabelW2", ""},
                     {"LabelD", ""},                          {"LabelD2", ""},
                     {"LabelL", ""},                          {"LabelL2", ""},
                     {"LabelC", " zero  movement  amount "},  {"LabelC2", "X"},
                     {"LabelCZ", " zero  movement  amount "},
                     {"LabelAttn", " attention :X axis は radius  command です . "},
                     {"LabelStartZ", "Y"},
                     {"LabelStartC", "Z"},
                     {"LabelEnd", " master  angle "},
                     {"LabelEndX", "C"},
                     {"LabelEndZ", ""},
                     {"LabelEndC", "Z"}},
          .hidden = {"W", "D", "L", "EndZ"},
          .shown = {"LabelB", "LabelB2", "B", "LabelSZ", "SZ", "EndZ2"},
          .toolTips = {{"F", kCoarsePitchHint}},
          .prefill = {}};
  PrefillSlant(setup, kept, "ProcessMTapSlant");
  return setup;
}

ProcessDialogSetup SetupMPlanetTapSlant(const KeptState& kept) {
  ProcessDialogSetup setup{
          .caption = "Planet Tap Slant ",
          .labels = {{"LabelU", "Tap diameter "},         {"LabelU2", "D"},
                     {"LabelW", "Master angle "},         {"LabelW2", "C"},
                     {"LabelC", "Zero movement amount"},  {"LabelC2", "X"},
                     {"LabelCZ", "Zero movement amount"},
                     {"LabelAttn", "Attention :X axis is radius."},
                     {"LabelD", "Thread pitch"},          {"LabelD2", "P"},
                     {"LabelL", ""},                      {"LabelL2", ""},
                     {"LabelStartZ", "Y"},
                     {"LabelStartC", "Z"},
                     {"LabelEnd", " radius "},
                     {"LabelEndX", "R"},
                     {"LabelEndZ", ""},
                     {"LabelEndC", "Z"}},
          .hidden = {"L", "EndZ"},
          .shown = {"LabelB", "LabelB2", "B", "LabelSZ", "SZ", "EndZ2"},
          .toolTips = {},
          .prefill = {}};
  PrefillSlant(setup, kept, "ProcessMPlanetTapSlant");
  return setup;
}
// clang-format on

}  // namespace quillon
