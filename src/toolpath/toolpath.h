#pragma once
// The program drawn in the lathe's X–Z plane: Z horizontal, growing to the
// right, the radius X/2 growing upwards. X is kept as written, a diameter;
// only the drawing turns it into a radius. The interpreter reads what it
// understands (motion words, X Z A I K L, contour definitions and the cycle
// lines that use them, tool words, the blank of the graphic data) and
// skips everything else, so any text, however broken, gives a drawing.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct MachineParameters;

enum class SegmentKind : std::uint8_t { Rapid, Feed, Cw, Ccw, Contour, Cycle, Error };

// The shape of a segment: a straight line or an arc turning one way (as seen
// in the drawing). Contours and finishing retraces keep their arcs' shape
// under their own kind.
enum class ArcSense : std::uint8_t { None, Clockwise, CounterClockwise };

struct ToolpathPoint {
  double x = 0;  // diameter
  double z = 0;
  friend bool operator==(const ToolpathPoint&, const ToolpathPoint&) = default;
};

// 48 bytes: the benchmark program draws 750 000 of them, and writing them
// costs more than reading the text.
struct Segment {
  ToolpathPoint start;
  ToolpathPoint end;
  std::uint32_t line = 0;    // 1-based source line
  std::uint32_t tool = 0;    // index into Toolpath::tools; 0 before the first tool word
  std::uint32_t centre = 0;  // arcs: index into Toolpath::centres
  SegmentKind kind = SegmentKind::Feed;
  ArcSense arc = ArcSense::None;
};

struct ToolpathBounds {
  double minX = 0, maxX = 0, minZ = 0, maxZ = 0;  // X as a diameter
  bool empty = true;
  void add(ToolpathPoint p);
};

enum class ToolpathProblemKind : std::uint8_t {
  ArcEndOffCircle,    // the arc's end lies farther than 0.01 mm from its circle
  AngleGivesNoPoint,  // an A word along which the given X or Z is never reached
};

struct ToolpathProblem {
  std::uint32_t line = 0;  // 1-based
  ToolpathProblemKind kind = ToolpathProblemKind::ArcEndOffCircle;
  double offBy = 0;  // arcs: distance of the end from the circle, mm
};

// One rectangle of the blank from the graphic data (PS RC,[Z,X],[length,
// diameter]): from z down to z - length, between the two diameters. A
// trailing ",0" marks the bore taken out of the blank.
struct BlankOutline {
  double z1 = 0, z2 = 0;  // z1 the face, z2 = z1 - length
  double x1 = 0, x2 = 0;  // diameters
  bool bore = false;
  std::uint32_t line = 0;  // 1-based
};

struct Toolpath {
  std::vector<Segment> segments;
  std::vector<std::string> tools{std::string()};  // the active tool words as written; [0] none
  ToolpathBounds bounds;                          // of the segments, arcs' extremes included
  std::vector<ToolpathProblem> problems;
  std::vector<BlankOutline> blank;
  std::vector<ToolpathPoint> centres;  // of the arcs, X as a diameter

  ToolpathPoint centreOf(const Segment& arc) const {
    return arc.centre < centres.size() ? centres[arc.centre] : arc.start;
  }
};

// Arc ends farther than this from their circle make an error segment.
inline constexpr double kArcEndTolerance = 0.01;

// The drawing of a text with "\n" line ends; the position starts at home.
Toolpath InterpretToolpath(std::string_view text, ToolpathPoint home);
// Home at the turret index position HomeX, HomeZ.
Toolpath InterpretToolpath(std::string_view text, const MachineParameters& machine);

// "rapid", "feed", "cw", "ccw", "contour", "cycle", "error".
std::string_view SegmentKindName(SegmentKind kind);

// The tool number a tool word calls, for telling tools apart: T050505 and
// T280828 call tool 5 and tool 8 (the middle pair of six or five digits,
// the first pair of four or three), T3 tool 3; TG=3 and TL=050505 give their
// value's number the same way. -1 for a word that calls no number.
int ToolNumber(std::string_view word);

// The sweep of an arc segment in radians (positive, up to 2 pi for a full
// circle) and the bounds it covers.
double ArcSweep(ToolpathPoint start, ToolpathPoint end, ToolpathPoint centre, ArcSense sense);
void AddSegmentBounds(ToolpathBounds& bounds, const Toolpath& path, const Segment& segment);

}  // namespace quillon
