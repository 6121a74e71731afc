#pragma once
// Spindle speed from a cutting speed V (m/min) and a diameter D (mm).
#include <string>
#include <string_view>

#include "document/document_edit.h"

namespace quillon {

enum class RpmStep {
  FocusV,  // V is empty: the focus goes back to it
  Insert,  // edit inserts the speed; the dialog closes
  Stay,    // the calculation failed (D empty or 0, overflow): nothing happens
};

struct RpmOutcome {
  RpmStep step = RpmStep::Stay;
  DocumentEdit edit;  // Insert only
};

// Enter in Diameter: S = V * 1000 / 3.14 / D, cut down to a multiple of 10.
RpmOutcome RpmEnterInDiameter(std::string_view v, std::string_view diameter);

}  // namespace quillon
