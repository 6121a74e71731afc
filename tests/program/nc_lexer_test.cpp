// The lexer over the dialect's line kinds, over every line the generators write, and over random bytes.
#include "program/nc_lexer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/case_suite.h"
#include "support/param_name.h"

namespace quillon {
namespace {

using testing_support::TestData;

// Codes in the order of TokenKind, ValueKind.
std::string_view KindCode(TokenKind kind) {
  static constexpr std::string_view kCodes[] = {
      "_",  "tab",  "skip",  "seq", "name", "noex", "prog", "cont", "gm", "g", "m",   "xyz",     "fst",  "var", "word",
      "kw", "call", "label", "id",  "v",    "num",  "op",   "sep",  "[",  "]", "cmt", "opencmt", "head", "%",   "?"};
  static_assert(std::size(kCodes) == static_cast<std::size_t>(TokenKind::Unknown) + 1);
  return kCodes[static_cast<std::size_t>(kind)];
}

std::string_view ValueCode(ValueKind kind) {
  static constexpr std::string_view kCodes[] = {"none", "n", "v", "e", "bad"};
  return kCodes[static_cast<std::size_t>(kind)];
}

// The tokens written out for comparison: kind{text}, address words as kind{address}{value}:value-kind ("=" between
// them for the "=" forms), then the flags and the bracket depth.
std::string DumpLine(std::string_view line) {
  std::string s;
  for (const Token& t : LexLine(line)) {
    s += (s.empty() ? "" : " ") + std::string(KindCode(t.kind));
    if (IsAddressWord(t.kind)) {
      s += "{" + std::string(AddressText(line, t)) + "}" + (t.has(kTokenHasEquals) ? "=" : "");
      s += "{" + std::string(ValueText(line, t)) + "}:" + std::string(ValueCode(t.value));
    } else {
      s += "{" + std::string(TokenText(line, t)) + "}";
      if (t.kind == TokenKind::Number) s += ":" + std::string(ValueCode(t.value));
    }
    if (t.has(kTokenUnclosed)) s += "!unclosed";
    if (t.has(kTokenUnmatched)) s += "!unmatched";
    if (t.has(kTokenJump)) s += "!jump";
    if (t.depth > 0) s += "@" + std::to_string(t.depth);
  }
  return s;
}

struct LexRow {
  std::string name, line, tokens;
};

// \t, \r, \s and \\ in the data file stand for a TAB, a CR, a blank and a backslash.
std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char c = text[++i];
      out.push_back(c == 't' ? '\t' : c == 'r' ? '\r' : c == 's' ? ' ' : c);
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

// One row per [name], then "line: " the line and "tokens: " its tokens (an empty one without the blank).
std::vector<LexRow> ReadLexRows() {
  std::vector<LexRow> rows;
  std::ifstream in(TestData() + "/program/golden/lexer_lines.tokens");
  for (std::string l; std::getline(in, l);) {
    if (l.starts_with("[")) rows.push_back({l.substr(1, l.size() - 2), "", ""});
    if (rows.empty() || !(l.starts_with("line:") || l.starts_with("tokens:"))) continue;
    std::string value = l.substr(l.find(':') + 1);
    (l[0] == 'l' ? rows.back().line : rows.back().tokens) = Unescape(value.starts_with(' ') ? value.substr(1) : value);
  }
  return rows;
}

// Guards against a line kind of the dialect read as other tokens: a word split wrongly between address and value, a
// label taken for a word, a comment or bracket group ending in the wrong place, a kind the highlighter and the checker
// would treat wrongly.
class LexLineTest : public ::testing::TestWithParam<LexRow> {};

TEST_P(LexLineTest, GivesTheTokens) { EXPECT_EQ(DumpLine(GetParam().line), GetParam().tokens) << GetParam().line; }
void PrintTo(const LexRow& row, std::ostream* os) { *os << row.name; }

INSTANTIATE_TEST_SUITE_P(Lines, LexLineTest, ::testing::ValuesIn(ReadLexRows()), testing_support::kRowName);

// Guards against the data file silently not being found or read.
TEST(LexLineData, HoldsTheCases) { EXPECT_GE(ReadLexRows().size(), 60u); }

// Checks every token of line: contiguous, non-empty, address and value inside the token; returns the concatenation.
std::string Rejoin(std::string_view line, const std::vector<Token>& tokens) {
  std::string joined;
  std::uint32_t at = 0;
  for (const Token& t : tokens) {
    EXPECT_EQ(t.start, at);
    EXPECT_GT(t.length, 0u);
    EXPECT_LE(t.start, t.addressEnd);
    EXPECT_LE(t.addressEnd, t.valueStart);
    EXPECT_LE(t.valueStart, t.end());
    at = t.end();
    joined += TokenText(line, t);
  }
  return joined;
}

// Guards against bytes lost, doubled or claimed by two tokens on input no one planned for (the highlighter and every
// transformation rely on it).
TEST(LexerProperty, TokensGiveRandomLinesBack) {
  std::mt19937 random(20240611);
  // Mostly the dialect's own characters, so brackets, comments and words meet in odd ways; any byte but the line end
  // now and then.
  const std::string alphabet = "NGXZTMSFOVCAIKLDUW0123456789.+-*/=[](),$%<> \t\rE";
  std::uniform_int_distribution<int> length(0, 60), pick(0, static_cast<int>(alphabet.size()) - 1), anyByte(0, 255),
      chance(0, 9);
  LineLexer lexer;
  for (int n = 0; n < 20000; ++n) {
    std::string line;
    for (int k = length(random); k > 0; --k) {
      char c =
          chance(random) == 0 ? static_cast<char>(anyByte(random)) : alphabet[static_cast<std::size_t>(pick(random))];
      line.push_back(c == '\n' ? ' ' : c);
    }
    const std::vector<Token>& tokens = lexer.lex(line);
    ASSERT_EQ(Rejoin(line, tokens), line) << "line " << n;
    ASSERT_EQ(tokens, LexLine(line)) << "a reused lexer keeps state of the line before: " << line;
  }
}

std::vector<std::string> GoldenExpectLines(std::size_t& files) {
  namespace fs = std::filesystem;
  std::vector<std::string> lines;
  for (const auto& entry : fs::recursive_directory_iterator(TestData())) {
    if (entry.path().extension() != ".golden") continue;
    ++files;
    std::ifstream in(entry.path());
    std::string line;
    bool inBlock = false;
    while (std::getline(in, line)) {
      if (line == "--- expect")
        inBlock = true;
      else if (line.starts_with("--- end"))
        inBlock = false;
      else if (inBlock)
        lines.push_back(line);
    }
  }
  return lines;
}

// Guards against the lexer disagreeing with the generators: a line they write coloured as unknown or malformed, or
// flagged unclosed, would show every generated program as full of mistakes.
TEST(LexerProperty, GeneratedLinesHoldNoUnknownToken) {
  std::size_t files = 0;
  const std::vector<std::string> lines = GoldenExpectLines(files);
  ASSERT_GE(files, 130u) << "golden files of every generator family";
  LineLexer lexer;
  for (const std::string& line : lines) {
    const std::vector<Token>& tokens = lexer.lex(line);
    EXPECT_EQ(Rejoin(line, tokens), line);
    for (const Token& t : tokens) {
      EXPECT_NE(t.kind, TokenKind::Unknown) << line;
      EXPECT_NE(t.value, ValueKind::Malformed) << line;
      EXPECT_FALSE(t.has(kTokenUnclosed) || t.has(kTokenUnmatched)) << line;
    }
  }
}

struct NumberRow {
  const char* name;
  const char* text;
  bool valid;
  double value;
  int decimals;
};

// Guards against numbers the controller reads differently: a trailing point, a leading point or a plus sign refused,
// two points or a bare sign taken.
class NcNumberTest : public ::testing::TestWithParam<NumberRow> {};

TEST_P(NcNumberTest, ReadsTheNumber) {
  const NumberRow& r = GetParam();
  const std::optional<double> value = ParseNcNumber(r.text);
  EXPECT_EQ(IsNcNumber(r.text), r.valid);
  ASSERT_EQ(value.has_value(), r.valid);
  if (value) {
    EXPECT_DOUBLE_EQ(*value, r.value);
  }
  if (r.valid) {
    EXPECT_EQ(DecimalCount(r.text), r.decimals);
  }
}

QUILLON_CASE_SUITE(Forms, NcNumberTest, NumberRow, 5, "program/cases/nc_number.txt");

// Guards against transformations finding the wrong token under an offset (the first byte, a token's last byte, the line
// end).
TEST(TokenAtTest, FindsTheTokenHoldingAnOffset) {
  const std::string line = "N000 G01 X-12.5";
  const std::vector<Token> tokens = LexLine(line);
  // N000 | " " | G01 | " " | X-12.5: offsets 0-3, 4, 5-7, 8, 9-14.
  EXPECT_EQ(TokenText(line, *TokenAt(tokens, 0)), "N000");
  EXPECT_EQ(TokenText(line, *TokenAt(tokens, 3)), "N000");
  EXPECT_EQ(TokenText(line, *TokenAt(tokens, 4)), " ");
  EXPECT_EQ(TokenText(line, *TokenAt(tokens, 9)), "X-12.5");
  EXPECT_EQ(TokenText(line, *TokenAt(tokens, 15)), "X-12.5");
  EXPECT_EQ(TokenAt({}, 0), nullptr);
  EXPECT_EQ(WordNumber(line, *TokenAt(tokens, 10)), -12.5);
  EXPECT_EQ(WordNumber(line, *TokenAt(tokens, 0)), std::nullopt);
  EXPECT_EQ(HeaderTitle("(-----<  OD.ROUGH\t>-----)", LexLine("(-----<  OD.ROUGH\t>-----)")[0]), "OD.ROUGH");
}

}  // namespace
}  // namespace quillon
