#pragma once
// The turning-tool commands: each dialog set-up and each block generator, and
// the line pieces they share beyond the common block skeleton. Internal to
// the turning rows; other code reaches them through TurningCommands().
#include <optional>
#include <string>
#include <string_view>

#include "numbers/nc_number.h"
#include "process/nc_block.h"
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

DocumentEdit ProcessRoughOD_Click(ProcessContext& ctx);
DocumentEdit ProcessRoughID_Click(ProcessContext& ctx);
DocumentEdit ProcessRoughFace_Click(ProcessContext& ctx);
DocumentEdit ProcessRoughFaceOD_Click(ProcessContext& ctx);
DocumentEdit ProcessFinishOD_Click(ProcessContext& ctx);
DocumentEdit ProcessFinishID_Click(ProcessContext& ctx);
DocumentEdit ProcessFinishFace_Click(ProcessContext& ctx);
DocumentEdit ProcessFinishFaceOD_Click(ProcessContext& ctx);
DocumentEdit ProcessGrooveOD_Click(ProcessContext& ctx);
DocumentEdit ProcessGrooveID_Click(ProcessContext& ctx);
DocumentEdit ProcessGrooveFace_Click(ProcessContext& ctx);
DocumentEdit ProcessThreadOD_Click(ProcessContext& ctx);
DocumentEdit ProcessThreadID_Click(ProcessContext& ctx);
DocumentEdit ProcessThreadFace_Click(ProcessContext& ctx);
DocumentEdit ProcessDrillHss_Click(ProcessContext& ctx);
DocumentEdit ProcessDrillU_Click(ProcessContext& ctx);
// clang-format on

}  // namespace quillon
