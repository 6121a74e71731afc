#include "numbers/nc_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "numbers/process_error.h"

namespace quillon {

double NcFloor(double x) {
  const double f = std::floor(x);
  const double up = f + 1.0;
  // Past two billion thousandths a double's own spacing outgrows kNcMaxSlack:
  // a kept value times 1000 may then land a few spacings under its whole
  // number, and writing it again would cut another thousandth. Never half a
  // step or more, where the next whole number itself would be taken.
  const double spacing = std::nextafter(std::fabs(x), INFINITY) - std::fabs(x);
  const double slack = std::min(std::max(kNcMaxSlack, 4.0 * spacing), 0.25);
  if (up - x <= std::min(kNcEpsilon * std::max(1.0, std::fabs(x)), slack)) return up;
  return f;
}

std::string ShortestNumberText(double x) {
  if (x == 0.0 || !std::isfinite(x)) return "0";
  char buf[512];
  // "%.15g" without the locale: at most 15 significant digits, no trailing zeros.
  auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
  std::string text(buf, res.ptr);
  if (text.find('e') == std::string::npos) return text;
  // Outside the magnitudes of NC words; still never write an exponent.
  res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
  return {buf, res.ptr};
}

// 2^63: thousandths from here on no longer fit in 64 bits.
constexpr double kLargestThousandths = 9223372036854775808.0;

bool IsWritableNcNumber(double x) { return std::fabs(x * 1000.0) < kLargestThousandths; }

std::string FormatNcNumber(double& x) {
  if (!IsWritableNcNumber(x)) throw ValueTooLarge(x);
  x = NcFloor(x * 1000.0) / 1000.0;
  if (x == 0.0) {
    x = 0.0;  // no "-0"
    return "0";
  }
  std::string text = ShortestNumberText(x);
  // Beyond 15 significant digits (a trillion and more with decimals) that
  // text is another number; the digits that read back as x are written then.
  if (ReadNumber(text) != x) {
    char buf[512];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    text.assign(buf, res.ptr);
  }
  return text;
}

std::string FormatNcNumber(double&& x) {
  double v = x;
  return FormatNcNumber(v);
}

double WidenSingle(float x) {
  if (!std::isfinite(x)) return x;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, x);  // shortest text that reads back as x
  double wide = 0.0;
  std::from_chars(buf, res.ptr, wide);
  return wide;
}

std::string FormatNcNumber(float& x) {
  double v = WidenSingle(x);
  std::string text = FormatNcNumber(v);
  x = static_cast<float>(v);
  return text;
}

std::string FormatTwoDigit(double& n) {
  if (!IsWritableNcNumber(n)) throw ValueTooLarge(n);
  n = NcFloor(n);
  if (n == 0.0) n = 0.0;
  std::string digits = ShortestNumberText(n);
  return n < 10 ? "0" + digits : digits;
}

std::string FormatTwoDigit(double&& n) {
  double v = n;
  return FormatTwoDigit(v);
}

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view s, std::size_t i, std::size_t& count) {
  while (i < s.size() && IsDigit(s[i])) ++i, ++count;
  return i;
}

// Whether a scanned number that does not fit a double is too large (rather
// than too close to 0): the power of ten of its first significant digit
// plus its exponent.
bool TooLarge(std::string_view number) {
  long long power = 0;
  std::size_t i = 0;
  if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
  bool significant = false, point = false;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    if (number[i] == '.') {
      point = true;
    } else if (!point) {
      significant = significant || number[i] != '0';
      if (significant) ++power;
    } else if (!significant) {
      if (number[i] != '0') break;
      --power;
    }
  }
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    long long exponent = 0;
    bool negative = false;
    for (++i; i < number.size(); ++i) {
      if (number[i] == '-') negative = true;
      if (number[i] >= '0' && number[i] <= '9') exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
    }
    power += negative ? -exponent : exponent;
  }
  return power > 0;
}

// The value of a scanned number; one too close to 0 for a double is 0, one
// too large is none.
std::optional<double> ParseScannedValue(std::string_view number) {
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  double value = 0.0;
  auto res = std::from_chars(number.data(), number.data() + number.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    if (TooLarge(number)) return std::nullopt;
    return 0.0;
  }
  return value;
}

// The lenient readers read a number too large for a double as 0.
double ParseScanned(std::string_view number) { return ParseScannedValue(number).value_or(0.0); }
}  // namespace

std::size_t ScanNumber(std::string_view s) {
  std::size_t i = 0, digits = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  i = SkipDigits(s, i, digits);
  if (i < s.size() && s[i] == '.') i = SkipDigits(s, i + 1, digits);
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1, expDigits = 0;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    j = SkipDigits(s, j, expDigits);
    if (expDigits > 0) i = j;
  }
  return i;
}

double ReadNumber(std::string_view text) {
  if (text.find_first_of(" \t\n\r") == std::string_view::npos) {
    // Nothing to drop: read the bytes where they stand (the size-shift run
    // reads a number for every word it changes).
    const std::size_t length = ScanNumber(text);
    return length == 0 ? 0.0 : ParseScanned(text.substr(0, length));
  }
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s.push_back(c);
  const std::size_t length = ScanNumber(s);
  return length == 0 ? 0.0 : ParseScanned(std::string_view(s).substr(0, length));
}

std::optional<double> ParseStrictNumber(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  const auto last = text.find_last_not_of(" \t");
  const std::string_view t = text.substr(first, last - first + 1);
  if (ScanNumber(t) != t.size()) return std::nullopt;
  // A number too large for a double is not one: read as 0 it would replace
  // a stored value with a wrong one instead of the key's default.
  const std::optional<double> value = ParseScannedValue(t);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

bool IsEmptyEntry(std::string_view text) { return text.empty(); }

}  // namespace quillon
