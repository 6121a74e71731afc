#include "program/program_index.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "program/nc_lexer.h"

namespace quillon {

static_assert(sizeof(IndexEntry) == 16, "the index's memory is counted in 16-byte entries");

namespace {

constexpr std::size_t kMaxIndexedBytes = std::numeric_limits<std::uint32_t>::max() - 1;
// Texts of removed entries are dropped once they are this many bytes and
// half the store.
constexpr std::size_t kCompactAfterBytes = std::size_t{64} * 1024;
// Bytes of an entry's text as programs are written: N000, NT05, T050505.
constexpr std::size_t kTypicalEntryBytes = 5;

bool IsToolAddress(std::string_view address) { return address == "T" || address == "TG" || address == "TL"; }

// M2, M02, M30, M030 end the program; M300 and M2.5 do not.
bool IsProgramEndM(std::string_view value) {
  if (value.empty() || value.find_first_not_of("0123456789") != std::string_view::npos) return false;
  value.remove_prefix(std::min(value.find_first_not_of('0'), value.size()));
  return value == "2" || value == "30";
}

// Calls visit(line) for every line of text, "\n" excluded.
template <class Visit>
std::size_t ForEachLine(std::string_view text, Visit&& visit) {
  std::size_t lines = 0, start = 0;
  for (;;) {
    const void* lf = std::memchr(text.data() + start, '\n', text.size() - start);
    const std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
    visit(text.substr(start, end - start), lines++);
    if (!lf) return lines;
    start = end + 1;
  }
}

}  // namespace

ProgramIndex::ProgramIndex(std::string_view text) : ProgramIndex(text, LineVisitor{}) {}

ProgramIndex::ProgramIndex(std::string_view text, const LineVisitor& visit) {
  if (text.size() > kMaxIndexedBytes) throw std::length_error("NC program of 4 GiB or more");
  // Most lines of a program carry one entry (their N word) and some a second
  // (a tool, a header): room for that up front spares the copies and fresh
  // pages of growing, which cost more than the lexing on big programs.
  const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  m_entries.reserve(lines + lines / 4);
  m_text.reserve((lines + lines / 4) * kTypicalEntryBytes);
  LineLexer lexer;
  m_lineCount = ForEachLine(text, [&](std::string_view line, std::size_t number) {
    const std::vector<Token>& tokens = lexer.lex(line);
    appendTokens(line, tokens, static_cast<std::uint32_t>(number), m_entries);
    if (visit) visit(line, static_cast<std::uint32_t>(number), tokens);
  });
  // A program unlike the estimate: give back what growth left unused.
  if (m_entries.capacity() > m_entries.size() + m_entries.size() / 2) m_entries.shrink_to_fit();
  if (m_text.capacity() > m_text.size() + m_text.size() / 2) m_text.shrink_to_fit();
}

void ProgramIndex::appendTokens(std::string_view line, std::span<const Token> tokens, std::uint32_t number,
                                std::vector<IndexEntry>& out) {
  for (const Token& t : tokens) {
    EntryKind kind;
    std::string_view text;
    switch (t.kind) {
      case TokenKind::SequenceNumber:
        kind = EntryKind::SequenceNumber;
        break;
      case TokenKind::SequenceName:
        kind = EntryKind::SequenceName;
        break;
      case TokenKind::ProgramName:
        kind = EntryKind::ProgramName;
        break;
      case TokenKind::CallTarget:
        kind = EntryKind::Call;
        break;
      case TokenKind::LabelReference:
        kind = t.has(kTokenJump) ? EntryKind::JumpTarget : EntryKind::ContourLabel;
        break;
      case TokenKind::HeaderComment:
        kind = EntryKind::ProcessHeader;
        text = HeaderTitle(line, t);
        break;
      case TokenKind::FeedSpeedTool:
        if (t.value == ValueKind::None || !IsToolAddress(AddressText(line, t))) continue;
        kind = EntryKind::Tool;
        break;
      case TokenKind::MCode:
        if (!IsProgramEndM(ValueText(line, t))) continue;
        kind = EntryKind::ProgramEnd;
        break;
      case TokenKind::Keyword:
        if (TokenText(line, t) != "RTS") continue;
        kind = EntryKind::ProgramEnd;
        break;
      default:
        continue;
    }
    if (kind != EntryKind::ProcessHeader) text = TokenText(line, t);
    text = text.substr(0, kMaxEntryTextBytes);
    if (m_text.size() + text.size() > kMaxIndexedBytes) throw std::length_error("NC program of 4 GiB or more");
    IndexEntry& e = out.emplace_back();
    e.line = number;
    e.column = t.start;
    e.textOffset = static_cast<std::uint32_t>(m_text.size());
    e.textLength = static_cast<std::uint32_t>(text.size());
    e.kind = kind;
    m_text.append(text);
  }
}

void ProgramIndex::replaceLines(std::size_t first, std::size_t removed, std::span<const std::string_view> lines) {
  if (first > m_lineCount || removed > m_lineCount - first)
    throw std::out_of_range("ProgramIndex::replaceLines: no such lines");
  const std::size_t newCount = m_lineCount - removed + lines.size();
  if (newCount > kMaxIndexedBytes) throw std::length_error("NC program of 4 GiB or more");
  auto lineLess = [](const IndexEntry& e, std::size_t line) { return e.line < line; };
  const auto from = std::lower_bound(m_entries.begin(), m_entries.end(), first, lineLess);
  const auto to = std::lower_bound(from, m_entries.end(), first + removed, lineLess);
  for (auto it = from; it != to; ++it) m_unusedText += it->textLength;

  std::vector<IndexEntry> fresh;
  LineLexer lexer;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    appendTokens(lines[k], lexer.lex(lines[k]), static_cast<std::uint32_t>(first + k), fresh);
  }
  const auto shift = static_cast<std::int64_t>(lines.size()) - static_cast<std::int64_t>(removed);
  for (auto it = to; it != m_entries.end(); ++it) it->line = static_cast<std::uint32_t>(it->line + shift);
  const auto at = m_entries.erase(from, to);
  m_entries.insert(at, fresh.begin(), fresh.end());
  m_lineCount = newCount;
  if (m_lineCount == 0) m_lineCount = 1;  // a text always has its one (empty) line
  if (m_unusedText > kCompactAfterBytes && m_unusedText * 2 > m_text.size()) compactText();
}

void ProgramIndex::compactText() {
  std::string kept;
  kept.reserve(m_text.size() - m_unusedText);
  for (IndexEntry& e : m_entries) {
    const std::string_view t = text(e);
    e.textOffset = static_cast<std::uint32_t>(kept.size());
    kept.append(t);
  }
  m_text = std::move(kept);
  m_unusedText = 0;
}

std::span<const IndexEntry> ProgramIndex::entriesOnLine(std::size_t line) const {
  auto lineLess = [](const IndexEntry& e, std::size_t l) { return e.line < l; };
  const auto from = std::lower_bound(m_entries.begin(), m_entries.end(), line, lineLess);
  auto to = from;
  while (to != m_entries.end() && to->line == line) ++to;
  return {from, to};
}

std::vector<IndexEntry> ProgramIndex::entriesOf(EntryKind kind) const {
  std::vector<IndexEntry> found;
  for (const IndexEntry& e : m_entries)
    if (e.kind == kind) found.push_back(e);
  return found;
}

std::size_t ProgramIndex::memoryBytes() const {
  return sizeof(*this) + m_entries.capacity() * sizeof(IndexEntry) + m_text.capacity();
}

std::vector<SubprogramScope> SubprogramScopes(const ProgramIndex& index) {
  std::vector<SubprogramScope> scopes;
  const auto entries = index.entries();
  const std::size_t lastLine = index.lineCount() - 1;
  bool open = false;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const IndexEntry& e = entries[i];
    if (e.kind == EntryKind::ProgramName) {
      if (open) scopes.back().lastLine = e.line - 1;
      scopes.push_back({i, e.line, lastLine, false});
      open = true;
    } else if (open && e.kind == EntryKind::ProgramEnd && index.text(e) == "RTS") {
      scopes.back().lastLine = e.line;
      scopes.back().closed = true;
      open = false;
    }
  }
  return scopes;
}

}  // namespace quillon
