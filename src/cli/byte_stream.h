#pragma once
// The transformation verbs' way through a file: input read in large blocks
// and handed out as runs of whole lines, output collected in a reused buffer
// and written in large blocks. Memory stays at the block size plus the
// longest line, whatever the size of the file.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "document/file_bytes.h"

namespace quillon::cli {

inline constexpr std::size_t kStreamBlockSize = kReadBlockSize;

using quillon::ByteSource;
using quillon::FdSource;
using quillon::FileSource;

// Where a verb writes to.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // False when not all of bytes could be written.
  virtual bool write(std::string_view bytes) = 0;
  virtual std::string error() const = 0;
};

// A file descriptor (standard output, an opened file); the caller keeps it open.
class FdSink : public ByteSink {
 public:
  explicit FdSink(int fd) : m_fd(fd) {}
  bool write(std::string_view bytes) override;
  std::string error() const override;

 private:
  int m_fd;
  int m_errno = 0;
};

// Standard library streams (the tests' string streams).
class StreamSource : public ByteSource {
 public:
  explicit StreamSource(std::istream& in) : m_in(in) {}
  std::ptrdiff_t read(char* data, std::size_t size) override;
  std::string error() const override { return "read error"; }

 private:
  std::istream& m_in;
};

class StreamSink : public ByteSink {
 public:
  explicit StreamSink(std::ostream& out) : m_out(out) {}
  bool write(std::string_view bytes) override;
  std::string error() const override { return "write error"; }

 private:
  std::ostream& m_out;
};

// Hands out the input as runs of whole lines: each run ends just after a line
// feed, except the last line of a text that does not end with one. A CR LF
// pair is never split between two runs. A line longer than maxLine fails
// the read (a device such as /dev/zero holds one endless line).
class LineBlockReader {
 public:
  explicit LineBlockReader(ByteSource& source, std::size_t blockSize = kStreamBlockSize,
                           std::size_t maxLine = kMaxWholeReadBytes);
  // The next run; false at the end of the input or when reading failed.
  bool next(std::string_view& lines);
  bool failed() const { return m_failed; }
  // Why reading failed.
  std::string error() const;

 private:
  ByteSource& m_source;
  std::vector<char> m_buffer;
  std::size_t m_begin = 0;  // the unread part of the buffer is [m_begin, m_end)
  std::size_t m_end = 0;
  std::size_t m_maxLine;
  bool m_tooLong = false;
  bool m_atEnd = false;
  bool m_failed = false;
};

// The output of a run: verbs append to buffer(); it is written out whenever it
// has grown past a block. A deferred writer holds everything until finish(),
// for a run that may still fail and must then write nothing.
class BlockWriter {
 public:
  explicit BlockWriter(ByteSink& sink, bool deferred = false);
  std::string& buffer() { return m_buffer; }
  // Writes the buffer when it is full; false when writing failed.
  bool flushIfFull();
  // Writes what is left; false when writing failed now or before.
  bool finish();

 private:
  ByteSink& m_sink;
  bool m_deferred;
  bool m_failed = false;
  std::string m_buffer;
};

// Calls line(text, lineEnd) for each line of a run of whole lines: its text
// without the line end, and the line end as it stands ("\r\n", "\n", or
// empty for a last line without one).
template <typename Line>
void ForEachLine(std::string_view lines, Line line) {
  while (!lines.empty()) {
    const std::size_t lf = lines.find('\n');
    if (lf == std::string_view::npos) {
      line(lines, std::string_view());
      return;
    }
    const std::size_t textEnd = lf > 0 && lines[lf - 1] == '\r' ? lf - 1 : lf;
    line(lines.substr(0, textEnd), lines.substr(textEnd, lf + 1 - textEnd));
    lines.remove_prefix(lf + 1);
  }
}

}  // namespace quillon::cli
