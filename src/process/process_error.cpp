#include "process/process_error.h"

namespace quillon {

ProcessError::ProcessError(int n) : std::runtime_error(ProcessErrorMessage(n)), number(n) {}

std::string ProcessErrorTitle(int number) { return " " + std::to_string(number) + " error "; }

std::string ProcessErrorMessage(int number) {
  switch (number) {
    case 0: return "";
    case kErrDivisionByZero: return "0 error. Tool diameter is 0.";
    case kErrCuttingCondition: return "Cutting condition error. Pls. Material file select.";
    case kErrPathNotFound: return "Not fund path.";
    case kErrNoDocument: return "Not file open. Can not insert.";
    default: return "Error.";
  }
}

}  // namespace quillon
