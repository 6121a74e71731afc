#include "geometry/line_circle.h"

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

// The view leaves a tenth of the figure free around it (1.2 times its size).
constexpr double kLineRMargin = 1.2;
constexpr double kLineRTopSpare = 0.1;

}  // namespace

Calculation LineRCalculate(const CalculatorFields& in) {
  Calculation out{in, std::nullopt};
  if (AnyEmpty(in, {1, 2, 3})) return out;
  const double x1 = Entry(in, 1);
  const double z1 = Entry(in, 2);
  double angle = Entry(in, 3);
  if (angle > 180.0) angle -= 360.0;
  const double a = angle * 2.0 * kPi / 360.0;
  if (AnyEmpty(in, {4, 5, 6})) {
    out.figure = LineOnlyFigure(a);
    return out;
  }
  out.figure = ImpossibleFigure();
  const double xc = Entry(in, 4);
  const double zc = Entry(in, 5);
  const double r = Entry(in, 6);
  if (r == 0.0) return out;
  // The centre relative to the line point, in radius and Z; h is its signed
  // distance from the line, positive on the side of growing angle.
  const double dx = (xc - x1) / 2.0;
  const double dz = zc - z1;
  const double h = dx * std::cos(a) - dz * std::sin(a);
  const double s = h / r;
  if (!(std::fabs(s) < 1.0)) return out;  // the line misses or only touches the circle
  const double beta = std::acos(s);
  const double t1 = a - kPi / 2.0 - beta;
  const double t2 = a - kPi / 2.0 + beta;
  const double crossX1 = xc + 2.0 * r * std::sin(t1);
  const double crossZ1 = zc + r * std::cos(t1);
  const double crossX2 = xc + 2.0 * r * std::sin(t2);
  const double crossZ2 = zc + r * std::cos(t2);
  if (!WriteResults(out.fields,
                    {{7, crossX1},
                     {8, crossZ1},
                     {9, xc - crossX1},
                     {10, zc - crossZ1},
                     {11, crossX2},
                     {12, crossZ2},
                     {13, xc - crossX2},
                     {14, zc - crossZ2}},
                    kResultNudge))
    return out;

  Figure figure;
  const double zMin = std::min({z1, zc - r, zc + r});
  const double zMax = std::max({z1, zc - r, zc + r});
  const double rMin = std::min({x1 / 2.0, xc / 2.0 - r, xc / 2.0 + r});
  const double rMax = std::max({x1 / 2.0, xc / 2.0 - r, xc / 2.0 + r});
  const double zRange = zMax - zMin;
  const double rRange = rMax - rMin;
  double dominant;
  if (zRange > rRange * kPictureWidth / kPictureHeight) {
    dominant = zRange;
    figure.view.width = kLineRMargin * zRange;
    figure.view.height = kLineRMargin * zRange * kPictureHeight / kPictureWidth;
  } else {
    dominant = rRange;
    figure.view.height = kLineRMargin * rRange;
    figure.view.width = kLineRMargin * rRange * kPictureWidth / kPictureHeight;
  }
  figure.view.left = zMin - (figure.view.width - zRange) / 2.0;
  figure.view.top = -rMax - kLineRTopSpare * dominant;

  // One picture width of the line, from its point towards cross point 2.
  const double width = figure.view.width;
  const double towards = (crossZ2 - z1) * std::cos(a) + (crossX2 - x1) / 2.0 * std::sin(a) >= 0.0 ? 1.0 : -1.0;
  const FigurePoint start = DrawingPoint(x1, z1);
  figure.lines.push_back({start, {start.x + towards * std::cos(a) * width, start.y - towards * std::sin(a) * width}});
  figure.circles.push_back({DrawingPoint(xc, zc), std::fabs(r)});
  for (const auto& p : {DrawingPoint(xc, zc), DrawingPoint(crossX1, crossZ1), DrawingPoint(crossX2, crossZ2)})
    figure.points.push_back({p, kMarkSize * width});
  out.figure = figure;
  return out;
}

}  // namespace quillon
