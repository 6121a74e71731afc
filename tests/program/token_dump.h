#pragma once
// Tokens written out for comparison: kind{text}, address words as
// kind{address}{value}:value-kind ("=" between them for the "=" forms),
// then the flags and the bracket depth.
#include <string>
#include <string_view>
#include <vector>

#include "program/nc_lexer.h"

namespace quillon {

inline std::string_view KindCode(TokenKind kind) {
  switch (kind) {
    case TokenKind::Blank: return "_";
    case TokenKind::TabLine: return "tab";
    case TokenKind::BlockSkip: return "skip";
    case TokenKind::SequenceNumber: return "seq";
    case TokenKind::SequenceName: return "name";
    case TokenKind::NoexWord: return "noex";
    case TokenKind::ProgramName: return "prog";
    case TokenKind::Continuation: return "cont";
    case TokenKind::MotionG: return "gm";
    case TokenKind::GCode: return "g";
    case TokenKind::MCode: return "m";
    case TokenKind::Coordinate: return "xyz";
    case TokenKind::FeedSpeedTool: return "fst";
    case TokenKind::VariableWord: return "var";
    case TokenKind::Word: return "word";
    case TokenKind::Keyword: return "kw";
    case TokenKind::CallTarget: return "call";
    case TokenKind::LabelReference: return "label";
    case TokenKind::Name: return "id";
    case TokenKind::Variable: return "v";
    case TokenKind::Number: return "num";
    case TokenKind::Operator: return "op";
    case TokenKind::Separator: return "sep";
    case TokenKind::BracketOpen: return "[";
    case TokenKind::BracketClose: return "]";
    case TokenKind::Comment: return "cmt";
    case TokenKind::OpenComment: return "opencmt";
    case TokenKind::HeaderComment: return "head";
    case TokenKind::Percent: return "%";
    case TokenKind::Unknown: return "?";
  }
  return "!";
}

inline std::string_view ValueCode(ValueKind kind) {
  switch (kind) {
    case ValueKind::None: return "none";
    case ValueKind::Number: return "n";
    case ValueKind::Variable: return "v";
    case ValueKind::Expression: return "e";
    case ValueKind::Malformed: return "bad";
  }
  return "!";
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
