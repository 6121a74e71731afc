#pragma once
// The one judge of what a user typed where a number belongs: every entry box
// of the dialogs, the cells of the cutting-condition window and the values
// the command line takes for them. The readers (ReadNumber) stay lenient for
// the texts they get from elsewhere; a text reaches them from an entry only
// after it was judged here.
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

enum class EntryKind {
  Empty,       // nothing but blanks: the box keeps its meaning of 0
  Number,      // blanks, an optional sign, digits with at most one point, blanks
  NotANumber,  // anything else ("abc", "x4O", "--3..0", "1e5", "12mm", "1,5")
};

// Blanks are spaces and tabs. A number needs at least one digit (".5" and
// "5." are numbers, "." and "-" are not) and must fit a double.
EntryKind JudgeEntry(std::string_view text);

// Empty or a number.
inline bool IsAcceptableEntry(std::string_view text) { return JudgeEntry(text) != EntryKind::NotANumber; }

// The value of an acceptable entry (0 when empty); nullopt when it is not a number.
std::optional<double> EntryValue(std::string_view text);

// "StartX: 'abc' is not a number": how a refused entry is named, by the
// command line (with its field name) and by the dialogs (with the box's label).
std::string NotANumberMessage(std::string_view field, std::string_view text);

}  // namespace quillon
