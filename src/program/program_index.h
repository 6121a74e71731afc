#pragma once
// What a program is made of, found by the lexer: its sequence numbers and
// names, the subprograms it defines and calls, where its jumps go, its tool
// calls, process headers and program ends, each with its line. The index
// keeps the text of each entry, so it answers without the program text, and
// it follows an edit by re-lexing only the lines the edit touched.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct Token;

enum class EntryKind : std::uint8_t {
  SequenceNumber,  // N000, N0050 at a line start
  SequenceName,    // NT05, NAP2, NMAX, NEND, NRTS at a line start (NOEX lines are not names)
  ProgramName,     // OUGC, O1234 at a line start: a subprogram (or the program) begins
  Call,            // the target of CALL: OPCHK
  JumpTarget,      // the label of GOTO N… or IF […] N…
  ContourLabel,    // a label a cycle block names: G85 NAP2
  Tool,            // a tool call: T050505, TL=050505, TG=3
  ProcessHeader,   // the title of a header comment: OD.ROUGH
  ProgramEnd,      // M02, M30 (as written, M2 too) and RTS
};

// 16 bytes: a million-line program has about a million entries.
struct IndexEntry {
  std::uint32_t line = 0;             // 0-based
  std::uint32_t column = 0;           // byte offset of its token in the line
  std::uint32_t textOffset = 0;       // in the index's own text store
  std::uint32_t textLength : 24 = 0;  // texts longer than 16 MiB keep their first 16 MiB
  EntryKind kind : 8 = EntryKind::SequenceNumber;
};
inline constexpr std::uint32_t kMaxEntryTextBytes = (1u << 24) - 1;

class ProgramIndex {
 public:
  // The index of an empty text: one empty line, no entries.
  ProgramIndex() = default;
  // The index of a text with "\n" line ends; texts of 4 GiB and more are
  // refused (std::length_error).
  explicit ProgramIndex(std::string_view text);
  // The same, handing each line's tokens to visit as well (in line order,
  // 0-based numbers), so a pass over the lines needs no second lexing.
  using LineVisitor = std::function<void(std::string_view line, std::uint32_t number, std::span<const Token> tokens)>;
  ProgramIndex(std::string_view text, const LineVisitor& visit);

  // Lines first … first + removed - 1 were replaced by lines (each without
  // its "\n"): only those are lexed again, the entries after them move.
  // std::out_of_range when the removed lines do not exist.
  void replaceLines(std::size_t first, std::size_t removed, std::span<const std::string_view> lines);

  std::size_t lineCount() const { return m_lineCount; }
  // Every entry, in line order and, within a line, in column order.
  std::span<const IndexEntry> entries() const { return m_entries; }
  std::span<const IndexEntry> entriesOnLine(std::size_t line) const;
  // The entry's text: the token as written (N000, NT05, T050505, TG=3,
  // OPCHK, M30), the trimmed title for a process header.
  std::string_view text(const IndexEntry& entry) const {
    return std::string_view(m_text).substr(entry.textOffset, entry.textLength);
  }
  // Entries of one kind, in line order.
  std::vector<IndexEntry> entriesOf(EntryKind kind) const;

  // Bytes held by the index (entries and their texts, capacity included).
  std::size_t memoryBytes() const;

 private:
  void appendTokens(std::string_view line, std::span<const Token> tokens, std::uint32_t number,
                    std::vector<IndexEntry>& out);
  void compactText();

  std::vector<IndexEntry> m_entries;
  std::string m_text;
  std::size_t m_unusedText = 0;  // bytes of m_text no entry refers to any more
  std::size_t m_lineCount = 1;
};

// A subprogram: from its O… line to its RTS (closed) or, without one, to
// the line before the next O… line or the last line. Lines outside every
// subprogram belong to the main program.
struct SubprogramScope {
  std::size_t nameEntry = 0;  // index of its ProgramName entry in entries()
  std::size_t firstLine = 0;
  std::size_t lastLine = 0;
  bool closed = false;  // ends with RTS
};
std::vector<SubprogramScope> SubprogramScopes(const ProgramIndex& index);

}  // namespace quillon
