#pragma once
// Tokens written out for comparison: kind{text}, address words as
// kind{address}{value}:value-kind ("=" between them for the "=" forms),
// then the flags and the bracket depth.
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "program/nc_lexer.h"

namespace quillon {

// Codes in the order of TokenKind, ValueKind.
inline std::string_view KindCode(TokenKind kind) {
  static constexpr std::string_view kCodes[] = {
      "_",  "tab",  "skip",  "seq", "name", "noex", "prog", "cont", "gm", "g", "m",   "xyz",     "fst",  "var", "word",
      "kw", "call", "label", "id",  "v",    "num",  "op",   "sep",  "[",  "]", "cmt", "opencmt", "head", "%",   "?"};
  static_assert(std::size(kCodes) == static_cast<std::size_t>(TokenKind::Unknown) + 1);
  return kCodes[static_cast<std::size_t>(kind)];
}

inline std::string_view ValueCode(ValueKind kind) {
  static constexpr std::string_view kCodes[] = {"none", "n", "v", "e", "bad"};
  return kCodes[static_cast<std::size_t>(kind)];
}

inline std::string DumpToken(std::string_view line, const Token& t) {
  std::string s(KindCode(t.kind));
  if (IsAddressWord(t.kind)) {
    s += "{" + std::string(AddressText(line, t)) + "}";
    if (t.has(kTokenHasEquals)) s += "=";
    s += "{" + std::string(ValueText(line, t)) + "}:" + std::string(ValueCode(t.value));
  } else {
    s += "{" + std::string(TokenText(line, t)) + "}";
    if (t.kind == TokenKind::Number) s += ":" + std::string(ValueCode(t.value));
  }
  if (t.has(kTokenUnclosed)) s += "!unclosed";
  if (t.has(kTokenUnmatched)) s += "!unmatched";
  if (t.has(kTokenJump)) s += "!jump";
  if (t.depth > 0) s += "@" + std::to_string(t.depth);
  return s;
}

inline std::string DumpLine(std::string_view line) {
  std::string s;
  for (const Token& t : LexLine(line)) {
    if (!s.empty()) s += ' ';
    s += DumpToken(line, t);
  }
  return s;
}

}  // namespace quillon
