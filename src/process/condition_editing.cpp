#include "process/condition_editing.h"

#include <algorithm>
#include <vector>

#include "app/menu_tree.h"
#include "numbers/entry_check.h"

namespace quillon {

namespace {

// clang-format off
constexpr ConditionColumn kColumns[] = {
  // column heading                  box           field
  { 1, "Free 1",                     "",           ConditionField::Free},
  { 2, "Free 2",                     "",           ConditionField::Free},
  { 3, "Tool",                       "ToolNumber", ConditionField::Number},
  { 4, "Spindle (0 CW, else CCW)",   "",           ConditionField::Option},
  { 5, "Coolant (1 on, else off)",   "",           ConditionField::Option},
  { 6, "Speed V (m/min)",            "V",          ConditionField::Number},
  { 7, "Feed F",                     "F",          ConditionField::Number},
  { 8, "Depth D",                    "D",          ConditionField::Number},
  { 9, "Step / width L",             "L",          ConditionField::Number},
  {10, "Stock X U (drill D)",        "U",          ConditionField::Number},
  {11, "Stock Z W",                  "W",          ConditionField::Number},
  {12, "Chamfer C",                  "C",          ConditionField::Number},
};
// clang-format on

// "Process(&P)" -> "Process"; " M-axis  Drill " -> "M-axis Drill".
std::string PlainCaption(std::string_view caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '(' && i + 2 < caption.size() && caption[i + 1] == '&' && caption.find(')', i) != caption.npos) {
      i = caption.find(')', i);
      continue;
    }
    if (caption[i] == '&') continue;
    const bool blank = caption[i] == ' ';
    if (blank && (out.empty() || out.back() == ' ')) continue;
    out.push_back(caption[i]);
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The captions from below the menu bar down to the item.
std::string MenuPath(std::string_view name) {
  const auto tree = MenuTree();
  std::vector<std::string> parts;
  for (std::size_t i = 0; i < tree.size(); ++i) {
    if (tree[i].name != name) continue;
    int level = tree[i].level;
    parts.push_back(PlainCaption(tree[i].caption));
    for (std::size_t j = i; j-- > 0 && level > 1;)
      if (tree[j].level == level - 1) {
        parts.push_back(PlainCaption(tree[j].caption));
        level = tree[j].level;
      }
    break;
  }
  if (parts.empty()) return std::string(name);
  std::string path;
  for (std::size_t k = parts.size(); k-- > 0;) path += (path.empty() ? "" : " > ") + parts[k];  // outermost first
  return path;
}

bool NeedsQuotes(std::string_view text) {
  if (text.find_first_of(",\"\r\n") != text.npos) return true;
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  return !text.empty() && (blank(text.front()) || blank(text.back()));
}

std::string EncodeField(const std::string& text, bool quoted, std::string_view lineEnd) {
  if (!quoted && !NeedsQuotes(text)) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"')
      out += "\"\"";
    else if (c == '\n')
      out += lineEnd;  // a line end inside quotes is kept as "\n" by the reader
    else
      out.push_back(c);
  }
  return out + "\"";
}

std::string EncodeRecord(const CuttingConditionTable& table, int row, const std::vector<bool>& quoted,
                         std::string_view lineEnd) {
  std::string out;
  for (int column = 1; column <= kCuttingConditionFields; ++column) {
    if (column > 1) out.push_back(',');
    const auto i = static_cast<std::size_t>(column - 1);
    out += EncodeField(table.cell(row, column), i < quoted.size() && quoted[i], lineEnd);
  }
  return out;
}

bool RowDiffers(const CuttingConditionTable& a, const CuttingConditionTable& b, int row) {
  for (int column = 1; column <= kCuttingConditionFields; ++column)
    if (a.cell(row, column) != b.cell(row, column)) return true;
  return false;
}

// The file's own line end: that of its first line, CR LF when it has none.
std::string_view LineEndOf(std::string_view bytes) {
  const std::size_t at = bytes.find_first_of("\r\n");
  if (at == bytes.npos) return "\r\n";
  if (bytes[at] == '\n') return "\n";
  return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? "\r\n" : "\r";
}

}  // namespace

std::span<const ConditionColumn> CuttingConditionColumns() { return kColumns; }

bool AcceptsConditionText(int column, std::string_view text) {
  if (column < 1 || column > kCuttingConditionFields) return false;
  switch (kColumns[column - 1].field) {
    case ConditionField::Free:
      return true;
    case ConditionField::Number:
      return IsAcceptableEntry(text);
    case ConditionField::Option:
      return JudgeEntry(text) == EntryKind::Number;
  }
  return false;
}

std::string ConditionRowUse(int row, std::span<const ProcessCommand* const> commands) {
  std::string use;
  for (const ProcessCommand* command : commands)
    if (command && command->conditionRow == row) use += (use.empty() ? "" : "; ") + MenuPath(command->name);
  return use.empty() ? "not used by any command" : use;
}

std::optional<std::string> WriteCuttingConditionTable(std::string_view bytes, const CuttingConditionTable& before,
                                                      const CuttingConditionTable& after) {
  const CuttingConditionLoad parsed = ParseCuttingConditionTable(bytes, "");
  if (!parsed.ok) return std::nullopt;
  const std::vector<CuttingConditionRecordSpan> spans = FindCuttingConditionRecords(bytes);
  const std::string_view lineEnd = LineEndOf(bytes);
  std::string out;
  std::size_t copied = 0;
  for (std::size_t i = 0; i < spans.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    if (!RowDiffers(before, after, row)) continue;
    out.append(bytes.substr(copied, spans[i].begin - copied));
    out += EncodeRecord(after, row, spans[i].quoted, lineEnd);
    copied = spans[i].end;
  }
  out.append(bytes.substr(copied));
  // Rows past the file's records: up to the last one that changed, the rows
  // between written empty so that each record keeps its row.
  int last = 0;
  for (int row = static_cast<int>(spans.size()) + 1; row <= kCuttingConditionRecords; ++row)
    if (RowDiffers(before, after, row)) last = row;
  if (last > 0 && !out.empty() && out.back() != '\n' && out.back() != '\r') out += lineEnd;
  for (int row = static_cast<int>(spans.size()) + 1; row <= last; ++row)
    out += EncodeRecord(after, row, {}, lineEnd) + std::string(lineEnd);
  return out;
}

}  // namespace quillon
