#include "program/nc_lexer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace quillon {

namespace {

// Byte classes, looked up once per byte: the lexer runs over whole programs
// of millions of lines and must not branch on ranges for every byte.
enum : std::uint8_t {
  kBlankClass = 1u << 0,    // ' ' '\t'
  kUpperClass = 1u << 1,    // A-Z
  kDigitClass = 1u << 2,    // 0-9
  kNumberClass = 1u << 3,   // 0-9 . + -
  kExprClass = 1u << 4,     // what an "=" value is made of: A-Z 0-9 . + - * /
  kUnknownClass = 1u << 5,  // bytes that start no token of their own
};

constexpr std::array<std::uint8_t, 256> MakeClasses() {
  std::array<std::uint8_t, 256> c{};
  for (int b = 0; b < 256; ++b) {
    std::uint8_t k = 0;
    if (b == ' ' || b == '\t') k |= kBlankClass;
    if (b >= 'A' && b <= 'Z') k |= kUpperClass | kExprClass;
    if (b >= '0' && b <= '9') k |= kDigitClass | kNumberClass | kExprClass;
    if (b == '.' || b == '+' || b == '-') k |= kNumberClass | kExprClass;
    if (b == '*' || b == '/') k |= kExprClass;
    const bool starts =
        (k & (kBlankClass | kUpperClass | kNumberClass)) || b == '(' || b == '[' || b == ']' || b == ',';
    if (!starts) k |= kUnknownClass;
    c[static_cast<std::size_t>(b)] = k;
  }
  return c;
}
constexpr std::array<std::uint8_t, 256> kClasses = MakeClasses();

inline bool Is(unsigned char byte, std::uint8_t cls) { return (kClasses[byte] & cls) != 0; }

// Keywords and what they start.
enum class KeywordRole : std::uint8_t { Plain, Call, Goto, If, Arguments };

struct KeywordRow {
  std::string_view word;
  KeywordRole role;
  bool insideBrackets;  // also a keyword inside a bracket group
};

// clang-format off
constexpr KeywordRow kKeywords[] = {
  // word     role                   inside brackets
  {"CALL",    KeywordRole::Call,      false},
  {"GOTO",    KeywordRole::Goto,      false},
  {"IF",      KeywordRole::If,        false},
  {"RTS",     KeywordRole::Plain,     false},
  {"CLEAR",   KeywordRole::Plain,     false},
  {"DEF",     KeywordRole::Arguments, false},
  {"END",     KeywordRole::Plain,     false},
  {"DRAW",    KeywordRole::Plain,     false},
  {"PS",      KeywordRole::Arguments, false},
  {"PF",      KeywordRole::Arguments, false},
  {"PO",      KeywordRole::Arguments, false},
  {"CI",      KeywordRole::Arguments, false},
  {"EQ",      KeywordRole::Plain,     true},
  {"NE",      KeywordRole::Plain,     true},
  {"GT",      KeywordRole::Plain,     true},
  {"LT",      KeywordRole::Plain,     true},
  {"GE",      KeywordRole::Plain,     true},
  {"LE",      KeywordRole::Plain,     true},
};
// clang-format on

const KeywordRow* FindKeyword(std::string_view letters) {
  if (letters.size() < 2 || letters.size() > 5) return nullptr;
  for (const KeywordRow& row : kKeywords)
    if (row.word == letters) return &row;
  return nullptr;
}

// The kind of an address word, by its address.
TokenKind WordKind(std::string_view address, std::string_view value, ValueKind valueKind) {
  if (address.size() == 1) {
    switch (address[0]) {
      case 'G': {
        // G0..G3 written as whole numbers, with or without leading zeros.
        if (valueKind != ValueKind::Number || value.empty()) return TokenKind::GCode;
        std::size_t k = 0;
        while (k + 1 < value.size() && value[k] == '0') ++k;
        return value.size() - k == 1 && value[k] >= '0' && value[k] <= '3' ? TokenKind::MotionG : TokenKind::GCode;
      }
      case 'M':
        return TokenKind::MCode;
      case 'X':
      case 'Z':
      case 'Y':
      case 'C':
      case 'A':
      case 'B':
        return TokenKind::Coordinate;
      case 'F':
      case 'S':
      case 'T':
        return TokenKind::FeedSpeedTool;
      default:
        return TokenKind::Word;
    }
  }
  if (address == "TG" || address == "TL" || address == "SB") return TokenKind::FeedSpeedTool;
  if (address[0] == 'V') return TokenKind::VariableWord;
  return TokenKind::Word;
}

ValueKind NumberKind(std::string_view text) { return IsNcNumber(text) ? ValueKind::Number : ValueKind::Malformed; }

// Frames of the header comments: dashes, "<", the title, ">", dashes.
bool IsHeaderFrame(const unsigned char* s, std::uint32_t from, std::uint32_t to) {
  std::uint32_t i = from;
  while (i < to && s[i] == '-') ++i;
  if (i == from || i >= to || s[i] != '<') return false;
  std::uint32_t j = to;
  while (j > i && s[j - 1] == '-') --j;
  return j < to && j > i + 1 && s[j - 1] == '>';
}

// One line's lexing.
class Run {
 public:
  Run(std::string_view line, std::vector<Token>& out, std::vector<std::uint32_t>& open)
      : m_s(reinterpret_cast<const unsigned char*>(line.data())),
        m_n(static_cast<std::uint32_t>(line.size())),
        m_out(out),
        m_open(open) {}

  void lexLine() {
    if (m_n == 1 && m_s[0] == '\t') {
      push(TokenKind::TabLine, 0, 1);
      return;
    }
    blanks();
    if (m_pos < m_n && m_s[m_pos] == '/') {
      std::uint32_t end = m_pos + 1;
      if (end < m_n && m_s[end] >= '1' && m_s[end] <= '9') ++end;
      push(TokenKind::BlockSkip, m_pos, end);
      blanks();
    }
    lineStart();
    while (m_pos < m_n) next();
    for (std::uint32_t index : m_open) m_out[index].flags |= kTokenUnclosed;
  }

 private:
  Token& push(TokenKind kind, std::uint32_t start, std::uint32_t end) {
    Token& t = m_out.emplace_back();
    t.start = start;
    t.length = end - start;
    t.addressEnd = end;
    t.valueStart = end;
    t.kind = kind;
    t.depth = static_cast<std::uint8_t>(std::min(m_depth, 255u));
    if (m_depth > 0) t.flags = kTokenInBrackets;
    if (kind != TokenKind::Blank) m_expect = Expect::None;
    m_pos = end;
    return t;
  }

  std::uint32_t runOf(std::uint32_t from, std::uint8_t cls) const {
    while (from < m_n && Is(m_s[from], cls)) ++from;
    return from;
  }
  std::uint32_t alnumRun(std::uint32_t from) const { return runOf(from, kUpperClass | kDigitClass); }

  void blanks() {
    if (m_pos < m_n && Is(m_s[m_pos], kBlankClass)) push(TokenKind::Blank, m_pos, runOf(m_pos, kBlankClass));
  }

  void lineStart() {
    if (m_pos >= m_n) return;
    const unsigned char c = m_s[m_pos];
    const unsigned char c1 = m_pos + 1 < m_n ? m_s[m_pos + 1] : 0;
    if (c == 'N' && Is(c1, kDigitClass)) {
      push(TokenKind::SequenceNumber, m_pos, runOf(m_pos + 1, kDigitClass));
    } else if (c == 'N' && Is(c1, kUpperClass)) {
      const std::uint32_t end = alnumRun(m_pos + 1);
      if (end < m_n && m_s[end] == '=') return;  // an "=" word after all
      const bool noex = end - m_pos == 4 && std::memcmp(m_s + m_pos, "NOEX", 4) == 0;
      push(noex ? TokenKind::NoexWord : TokenKind::SequenceName, m_pos, end);
    } else if (c == 'O' && Is(c1, kUpperClass | kDigitClass)) {
      const std::uint32_t end = alnumRun(m_pos + 1);
      if (end < m_n && m_s[end] == '=') return;
      push(TokenKind::ProgramName, m_pos, end);
    } else if (c == '%') {
      push(TokenKind::Percent, m_pos, m_pos + 1);
    } else if (c == '$') {
      push(TokenKind::Continuation, m_pos, m_pos + 1);
    } else if (c == '-') {
      std::uint32_t end = m_n;
      while (end > m_pos && Is(m_s[end - 1], kBlankClass)) --end;
      if (IsHeaderFrame(m_s, m_pos, end)) push(TokenKind::HeaderComment, m_pos, end);
    }
  }

  void next() {
    const unsigned char c = m_s[m_pos];
    if (Is(c, kBlankClass)) return blanks();
    switch (c) {
      case '(':
        return comment();
      case '[': {
        const auto index = static_cast<std::uint32_t>(m_out.size());
        push(TokenKind::BracketOpen, m_pos, m_pos + 1);
        m_open.push_back(index);
        ++m_depth;
        return;
      }
      case ']': {
        if (m_depth == 0) {
          push(TokenKind::BracketClose, m_pos, m_pos + 1).flags |= kTokenUnmatched;
          return;
        }
        --m_depth;
        m_open.pop_back();
        push(TokenKind::BracketClose, m_pos, m_pos + 1);
        if (m_depth == 0 && m_ifPending) {
          m_ifPending = false;
          m_expect = Expect::Label;
        }
        return;
      }
      case ',':
        return void(push(TokenKind::Separator, m_pos, m_pos + 1));
      default:
        break;
    }
    if (m_depth > 0) return insideBrackets(c);
    if (Is(c, kUpperClass)) return letters();
    if (Is(c, kDigitClass) || c == '.') return number(m_pos);
    if ((c == '+' || c == '-') && m_pos + 1 < m_n && (Is(m_s[m_pos + 1], kDigitClass) || m_s[m_pos + 1] == '.'))
      return number(m_pos);
    unknown();
  }

  void comment() {
    const void* close = std::memchr(m_s + m_pos + 1, ')', m_n - m_pos - 1);
    if (!close) {
      push(TokenKind::OpenComment, m_pos, m_n).flags |= kTokenUnclosed;
      return;
    }
    const auto end = static_cast<std::uint32_t>(static_cast<const unsigned char*>(close) - m_s) + 1;
    push(IsHeaderFrame(m_s, m_pos + 1, end - 1) ? TokenKind::HeaderComment : TokenKind::Comment, m_pos, end);
  }

  void number(std::uint32_t from) {
    std::uint32_t end = from + 1;
    while (end < m_n && (Is(m_s[end], kDigitClass) || m_s[end] == '.')) ++end;
    Token& t = push(TokenKind::Number, from, end);
    t.valueStart = from;
    t.addressEnd = from;
    t.value = NumberKind(text(from, end));
  }

  // Stray bytes, and signs that start no number, up to the next byte that
  // starts a token.
  void unknown() {
    std::uint32_t end = m_pos;
    while (end < m_n && (Is(m_s[end], kUnknownClass) || (m_depth == 0 && isStraySign(end)))) ++end;
    push(TokenKind::Unknown, m_pos, std::max(end, m_pos + 1));
  }

  bool isStraySign(std::uint32_t at) const {
    if (m_s[at] != '+' && m_s[at] != '-') return false;
    return at + 1 >= m_n || !(Is(m_s[at + 1], kDigitClass) || m_s[at + 1] == '.');
  }

  void insideBrackets(unsigned char c) {
    if (Is(c, kUpperClass)) {
      const std::uint32_t letters = runOf(m_pos, kUpperClass);
      const KeywordRow* row = FindKeyword(text(m_pos, letters));
      if (row && row->insideBrackets) {
        push(TokenKind::Keyword, m_pos, letters);
        return;
      }
      push(TokenKind::Variable, m_pos, runOf(letters, kDigitClass));
    } else if (Is(c, kDigitClass) || c == '.') {
      number(m_pos);
    } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '=') {
      push(TokenKind::Operator, m_pos, m_pos + 1);
    } else {
      unknown();
    }
  }

  void letters() {
    const std::uint32_t a = m_pos;
    const std::uint32_t le = runOf(a, kUpperClass);
    if (m_expect == Expect::CallTarget && m_s[a] == 'O') {
      push(TokenKind::CallTarget, a, alnumRun(a));
      return;
    }
    const std::string_view run = text(a, le);
    const bool valueFollows = le < m_n && (Is(m_s[le], kDigitClass) || m_s[le] == '=');
    if (const KeywordRow* row = FindKeyword(run); row && !valueFollows) {
      push(TokenKind::Keyword, a, le);
      switch (row->role) {
        case KeywordRole::Call:
          m_expect = Expect::CallTarget;
          break;
        case KeywordRole::Goto:
          m_expect = Expect::Label;
          break;
        case KeywordRole::If:
          m_ifPending = true;
          break;
        case KeywordRole::Arguments:
          m_arguments = true;
          break;
        case KeywordRole::Plain:
          break;
      }
      return;
    }
    if (m_s[a] == 'N' && (le - a > 1 || m_expect == Expect::Label)) {
      const std::uint32_t end = alnumRun(a);
      if (end >= m_n || m_s[end] != '=') {
        const bool jump = m_expect == Expect::Label;
        if (jump)
          push(TokenKind::LabelReference, a, end).flags |= kTokenJump;
        else
          push(TokenKind::LabelReference, a, end);
        return;
      }
    }
    // Graphic-command arguments are names (WORK, RC, D, R), not addresses.
    if (m_arguments && (le >= m_n || (!Is(m_s[le], kNumberClass) && m_s[le] != '='))) {
      push(TokenKind::Name, a, le);
      return;
    }
    word(a, le);
  }

  // Where the bracket group starting at from ends, and whether its "]" was
  // found (a comment or the line end leaves it open).
  std::pair<std::uint32_t, bool> bracketGroup(std::uint32_t from) const {
    int depth = 0;
    for (std::uint32_t i = from; i < m_n; ++i) {
      const unsigned char c = m_s[i];
      if (c == '[')
        ++depth;
      else if (c == ']' && --depth == 0)
        return {i + 1, true};
      else if (c == '(')
        return {i, false};
    }
    return {m_n, false};
  }

  void word(std::uint32_t a, std::uint32_t le) {
    const std::uint32_t d = runOf(le, kDigitClass);
    std::uint32_t addressEnd = le, valueStart = le, end = le;
    bool equals = false, unclosed = false;
    ValueKind value = ValueKind::None;
    auto equalsValue = [&](std::uint32_t at) {
      addressEnd = at;
      equals = true;
      valueStart = at + 1;
      end = expressionValue(valueStart, value, unclosed);
    };
    if (d < m_n && m_s[d] == '=') {
      equalsValue(d);
    } else if (d < m_n && m_s[d] == '[' && (d > le || (le - a > 1 && m_s[a] == 'V'))) {
      // A subscripted variable: VTLIN[5]=1, VTLA1[5]=55.
      const auto [after, closed] = bracketGroup(d);
      if (closed && after < m_n && m_s[after] == '=') {
        equalsValue(after);
      } else {
        addressEnd = valueStart = end = after;
        unclosed = !closed;
      }
    } else if (d > le || (le < m_n && (m_s[le] == '.' || m_s[le] == '+' || m_s[le] == '-'))) {
      end = runOf(le, kNumberClass);
      value = NumberKind(text(le, end));
    } else if (le < m_n && m_s[le] == '[') {
      const auto [after, closed] = bracketGroup(le);
      end = after;
      value = ValueKind::Expression;
      unclosed = !closed;
    } else if (le - a > 1) {
      push(TokenKind::Name, a, le);
      return;
    }
    const TokenKind kind = WordKind(text(a, addressEnd), text(valueStart, end), value);
    Token& t = push(kind, a, end);
    t.addressEnd = addressEnd;
    t.valueStart = valueStart;
    t.value = value;
    if (equals) t.flags |= kTokenHasEquals;
    if (unclosed) t.flags |= kTokenUnclosed;
  }

  // The value after "=": numbers, variables, operators and bracket groups up
  // to a blank, a comment, a "," or the line end.
  std::uint32_t expressionValue(std::uint32_t from, ValueKind& value, bool& unclosed) const {
    std::uint32_t i = from;
    bool onlyNumber = true, brackets = false, operators = false;
    while (i < m_n) {
      const unsigned char c = m_s[i];
      if (c == '[') {
        const auto [after, closed] = bracketGroup(i);
        brackets = true;
        onlyNumber = false;
        i = after;
        if (!closed) {
          unclosed = true;
          break;
        }
      } else if (Is(c, kExprClass)) {
        if (!Is(c, kNumberClass)) onlyNumber = false;
        if (c == '*' || c == '/' || ((c == '+' || c == '-') && i > from)) operators = true;
        ++i;
      } else {
        break;
      }
    }
    const std::string_view v = text(from, i);
    if (v.empty())
      value = ValueKind::None;
    else if (onlyNumber)
      value = NumberKind(v);
    else if (!operators && IsVariableName(v, brackets))
      value = ValueKind::Variable;
    else
      value = ValueKind::Expression;
    return i;
  }

  // Letters, digits and at most one subscript at the end: VC1, VTLIN[5].
  static bool IsVariableName(std::string_view v, bool brackets) {
    std::size_t k = 0;
    while (k < v.size() && v[k] >= 'A' && v[k] <= 'Z') ++k;
    if (k == 0) return false;
    while (k < v.size() && v[k] >= '0' && v[k] <= '9') ++k;
    if (k == v.size()) return true;
    return brackets && v[k] == '[' && v.back() == ']' && v.find('[', k + 1) == std::string_view::npos;
  }

  std::string_view text(std::uint32_t from, std::uint32_t to) const {
    return {reinterpret_cast<const char*>(m_s) + from, to - from};
  }

  enum class Expect : std::uint8_t { None, CallTarget, Label };

  const unsigned char* m_s;
  std::uint32_t m_n;
  std::uint32_t m_pos = 0;
  unsigned m_depth = 0;
  std::vector<Token>& m_out;
  std::vector<std::uint32_t>& m_open;
  Expect m_expect = Expect::None;
  bool m_ifPending = false;
  bool m_arguments = false;
};

}  // namespace

bool IsAddressWord(TokenKind kind) {
  switch (kind) {
    case TokenKind::MotionG:
    case TokenKind::GCode:
    case TokenKind::MCode:
    case TokenKind::Coordinate:
    case TokenKind::FeedSpeedTool:
    case TokenKind::VariableWord:
    case TokenKind::Word:
      return true;
    default:
      return false;
  }
}

bool IsComment(TokenKind kind) {
  return kind == TokenKind::Comment || kind == TokenKind::OpenComment || kind == TokenKind::HeaderComment;
}

const std::vector<Token>& LineLexer::lex(std::string_view line) {
  if (line.size() >= std::numeric_limits<std::uint32_t>::max()) throw std::length_error("NC line of 4 GiB or more");
  m_tokens.clear();
  m_open.clear();
  Run(line, m_tokens, m_open).lexLine();
  return m_tokens;
}

std::vector<Token> LexLine(std::string_view line) {
  LineLexer lexer;
  return lexer.lex(line);
}

std::string_view HeaderTitle(std::string_view line, const Token& token) {
  if (token.kind != TokenKind::HeaderComment) return {};
  const std::string_view text = TokenText(line, token);
  const std::size_t open = text.find('<'), close = text.rfind('>');
  if (open == std::string_view::npos || close == std::string_view::npos || close <= open) return {};
  std::string_view title = text.substr(open + 1, close - open - 1);
  while (!title.empty() && (title.front() == ' ' || title.front() == '\t')) title.remove_prefix(1);
  while (!title.empty() && (title.back() == ' ' || title.back() == '\t')) title.remove_suffix(1);
  return title;
}

std::optional<double> WordNumber(std::string_view line, const Token& token) {
  if (token.value != ValueKind::Number) return std::nullopt;
  return ParseNcNumber(ValueText(line, token));
}

bool IsNcNumber(std::string_view text) {
  std::size_t k = 0;
  if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
  std::size_t digits = 0, points = 0;
  for (std::size_t i = k; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9')
      ++digits;
    else if (text[i] == '.')
      ++points;
    else
      return false;
  }
  return digits > 0 && points <= 1;
}

std::optional<double> ParseNcNumber(std::string_view text) {
  if (!IsNcNumber(text)) return std::nullopt;
  // from_chars takes no plus sign.
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

int DecimalCount(std::string_view number) {
  const std::size_t point = number.find('.');
  return point == std::string_view::npos ? 0 : static_cast<int>(number.size() - point - 1);
}

const Token* TokenAt(const std::vector<Token>& tokens, std::uint32_t offset) {
  if (tokens.empty()) return nullptr;
  const auto it = std::upper_bound(tokens.begin(), tokens.end(), offset,
                                   [](std::uint32_t at, const Token& t) { return at < t.start; });
  return it == tokens.begin() ? &tokens.front() : &*std::prev(it);
}

}  // namespace quillon
