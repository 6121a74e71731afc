#pragma once
// Sequence numbers: renumbering a whole program, and the "N000" word put at
// the start of a line while typing with automatic numbers on.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "document/document_edit.h"

namespace quillon {

// What follows the number word: nothing, one blank, or five blanks before
// an axis word (X, Y, Z) so contour lines line up under the tool call.
enum class SequenceSpacing { None = 0, One = 1, Five = 5 };

struct ArrangeOptions {
  double digits = 3;  // D: digits after N (numbers wider than D are written unpadded)
  double start = 1;   // S: first number
  double step = 1;    // A: increment
  SequenceSpacing spacing = SequenceSpacing::Five;
  bool fromTop = true;           // else start at the line after the caret's line
  bool stopAtProgramEnd = false;  // "Stop at M02 and RTS"
  bool continuous = false;        // numbers run on past a program end
};

struct ArrangeResult {
  std::string text;
  std::size_t caret = 0;  // the end of the text
};

ArrangeResult ArrangeSequenceNumbers(std::string_view text, const ArrangeOptions& options, std::size_t caret);

// The run as the edit the dialog applies: the changed span, the caret at the
// end. It is one undo step even when nothing changed, so the caret still goes
// to the end.
DocumentEdit ArrangeEdit(std::string_view text, const ArrangeOptions& options, std::size_t caret);

// Whether the first occurrence of mcode at or after searchFrom lies before
// lineEnd (the line feed that ends the line judged) as a whole word: a
// blank or line end on both sides.
bool MCheck(std::string_view text, std::size_t searchFrom, std::size_t lineEnd, std::string_view mcode);

// "N" and n, zero-padded on the left to `digits` digits; a wider number is
// written unpadded.
std::string SequenceNumberWord(double n, double digits);

// The placeholder word typing puts at the start of a line before the key:
// none when the caret is not right after a line end, for Backspace, and
// before "(", TAB and "N".
inline constexpr char kBackspaceKey = 8;
std::optional<std::string> AutoNumberPrefix(std::string_view text, std::size_t caret, char key);

}  // namespace quillon
