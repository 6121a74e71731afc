#pragma once
// Looking at and correcting a material file: what each column of the
// cutting-condition table means, which commands read each row, which texts
// a cell may take, and writing an edited table back into the file's own
// bytes so that rows nobody touched stay as they were.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "process/cutting_conditions.h"
#include "process/process_command.h"

namespace quillon {

enum class ConditionField {
  Free,    // any text; process generation does not read it
  Number,  // an entry box's text: empty (0) or a number
  Option,  // read as a number to choose an option: must be a number
};

struct ConditionColumn {
  int column;  // 1..12, as in the file
  std::string_view heading;
  std::string_view box;  // the frmProcess box it pre-fills; empty for the options and free columns
  ConditionField field;
};

// Columns 1 to 12 in file order.
std::span<const ConditionColumn> CuttingConditionColumns();

// Whether text may stand in column (1..12); any other column takes nothing.
bool AcceptsConditionText(int column, std::string_view text);

// The commands that read row, by their menu paths ("Rough > O.D."), joined by
// "; ", in the order of commands; "not used by any command" when none does.
std::string ConditionRowUse(int row, std::span<const ProcessCommand* const> commands);

// The file's bytes with every record of rows 1..34 whose cells differ between
// before (what was read from bytes) and after written anew: fields joined by
// commas, quoted where the old record quoted them or where the text needs it
// (a comma, a quote, a line end, blanks at either end). Unchanged records,
// the heading lines, blank lines and the line ends stay byte for byte; rows
// edited beyond the file's last record are appended in the file's line end.
// nullopt when bytes is not a material file that parses.
std::optional<std::string> WriteCuttingConditionTable(std::string_view bytes, const CuttingConditionTable& before,
                                                      const CuttingConditionTable& after);

}  // namespace quillon
