#pragma once
// The pieces every generated block is built from: header, tool-data lines,
// tool-request lines, tool words, sequence name, spindle speed, return lines
// and the closing TAB line. Generators append whole lines ("\n" line ends)
// to a std::string; each helper writes one NC line or one word group.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "process/process_command.h"

namespace quillon {

// Appends line and a line end.
void Line(std::string& nc, std::string_view line);

// "(-----< " title " >-----)"
std::string HeaderLine(std::string_view title);

// A line holding a single TAB closes every block.
void TabLine(std::string& nc);

// One variable of the second tool-data line: the name after "VTL"/"VGR" and
// its value, fixed or computed from the dialog when the line is written.
struct ToolDataWord {
  std::string_view suffix;  // "A2", "D", "W", "L"; empty: no word
  double value = 0;
  double (*computed)(const ProcessInput& in) = nullptr;
};

// What the tool-data lines tell the controller about a tool.
struct ToolData {
  int kind;                           // VTLIN: the controller's tool kind
  std::optional<int> angle1;          // VTLA1: nose or point angle; none: no word
  std::array<ToolDataWord, 4> words;  // the second line, in order
};

// The two tool-data lines written when ToolFrom is set:
//   "NOEX VTLIN[t]=kind VTLFN[t]=1 VTLA1[t]=angle1"  (no VTLA1 word without angle1)
//   "NOEX VTLA2[t]=.. VTLL[t]=.."
// With TG set the family is VGR (per tool group) instead of VTL (per tool).
// Writes nothing when ToolFrom is clear.
void AppendToolDataLines(std::string& nc, ProcessContext& ctx, const ToolData& tool);

// Lathe-tool request on a multi-tasking machine: "N000 MT=501" (or
// "N000 MT=1 TG=5") then "N000 " AtcMacroType. Nothing without Tallix.
void WriteRotaryToolSelectL(std::string& nc, ProcessContext& ctx);
// Rotary-tool request: the kind follows TurretType (1 -> "01"/1, else "03"/3).
void WriteRotaryToolSelect(std::string& nc, ProcessContext& ctx);

// Tool words of the tool call: " T050505" / " TL=050505" (copies of the
// two-digit tool number) or " TG=5 OG=1" with tool groups.
std::string ToolWords(ProcessContext& ctx, int copies = 3);

// "NT05": the sequence name of a tool's block.
std::string SequenceName(ProcessContext& ctx);

// The tool number's two digits in a tool word ("05" for 5.25); a number below
// 0 or above 99 would name another tool (T0-10-10-1) and throws ProcessError
// naming the ToolNumber box.
std::string ToolNumberDigits(ProcessContext& ctx);

// The surface-speed rule of the turning blocks: only when V > 0,
// SpindleSpeed = floor(1000 * V / 3.14 / d / 10) * 10; a zero reference
// diameter then fails with ProcessError 11. V <= 0 keeps the last speed.
void UpdateSpindleSpeed(ProcessContext& ctx, double d);
// The same formula computed whatever V is (drills, rotary tools); d == 0 -> 11.
double SpeedFromDiameter(double v, double d);

// Return lines of the roughing form:
//   Tallix: "N000 G00 X{AppX} G97 S{S} M63", "N000 G21 HP=4 M05 M63 M09"
//   else:   "N000 G00 X{HomeX} Z{HomeZ} G97 S{S} M63"
// With continuation the first words are "N000     X" instead of "N000 G00 X".
void AppendReturnLines(std::string& nc, ProcessContext& ctx, bool continuation = false);

// The opening of every turning block: the header line, the running row's
// tool-data lines and the lathe-tool request. The spindle speed is computed
// before (the title may cut a value the formula reads as typed).
std::string OpenTurningBlock(ProcessContext& ctx, std::string_view title);

// " G97 S{SpindleSpeed}"
std::string G97Words(ProcessContext& ctx);

}  // namespace quillon
