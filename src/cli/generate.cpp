#include <ostream>

#include "cli/cli_verbs.h"

namespace quillon::cli {

int RunGenerate(const Args&, std::ostream&, std::ostream& err) {
  err << "generate: not available yet\n";
  return kExitUsage;
}

}  // namespace quillon::cli
