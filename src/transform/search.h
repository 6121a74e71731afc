#pragma once
// The search step and the state every transformation tool shares: find,
// replace and size shift step through the occurrences of one text, and the
// auto-number typing moves the place the next search starts.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// A span of the document text: [start, start + length).
struct Match {
  std::size_t start = 0;
  std::size_t length = 0;
  friend bool operator==(const Match&, const Match&) = default;
};

// Replace [start, start + length) of the text with text.
struct TextEdit {
  std::size_t start = 0;
  std::size_t length = 0;
  std::string text;
  friend bool operator==(const TextEdit&, const TextEdit&) = default;
};

// A message box a tool shows: UTF-8 title and text.
struct ToolMessage {
  std::string title;
  std::string text;
  friend bool operator==(const ToolMessage&, const ToolMessage&) = default;
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
};

// First exact, case-sensitive occurrence of findText starting at or after
// searchPos; none for an empty findText or a searchPos beyond the text.
std::optional<Match> FindNextOccurrence(std::string_view text, std::size_t searchPos, std::string_view findText);

// Whether the selection still spells findText (the user may have moved the
// caret or typed since the occurrence was selected).
bool SelectionSpells(std::string_view text, Match selection, std::string_view findText);

// The smallest single edit that turns before into after (common head and
// tail kept), so a whole-text result reaches the editor as one narrow edit.
TextEdit ChangedSpan(std::string_view before, std::string_view after);

// Document bytes (one byte per Latin-1 character) as UTF-8 for a message.
std::string Latin1ToUtf8(std::string_view bytes);

// The text after applying edit (for tests and the command line).
std::string ApplyEdit(std::string_view text, const TextEdit& edit);

}  // namespace quillon
