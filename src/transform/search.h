#pragma once
// The search step and the state every transformation tool shares: find,
// replace and size shift step through the occurrences of one text, and the
// auto-number typing moves the place the next search starts.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "document/document_edit.h"

namespace quillon {

// The choices of Find and Replace beside today's exact search, and size
// shift's address-words rule. All off (match case on) is the exact search.
struct SearchOptions {
  bool matchCase = true;
  bool wholeWord = false;   // not glued to a letter before or a digit or point after
  bool regex = false;       // RE2 syntax; the replacement may name \1 ... \9
  bool wrapAround = false;  // a search that meets the end goes on at the top
  bool shiftWordsOnly = false;

  // Whether a search finds what the exact search finds.
  bool exact() const { return matchCase && !wholeWord && !regex; }
};

// One per main window, shared by Find, Replace, Size Shift, Next Find and the
// auto-number typing. findText and replaceText are document bytes; for size
// shift replaceText holds the calculation.
struct SearchState {
  std::size_t searchPos = 0;  // offset where the next search starts
  std::string findText;
  std::string replaceText;
  std::size_t replaceCount = 0;  // changes made in the current run
  bool firstFind = true;         // no occurrence selected yet in this run
  SearchOptions options;
};

// First exact, case-sensitive occurrence of findText starting at or after
// searchPos; none for an empty findText or a searchPos beyond the text.
std::optional<Match> FindNextOccurrence(std::string_view text, std::size_t searchPos, std::string_view findText);

// Whether the selection still spells findText (the user may have moved the
// caret or typed since the occurrence was selected).
bool SelectionSpells(std::string_view text, Match selection, std::string_view findText);

}  // namespace quillon
