#include "process/nc_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace quillon {

double NcFloor(double x) {
  const double f = std::floor(x);
  const double up = f + 1.0;
  if (up - x <= std::min(kNcEpsilon * std::max(1.0, std::fabs(x)), kNcMaxSlack)) return up;
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
  return std::string(buf, res.ptr);
}

std::string FormatNcNumber(double& x) {
  x = NcFloor(x * 1000.0) / 1000.0;
  if (x == 0.0) {
    x = 0.0;  // no "-0"
    return "0";
  }
  return ShortestNumberText(x);
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
  n = NcFloor(n);
  if (n == 0.0) n = 0.0;
  std::string digits = ShortestNumberText(n);
  return n < 10 ? "0" + digits : digits;
}

std::string FormatTwoDigit(double&& n) {
  double v = n;
  return FormatTwoDigit(v);
}

double ReadNumber(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s.push_back(c);

  std::size_t i = 0;
  std::string number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
  std::size_t digits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') number.push_back(s[i++]), ++digits;
  if (i < s.size() && s[i] == '.') {
    number.push_back(s[i++]);
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') number.push_back(s[i++]), ++digits;
  }
  if (digits == 0) return 0.0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    std::size_t expDigits = 0;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') exponent.push_back(s[j++]), ++expDigits;
    if (expDigits > 0) number += exponent;
  }
  if (number[0] == '+') number.erase(0, 1);
  double value = 0.0;
  auto res = std::from_chars(number.data(), number.data() + number.size(), value);
  if (res.ec == std::errc::result_out_of_range) return 0.0;
  return value;
}

bool IsEmptyEntry(std::string_view text) { return text.empty(); }

}  // namespace quillon
