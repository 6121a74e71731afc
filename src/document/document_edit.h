#pragma once
// The one edit every command hands to a document: process blocks, templates,
// calculator words, every step of the search tools and the renumbering. The
// editor applies it as one undo step; the command line and the tests apply
// it to a text with ApplyDocumentEdit.
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

// A message box a command shows: UTF-8 title and text.
struct ToolMessage {
  std::string title;
  std::string text;
  friend bool operator==(const ToolMessage&, const ToolMessage&) = default;
};

struct DocumentEdit {
  // False for a step that only selects or only tells: the text and its undo
  // history stay as they are.
  bool changesText = true;
  // The span replaced is the selection at the time the edit is applied, and
  // start, caret and select count from the selection's start (a command that
  // writes at the caret does not know where the caret is).
  bool atSelection = false;
  std::size_t start = 0;               // the span replaced, in the text before the edit
  std::size_t length = 0;              // (for an edit at the selection: the selection's)
  std::string text;                    // the span's new text
  std::string appendAtEnd;             // after the whole text, in the same undo step
  std::size_t caret = 0;               // where the caret stands afterwards
  std::optional<Match> select;         // then selected, in the text after the edit
  std::optional<ToolMessage> message;  // shown last
  friend bool operator==(const DocumentEdit&, const DocumentEdit&) = default;
};

// text replaces the selection; the caret ends after text, or caretInText
// characters into it; appendAtEnd goes after the whole document.
DocumentEdit InsertAtSelection(std::string text);
DocumentEdit InsertAtSelection(std::string text, std::size_t caretInText, std::string appendAtEnd);

// [start, start + length) becomes text; the caret ends at caret.
DocumentEdit ReplaceSpan(std::size_t start, std::size_t length, std::string text, std::size_t caret);

// The smallest single edit that turns before into after (common head and
// tail kept), so a whole-text result reaches the editor as one narrow edit.
// The caret ends at caret (a position in after).
DocumentEdit ChangedSpan(std::string_view before, std::string_view after, std::size_t caret = 0);

// The edit as it lands on a text of textSize characters with this selection:
// an edit at the selection moved onto it, every span cut to the text.
DocumentEdit PlaceEdit(const DocumentEdit& edit, std::size_t textSize, Match selection);

struct AppliedText {
  std::string text;
  std::size_t caret = 0;
  Match selection;  // the caret, or what the edit selects
};
AppliedText ApplyDocumentEdit(std::string_view text, Match selection, const DocumentEdit& edit);

// Document bytes (one byte per Latin-1 character) as UTF-8 for a message.
std::string Latin1ToUtf8(std::string_view bytes);

}  // namespace quillon
