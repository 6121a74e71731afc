#include "numbers/nc_number.h"
#include "process_rotary/command_table.h"
#include "process_rotary/rotary_generators.h"

namespace quillon {

namespace {

// The circle and planet-tap menu items for the face and the side are never
// enabled, so they have no row.
// clang-format off
constexpr ProcessCommand kRotaryCommands[] = {
  // name                      dialog                  row  set-up                 generator
  {"ProcessMDrillFace",        CommandDialog::Process,  17, SetupMDrillFace,       GenerateMDrillFace},
  {"ProcessMDrillSide",        CommandDialog::Process,  18, SetupMDrillSide,       GenerateMDrillSide},
  {"ProcessMDrillSlant",       CommandDialog::Process,  19, SetupMDrillSlant,      GenerateMDrillSlant},
  {"ProcessMTapFace",          CommandDialog::Process,  20, SetupMTapFace,         GenerateMTapFace},
  {"ProcessMTapSide",          CommandDialog::Process,  21, SetupMTapSide,         GenerateMTapSide},
  {"ProcessMTapSlant",         CommandDialog::Process,  22, SetupMTapSlant,        GenerateMTapSlant},
  {"ProcessMPlanetTapSlant",   CommandDialog::Process,  33, SetupMPlanetTapSlant,  GenerateMPlanetTapSlant},
  {"ProcessMKeyFace",          CommandDialog::Process,  23, SetupMKeyFace,         GenerateMKeyFace},
  {"ProcessMKeySide",          CommandDialog::Process,  24, SetupMKeySide,         GenerateMKeySide},
  {"ProcessMKeySlant",         CommandDialog::Process,  25, SetupMKeySlant,        GenerateMKeySlant},
  {"ProcessMCircleSlant",      CommandDialog::Process,  30, SetupMCircleSlant,     GenerateMCircleSlant},
  {"ProcessMSouseiFace",       CommandDialog::Process,  26, SetupMSouseiFace,      GenerateMSouseiFace},
  {"ProcessMSouseiSide",       CommandDialog::Process,  27, SetupMSouseiSide,      GenerateMSouseiSide},
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
