#include "numbers/process_error.h"

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

std::string ProcessErrorTitle(int number) { return " " + std::to_string(number) + " error "; }

std::string ProcessErrorMessage(int number) {
  for (const ErrorRow& row : kErrors)
    if (row.number == number) return std::string(row.message);
  return std::string(kGenericMessage);
}

}  // namespace quillon
