#pragma once
// Point and line then circle: the circle of radius R through a point P that
// touches a line (point and angle), with its touching point ("Start").
//   entries  Text1 X1, Text2 Z1, Text3 A (line); Text4 Xp, Text5 Zp; Text8 R
//   results  Text6 CX, Text7 CZ (centre); Text9 X, Text10 Z (touching point);
//            Text11 I, Text12 K (touching point to centre, I a radius value)
//   Option1 takes the circle towards the line's given point, Option2 the other.
#include "geometry/calculator.h"

namespace quillon {

// Runs on leaving any entry and on clicking an option.
Calculation LineRPointCalculate(const CalculatorFields& fields);

}  // namespace quillon
