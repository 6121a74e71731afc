#pragma once
// The process-command table: one row per menu command that writes NC text.
// frmProcess applies a row's set-up; the editor, the command line and the
// tests call the same functions.
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/machine_parameters.h"
#include "document/document_edit.h"
#include "process/kept_state.h"
#include "process/process_input.h"

namespace quillon {

// What a turning tool's tool-data lines say (process/nc_block.h).
struct ToolData;

// How frmProcess is configured before it is shown. Controls not named keep
// their design state (every entry box empty and shown except B and SZ, whose
// boxes and labels are hidden; labels with their design captions).
struct ProcessDialogSetup {
  std::string caption;
  std::vector<std::pair<std::string, std::string>> labels;    // control -> caption
  std::vector<std::string> hidden;                            // controls made invisible
  std::vector<std::string> shown;                             // design-hidden controls made visible
  std::vector<std::pair<std::string, std::string>> toolTips;  // control -> tool tip
  std::vector<std::pair<std::string, std::string>> prefill;   // box -> text, after the row is loaded
};

// The "Material Input" dialog's contents (frmUGC).
struct UgcDialogValues {
  std::string Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9;
  bool OD = true;           // grasp the outside (else the inside)
  bool MainSpindle = true;  // work on the main spindle (else the sub-spindle)
  bool Check1 = false;      // with tailstock
  bool Check2 = false;      // face drawing on
};

struct ProcessContext {
  std::string command;  // menu control name of the running command
  ProcessInput input;   // copy: FormatNcNumber cuts its fields as it writes them
  UgcDialogValues ugc;  // only for "Material Input"
  MachineParameters machine;
  KeptState kept;                  // in: before the command; out: what it leaves
  const ToolData* tool = nullptr;  // the running row's tool, for its tool-data lines
};

enum class CommandDialog { Process, MaterialInput, None };

struct ProcessCommand {
  std::string_view name;  // menu control name
  CommandDialog dialog;
  int conditionRow;                                    // cutting-condition row of the pre-fill; 0 = none
  ProcessDialogSetup (*setup)(const KeptState& kept);  // nullptr when no frmProcess
  DocumentEdit (*generate)(ProcessContext& ctx);       // at the selection; throws ProcessError
  const ToolData* tool = nullptr;                      // turning tools: what the tool-data lines say
};

// The turning rows, roughing ... drilling, defined beside their generators.
// The whole table: process_rotary/command_table.h.
std::span<const ProcessCommand> TurningCommands();

}  // namespace quillon
