#include "numbers/process_error.h"

#include <charconv>

namespace quillon {

namespace {
constexpr std::string_view kGenericMessage = "Error.";

// clang-format off
constexpr ErrorRow kErrors[] = {
  // number                   message
  {kErrNone,                  ""},
  {kErrOverflow,              kGenericMessage},
  {kErrSubscriptOutOfRange,   kGenericMessage},
  {kErrDivisionByZero,        "0 error. Tool diameter is 0."},
  {kErrCuttingCondition,      "Cutting condition error. Pls. Material file select."},
  {kErrOutOfStringSpace,      kGenericMessage},
  {kErrInternal,              kGenericMessage},
  {kErrFileAccess,            kGenericMessage},
  {kErrPathNotFound,          "Not fund path."},
  {kErrNoDocument,            "Not file open. Can not insert."},
};
// clang-format on
}  // namespace

std::span<const ErrorRow> ErrorTable() { return kErrors; }

ProcessError::ProcessError(int n) : std::runtime_error(ProcessErrorMessage(n)), number(n) {}

ProcessError::ProcessError(int n, const std::string& message) : std::runtime_error(message), number(n) {}

namespace {
// The shortest text of a value of any size: 1e306, -1, inf.
std::string ValueText(double value) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  std::string text(buf, res.ptr);
  if (const auto plus = text.find("e+"); plus != std::string::npos) text.erase(plus + 1, 1);
  return text;
}
}  // namespace

ProcessError ValueTooLarge(double value) { return ProcessError(kErrOverflow, "Value too large: " + ValueText(value)); }

ProcessError ToolNumberOutOfRange(double value) {
  ProcessError error(kErrOverflow, "Tool number out of range: ToolNumber " + ValueText(value));
  error.named = true;
  return error;
}

ProcessError ValueTooLarge(std::string_view box, double value) {
  ProcessError error(kErrOverflow, "Value too large: " + std::string(box) + " " + ValueText(value));
  error.named = true;
  return error;
}

std::string ProcessErrorTitle(int number) { return " " + std::to_string(number) + " error "; }

std::string ProcessErrorMessage(int number) {
  for (const ErrorRow& row : kErrors)
    if (row.number == number) return std::string(row.message);
  return std::string(kGenericMessage);
}

}  // namespace quillon
