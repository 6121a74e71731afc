// The lexer: the tokens of any line follow each other without a gap and
// join to the line, the parts of every word lie inside it, and the reused
// lexer gives what a fresh one gives.
#include <cstdint>
#include <string_view>

#include "fuzz_input.h"
#include "program/nc_lexer.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static LineLexer reused;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (true) {
    const std::size_t lf = rest.find('\n');
    const std::string_view line = rest.substr(0, lf);
    const auto tokens = LexLine(line);
    std::uint32_t at = 0;
    for (const Token& token : tokens) {
      fuzz::Require(token.start == at && token.length > 0);
      at = token.end();
      if (IsAddressWord(token.kind)) {
        fuzz::Require(token.start < token.addressEnd && token.addressEnd <= token.valueStart);
        fuzz::Require(token.valueStart <= token.end());
        (void)WordNumber(line, token);
      }
    }
    fuzz::Require(at == line.size());
    fuzz::Require(reused.lex(line) == tokens);
    if (lf == std::string_view::npos) break;
    rest.remove_prefix(lf + 1);
  }
  return 0;
}
