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
    case EntryKind::ProcessHeader: return OutlineKind::Process;
    case EntryKind::Tool: return OutlineKind::Tool;
    case EntryKind::SequenceName: return OutlineKind::Name;
    case EntryKind::ProgramName: return OutlineKind::Program;
    case EntryKind::Call: return OutlineKind::Call;
    case EntryKind::ProgramEnd: return OutlineKind::End;
    default: return std::nullopt;
  }
}

}  // namespace

std::vector<OutlineEntry> BuildOutline(const ProgramIndex& index, OutlineNames names) {
  std::vector<OutlineEntry> outline;
  for (const IndexEntry& e : index.entries()) {
    const std::optional<OutlineKind> kind = KindOf(e.kind);
    if (!kind) continue;
    const std::string_view text = index.text(e);
    // The generators name the block of tool n "NTnn"; the other names are
    // cycle contours and the frame's own labels.
    if (*kind == OutlineKind::Name && names == OutlineNames::ProcessStarts && !text.starts_with("NT")) continue;
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
