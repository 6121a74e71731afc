#include "transform/size_shift.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "numbers/nc_number.h"

namespace quillon {

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

ShiftOutcome AppendShiftWord(std::string_view findText, std::string_view following, const ShiftCalculation& calculation,
                             std::string& out, std::size_t& consumed) {
  const ShiftScan scan = ScanShiftNumber(following);
  consumed = scan.consumed;
  if (scan.numberLength == 0) return ShiftOutcome::NoNumber;
  const auto shifted = ApplyShiftCalculation(ReadNumber(scan.numberText()), calculation);
  char number[kShiftValueChars];
  const std::size_t length = shifted ? WriteShiftValue(*shifted, number) : 0;
  if (length == 0) return ShiftOutcome::Impossible;
  out.append(findText);
  if (scan.equals) out.push_back('=');
  out.append(number, length);
  return ShiftOutcome::Shifted;
}

ShiftWord ShiftWordFor(std::string_view findText, std::string_view following, const ShiftCalculation& calculation) {
  ShiftWord result;
  result.outcome = AppendShiftWord(findText, following, calculation, result.word, result.consumed);
  return result;
}

ShiftStep ShiftValueAtSelection(std::string_view text, std::size_t start, std::string_view findText,
                                const ShiftCalculation& calculation) {
  const std::size_t after = std::min(start + findText.size(), text.size());
  const ShiftWord word = ShiftWordFor(findText, text.substr(after, kShiftScanLength), calculation);
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
  std::size_t pos = from;
  for (;;) {
    const std::size_t p = text.find(findText, pos);
    if (p == std::string_view::npos) break;
    const std::size_t wordEnd = p + findText.size();
    std::size_t consumed = 0;
    out.append(text.substr(pos, p - pos));
    const ShiftOutcome outcome =
        AppendShiftWord(findText, text.substr(wordEnd, kShiftScanLength), calculation, out, consumed);
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
  run.caret = marks.newCaret;
  run.searchPos = marks.searchPos;
  return run;
}

}  // namespace quillon
