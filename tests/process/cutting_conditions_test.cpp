// The material table: loading it whole or not at all, and the dialog pre-fill.
#include "process/cutting_conditions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "numbers/process_error.h"
#include "support/case_file.h"
#include "support/param_name.h"

namespace quillon {
namespace {

constexpr auto kName = testing_support::kRowName;

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

struct CellCheck {
  int row, column;
  const char* text;
};
struct LoadCase {
  const char* name;
  std::string bytes;
  const char* error;
  std::vector<CellCheck> cells;
};

// Guards against records stealing fields from the next line, rows shifted by quoting or blank lines, reading past 34
// records, and silent failures.
class CuttingConditionLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(CuttingConditionLoadTest, ReadsOrNamesTheLine) {
  const auto& c = GetParam();
  CuttingConditionLoad load = ParseCuttingConditionTable(c.bytes, "mat.csv");
  EXPECT_EQ(load.ok, !*c.error);
  EXPECT_EQ(load.error, c.error);
  if (!load.ok) return;
  EXPECT_TRUE(load.table.loaded());
  for (const auto& cell : c.cells)
    EXPECT_EQ(load.table.cell(cell.row, cell.column), cell.text) << "row " << cell.row << " column " << cell.column;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, CuttingConditionLoadTest, ::testing::Values(
  LoadCase{"HeadingsOnly",      kHeadings, "", {{1, 3, ""}, {1, 4, ""}, {34, 12, ""}}},
  LoadCase{"NothingAtAll",      "",        "", {{1, 3, ""}}},
  LoadCase{"OneRecordWithoutFinalLineEnd", kHeadings + "P1,Tool,5,1,0,150,0.3,3,0,0.4,0.1,1", "",
           {{1, 1, "P1"}, {1, 3, "5"}, {1, 4, "1"}, {1, 12, "1"}, {2, 3, ""}}},
  // Only rows 1..34 come from the file, so a broken record after them is harmless.
  LoadCase{"FortyRecords",      kHeadings + Records(40), "", {{1, 3, "1"}, {34, 3, "34"}, {34, 1, "P34"}, {35, 3, ""}, {40, 3, ""}}},
  LoadCase{"BrokenRecordAfterThe34th", kHeadings + Records(34) + "short,record\r\n", "", {{34, 3, "34"}}},
  LoadCase{"QuotedFields",      kHeadings + "\"Rough, OD\", \"CNMG 120408\" ,5,0,1,\" 150 \",0.3,3,0,0.4,0.1,\"say \"\"hi\"\"\"\r\n", "",
           {{1, 1, "Rough, OD"}, {1, 2, "CNMG 120408"}, {1, 3, "5"}, {1, 6, " 150 "}, {1, 12, "say \"hi\""}}},
  LoadCase{"LineEndInsideQuotes", kHeadings + "\"two\r\nlines\",Tool,5,0,1,150,0.3,3,0,0.4,0.1,1\r\n" + Records(1, 2), "",
           {{1, 1, "two\nlines"}, {1, 3, "5"}, {2, 3, "2"}}},
  LoadCase{"BlanksAroundUnquotedFieldsDropped", kHeadings + "  P1 ,\tTool\t, 5 ,0,1, 150 ,0.3,3,0,0.4,0.1, 1  \r\n", "",
           {{1, 1, "P1"}, {1, 2, "Tool"}, {1, 3, "5"}, {1, 6, "150"}, {1, 12, "1"}}},
  LoadCase{"EmptyFieldsKept",   kHeadings + "P1,,5,0,1,,0.3,3,0,0.4,0.1,\r\n", "", {{1, 2, ""}, {1, 3, "5"}, {1, 6, ""}, {1, 12, ""}}},
  LoadCase{"BlankLinesAreNoRecords", kHeadings + Records(1) + "\r\n   \r\n" + Records(1, 2), "", {{1, 3, "1"}, {2, 3, "2"}, {3, 3, ""}}},
  LoadCase{"LfLineEnds",        "h1\nh2\nP1,T,7,1,2,90,0.1,1,0,0,0,0\nP2,T,8,0,1,80,0.1,1,0,0,0,0\n", "", {{1, 3, "7"}, {1, 5, "2"}, {2, 3, "8"}}},
  LoadCase{"LoneCrLineEnds",    "h1\rh2\rP1,T,7,1,2,90,0.1,1,0,0,0,0\r", "", {{1, 3, "7"}}},
  // Bytes stay bytes: a Latin-1 name is copied as it stands.
  LoadCase{"EightBitTextKept",  kHeadings + "Schrupp \xE4u\xDF" "en,T,5,0,1,150,0.3,3,0,0.4,0.1,1\r\n", "", {{1, 1, "Schrupp \xE4u\xDF" "en"}}},
  LoadCase{"ShortRecord",       kHeadings + Records(1) + "P2,Tool,2,0,1,150,0.3,3,0,0.4,0.1\r\n" + Records(1, 3),
           "mat.csv, line 4: the record has 11 fields; every record needs 12.", {}},
  LoadCase{"LongRecord",        kHeadings + "P1,Tool,1,0,1,150,0.3,3,0,0.4,0.1,1,\r\n",
           "mat.csv, line 3: the record has 13 fields; every record needs 12.", {}},
  // The line is the one the record starts on, even after a quoted line end.
  LoadCase{"ShortRecordAfterQuotedLineEnd", kHeadings + "\"a\nb\",T,1,0,1,1,1,1,1,1,1,1\r\nP2,T,2\r\n",
           "mat.csv, line 5: the record has 3 fields; every record needs 12.", {}},
  LoadCase{"UnclosedQuote",     kHeadings + Records(1) + "\"P2,Tool,2,0,1,150,0.3,3,0,0.4,0.1,1\r\n",
           "mat.csv, line 4: a quoted field has no closing quote.", {}},
  LoadCase{"TextAfterClosingQuote", kHeadings + "\"P1\"x,Tool,1,0,1,150,0.3,3,0,0.4,0.1,1\r\n",
           "mat.csv, line 3: text follows a closing quote.", {}}),
  kName);
// clang-format on

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
  CuttingConditionLoad load = LoadCuttingConditionTable(std::string(app) + "/ cutting  condition /" + GetParam());
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

INSTANTIATE_TEST_SUITE_P(Materials, ShippedMaterialTest, ::testing::Values("S45C.CSV", "SUS304.CSV", "A5052.CSV"),
                         [](const auto& row) {
                           const std::string n = row.param;
                           return n.substr(0, n.find('.'));
                         });

struct RowCase {
  const char* name;
  const char *column4, *column5;
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

INSTANTIATE_TEST_SUITE_P(Options, CuttingConditionRowTest,
                         ::testing::ValuesIn(testing_support::LoadCases<RowCase, 5>("process/cases/condition_row.txt")),
                         kName);

struct RowErrorCase {
  const char* name;
  std::string file;
  int row, error;
};  // file "": no material at all

// Guards against a command opening its dialog without a material, or with an option column that is not a number.
class CuttingConditionRowErrorTest : public ::testing::TestWithParam<RowErrorCase> {};

TEST_P(CuttingConditionRowErrorTest, Throws) {
  const auto& c = GetParam();
  const CuttingConditionTable table = c.file.empty() ? CuttingConditionTable{} : Loaded(c.file);
  try {
    LoadCuttingConditionRow(table, c.row);
    FAIL() << "no error";
  } catch (const ProcessError& e) {
    EXPECT_EQ(e.number, c.error);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CuttingConditionRowErrorTest,
    ::testing::Values(RowErrorCase{"NoTable", "", 5, kErrCuttingCondition},
                      RowErrorCase{"HeadingsOnly", kHeadings, 5, kErrCuttingCondition},
                      RowErrorCase{"RowBeyondTheFile", kHeadings + Records(3), 5, kErrCuttingCondition},
                      RowErrorCase{"RowZero", kHeadings + Records(3), 0, kErrCuttingCondition},
                      RowErrorCase{"SpindleText", kHeadings + "P,T,5,CW,1,1,1,1,1,1,1,1\r\n", 1, kErrCuttingCondition},
                      RowErrorCase{"CoolantEmpty", kHeadings + "P,T,5,0,,1,1,1,1,1,1,1\r\n", 1, kErrCuttingCondition},
                      RowErrorCase{"SpindleNumberWithText", kHeadings + "P,T,5,1x,1,1,1,1,1,1,1,1\r\n", 1,
                                   kErrCuttingCondition},
                      RowErrorCase{"Row51", kHeadings + Records(34), 51, kErrSubscriptOutOfRange},
                      RowErrorCase{"NegativeRow", kHeadings + Records(34), -1, kErrSubscriptOutOfRange}),
    kName);

}  // namespace
}  // namespace quillon
