// The turning rows of the process-command table: dialog set-ups (caption,
// cutting-condition row, hidden boxes, relabelled controls, pre-fills from
// the values kept by "Material Input"). The blocks themselves are pinned by
// the golden runs under turning/golden.
#include <gtest/gtest.h>

#include "process_rotary/command_table.h"

#include <algorithm>
#include <string>
#include <vector>

#include "process/process_command.h"
#include "numbers/process_error.h"
#include "process/process_run.h"

namespace quillon {
namespace {

const ProcessCommand& Row(const char* name) {
  const ProcessCommand* row = FindProcessCommand(name);
  if (!row) throw std::runtime_error(std::string("no row ") + name);
  return *row;
}

// Guards against rows missing from the table, out of menu order, or reaching
// the wrong cutting-condition row (the table's rows 1..16 follow the menu).
TEST(TurningCommandsTest, SixteenRowsInMenuOrderWithTheirCuttingConditionRows) {
  const std::vector<std::string> expected = {
      "ProcessDrillHss", "ProcessDrillU",   "ProcessRoughFaceOD", "ProcessRoughFace",
      "ProcessRoughOD",  "ProcessRoughID",  "ProcessFinishFaceOD", "ProcessFinishFace",
      "ProcessFinishOD", "ProcessFinishID", "ProcessGrooveFace",  "ProcessGrooveOD",
      "ProcessGrooveID", "ProcessThreadFace", "ProcessThreadOD",  "ProcessThreadID"};
  const auto rows = TurningCommands();
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].name, expected[i]);
    EXPECT_EQ(rows[i].dialog, CommandDialog::Process);
    EXPECT_EQ(rows[i].conditionRow, static_cast<int>(i) + 1) << expected[i];
    EXPECT_EQ(FindProcessCommand(expected[i]), &rows[i]);
  }
}

struct SetupCase {
  const char* command;
  const char* caption;
  const char* hidden;  // every entry box the dialog does not show, in box order
  std::vector<std::pair<std::string, std::string>> labels;  // the odd or blanked captions
};

// Guards against captions and label texts that drift from the system's own
// (trailing blanks, doubled blanks), against hiding a box the block reads and
// against showing one it ignores (B and SZ are hidden by design).
class TurningSetupTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(TurningSetupTest, ConfiguresTheDialog) {
  const SetupCase& c = GetParam();
  const ProcessDialogSetup setup = Row(c.command).setup(KeptState{});
  EXPECT_EQ(setup.caption, c.caption);
  std::string hidden;
  for (const char* box : kProcessBoxes)
    if (!ProcessBoxVisible(setup, box)) hidden += std::string(hidden.empty() ? "" : " ") + box;
  EXPECT_EQ(hidden, c.hidden);
  for (const auto& label : c.labels)
    EXPECT_NE(std::find(setup.labels.begin(), setup.labels.end(), label), setup.labels.end()) << label.first;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, TurningSetupTest, ::testing::Values(
  //        command                caption                 hidden boxes                             labels
  SetupCase{"ProcessRoughOD",      "O.D.Rough ",           "L B SZ StartC EndC",                    {{"LabelD", "Cutting amount"}, {"LabelL", ""}, {"LabelStartC", ""}}},
  SetupCase{"ProcessRoughID",      "I.D.Rough ",           "L B SZ StartC EndC",                    {{"LabelD", "Cutting amount "}}},
  SetupCase{"ProcessRoughFace",    "O.D.Face Rough ",      "D U C B SZ StartC EndC",                {{"LabelL", "Face cutting amount "}, {"LabelL2", "Z"}, {"LabelU", ""}}},
  SetupCase{"ProcessRoughFaceOD",  "Face O.D.Rough ",      "B StartC EndC",                         {{"LabelCZ", "Face end point"}, {"LabelSZ", "X"}, {"LabelL", "Face cutting amount"}}},
  SetupCase{"ProcessFinishOD",     "O.D.Finish ",          "F D L C B SZ StartC EndX EndZ EndC",    {{"LabelEnd", ""}, {"LabelEndX", ""}, {"LabelEndZ", ""}}},
  SetupCase{"ProcessFinishID",     "I.D.Finish ",          "F D L C B SZ StartC EndX EndZ EndC",    {{"LabelEnd", ""}}},
  SetupCase{"ProcessFinishFace",   "O.D.  Face  Finish ",  "F D L C B SZ StartC EndX EndZ EndC",    {{"LabelEndZ", ""}}},
  SetupCase{"ProcessFinishFaceOD", "Face O.D. Finish ",    "D L C B SZ StartC EndZ EndC",           {{"LabelC", "Face "}}},
  SetupCase{"ProcessGrooveOD",     "O.D.Groove ",          "B SZ StartC EndC",                      {{"LabelL", "Tool width "}, {"LabelL2", "K"}, {"LabelAttn", "Attention :Reference point Z-axis is negative."}}},
  SetupCase{"ProcessGrooveID",     "I.D.Groove ",          "B SZ StartC EndC",                      {{"LabelL", "Tool width "}}},
  SetupCase{"ProcessGrooveFace",   "Face Groove ",         "B SZ StartC EndC",                      {{"LabelL", " tool  width "}, {"LabelL2", "W"}, {"LabelAttn", "Attention : reference point X axis diameter."}}},
  SetupCase{"ProcessThreadOD",     "O.D.Thread ",          "W B SZ EndC",                           {{"LabelC", "Read number"}, {"LabelC2", "J"}, {"LabelStart", " Cycle  master  point "}, {"LabelEnd", "Diameter "}, {"LabelW", ""}}},
  SetupCase{"ProcessThreadID",     "I.D.Thread ",          "W B SZ EndC",                           {{"LabelEnd", "Diameter "}}},
  SetupCase{"ProcessThreadFace",   "Face Thread ",         "U B SZ EndC",                           {{"LabelU", ""}, {"LabelU2", ""}}},
  SetupCase{"ProcessDrillHss",     "Hss Drill ",           "W C B SZ StartX StartC EndX EndC",      {{"LabelU", "Drill diameter "}, {"LabelU2", "D"}, {"LabelStartX", ""}}},
  SetupCase{"ProcessDrillU",       "Corbyte Drill ",       "W C B SZ StartX StartC EndX EndC",      {{"LabelU", " Drill  diameter "}, {"LabelD", "App."}, {"LabelL", "Thre"}}}),
  [](const auto& info) { return std::string(info.param.command).substr(7); });
// clang-format on

struct PrefillCase { const char* name; const char* command; bool materialInputUsed; const char* expected; };

// Guards against pre-fills that read the wrong kept value, write "80.0"
// style texts, or show something other than an empty box (or "0" for the
// inside diameter) before "Material Input" has been used.
class TurningPrefillTest : public ::testing::TestWithParam<PrefillCase> {};

TEST_P(TurningPrefillTest, FillsFromTheKeptMaterial) {
  const PrefillCase& c = GetParam();
  KeptState kept;
  if (c.materialInputUsed) {
    kept.MaterialOD = 80;
    kept.MaterialID = 30;
    kept.PZero = 2.5;
  }
  std::string prefill;
  for (const auto& [box, text] : Row(c.command).setup(kept).prefill) prefill += box + "=" + text + " ";
  EXPECT_EQ(prefill, c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, TurningPrefillTest, ::testing::Values(
  PrefillCase{"RoughOD",                   "ProcessRoughOD",      true,  "EndX=80 StartZ=0 "},
  PrefillCase{"RoughODBeforeMaterial",     "ProcessRoughOD",      false, "EndX= StartZ=0 "},
  PrefillCase{"RoughID",                   "ProcessRoughID",      true,  "EndX=30 StartZ=0 "},
  PrefillCase{"RoughIDBeforeMaterial",     "ProcessRoughID",      false, "EndX=0 StartZ=0 "},
  PrefillCase{"RoughFace",                 "ProcessRoughFace",    true,  "StartX=80 StartZ=2.5 EndX=30 EndZ=0 "},
  PrefillCase{"RoughFaceBeforeMaterial",   "ProcessRoughFace",    false, "StartX= StartZ= EndX=0 EndZ=0 "},
  // SZ = inside diameter - 3 = 27; a solid blank faces to the centre: "0".
  PrefillCase{"RoughFaceOD",               "ProcessRoughFaceOD",  true,  "EndX=80 StartZ=0 SZ=27 "},
  PrefillCase{"RoughFaceODBeforeMaterial", "ProcessRoughFaceOD",  false, "EndX= StartZ=0 SZ=0 "},
  PrefillCase{"FinishOD",                  "ProcessFinishOD",     true,  ""},
  PrefillCase{"FinishID",                  "ProcessFinishID",     true,  "StartX=30 StartZ=0 "},
  PrefillCase{"FinishFace",                "ProcessFinishFace",   true,  ""},
  PrefillCase{"FinishFaceOD",              "ProcessFinishFaceOD", true,  "EndX=30 StartZ=0 "},
  PrefillCase{"GrooveOD",                  "ProcessGrooveOD",     true,  ""},
  PrefillCase{"GrooveID",                  "ProcessGrooveID",     true,  ""},
  PrefillCase{"GrooveFace",                "ProcessGrooveFace",   true,  ""},
  PrefillCase{"ThreadOD",                  "ProcessThreadOD",     true,  "StartC=0 "},
  PrefillCase{"ThreadID",                  "ProcessThreadID",     true,  "StartC=0 "},
  PrefillCase{"ThreadFace",                "ProcessThreadFace",   true,  "StartC=0 "},
  PrefillCase{"DrillHss",                  "ProcessDrillHss",     true,  "StartZ=2.5 "},
  PrefillCase{"DrillUBeforeMaterial",      "ProcessDrillU",       false, "StartZ= "}),
  [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against threading dividing by (or computing from) a negative
// reference diameter: only d > 0 recomputes, otherwise the last speed stays.
TEST(TurningSpeedTest, ThreadWithNegativeDiameterKeepsTheSpeed) {
  ProcessContext ctx;
  ctx.kept.SpindleSpeed = 770;
  ctx.input.ToolNumber = 5;
  ctx.input.V = 100;
  ctx.input.StartX = 24;
  ctx.input.EndX = -20;
  ctx.input.EndZ = -20;
  Row("ProcessThreadOD").generate(ctx);
  EXPECT_EQ(ctx.kept.SpindleSpeed, 770);
}

}  // namespace
}  // namespace quillon
