#pragma once
// How a toolpath is shown: the style of each segment kind and each tool's
// hue, shared by the Toolpath dock and `quillon-nc plot`, and the two
// written forms of a drawing (a text table and a standalone SVG).
#include <cstdint>
#include <string>
#include <string_view>

#include "toolpath/toolpath.h"

namespace quillon {

enum class StrokeDash : std::uint8_t { Solid, Dashed, Dotted };

struct SegmentStyle {
  SegmentKind kind;
  StrokeDash dash;
  double width;        // pixels
  bool toolHue;        // drawn in the hue of its tool
  const char* colour;  // "#rrggbb" when not in the tool's hue
};

const SegmentStyle& StyleOf(SegmentKind kind);
// Every style, in SegmentKind order (golden dumps).
std::string FormatSegmentStyles();

// The blank's outline and the centre line.
inline constexpr const char* kBlankColour = "#8c8c8c";

// "#rrggbb": neighbouring tool numbers get far-apart hues; -1 (no tool) grey.
std::string ToolColour(int toolNumber);
// The colour a segment is drawn in.
std::string SegmentColour(const Toolpath& path, const Segment& segment);

// The segments' bounds with the blank's rectangles.
ToolpathBounds DrawingBounds(const Toolpath& path);

// A number rounded to three decimals without trailing zeros: "40", "-1", "0.5".
std::string FormatPlotNumber(double value);

// One segment a line: LINE<TAB>KIND<TAB>X1 Z1<TAB>X2 Z2, and for an arc a
// fifth field XC ZC; X as a diameter, "\n" ends.
std::string FormatToolpathText(const Toolpath& path);

// A standalone SVG: one <line> or <path> per segment with data-line and
// class, the blank as <rect class="blank">, Z to the right and the radius up.
std::string FormatToolpathSvg(const Toolpath& path);

}  // namespace quillon
