#include "transform/search.h"

#include <algorithm>

namespace quillon {

std::optional<Match> FindNextOccurrence(std::string_view text, std::size_t searchPos, std::string_view findText) {
  if (findText.empty() || searchPos > text.size()) return std::nullopt;
  const std::size_t p = text.find(findText, searchPos);
  if (p == std::string_view::npos) return std::nullopt;
  return Match{p, findText.size()};
}

bool SelectionSpells(std::string_view text, Match selection, std::string_view findText) {
  return !findText.empty() && selection.length == findText.size() && selection.start <= text.size() &&
         text.substr(selection.start, selection.length) == findText;
}

TextEdit ChangedSpan(std::string_view before, std::string_view after) {
  const std::size_t shorter = std::min(before.size(), after.size());
  std::size_t head = 0;
  while (head < shorter && before[head] == after[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
  return TextEdit{head, before.size() - head - tail, std::string(after.substr(head, after.size() - head - tail))};
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(ch);
    } else {
      out.push_back(static_cast<char>(0xC0 | (b >> 6)));
      out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return out;
}

std::string ApplyEdit(std::string_view text, const TextEdit& edit) {
  std::string out;
  out.reserve(text.size() - edit.length + edit.text.size());
  out.append(text.substr(0, edit.start));
  out.append(edit.text);
  out.append(text.substr(edit.start + edit.length));
  return out;
}

}  // namespace quillon
