#include <memory>
#include <ostream>
#include <utility>

#include "cli/byte_stream.h"
#include "cli/cli_verbs.h"

namespace quillon::cli {

int ReadInputBytes(const std::string& path, std::istream& in, std::string& bytes, std::ostream& err) {
  StreamSource stream(in);
  return ReadInputBytes(path, stream, bytes, err);
}

int ReadInputBytes(const std::string& path, ByteSource& stream, std::string& bytes, std::ostream& err) {
  std::unique_ptr<FileSource> file;
  if (!path.empty()) {
    file = std::make_unique<FileSource>(path);
    if (!file->isOpen()) {
      err << OpenFailureMessage(path, *file) << "\n";
      return kExitUsage;
    }
  }
  ByteSource& source = file ? static_cast<ByteSource&>(*file) : stream;
  WholeRead read = ReadAllBytes(source);
  if (!read.ok()) {
    err << ReadFailureMessage(path.empty() ? std::string("standard input") : path, read) << "\n";
    return kExitIoError;
  }
  bytes = std::move(read.bytes);
  return kExitOk;
}

}  // namespace quillon::cli
