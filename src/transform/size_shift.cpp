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
    std::string& t = scan.numberText;
    if (ch == ' ' && t.empty()) continue;
    if (ch == '=') {
      scan.equals = true;
      continue;
    }
    if ((ch == '+' || ch == '-') && t.empty()) {
      t.push_back(ch);
      continue;
    }
    if (ch == '.' || (ch >= '0' && ch <= '9')) {
      t.push_back(ch);
      continue;
    }
    scan.consumed = i;
    return scan;
  }
  scan.consumed = limit;
  return scan;
}

std::optional<std::string> FormatShiftValue(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= kLargestShiftResult) return std::nullopt;
  // 15 significant digits first, then the decimal rounding at the third
  // decimal: 1.0005 (a hair below in binary) still rounds up to 1.001.
  constexpr int kSignificant = 15;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, kSignificant - 1);
  const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  const bool negative = sci.front() == '-';
  std::string digits;
  std::size_t k = negative ? 1 : 0;
  for (; k < sci.size() && sci[k] != 'e'; ++k)
    if (sci[k] != '.') digits.push_back(sci[k]);
  int exponent = 0;
  std::from_chars(sci.data() + k + 1 + (sci[k + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);

  // value * 1000 = 0.d1d2...d15 * 10^q
  const int q = exponent + 1 + 3;
  std::uint64_t thousandths = 0;
  if (q >= 0) {
    const int whole = std::min(q, kSignificant);
    for (int i = 0; i < whole; ++i) thousandths = thousandths * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    for (int i = whole; i < q; ++i) thousandths *= 10;
    if (q < kSignificant && digits[static_cast<std::size_t>(q)] >= '5') ++thousandths;
  }
  if (thousandths == 0) return "0";
  std::string text = negative ? "-" : "";
  text += std::to_string(thousandths / 1000);
  std::string fraction = std::to_string(thousandths % 1000 + 1000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

ShiftWord ShiftWordFor(std::string_view findText, std::string_view following, const ShiftCalculation& calculation) {
  const ShiftScan scan = ScanShiftNumber(following);
  ShiftWord result;
  result.consumed = scan.consumed;
  if (scan.numberText.empty()) return result;
  const auto shifted = ApplyShiftCalculation(ReadNumber(scan.numberText), calculation);
  const auto number = shifted ? FormatShiftValue(*shifted) : std::nullopt;
  if (!number) {
    result.outcome = ShiftOutcome::Impossible;
    return result;
  }
  result.outcome = ShiftOutcome::Shifted;
  result.word.assign(findText);
  if (scan.equals) result.word.push_back('=');
  result.word += *number;
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
  std::size_t pos = searchPos;
  out.append(text.substr(0, pos));
  for (;;) {
    const std::size_t p = text.find(findText, pos);
    if (p == std::string_view::npos) break;
    const ShiftWord word = ShiftWordFor(findText, text.substr(p + findText.size(), kShiftScanLength), calculation);
    if (word.outcome == ShiftOutcome::Impossible) {
      const auto head = text.substr(0, p);
      ShiftRun failed;
      failed.text = std::string(text);
      failed.searchPos = p + 1;
      failed.caret = caret;
      failed.failure = ShiftFailure{1 + static_cast<std::size_t>(std::count(head.begin(), head.end(), '\n')),
                                    std::string(text.substr(p, findText.size() + word.consumed)), p};
      return failed;
    }
    if (word.outcome == ShiftOutcome::NoNumber) {
      // The next search starts one character into this occurrence.
      out.append(text.substr(pos, p + 1 - pos));
      pos = p + 1;
      run.searchPos = out.size();
      continue;
    }
    // Unlike a single step, the run goes on after the word it wrote: a find
    // text that can stand in the numbers it writes ("1" with +10) would
    // otherwise grow the number for ever.
    out.append(text.substr(pos, p - pos));
    out += word.word;
    pos = p + findText.size() + word.consumed;
    ++run.count;
    run.searchPos = out.size();
    if (p < caret) run.caret = caret >= pos ? out.size() + (caret - pos) : out.size();
  }
  out.append(text.substr(pos));
  run.text = std::move(out);
  return run;
}

}  // namespace quillon
