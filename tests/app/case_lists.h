#pragma once
// A list column of a case file: the items joined by one separator; an empty field is an empty list.
#include <string>
#include <string_view>
#include <vector>

namespace quillon::testing_support {

inline std::vector<std::string> SplitList(std::string_view text, char separator = '|') {
  std::vector<std::string> items;
  if (text.empty()) return items;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(separator, from);
    items.emplace_back(text.substr(from, at - from));
    if (at == std::string_view::npos) return items;
    from = at + 1;
  }
}

}  // namespace quillon::testing_support
