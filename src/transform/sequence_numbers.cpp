#include "transform/sequence_numbers.h"

#include <cmath>

#include "numbers/nc_number.h"

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

class Arranger {
 public:
  Arranger(std::string_view text, const ArrangeOptions& options)
      : m_text(text), m_options(options), m_n(options.start),
        m_largest(std::pow(10.0, DigitCount(options.digits)) - 1) {
    m_out.reserve(text.size() + text.size() / 4 + 16);
  }

  ArrangeResult run(std::size_t caret) {
    std::size_t lineStart = 0;
    bool hasPrevious = false;
    std::size_t judgeFrom = 0;  // where the previous line is searched for a program end
    if (!m_options.fromTop && caret > 0) {
      const std::size_t lf = m_text.find('\n', std::min(caret, m_text.size()));
      if (lf == std::string_view::npos) return finish(0);
      m_out.append(m_text.substr(0, lf + 1));
      lineStart = lf + 1;
      hasPrevious = true;
      judgeFrom = caret;
    }
    for (;;) {
      if (hasPrevious && programEnds(judgeFrom)) return finish(lineStart);
      const std::size_t outLineStart = m_out.size();
      const std::size_t lf = m_text.find('\n', lineStart);
      const std::size_t lineEnd = lf == std::string_view::npos ? m_text.size() : lf;
      numberLine(lineStart, lineEnd);
      if (lf == std::string_view::npos) return finish(m_text.size());
      m_out.push_back('\n');
      lineStart = lf + 1;
      hasPrevious = true;
      // The first character of a judged line is never part of a program end word.
      judgeFrom = outLineStart + 1;
    }
  }

 private:
  // The remaining input is copied unchanged from `from`.
  ArrangeResult finish(std::size_t from) {
    m_out.append(m_text.substr(std::min(from, m_text.size())));
    const std::size_t caret = m_out.size();
    return ArrangeResult{std::move(m_out), caret};
  }

  // The previous line stands complete in m_out, its line feed last.
  bool programEnds(std::size_t judgeFrom) {
    const std::string_view written(m_out);
    const std::size_t lineFeed = written.size() - 1;
    bool found = false;
    for (std::string_view code : kProgramEnds) {
      if (!MCheck(written, judgeFrom, lineFeed, code)) continue;
      if (m_options.stopAtProgramEnd) return true;
      found = true;
    }
    if (found && !m_options.continuous) m_n = m_options.start;
    return false;
  }

  int charAt(std::size_t k, std::size_t lineEnd) const {
    if (k < lineEnd) return static_cast<unsigned char>(m_text[k]);
    return k < m_text.size() ? '\n' : -1;
  }

  std::size_t skipBlanks(std::size_t k, std::size_t lineEnd) const {
    while (k < lineEnd && m_text[k] == ' ') ++k;
    return k;
  }

  std::string spacingBefore(int judged) const {
    switch (m_options.spacing) {
      case SequenceSpacing::None:
        return {};
      case SequenceSpacing::One:
        return " ";
      case SequenceSpacing::Five:
        break;
    }
    return (judged == 'X' || judged == 'Y' || judged == 'Z') ? "     " : " ";
  }

  void numberLine(std::size_t lineStart, std::size_t lineEnd) {
    const int first = charAt(lineStart, lineEnd);
    if (KeepsLineUnnumbered(first)) {
      m_out.append(m_text.substr(lineStart, lineEnd - lineStart));
      return;
    }
    std::string word = SequenceNumberWord(m_n, m_options.digits);
    std::size_t oldWordEnd = lineStart;  // the old word (N word or label) ends here
    if (first == 'N') {
      const int second = charAt(lineStart + 1, lineEnd);
      if (second >= 'A' && second <= 'Z') {
        // A label (NLAB1) is kept and uses up a number.
        oldWordEnd = lineStart + 1;
        while (oldWordEnd < lineEnd && m_text[oldWordEnd] != ' ' && m_text[oldWordEnd] != '\t' &&
               m_text[oldWordEnd] != '\r')
          ++oldWordEnd;
        word.assign(m_text.substr(lineStart, oldWordEnd - lineStart));
      } else {
        oldWordEnd = lineStart + 1;
        // The character after N belongs to the old word unless it ends the
        // line: a line of just "N" keeps its line end.
        if (oldWordEnd < lineEnd && m_text[oldWordEnd] != '\r') ++oldWordEnd;
        while (oldWordEnd < lineEnd && m_text[oldWordEnd] >= '0' && m_text[oldWordEnd] <= '9') ++oldWordEnd;
      }
    }
    const std::size_t restStart = skipBlanks(oldWordEnd, lineEnd);
    m_out += word;
    m_out += spacingBefore(charAt(restStart, lineEnd));
    m_out.append(m_text.substr(restStart, lineEnd - restStart));
    m_n += m_options.step;
    if (m_n > m_largest) m_n = m_options.step;
  }

  std::string_view m_text;
  ArrangeOptions m_options;
  double m_n;
  double m_largest;  // D nines
  std::string m_out;
};

}  // namespace

ArrangeResult ArrangeSequenceNumbers(std::string_view text, const ArrangeOptions& options, std::size_t caret) {
  return Arranger(text, options).run(caret);
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
  const std::string number = ShortestNumberText(n);
  const int width = DigitCount(digits);
  std::string word = "N";
  if (static_cast<std::size_t>(width) > number.size()) word.append(width - number.size(), '0');
  return word + number;
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

DocumentEdit ArrangeEdit(std::string_view text, const ArrangeOptions& options, std::size_t caret) {
  ArrangeResult result = ArrangeSequenceNumbers(text, options, caret);
  return ChangedSpan(text, result.text, result.caret);
}

}  // namespace quillon
