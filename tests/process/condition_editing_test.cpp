// The cutting-condition window's core: writing an edited table back into the
// material file, which texts a cell takes, and what the window shows as
// column headings and row uses.
#include "process/condition_editing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "process_rotary/command_table.h"
#include "support/case_file.h"
namespace quillon {
namespace {

struct Edit {
  int row, column;
  const char* text;
};

struct WriteCase {
  const char* name;
  std::string bytes;
  std::vector<Edit> edits;
  std::string written;
};

const std::string kHead = "Material\r\nProcess,Tool,T No.\r\n";
const std::string kRow1 = "Drill,\"HSS D20\", 12 ,0,1,25,0.15,5,0,20,0,0\r\n";
const std::string kRow2 = "Drill U,U-drill,11,0,1,150,0.08,3,5,25,0,0\r\n";

// Guards against Save rewriting rows nobody touched (their blanks, quotes and
// line ends lost), an edited row losing its quotes or its line end, a text
// with a comma or quote breaking the record apart, and rows edited past the
// file's end landing in the wrong row.
class WriteBackTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteBackTest, OnlyEditedRowsChange) {
  const WriteCase& c = GetParam();
  const CuttingConditionLoad before = ParseCuttingConditionTable(c.bytes, "t.csv");
  ASSERT_TRUE(before.ok) << before.error;
  CuttingConditionTable after = before.table;
  for (const Edit& e : c.edits) after.setCell(e.row, e.column, e.text);
  const std::optional<std::string> written = WriteCuttingConditionTable(c.bytes, before.table, after);
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, c.written);
  // What was written reads back as the edited table.
  const CuttingConditionLoad reread = ParseCuttingConditionTable(*written, "t.csv");
  ASSERT_TRUE(reread.ok) << reread.error;
  for (int row = 1; row <= kCuttingConditionRecords; ++row)
    for (int column = 1; column <= kCuttingConditionFields; ++column)
      EXPECT_EQ(reread.table.cell(row, column), after.cell(row, column)) << row << "," << column;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, WriteBackTest, ::testing::Values(
  WriteCase{"NothingEdited",      kHead + kRow1 + kRow2, {},                       kHead + kRow1 + kRow2},
  WriteCase{"SameTextTyped",      kHead + kRow1 + kRow2, {{1, 3, "12"}},           kHead + kRow1 + kRow2},
  WriteCase{"SpeedOfSecondRow",   kHead + kRow1 + kRow2, {{2, 6, "160"}},
            kHead + kRow1 + "Drill U,U-drill,11,0,1,160,0.08,3,5,25,0,0\r\n"},
  WriteCase{"QuotedFieldKept",    kHead + kRow1 + kRow2, {{1, 6, "30"}},
            kHead + "Drill,\"HSS D20\",12,0,1,30,0.15,5,0,20,0,0\r\n" + kRow2},
  WriteCase{"CommaQuoted",        kHead + kRow1 + kRow2, {{2, 2, "U-drill, D25"}},
            kHead + kRow1 + "Drill U,\"U-drill, D25\",11,0,1,150,0.08,3,5,25,0,0\r\n"},
  WriteCase{"QuoteDoubled",       kHead + kRow1 + kRow2, {{2, 1, "5\" bar"}},
            kHead + kRow1 + "\"5\"\" bar\",U-drill,11,0,1,150,0.08,3,5,25,0,0\r\n"},
  WriteCase{"BlanksKeptByQuotes", kHead + kRow1 + kRow2, {{2, 1, " U "}},
            kHead + kRow1 + "\" U \",U-drill,11,0,1,150,0.08,3,5,25,0,0\r\n"},
  WriteCase{"BlankLineKept",      kHead + kRow1 + "\r\n" + kRow2, {{2, 3, "7"}},
            kHead + kRow1 + "\r\n" + "Drill U,U-drill,7,0,1,150,0.08,3,5,25,0,0\r\n"},
  WriteCase{"LineFeedFile",       "M\nH\na,b,1,0,1,2,3,4,5,6,7,8\n", {{1, 12, "9"}},
            "M\nH\na,b,1,0,1,2,3,4,5,6,7,9\n"},
  WriteCase{"LastLineWithoutEnd", "M\nH\na,b,1,0,1,2,3,4,5,6,7,8", {{1, 12, "9"}},
            "M\nH\na,b,1,0,1,2,3,4,5,6,7,9"},
  WriteCase{"RowPastTheEnd",      kHead + kRow1, {{3, 3, "4"}, {3, 4, "0"}},
            kHead + kRow1 + ",,,,,,,,,,,\r\n" + ",,4,0,,,,,,,,\r\n"},
  WriteCase{"AppendAfterNoEnd",   "M\nH\na,b,1,0,1,2,3,4,5,6,7,8", {{2, 3, "4"}},
            "M\nH\na,b,1,0,1,2,3,4,5,6,7,8\n,,4,,,,,,,,,\n"},
  WriteCase{"HeadingsOnly",       kHead, {{1, 6, "100"}},
            kHead + ",,,,,100,,,,,,\r\n"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against Save writing over a file it cannot read back (it would lose the rows it did not understand).
TEST(WriteBackTest, RefusesTextThatDoesNotParse) {
  CuttingConditionTable table;
  EXPECT_FALSE(WriteCuttingConditionTable("M\nH\na,\"open\n", table, table));
  EXPECT_FALSE(WriteCuttingConditionTable("M\nH\na,b,c\n", table, table));
}

struct CellCase {
  int column;
  const char* text;
  bool accepted;
};

// Guards against a cell taking text that the process dialog would refuse or that stops every command with
// the cutting-condition error (an empty or non-number option), and free columns being judged.
class CellTextTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellTextTest, JudgedByColumn) {
  EXPECT_EQ(AcceptsConditionText(GetParam().column, GetParam().text), GetParam().accepted)
      << GetParam().column << " '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(Cells, CellTextTest,
                         ::testing::ValuesIn(testing_support::LoadCases<CellCase, 3>("process/cases/cell_text.txt")));

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Guards against a heading naming the wrong column, a column pre-filling another box than the one it
// names, and a row's tool tip naming commands that do not read it (checked against the dump, which says
// what users see).
TEST(ConditionWindowTest, HeadingsAndRowUsesMatchTheDump) {
  const char* data = std::getenv("QUILLON_TEST_DATA");
  ASSERT_NE(data, nullptr);
  std::string dump;
  for (const ConditionColumn& c : CuttingConditionColumns())
    dump += "column " + std::to_string(c.column) + ": " + std::string(c.heading) + " | box " +
            (c.box.empty() ? std::string("-") : std::string(c.box)) + "\n";
  const std::vector<const ProcessCommand*> commands = AllProcessCommands();
  for (int row = 1; row <= kCuttingConditionRecords; ++row)
    dump += "row " + std::to_string(row) + ": " + ConditionRowUse(row, commands) + "\n";
  EXPECT_EQ(dump, ReadText(std::string(data) + "/process/dumps/cutting_condition_window.txt"));
}

}  // namespace
}  // namespace quillon
