#pragma once
// Lines of a program text by number, for the commands that move the caret
// to a line (Go to line, a click in the outline).
#include <cstddef>
#include <string_view>

#include "document/document_edit.h"

namespace quillon {

// How many lines the text has: its "\n" plus one (an empty text has one).
std::size_t LineCount(std::string_view text);

// Offset of the first byte of line (0-based); the text's size past the last line.
std::size_t LineStartOffset(std::string_view text, std::size_t line);

// Puts the caret at the start of line (1-based; 0 and numbers past the last
// line go to the first and the last line) and leaves the text as it is.
DocumentEdit GoToLineEdit(std::string_view text, std::size_t line);

}  // namespace quillon
