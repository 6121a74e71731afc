#include "transform/search.h"

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

}  // namespace quillon
