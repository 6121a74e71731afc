#pragma once
// Find and replace: one occurrence at a time or all at once.
#include <cstddef>
#include <string>
#include <string_view>

#include "transform/search.h"
#include "transform/text_matcher.h"

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

// Where a caret and the search stand while the one all-at-once loop runs.
struct ReplaceMarks {
  std::size_t caret = 0;      // in the input text
  std::size_t newCaret = 0;   // where it lands in the output
  std::size_t searchPos = 0;  // in the output, after the last replacement
};

// The one all-at-once loop: appends text from `from` on to out with every
// occurrence replaced, the search going on after each inserted text; the
// count of replacements.
std::size_t AppendReplaced(std::string_view text, std::size_t from, std::string_view findText,
                           std::string_view replaceText, std::string& out, ReplaceMarks* marks = nullptr);

// Every occurrence from searchPos on, in one pass. The caret keeps its place
// among the words around it (inside a replaced occurrence: after it).
ReplaceRun ReplaceAll(std::string_view text, std::size_t searchPos, std::string_view findText,
                      std::string_view replaceText, std::size_t caret = 0);

// The same runs with the search options: each match of the matcher is
// replaced by its replacement (groups filled in for a regex).
std::size_t AppendReplaced(std::string_view text, std::size_t from, const TextMatcher& matcher,
                           std::string_view replaceText, std::string& out, ReplaceMarks* marks = nullptr);
ReplaceRun ReplaceAll(std::string_view text, std::size_t searchPos, const TextMatcher& matcher,
                      std::string_view replaceText, std::size_t caret = 0);

}  // namespace quillon
