#include "process_rotary/command_table.h"
#include "process_rotary/measuring.h"

namespace quillon {

namespace {

// Every measuring dialog is pre-filled from the sensor's row.
constexpr int kSensorRow = 34;

DocumentEdit GenerateMeasuerInD(ProcessContext& ctx) { return GenerateMeasurement(ctx, Measurement::InD); }
DocumentEdit GenerateMeasuerInR(ProcessContext& ctx) { return GenerateMeasurement(ctx, Measurement::InR); }
DocumentEdit GenerateMeasuerOutD(ProcessContext& ctx) { return GenerateMeasurement(ctx, Measurement::OutD); }
DocumentEdit GenerateMeasuerOutR(ProcessContext& ctx) { return GenerateMeasurement(ctx, Measurement::OutR); }

// clang-format off
// The inside measurements and the outside radius need only the target.
ProcessDialogSetup TargetOnlySetup(std::string caption, std::string sensorLabel, std::string offsetLabel) {
  return {.caption = std::move(caption),
          .labels = {{"Label1", std::move(sensorLabel)},
                     {"LabelV", std::move(offsetLabel)},
                     {"LabelU", "OK"},
                     {"LabelW", "NG"},
                     {"LabelEnd", "Target position "},
                     {"LabelF", ""},      {"LabelF2", ""},
                     {"LabelD", ""},      {"LabelD2", ""},
                     {"LabelL", ""},      {"LabelL2", ""},
                     {"LabelC", ""},      {"LabelC2", ""},
                     {"LabelStart", ""},  {"LabelStartX", ""}, {"LabelStartZ", ""}, {"LabelStartC", ""},
                     {"LabelEndC", ""}},
          .hidden = {"F", "D", "L", "C", "StartX", "StartZ", "StartC", "EndC"},
          .shown = {},
          .toolTips = {},
          .prefill = {}};
}

ProcessDialogSetup SetupMeasuerInD(const KeptState&) {
  return TargetOnlySetup("I.D.diameter measurement ", "Sensor number", "Tool compensation ");
}

ProcessDialogSetup SetupMeasuerInR(const KeptState&) {
  return TargetOnlySetup("I.D.Radius measurement ", "Sensor number ", "Tool compensation ");
}

ProcessDialogSetup SetupMeasuerOutR(const KeptState&) {
  return TargetOnlySetup(" O.D.Radius measurement ", "Sensor number", "Compensation No");
}

// The outside diameter is measured from a start point the user gives.
ProcessDialogSetup SetupMeasuerOutD(const KeptState&) {
  return {.caption = "O.D.Diameter measurement ",
          .labels = {{"Label1", "Sensor number "},
                     {"LabelV", "Tool compensation "},
                     {"LabelU", "OK"},
                     {"LabelW", "NG"},
                     {"LabelEnd", "Target position "},
                     {"LabelF", ""},      {"LabelF2", ""},
                     {"LabelD", ""},      {"LabelD2", ""},
                     {"LabelL", ""},      {"LabelL2", ""},
                     {"LabelC", ""},      {"LabelC2", ""},
                     {"LabelStartC", ""},
                     {"LabelEndC", ""}},
          .hidden = {"F", "D", "L", "C", "StartC", "EndC"},
          .shown = {},
          .toolTips = {},
          .prefill = {}};
}

ProcessDialogSetup SetupMeasuerZeroCaxis(const KeptState&) {
  return {.caption = "C-axis Auto zero offset",
          .labels = {{"Label1", "Sensor number "},
                     {"LabelV", "Applochi distance "},
                     {"LabelF", "Shift angle "},
                     {"LabelW", "Groove angle "},
                     {"LabelD", "Applochi angle"},
                     {"LabelC", "2 times touch"},
                     {"LabelEnd", "Target position "},
                     {"LabelU", ""},      {"LabelU2", ""},
                     {"LabelL", ""},      {"LabelL2", ""},
                     {"LabelStartC", ""},
                     {"LabelEndX", ""}},
          .hidden = {"U", "L", "StartC", "EndX"},
          .shown = {},
          .toolTips = {{"C", " omit  possible "}},
          .prefill = {}};
}

ProcessDialogSetup SetupMeasuerZeroZaxis(const KeptState&) {
  return {.caption = "Z-axis Auto zero offset ",
          .labels = {{"Label1", "Sensor number "},
                     {"LabelU", "OK"},
                     {"LabelW", "NG"},
                     {"LabelD", "App. amount "},
                     {"LabelL", "Over amount "},
                     {"LabelC", "2 times touch"},
                     {"LabelEnd", "Target position "},
                     {"LabelV", ""},      {"Labelv2", ""},
                     {"LabelF", ""},      {"LabelF2", ""},
                     {"LabelStartC", ""},
                     {"LabelEndX", ""},
                     {"LabelEndC", ""}},
          .hidden = {"V", "F", "StartC", "EndX", "EndC"},
          .shown = {},
          .toolTips = {{"U", " omit  possible "}, {"W", " omit  possible "}, {"C", "Omit  possible "}},
          .prefill = {}};
}

constexpr ProcessCommand kMeasuringCommands[] = {
  // name                       dialog                  row        set-up                  generator
  {"ProcessMeasuerInD",         CommandDialog::Process, kSensorRow, SetupMeasuerInD,        GenerateMeasuerInD},
  {"ProcessMeasuerInR",         CommandDialog::Process, kSensorRow, SetupMeasuerInR,        GenerateMeasuerInR},
  {"ProcessMeasuerOutD",        CommandDialog::Process, kSensorRow, SetupMeasuerOutD,       GenerateMeasuerOutD},
  {"ProcessMeasuerOutR",        CommandDialog::Process, kSensorRow, SetupMeasuerOutR,       GenerateMeasuerOutR},
  {"ProcessMeasuerOutside",     CommandDialog::None,    0,          nullptr,                GenerateMeasuerOutside},
  {"ProcessMeasuerZeroCaxis",   CommandDialog::Process, kSensorRow, SetupMeasuerZeroCaxis,  GenerateMeasuerZeroCaxis},
  {"ProcessMeasuerZeroZaxis",   CommandDialog::Process, kSensorRow, SetupMeasuerZeroZaxis,  GenerateMeasuerZeroZaxis},
};
// clang-format on

}  // namespace

std::span<const ProcessCommand> MeasuringCommands() { return kMeasuringCommands; }

}  // namespace quillon
