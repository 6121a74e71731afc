#pragma once
// Every token of every line of a text, nothing kept: the lexing cost the
// benchmarks of the readers built on the lexer are compared with.
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "program/nc_lexer.h"

namespace quillon::bench {

inline std::size_t LexEveryLine(const std::string& text) {
  LineLexer lexer;
  std::size_t tokens = 0, start = 0;
  for (;;) {
    const void* lf = std::memchr(text.data() + start, '\n', text.size() - start);
    const std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
    tokens += lexer.lex(std::string_view(text).substr(start, end - start)).size();
    if (!lf) break;
    start = end + 1;
  }
  return tokens;
}

}  // namespace quillon::bench
