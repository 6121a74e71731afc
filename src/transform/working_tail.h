#pragma once
// The not yet settled end of a text being rewritten left to right: a few
// freshly written characters (pending) in front of the untouched rest of the
// original. Size shift continues its search one character into the word it
// just wrote, so that word must stay searchable; keeping it here instead of
// rebuilding the whole text keeps a run linear.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::detail {

class WorkingTail {
 public:
  WorkingTail(std::string pending, std::string_view rest) : m_pending(std::move(pending)), m_rest(rest) {}

  std::size_t size() const { return m_pending.size() + m_rest.size(); }
  std::size_t pendingSize() const { return m_pending.size(); }
  // Where the untouched rest starts, as a pointer into the original text.
  const char* restData() const { return m_rest.data(); }

  // Offset (in the tail) of the first occurrence of word, or npos.
  std::size_t find(std::string_view word) const {
    if (word.empty()) return std::string_view::npos;
    if (!m_pending.empty()) {
      // Occurrences that start among the pending characters may run on into the rest.
      std::string window = m_pending;
      window.append(m_rest.substr(0, word.size() - 1));
      const std::size_t p = window.find(word);
      if (p != std::string::npos && p < m_pending.size()) return p;
    }
    const std::size_t r = m_rest.find(word);
    return r == std::string_view::npos ? r : m_pending.size() + r;
  }

  // Up to count characters starting at offset.
  std::string peek(std::size_t offset, std::size_t count) const {
    std::string out;
    for (std::size_t k = offset; k < offset + count && k < size(); ++k) out.push_back(at(k));
    return out;
  }

  char at(std::size_t k) const { return k < m_pending.size() ? m_pending[k] : m_rest[k - m_pending.size()]; }

  // Moves the first count characters to out.
  void commit(std::string& out, std::size_t count) {
    const std::size_t fromPending = std::min(count, m_pending.size());
    out.append(m_pending, 0, fromPending);
    m_pending.erase(0, fromPending);
    const std::size_t fromRest = std::min(count - fromPending, m_rest.size());
    out.append(m_rest.substr(0, fromRest));
    m_rest.remove_prefix(fromRest);
  }

  // Drops the first count characters.
  void drop(std::size_t count) {
    const std::size_t fromPending = std::min(count, m_pending.size());
    m_pending.erase(0, fromPending);
    m_rest.remove_prefix(std::min(count - fromPending, m_rest.size()));
  }

  void prepend(std::string_view text) { m_pending.insert(0, text); }

  void commitAll(std::string& out) { commit(out, size()); }

 private:
  std::string m_pending;
  std::string_view m_rest;
};

}  // namespace quillon::detail
