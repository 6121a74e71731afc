#include "document/file_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quillon {

std::ptrdiff_t FdSource::read(char* data, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(m_fd, data, size);
    if (n >= 0) return n;
    if (errno == EINTR) continue;
    m_errno = errno;
    return -1;
  }
}

std::string FdSource::error() const { return std::strerror(m_errno); }

FileSource::FileSource(const std::string& path) : FdSource(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
  if (m_fd < 0) {
    m_errno = errno;
    return;
  }
#ifdef POSIX_FADV_SEQUENTIAL
  ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
}

FileSource::~FileSource() {
  if (m_fd >= 0) ::close(m_fd);
}

WholeRead ReadAllBytes(ByteSource& source, std::size_t limit) {
  WholeRead result;
  std::string& bytes = result.bytes;
  for (;;) {
    // Grow by a block at a time, never past one byte beyond the limit: that
    // byte is enough to know the source holds more.
    const std::size_t room = std::min(kReadBlockSize, limit + 1 - bytes.size());
    const std::size_t had = bytes.size();
    bytes.resize(had + room);
    const std::ptrdiff_t n = source.read(bytes.data() + had, room);
    if (n < 0) {
      bytes.clear();
      result.failure = ReadFailure::Read;
      result.reason = source.error();
      if (const auto* fd = dynamic_cast<const FdSource*>(&source)) result.errorNumber = fd->errorNumber();
      return result;
    }
    bytes.resize(had + static_cast<std::size_t>(n));
    if (bytes.size() > limit) {
      bytes.clear();
      result.failure = ReadFailure::TooLarge;
      result.reason = SizeLimitText(limit);
      return result;
    }
    if (n == 0) return result;
  }
}

WholeRead ReadFileBytes(const std::string& path, std::size_t limit) {
  FileSource file(path);
  if (!file.isOpen()) {
    WholeRead result;
    result.failure = ReadFailure::Open;
    result.reason = file.error();
    result.errorNumber = file.errorNumber();
    return result;
  }
  return ReadAllBytes(file, limit);
}

std::string ReadFailureMessage(const std::string& name, const WholeRead& read) {
  if (read.failure == ReadFailure::Open && read.errorNumber == ENOENT) return "cannot read " + name;
  return "cannot read " + name + ": " + read.reason;
}

std::string OpenFailureMessage(const std::string& name, const FileSource& file) {
  WholeRead read;
  read.failure = ReadFailure::Open;
  read.errorNumber = file.errorNumber();
  read.reason = file.error();
  return ReadFailureMessage(name, read);
}

std::string SizeLimitText(std::size_t limit) {
  constexpr std::size_t kMegabyte = std::size_t{1024} * 1024;
  if (limit % kMegabyte == 0) return "larger than " + std::to_string(limit / kMegabyte) + " MB";
  return "larger than " + std::to_string(limit) + " bytes";
}

}  // namespace quillon
