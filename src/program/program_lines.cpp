#include "program/program_lines.h"

#include <algorithm>
#include <cstring>

namespace quillon {

std::size_t LineCount(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

std::size_t LineStartOffset(std::string_view text, std::size_t line) {
  std::size_t at = 0;
  for (std::size_t k = 0; k < line; ++k) {
    const void* lf = std::memchr(text.data() + at, '\n', text.size() - at);
    if (!lf) return text.size();
    at = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) + 1;
  }
  return at;
}

DocumentEdit GoToLineEdit(std::string_view text, std::size_t line) {
  const std::size_t last = LineCount(text);
  const std::size_t target = std::clamp<std::size_t>(line, 1, last) - 1;
  DocumentEdit edit;
  edit.changesText = false;
  edit.caret = LineStartOffset(text, target);
  edit.select = Match{edit.caret, 0};
  return edit;
}

}  // namespace quillon
