#pragma once
// The flow of a process command, shared by the editor and the command line:
// pre-fill the dialog, then (after OK) generate and record what is kept.
#include <string_view>

#include "process/cutting_conditions.h"
#include "process/process_command.h"

namespace quillon {

// The dialog's contents before it is shown: the cutting-condition row first
// (throws ProcessError{13} when no material is loaded, so the dialog never
// opens), then the set-up's pre-fills over it.
ProcessDialogValues PrepareProcessDialog(const ProcessCommand& command, const ProcessDialogSetup& setup,
                                         const CuttingConditionTable& table);

// Whether a box of frmProcess takes input under this set-up (B and SZ are
// hidden by design unless the set-up shows them).
bool ProcessBoxVisible(const ProcessDialogSetup& setup, std::string_view box);

// After OK: reads ProcessInput from the values, records them as the last
// confirmed dialog (and, for a slant command, its zero shift X from C) even
// when generating fails, then generates. ctx.kept takes what the generator
// leaves only when it succeeds. Throws ProcessError.
DocumentEdit RunProcessCommand(const ProcessCommand& command, const ProcessDialogValues& values, ProcessContext& ctx);

// After OK in frmUGC.
DocumentEdit RunMaterialInput(const ProcessCommand& command, const UgcDialogValues& values, ProcessContext& ctx);

// Commands without a dialog.
DocumentEdit RunPlainCommand(const ProcessCommand& command, ProcessContext& ctx);

// Slant commands keep the zero shift X (their C box) per command.
bool IsSlantCommand(std::string_view name);

}  // namespace quillon
