#include "geometry/calculator.h"

#include <cmath>

#include "numbers/nc_number.h"

namespace quillon {

bool AnyEmpty(const CalculatorFields& fields, std::initializer_list<int> boxes) {
  for (int box : boxes)
    if (IsEmptyEntry(fields.text[box])) return true;
  return false;
}

double Entry(const CalculatorFields& fields, int box) { return ReadNumber(fields.text[box]); }

bool WriteResults(CalculatorFields& fields, std::initializer_list<BoxValue> values, double nudge) {
  for (const auto& v : values)
    if (!std::isfinite((v.value + nudge) * 1000.0)) return false;
  for (const auto& v : values) fields.text[v.box] = FormatNcNumber(v.value + nudge);
  return true;
}

}  // namespace quillon
