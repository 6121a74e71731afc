#pragma once
// Two lines and circle: the corner of two lines (point and angle each) and the
// circle of radius R fitted into one of the four angles between them.
//   entries  Text1 X1, Text2 Z1, Text3 A1 (line 1); Text4 X2, Text5 Z2,
//            Text6 A2 (line 2); Text9 R
//   results  Text7 X, Text8 Z (corner); Text10 CX, Text11 CZ (centre);
//            Text12 X, Text13 Z, Text16 I, Text17 K (tangent point on line 1);
//            Text14 X, Text15 Z, Text18 I, Text19 K (tangent point on line 2)
//   Option1..Option4 choose the angle, Check1 zooms onto the circle.
// I and K run from the tangent point to the centre; here I is a radius value.
#include "geometry/calculator.h"

namespace quillon {

// Runs on leaving any entry, clicking an option or Check1, and clicking the drawing.
Calculation LineRLineCalculate(const CalculatorFields& fields);

}  // namespace quillon
