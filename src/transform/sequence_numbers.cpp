#include "transform/sequence_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "numbers/nc_number.h"
#include "transform/jump_targets.h"

namespace quillon {
namespace {

// A lone CR (not part of a line end) counts as a line end wherever the rules
// look for one, as it did in the CR LF text these rules were made for.
bool IsLineEnd(char ch) { return ch == '\n' || ch == '\r'; }

bool IsWordDelimiter(char ch) { return ch == ' ' || IsLineEnd(ch); }

// Lines that carry no sequence number: comments, program names, macros,
// block skips, TAB lines, empty lines.
bool KeepsLineUnnumbered(int first) {
  switch (first) {
    case -1:  // end of the text
    case '\n':
    case '\r':
    case '\t':
    case '-':
    case '<':
    case '&':
    case '$':
    case '(':
    case '%':
    case 'O':
      return true;
    default:
      return false;
  }
}

// clang-format off
// Program ends, asked in this order.
constexpr std::string_view kProgramEnds[] = {"M02", "M2", "M30", "RTS"};
// clang-format on

int DigitCount(double digits) {
  // Whole digits as the dialog's entry rounds them (halves to even).
  const double d = std::nearbyint(digits);
  return d < 0 ? 0 : static_cast<int>(std::fmin(d, 308));
}

// Beyond this a whole number is no longer written digit for digit by the
// shortest text (15 significant digits).
constexpr double kLargestWholeWord = 1e15;

// The document text through SequenceNumberer: the lines after the caret's
// line, each judged on the line before it as written.
class Arranger {
 public:
  Arranger(std::string_view text, const ArrangeOptions& options) : m_text(text), m_numberer(options) {
    m_out.reserve(text.size() + text.size() / 4 + 16);
  }

  ArrangeResult run(const ArrangeOptions& options, std::size_t caret) {
    std::size_t lineStart = 0;
    bool hasPrevious = false;
    std::size_t judgedStart = 0;  // the previous line as written
    std::size_t judgeFrom = 0;    // where it is searched for a program end
    if (!options.fromTop && caret > 0) {
      const std::size_t lf = m_text.find('\n', std::min(caret, m_text.size()));
      if (lf == std::string_view::npos) return finish(0);
      m_out.append(m_text.substr(0, lf + 1));
      lineStart = lf + 1;
      hasPrevious = true;
      judgedStart = m_text.rfind('\n', caret - 1) + 1;  // npos + 1 == 0
      judgeFrom = caret - judgedStart;
    }
    for (;;) {
      if (hasPrevious) {
        const std::string_view judged = std::string_view(m_out).substr(judgedStart, m_out.size() - 1 - judgedStart);
        if (!m_numberer.nextLine(EndsProgram(judged, judgeFrom))) return finish(lineStart);
      }
      judgedStart = m_out.size();
      // The first character of a judged line is never part of a program end word.
      judgeFrom = 1;
      const std::size_t lf = m_text.find('\n', lineStart);
      const std::size_t lineEnd = lf == std::string_view::npos ? m_text.size() : lf;
      m_numberer.appendLine(m_text.substr(lineStart, lineEnd - lineStart), m_out);
      if (lf == std::string_view::npos) return finish(m_text.size());
      m_out.push_back('\n');
      lineStart = lf + 1;
      hasPrevious = true;
    }
  }

 private:
  // The remaining input is copied unchanged from `from`.
  ArrangeResult finish(std::size_t from) {
    m_out.append(m_text.substr(std::min(from, m_text.size())));
    const std::size_t caret = m_out.size();
    return ArrangeResult{std::move(m_out), caret};
  }

  std::string_view m_text;
  SequenceNumberer m_numberer;
  std::string m_out;
};

bool IsUpperCase(int ch) { return ch >= 'A' && ch <= 'Z'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsNumberCharacter(char ch) { return IsDigit(ch) || ch == '+' || ch == '-' || ch == '.'; }

bool IsWhole(double v) { return std::isfinite(v) && v == std::trunc(v); }

}  // namespace

SequenceNumberer::SequenceNumberer(const ArrangeOptions& options)
    : m_options(options),
      m_n(options.start),
      m_largest(std::pow(10.0, DigitCount(options.digits)) - 1),
      m_width(DigitCount(options.digits)) {}

bool SequenceNumberer::nextLine(bool previousEndsProgram) {
  if (!previousEndsProgram) return true;
  if (m_options.stopAtProgramEnd) return false;
  if (!m_options.continuous) m_n = m_options.start;
  return true;
}

std::optional<double> SequenceNumberer::appendLine(std::string_view line, std::string& out) {
  if (m_options.keepTargets) {
    std::size_t indent = 0;
    while (indent < line.size() && (line[indent] == ' ' || line[indent] == '\t')) ++indent;
    if (indent > 0 && indent + 1 < line.size() && line[indent] == 'N') {
      if (IsUpperCase(static_cast<unsigned char>(line[indent + 1]))) {
        // An indented label keeps its text and uses up a number.
        out.append(line);
        advance();
        return std::nullopt;
      }
      if (IsDigit(line[indent + 1])) {
        // An indented number is renumbered where it stands.
        out.append(line.substr(0, indent));
        return appendWords(line.substr(indent), out);
      }
    }
  }
  return appendWords(line, out);
}

void SequenceNumberer::advance() {
  m_n += m_options.step;
  if (m_n > m_largest) m_n = m_options.step;
}

std::optional<double> SequenceNumberer::appendWords(std::string_view line, std::string& out) {
  // Past the line's text stands its line end (or the end of the text, which
  // every rule below treats alike).
  const auto charAt = [line](std::size_t k) -> int {
    return k < line.size() ? static_cast<unsigned char>(line[k]) : '\n';
  };
  if (KeepsLineUnnumbered(charAt(0))) {
    out.append(line);
    return std::nullopt;
  }
  std::size_t oldWordEnd = 0;  // the old word (N word or label) ends here
  bool label = false;
  if (line[0] == 'N') {
    oldWordEnd = 1;
    if (IsUpperCase(charAt(1))) {
      // A label (NLAB1) is kept and uses up a number.
      label = true;
      while (oldWordEnd < line.size() && line[oldWordEnd] != ' ' && line[oldWordEnd] != '\t' &&
             line[oldWordEnd] != '\r')
        ++oldWordEnd;
    } else {
      // Digits, signs and points after N belong to the old word; anything
      // else ("N(", "Na") stays in the text.
      while (oldWordEnd < line.size() && IsNumberCharacter(line[oldWordEnd])) ++oldWordEnd;
    }
  }
  std::size_t restStart = oldWordEnd;
  while (restStart < line.size() && line[restStart] == ' ') ++restStart;
  if (label)
    out.append(line.substr(0, oldWordEnd));
  else
    AppendSequenceNumberWord(m_n, m_width, out);
  switch (m_options.spacing) {
    case SequenceSpacing::None:
      break;
    case SequenceSpacing::One:
      out.push_back(' ');
      break;
    case SequenceSpacing::Five: {
      const int judged = charAt(restStart);
      out.append(judged == 'X' || judged == 'Y' || judged == 'Z' ? "     " : " ");
      break;
    }
  }
  out.append(line.substr(restStart));
  const double given = m_n;
  advance();
  if (label) return std::nullopt;
  return given;
}

bool EndsProgram(std::string_view line, std::size_t from) {
  constexpr std::size_t kWords = std::size(kProgramEnds);
  std::size_t first[kWords];  // first occurrence of each word, npos: none yet
  std::fill(std::begin(first), std::end(first), std::string_view::npos);
  std::size_t open = kWords;
  for (std::size_t p = from; p < line.size() && open > 0; ++p) {
    if (line[p] != 'M' && line[p] != 'R') continue;
    for (std::size_t k = 0; k < kWords; ++k) {
      if (first[k] != std::string_view::npos || line.compare(p, kProgramEnds[k].size(), kProgramEnds[k]) != 0) continue;
      first[k] = p;
      --open;
    }
  }
  for (std::size_t k = 0; k < kWords; ++k) {
    const std::size_t p = first[k];
    if (p == std::string_view::npos) continue;
    const std::size_t after = p + kProgramEnds[k].size();
    if ((p == 0 || IsWordDelimiter(line[p - 1])) && (after == line.size() || IsWordDelimiter(line[after]))) return true;
  }
  return false;
}

ArrangeResult ArrangeSequenceNumbers(std::string_view text, const ArrangeOptions& options, std::size_t caret) {
  return Arranger(text, options).run(options, caret);
}

bool MCheck(std::string_view text, std::size_t searchFrom, std::size_t lineEnd, std::string_view mcode) {
  if (mcode.empty() || searchFrom >= lineEnd || lineEnd > text.size()) return false;
  // An occurrence that starts before the line feed ends before it too, so
  // looking only inside the line keeps the run linear.
  const std::size_t p = text.substr(0, lineEnd).find(mcode, searchFrom);
  if (p == std::string_view::npos) return false;
  const bool blankBefore = p == 0 || IsWordDelimiter(text[p - 1]);
  const std::size_t after = p + mcode.size();
  const bool blankAfter = after == text.size() || IsWordDelimiter(text[after]);
  return blankBefore && blankAfter;
}

std::string SequenceNumberWord(double n, double digits) {
  std::string word;
  AppendSequenceNumberWord(n, DigitCount(digits), word);
  return word;
}

void AppendSequenceNumberWord(double n, int width, std::string& out) {
  char buf[32];
  std::string_view number;
  std::string wide;
  if (n == std::trunc(n) && std::fabs(n) < kLargestWholeWord) {
    // The usual case: whole numbers, written as the shortest text would.
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(n));
    number = std::string_view(buf, static_cast<std::size_t>(res.ptr - buf));
  } else {
    wide = ShortestNumberText(n);
    number = wide;
  }
  out.push_back('N');
  if (static_cast<std::size_t>(width) > number.size()) out.append(width - number.size(), '0');
  out.append(number);
}

std::optional<std::string> AutoNumberPrefix(std::string_view text, std::size_t caret, char key) {
  if (key == kBackspaceKey) return std::nullopt;
  if (caret == 0 || caret > text.size() || text[caret - 1] != '\n') return std::nullopt;
  switch (key) {
    case 'I':
    case 'G':
    case 'C':
      return "N000 ";
    case '(':
    case '\t':
    case 'N':
      return std::nullopt;
    default:
      return "N000     ";
  }
}

std::optional<std::string> ArrangeOptionsProblem(const ArrangeOptions& options) {
  if (!IsWhole(options.digits) || options.digits < 1 || options.digits > 9)
    return "Digit Number must be a whole number from 1 to 9.";
  if (!IsWhole(options.start) || options.start < 0 || options.start > kLargestArrangeValue)
    return "Start Number must be a whole number from 0 to 999999999.";
  if (!IsWhole(options.step) || options.step < 1 || options.step > kLargestArrangeValue)
    return "Add Value must be a whole number from 1 to 999999999.";
  return std::nullopt;
}

DocumentEdit ArrangeEdit(std::string_view text, const ArrangeOptions& options, std::size_t caret) {
  ArrangeResult result = ArrangeSequenceNumbers(text, options, caret);
  if (!options.keepTargets) return ChangedSpan(text, result.text, result.caret);
  FollowedJumps followed = FollowJumps(text, result.text);
  DocumentEdit edit = ChangedSpan(text, followed.text, followed.text.size());
  edit.message = ToolMessage{"Sequence Number Arrange", followed.report};
  return edit;
}

}  // namespace quillon
