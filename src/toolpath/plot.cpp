#include "toolpath/plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace quillon {

namespace {

// clang-format off
constexpr SegmentStyle kStyles[] = {
  // kind                  dash                 width  toolHue  colour
  {SegmentKind::Rapid,     StrokeDash::Dashed,  1.0,   true,    ""},
  {SegmentKind::Feed,      StrokeDash::Solid,   1.5,   true,    ""},
  {SegmentKind::Cw,        StrokeDash::Solid,   1.5,   true,    ""},
  {SegmentKind::Ccw,       StrokeDash::Solid,   1.5,   true,    ""},
  {SegmentKind::Contour,   StrokeDash::Solid,   2.0,   false,   "#1a7f37"},
  {SegmentKind::Cycle,     StrokeDash::Dotted,  1.5,   true,    ""},
  {SegmentKind::Error,     StrokeDash::Solid,   2.0,   false,   "#d0021b"},
};
// clang-format on

// Drawing pixels across the SVG's width.
constexpr double kSvgWidthPx = 1000;

const char* DashName(StrokeDash dash) {
  switch (dash) {
    case StrokeDash::Solid:
      return "solid";
    case StrokeDash::Dashed:
      return "dashed";
    case StrokeDash::Dotted:
      return "dotted";
  }
  return "solid";
}

std::string Hex(double r, double g, double b) {
  char text[8];
  auto byte = [](double v) { return static_cast<unsigned>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  std::snprintf(text, sizeof text, "#%02x%02x%02x", byte(r), byte(g), byte(b));
  return text;
}

// "X Z" of a point, X as a diameter.
std::string Point(ToolpathPoint p) { return FormatPlotNumber(p.x) + " " + FormatPlotNumber(p.z); }

// SVG user units: x = Z, y = -radius (the SVG's y grows downwards).
std::string SvgX(double z) { return FormatPlotNumber(z); }
std::string SvgY(double x) { return FormatPlotNumber(-x / 2); }

}  // namespace

const SegmentStyle& StyleOf(SegmentKind kind) {
  for (const SegmentStyle& s : kStyles)
    if (s.kind == kind) return s;
  return kStyles[std::size(kStyles) - 1];
}

std::string FormatSegmentStyles() {
  std::string out;
  for (const SegmentStyle& s : kStyles) {
    out += std::string(SegmentKindName(s.kind)) + " " + DashName(s.dash) + " " + FormatPlotNumber(s.width) + " " +
           (s.toolHue ? std::string("tool") : std::string(s.colour)) + "\n";
  }
  return out;
}

std::string ToolColour(int toolNumber) {
  if (toolNumber < 0) return "#606060";
  // The golden angle keeps neighbouring numbers apart on the colour wheel.
  const double hue = std::fmod(toolNumber * 137.508, 360.0) / 60.0;
  const double lightness = 0.40, saturation = 0.80;
  const double chroma = (1 - std::abs(2 * lightness - 1)) * saturation;
  const double x = chroma * (1 - std::abs(std::fmod(hue, 2.0) - 1));
  const double m = lightness - chroma / 2;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(hue)) {
    case 0:
      r = chroma, g = x;
      break;
    case 1:
      r = x, g = chroma;
      break;
    case 2:
      g = chroma, b = x;
      break;
    case 3:
      g = x, b = chroma;
      break;
    case 4:
      r = x, b = chroma;
      break;
    default:
      r = chroma, b = x;
      break;
  }
  return Hex(r + m, g + m, b + m);
}

std::string SegmentColour(const Toolpath& path, const Segment& segment) {
  const SegmentStyle& style = StyleOf(segment.kind);
  if (!style.toolHue) return style.colour;
  const int number = segment.tool < path.tools.size() ? ToolNumber(path.tools[segment.tool]) : -1;
  return ToolColour(number);
}

ToolpathBounds DrawingBounds(const Toolpath& path) {
  ToolpathBounds bounds = path.bounds;
  for (const BlankOutline& b : path.blank) {
    bounds.add({b.x1, b.z1});
    bounds.add({b.x2, b.z2});
  }
  return bounds;
}

std::string FormatPlotNumber(double value) {
  if (!std::isfinite(value)) return "0";
  char text[512];
  std::snprintf(text, sizeof text, "%.3f", value);
  std::string s = text;
  if (const auto point = s.find('.'); point != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

std::string FormatToolpathText(const Toolpath& path) {
  std::string out;
  out.reserve(path.segments.size() * 40);
  for (const Segment& s : path.segments) {
    out += std::to_string(s.line);
    out += '\t';
    out += SegmentKindName(s.kind);
    out += '\t';
    out += Point(s.start);
    out += '\t';
    out += Point(s.end);
    if (s.arc != ArcSense::None) {
      out += '\t';
      out += Point(path.centreOf(s));
    }
    out += '\n';
  }
  return out;
}

std::string FormatToolpathSvg(const Toolpath& path) {
  ToolpathBounds b = DrawingBounds(path);
  if (b.empty) b = {-2, 2, -1, 1, false};
  const double width = b.maxZ - b.minZ, height = (b.maxX - b.minX) / 2;
  const double margin = std::max(1.0, 0.05 * std::max(width, height));
  const double left = b.minZ - margin, top = -b.maxX / 2 - margin;
  const double viewWidth = width + 2 * margin, viewHeight = height + 2 * margin;
  const double unitsPerPx = viewWidth / kSvgWidthPx;
  const double heightPx = std::clamp(viewHeight / unitsPerPx, 1.0, 1e6);

  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox=")" + FormatPlotNumber(left) + " " + FormatPlotNumber(top) +
         " " + FormatPlotNumber(viewWidth) + " " + FormatPlotNumber(viewHeight) + "\" width=\"" +
         FormatPlotNumber(kSvgWidthPx) + "\" height=\"" + FormatPlotNumber(std::round(heightPx)) + "\">\n<style>\n";
  auto px = [&](double pixels) { return FormatPlotNumber(pixels * unitsPerPx); };
  out += "line, path, rect { fill: none; stroke-linecap: round; }\n";
  out += ".blank { stroke: " + std::string(kBlankColour) + "; stroke-width: " + px(1) + "; }\n";
  out += ".bore { stroke-dasharray: " + px(4) + " " + px(3) + "; }\n";
  for (const SegmentStyle& s : kStyles) {
    out += "." + std::string(SegmentKindName(s.kind)) + " { stroke-width: " + px(s.width) + ";";
    if (s.dash == StrokeDash::Dashed) out += " stroke-dasharray: " + px(6) + " " + px(4) + ";";
    if (s.dash == StrokeDash::Dotted) out += " stroke-dasharray: " + px(1.5) + " " + px(3) + ";";
    if (!s.toolHue) out += " stroke: " + std::string(s.colour) + ";";
    out += " }\n";
  }
  out += "</style>\n";
  for (const BlankOutline& r : path.blank) {
    const double z = std::min(r.z1, r.z2), x = std::max(r.x1, r.x2);
    out += "<rect class=\"blank" + std::string(r.bore ? " bore" : "") + "\" data-line=\"" + std::to_string(r.line) +
           "\" x=\"" + SvgX(z) + "\" y=\"" + SvgY(x) + "\" width=\"" + FormatPlotNumber(std::abs(r.z1 - r.z2)) +
           "\" height=\"" + FormatPlotNumber(std::abs(r.x1 - r.x2) / 2) + "\"/>\n";
  }
  for (const Segment& s : path.segments) {
    const std::string common = " class=\"" + std::string(SegmentKindName(s.kind)) + "\" data-line=\"" +
                               std::to_string(s.line) + "\"" +
                               (StyleOf(s.kind).toolHue ? " stroke=\"" + SegmentColour(path, s) + "\"" : "");
    if (s.arc == ArcSense::None) {
      out += "<line" + common + " x1=\"" + SvgX(s.start.z) + "\" y1=\"" + SvgY(s.start.x) + "\" x2=\"" + SvgX(s.end.z) +
             "\" y2=\"" + SvgY(s.end.x) + "\"/>\n";
      continue;
    }
    const ToolpathPoint centre = path.centreOf(s);
    const double radius = std::hypot(s.start.z - centre.z, (s.start.x - centre.x) / 2);
    const double sweep = ArcSweep(s.start, s.end, centre, s.arc);
    // The SVG's y points down, so its clockwise sweep is the drawing's.
    const char* turn = s.arc == ArcSense::Clockwise ? "1" : "0";
    const std::string r = FormatPlotNumber(radius) + " " + FormatPlotNumber(radius);
    std::string d = "M " + SvgX(s.start.z) + " " + SvgY(s.start.x);
    if (s.start == s.end) {
      // A full circle: two halves, an arc command cannot end where it starts.
      const ToolpathPoint opposite{2 * centre.x - s.start.x, 2 * centre.z - s.start.z};
      d += " A " + r + " 0 0 " + turn + " " + SvgX(opposite.z) + " " + SvgY(opposite.x);
    } else {
      d += std::string(" A ") + r + " 0 " + (sweep > 3.141592653589793 ? "1" : "0") + " " + turn;
      d += " " + SvgX(s.end.z) + " " + SvgY(s.end.x);
      out += "<path" + common + " d=\"" + d + "\"/>\n";
      continue;
    }
    d += " A " + r + " 0 0 " + turn + " " + SvgX(s.end.z) + " " + SvgY(s.end.x);
    out += "<path" + common + " d=\"" + d + "\"/>\n";
  }
  out += "</svg>\n";
  return out;
}

}  // namespace quillon
