#include "program/outline.h"

#include <optional>

namespace quillon {

namespace {

// clang-format off
struct OutlineKindRow {
  OutlineKind kind;
  std::string_view name;
};
constexpr OutlineKindRow kOutlineKinds[] = {
  // kind                  printed as
  {OutlineKind::Process,   "process"},
  {OutlineKind::Tool,      "tool"},
  {OutlineKind::Name,      "name"},
  {OutlineKind::Program,   "program"},
  {OutlineKind::Call,      "call"},
  {OutlineKind::End,       "end"},
};
// clang-format on

std::optional<OutlineKind> KindOf(EntryKind kind) {
  switch (kind) {
    case EntryKind::ProcessHeader:
      return OutlineKind::Process;
    case EntryKind::Tool:
      return OutlineKind::Tool;
    case EntryKind::SequenceName:
      return OutlineKind::Name;
    case EntryKind::ProgramName:
      return OutlineKind::Program;
    case EntryKind::Call:
      return OutlineKind::Call;
    case EntryKind::ProgramEnd:
      return OutlineKind::End;
    default:
      return std::nullopt;
  }
}

// The generators name the block of tool n "NTnn"; the other names are
// cycle contours (NAP1) and the frame's own labels (NMAX, NEND, NRTS).
bool StartsProcess(std::string_view name) {
  return name.size() > 2 && name.starts_with("NT") && name.find_first_not_of("0123456789", 2) == std::string_view::npos;
}

}  // namespace

std::vector<OutlineEntry> BuildOutline(const ProgramIndex& index, OutlineNames names) {
  std::vector<OutlineEntry> outline;
  for (const IndexEntry& e : index.entries()) {
    const std::optional<OutlineKind> kind = KindOf(e.kind);
    if (!kind) continue;
    const std::string_view text = index.text(e);
    if (*kind == OutlineKind::Name && names == OutlineNames::ProcessStarts && !StartsProcess(text)) continue;
    outline.push_back({e.line, *kind, text});
  }
  return outline;
}

std::string_view OutlineKindName(OutlineKind kind) {
  for (const OutlineKindRow& row : kOutlineKinds)
    if (row.kind == kind) return row.name;
  return {};
}

std::string FormatOutline(const std::vector<OutlineEntry>& entries) {
  std::string out;
  for (const OutlineEntry& e : entries) {
    out += std::to_string(e.line + 1);
    out += '\t';
    out += OutlineKindName(e.kind);
    out += '\t';
    out += e.text;
    out += '\n';
  }
  return out;
}

}  // namespace quillon
