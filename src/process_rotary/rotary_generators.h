#pragma once
// Dialog set-ups and generators of the rotary-tool commands, one family per
// source file; rotary_commands.cpp puts them into the command table.
#include <string>
#include <string_view>

#include "process/process_command.h"

namespace quillon {

// What the slant commands carry over from earlier runs: B and SZ of the last
// accepted dialog, and the zero shift X last confirmed with the same command
// (an empty box the first time).
void PrefillSlant(ProcessDialogSetup& setup, const KeptState& kept, std::string_view command);

// Tap-drill diameters of metric threads, shown as a hint on the drill diameter.
inline constexpr const char* kTapDrillHint = "M3=2.6 M4=3.4 M5=4.3 M6=5.1 M8=6.9 M10=8.7 M12=10.5 M16=14.3";
// Coarse metric pitches, shown as a hint on the tapping feed.
inline constexpr const char* kCoarsePitchHint =
    "M2=0.4 M2.5=0.45 M3=0.5 M4=0.7 M5=0.8 M6=1 M8=1.25 M10=1.5 M12=1.75 M16=2 M20=2.5 M24=3";

ProcessDialogSetup SetupMDrillFace(const KeptState& kept);
ProcessDialogSetup SetupMDrillSide(const KeptState& kept);
ProcessDialogSetup SetupMDrillSlant(const KeptState& kept);
DocumentEdit GenerateMDrillFace(ProcessContext& ctx);
DocumentEdit GenerateMDrillSide(ProcessContext& ctx);
DocumentEdit GenerateMDrillSlant(ProcessContext& ctx);

ProcessDialogSetup SetupMTapFace(const KeptState& kept);
ProcessDialogSetup SetupMTapSide(const KeptState& kept);
ProcessDialogSetup SetupMTapSlant(const KeptState& kept);
ProcessDialogSetup SetupMPlanetTapSlant(const KeptState& kept);
DocumentEdit GenerateMTapFace(ProcessContext& ctx);
DocumentEdit GenerateMTapSide(ProcessContext& ctx);
DocumentEdit GenerateMTapSlant(ProcessContext& ctx);
DocumentEdit GenerateMPlanetTapSlant(ProcessContext& ctx);

ProcessDialogSetup SetupMKeyFace(const KeptState& kept);
ProcessDialogSetup SetupMKeySide(const KeptState& kept);
ProcessDialogSetup SetupMKeySlant(const KeptState& kept);
DocumentEdit GenerateMKeyFace(ProcessContext& ctx);
DocumentEdit GenerateMKeySide(ProcessContext& ctx);
DocumentEdit GenerateMKeySlant(ProcessContext& ctx);

ProcessDialogSetup SetupMCircleSlant(const KeptState& kept);
ProcessDialogSetup SetupMSouseiFace(const KeptState& kept);
ProcessDialogSetup SetupMSouseiSide(const KeptState& kept);
DocumentEdit GenerateMCircleSlant(ProcessContext& ctx);
DocumentEdit GenerateMSouseiFace(ProcessContext& ctx);
DocumentEdit GenerateMSouseiSide(ProcessContext& ctx);

// The circle command's pieces: one pass around the circle at the current
// depth, and the plunge with its depth steps (a pass after each step above
// the bottom).
void WriteCircleContour(std::string& nc, ProcessContext& ctx);
void WriteCircleDepthSteps(std::string& nc, ProcessContext& ctx);

}  // namespace quillon
