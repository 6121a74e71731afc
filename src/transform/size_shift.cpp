#include "transform/size_shift.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "numbers/nc_number.h"
#include "program/nc_lexer.h"

namespace quillon {
namespace {

bool IsLetter(char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
bool IsValueCharacter(char ch) { return (ch >= '0' && ch <= '9') || ch == '.' || ch == '+' || ch == '-'; }

// The words-only judge with the lexed line kept: a run meets many
// occurrences on one line.
class ShiftJudge {
 public:
  ShiftWordAt judge(std::string_view text, std::size_t p, std::size_t findLength) {
    ShiftWordAt at;
    if (p > 0 && (IsLetter(text[p - 1]) || text[p - 1] == '_')) return at;
    const std::size_t lineStart = p == 0 ? 0 : text.rfind('\n', p - 1) + 1;  // npos + 1 == 0
    if (lineStart != m_lineStart || text.data() != m_text) {
      const std::size_t lf = text.find('\n', p);
      m_lexer.lex(text.substr(lineStart, (lf == std::string_view::npos ? text.size() : lf) - lineStart));
      m_lineStart = lineStart;
      m_text = text.data();
    }
    if (InCommentOrBrackets(text.substr(lineStart), static_cast<std::uint32_t>(p - lineStart))) return at;
    std::size_t q = p + findLength;
    while (q < text.size() && text[q] == ' ') ++q;
    if (q < text.size() && text[q] == '=') {
      at.equals = true;
      ++q;
      while (q < text.size() && text[q] == ' ') ++q;
    }
    const std::size_t start = q;
    while (q < text.size() && IsValueCharacter(text[q])) ++q;
    at.number = text.substr(start, q - start);
    at.valueEnd = q;
    if (at.number.empty()) {
      at.kind = ShiftWordKind::NoNumber;
    } else if (IsNcNumber(at.number)) {
      at.kind = ShiftWordKind::Number;
    } else {
      // A sign before a name or a bracket is an expression (Z=-PL), not a number gone wrong.
      const bool signsOnly = at.number.find_first_not_of("+-") == std::string_view::npos;
      const bool nameFollows = q < text.size() && (IsLetter(text[q]) || text[q] == '[');
      at.kind = signsOnly && nameFollows ? ShiftWordKind::NoNumber : ShiftWordKind::Malformed;
    }
    return at;
  }

 private:
  bool InCommentOrBrackets(std::string_view line, std::uint32_t offset) const {
    const Token* token = TokenAt(m_lexer.tokens(), offset);
    if (!token) return false;
    if (IsComment(token->kind) || token->depth > 0 || token->has(kTokenInBrackets)) return true;
    if (token->kind == TokenKind::BracketOpen || token->kind == TokenKind::BracketClose) return true;
    // Inside a word's own bracket value (X[VC1+Z2]).
    int open = 0;
    for (std::uint32_t k = token->start; k < offset && k < line.size(); ++k)
      open += line[k] == '[' ? 1 : line[k] == ']' ? -1 : 0;
    return open > 0;
  }

  LineLexer m_lexer;
  std::size_t m_lineStart = std::string_view::npos;
  const char* m_text = nullptr;
};

}  // namespace

std::optional<std::string> ShiftCalculationProblem(std::string_view calculation) {
  std::string_view operand = calculation;
  if (!operand.empty() && (operand.front() == '*' || operand.front() == '/')) operand.remove_prefix(1);
  const std::string shown = "Calculation \"" + Latin1ToUtf8(calculation) + "\": ";
  if (operand.find_first_not_of(" \t") == std::string_view::npos) return shown + "the number is missing.";
  // A lone sign is the number's sign without the number.
  const std::size_t first = operand.find_first_not_of(" \t");
  if ((operand[first] == '+' || operand[first] == '-') &&
      operand.find_first_not_of(" \t", first + 1) == std::string_view::npos)
    return shown + "the number is missing.";
  if (!ParseStrictNumber(operand)) return shown + "\"" + Latin1ToUtf8(operand) + "\" is not a number.";
  return std::nullopt;
}

std::string MalformedWordNote(std::size_t line, std::string_view word) {
  return "line " + std::to_string(line) + ": " + Latin1ToUtf8(word) + " is not a number, left as it is";
}

ShiftWordAt JudgeShiftWord(std::string_view text, std::size_t p, std::size_t findLength) {
  return ShiftJudge().judge(text, p, findLength);
}

ShiftCalculation ParseShiftCalculation(std::string_view calculation) {
  if (!calculation.empty() && calculation.front() == '*')
    return {ShiftOperation::Multiply, ReadNumber(calculation.substr(1))};
  if (!calculation.empty() && calculation.front() == '/')
    return {ShiftOperation::Divide, ReadNumber(calculation.substr(1))};
  return {ShiftOperation::Add, ReadNumber(calculation)};
}

std::optional<double> ApplyShiftCalculation(double value, const ShiftCalculation& calculation) {
  switch (calculation.operation) {
    case ShiftOperation::Multiply:
      return value * calculation.operand;
    case ShiftOperation::Divide:
      if (calculation.operand == 0.0) return std::nullopt;
      return value / calculation.operand;
    case ShiftOperation::Add:
      break;
  }
  return value + calculation.operand;
}

ShiftScan ScanShiftNumber(std::string_view following) {
  ShiftScan scan;
  const std::size_t limit = std::min(following.size(), kShiftScanLength);
  for (std::size_t i = 0; i < limit; ++i) {
    const char ch = following[i];
    const bool empty = scan.numberLength == 0;
    if (ch == ' ' && empty) continue;
    if (ch == '=') {
      scan.equals = true;
      continue;
    }
    if (((ch == '+' || ch == '-') && empty) || ch == '.' || (ch >= '0' && ch <= '9')) {
      scan.number[scan.numberLength++] = ch;
      continue;
    }
    scan.consumed = i;
    return scan;
  }
  scan.consumed = limit;
  return scan;
}

std::size_t WriteShiftValue(double value, char* out) {
  if (!std::isfinite(value) || std::fabs(value) >= kLargestShiftResult) return 0;
  // 15 significant digits first, then the decimal rounding at the third
  // decimal: 1.0005 (a hair below in binary) still rounds up to 1.001.
  constexpr int kSignificant = 15;
  char sci[32];
  const auto res = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, kSignificant - 1);
  const char* const sciEnd = res.ptr;
  const bool negative = sci[0] == '-';
  char digits[kSignificant];  // d1 d2 ... d15 without the point
  int count = 0;
  const char* k = sci + (negative ? 1 : 0);
  for (; k < sciEnd && *k != 'e'; ++k)
    if (*k != '.') digits[count++] = *k;
  int exponent = 0;
  std::from_chars(k + 1 + (k[1] == '+' ? 1 : 0), sciEnd, exponent);

  // value * 1000 = 0.d1d2...d15 * 10^q
  const int q = exponent + 1 + 3;
  std::uint64_t thousandths = 0;
  if (q >= 0) {
    const int whole = std::min(q, kSignificant);
    for (int i = 0; i < whole; ++i) thousandths = thousandths * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    for (int i = whole; i < q; ++i) thousandths *= 10;
    if (q < kSignificant && digits[q] >= '5') ++thousandths;
  }
  char* p = out;
  if (thousandths == 0) {
    *p++ = '0';
    return 1;
  }
  if (negative) *p++ = '-';
  p = std::to_chars(p, out + kShiftValueChars, thousandths / 1000).ptr;
  auto fraction = static_cast<unsigned>(thousandths % 1000);
  if (fraction != 0) {
    *p++ = '.';
    for (unsigned unit = 100; fraction != 0; unit /= 10) {
      *p++ = static_cast<char>('0' + fraction / unit);
      fraction %= unit;
    }
  }
  return static_cast<std::size_t>(p - out);
}

std::optional<std::string> FormatShiftValue(double value) {
  char buf[kShiftValueChars];
  const std::size_t length = WriteShiftValue(value, buf);
  if (length == 0) return std::nullopt;
  return std::string(buf, length);
}

bool ShiftAlwaysWritable(const ShiftCalculation& calculation) {
  // The scan reads at most ten characters, so |v| < 1e10. These bounds keep
  // every result well below kLargestShiftResult.
  const double c = std::fabs(calculation.operand);
  switch (calculation.operation) {
    case ShiftOperation::Multiply:
      return c <= 1e4;
    case ShiftOperation::Divide:
      return c >= 1e-4;
    case ShiftOperation::Add:
      break;
  }
  return c <= 1e14;
}

namespace {

// The word with its value calculated: the letters, "=" when the value had one, the new number.
ShiftOutcome AppendShiftedValue(std::string_view findText, bool equals, std::string_view numberText,
                                const ShiftCalculation& calculation, std::string& out) {
  const auto shifted = ApplyShiftCalculation(ReadNumber(numberText), calculation);
  char number[kShiftValueChars];
  const std::size_t length = shifted ? WriteShiftValue(*shifted, number) : 0;
  if (length == 0) return ShiftOutcome::Impossible;
  out.append(findText);
  if (equals) out.push_back('=');
  out.append(number, length);
  return ShiftOutcome::Shifted;
}

}  // namespace

ShiftOutcome AppendShiftWord(std::string_view findText, std::string_view following, const ShiftCalculation& calculation,
                             std::string& out, std::size_t& consumed) {
  const ShiftScan scan = ScanShiftNumber(following);
  consumed = scan.consumed;
  if (scan.numberLength == 0) return ShiftOutcome::NoNumber;
  return AppendShiftedValue(findText, scan.equals, scan.numberText(), calculation, out);
}

namespace {

// The words-only step on a judged occurrence; consumed as AppendShiftWord sets it.
ShiftOutcome AppendJudgedWord(std::string_view findText, std::size_t wordEnd, const ShiftWordAt& at,
                              const ShiftCalculation& calculation, std::string& out, std::size_t& consumed) {
  consumed = at.kind == ShiftWordKind::Number ? at.valueEnd - wordEnd : 0;
  if (at.kind != ShiftWordKind::Number) return ShiftOutcome::NoNumber;
  return AppendShiftedValue(findText, at.equals, at.number, calculation, out);
}

}  // namespace

ShiftWord ShiftWordFor(std::string_view findText, std::string_view following, const ShiftCalculation& calculation) {
  ShiftWord result;
  result.outcome = AppendShiftWord(findText, following, calculation, result.word, result.consumed);
  return result;
}

ShiftStep ShiftValueAtSelection(std::string_view text, std::size_t start, std::string_view findText,
                                const ShiftCalculation& calculation) {
  const std::size_t after = std::min(start + findText.size(), text.size());
  ShiftWord word;
  if (calculation.wordsOnly)
    word.outcome = AppendJudgedWord(findText, after, JudgeShiftWord(text, start, findText.size()), calculation,
                                    word.word, word.consumed);
  else
    word = ShiftWordFor(findText, text.substr(after, kShiftScanLength), calculation);
  ShiftStep step;
  step.outcome = word.outcome;
  step.searchPos = start + 1;
  step.oldWord = std::string(text.substr(start, findText.size() + word.consumed));
  if (word.outcome == ShiftOutcome::Shifted)
    step.edit = ReplaceSpan(start, findText.size() + word.consumed, word.word, start + word.word.size());
  return step;
}

ShiftPass AppendShifted(std::string_view text, std::size_t from, std::string_view findText,
                        const ShiftCalculation& calculation, std::string& out, ShiftMarks* marks) {
  ShiftPass pass;
  ShiftJudge judge;
  std::size_t pos = from;
  for (;;) {
    const std::size_t p = text.find(findText, pos);
    if (p == std::string_view::npos) break;
    const std::size_t wordEnd = p + findText.size();
    std::size_t consumed = 0;
    out.append(text.substr(pos, p - pos));
    ShiftOutcome outcome;
    if (calculation.wordsOnly) {
      const ShiftWordAt at = judge.judge(text, p, findText.size());
      outcome = AppendJudgedWord(findText, wordEnd, at, calculation, out, consumed);
      if (at.kind == ShiftWordKind::Malformed)
        pass.malformed.push_back({p, std::string(text.substr(p, at.valueEnd - p))});
    } else {
      outcome = AppendShiftWord(findText, text.substr(wordEnd, kShiftScanLength), calculation, out, consumed);
    }
    if (outcome == ShiftOutcome::Impossible) {
      pass.impossibleAt = p;
      pass.impossibleLength = findText.size() + consumed;
      return pass;
    }
    if (outcome == ShiftOutcome::NoNumber) {
      // The next search starts one character into this occurrence.
      out.push_back(text[p]);
      pos = p + 1;
      if (marks) marks->searchPos = out.size();
      continue;
    }
    // Unlike a single step, the run goes on after the word it wrote: a find
    // text that can stand in the numbers it writes ("1" with +10) would
    // otherwise grow the number for ever.
    pos = wordEnd + consumed;
    ++pass.count;
    if (marks) {
      marks->searchPos = out.size();
      if (p < marks->caret) marks->newCaret = marks->caret >= pos ? out.size() + (marks->caret - pos) : out.size();
    }
  }
  out.append(text.substr(pos));
  return pass;
}

ShiftRun ShiftAll(std::string_view text, std::size_t searchPos, std::string_view findText,
                  const ShiftCalculation& calculation, std::size_t caret) {
  ShiftRun run;
  run.searchPos = searchPos;
  run.caret = caret;
  if (findText.empty() || searchPos > text.size()) {
    run.text = std::string(text);
    return run;
  }
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  out.append(text.substr(0, searchPos));
  ShiftMarks marks{caret, caret, searchPos};
  const ShiftPass pass = AppendShifted(text, searchPos, findText, calculation, out, &marks);
  if (pass.impossibleAt) {
    const std::size_t p = *pass.impossibleAt;
    const auto head = text.substr(0, p);
    ShiftRun failed;
    failed.text = std::string(text);
    failed.searchPos = p + 1;
    failed.caret = caret;
    failed.failure = ShiftFailure{1 + static_cast<std::size_t>(std::count(head.begin(), head.end(), '\n')),
                                  std::string(text.substr(p, pass.impossibleLength)), p};
    return failed;
  }
  run.text = std::move(out);
  run.count = pass.count;
  run.malformed = pass.malformed;
  run.caret = marks.newCaret;
  run.searchPos = marks.searchPos;
  return run;
}

}  // namespace quillon
