#pragma once
// Line and angle: the other end coordinate of a line from its start point,
// angle and one end coordinate, or its angle from both points.
//   Text1 X1, Text2 Z1 (start point), Text3 A (degrees from +Z, positive
//   when the radius grows), Text4 X2, Text5 Z2 (end point); X is a diameter.
#include "geometry/calculator.h"

namespace quillon {

// Leaving X2: with X1, Z1, A and X2 given, Z2 is written into Text5.
CalculatorFields LineAngleLeaveX2(CalculatorFields fields);

// Leaving Z2: with X1, Z1 and Z2 given, the angle is written into Text3 when
// it is empty and X2 is given, otherwise X2 into Text4 when A is given.
CalculatorFields LineAngleLeaveZ2(CalculatorFields fields);

}  // namespace quillon
