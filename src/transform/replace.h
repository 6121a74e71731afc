#pragma once
// Find and replace: one occurrence at a time or all at once.
#include <cstddef>
#include <string>
#include <string_view>

#include "transform/search.h"

namespace quillon {

// Replaces the occurrence of findText at start; the search goes on after
// the inserted text, so a replacement that contains findText is not met again.
struct ReplaceStep {
  DocumentEdit edit;
  std::size_t searchPos = 0;
};
ReplaceStep ReplaceAtSelection(std::size_t start, std::string_view findText, std::string_view replaceText);

struct ReplaceRun {
  std::string text;           // the whole new text
  std::size_t count = 0;      // occurrences replaced
  std::size_t caret = 0;      // where the caret given to the run lands in the new text
  std::size_t searchPos = 0;  // where the run's search stands afterwards
};

// Every occurrence from searchPos on, in one pass. The caret keeps its place
// among the words around it (inside a replaced occurrence: after it).
ReplaceRun ReplaceAll(std::string_view text, std::size_t searchPos, std::string_view findText,
                      std::string_view replaceText, std::size_t caret = 0);

}  // namespace quillon
