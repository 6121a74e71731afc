// The rules of the program check and their table.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "app/machine_parameters.h"
#include "check/program_check.h"
#include "numbers/nc_number.h"
#include "program/nc_lexer.h"
#include "program/program_index.h"

namespace quillon {

namespace {

// --- rules over one line's tokens -----------------------------------------

void OpenComment(const CheckedLine& l, FindingSink& sink) {
  if (!l.words.has(TokenKind::OpenComment)) return;
  for (const Token& t : l.tokens)
    if (t.kind == TokenKind::OpenComment) sink.add(l.line, t.start);
}

// The first "[" of text that no "]" closes, or npos.
std::size_t FirstUnclosedBracket(std::string_view text) {
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '[')
      open.push_back(i);
    else if (text[i] == ']' && !open.empty())
      open.pop_back();
  }
  return open.empty() ? std::string_view::npos : open.front();
}

// One finding per line, at the first bracket without its partner.
void UnbalancedBracket(const CheckedLine& l, FindingSink& sink) {
  if ((l.words.flags & (kTokenUnclosed | kTokenUnmatched)) == 0) return;
  for (const Token& t : l.tokens) {
    if (t.kind == TokenKind::OpenComment) continue;
    if (t.has(kTokenUnmatched)) return sink.add(l.line, t.start);
    if (!t.has(kTokenUnclosed)) continue;
    const std::size_t at = FirstUnclosedBracket(TokenText(l.text, t));
    return sink.add(l.line, t.start + (at == std::string_view::npos ? 0 : at));
  }
}

void BadNumber(const CheckedLine& l, FindingSink& sink) {
  if (!l.words.malformed && !l.words.bareWord) return;
  for (const Token& t : l.tokens) {
    const bool word = IsAddressWord(t.kind);
    if (!word && t.kind != TokenKind::Number) continue;
    if (t.value == ValueKind::Malformed || (word && t.value == ValueKind::None))
      sink.add(l.line, t.start, std::string(TokenText(l.text, t)));
  }
}

// The G50 clamp of the line itself counts: the generated frame writes
// "NMAX G50 S…" and a G96 may follow on that very line.
void CssWithoutClamp(const CheckedLine& l, FindingSink& sink) {
  if (!l.words.g96 || l.before.clamped) return;
  if (l.words.g50) {
    for (const Token& t : l.tokens)
      if (t.kind == TokenKind::FeedSpeedTool && AddressText(l.text, t) == "S" && t.value == ValueKind::Number) return;
  }
  sink.add(l.line, l.words.g96->start);
}

void SpeedOverMax(const CheckedLine& l, FindingSink& sink) {
  // An S beside G50 is the clamp itself; beside G96 (or under it) a surface speed.
  if (l.words.g50) return;
  const bool rpm = l.words.g97 || (!l.words.g96 && (l.words.toolCall || !l.before.surface));
  if (!rpm) return;
  const bool byClamp = l.before.clamped && l.before.clamp < l.machine.MaxS;
  const double limit = byClamp ? l.before.clamp : l.machine.MaxS;
  for (const Token& t : l.tokens) {
    if (t.kind != TokenKind::FeedSpeedTool || AddressText(l.text, t) != "S") continue;
    const std::optional<double> speed = WordNumber(l.text, t);
    if (!speed || *speed <= limit) continue;
    sink.add(l.line, t.start,
             std::string(TokenText(l.text, t)) + (byClamp ? " above the G50 S" : " above MaxS ") +
                 ShortestNumberText(limit) + (byClamp ? " clamp" : ""));
  }
}

void TooManyDecimals(const CheckedLine& l, FindingSink& sink) {
  for (const Token& t : l.tokens) {
    if (t.value != ValueKind::Number) continue;
    if (t.kind != TokenKind::Coordinate) {
      if (t.kind != TokenKind::FeedSpeedTool) continue;
      const std::string_view address = AddressText(l.text, t);
      if (address != "F" && address != "S") continue;
    }
    if (DecimalCount(ValueText(l.text, t)) > 3) sink.add(l.line, t.start, std::string(TokenText(l.text, t)));
  }
}

// --- rules over the program's index ---------------------------------------

// Walks the entries with the subprogram each lies in (-1: the main program).
template <class Visit>
void ForEachScopedEntry(const ProgramIndex& index, Visit&& visit) {
  const std::vector<SubprogramScope> scopes = SubprogramScopes(index);
  std::size_t next = 0;
  long scope = -1;
  for (const IndexEntry& e : index.entries()) {
    if (scope >= 0 && e.line > scopes[static_cast<std::size_t>(scope)].lastLine) scope = -1;
    while (next < scopes.size() && scopes[next].firstLine <= e.line) {
      scope = e.line <= scopes[next].lastLine ? static_cast<long>(next) : -1;
      ++next;
    }
    visit(e, scope);
  }
}

// N0100 and N100 are one sequence number; names compare as written.
std::string_view LabelKey(std::string_view label) {
  if (label.size() < 2 || label[0] != 'N' || label[1] < '0' || label[1] > '9') return label;
  std::size_t k = 1;
  while (k + 1 < label.size() && label[k] == '0') ++k;
  return label.substr(k);
}

void MissingTarget(const ProgramIndex& index, const MachineParameters&, FindingSink& sink) {
  // Jumps are few and sequence numbers many: only the labels jumped to are looked up.
  std::unordered_map<std::string_view, bool> found;
  for (const IndexEntry& e : index.entries())
    if (e.kind == EntryKind::JumpTarget) found.emplace(LabelKey(index.text(e)), false);
  if (found.empty()) return;
  for (const IndexEntry& e : index.entries()) {
    if (e.kind != EntryKind::SequenceName && e.kind != EntryKind::SequenceNumber) continue;
    if (auto it = found.find(LabelKey(index.text(e))); it != found.end()) it->second = true;
  }
  for (const IndexEntry& e : index.entries())
    if (e.kind == EntryKind::JumpTarget && !found[LabelKey(index.text(e))])
      sink.add(e.line, e.column, std::string(index.text(e)));
}

// A name written twice is harmless until a jump names it: the generators
// write a tool's NT.. label for every process that uses the tool and a cycle's
// NAP.. label below every cycle (each cycle finds its own, the next one down),
// but GOTO and IF cannot tell the two lines apart.
void DuplicateName(const ProgramIndex& index, const MachineParameters&, FindingSink& sink) {
  std::unordered_map<long, std::unordered_set<std::string_view>> jumped;
  ForEachScopedEntry(index, [&](const IndexEntry& e, long scope) {
    if (e.kind == EntryKind::JumpTarget) jumped[scope].insert(index.text(e));
  });
  if (jumped.empty()) return;
  std::unordered_map<long, std::unordered_map<std::string_view, std::uint32_t>> first;
  ForEachScopedEntry(index, [&](const IndexEntry& e, long scope) {
    if (e.kind != EntryKind::SequenceName) return;
    const auto names = jumped.find(scope);
    if (names == jumped.end() || !names->second.contains(index.text(e))) return;
    const auto [it, fresh] = first[scope].try_emplace(index.text(e), e.line);
    if (!fresh)
      sink.add(e.line, e.column, std::string(index.text(e)) + " already starts line " + std::to_string(it->second + 1));
  });
}

void UndefinedCall(const ProgramIndex& index, const MachineParameters&, FindingSink& sink) {
  std::unordered_set<std::string_view> names;
  bool calls = false;
  for (const IndexEntry& e : index.entries()) {
    if (e.kind == EntryKind::ProgramName) names.insert(index.text(e));
    calls = calls || e.kind == EntryKind::Call;
  }
  if (!calls) return;
  for (const IndexEntry& e : index.entries())
    if (e.kind == EntryKind::Call && !names.contains(index.text(e)))
      sink.add(e.line, e.column, std::string(index.text(e)));
}

// A text of subprograms only (a library) has no main program to end.
void NoProgramEnd(const ProgramIndex& index, const MachineParameters&, FindingSink& sink) {
  bool main = false, ended = false;
  std::uint32_t last = 0;
  ForEachScopedEntry(index, [&](const IndexEntry& e, long scope) {
    if (scope >= 0) return;
    main = true;
    last = e.line;
    ended = ended || (e.kind == EntryKind::ProgramEnd && index.text(e) != "RTS");
  });
  if (main && !ended) sink.add(last, 0);
}

void Placeholder(const ProgramIndex& index, const MachineParameters&, FindingSink& sink) {
  std::size_t count = 0;
  const IndexEntry* firstEntry = nullptr;
  for (const IndexEntry& e : index.entries()) {
    if (e.kind != EntryKind::SequenceNumber) continue;
    const std::string_view digits = index.text(e).substr(1);
    if (digits.find_first_not_of('0') != std::string_view::npos) continue;
    if (count++ == 0) firstEntry = &e;
  }
  if (firstEntry) sink.add(firstEntry->line, firstEntry->column, std::to_string(count));
}

// clang-format off
constexpr CheckRule kRules[] = {
  // id                   severity           message                                                           line rule          program rule
  {"open-comment",        Severity::Error,   "comment not closed before the line end",                         OpenComment,       nullptr},
  {"unbalanced-bracket",  Severity::Error,   "brackets do not pair on this line",                              UnbalancedBracket, nullptr},
  {"bad-number",          Severity::Error,   "{} is not a number, a variable or a bracketed expression",       BadNumber,         nullptr},
  {"missing-target",      Severity::Error,   "jump to {}, which no line of the program carries",               nullptr,           MissingTarget},
  {"duplicate-name",      Severity::Error,   "sequence name {} of this program, where a jump names it",        nullptr,           DuplicateName},
  {"css-without-clamp",   Severity::Error,   "G96 before any G50 S spindle clamp",                             CssWithoutClamp,   nullptr},
  {"speed-over-max",      Severity::Warning, "spindle speed {}",                                               SpeedOverMax,      nullptr},
  {"undefined-call",      Severity::Warning, "subprogram {} is called but not in the document",                nullptr,           UndefinedCall},
  {"no-program-end",      Severity::Warning, "main program without M02 or M30",                                nullptr,           NoProgramEnd},
  {"placeholder",         Severity::Note,    "N000 sequence placeholders left in the program: {}",             nullptr,           Placeholder},
  {"too-many-decimals",   Severity::Warning, "{} has more than three decimals",                                TooManyDecimals,   nullptr},
};
// clang-format on

}  // namespace

std::span<const CheckRule> CheckRules() { return kRules; }

}  // namespace quillon
