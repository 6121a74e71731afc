#include <memory>
#include <ostream>

#include "cli/byte_stream.h"
#include "cli/cli_verbs.h"

namespace quillon::cli {

bool ReadInputBytes(const std::string& path, std::istream& in, std::string& bytes, std::ostream& err) {
  StreamSource stream(in);
  std::unique_ptr<FileSource> file;
  if (!path.empty()) {
    file = std::make_unique<FileSource>(path);
    if (!file->isOpen()) {
      err << "cannot read " << path << "\n";
      return false;
    }
  }
  ByteSource& source = file ? static_cast<ByteSource&>(*file) : stream;
  LineBlockReader reader(source);
  std::string_view lines;
  while (reader.next(lines)) bytes.append(lines);
  if (reader.failed()) {
    err << "cannot read " << (path.empty() ? std::string("standard input") : path) << ": " << source.error() << "\n";
    return false;
  }
  return true;
}

}  // namespace quillon::cli
