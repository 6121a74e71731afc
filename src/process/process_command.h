#pragma once
// The process-command table: one row per menu command that writes NC text.
// frmProcess applies a row's set-up; the editor, the command line and the
// tests call the same functions.
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "process/kept_state.h"
#include "process/machine_parameters.h"
#include "process/process_input.h"

namespace quillon {

// How frmProcess is configured before it is shown. Controls not named keep
// their design state (every entry box empty and shown except B and SZ, whose
// boxes and labels are hidden; labels with their design captions).
struct ProcessDialogSetup {
  std::string caption;
  std::vector<std::pair<std::string, std::string>> labels;    // control -> caption
  std::vector<std::string> hidden;                            // controls made invisible
  std::vector<std::string> shown;                             // design-hidden controls made visible
  std::vector<std::pair<std::string, std::string>> toolTips;  // control -> tool tip
  int row = 0;                                                // cutting-condition row; 0 = none
  std::vector<std::pair<std::string, std::string>> prefill;   // box -> text, after the row is loaded
};

// The "Material Input" dialog's contents (frmUGC).
struct UgcDialogValues {
  std::string Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9;
  bool OD = true;            // grasp the outside (else the inside)
  bool MainSpindle = true;   // work on the main spindle (else the sub-spindle)
  bool Check1 = false;       // with tailstock
  bool Check2 = false;       // face drawing on
};

struct ProcessContext {
  std::string command;         // menu control name of the running command
  ProcessInput input;          // copy: FormatNcNumber cuts its fields as it writes them
  UgcDialogValues ugc;         // only for "Material Input"
  MachineParameters machine;
  KeptState kept;              // in: before the command; out: what it leaves
};

// What a command writes into the document, applied as one edit:
// atCaret then afterCaret replace the selection; the caret ends between them;
// appendAtEnd goes to the end of the document.
struct ProcessOutput {
  std::string atCaret;
  std::string afterCaret;
  std::string appendAtEnd;
};

enum class CommandDialog { Process, MaterialInput, None };

struct ProcessCommand {
  std::string_view name;                                   // menu control name
  CommandDialog dialog;
  ProcessDialogSetup (*setup)(const KeptState& kept);      // nullptr when no frmProcess
  ProcessOutput (*generate)(ProcessContext& ctx);          // throws ProcessError
};

// The rows of each family, each defined beside its generators.
std::span<const ProcessCommand> FrameCommands();      // Material Input, ATC ready-requests
std::span<const ProcessCommand> TurningCommands();    // roughing ... drilling
std::span<const ProcessCommand> RotaryCommands();     // M-axis drilling ... milling
std::span<const ProcessCommand> MeasuringCommands();  // measurement and zero offset

// All rows, in menu order of families; nullptr when the name is unknown.
std::vector<const ProcessCommand*> AllProcessCommands();
const ProcessCommand* FindProcessCommand(std::string_view name);

}  // namespace quillon
