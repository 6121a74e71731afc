#include <istream>
#include <ostream>

#include "cli/cli_verbs.h"

namespace quillon::cli {

int RunRenumber(const Args&, std::istream&, std::ostream&, std::ostream& err) {
  err << "renumber: not available yet\n";
  return kExitUsage;
}
int RunShift(const Args&, std::istream&, std::ostream&, std::ostream& err) {
  err << "shift: not available yet\n";
  return kExitUsage;
}
int RunReplace(const Args&, std::istream&, std::ostream&, std::ostream& err) {
  err << "replace: not available yet\n";
  return kExitUsage;
}

}  // namespace quillon::cli
