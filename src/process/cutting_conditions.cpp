#include "process/cutting_conditions.h"

#include <filesystem>
#include <iterator>
#include <vector>

#include "app/settings.h"
#include "document/file_bytes.h"
#include "numbers/nc_number.h"
#include "numbers/process_error.h"
#include "process/condition_editing.h"

namespace quillon {

const std::string& CuttingConditionTable::cell(int row, int column) const {
  static const std::string kNone;
  if (row < 0 || row >= kCuttingConditionRows || column < 0 || column >= kCuttingConditionColumns) return kNone;
  return m_cells[row][column];
}

void CuttingConditionTable::setCell(int row, int column, std::string text) {
  if (row < 0 || row >= kCuttingConditionRows || column < 0 || column >= kCuttingConditionColumns) return;
  m_cells[row][column] = std::move(text);
}

bool CuttingConditionTable::empty() const {
  for (const auto& row : m_cells)
    for (const auto& cell : row)
      if (!cell.empty()) return false;
  return true;
}

namespace {

// Walks the bytes once, counting lines the way a text editor numbers them.
class CsvReader {
 public:
  explicit CsvReader(std::string_view bytes) : m_s(bytes) {}

  bool atEnd() const { return m_i >= m_s.size(); }
  int line() const { return m_line; }
  std::size_t position() const { return m_i; }

  void skipLine() {
    while (!atEnd() && !atLineEnd()) ++m_i;
    takeLineEnd();
  }

  struct Record {
    std::vector<std::string> fields;
    std::vector<bool> quoted;  // per field: written in double quotes
    std::size_t end = 0;       // where the record's line end starts
    bool blank = false;        // the line held nothing but blanks
    std::string problem;       // why the record could not be read
  };

  Record readRecord() {
    Record r;
    bool anyQuoted = false;
    for (;;) {
      skipBlanks();
      std::string field;
      const bool fieldQuoted = !atEnd() && m_s[m_i] == '"';
      if (fieldQuoted) {
        anyQuoted = true;
        ++m_i;
        bool closed = false;
        while (!atEnd()) {
          char c = m_s[m_i];
          if (c == '"') {
            if (m_i + 1 < m_s.size() && m_s[m_i + 1] == '"') {
              field.push_back('"');
              m_i += 2;
              continue;
            }
            ++m_i;
            closed = true;
            break;
          }
          if (atLineEnd()) {
            // A line end inside quotes belongs to the field; keep it as "\n".
            takeLineEnd();
            field.push_back('\n');
            continue;
          }
          field.push_back(c);
          ++m_i;
        }
        if (!closed) {
          r.problem = "a quoted field has no closing quote";
          return r;
        }
        skipBlanks();
        if (!atEnd() && !atLineEnd() && m_s[m_i] != ',') {
          r.problem = "text follows a closing quote";
          return r;
        }
      } else {
        while (!atEnd() && !atLineEnd() && m_s[m_i] != ',') field.push_back(m_s[m_i++]);
        while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.pop_back();
      }
      r.fields.push_back(std::move(field));
      r.quoted.push_back(fieldQuoted);
      if (!atEnd() && m_s[m_i] == ',') {
        ++m_i;
        continue;
      }
      r.end = m_i;
      takeLineEnd();
      break;
    }
    r.blank = !anyQuoted && r.fields.size() == 1 && r.fields[0].empty();
    return r;
  }

 private:
  bool atLineEnd() const { return !atEnd() && (m_s[m_i] == '\n' || m_s[m_i] == '\r'); }
  void takeLineEnd() {
    if (atEnd()) return;
    if (m_s[m_i] == '\r') {
      ++m_i;
      if (!atEnd() && m_s[m_i] == '\n') ++m_i;
    } else if (m_s[m_i] == '\n') {
      ++m_i;
    } else {
      return;
    }
    ++m_line;
  }
  void skipBlanks() {
    while (!atEnd() && (m_s[m_i] == ' ' || m_s[m_i] == '\t')) ++m_i;
  }

  std::string_view m_s;
  std::size_t m_i = 0;
  int m_line = 1;
};

std::string LineMessage(const std::string& fileName, int line, const std::string& what) {
  return fileName + ", line " + std::to_string(line) + ": " + what + ".";
}

}  // namespace

CuttingConditionLoad ParseCuttingConditionTable(std::string_view bytes, const std::string& fileName) {
  CuttingConditionLoad result;
  CsvReader reader(bytes);
  for (int i = 0; i < kCuttingConditionHeadings && !reader.atEnd(); ++i) reader.skipLine();

  int row = 1;
  while (row <= kCuttingConditionRecords && !reader.atEnd()) {
    const int line = reader.line();
    CsvReader::Record record = reader.readRecord();
    if (!record.problem.empty()) {
      result.error = LineMessage(fileName, line, record.problem);
      return result;
    }
    if (record.blank) continue;
    if (static_cast<int>(record.fields.size()) != kCuttingConditionFields) {
      result.error = LineMessage(fileName, line,
                                 "the record has " + std::to_string(record.fields.size()) +
                                     " fields; every record needs " + std::to_string(kCuttingConditionFields));
      return result;
    }
    for (int column = 1; column <= kCuttingConditionFields; ++column)
      result.table.setCell(row, column, std::move(record.fields[column - 1]));
    ++row;
  }
  result.table.markLoaded();
  result.ok = true;
  return result;
}

std::vector<CuttingConditionRecordSpan> FindCuttingConditionRecords(std::string_view bytes) {
  std::vector<CuttingConditionRecordSpan> spans;
  CsvReader reader(bytes);
  for (int i = 0; i < kCuttingConditionHeadings && !reader.atEnd(); ++i) reader.skipLine();
  while (static_cast<int>(spans.size()) < kCuttingConditionRecords && !reader.atEnd()) {
    const std::size_t begin = reader.position();
    CsvReader::Record record = reader.readRecord();
    if (!record.problem.empty()) return {};
    if (record.blank) continue;
    if (static_cast<int>(record.fields.size()) != kCuttingConditionFields) return {};
    CuttingConditionRecordSpan span;
    span.begin = begin;
    span.end = record.end;
    span.next = reader.position();
    span.quoted = std::move(record.quoted);
    spans.push_back(std::move(span));
  }
  return spans;
}

CuttingConditionLoad LoadCuttingConditionTable(const std::string& path) {
  // A folder opens as a stream on some systems and then reads as empty.
  std::error_code ec;
  CuttingConditionLoad failed;
  if (std::filesystem::is_directory(path, ec)) {
    failed.error = path + ": the material file cannot be opened.";
    return failed;
  }
  const WholeRead read = ReadFileBytes(path, kMaxWholeReadBytes);
  switch (read.failure) {
    case ReadFailure::None:
      return ParseCuttingConditionTable(read.bytes, path);
    case ReadFailure::Open:
      failed.error = path + ": the material file cannot be opened.";
      break;
    case ReadFailure::Read:
    case ReadFailure::TooLarge:
      failed.error = path + ": the material file cannot be read (" + read.reason + ").";
      break;
  }
  return failed;
}

std::string MaterialFilePath(const std::string& path, const std::string& appFolder) {
  const std::filesystem::path given(path);
  std::error_code ec;
  if (path.empty() || given.is_absolute() || appFolder.empty() || std::filesystem::exists(given, ec)) return path;
  const std::filesystem::path beside = std::filesystem::path(appFolder) / given;
  if (std::filesystem::is_regular_file(beside, ec)) return beside.string();
  return path;
}

std::string ApplyCuttingConditionLoad(CuttingConditionTable& table, CuttingConditionLoad load) {
  if (!load.ok) return load.error;
  table = std::move(load.table);
  return {};
}

ProcessDialogValues LoadCuttingConditionRow(const CuttingConditionTable& table, int row) {
  if (row < 0 || row >= kCuttingConditionRows) throw ProcessError(kErrSubscriptOutOfRange);
  // Columns 4 and 5 choose options, so they must be numbers; an empty cell
  // means no material file was loaded.
  auto number = [&](int column) {
    auto value = ParseStrictNumber(table.cell(row, column));
    if (!value) throw ProcessError(kErrCuttingCondition);
    return *value;
  };
  ProcessDialogValues v;
  v.spindleCW = number(4) == 0;
  v.coolantOn = number(5) == 1;
  // The boxes as the columns name them: ToolNumber = 3, V F D L U W C = 6..12.
  for (const ConditionColumn& c : CuttingConditionColumns())
    if (!c.box.empty()) v.texts[std::string(c.box)] = table.cell(row, c.column);
  return v;
}

}  // namespace quillon
