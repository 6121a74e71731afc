#include "geometry/two_lines_circle.h"

#include <cmath>
#include <vector>

namespace quillon {

namespace {

// With "Circle zoom" the view is this many radii wide around the circle.
constexpr double kZoomRadii = 5.0;

struct Corner {
  double x;
  double z;
};

// Both lines through the corner and the marks, fitted (or zoomed) around
// everything that was computed.
Figure CornerFigure(const std::vector<FigurePoint>& linePoints, double a1, double a2, Corner corner,
                    const FigureCircle* circle, const std::vector<FigurePoint>& marks, bool zoom) {
  Figure figure;
  std::vector<FigurePoint> extent = linePoints;
  extent.insert(extent.end(), marks.begin(), marks.end());
  if (circle) AddCircleBounds(extent, *circle);
  figure.view = FitView(extent, kFitMargin);
  if (circle && zoom && circle->radius > 0.0) {
    figure.view.width = kZoomRadii * circle->radius;
    figure.view.height = figure.view.width * kPictureHeight / kPictureWidth;
    figure.view.left = circle->centre.x - figure.view.width / 2.0;
    figure.view.top = circle->centre.y - figure.view.height / 2.0;
  }
  // From the corner, its distance to the view plus two view widths crosses
  // the whole view, zoomed or not.
  const FigurePoint cornerPoint = DrawingPoint(corner.x, corner.z);
  const double reach = std::fabs(cornerPoint.x - figure.view.left) + std::fabs(cornerPoint.y - figure.view.top) +
                       2.0 * (figure.view.width + figure.view.height);
  figure.lines.push_back(LongLine(cornerPoint, a1, reach));
  figure.lines.push_back(LongLine(cornerPoint, a2, reach));
  if (circle) figure.circles.push_back(*circle);
  for (const auto& p : marks) figure.points.push_back({p, kMarkSize * figure.view.width});
  return figure;
}

}  // namespace

Calculation LineRLineCalculate(const CalculatorFields& in) {
  Calculation out{in, std::nullopt};
  if (AnyEmpty(in, {1, 2, 3})) return out;
  const double x1 = Entry(in, 1);
  const double z1 = Entry(in, 2);
  const double a1 = Entry(in, 3) * 2.0 * kPi / 360.0;
  const double a2 = Entry(in, 6) * 2.0 * kPi / 360.0;
  if (AnyEmpty(in, {4, 5, 6})) {
    out.figure = LineOnlyFigure(a1);
    return out;
  }
  out.figure = ImpossibleFigure();
  const double x2 = Entry(in, 4);
  const double z2 = Entry(in, 5);

  // Each line is r = X/2 + tan a (Z - Zpoint); the corner is where both agree.
  const double tan1 = std::tan(a1);
  const double tan2 = std::tan(a2);
  if (tan1 - tan2 == 0.0) return out;  // parallel lines never cross
  const double zx = ((x2 - x1) / 2.0 + z1 * tan1 - z2 * tan2) / (tan1 - tan2);
  const double xx = x1 + 2.0 * tan1 * (zx - z1);
  if (!WriteResults(out.fields, {{7, xx}, {8, zx}}, kResultNudge)) return out;

  const std::vector<FigurePoint> linePoints{DrawingPoint(x1, z1), DrawingPoint(x2, z2)};
  const Corner corner{xx, zx};
  if (AnyEmpty(in, {9})) {
    out.fields.check1Enabled = false;
    out.figure = CornerFigure(linePoints, a1, a2, corner, nullptr, {DrawingPoint(xx, zx)}, false);
    return out;
  }
  out.fields.check1Enabled = true;

  const double r = Entry(in, 9);
  const double sg = a1 >= a2 ? -1.0 : 1.0;
  const bool sameAngle = in.option == 1 || in.option == 2;
  // h: half the angle the circle sits in; m: the direction of its bisector.
  const double h = sameAngle ? std::fabs(a1 - a2) / 2.0 : (kPi - std::fabs(a1 - a2)) / 2.0;
  const double m = sameAngle ? (a1 + a2) / 2.0 : (kPi - a1 - a2) / 2.0;
  const double tanH = std::tan(h);
  if (tanH == 0.0) return out;                // an angle of zero holds no circle
  const double d = r / tanH;                  // corner to each tangent point
  const double l = std::sqrt(d * d + r * r);  // corner to centre

  double cx, cz, px1, pz1, px2, pz2;
  switch (in.option) {
    case 2:
      cx = xx - 2.0 * l * std::sin(m), cz = zx - l * std::cos(m);
      px1 = xx - 2.0 * d * std::sin(a1), pz1 = zx - d * std::cos(a1);
      px2 = xx - 2.0 * d * std::sin(a2), pz2 = zx - d * std::cos(a2);
      break;
    case 3:
      cx = xx + 2.0 * l * std::sin(m), cz = zx - l * std::cos(m);
      px1 = xx - 2.0 * sg * d * std::sin(a1), pz1 = zx - sg * d * std::cos(a1);
      px2 = xx + 2.0 * sg * d * std::sin(a2), pz2 = zx + sg * d * std::cos(a2);
      break;
    case 4:
      cx = xx - 2.0 * l * std::sin(m), cz = zx + l * std::cos(m);
      px1 = xx + 2.0 * sg * d * std::sin(a1), pz1 = zx + sg * d * std::cos(a1);
      px2 = xx - 2.0 * sg * d * std::sin(a2), pz2 = zx - sg * d * std::cos(a2);
      break;
    default:
      cx = xx + 2.0 * l * std::sin(m), cz = zx + l * std::cos(m);
      px1 = xx + 2.0 * d * std::sin(a1), pz1 = zx + d * std::cos(a1);
      px2 = xx + 2.0 * d * std::sin(a2), pz2 = zx + d * std::cos(a2);
      break;
  }
  if (!WriteResults(out.fields,
                    {{10, cx},
                     {11, cz},
                     {12, px1},
                     {13, pz1},
                     {16, (cx - px1) / 2.0},
                     {17, cz - pz1},
                     {14, px2},
                     {15, pz2},
                     {18, (cx - px2) / 2.0},
                     {19, cz - pz2}},
                    kResultNudge))
    return out;

  const FigureCircle circle{DrawingPoint(cx, cz), std::fabs(r)};
  out.figure = CornerFigure(
      linePoints, a1, a2, corner, &circle,
      {DrawingPoint(xx, zx), DrawingPoint(cx, cz), DrawingPoint(px1, pz1), DrawingPoint(px2, pz2)}, in.check1);
  return out;
}

}  // namespace quillon
