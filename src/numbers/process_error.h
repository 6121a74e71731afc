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

// what() is the message shown: the row's, or one naming the value that
// caused it ("Value too large: StartX 1e306").
struct ProcessError : std::runtime_error {
  explicit ProcessError(int number);
  ProcessError(int number, const std::string& message);
  int number;
  bool named = false;  // the message names the box or key of the value
};

// The value too large to write or read back (not finite, or its thousandths
// beyond 64 bits): "Value too large: 1e306", or with the box or key that
// holds it "Value too large: StartX 1e306".
ProcessError ValueTooLarge(double value);
ProcessError ValueTooLarge(std::string_view box, double value);
// A tool number that does not fit the two digits of a tool word:
// "Tool number out of range: ToolNumber -1".
ProcessError ToolNumberOutOfRange(double value);

// " 13 error " for 13.
std::string ProcessErrorTitle(int number);
// The message of ReportProcessError; empty for 0 (no error, no message).
std::string ProcessErrorMessage(int number);

}  // namespace quillon
