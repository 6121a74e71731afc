#pragma once
// The turning-tool commands: each dialog set-up and each block generator, and
// the line pieces they share beyond the common block skeleton. Internal to
// the turning rows; other code reaches them through TurningCommands().
#include <optional>
#include <string>
#include <string_view>

#include "process/nc_block.h"
#include "process/nc_format.h"
#include "process/process_command.h"

namespace quillon {

// {x} of the block templates. A field passed by name is cut to what was
// written, so later lines computing with it use the written value.
inline std::string Nc(double& x) { return FormatNcNumber(x); }
inline std::string Nc(float& x) { return FormatNcNumber(x); }
inline std::string Nc(double&& x) { return FormatNcNumber(static_cast<double&&>(x)); }

// Gear range and speed word of the tool call: low gear for outside and face
// roughing, high gear for everything else.
inline constexpr std::string_view kLowGear = " M41 S";
inline constexpr std::string_view kHighGear = " M42 S";

// The words after "N000 G00 X.. Z..": tool words, gear and spindle speed,
// spindle direction, coolant.
std::string ToolCallWords(ProcessContext& ctx, std::string_view gear, int copies = 3);

// " G96 S{V}": constant surface speed.
std::string G96Words(ProcessContext& ctx);

// 2·C + 1, computed as the chamfer box is kept: (C + 0.5) × 2 in single
// precision, then widened as its decimal text so a double sum with it does not
// lose a thousandth (40 - 1.6 is 38.4, not 38.399).
double ChamferClearance(float c);
// 2·C in single precision, widened the same way.
double TwiceChamfer(float c);

// A facing cut down to diameter x: to the centre it switches nose-radius
// compensation on and off again, to any other diameter it goes straight.
void AppendFacingCut(std::string& nc, double& x, const std::string& feedWords);

// Tallix: "N000 G21 HP=4 M05 M63 M09"; else "N000     X{HomeX} Z{HomeZ}".
void AppendIndexLine(std::string& nc, ProcessContext& ctx);

// Tallix: move{AppX} and "N000 G21 HP=4 M05 M63 M09"; else move{HomeX} Z{HomeZ}.
void AppendRetractLines(std::string& nc, ProcessContext& ctx, std::string_view move);

// The block goes at the caret; turning commands write nowhere else.
ProcessOutput AtCaret(std::string nc);

// Pre-fill texts of the values kept by "Material Input": empty before that
// dialog was used, except the inside diameter, which then shows "0".
std::string KeptText(const std::optional<double>& value);
std::string KeptInsideDiameterText(const KeptState& kept);

// clang-format off
ProcessDialogSetup ProcessRoughOD_Setup(const KeptState& kept);
ProcessDialogSetup ProcessRoughID_Setup(const KeptState& kept);
ProcessDialogSetup ProcessRoughFace_Setup(const KeptState& kept);
ProcessDialogSetup ProcessRoughFaceOD_Setup(const KeptState& kept);
ProcessDialogSetup ProcessFinishOD_Setup(const KeptState& kept);
ProcessDialogSetup ProcessFinishID_Setup(const KeptState& kept);
ProcessDialogSetup ProcessFinishFace_Setup(const KeptState& kept);
ProcessDialogSetup ProcessFinishFaceOD_Setup(const KeptState& kept);
ProcessDialogSetup ProcessGrooveOD_Setup(const KeptState& kept);
ProcessDialogSetup ProcessGrooveID_Setup(const KeptState& kept);
ProcessDialogSetup ProcessGrooveFace_Setup(const KeptState& kept);
ProcessDialogSetup ProcessThreadOD_Setup(const KeptState& kept);
ProcessDialogSetup ProcessThreadID_Setup(const KeptState& kept);
ProcessDialogSetup ProcessThreadFace_Setup(const KeptState& kept);
ProcessDialogSetup ProcessDrillHss_Setup(const KeptState& kept);
ProcessDialogSetup ProcessDrillU_Setup(const KeptState& kept);

ProcessOutput ProcessRoughOD_Click(ProcessContext& ctx);
ProcessOutput ProcessRoughID_Click(ProcessContext& ctx);
ProcessOutput ProcessRoughFace_Click(ProcessContext& ctx);
ProcessOutput ProcessRoughFaceOD_Click(ProcessContext& ctx);
ProcessOutput ProcessFinishOD_Click(ProcessContext& ctx);
ProcessOutput ProcessFinishID_Click(ProcessContext& ctx);
ProcessOutput ProcessFinishFace_Click(ProcessContext& ctx);
ProcessOutput ProcessFinishFaceOD_Click(ProcessContext& ctx);
ProcessOutput ProcessGrooveOD_Click(ProcessContext& ctx);
ProcessOutput ProcessGrooveID_Click(ProcessContext& ctx);
ProcessOutput ProcessGrooveFace_Click(ProcessContext& ctx);
ProcessOutput ProcessThreadOD_Click(ProcessContext& ctx);
ProcessOutput ProcessThreadID_Click(ProcessContext& ctx);
ProcessOutput ProcessThreadFace_Click(ProcessContext& ctx);
ProcessOutput ProcessDrillHss_Click(ProcessContext& ctx);
ProcessOutput ProcessDrillU_Click(ProcessContext& ctx);
// clang-format on

}  // namespace quillon
