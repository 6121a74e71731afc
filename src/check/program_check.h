#pragma once
// The program check: what would stop or endanger the machine, found before
// the program leaves the office. Every rule is a row of one table (its id,
// severity, message and the function that finds it); a check runs each
// line's tokens through the line rules once and the program's index through
// the program rules, and returns the findings in line order.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "program/nc_lexer.h"

namespace quillon {

struct MachineParameters;
class ProgramIndex;

enum class Severity : std::uint8_t { Error, Warning, Note };

// "error", "warning", "note"
std::string_view SeverityName(Severity severity);

struct Finding {
  std::uint32_t line = 0;    // 1-based
  std::uint32_t column = 0;  // 1-based, in bytes
  std::uint8_t rule = 0;     // index in CheckRules()
  std::string detail;        // what the rule's message names: the word, the label, the count
  friend bool operator==(const Finding&, const Finding&) = default;
};

// What the spindle does before a line, as the lines above left it.
struct SpindleState {
  bool clamped = false;  // a G50 S clamp was given
  double clamp = 0;      // the last one
  bool surface = false;  // G96 in force (G97, the power-on mode, otherwise)
};

// What one line holds, found in one walk over its tokens for all rules: the
// words the spindle rules read, and what lets a rule pass over a clean line.
struct LineWords {
  const Token* g50 = nullptr;
  const Token* g96 = nullptr;
  const Token* g97 = nullptr;
  bool toolCall = false;      // a T, TG= or TL= word
  bool surfaceAfter = false;  // G96 (true) or G97 (false) is the last mode word of the line
  std::uint64_t kinds = 0;    // bit 1 << TokenKind of every token
  std::uint8_t flags = 0;     // TokenFlag bits of every token
  bool malformed = false;     // a value of ValueKind::Malformed
  bool bareWord = false;      // an address word without a value

  bool has(TokenKind kind) const { return (kinds >> static_cast<unsigned>(kind) & 1u) != 0; }
};

struct CheckedLine {
  std::string_view text;
  std::span<const Token> tokens;
  std::uint32_t line = 0;  // 0-based
  const SpindleState& before;
  const LineWords& words;
  const MachineParameters& machine;
};

// Where the rules put what they find.
class FindingSink {
 public:
  explicit FindingSink(std::vector<Finding>& out) : m_out(out) {}
  void setRule(std::uint8_t rule) { m_rule = rule; }
  // line and column 0-based, as the lexer and the index count them.
  void add(std::size_t line, std::size_t column, std::string detail = {});

 private:
  std::vector<Finding>& m_out;
  std::uint8_t m_rule = 0;
};

using LineRule = void (*)(const CheckedLine& line, FindingSink& sink);
using ProgramRule = void (*)(const ProgramIndex& index, const MachineParameters& machine, FindingSink& sink);

struct CheckRule {
  std::string_view id;
  Severity severity;
  std::string_view message;  // "{}" stands for the finding's detail
  LineRule onLine;           // one of the two is set
  ProgramRule onProgram;
};

std::span<const CheckRule> CheckRules();

// The findings of a program (text with "\n" line ends, index of the same
// text), ordered by line, column and rule.
std::vector<Finding> CheckProgram(std::string_view text, const ProgramIndex& index, const MachineParameters& machine);
// The same, indexing text first.
std::vector<Finding> CheckProgram(std::string_view text, const MachineParameters& machine);

const CheckRule& RuleOf(const Finding& finding);
// The rule's message with the detail in place.
std::string FindingMessage(const Finding& finding);
// NAME:LINE:COL: SEVERITY: MESSAGE [ID]
std::string FormatFinding(std::string_view name, const Finding& finding);
bool HasError(std::span<const Finding> findings);

}  // namespace quillon
