#pragma once
// Size shift: arithmetic on the number that follows an address word
// (X, Z, S, SB=, DA ...), one occurrence at a time or all at once.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "transform/search.h"

namespace quillon {

enum class ShiftOperation { Add, Multiply, Divide };

struct ShiftCalculation {
  ShiftOperation operation = ShiftOperation::Add;
  double operand = 0.0;
  // Only address words with a plain number change (ShiftWordAt): not inside
  // comments or brackets, not the tail of a longer name, not a variable or
  // expression value.
  bool wordsOnly = false;
};

// Why a calculation cannot be run: its number is missing or is not one
// ("*", "+", "*nan", "abc"); none when it can.
std::optional<std::string> ShiftCalculationProblem(std::string_view calculation);

// "*0.8" multiplies, "/2" divides, anything else ("10", "+10", "-10") adds
// its leading number; text without a number reads as 0.
ShiftCalculation ParseShiftCalculation(std::string_view calculation);

// The old value with the calculation applied; none for a division by zero.
std::optional<double> ApplyShiftCalculation(double value, const ShiftCalculation& calculation);

// An address word's number is read from at most this many characters.
inline constexpr std::size_t kShiftScanLength = 10;

struct ShiftScan {
  char number[kShiftScanLength] = {};  // sign, digits and points taken
  std::size_t numberLength = 0;        // 0: no number
  bool equals = false;                 // an "=" stood among them (SB=12.5) and is written again
  std::size_t consumed = 0;            // characters after the address word the new word replaces

  std::string_view numberText() const { return {number, numberLength}; }
};

// Reads the characters that follow an address word (at most
// kShiftScanLength of them are looked at).
ShiftScan ScanShiftNumber(std::string_view following);

// Beyond this a double no longer carries the three decimals the word keeps.
inline constexpr double kLargestShiftResult = 1e15;

// The value rounded to three decimals (halves away from zero, judged on its
// 15 significant digits) in its shortest text: 80, -0.2, 6.25, 0.5, -0.5;
// none when it is not finite or too large to write.
std::optional<std::string> FormatShiftValue(double value);
// The same text written to out, which holds kShiftValueChars; its length, 0
// when the value cannot be written.
inline constexpr std::size_t kShiftValueChars = 24;
std::size_t WriteShiftValue(double value, char* out);

// Whether every number the scan can read (at most ten characters) gives a
// value that can be written: a run with such a calculation never fails.
bool ShiftAlwaysWritable(const ShiftCalculation& calculation);

enum class ShiftOutcome { NoNumber, Shifted, Impossible };

// How the words-only rule judges one occurrence of the find text.
enum class ShiftWordKind {
  Number,     // an address word with a plain number: it changes
  NotAWord,   // in a comment or brackets, or after a letter or "_"
  NoNumber,   // no value, or a variable or expression (Z=-PL, X[VC1])
  Malformed,  // number characters that make no number (X.1.26, Z--3)
};
struct ShiftWordAt {
  ShiftWordKind kind = ShiftWordKind::NotAWord;
  std::size_t valueEnd = 0;  // Number and Malformed: where the number characters end
  bool equals = false;       // an "=" before the number
  std::string_view number;   // Number and Malformed: the number characters
};
// The occurrence of findText at p in text (any span of whole lines).
ShiftWordAt JudgeShiftWord(std::string_view text, std::size_t p, std::size_t findLength);

// The new word for one occurrence of findText followed by `following`.
struct ShiftWord {
  ShiftOutcome outcome = ShiftOutcome::NoNumber;
  std::size_t consumed = 0;  // characters after the address word replaced
  std::string word;          // findText, "=" when kept, the new number
};
ShiftWord ShiftWordFor(std::string_view findText, std::string_view following, const ShiftCalculation& calculation);
// The same step appending the new word to out (Shifted only); consumed is set
// in every outcome.
ShiftOutcome AppendShiftWord(std::string_view findText, std::string_view following, const ShiftCalculation& calculation,
                             std::string& out, std::size_t& consumed);

// One step on the occurrence of findText at start (the selection).
struct ShiftStep {
  ShiftOutcome outcome = ShiftOutcome::NoNumber;
  std::optional<DocumentEdit> edit;  // Shifted only; the caret ends after the new word
  std::size_t searchPos = 0;         // just after the occurrence's first character
  std::string oldWord;               // the address word and the characters it consumed
};
ShiftStep ShiftValueAtSelection(std::string_view text, std::size_t start, std::string_view findText,
                                const ShiftCalculation& calculation);

struct ShiftSkipped {
  std::size_t position = 0;  // in text
  std::string word;          // the address word and its number characters
};

// Where an all-at-once run met a value it cannot calculate; nothing changes then.
struct ShiftFailure {
  std::size_t line = 0;      // 1-based line of the occurrence
  std::string oldWord;       // as it stands in the text
  std::size_t position = 0;  // of the occurrence in the text
};

struct ShiftRun {
  std::vector<ShiftSkipped> malformed;  // words-only: positions in the input text
  std::string text;                     // the whole new text (the input when it failed)
  std::size_t count = 0;                // words changed
  std::size_t caret = 0;                // where the caret given to the run lands in the new text
  std::size_t searchPos = 0;            // where the run's search stands afterwards
  std::optional<ShiftFailure> failure;
};

// Where a caret and the search stand while the one all-at-once loop runs.
struct ShiftMarks {
  std::size_t caret = 0;      // in the input text
  std::size_t newCaret = 0;   // where it lands in the output
  std::size_t searchPos = 0;  // in the output, after the last occurrence met
};

// The one all-at-once loop: appends text from `from` on to out with every
// occurrence shifted (the run goes on behind each word it wrote). It stops
// at the first occurrence that cannot be calculated and returns its position
// in text, leaving out incomplete; the count is that of the words changed.
struct ShiftPass {
  std::size_t count = 0;
  std::vector<ShiftSkipped> malformed;  // words-only: left because their number is none
  std::optional<std::size_t> impossibleAt;
  std::size_t impossibleLength = 0;  // of the old word there
};
ShiftPass AppendShifted(std::string_view text, std::size_t from, std::string_view findText,
                        const ShiftCalculation& calculation, std::string& out, ShiftMarks* marks = nullptr);

// "line 40: X.1.26 is not a number, left as it is"
std::string MalformedWordNote(std::size_t line, std::string_view word);

// Every occurrence from searchPos on in one pass. After a change the search
// goes on behind the written word, so the run always ends. The caret keeps
// its place among the words around it (inside a changed word: after it).
ShiftRun ShiftAll(std::string_view text, std::size_t searchPos, std::string_view findText,
                  const ShiftCalculation& calculation, std::size_t caret = 0);

}  // namespace quillon
