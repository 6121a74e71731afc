#include "check/program_check.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "app/machine_parameters.h"
#include "program/nc_lexer.h"
#include "program/program_index.h"

namespace quillon {

namespace {

// G50, G96, G97 as written with or without leading zeros.
int GNumber(std::string_view line, const Token& t) {
  if (t.kind != TokenKind::GCode || t.value != ValueKind::Number) return -1;
  std::string_view v = ValueText(line, t);
  if (v.empty() || v.size() > 4 || v.find_first_not_of("0123456789") != std::string_view::npos) return -1;
  int n = 0;
  for (char c : v) n = n * 10 + (c - '0');
  return n;
}

LineWords FindLineWords(std::string_view line, std::span<const Token> tokens) {
  LineWords w;
  for (const Token& t : tokens) {
    w.kinds |= std::uint64_t{1} << static_cast<unsigned>(t.kind);
    w.flags |= t.flags;
    if (t.value == ValueKind::Malformed) w.malformed = true;
    if (t.value == ValueKind::None && IsAddressWord(t.kind)) w.bareWord = true;
    if (t.kind == TokenKind::FeedSpeedTool) {
      if (t.value == ValueKind::None) continue;
      const std::string_view a = AddressText(line, t);
      if (a == "T" || a == "TG" || a == "TL") w.toolCall = true;
      continue;
    }
    switch (GNumber(line, t)) {
      case 50:
        w.g50 = &t;
        break;
      case 96:
        w.g96 = &t;
        w.surfaceAfter = true;
        break;
      case 97:
        w.g97 = &t;
        w.surfaceAfter = false;
        break;
      default:
        break;
    }
  }
  return w;
}

void FollowSpindle(std::string_view line, std::span<const Token> tokens, const LineWords& w, SpindleState& s) {
  if (w.g50) {
    for (const Token& t : tokens) {
      if (t.kind != TokenKind::FeedSpeedTool || AddressText(line, t) != "S") continue;
      if (const std::optional<double> v = WordNumber(line, t)) s.clamped = true, s.clamp = *v;
    }
  }
  if (w.g96 || w.g97) s.surface = w.surfaceAfter;
}

}  // namespace

std::string_view SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return "error";
    case Severity::Warning:
      return "warning";
    case Severity::Note:
      return "note";
  }
  return "error";
}

void FindingSink::add(std::size_t line, std::size_t column, std::string detail) {
  Finding& f = m_out.emplace_back();
  f.line = static_cast<std::uint32_t>(line + 1);
  f.column = static_cast<std::uint32_t>(column + 1);
  f.rule = m_rule;
  f.detail = std::move(detail);
}

namespace {

// The line rules over one line after another, top down (the spindle rules
// follow the modes the lines above set).
class LinePass {
 public:
  LinePass(std::vector<Finding>& findings, const MachineParameters& machine) : m_sink(findings), m_machine(machine) {}

  void line(std::string_view text, std::uint32_t number, std::span<const Token> tokens) {
    const LineWords words = FindLineWords(text, tokens);
    const CheckedLine checked{text, tokens, number, m_spindle, words, m_machine};
    const std::span<const CheckRule> rules = CheckRules();
    for (std::size_t r = 0; r < rules.size(); ++r) {
      if (!rules[r].onLine) continue;
      m_sink.setRule(static_cast<std::uint8_t>(r));
      rules[r].onLine(checked, m_sink);
    }
    FollowSpindle(text, tokens, words, m_spindle);
  }
  FindingSink& sink() { return m_sink; }

 private:
  FindingSink m_sink;
  const MachineParameters& m_machine;
  SpindleState m_spindle;
};

// The program rules into the same findings, then all of them in order.
void Finish(std::vector<Finding>& findings, const ProgramIndex& index, const MachineParameters& machine,
            FindingSink& sink) {
  const std::span<const CheckRule> rules = CheckRules();
  for (std::size_t r = 0; r < rules.size(); ++r) {
    if (!rules[r].onProgram) continue;
    sink.setRule(static_cast<std::uint8_t>(r));
    rules[r].onProgram(index, machine, sink);
  }
  std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
    if (a.line != b.line) return a.line < b.line;
    if (a.column != b.column) return a.column < b.column;
    return a.rule < b.rule;
  });
}

}  // namespace

std::vector<Finding> CheckProgram(std::string_view text, const ProgramIndex& index, const MachineParameters& machine) {
  std::vector<Finding> findings;
  LinePass pass(findings, machine);
  LineLexer lexer;
  std::size_t start = 0;
  for (std::uint32_t number = 0;; ++number) {
    const void* lf = std::memchr(text.data() + start, '\n', text.size() - start);
    const std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
    const std::string_view line = text.substr(start, end - start);
    pass.line(line, number, lexer.lex(line));
    if (!lf) break;
    start = end + 1;
  }
  Finish(findings, index, machine, pass.sink());
  return findings;
}

std::vector<Finding> CheckProgram(std::string_view text, const MachineParameters& machine) {
  std::vector<Finding> findings;
  LinePass pass(findings, machine);
  const ProgramIndex index(text, [&](std::string_view line, std::uint32_t number, std::span<const Token> tokens) {
    pass.line(line, number, tokens);
  });
  Finish(findings, index, machine, pass.sink());
  return findings;
}

const CheckRule& RuleOf(const Finding& finding) { return CheckRules()[finding.rule]; }

std::string FindingMessage(const Finding& finding) {
  std::string message(RuleOf(finding).message);
  if (const std::size_t at = message.find("{}"); at != std::string::npos) message.replace(at, 2, finding.detail);
  return message;
}

std::string FormatFinding(std::string_view name, const Finding& finding) {
  const CheckRule& rule = RuleOf(finding);
  std::string s(name);
  s += ':';
  s += std::to_string(finding.line);
  s += ':';
  s += std::to_string(finding.column);
  s += ": ";
  s += SeverityName(rule.severity);
  s += ": ";
  s += FindingMessage(finding);
  s += " [";
  s += rule.id;
  s += ']';
  return s;
}

bool HasError(std::span<const Finding> findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return RuleOf(f).severity == Severity::Error; });
}

}  // namespace quillon
