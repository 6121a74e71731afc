#include "numbers/entry_check.h"

#include <charconv>
#include <system_error>

#include "numbers/nc_number.h"

namespace quillon {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}
}  // namespace

EntryKind JudgeEntry(std::string_view text) {
  const std::string_view t = TrimBlanks(text);
  if (t.empty()) return EntryKind::Empty;
  std::size_t i = 0, digits = 0, points = 0;
  bool wholePart = false;  // a digit other than 0 before the point
  if (t[i] == '+' || t[i] == '-') ++i;
  const std::size_t unsignedStart = i;
  for (; i < t.size(); ++i) {
    if (IsDigit(t[i])) {
      ++digits;
      if (points == 0 && t[i] != '0') wholePart = true;
    } else if (t[i] == '.' && points == 0) {
      ++points;
    } else {
      return EntryKind::NotANumber;
    }
  }
  if (digits == 0) return EntryKind::NotANumber;
  // Hundreds of digits do not fit a double; the lenient reader would turn
  // them into 0 without a word, the same wrong block as a typed letter. (A
  // fraction too small to hold is simply 0.)
  double value = 0.0;
  const auto res = std::from_chars(t.data() + unsignedStart, t.data() + t.size(), value);
  if (res.ec == std::errc::result_out_of_range && wholePart) return EntryKind::NotANumber;
  return EntryKind::Number;
}

std::optional<double> EntryValue(std::string_view text) {
  switch (JudgeEntry(text)) {
    case EntryKind::Empty:
      return 0.0;
    case EntryKind::Number:
      return ParseStrictNumber(TrimBlanks(text));
    case EntryKind::NotANumber:
      break;
  }
  return std::nullopt;
}

std::string NotANumberMessage(std::string_view field, std::string_view text) {
  std::string message(field);
  message += ": '";
  message += text;
  message += "' is not a number";
  return message;
}

}  // namespace quillon
