#pragma once
// Line-circle cross point: where a line (point and angle) crosses a circle.
//   entries  Text1 X1, Text2 Z1, Text3 A (line); Text4 Xc, Text5 Zc, Text6 R
//   results  Text7 X, Text8 Z, Text9 I, Text10 K (cross 1);
//            Text11 X, Text12 Z, Text13 I, Text14 K (cross 2)
// I and K run from the cross point to the centre; I is a diameter difference.
#include "geometry/calculator.h"

namespace quillon {

// Runs on leaving any entry and on clicking the drawing.
Calculation LineRCalculate(const CalculatorFields& fields);

}  // namespace quillon
