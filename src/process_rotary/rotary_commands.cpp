#include "process/nc_format.h"
#include "process/process_command.h"
#include "process_rotary/rotary_generators.h"

namespace quillon {

namespace {

// The circle and planet-tap menu items for the face and the side are never
// enabled, so they have no row.
// clang-format off
constexpr ProcessCommand kRotaryCommands[] = {
  // name                      dialog                  set-up                 generator
  {"ProcessMDrillFace",        CommandDialog::Process, SetupMDrillFace,       GenerateMDrillFace},
  {"ProcessMDrillSide",        CommandDialog::Process, SetupMDrillSide,       GenerateMDrillSide},
  {"ProcessMDrillSlant",       CommandDialog::Process, SetupMDrillSlant,      GenerateMDrillSlant},
  {"ProcessMTapFace",          CommandDialog::Process, SetupMTapFace,         GenerateMTapFace},
  {"ProcessMTapSide",          CommandDialog::Process, SetupMTapSide,         GenerateMTapSide},
  {"ProcessMTapSlant",         CommandDialog::Process, SetupMTapSlant,        GenerateMTapSlant},
  {"ProcessMPlanetTapSlant",   CommandDialog::Process, SetupMPlanetTapSlant,  GenerateMPlanetTapSlant},
  {"ProcessMKeyFace",          CommandDialog::Process, SetupMKeyFace,         GenerateMKeyFace},
  {"ProcessMKeySide",          CommandDialog::Process, SetupMKeySide,         GenerateMKeySide},
  {"ProcessMKeySlant",         CommandDialog::Process, SetupMKeySlant,        GenerateMKeySlant},
  {"ProcessMCircleSlant",      CommandDialog::Process, SetupMCircleSlant,     GenerateMCircleSlant},
  {"ProcessMSouseiFace",       CommandDialog::Process, SetupMSouseiFace,      GenerateMSouseiFace},
  {"ProcessMSouseiSide",       CommandDialog::Process, SetupMSouseiSide,      GenerateMSouseiSide},
};
// clang-format on

}  // namespace

void PrefillSlant(ProcessDialogSetup& setup, const KeptState& kept, std::string_view command) {
  setup.prefill.emplace_back("B", ShortestNumberText(kept.LastInput.B));
  setup.prefill.emplace_back("SZ", ShortestNumberText(kept.LastInput.SZ));
  const auto shift = kept.ZeroShiftX.find(std::string(command));
  setup.prefill.emplace_back("C", shift == kept.ZeroShiftX.end() ? std::string() : ShortestNumberText(shift->second));
}

std::span<const ProcessCommand> RotaryCommands() { return kRotaryCommands; }

}  // namespace quillon
