#pragma once
// The outline of a program: the entries of its index a reader steers by, in
// line order (process headers, tool calls, sequence names, subprograms,
// calls and program ends), as the Outline window lists them and as
// `quillon-nc outline` prints them.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "program/program_index.h"

namespace quillon {

enum class OutlineKind { Process, Tool, Name, Program, Call, End };

struct OutlineEntry {
  std::size_t line = 0;  // 0-based
  OutlineKind kind = OutlineKind::Process;
  std::string_view text;  // into the index's text store
  friend bool operator==(const OutlineEntry&, const OutlineEntry&) = default;
};

enum class OutlineNames {
  All,            // every sequence name (NT05, NAP2, NMAX, NEND, NRTS)
  ProcessStarts,  // only the names that start a process: NT05
};

std::vector<OutlineEntry> BuildOutline(const ProgramIndex& index, OutlineNames names = OutlineNames::All);

// "process", "tool", "name", "program", "call", "end".
std::string_view OutlineKindName(OutlineKind kind);

// One line per entry: LINE<TAB>KIND<TAB>TEXT with LINE 1-based, "\n" ends.
std::string FormatOutline(const std::vector<OutlineEntry>& entries);

}  // namespace quillon
