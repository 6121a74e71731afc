#pragma once
// The frame every rotary-tool block is written in: header, tool-data lines,
// tool request, tool call, approach with the rotary spindle start, the
// inclined-plane set-up and cancel, the cycle end, the return and the TAB
// line. A generator describes its differences in a RotaryFrame and writes
// only its cutting lines through the cycle callback.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "process/process_command.h"

namespace quillon {

// Which B-axis word the tool call carries on a multi-tasking machine.
enum class BAxisWord {
  None,   // face work: the B axis stays where it is
  Side,   // " G52 BA=90 M66"
  Slant,  // " G52 BA={B} M66"
};

// How the rotary spindle is started on the approach line.
enum class SpindleStart {
  Drill,       // " M13" then " M63"+coolant, or " M64"+coolant and a "N000     M62" line
  Tap,         // rigid tapping synchronises the spindle itself: no M13, M63, M64 or M62
  Positioned,  // as Drill, but the M62 rides on the positioning line that follows
};

// The inclined-plane lines around the cycle.
enum class InclinedPlane {
  None,
  Cycle,    // canned cycles: "G00  X.. Y.. Z.." after G127; cancel G175 G126 G136
  Milling,  // interpolation: G17 before "G00 X.. Y.. Z.."; cancel "G126 M146" G175 G136
};

// What closes a canned cycle: "N000 G180" and the retract.
enum class CycleEnd {
  None,      // the generator retracts itself
  RetractZ,  // "N000 G00 Z{AppZ}"
  RetractX,  // "N000 G00 X{AppX}"
};

struct RotaryToolData {
  int kind;                   // VTLIN / VGRIN
  std::optional<int> angle1;  // VTLA1 (point angle of drills); none for other tools
  double length;              // VTLL / VGRL
};

struct RotaryFrame {
  std::string title;                       // inside "(-----< ... >-----)"
  std::optional<RotaryToolData> toolData;  // written only when ToolFrom is set
  std::string_view feedMode = "G94";       // "G94" feed per minute, "G95" per revolution
  BAxisWord bAxis = BAxisWord::None;
  // " C.." placed between G00 and the X word of the approach; empty for none.
  std::function<std::string(ProcessContext&)> approachC;
  SpindleStart spindleStart = SpindleStart::Drill;
  // The positioning line of SpindleStart::Positioned, without a line end.
  std::function<std::string(ProcessContext&)> positioning;
  InclinedPlane plane = InclinedPlane::None;
  CycleEnd cycleEnd = CycleEnd::None;
  // Return on a multi-tasking machine: face tools first go out to AppX.
  bool approachXOnTallix = false;
  // Return without Tallix: whether the home line stops the rotary spindle
  // (M12); tapping leaves it to the tapping cycle.
  bool spindleStopAtHome = true;
};

using RotaryCycle = std::function<void(std::string& nc, ProcessContext& ctx)>;

// S = floor(1000 * V / 3.14 / U / 10) * 10 whatever V is; U == 0 fails with
// error 11. Kept as the spindle speed the block writes after "SB=".
double RotarySpeed(ProcessContext& ctx);

// The whole block. RotarySpeed must have run first (the title usually
// already cut U while formatting it, so the speed has to come from the value
// as typed).
std::string WriteRotaryBlock(ProcessContext& ctx, const RotaryFrame& frame, const RotaryCycle& cycle);

}  // namespace quillon
