#include "geometry/spindle_speed.h"

#include <cmath>

#include "numbers/nc_number.h"

namespace quillon {

namespace {
// Spindle speeds on the shop floor have always been figured with pi = 3.14.
constexpr double kShopPi = 3.14;
}  // namespace

RpmOutcome RpmEnterInDiameter(std::string_view v, std::string_view diameter) {
  if (IsEmptyEntry(v)) return {RpmStep::FocusV, {}};
  const double d = ReadNumber(diameter);
  if (d == 0.0) return {};
  double speed = ReadNumber(v) * 1000.0 / kShopPi / d;
  if (!std::isfinite(speed * 1000.0)) return {};
  // Speeds are set in steps of 10 min^-1, rounded down.
  speed = NcFloor(speed / 10.0) * 10.0;
  return {RpmStep::Insert, InsertAtSelection(FormatNcNumber(speed))};
}

}  // namespace quillon
