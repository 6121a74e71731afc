#include <ostream>

#include "cli/cli_verbs.h"

namespace quillon::cli {

int RunCalc(const Args&, std::ostream&, std::ostream& err) {
  err << "calc: not available yet\n";
  return kExitUsage;
}

}  // namespace quillon::cli
