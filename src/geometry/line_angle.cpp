#include "geometry/line_angle.h"

#include <cmath>

namespace quillon {

namespace {

// This calculator has always turned degrees into radians with its own,
// shorter constants; results such as 135.0000992 depend on them.
constexpr double kLineAngleTwoPi = 6.2831852;
constexpr double kLineAnglePi = 3.1415926;

double Radians(double degrees) { return degrees * kLineAngleTwoPi / 360.0; }

}  // namespace

CalculatorFields LineAngleLeaveX2(CalculatorFields fields) {
  if (AnyEmpty(fields, {1, 2, 3, 4})) return fields;
  const double x1 = Entry(fields, 1);
  const double z1 = Entry(fields, 2);
  const double x2 = Entry(fields, 4);
  const double tangent = std::tan(Radians(Entry(fields, 3)));
  if (tangent == 0.0) return fields;  // division by zero: the box keeps its text
  const double z2 = z1 + (x2 - x1) / 2.0 / tangent;
  WriteResults(fields, {{5, z2}}, kResultNudge);
  return fields;
}

CalculatorFields LineAngleLeaveZ2(CalculatorFields fields) {
  if (AnyEmpty(fields, {1, 2, 5})) return fields;
  const double x1 = Entry(fields, 1);
  const double z1 = Entry(fields, 2);
  const double z2 = Entry(fields, 5);
  if (AnyEmpty(fields, {3}) && !AnyEmpty(fields, {4})) {
    const double x2 = Entry(fields, 4);
    if (z2 - z1 == 0.0) return fields;
    double angle = std::atan(((x2 - x1) / 2.0) / (z2 - z1)) * 180.0 / kLineAnglePi + kResultNudge;
    // arctan only spans -90..90 degrees; a line running towards -Z lies in
    // the other half. A line parallel to Z keeps about 0 either way.
    if (x1 < x2 && z1 > z2) angle += 180.0;
    if (x1 > x2 && z1 > z2) angle -= 180.0;
    WriteResults(fields, {{3, angle}}, 0.0);
  } else if (!AnyEmpty(fields, {3})) {
    const double x2 = x1 + 2.0 * std::tan(Radians(Entry(fields, 3))) * (z2 - z1);
    WriteResults(fields, {{4, x2}}, kResultNudge);
  }
  return fields;
}

}  // namespace quillon
