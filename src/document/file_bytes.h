#pragma once
// The one way files are read: in blocks from a descriptor, every failure
// (a folder, a closed descriptor, a device, a permission) kept as the
// system's reason, and a limit on how much a caller takes in whole.
#include <cstddef>
#include <string>

namespace quillon {

inline constexpr std::size_t kReadBlockSize = std::size_t{256} * 1024;
// What is read whole when the caller names no smaller limit: material files,
// the command line's whole-program runs.
inline constexpr std::size_t kMaxWholeReadBytes = std::size_t{64} * 1024 * 1024;

// Where bytes are read from.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to size bytes into data; 0 at the end; -1 when reading failed.
  virtual std::ptrdiff_t read(char* data, std::size_t size) = 0;
  // Why the last read (or the opening) failed.
  virtual std::string error() const = 0;
};

// A file descriptor (standard input, an opened file); the caller keeps it open.
class FdSource : public ByteSource {
 public:
  explicit FdSource(int fd) : m_fd(fd) {}
  std::ptrdiff_t read(char* data, std::size_t size) override;
  std::string error() const override;
  int errorNumber() const { return m_errno; }

 protected:
  int m_fd;
  int m_errno = 0;
};

// A named file, opened for reading and closed with the object.
class FileSource : public FdSource {
 public:
  explicit FileSource(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;
  bool isOpen() const { return m_fd >= 0; }
};

enum class ReadFailure { None, Open, Read, TooLarge };

struct WholeRead {
  ReadFailure failure = ReadFailure::None;
  int errorNumber = 0;  // of a failed open or read
  std::string bytes;    // all of them when failure is None
  std::string reason;   // the system's words ("Is a directory"), or the limit
  bool ok() const { return failure == ReadFailure::None; }
};

// Everything the source holds, up to limit bytes; one byte more is TooLarge
// (a device such as /dev/zero never ends).
WholeRead ReadAllBytes(ByteSource& source, std::size_t limit = kMaxWholeReadBytes);
WholeRead ReadFileBytes(const std::string& path, std::size_t limit = kMaxWholeReadBytes);

// "cannot read NAME: REASON", the message of every failed read; a file that
// does not exist is "cannot read NAME".
std::string ReadFailureMessage(const std::string& name, const WholeRead& read);
std::string OpenFailureMessage(const std::string& name, const FileSource& file);

// "larger than 64 MB", "larger than 65000 bytes".
std::string SizeLimitText(std::size_t limit);

}  // namespace quillon
