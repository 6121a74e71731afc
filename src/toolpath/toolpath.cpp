#include "toolpath/toolpath.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <optional>
#include <string>
#include <unordered_map>

#include "app/machine_parameters.h"
#include "program/nc_lexer.h"

namespace quillon {

namespace {

constexpr double kPi = std::numbers::pi;
// Below this a sine or cosine counts as zero: the angle runs along an axis.
constexpr double kAlongAxis = 1e-12;

// The words of one line the interpreter reads; views into the program text.
struct LineWords {
  int motion = -1;            // the last of G0..G3
  int cycle = 0;              // 71, 72, 73, 74, 85 or 87: the first cycle code of the line
  bool contourStart = false;  // G81 or G82
  bool contourEnd = false;    // G80
  std::optional<double> x, z, a, i, k, l;
  std::string_view label;     // the sequence name the line starts with
  std::string_view labelRef;  // the contour a cycle names
  std::string_view tool;      // the last tool word
  std::string_view blank;     // the text after "PS RC"
};

bool IsWholeNumber(double v, int n) { return v == static_cast<double>(n); }

// The value of a word, when it is a finite number.
std::optional<double> Value(std::string_view line, const Token& t) {
  std::optional<double> v = WordNumber(line, t);
  if (v && !std::isfinite(*v)) return std::nullopt;
  return v;
}

void ReadWords(std::string_view line, const std::vector<Token>& tokens, LineWords& w) {
  w = LineWords{};
  for (std::size_t n = 0; n < tokens.size(); ++n) {
    const Token& t = tokens[n];
    switch (t.kind) {
      case TokenKind::MotionG:
        if (auto v = Value(line, t)) {
          for (int m = 0; m <= 3; ++m)
            if (IsWholeNumber(*v, m)) w.motion = m;
        }
        break;
      case TokenKind::GCode:
        if (auto v = Value(line, t)) {
          for (int code : {71, 72, 73, 74, 85, 87})
            if (IsWholeNumber(*v, code) && w.cycle == 0) w.cycle = code;
          if (IsWholeNumber(*v, 81) || IsWholeNumber(*v, 82)) w.contourStart = true;
          if (IsWholeNumber(*v, 80)) w.contourEnd = true;
        }
        break;
      case TokenKind::Coordinate:
        if (t.addressEnd - t.start != 1) break;
        switch (line[t.start]) {
          case 'X':
            if (auto v = Value(line, t)) w.x = v;
            break;
          case 'Z':
            if (auto v = Value(line, t)) w.z = v;
            break;
          case 'A':
            if (auto v = Value(line, t)) w.a = v;
            break;
          default:
            break;
        }
        break;
      case TokenKind::Word:
        if (t.addressEnd - t.start != 1) break;
        switch (line[t.start]) {
          case 'I':
            if (auto v = Value(line, t)) w.i = v;
            break;
          case 'K':
            if (auto v = Value(line, t)) w.k = v;
            break;
          case 'L':
            if (auto v = Value(line, t)) w.l = v;
            break;
          default:
            break;
        }
        break;
      case TokenKind::FeedSpeedTool:
        if (t.value != ValueKind::Number) break;
        if (const std::string_view address = AddressText(line, t); address == "T" || address == "TG" || address == "TL")
          w.tool = TokenText(line, t);
        break;
      case TokenKind::SequenceName:
        w.label = TokenText(line, t);
        break;
      case TokenKind::LabelReference:
        if (w.labelRef.empty()) w.labelRef = TokenText(line, t);
        break;
      case TokenKind::Keyword:
        if (TokenText(line, t) == "PS" && n + 1 < tokens.size()) {
          std::size_t m = n + 1;
          if (tokens[m].kind == TokenKind::Blank && m + 1 < tokens.size()) ++m;
          if (tokens[m].kind == TokenKind::Name && TokenText(line, tokens[m]) == "RC")
            w.blank = line.substr(tokens[m].end());
        }
        break;
      default:
        break;
    }
  }
}

// Reads ",[a,b],[c,d]" and an optional ",e" from the text after PS RC.
class BlankReader {
 public:
  explicit BlankReader(std::string_view text) : m_text(text) {}

  std::optional<BlankOutline> read() {
    BlankOutline out;
    double z = 0, x = 0, length = 0, diameter = 0;
    if (!expect(',') || !pair(z, x) || !expect(',') || !pair(length, diameter)) return std::nullopt;
    out.z1 = z;
    out.z2 = z - length;
    out.x1 = x;
    out.x2 = diameter;
    if (expect(',')) {
      const auto flag = number();
      out.bore = flag && *flag == 0;
    }
    if (!std::isfinite(out.z2)) return std::nullopt;
    return out;
  }

 private:
  void blanks() {
    while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t')) ++m_at;
  }
  bool expect(char c) {
    blanks();
    if (m_at >= m_text.size() || m_text[m_at] != c) return false;
    ++m_at;
    return true;
  }
  // A number up to the next stop character.
  std::optional<double> number() {
    blanks();
    std::size_t end = m_at;
    while (end < m_text.size() && m_text[end] != ',' && m_text[end] != ']' && m_text[end] != ' ' && m_text[end] != '\t')
      ++end;
    auto v = ParseNcNumber(m_text.substr(m_at, end - m_at));
    m_at = end;
    if (v && !std::isfinite(*v)) return std::nullopt;
    return v;
  }
  bool pair(double& a, double& b) {
    if (!expect('[')) return false;
    auto first = number();
    if (!first || !expect(',')) return false;
    auto second = number();
    if (!second || !expect(']')) return false;
    a = *first;
    b = *second;
    return true;
  }

  std::string_view m_text;
  std::size_t m_at = 0;
};

// How the segments of a line are attributed: as written, as part of a
// contour definition, or retraced by a finishing cycle.
enum class Drawing { Plain, Contour, Retrace };

struct Motion {
  ToolpathPoint pos;
  int mode = -1;  // the modal G0..G3; -1 before the first
};

struct ContourDefinition {
  std::size_t begin = 0, end = 0;  // byte range of its lines in the text (the G80 line excluded)
  std::uint32_t firstLine = 0;     // 1-based
  int mode = -1;                   // the modal motion where it began
};

// A cycle line whose contour was not known when it was read: if the contour
// turns up later, a G85 draws nothing and a G87 retraces it.
struct Deferred {
  std::size_t segment = 0;
  std::string label;
  bool retrace = false;
  ToolpathPoint pos;
};

class Interpreter {
 public:
  Interpreter(std::string_view text, ToolpathPoint home) : m_text(text) { m_motion.pos = home; }

  Toolpath run() {
    // A line draws one segment at most (retraces aside): reserving as many
    // saves the copies of a growing vector, which cost more than the reading.
    std::size_t lines = 1;
    for (const char* at = m_text.data();
         (at = static_cast<const char*>(std::memchr(at, '\n', m_text.size() - (at - m_text.data())))) != nullptr; ++at)
      ++lines;
    m_out.segments.reserve(lines);
    std::size_t start = 0;
    std::uint32_t number = 0;
    for (;;) {
      const void* lf = std::memchr(m_text.data() + start, '\n', m_text.size() - start);
      const std::size_t end =
          lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - m_text.data()) : m_text.size();
      ++number;
      line(start, end, number);
      if (!lf) break;
      start = end + 1;
    }
    resolveDeferred();
    for (const Segment& s : m_out.segments) AddSegmentBounds(m_out.bounds, m_out, s);
    return std::move(m_out);
  }

 private:
  void line(std::size_t start, std::size_t end, std::uint32_t number) {
    const std::string_view text = m_text.substr(start, end - start);
    ReadWords(text, m_lexer.lex(text), m_words);
    const LineWords& w = m_words;
    if (!w.blank.empty()) {
      if (auto rect = BlankReader(w.blank).read()) {
        rect->line = number;
        m_out.blank.push_back(*rect);
      }
    }
    if (!w.tool.empty() && w.cycle == 0) m_tool = toolId(w.tool);

    if (w.contourStart && !w.label.empty()) {
      if (m_open) {
        close(start);
      } else {
        const bool named = m_lastCycle && m_lastCycle->first == w.label;
        m_return = named ? m_lastCycle->second : m_motion.pos;
        m_savedMode = m_motion.mode;
      }
      m_open = OpenContour{std::string(w.label), {start, start, number, m_motion.mode}};
      move(w, m_motion, Drawing::Contour, number, m_out.segments);
      return;
    }
    if (m_open) {
      if (w.contourEnd) {
        close(start);
        m_open.reset();
        m_motion.pos = m_return;
        m_motion.mode = m_savedMode;
        m_lastCycle.reset();
        return;
      }
      move(w, m_motion, Drawing::Contour, number, m_out.segments);
      return;
    }
    if (w.cycle != 0) {
      cycle(w, number);
      return;
    }
    move(w, m_motion, Drawing::Plain, number, m_out.segments);
  }

  void close(std::size_t end) {
    m_open->definition.end = end;
    m_contours[m_open->label] = m_open->definition;
  }

  void cycle(const LineWords& w, std::uint32_t number) {
    const bool named = !w.labelRef.empty() && (w.cycle == 85 || w.cycle == 87);
    if (named && w.cycle == 85) m_lastCycle.emplace(std::string(w.labelRef), m_motion.pos);
    if (named) {
      auto known = m_contours.find(std::string(w.labelRef));
      if (known != m_contours.end()) {
        if (w.cycle == 87) retrace(known->second, m_motion.pos, number, m_out.segments);
        return;
      }
      m_deferred.push_back({m_out.segments.size(), std::string(w.labelRef), w.cycle == 87, m_motion.pos});
    }
    const ToolpathPoint to{w.x.value_or(m_motion.pos.x), w.z.value_or(m_motion.pos.z)};
    straight(SegmentKind::Cycle, m_motion.pos, to, number, m_out.segments);
  }

  // The contour's lines once more from pos, as feed moves of the finishing
  // line; only their motion is read, so a contour naming itself cannot recurse.
  void retrace(const ContourDefinition& c, ToolpathPoint pos, std::uint32_t number, std::vector<Segment>& out) {
    Motion motion{pos, c.mode};
    std::size_t start = c.begin;
    while (start < c.end) {
      const void* lf = std::memchr(m_text.data() + start, '\n', c.end - start);
      const std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - m_text.data()) : c.end;
      const std::string_view text = m_text.substr(start, end - start);
      LineWords w;
      ReadWords(text, m_retraceLexer.lex(text), w);
      move(w, motion, Drawing::Retrace, number, out);
      start = end + 1;
    }
  }

  void resolveDeferred() {
    bool any = false;
    for (const Deferred& d : m_deferred) any = any || m_contours.contains(d.label);
    if (!any) return;
    std::vector<Segment> segments;
    segments.reserve(m_out.segments.size());
    std::size_t next = 0;
    for (std::size_t n = 0; n < m_out.segments.size(); ++n) {
      if (next < m_deferred.size() && m_deferred[next].segment == n) {
        const Deferred& d = m_deferred[next++];
        if (auto known = m_contours.find(d.label); known != m_contours.end()) {
          if (d.retrace) {
            const std::uint32_t keepTool = m_tool;
            m_tool = m_out.segments[n].tool;
            retrace(known->second, d.pos, m_out.segments[n].line, segments);
            m_tool = keepTool;
          }
          continue;
        }
      }
      segments.push_back(m_out.segments[n]);
    }
    m_out.segments = std::move(segments);
  }

  std::uint32_t toolId(std::string_view word) {
    auto [it, added] = m_toolIds.try_emplace(std::string(word), static_cast<std::uint32_t>(m_out.tools.size()));
    if (added) m_out.tools.emplace_back(word);
    return it->second;
  }

  static SegmentKind Styled(SegmentKind kind, Drawing drawing) {
    if (kind == SegmentKind::Error || drawing == Drawing::Plain) return kind;
    return drawing == Drawing::Contour ? SegmentKind::Contour : SegmentKind::Feed;
  }

  void straight(SegmentKind kind, ToolpathPoint from, ToolpathPoint to, std::uint32_t number,
                std::vector<Segment>& out) {
    Segment s;
    s.start = from;
    s.end = to;
    s.line = number;
    s.tool = m_tool;
    s.kind = kind;
    out.push_back(s);
  }

  void problem(std::uint32_t number, ToolpathProblemKind kind, double offBy) {
    m_out.problems.push_back({number, kind, offBy});
  }

  void move(const LineWords& w, Motion& m, Drawing drawing, std::uint32_t number, std::vector<Segment>& out) {
    if (w.motion >= 0) m.mode = w.motion;
    if (!w.x && !w.z) return;
    const ToolpathPoint from = m.pos;
    ToolpathPoint to{w.x.value_or(from.x), w.z.value_or(from.z)};
    const bool reported = drawing != Drawing::Retrace;  // a retrace repeats what its contour reported
    switch (m.mode) {
      case 0:
        straight(Styled(SegmentKind::Rapid, drawing), from, to, number, out);
        break;
      case 1:
        if (w.a && (w.x.has_value() != w.z.has_value())) {
          if (!angled(w, from, to)) {
            if (reported) problem(number, ToolpathProblemKind::AngleGivesNoPoint, 0);
            straight(SegmentKind::Error, from, to, number, out);
            break;
          }
        }
        straight(Styled(SegmentKind::Feed, drawing), from, to, number, out);
        break;
      case 2:
      case 3:
        arc(w, m.mode == 2, from, to, drawing, reported, number, out);
        break;
      default:
        break;  // no motion yet: the position follows, nothing is drawn
    }
    m.pos = to;
  }

  // The end of a G01 line along the angle A from +Z towards growing radius;
  // false when the given coordinate is never reached along it.
  static bool angled(const LineWords& w, ToolpathPoint from, ToolpathPoint& to) {
    const double angle = *w.a * kPi / 180.0;
    const double sine = std::sin(angle), cosine = std::cos(angle);
    if (w.x) {
      const double dr = (*w.x - from.x) / 2;
      if (std::abs(sine) < kAlongAxis) return dr == 0;
      to.z = from.z + dr * cosine / sine;
      return std::isfinite(to.z);
    }
    const double dz = *w.z - from.z;
    if (std::abs(cosine) < kAlongAxis) return dz == 0;
    to.x = from.x + 2 * dz * sine / cosine;
    return std::isfinite(to.x);
  }

  void arc(const LineWords& w, bool clockwise, ToolpathPoint from, ToolpathPoint to, Drawing drawing, bool reported,
           std::uint32_t number, std::vector<Segment>& out) {
    // In the drawing's plane: horizontal z, vertical the radius.
    const double z0 = from.z, r0 = from.x / 2, z1 = to.z, r1 = to.x / 2;
    double cz = z0, cr = r0, off = 0;
    if (w.i || w.k) {
      cz = z0 + w.k.value_or(0);
      cr = r0 + w.i.value_or(0);
      off = std::abs(std::hypot(z1 - cz, r1 - cr) - std::hypot(z0 - cz, r0 - cr));
    } else if (w.l) {
      const double radius = std::abs(*w.l), dz = z1 - z0, dr = r1 - r0;
      const double chord = std::hypot(dz, dr);
      if (chord == 0) return;  // a radius alone gives no circle through one point
      const double half = chord / 2;
      off = std::max(0.0, half - radius);
      const double h = std::sqrt(std::max(0.0, radius * radius - half * half));
      // The shorter arc has its centre on the side it turns towards.
      const double side = clockwise ? 1.0 : -1.0;
      cz = (z0 + z1) / 2 + side * h * dr / chord;
      cr = (r0 + r1) / 2 - side * h * dz / chord;
    } else {
      off = std::hypot(z1 - z0, r1 - r0);
    }
    if (!std::isfinite(off) || !std::isfinite(cz) || !std::isfinite(cr) || off > kArcEndTolerance) {
      if (reported) problem(number, ToolpathProblemKind::ArcEndOffCircle, std::isfinite(off) ? off : 0);
      straight(SegmentKind::Error, from, to, number, out);
      return;
    }
    Segment s;
    s.start = from;
    s.end = to;
    s.centre = static_cast<std::uint32_t>(m_out.centres.size());
    m_out.centres.push_back({cr * 2, cz});
    s.line = number;
    s.tool = m_tool;
    s.kind = Styled(clockwise ? SegmentKind::Cw : SegmentKind::Ccw, drawing);
    s.arc = clockwise ? ArcSense::Clockwise : ArcSense::CounterClockwise;
    out.push_back(s);
  }

  struct OpenContour {
    std::string label;
    ContourDefinition definition;
  };

  std::string_view m_text;
  Toolpath m_out;
  LineLexer m_lexer, m_retraceLexer;
  LineWords m_words;
  Motion m_motion;
  std::uint32_t m_tool = 0;
  std::unordered_map<std::string, std::uint32_t> m_toolIds;
  std::unordered_map<std::string, ContourDefinition> m_contours;
  std::optional<OpenContour> m_open;
  ToolpathPoint m_return;
  int m_savedMode = -1;
  std::optional<std::pair<std::string, ToolpathPoint>> m_lastCycle;  // the last G85 line: its contour and position
  std::vector<Deferred> m_deferred;
};

}  // namespace

void ToolpathBounds::add(ToolpathPoint p) {
  if (empty) {
    minX = maxX = p.x;
    minZ = maxZ = p.z;
    empty = false;
    return;
  }
  minX = std::min(minX, p.x);
  maxX = std::max(maxX, p.x);
  minZ = std::min(minZ, p.z);
  maxZ = std::max(maxZ, p.z);
}

Toolpath InterpretToolpath(std::string_view text, ToolpathPoint home) { return Interpreter(text, home).run(); }

Toolpath InterpretToolpath(std::string_view text, const MachineParameters& machine) {
  return InterpretToolpath(text, ToolpathPoint{machine.HomeX, machine.HomeZ});
}

std::string_view SegmentKindName(SegmentKind kind) {
  switch (kind) {
    case SegmentKind::Rapid:
      return "rapid";
    case SegmentKind::Feed:
      return "feed";
    case SegmentKind::Cw:
      return "cw";
    case SegmentKind::Ccw:
      return "ccw";
    case SegmentKind::Contour:
      return "contour";
    case SegmentKind::Cycle:
      return "cycle";
    case SegmentKind::Error:
      return "error";
  }
  return "error";
}

int ToolNumber(std::string_view word) {
  std::size_t at = 0;
  while (at < word.size() && word[at] >= 'A' && word[at] <= 'Z') ++at;
  if (at < word.size() && word[at] == '=') ++at;
  std::string_view digits = word.substr(at);
  if (digits.empty() || digits.size() > 8 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return -1;
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  if (digits.size() >= 5) return (value / 100) % 100;
  if (digits.size() >= 3) return value / 100;
  return value;
}

double ArcSweep(ToolpathPoint start, ToolpathPoint end, ToolpathPoint centre, ArcSense sense) {
  const double a0 = std::atan2(start.x / 2 - centre.x / 2, start.z - centre.z);
  const double a1 = std::atan2(end.x / 2 - centre.x / 2, end.z - centre.z);
  double sweep = sense == ArcSense::Clockwise ? a0 - a1 : a1 - a0;
  if (sweep <= 0) sweep += 2 * kPi;  // both angles lie in [-pi, pi]
  if (!std::isfinite(sweep) || sweep > 2 * kPi) sweep = 2 * kPi;
  return sweep;
}

void AddSegmentBounds(ToolpathBounds& bounds, const Toolpath& path, const Segment& s) {
  bounds.add(s.start);
  bounds.add(s.end);
  if (s.arc == ArcSense::None) return;
  // The quadrant points the arc passes through.
  const ToolpathPoint c = path.centreOf(s);
  const double radius = std::hypot(s.start.x / 2 - c.x / 2, s.start.z - c.z);
  const double a0 = std::atan2(s.start.x / 2 - c.x / 2, s.start.z - c.z);
  const double sweep = ArcSweep(s.start, s.end, c, s.arc);
  const double direction = s.arc == ArcSense::Clockwise ? -1.0 : 1.0;
  for (int q = 0; q < 4; ++q) {
    const double angle = q * kPi / 2;
    double along = std::fmod(direction * (angle - a0), 2 * kPi);
    if (along < 0) along += 2 * kPi;
    if (along <= sweep) bounds.add({c.x + 2 * radius * std::sin(angle), c.z + radius * std::cos(angle)});
  }
}

}  // namespace quillon
