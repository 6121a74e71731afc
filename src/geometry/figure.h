#pragma once
// What a calculator's drawing shows. Drawing units are millimetres of the
// part: x is Z, y is minus the radius, so on a screen whose y grows downwards
// larger diameters appear higher.
#include <string>
#include <vector>

namespace quillon {

// The drawing area of the calculators is 8835 x 4875 units; every view keeps
// that aspect so circles stay round.
inline constexpr double kPictureWidth = 8835.0;
inline constexpr double kPictureHeight = 4875.0;

// The program-wide pi. It is a hair above the true value, which is why 90
// degrees gives a huge but finite tangent in the calculators.
inline constexpr double kPi = 3.14159265398;

inline constexpr const char* kImpossibleText = "Calculation is impossible!!";

// The red marks of computed points are this fraction of the picture wide.
inline constexpr double kMarkSize = 0.001;

// Fitted views leave a fifth of the figure's size free on each side.
inline constexpr double kFitMargin = 1.4;

struct FigurePoint {
  double x = 0.0;
  double y = 0.0;
};

struct FigureLine {
  FigurePoint from;
  FigurePoint to;
};

struct FigureCircle {
  FigurePoint centre;
  double radius = 0.0;
};

// The part of the drawing plane the picture shows (y grows downwards).
struct ViewBox {
  double left = -kPictureWidth / 2.0;
  double top = -kPictureHeight / 2.0;
  double width = kPictureWidth;
  double height = kPictureHeight;
};

struct Figure {
  ViewBox view;
  std::vector<FigureLine> lines;
  std::vector<FigureCircle> circles;
  std::vector<FigureCircle> points;  // small marks drawn in red
  std::string text;                  // shown at the top left, e.g. kImpossibleText
};

// A part point (X diameter, Z) in drawing units: (Z, -X/2).
FigurePoint DrawingPoint(double x, double z);

// The picture before a figure is complete: the default scale centred on 0
// and a long line through the middle in the direction a (radians).
Figure LineOnlyFigure(double a);

// A line through a point in the direction a (radians from +Z towards growing
// radius), reaching as far as reach on both sides.
FigureLine LongLine(FigurePoint through, double a, double reach);

// A cleared picture that only says the calculation failed.
Figure ImpossibleFigure();

// The smallest view of the picture's aspect around the given points, grown by
// margin (1.4 leaves a fifth of the size free on each side), centred on them.
ViewBox FitView(const std::vector<FigurePoint>& points, double margin);

// The four corners of a circle's bounding square, for FitView.
void AddCircleBounds(std::vector<FigurePoint>& points, const FigureCircle& circle);

// The drawing point under a position given as fractions (0..1) of the
// picture's width and height.
FigurePoint ViewPointAt(const ViewBox& view, double fractionX, double fractionY);

// The mouse position text "X<diameter> Z<z>", each cut down to three decimals.
std::string MousePositionText(FigurePoint drawingPoint);

}  // namespace quillon
