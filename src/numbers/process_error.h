#pragma once
// The one typed error of the core and the one table of its numbers. A process
// command that fails ends without writing anything and is reported by its
// number: the title " 13 error ", the message of its row.
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillon {

// The numbers are those of the run-time errors the commands were first
// written against; the controller side never sees them.
inline constexpr int kErrNone = 0;
inline constexpr int kErrOverflow = 6;             // a value too large to write
inline constexpr int kErrSubscriptOutOfRange = 9;  // a cutting-condition row outside the table
inline constexpr int kErrDivisionByZero = 11;      // a zero reference or tool diameter
inline constexpr int kErrCuttingCondition = 13;    // no material file loaded
inline constexpr int kErrOutOfStringSpace = 14;    // a block that would never end
inline constexpr int kErrInternal = 51;            // anything else escaping a generator
inline constexpr int kErrFileAccess = 75;          // a file that cannot be read
inline constexpr int kErrPathNotFound = 76;
inline constexpr int kErrNoDocument = 91;  // no document window to write into

struct ErrorRow {
  int number;
  std::string_view message;  // empty: nothing is shown
};
// Every number the core throws or reports, in number order; a number without
// a row is reported with the message of kErrInternal's kind, "Error.".
std::span<const ErrorRow> ErrorTable();

struct ProcessError : std::runtime_error {
  explicit ProcessError(int number);
  int number;
};

// " 13 error " for 13.
std::string ProcessErrorTitle(int number);
// The message of ReportProcessError; empty for 0 (no error, no message).
std::string ProcessErrorMessage(int number);

}  // namespace quillon
