#pragma once
// The lexer of the controller dialect, one line at a time: what the
// generators write and what machinists type by hand. Every byte of a line
// lies in exactly one token, so the tokens of a line, joined, give the line
// back; nothing is an error here (an open comment, a malformed number or a
// stray byte is a token of its own kind, for the checker to judge).
//
// A line is the text between two "\n" (without them). Lines hold bytes; a
// position is a byte offset from the start of the line.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quillon {

enum class TokenKind : std::uint8_t {
  Blank,           // a run of blanks and tabs
  TabLine,         // the one TAB of a line that holds nothing else
  BlockSkip,       // "/" (or "/1".."/9") before the block at the line start
  SequenceNumber,  // N and digits at the line start: N000, N0050
  SequenceName,    // N and a letter at the line start: NT05, NAP2, NMAX, NEND, NRTS
  NoexWord,        // NOEX at the line start: a system-variable line
  ProgramName,     // O and letters or digits at the line start: OUGC, OME12, O1234
  Continuation,    // "$" at the line start: more arguments of the block above
  MotionG,         // G0..G3 (G00..G03)
  GCode,           // every other G word
  MCode,           // M words
  Coordinate,      // X Z Y C A B
  FeedSpeedTool,   // F S T, the tool-group words TG= TL=, the rotary speed SB=
  VariableWord,    // a word whose address is a variable: VC1=5, VTLIN[5]=1, VCHKX=80
  Word,            // any other address word: D2, U0.4, K-1, SZ=-40, MT=1, HP=4, ZP1=50
  Keyword,         // CALL GOTO IF RTS CLEAR DEF END DRAW PS PF PO CI and EQ NE GT LT GE LE
  CallTarget,      // the subprogram named after CALL: OPCHK
  LabelReference,  // N… after GOTO or an IF condition, or a contour label in a block: G85 NAP2
  Name,            // letters without a value: TLID, the WORK and RC arguments of DEF and PS
  Variable,        // a variable inside brackets: VDIN, VC1
  Number,          // a number of its own: graphic-command arguments, numbers inside brackets
  Operator,        // + - * / = inside brackets
  Separator,       // ","
  BracketOpen,     // "[" of a bracket group that is not a word's value
  BracketClose,    // its "]"
  Comment,         // "(" … ")"
  OpenComment,     // "(" to the line end without ")"
  HeaderComment,   // "(-----< TITLE >-----)", or a line "-----< TITLE >-----" that frames a subprogram
  Percent,         // "%"
  Unknown,         // anything else
};

// What follows the address of a word (and the "=" of an "=" form).
enum class ValueKind : std::uint8_t {
  None,        // no value: a bare letter, "TG=" at the line end
  Number,      // a well-formed number: 12.5, -0.5, .5, 100., 00
  Variable,    // a variable name: X=VC1
  Expression,  // a bracketed or computed value: X[VC1+2], F=SB*0.06
  Malformed,   // number characters that make no number: .1.26, --3, 0..2, -
};

enum TokenFlag : std::uint8_t {
  kTokenHasEquals = 1u << 0,   // "=" between address and value
  kTokenUnclosed = 1u << 1,    // an open comment; a "[" (or a word's bracket value) never closed on the line
  kTokenUnmatched = 1u << 2,   // a "]" without its "["
  kTokenInBrackets = 1u << 3,  // lies inside a bracket group (IF conditions, graphic-command points)
  kTokenJump = 1u << 4,        // a LabelReference that GOTO or an IF condition jumps to
};

struct Token {
  std::uint32_t start = 0;  // byte offset in the line
  std::uint32_t length = 0;
  std::uint32_t addressEnd = 0;  // words: end of the address (letters, a variable's digits and subscript)
  std::uint32_t valueStart = 0;  // words: where the value begins (after "="); end() when there is none
  TokenKind kind = TokenKind::Unknown;
  ValueKind value = ValueKind::None;
  std::uint8_t flags = 0;  // TokenFlag bits
  std::uint8_t depth = 0;  // bracket depth around the token (255 and deeper read 255)

  std::uint32_t end() const { return start + length; }
  bool has(TokenFlag flag) const { return (flags & flag) != 0; }
  friend bool operator==(const Token&, const Token&) = default;
};

// True for the kinds that carry an address and a value (G, M, X … VC1=).
bool IsAddressWord(TokenKind kind);
// True for Comment, OpenComment and HeaderComment.
bool IsComment(TokenKind kind);

// Lexes lines into one buffer that is reused, so a run over many lines does
// not allocate once the buffer has grown.
class LineLexer {
 public:
  // The tokens of line (which holds no "\n"); valid until the next call.
  // Lines of 4 GiB and more are refused (std::length_error).
  const std::vector<Token>& lex(std::string_view line);
  const std::vector<Token>& tokens() const { return m_tokens; }

 private:
  std::vector<Token> m_tokens;
  std::vector<std::uint32_t> m_open;  // indexes of the "[" tokens still open
};

// The tokens of one line (a fresh vector; LineLexer for runs).
std::vector<Token> LexLine(std::string_view line);

// Parts of a token in its line (the line the token was lexed from).
inline std::string_view TokenText(std::string_view line, const Token& token) {
  return {line.data() + token.start, token.length};
}
// "X", "SB", "VTLIN[5]"
inline std::string_view AddressText(std::string_view line, const Token& token) {
  return {line.data() + token.start, token.addressEnd - token.start};
}
// "-12.5", "[VC1+2]", ""
inline std::string_view ValueText(std::string_view line, const Token& token) {
  return {line.data() + token.valueStart, token.end() - token.valueStart};
}
// The title of a HeaderComment, blanks trimmed ("OD.ROUGH"); empty for other tokens.
std::string_view HeaderTitle(std::string_view line, const Token& token);

// The value of a word whose value is a Number (the token's text otherwise
// tells nothing): gives -12.5.
std::optional<double> WordNumber(std::string_view line, const Token& token);
// A number as the dialect writes it: optional sign, digits with at most one
// point, at least one digit ("100.", ".5", "-0.5").
bool IsNcNumber(std::string_view text);
// Its value; nullopt when IsNcNumber is false.
std::optional<double> ParseNcNumber(std::string_view text);
// Digits after the point of a well-formed number ("12.3456" gives 4, "100." 0).
int DecimalCount(std::string_view number);

// The token whose bytes hold offset (the last one for offset == line size);
// nullptr for an empty line.
const Token* TokenAt(const std::vector<Token>& tokens, std::uint32_t offset);

}  // namespace quillon
