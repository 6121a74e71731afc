#pragma once
// "Material Input": the program frame for the controller's graphic check
// (head, OUGC call, end) and the OUGC subprogram describing blank, jaws and
// tailstock centre.
#include <string>

#include "process/machine_parameters.h"
#include "process/process_command.h"

namespace quillon {

// The numbers the dialog's boxes stand for, read the way OK reads them.
struct UgcValues {
  double PZero = 0;         // Text9
  double Length = 0;        // Text3, whole-number part
  double CenterLength = 0;  // Text8
  double JawLength = 0;     // Text1
  double MaterialOD = 0;    // Text5, whole-number part
  double CenterD = 0;       // Text7
  double JawFace = 0;       // Text2
  double MaterialID = 0;    // Text4, whole-number part
  double CenterHoleD = 0;   // Text6
};
UgcValues ReadUgcValues(const UgcDialogValues& dialog);

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
ProcessOutput GenerateMaterialInput(ProcessContext& ctx);

// Which boxes of frmUGC take input: the tailstock decides between the
// material inside diameter and the three centre boxes.
struct UgcEnabling {
  bool materialId;     // Text4
  bool centerBoxes;    // Text8, Text7, Text6
  bool centerDrawing;  // centre lines and the label "Center"
};
UgcEnabling UgcEnablingFor(bool withTailstock);

// The material file picked in frmUGC: its folder becomes CsvPathName, the
// file CsvFileName (the caller then loads the table again).
void ChooseMaterialFile(MachineParameters& machine, const std::string& path);

}  // namespace quillon
