#pragma once
// The material cutting-condition table: which tool, spindle direction,
// coolant and cutting values each process starts from, per work material.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "process/process_input.h"

namespace quillon {

inline constexpr int kCuttingConditionRows = 51;     // rows 0..50; row 0 stays empty
inline constexpr int kCuttingConditionColumns = 13;  // columns 0..12; column 0 stays empty
inline constexpr int kCuttingConditionRecords = 34;  // rows 1..34 come from the file
inline constexpr int kCuttingConditionFields = 12;   // fields of one record
inline constexpr int kCuttingConditionHeadings = 2;  // heading lines skipped whole

// Texts as they stand in the file; numbers are converted where they are used.
class CuttingConditionTable {
 public:
  // Empty text outside the table, like a cell never filled.
  const std::string& cell(int row, int column) const;
  void setCell(int row, int column, std::string text);

  // Whether a material file has been read into it (even one without records).
  bool loaded() const { return m_loaded; }
  void markLoaded() { m_loaded = true; }
  // Whether every cell is empty.
  bool empty() const;

 private:
  // Every cell an empty string. No {} initializer: clang-tidy 14 crashes on one here.
  std::array<std::array<std::string, kCuttingConditionColumns>, kCuttingConditionRows> m_cells;
  bool m_loaded = false;
};

// A load either yields a whole new table or a message naming the file and
// the line; the caller keeps its previous table on failure, so a file that
// breaks half-way never leaves a mix of two materials.
struct CuttingConditionLoad {
  bool ok = false;
  CuttingConditionTable table;
  std::string error;  // "S45C.CSV, line 7: ..." when !ok
};

// Parses a material file's bytes. fileName only names the file in messages.
// Two heading lines, then one record of 12 fields per line (commas between
// fields; a field in double quotes may hold commas, line ends and "" for a
// quote; blanks around a field are dropped). Lines holding only blanks are
// not records. Reading stops after 34 records or at the end of the text.
CuttingConditionLoad ParseCuttingConditionTable(std::string_view bytes, const std::string& fileName);

// Where each record of a material file lies, in the order of rows 1, 2, ...:
// what Save needs to write back the rows that changed and copy the others
// byte for byte. Empty when the text does not parse.
struct CuttingConditionRecordSpan {
  std::size_t begin = 0;     // first byte of the record
  std::size_t end = 0;       // first byte of its line end (or the end of the text)
  std::size_t next = 0;      // first byte after its line end
  std::vector<bool> quoted;  // per field: written in double quotes
};
std::vector<CuttingConditionRecordSpan> FindCuttingConditionRecords(std::string_view bytes);

// Reads the file at path whole and parses it.
CuttingConditionLoad LoadCuttingConditionTable(const std::string& path);

// The material files ship beside the program, so a relative path that names
// no file in the current folder is taken from appFolder when it names a file
// there. Any other path comes back as given, and so does its error message.
std::string MaterialFilePath(const std::string& path, const std::string& appFolder);

// Swaps a successful load into table; on failure the table stays as it was.
// Returns the message to show (empty on success).
std::string ApplyCuttingConditionLoad(CuttingConditionTable& table, CuttingConditionLoad load);

// The dialog pre-fill from one row: ToolNumber = column 3; column 4 non-zero
// chooses CCW, zero CW; column 5 equal to 1 chooses coolant ON, else OFF;
// V F D L U W C = columns 6..12 as they stand. Columns 4 and 5 must hold a
// number: an empty cell (no material loaded) or other text throws
// ProcessError{13}; a row outside 0..50 throws ProcessError{9}.
ProcessDialogValues LoadCuttingConditionRow(const CuttingConditionTable& table, int row);

}  // namespace quillon
