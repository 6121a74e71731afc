// The cutting-condition window's core: writing an edited table back into the material file, which texts a cell takes,
// and what the window shows as column headings and row uses.
#include "process/condition_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process/process_test_support.h"
#include "process_rotary/command_table.h"
#include "support/golden_file.h"

namespace quillon {
namespace {

struct WriteCase {
  const char *name, *bytes, *edits, *written;
};

// The parts the files of the cases are made of.
const testing_support::Boxes kParts{{"h", "Material\r\nProcess,Tool,T No.\r\n"},
                                    {"1", "Drill,\"HSS D20\", 12 ,0,1,25,0.15,5,0,20,0,0\r\n"},
                                    {"2", "Drill U,U-drill,11,0,1,150,0.08,3,5,25,0,0\r\n"}};

// Guards against Save rewriting rows nobody touched (their blanks, quotes and line ends lost), an edited row losing its
// quotes or its line end, a text with a comma or quote breaking the record apart, and rows edited past the file's end
// landing in the wrong row.
class WriteBackTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteBackTest, OnlyEditedRowsChange) {
  const WriteCase& c = GetParam();
  const std::string bytes = testing_support::Substitute(c.bytes, kParts);
  const CuttingConditionLoad before = ParseCuttingConditionTable(bytes, "t.csv");
  ASSERT_TRUE(before.ok) << before.error;
  CuttingConditionTable after = before.table;
  for (const auto& e : testing_support::ParseCells(c.edits)) after.setCell(e.row, e.column, e.text);
  const std::optional<std::string> written = WriteCuttingConditionTable(bytes, before.table, after);
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, testing_support::Substitute(c.written, kParts));
  // What was written reads back as the edited table.
  const CuttingConditionLoad reread = ParseCuttingConditionTable(*written, "t.csv");
  ASSERT_TRUE(reread.ok) << reread.error;
  for (int row = 1; row <= kCuttingConditionRecords; ++row)
    for (int column = 1; column <= kCuttingConditionFields; ++column)
      EXPECT_EQ(reread.table.cell(row, column), after.cell(row, column)) << row << "," << column;
}

QUILLON_CASE_SUITE(Files, WriteBackTest, WriteCase, 4, "process/cases/write_back.txt");

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

// Guards against a heading naming the wrong column, a column pre-filling another box than the one it
// names, and a row's tool tip naming commands that do not read it (checked against the dump, which says
// what users see).
TEST(ConditionWindowTest, HeadingsAndRowUsesMatchTheDump) {
  std::string dump;
  for (const ConditionColumn& c : CuttingConditionColumns())
    dump += "column " + std::to_string(c.column) + ": " + std::string(c.heading) + " | box " +
            (c.box.empty() ? std::string("-") : std::string(c.box)) + "\n";
  const std::vector<const ProcessCommand*> commands = AllProcessCommands();
  for (int row = 1; row <= kCuttingConditionRecords; ++row)
    dump += "row " + std::to_string(row) + ": " + ConditionRowUse(row, commands) + "\n";
  EXPECT_EQ(testing_support::GoldenMismatch("process/dumps/cutting_condition_window.txt", dump), "");
}

}  // namespace
}  // namespace quillon
