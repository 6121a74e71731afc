#pragma once
// Find and replace with the search options: case, NC whole words and RE2
// regular expressions (linear-time matching, so no pattern can hang a run).
// Text is bytes, one Latin-1 character each.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "transform/search.h"

namespace re2 {
class RE2;
}

namespace quillon {

// Whether the match of length at start stands as a whole NC word: no letter
// before a match that starts with a letter, no digit or point after a match
// that ends with a digit.
bool IsWholeNcWord(std::string_view text, std::size_t start, std::size_t length);

class TextMatcher {
 public:
  // replaceText is checked too when given (its \1 ... \9 against the pattern).
  TextMatcher(std::string_view findText, const SearchOptions& options, const std::string* replaceText = nullptr);
  ~TextMatcher();
  TextMatcher(const TextMatcher&) = delete;
  TextMatcher& operator=(const TextMatcher&) = delete;

  // Empty when the pattern (or the replacement) is fine; else RE2's reason.
  const std::string& error() const { return m_error; }

  // The first match starting at or after from; matches of no characters do not count.
  std::optional<Match> find(std::string_view text, std::size_t from) const;
  // Whether a match starts at selection.start with selection.length.
  bool matchesAt(std::string_view text, Match selection) const;
  // The replacement of the match at selection (groups filled in for a regex).
  std::string replacement(std::string_view text, Match selection, std::string_view replaceText) const;

 private:
  std::optional<Match> findOnce(std::string_view text, std::size_t from) const;

  std::string m_find;
  SearchOptions m_options;
  std::unique_ptr<re2::RE2> m_re;
  std::string m_error;
};

// The message of a pattern or replacement RE2 refuses.
ToolMessage PatternMessage(std::string_view title, const std::string& error);

}  // namespace quillon
