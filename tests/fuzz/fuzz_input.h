#pragma once
// Splits a fuzz input into the parts a target needs: small numbers taken
// from the front, then texts separated by NUL bytes, the last one running to
// the end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace quillon::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : m_rest(reinterpret_cast<const char*>(data), size) {}

  // A byte from the front (0 when none is left).
  unsigned byte() {
    if (m_rest.empty()) return 0;
    const auto b = static_cast<unsigned char>(m_rest.front());
    m_rest.remove_prefix(1);
    return b;
  }
  // A number in [0, count).
  unsigned pick(unsigned count) { return count == 0 ? 0 : byte() % count; }

  // The text up to the next NUL (not included).
  std::string_view text() {
    const std::size_t nul = m_rest.find('\0');
    const std::string_view part = m_rest.substr(0, nul);
    m_rest.remove_prefix(nul == std::string_view::npos ? m_rest.size() : nul + 1);
    return part;
  }
  std::string_view rest() const { return m_rest; }
  bool empty() const { return m_rest.empty(); }

 private:
  std::string_view m_rest;
};

// A finding: libFuzzer reports the abort with the input that led to it.
[[noreturn]] inline void Finding() { std::abort(); }
inline void Require(bool holds) {
  if (!holds) Finding();
}

}  // namespace quillon::fuzz
