#include "cli/byte_stream.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>

namespace quillon::cli {

bool FdSink::write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      m_errno = errno;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string FdSink::error() const { return std::strerror(m_errno); }

std::ptrdiff_t StreamSource::read(char* data, std::size_t size) {
  std::streambuf* buf = m_in.rdbuf();
  if (!buf) return 0;
  return static_cast<std::ptrdiff_t>(buf->sgetn(data, static_cast<std::streamsize>(size)));
}

bool StreamSink::write(std::string_view bytes) {
  m_out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(m_out);
}

LineBlockReader::LineBlockReader(ByteSource& source, std::size_t blockSize, std::size_t maxLine)
    : m_source(source), m_buffer(blockSize), m_maxLine(maxLine) {}

std::string LineBlockReader::error() const {
  return m_tooLong ? "a line " + SizeLimitText(m_maxLine) : m_source.error();
}

bool LineBlockReader::next(std::string_view& lines) {
  for (;;) {
    // Whole lines in what has been read: hand them out up to the last line feed.
    const char* const begin = m_buffer.data() + m_begin;
    const std::size_t unread = m_end - m_begin;
    if (const void* lf = unread ? ::memrchr(begin, '\n', unread) : nullptr) {
      const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lf) - begin) + 1;
      lines = std::string_view(begin, length);
      m_begin += length;
      return true;
    }
    if (m_atEnd) {
      if (unread == 0) return false;
      lines = std::string_view(begin, unread);  // the last line, without a line end
      m_begin = m_end;
      return true;
    }
    // Keep the partial line at the front and fill the rest; a line longer than
    // the buffer doubles it.
    if (m_begin > 0) {
      std::memmove(m_buffer.data(), begin, unread);
      m_begin = 0;
      m_end = unread;
    }
    if (m_end == m_buffer.size()) {
      if (m_end >= m_maxLine) {
        m_tooLong = m_failed = true;
        return false;
      }
      m_buffer.resize(m_buffer.size() * 2);
    }
    const std::ptrdiff_t n = m_source.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (n < 0) {
      m_failed = true;
      return false;
    }
    if (n == 0) m_atEnd = true;
    m_end += static_cast<std::size_t>(n);
  }
}

BlockWriter::BlockWriter(ByteSink& sink, bool deferred) : m_sink(sink), m_deferred(deferred) {
  m_buffer.reserve(kStreamBlockSize + kStreamBlockSize / 2);
}

bool BlockWriter::flushIfFull() {
  if (m_failed) return false;
  if (m_deferred || m_buffer.size() < kStreamBlockSize) return true;
  m_failed = !m_sink.write(m_buffer);
  m_buffer.clear();  // keeps its capacity
  return !m_failed;
}

bool BlockWriter::finish() {
  if (m_failed) return false;
  m_failed = !m_sink.write(m_buffer);
  m_buffer.clear();
  return !m_failed;
}

}  // namespace quillon::cli
