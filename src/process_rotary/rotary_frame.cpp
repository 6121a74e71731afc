#include "process_rotary/rotary_frame.h"

#include "numbers/nc_number.h"
#include "process/nc_block.h"

namespace quillon {

double RotarySpeed(ProcessContext& ctx) {
  ctx.kept.SpindleSpeed = SpeedFromDiameter(ctx.input.V, ctx.input.U);
  return ctx.kept.SpindleSpeed;
}

namespace {

void WriteToolCall(std::string& nc, ProcessContext& ctx, const RotaryFrame& frame) {
  // M110 engages the C axis before the rotary tool is called.
  std::string line = "N000 " + std::string(frame.feedMode) + " M110" + ToolWords(ctx);
  if (ctx.machine.Tallix) {
    if (frame.bAxis == BAxisWord::Side) line += " G52 BA=90 M66";
    if (frame.bAxis == BAxisWord::Slant) line += " G52 BA=" + FormatNcNumber(ctx.input.B) + " M66";
  }
  Line(nc, line);
}

void WriteApproach(std::string& nc, ProcessContext& ctx, const RotaryFrame& frame) {
  std::string line = SequenceName(ctx) + " G00";
  if (frame.approachC) line += frame.approachC(ctx);
  line += " X" + FormatNcNumber(ctx.machine.AppX);
  line += " Z" + FormatNcNumber(ctx.machine.AppZ);
  line += " SB=" + FormatNcNumber(ctx.kept.SpindleSpeed);
  if (frame.spindleStart == SpindleStart::Tap) {
    Line(nc, line + ctx.input.CoolantCode);
    return;
  }
  // ZentorQ500 takes M63 here; the older controller takes M64 and a later M62.
  const bool q500 = ctx.machine.ZentorQ500;
  Line(nc, line + " M13" + (q500 ? " M63" : " M64") + ctx.input.CoolantCode);
  if (frame.spindleStart == SpindleStart::Positioned)
    Line(nc, frame.positioning(ctx) + (q500 ? "" : " M62"));
  else if (!q500)
    Line(nc, "N000     M62");
}

void WritePlaneSetUp(std::string& nc, ProcessContext& ctx, InclinedPlane plane) {
  if (plane == InclinedPlane::None) return;
  ProcessInput& in = ctx.input;
  Line(nc, "N000 G138");
  Line(nc, "N000 G174 SX=" + FormatNcNumber(in.C) + " SZ=" + FormatNcNumber(in.SZ));
  Line(nc, "N000 G127 B" + FormatNcNumber(in.B));
  std::string move = plane == InclinedPlane::Cycle ? "N000 G00  X" : "N000 G00 X";
  if (plane == InclinedPlane::Milling) Line(nc, "N000 G17");
  move += FormatNcNumber(in.StartX);
  move += " Y" + FormatNcNumber(in.StartZ);
  move += " Z" + FormatNcNumber(ctx.machine.AppZ);
  Line(nc, move);
}

void WriteCycleEnd(std::string& nc, ProcessContext& ctx, CycleEnd end) {
  if (end == CycleEnd::None) return;
  Line(nc, "N000 G180");
  if (end == CycleEnd::RetractZ)
    Line(nc, "N000 G00 Z" + FormatNcNumber(ctx.machine.AppZ));
  else
    Line(nc, "N000 G00 X" + FormatNcNumber(ctx.machine.AppX));
}

void WritePlaneCancel(std::string& nc, InclinedPlane plane) {
  if (plane == InclinedPlane::Cycle) {
    Line(nc, "N000 G175");
    Line(nc, "N000 G126");
    Line(nc, "N000 G136");
  } else if (plane == InclinedPlane::Milling) {
    Line(nc, "N000 G126 M146");
    Line(nc, "N000 G175");
    Line(nc, "N000 G136");
  }
}

void WriteReturn(std::string& nc, ProcessContext& ctx, const RotaryFrame& frame) {
  MachineParameters& m = ctx.machine;
  if (m.Tallix) {
    if (frame.approachXOnTallix) Line(nc, "N000     X" + FormatNcNumber(m.AppX));
    Line(nc, "N000 G21 HP=4 M12 M63 M09");
  } else {
    std::string home = "N000     X" + FormatNcNumber(m.HomeX);
    home += " Z" + FormatNcNumber(m.HomeZ);
    if (!frame.spindleStopAtHome) {
      Line(nc, home);
    } else if (m.ZentorQ500) {
      Line(nc, home + " M12 M63");
    } else {
      Line(nc, home + " M12 M64");
      Line(nc, "N000     M62");
    }
  }
  TabLine(nc);
}

}  // namespace

std::string WriteRotaryBlock(ProcessContext& ctx, const RotaryFrame& frame, const RotaryCycle& cycle) {
  std::string nc;
  Line(nc, HeaderLine(frame.title));
  if (frame.toolData) {
    const RotaryToolData& data = *frame.toolData;
    // A rotary tool is described by its diameter (the U box) and its length.
    const ToolData tool{
        data.kind, data.angle1, {{{"D", 0, [](const ProcessInput& in) { return in.U; }}, {"L", data.length}}}};
    AppendToolDataLines(nc, ctx, tool);
  }
  WriteRotaryToolSelect(nc, ctx);
  WriteToolCall(nc, ctx, frame);
  WriteApproach(nc, ctx, frame);
  WritePlaneSetUp(nc, ctx, frame.plane);
  cycle(nc, ctx);
  WriteCycleEnd(nc, ctx, frame.cycleEnd);
  WritePlaneCancel(nc, frame.plane);
  WriteReturn(nc, ctx, frame);
  return nc;
}

}  // namespace quillon
