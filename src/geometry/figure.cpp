#include "geometry/figure.h"

#include <algorithm>
#include <cmath>

#include "numbers/nc_number.h"

namespace quillon {

namespace {

// Half-length of the direction line of an incomplete figure; longer than the
// default picture so it crosses it whole.
constexpr double kDirectionLineReach = 10000.0;

// A view around points that all coincide still needs a size (millimetres).
constexpr double kSmallestViewWidth = 10.0;

double CutToThousandths(double value) { return std::floor(value * 1000.0) / 1000.0; }

}  // namespace

FigurePoint DrawingPoint(double x, double z) { return {z, -x / 2.0}; }

Figure LineOnlyFigure(double a) {
  Figure figure;
  const double dz = kDirectionLineReach * std::cos(a);
  const double dy = -kDirectionLineReach * std::sin(a);
  figure.lines.push_back({{dz, dy}, {-dz, -dy}});
  return figure;
}

FigureLine LongLine(FigurePoint through, double a, double reach) {
  const double dz = reach * std::cos(a);
  const double dy = -reach * std::sin(a);
  return {{through.x - dz, through.y - dy}, {through.x + dz, through.y + dy}};
}

Figure ImpossibleFigure() {
  Figure figure;
  figure.text = kImpossibleText;
  return figure;
}

void AddCircleBounds(std::vector<FigurePoint>& points, const FigureCircle& circle) {
  const double r = std::fabs(circle.radius);
  points.push_back({circle.centre.x - r, circle.centre.y - r});
  points.push_back({circle.centre.x + r, circle.centre.y + r});
}

ViewBox FitView(const std::vector<FigurePoint>& points, double margin) {
  ViewBox view;
  if (points.empty()) return view;
  double left = points.front().x, right = left, top = points.front().y, bottom = top;
  for (const auto& p : points) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  const double spanX = right - left;
  const double spanY = bottom - top;
  const double aspect = kPictureWidth / kPictureHeight;
  if (spanX > spanY * aspect) {
    view.width = margin * spanX;
    view.height = view.width / aspect;
  } else {
    view.height = margin * spanY;
    view.width = view.height * aspect;
  }
  if (!(view.width > 0.0) || !std::isfinite(view.width)) {
    view.width = kSmallestViewWidth;
    view.height = kSmallestViewWidth / aspect;
  }
  view.left = (left + right) / 2.0 - view.width / 2.0;
  view.top = (top + bottom) / 2.0 - view.height / 2.0;
  return view;
}

FigurePoint ViewPointAt(const ViewBox& view, double fractionX, double fractionY) {
  return {view.left + fractionX * view.width, view.top + fractionY * view.height};
}

std::string MousePositionText(FigurePoint drawingPoint) {
  const double diameter = CutToThousandths(-2.0 * drawingPoint.y);
  const double z = CutToThousandths(drawingPoint.x);
  return "X" + ShortestNumberText(diameter) + " Z" + ShortestNumberText(z);
}

}  // namespace quillon
