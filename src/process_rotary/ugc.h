#pragma once
// "Material Input": the program frame for the controller's graphic check
// (head, OUGC call, end) and the OUGC subprogram describing blank, jaws and
// tailstock centre.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/machine_parameters.h"
#include "process/process_command.h"

namespace quillon {

// The numbers the dialog's boxes stand for, read the way OK reads them.
struct UgcValues {
  double PZero = 0;
  double Length = 0;
  double CenterLength = 0;
  double JawLength = 0;
  double MaterialOD = 0;
  double CenterD = 0;
  double JawFace = 0;
  double MaterialID = 0;
  double CenterHoleD = 0;
};

// The nine boxes of frmUGC: what each stands for, in the dialog's tab order
// (down each column of its three-by-three grid).
struct UgcBox {
  int index;                               // the control is TextN
  std::string_view name;                   // what it stands for (quillon-nc generate --set NAME=)
  std::string_view caption;                // its label in the dialog and the drawing
  std::string UgcDialogValues::*text;      // where the dialog's contents keep it
  double UgcValues::*value;                // what OK reads it into
  bool wholeNumber;                        // OK keeps the whole-number part (toward zero)
  std::optional<double> KeptState::*kept;  // left for later commands; nullptr: not kept
  bool centre;                             // describes the tailstock centre
  int row, column;                         // its place in the grid
};
std::span<const UgcBox> UgcBoxes();
const UgcBox* FindUgcBox(int index);

UgcValues ReadUgcValues(const UgcDialogValues& dialog);
// The dialog's boxes as the kept values fill them when it opens (empty for a
// value not kept yet).
UgcDialogValues KeptUgcValues(const KeptState& kept);

// The OUGC subprogram (starts with a tab line). Numbers written are cut to
// three decimals in values, as every NC word does to its variable.
std::string BuildOugcText(UgcValues& values, const UgcDialogValues& dialog);

// The head up to and including the tab line after the OUGC call: where the
// user's turret-A machining goes.
std::string BuildUgcHead(const MachineParameters& machine);
// The B-turret head (empty without a second saddle) and the program end.
std::string BuildUgcTail(const MachineParameters& machine);

// The generator of the command row: reads ctx.ugc, leaves the kept values
// (P-Zero, length, jaw length, jaw face, material OD and ID) in ctx.kept.
DocumentEdit GenerateMaterialInput(ProcessContext& ctx);

// Which boxes of frmUGC take input: the tailstock decides between the
// material inside diameter and the three centre boxes.
struct UgcEnabling {
  bool materialId;     // Text4
  bool centerBoxes;    // the centre boxes (Text8, Text7, Text6)
  bool centerDrawing;  // centre lines and the label "Center"
};
UgcEnabling UgcEnablingFor(bool withTailstock);

// The material file picked in frmUGC: its folder becomes CsvPathName, the
// file CsvFileName (the caller then loads the table again).
void ChooseMaterialFile(MachineParameters& machine, const std::string& path);

}  // namespace quillon
