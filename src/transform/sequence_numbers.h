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
  bool fromTop = true;            // else start at the line after the caret's line
  bool stopAtProgramEnd = false;  // "Stop at M02 and RTS"
  bool continuous = false;        // numbers run on past a program end
  // Jumps (GOTO N…, IF […] N…) follow their lines to the new numbers, and a
  // label behind blanks is a label as one at the line start is.
  bool keepTargets = false;
};

// Why the options cannot be run (digits 1-9, step 1 or more, start 0 or
// more, all whole and below kLargestArrangeValue); none when they can.
inline constexpr double kLargestArrangeValue = 999999999;
std::optional<std::string> ArrangeOptionsProblem(const ArrangeOptions& options);

struct ArrangeResult {
  std::string text;
  std::size_t caret = 0;  // the end of the text
};

// The renumbering rule one line at a time. The dialog's run over the
// document text and the command line's stream over a file both feed it their
// lines in order, so the two cannot drift apart.
class SequenceNumberer {
 public:
  explicit SequenceNumberer(const ArrangeOptions& options);

  // Before every line but the first treated: whether the line before it, as
  // written, ends the program (EndsProgram). False when the run stops there;
  // that line and all after it stay as they are.
  bool nextLine(bool previousEndsProgram);

  // Appends the line (its text without the line end) as renumbered to out;
  // the number it was given, none for a line kept as it was (labels use up
  // their number but are not given it).
  std::optional<double> appendLine(std::string_view line, std::string& out);
  // D as whole digits, the width of the run's words.
  int width() const { return m_width; }

 private:
  std::optional<double> appendWords(std::string_view line, std::string& out);
  void advance();

  ArrangeOptions m_options;
  double m_n;        // the running number
  double m_largest;  // D nines
  int m_width;       // D as whole digits
};

// Whether a line ends the program: the first occurrence of each of M02, M2,
// M30 and RTS at or after `from` is judged (as MCheck does), all four in one
// scan; the line's own ends count as blanks.
bool EndsProgram(std::string_view line, std::size_t from);

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
// The same word appended to out; width is D as whole digits.
void AppendSequenceNumberWord(double n, int width, std::string& out);

// The placeholder word typing puts at the start of a line before the key:
// none when the caret is not right after a line end, for Backspace, and
// before "(", TAB and "N".
inline constexpr char kBackspaceKey = 8;
std::optional<std::string> AutoNumberPrefix(std::string_view text, std::size_t caret, char key);

}  // namespace quillon
