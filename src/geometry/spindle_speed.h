#pragma once
// Spindle speed from a cutting speed V (m/min) and a diameter D (mm).
#include <string>
#include <string_view>

namespace quillon {

enum class RpmStep {
  FocusV,  // V is empty: the focus goes back to it
  Insert,  // text holds the speed to insert; the dialog closes
  Stay,    // the calculation failed (D empty or 0, overflow): nothing happens
};

struct RpmOutcome {
  RpmStep step = RpmStep::Stay;
  std::string text;
};

// Enter in Diameter: S = V * 1000 / 3.14 / D, cut down to a multiple of 10.
RpmOutcome RpmEnterInDiameter(std::string_view v, std::string_view diameter);

}  // namespace quillon
