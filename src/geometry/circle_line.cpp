#include "geometry/circle_line.h"

#include <cmath>
#include <vector>

namespace quillon {

Calculation CirclePointCalculate(const CalculatorFields& in) {
  Calculation out{in, std::nullopt};
  if (AnyEmpty(in, {1, 2, 3})) return out;
  const double xc = Entry(in, 1);
  const double zc = Entry(in, 2);
  const double r = Entry(in, 3);
  const FigureCircle circle{DrawingPoint(xc, zc), std::fabs(r)};
  Figure figure;
  std::vector<FigurePoint> extent;
  AddCircleBounds(extent, circle);
  figure.circles.push_back(circle);
  if (AnyEmpty(in, {4})) {
    figure.view = FitView(extent, kFitMargin);
    out.figure = figure;
    return out;
  }
  // The touching point lies on the radius square to the line's direction.
  const double a = Entry(in, 4) * 2.0 * kPi / 360.0;
  const double c = r * std::cos(a);
  const double s = r * std::sin(a);
  const double side = in.option == 2 ? -1.0 : 1.0;
  const double crossX = xc - side * 2.0 * c;
  const double crossZ = zc + side * s;
  // This calculator writes its results without the nudge of the others.
  if (!WriteResults(out.fields, {{5, crossX}, {6, crossZ}, {7, side * c}, {8, -side * s}}, 0.0)) {
    out.figure = Figure{};  // the handler stops silently after clearing the picture
    return out;
  }
  const FigurePoint cross = DrawingPoint(crossX, crossZ);
  extent.push_back(cross);
  figure.view = FitView(extent, kFitMargin);
  figure.lines.push_back(LongLine(cross, a, 2.0 * (figure.view.width + figure.view.height)));
  figure.points.push_back({circle.centre, kMarkSize * figure.view.width});
  figure.points.push_back({cross, kMarkSize * figure.view.width});
  out.figure = figure;
  return out;
}

}  // namespace quillon
