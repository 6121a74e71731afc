#pragma once
// The one typed error of the process commands, reported by its number.
#include <stdexcept>
#include <string>

namespace quillon {

struct ProcessError : std::runtime_error {
  explicit ProcessError(int number);
  int number;
};

// Well-known numbers (the controller-side meaning is in the messages).
inline constexpr int kErrDivisionByZero = 11;
inline constexpr int kErrCuttingCondition = 13;
inline constexpr int kErrPathNotFound = 76;
inline constexpr int kErrNoDocument = 91;

// " 13 error " for 13.
std::string ProcessErrorTitle(int number);
// The message of ReportProcessError; empty for 0 (no error, no message).
std::string ProcessErrorMessage(int number);

}  // namespace quillon
