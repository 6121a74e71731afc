#pragma once
// In-process measurement with a touch sensor and the automatic zero offsets.
// The measurements put a call at the caret and append the measuring
// subprogram at the end of the document; the zero offsets write their whole
// block at the caret.
#include "process/process_command.h"

namespace quillon {

// Which measuring subprogram a measurement writes.
enum class Measurement { InD, InR, OutD, OutR };

// Both texts are built before anything is returned, so the call line and its
// subprogram reach the document together or not at all.
DocumentEdit GenerateMeasurement(ProcessContext& ctx, Measurement which);
DocumentEdit GenerateMeasuerOutside(ProcessContext& ctx);
DocumentEdit GenerateMeasuerZeroCaxis(ProcessContext& ctx);
DocumentEdit GenerateMeasuerZeroZaxis(ProcessContext& ctx);

}  // namespace quillon
