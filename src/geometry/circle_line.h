#pragma once
// Circle and line: where a line of a given angle touches a circle.
//   entries  Text1 Xc, Text2 Zc, Text3 R (circle); Text4 A (line angle)
//   results  Text5 X, Text6 Z (touching point); Text7 I, Text8 K (to the
//            centre, I a radius value)
//   Option1 / Option2 choose the side of the circle.
#include "geometry/calculator.h"

namespace quillon {

// Runs on leaving any entry, clicking an option and clicking the drawing.
Calculation CirclePointCalculate(const CalculatorFields& fields);

}  // namespace quillon
