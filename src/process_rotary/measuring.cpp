#include "process_rotary/measuring.h"

#include "numbers/nc_number.h"
#include "process/nc_block.h"
#include "process_rotary/rotary_frame.h"

namespace quillon {

namespace {

struct MeasurementNames {
  const char* subprogram;
  const char* kind;
};

// clang-format off
// Indexed by Measurement: subprogram  title/comment word
constexpr MeasurementNames kMeasurementNames[] = {
  {"OME12", "ID.MEASURE"},  // InD
  {"OME11", "ID.MEASURE"},  // InR
  {"OME02", "OD.MEASURE"},  // OutD
  {"OME01", "OD.MEASURE"},  // OutR
};
// clang-format on

// The sensor is called as a lathe tool: T or TL= with two copies of the
// number, also with tool groups (which change only the result word).
std::string SensorCall(ProcessContext& ctx) {
  std::string line = "N000 G00 X" + FormatNcNumber(ctx.machine.AppX);
  line += " Z" + FormatNcNumber(ctx.machine.AppZ);
  line += ctx.machine.Tallix ? " TL=" : " T";
  line += ToolNumberDigits(ctx);
  return line + ToolNumberDigits(ctx);
}

// Which offset the measured deviation corrects: tool offset V, or with tool
// groups the group numbered V.
std::string ResultWord(ProcessContext& ctx) {
  if (ctx.machine.TG) return " ATG=" + FormatTwoDigit(ctx.input.V) + " AOG=1";
  return " TOFN=" + FormatTwoDigit(ctx.input.V);
}

// "MSP=.. APP=3 APPS=2 IMP=1 DOK=.. DNG=.." and the result word.
std::string MeasuringWords(ProcessContext& ctx) {
  ProcessInput& in = ctx.input;
  std::string words = "MSP=" + FormatNcNumber(in.EndX);
  words += " APP=3 APPS=2 IMP=1";
  words += " DOK=" + FormatNcNumber(in.U);
  words += " DNG=" + FormatNcNumber(in.W);
  return words + ResultWord(ctx);
}

// The sensor's tool offsets: TOF1 is the sensor number plus 10, TOF2 the sensor number.
std::string SensorOffsets(ProcessContext& ctx) {
  std::string words = " TOF1=" + FormatTwoDigit(ctx.input.ToolNumber + 10);
  return words + " TOF2=" + FormatTwoDigit(ctx.input.ToolNumber);
}

void WriteMeasuringLines(std::string& nc, ProcessContext& ctx, Measurement which) {
  ProcessInput& in = ctx.input;
  MachineParameters& m = ctx.machine;
  std::string line;
  switch (which) {
    case Measurement::InD:
      line = SequenceName(ctx) + " CALL ODIAA ZP1=" + FormatNcNumber(m.AppZ);
      line += " ZP2=" + FormatNcNumber(in.EndZ);
      Line(nc, line + SensorOffsets(ctx));
      Line(nc, "$         " + MeasuringWords(ctx));
      Line(nc, "N000 G00 X" + FormatNcNumber(m.AppX));
      break;
    case Measurement::OutD:
      line = SequenceName(ctx) + " CALL ODOAA XP1=" + FormatNcNumber(in.StartX);
      line += " ZP1=" + FormatNcNumber(in.StartZ);
      line += " ZP2=" + FormatNcNumber(in.EndZ);
      Line(nc, line + SensorOffsets(ctx));
      Line(nc, "$         " + MeasuringWords(ctx));
      break;
    case Measurement::InR:
      Line(nc, SequenceName(ctx) + "     X" + FormatNcNumber(in.EndX - 10));
      Line(nc, "N000     Z" + FormatNcNumber(in.EndZ));
      Line(nc, "N000 CALL OWMXA " + MeasuringWords(ctx));
      Line(nc, "N000 G00 Z" + FormatNcNumber(m.AppZ));
      Line(nc, "N000     X" + FormatNcNumber(m.AppX));
      break;
    case Measurement::OutR:
      Line(nc, SequenceName(ctx) + "     Z" + FormatNcNumber(in.EndZ));
      Line(nc, "N000 CALL OWMXA " + MeasuringWords(ctx));
      Line(nc, "N000 G00 X" + FormatNcNumber(m.AppX));
      break;
  }
}

// Multi-tasking machines send the turret home with G21; others go to the
// index position.
void WriteSensorReturn(std::string& nc, ProcessContext& ctx) {
  if (ctx.machine.Tallix) {
    Line(nc, "N000 G21 HP=4");
    return;
  }
  std::string line = "N000     X" + FormatNcNumber(ctx.machine.HomeX);
  Line(nc, line + " Z" + FormatNcNumber(ctx.machine.HomeZ));
}

// The approach shared by the zero offsets: sensor call, start Z, start X.
void WriteZeroOffsetApproach(std::string& nc, ProcessContext& ctx) {
  Line(nc, SensorCall(ctx));
  Line(nc, SequenceName(ctx) + "     Z" + FormatNcNumber(ctx.input.StartZ));
  Line(nc, "N000     X" + FormatNcNumber(ctx.input.StartX));
}

void WriteZeroOffsetLeave(std::string& nc, ProcessContext& ctx) {
  Line(nc, "N000 G00 Z" + FormatNcNumber(ctx.input.StartZ));
  Line(nc, "N000     X" + FormatNcNumber(ctx.machine.AppX));
  WriteSensorReturn(nc, ctx);
}

}  // namespace

DocumentEdit GenerateMeasurement(ProcessContext& ctx, Measurement which) {
  const MeasurementNames& names = kMeasurementNames[static_cast<int>(which)];
  ProcessInput& in = ctx.input;
  const std::string target = FormatNcNumber(in.EndX);
  const std::string call = "N000 CALL " + std::string(names.subprogram) + " (" + names.kind + " D" + target + ")";

  std::string sub;
  TabLine(sub);
  Line(sub, "----------< " + std::string(names.kind) + " D" + FormatNcNumber(in.EndX) + " >----------");
  Line(sub, names.subprogram);
  Line(sub, "N000 IF[VDIN[32]EQ 0]NRTS");
  WriteRotaryToolSelectL(sub, ctx);
  Line(sub, SensorCall(ctx));
  WriteMeasuringLines(sub, ctx, which);
  WriteSensorReturn(sub, ctx);
  Line(sub, "NRTS RTS");

  // The call goes after the caret, so the caret stays where it was; the call
  // line has no line end of its own.
  return InsertAtSelection(call, 0, sub);
}

DocumentEdit GenerateMeasuerOutside(ProcessContext&) { return InsertAtSelection("N000 CALL OXMS\n"); }

DocumentEdit GenerateMeasuerZeroCaxis(ProcessContext& ctx) {
  ProcessInput& in = ctx.input;
  std::string nc;
  Line(nc, HeaderLine("C-AXIS ZERO OFFSET"));
  WriteRotaryToolSelectL(nc, ctx);
  Line(nc, "N000 G94 M110 M15");
  WriteZeroOffsetApproach(nc, ctx);
  std::string line = "N000 CALL OCPFI MSP=" + FormatNcNumber(in.EndZ);
  line += " APP=" + FormatNcNumber(in.V);
  line += " CFW=" + FormatNcNumber(in.F);
  Line(nc, line + " COF=" + FormatNcNumber(in.EndC));
  line = "N000 CALL OZOFD COF=" + FormatNcNumber(in.EndC);
  line += " CMW=" + FormatNcNumber(in.W);
  if (in.C > 0) line += " APPS=" + FormatNcNumber(in.C);
  Line(nc, line);
  WriteZeroOffsetLeave(nc, ctx);
  Line(nc, "N000 G95 M109");
  TabLine(nc);
  return InsertAtSelection(nc);
}

DocumentEdit GenerateMeasuerZeroZaxis(ProcessContext& ctx) {
  ProcessInput& in = ctx.input;
  std::string nc;
  Line(nc, HeaderLine("Z-AXIS ZERO OFFSET"));
  WriteRotaryToolSelectL(nc, ctx);
  WriteZeroOffsetApproach(nc, ctx);
  std::string line = "N000 CALL OZOFA MSP=" + FormatNcNumber(in.EndZ);
  line += " APP=" + FormatNcNumber(in.D);
  if (in.C > 0) line += " APPS=" + FormatNcNumber(in.C);
  line += " IMP=" + FormatNcNumber(in.L);
  if (in.U > 0) line += " DOK=" + FormatNcNumber(in.U);
  if (in.W > 0) line += " DNG=" + FormatNcNumber(in.W);
  Line(nc, line);
  WriteZeroOffsetLeave(nc, ctx);
  TabLine(nc);
  return InsertAtSelection(nc);
}

}  // namespace quillon
