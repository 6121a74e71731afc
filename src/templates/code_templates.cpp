#include "templates/code_templates.h"

#include <algorithm>
#include <array>

namespace quillon {
namespace {

// The M codes lead with a blank so they can be appended to the block being
// written; the G-code skeletons name their address words with empty values.
// The sub-spindle chuck items insert M249/M248 whatever their captions say:
// those are the codes the controller uses.
// clang-format off
constexpr std::array kTemplates = {
    // control                         index  text                                  line end
    CodeTemplate{"mnuGcode",                   13, "G13",                                true },
    CodeTemplate{"mnuGcode",                   14, "G14",                                true },
    CodeTemplate{"GcodeSpindleMain",            0, "G140",                               true },
    CodeTemplate{"GcodeSpindleSubL",            0, "G141",                               true },
    CodeTemplate{"GcodeSpindleSubUp",           0, "G142",                               true },
    CodeTemplate{"GcodeG04",                    0, "G04 F",                              false},
    CodeTemplate{"mnuGcodeComp",                1, " G41",                               false},
    CodeTemplate{"mnuGcodeComp",                2, " G42",                               false},
    CodeTemplate{"mnuGcodeComp",                3, " G40",                               false},
    CodeTemplate{"mnuGcodeComp",                4, " G18",                               false},
    CodeTemplate{"mnuGcodeComp",                5, " G17",                               false},
    CodeTemplate{"mnuGcodeComp",                6, " G19",                               false},
    CodeTemplate{"GcodeHomeG21",                0, "N000 G21 HP=",                       false},
    CodeTemplate{"GcodeHomeG20",                0, "N000 G20 HP=",                       false},
    CodeTemplate{"GcodeG29",                    0, "N000 G29 PW=",                       false},
    CodeTemplate{"GcodeG22",                    0, "N000 G22 W D L PW=",                 true },
    CodeTemplate{"GcodeG28",                    0, "N000 G28",                           true },
    CodeTemplate{"GcodeG32",                    0, "N000 G32 X Z F",                     true },
    CodeTemplate{"GcodeG72",                    0, "N000 G72 X Z H D F",                 true },
    CodeTemplate{"GcodeG31",                    0, "N000 G31 X Z F",                     true },
    CodeTemplate{"GcodeG71",                    0, "N000 G71 X Z H D F",                 true },
    CodeTemplate{"GcodeG34",                    0, "N000 G34 X Z F",                     true },
    CodeTemplate{"GcodeG96",                    0, "G96 S",                              false},
    CodeTemplate{"GcodeG97",                    0, "G97 S",                              false},
    CodeTemplate{"GcodeG110",                   0, "G110 G96 S",                         false},
    CodeTemplate{"GcodeG111",                   0, "G111 G96 S",                         false},
    CodeTemplate{"GcodeG75",                    0, "G75 L",                              false},
    CodeTemplate{"GcodeG76",                    0, "G76 L",                              false},
    CodeTemplate{"mnuGcodeRask",                1, "N000 G85 NAP1 D U W F",              true },
    CodeTemplate{"mnuGcodeRask",                2, "$    G84 XA= DA= FA= XB= DB= FB=",   true },
    CodeTemplate{"mnuGcodeRask",                3, "N000 G87 NAP1 (U W)",                true },
    CodeTemplate{"mnuGcodeRask",                4, "N000 G86 NAP1 D U W F",              true },
    CodeTemplate{"mnuGcodeRask",                5, "N000 G88 NAP1 D H F",                true },
    CodeTemplate{"mnuGcodeRask",                6, "NAP1 G81",                           true },
    CodeTemplate{"mnuGcodeRask",                7, "NAP1 G82",                           true },
    CodeTemplate{"mnuGcodeRask",                8, "NAP1 G83",                           true },
    CodeTemplate{"mnuGcodeRask",                9, "N000 G80",                           true },
    CodeTemplate{"mnuGcodeMap",                 1, "N000 G181 C X Z I K F Q",            true },
    CodeTemplate{"mnuGcodeMap",                 2, "N000 G183 C X Z I K F E Q",          true },
    CodeTemplate{"mnuGcodeMap",                 3, "N000 G178 C X Z I K F Q",            true },
    CodeTemplate{"mnuGcodeMap",                 4, "N000 G179 C X Z I K F Q",            true },
    CodeTemplate{"mnuGcodeMap",                 5, "N000 G184 C X Z I K F Q",            true },
    CodeTemplate{"mnuGcodeMap",                 6, "N000 G190 C X Z I D E F Q",          true },
    CodeTemplate{"mnuGcodeMap",                 7, "N000 G191 C X Z K D E F Q",          true },
    CodeTemplate{"mnuGcodeMap",                 8, "N000 G185 C X Z I K F SA=",          true },
    CodeTemplate{"mnuGcodeMap",                 9, "N000 G186 C X Z I K F SA=",          true },
    CodeTemplate{"mnuGcodeMap",                10, "N000 G187 C X Z I K F SA=",          true },
    CodeTemplate{"mnuGcodeMap",                11, "N000 G188 C X Z I K F SA=",          true },
    CodeTemplate{"mnuGcodeMap",                12, "N000 G189 C X Z I K F E Q",          true },
    CodeTemplate{"mnuGcodeMap",                13, "N000 G182 C X Z I K F Q",            true },
    CodeTemplate{"mnuGcodeMap",                14, "N000 G180",                          true },
    CodeTemplate{"GcodeTailstock",              0, "N000 G152 W",                        false},
    CodeTemplate{"GcodeG77",                    0, "N000 G77 X Z K F",                   true },
    CodeTemplate{"GcodeG78",                    0, "N000 G78 X Z K F",                   true },

    CodeTemplate{"McodeDoorFrontOpen",          0, " M91",                               false},
    CodeTemplate{"McodeDoorFrontClose",         0, " M90",                               false},
    CodeTemplate{"McodeDoorCeilingOpen",        0, " M291",                              false},
    CodeTemplate{"McodeDoorCeilingClose",       0, " M290",                              false},
    CodeTemplate{"McodeCoolantStanderdOn",      0, " M08",                               false},
    CodeTemplate{"McodeCoolantStanderdOff",     0, " M09",                               false},
    CodeTemplate{"McodeCoolantHipressOn",       0, " M145",                              false},
    CodeTemplate{"McodeCoolantHipressOff",      0, " M144",                              false},
    CodeTemplate{"McodeCoolantHipress2On",      0, " M175",                              false},
    CodeTemplate{"McodeCoolantHipress2Off",     0, " M174",                              false},
    CodeTemplate{"McodeAirblowChuckOn",         0, " M89",                               false},
    CodeTemplate{"McodeAirblowChuckOff",        0, " M88",                               false},
    CodeTemplate{"McodeAirblowWorksensorOn",    0, " M155",                              false},
    CodeTemplate{"McodeAirblowWorksensorOff",   0, " M154",                              false},
    CodeTemplate{"McodeAirblowTouchsensorOn",   0, " M127",                              false},
    CodeTemplate{"McodeAirblowTouchsensorOff",  0, " M126",                              false},
    CodeTemplate{"McodeAirblowAdditionalOn",    0, " M51",                               false},
    CodeTemplate{"McodeAirblowAdditionalOff",   0, " M50",                               false},
    CodeTemplate{"McodeChuckMainClose",         0, " M83",                               false},
    CodeTemplate{"McodeChuckMainOpen",          0, " M84",                               false},
    CodeTemplate{"McodeChuckSubClose",          0, " M249",                              false},
    CodeTemplate{"McodeChuckSubOpen",           0, " M248",                              false},
    CodeTemplate{"McodeChuckInterlockMainOn",   0, " M185",                              false},
    CodeTemplate{"McodeChuckInterlockMainOff",  0, " M184",                              false},
    CodeTemplate{"McodeChuckInterlockSubOn",    0, " M247",                              false},
    CodeTemplate{"McodeChuckInterlockSubOff",   0, " M246",                              false},
    CodeTemplate{"McodeChuckPressureHigh",      0, " M59",                               false},
    CodeTemplate{"McodeChuckPressureLow",       0, " M58",                               false},
    CodeTemplate{"McodeChuckBarrierOn",         0, " M25",                               false},
    CodeTemplate{"McodeChuckBarrierOff",        0, " M24",                               false},
    CodeTemplate{"McodeChuckMissOn",            0, " M133",                              false},
    CodeTemplate{"McodeChuckMissOff",           0, " M132",                              false},
    CodeTemplate{"McodeChuckMissAirOn",         0, " M131",                              false},
    CodeTemplate{"McodeChuckMissAirOff",        0, " M130",                              false},
    CodeTemplate{"McodeTailstockAddvance",      0, " M56",                               false},
    CodeTemplate{"McodeTailstockRetract",       0, " M55",                               false},
    CodeTemplate{"McodeTailstockInterlockOn",   0, " M157",                              false},
    CodeTemplate{"McodeTailstockInterlockOff",  0, " M156",                              false},
    CodeTemplate{"McodeSpindleM03",             0, " M03 M63",                           false},
    CodeTemplate{"McodeSpindleM04",             0, " M04 M63",                           false},
    CodeTemplate{"McodeSpindleM05",             0, " M05 M63",                           false},
    CodeTemplate{"McodeSpindleM19",             0, " M19 M63",                           false},
    CodeTemplate{"McodeCaxisJointM110",         0, " M110",                              false},
    CodeTemplate{"McodeCaxisJointM109",         0, " M109",                              false},
    CodeTemplate{"McodeCaxisBrakeM147",         0, " M147",                              false},
    CodeTemplate{"McodeCaxisBrakeM146",         0, " M146",                              false},
    CodeTemplate{"McodeCaxisPositioningM15",    0, " M15",                               false},
    CodeTemplate{"McodeCaxisPositioningM16",    0, " M16",                               false},
    CodeTemplate{"McodeCaxisInterlockM153",     0, " M153",                              false},
    CodeTemplate{"McodeCaxisInterlockM152",     0, " M152",                              false},
    CodeTemplate{"McodeMspindleM13",            0, " M13 M63",                           false},
    CodeTemplate{"McodeMspindleM14",            0, " M14 M63",                           false},
    CodeTemplate{"McodeMspindleM12",            0, " M12 M63",                           false},
    CodeTemplate{"McodeMspindleM229",           0, " M229 M63",                          false},
};
// clang-format on

}  // namespace

std::span<const CodeTemplate> CodeTemplateTable() { return kTemplates; }

std::optional<DocumentEdit> CodeTemplateEdit(std::string_view control, int index) {
  auto it = std::find_if(kTemplates.begin(), kTemplates.end(),
                         [&](const CodeTemplate& t) { return t.control == control && t.index == index; });
  if (it == kTemplates.end()) return std::nullopt;
  std::string text(it->text);
  if (it->lineEnd) text += '\n';
  return InsertAtSelection(std::move(text));
}

}  // namespace quillon
