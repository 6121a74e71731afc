#include "geometry/point_line_circle.h"

#include <cmath>
#include <vector>

namespace quillon {

Calculation LineRPointCalculate(const CalculatorFields& in) {
  Calculation out{in, std::nullopt};
  if (AnyEmpty(in, {1, 2, 3})) return out;
  double angle = Entry(in, 3);
  if (std::fabs(angle) > 90.0) angle -= 180.0;  // the same line, taken the other way
  const double a = angle * 2.0 * kPi / 360.0;
  if (AnyEmpty(in, {4, 5, 8})) {
    out.figure = LineOnlyFigure(a);
    return out;
  }
  out.figure = ImpossibleFigure();
  const double x1 = Entry(in, 1);
  const double z1 = Entry(in, 2);
  const double xp = Entry(in, 4);
  const double zp = Entry(in, 5);
  const double r = Entry(in, 8);
  if (!(r > 0.0)) return out;

  // Work in the plane of Z and radius, mirrored so that P lies at larger Z
  // and larger radius than the line's point; every mirror turns the angle
  // round, so am is the angle of the line in the mirrored figure.
  const double sgz = zp <= z1 ? -1.0 : 1.0;
  const double sgx = xp > x1 ? 1.0 : -1.0;
  const double am = sgz * sgx * a;
  // h: radial height of P over the line at P's Z; q: its distance from it.
  const double h = std::fabs(xp - x1) / 2.0 - std::tan(am) * std::fabs(zp - z1);
  const double q = h * std::cos(am);
  const double sgh = h > 0.0 ? 1.0 : -1.0;
  // The centre is R from the line on P's side and R from P: R - |q| across
  // the line from P and w along it. Beyond 2R no such circle exists; between
  // R and 2R the centre lies nearer the line than P, and atan2 keeps phi
  // (the angle at P between the normal to the line and the centre) right.
  const double across = r - std::fabs(q);
  const double w2 = r * r - across * across;
  if (!(w2 >= 0.0)) return out;
  const double phi = std::atan2(std::sqrt(w2), across);

  double cx, cz;
  if (in.option == 2) {
    const double theta = sgh * am + kPi / 2.0 - phi;
    cx = xp + 2.0 * sgh * sgx * r * std::sin(theta);
    cz = zp + sgz * r * std::cos(theta);
  } else {
    const double theta = phi + sgh * am;
    cx = xp + 2.0 * sgh * sgx * r * std::cos(theta);
    cz = zp - sgz * r * std::sin(theta);
  }
  const double startX = cx - 2.0 * sgh * sgx * r * std::cos(am);
  const double startZ = cz + sgh * sgz * r * std::sin(am);
  if (!WriteResults(out.fields,
                    {{6, cx}, {7, cz}, {9, startX}, {10, startZ}, {11, (cx - startX) / 2.0}, {12, cz - startZ}},
                    kResultNudge))
    return out;

  Figure figure;
  const FigureCircle circle{DrawingPoint(cx, cz), r};
  const std::vector<FigurePoint> marks{DrawingPoint(xp, zp), DrawingPoint(cx, cz), DrawingPoint(startX, startZ)};
  std::vector<FigurePoint> extent = marks;
  extent.push_back(DrawingPoint(x1, z1));
  AddCircleBounds(extent, circle);
  figure.view = FitView(extent, kFitMargin);
  figure.lines.push_back(LongLine(DrawingPoint(x1, z1), a, 2.0 * (figure.view.width + figure.view.height)));
  figure.circles.push_back(circle);
  for (const auto& p : marks) figure.points.push_back({p, kMarkSize * figure.view.width});
  out.figure = figure;
  return out;
}

}  // namespace quillon
