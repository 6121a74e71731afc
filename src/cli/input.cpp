#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "cli/cli_verbs.h"

namespace quillon::cli {

bool ReadInputBytes(const std::string& path, std::istream& in, std::string& bytes, std::ostream& err) {
  if (path.empty()) {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    err << "cannot read " << path << "\n";
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace quillon::cli
