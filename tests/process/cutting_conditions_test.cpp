// The material table: loading it whole or not at all, and the dialog pre-fill.
#include "process/cutting_conditions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "process/process_test_support.h"

namespace quillon {
namespace {

const std::string kHeadings = "Material X\r\nProcess,Tool,T,Dir,Coolant,V,F,D,L,U,W,C\r\n";

// Records of 12 fields whose tool number is their row, so shifts show up.
std::string Records(int count, int first = 1) {
  std::string text;
  for (int row = first; row < first + count; ++row)
    text += "P" + std::to_string(row) + ",Tool," + std::to_string(row) + ",0,1,150,0.3,3,0,0.4,0.1,1\r\n";
  return text;
}

CuttingConditionTable Loaded(const std::string& bytes) {
  CuttingConditionTable table;
  EXPECT_EQ(ApplyCuttingConditionLoad(table, ParseCuttingConditionTable(bytes, "m")), "");
  return table;
}

// "{H}" is kHeadings, "{R3}" Records(3) and "{R1@2}" Records(1, 2).
std::string Bytes(const std::string& text) {
  testing_support::Boxes parts{{"H", kHeadings}};
  for (int count : {1, 3, 34, 40})
    for (int first : {1, 2, 3})
      parts["R" + std::to_string(count) + (first == 1 ? "" : "@" + std::to_string(first))] = Records(count, first);
  return testing_support::Substitute(text, parts);
}

struct LoadCase {
  const char *name, *bytes, *error, *cells;  // cells: "row,column=text" apart by '|'
};

// Guards against records stealing fields from the next line, rows shifted by quoting or blank lines, reading past 34
// records, and silent failures.
class CuttingConditionLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(CuttingConditionLoadTest, ReadsOrNamesTheLine) {
  const auto& c = GetParam();
  CuttingConditionLoad load = ParseCuttingConditionTable(Bytes(c.bytes), "mat.csv");
  EXPECT_EQ(load.ok, !*c.error);
  EXPECT_EQ(load.error, c.error);
  if (!load.ok) return;
  EXPECT_TRUE(load.table.loaded());
  for (const auto& cell : testing_support::ParseCells(c.cells))
    EXPECT_EQ(load.table.cell(cell.row, cell.column), cell.text) << "row " << cell.row << " column " << cell.column;
}

QUILLON_CASE_SUITE(Files, CuttingConditionLoadTest, LoadCase, 4, "process/cases/material_load.txt");

// Guards against a failed load leaving a mix of two materials, and rows of the previous material surviving a shorter
// new file.
TEST(CuttingConditionSwapTest, AFileReplacesTheWholeTableOrNothing) {
  CuttingConditionTable table = Loaded(kHeadings + Records(34));
  // Row 1 of the new file is fine, row 2 is short: nothing of it may land.
  const std::string broken = kHeadings + "N1,Tool,9,1,0,99,0.9,9,9,9,9,9\r\nN2,Tool\r\n";
  EXPECT_EQ(ApplyCuttingConditionLoad(table, ParseCuttingConditionTable(broken, "b.csv")),
            "b.csv, line 4: the record has 2 fields; every record needs 12.");
  EXPECT_EQ(table.cell(1, 1), "P1");
  EXPECT_EQ(table.cell(34, 3), "34");
  ASSERT_EQ(ApplyCuttingConditionLoad(table, ParseCuttingConditionTable(kHeadings + Records(1, 7), "c.csv")), "");
  EXPECT_EQ(table.cell(1, 3), "7");
  EXPECT_EQ(table.cell(2, 3), "");
  EXPECT_EQ(table.cell(34, 3), "");
}

// Guards against a missing or unreadable material file passing silently.
class CuttingConditionUnreadableTest : public ::testing::TestWithParam<std::string> {};

TEST_P(CuttingConditionUnreadableTest, SaysWhichFile) {
  CuttingConditionLoad load = LoadCuttingConditionTable(GetParam());
  EXPECT_FALSE(load.ok);
  EXPECT_EQ(load.error, GetParam() + ": the material file cannot be opened.");
  EXPECT_FALSE(load.table.loaded());
}

INSTANTIATE_TEST_SUITE_P(Paths, CuttingConditionUnreadableTest,
                         ::testing::Values("/nonexistent/ cutting  condition /S45C.CSV",
                                           std::filesystem::temp_directory_path().string(), ""));

// Guards against a shipped material file that would stop a command or shift its rows: every file loads, has all 34
// rows, numbers where numbers belong.
class ShippedMaterialTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedMaterialTest, LoadsEveryRowWithNumbers) {
  const char* app = std::getenv("QUILLON_APP_DIR");
  ASSERT_NE(app, nullptr);
  CuttingConditionLoad load =
      LoadCuttingConditionTable(std::string(app) + "/ cutting  condition /" + GetParam() + ".CSV");
  ASSERT_TRUE(load.ok) << load.error;
  for (int row = 1; row <= kCuttingConditionRecords; ++row) {
    for (int column = 3; column <= kCuttingConditionFields; ++column)
      EXPECT_FALSE(load.table.cell(row, column).empty()) << "row " << row << " column " << column;
    EXPECT_NO_THROW(LoadCuttingConditionRow(load.table, row)) << "row " << row;
    // The rows of every process command carry a tool; 28, 29, 31 and 32 are spare.
    const bool spare = row == 28 || row == 29 || row == 31 || row == 32;
    EXPECT_TRUE(spare || load.table.cell(row, 3) != "0") << "row " << row;
  }
}

INSTANTIATE_TEST_SUITE_P(Materials, ShippedMaterialTest, ::testing::Values("S45C", "SUS304", "A5052"),
                         [](const auto& row) { return std::string(row.param); });

struct RowCase {
  const char *name, *column4, *column5;
  bool spindleCW, coolantOn;
};

// Guards against the option columns being read as text (any text choosing CCW) or compared loosely ("2" choosing
// coolant on), and the texts being reformatted instead of copied as they stand in the file.
class CuttingConditionRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(CuttingConditionRowTest, ChoosesOptionsAndCopiesTexts) {
  const auto& c = GetParam();
  const std::string record = std::string("P,T,5.25,") + c.column4 + "," + c.column5 + ",150,0.30,3,1.5,0.4,0.1,C1\r\n";
  ProcessDialogValues v = LoadCuttingConditionRow(Loaded(kHeadings + Records(4) + record), 5);
  EXPECT_EQ(v.spindleCW, c.spindleCW);
  EXPECT_EQ(v.coolantOn, c.coolantOn);
  std::string texts;
  for (const char* box : {"ToolNumber", "V", "F", "D", "L", "U", "W", "C", "StartX"}) texts += v.text(box) + "|";
  EXPECT_EQ(texts, "5.25|150|0.30|3|1.5|0.4|0.1|C1||");
}

QUILLON_CASE_SUITE(Options, CuttingConditionRowTest, RowCase, 5, "process/cases/condition_row.txt");

struct RowErrorCase {
  const char *name, *file;
  int row, error;
};  // file "": no material at all

// Guards against a command opening its dialog without a material, or with an option column that is not a number.
class CuttingConditionRowErrorTest : public ::testing::TestWithParam<RowErrorCase> {};

TEST_P(CuttingConditionRowErrorTest, Throws) {
  const auto& c = GetParam();
  const CuttingConditionTable table = *c.file ? Loaded(Bytes(c.file)) : CuttingConditionTable{};
  EXPECT_EQ(testing_support::ThrownNumber([&] { LoadCuttingConditionRow(table, c.row); }), c.error);
}

QUILLON_CASE_SUITE(Rows, CuttingConditionRowErrorTest, RowErrorCase, 4, "process/cases/condition_row_error.txt");

}  // namespace
}  // namespace quillon
