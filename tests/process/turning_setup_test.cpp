// The turning rows of the process-command table: dialog set-ups (caption,
// cutting-condition row, relabelled and hidden controls, pre-fills from the
// values kept by "Material Input") and the spindle speed a block leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "process/process_command.h"
#include "process/process_error.h"

namespace quillon {
namespace {

const ProcessCommand& Row(const char* name) {
  const ProcessCommand* row = FindProcessCommand(name);
  EXPECT_NE(row, nullptr) << name;
  return *row;
}

std::map<std::string, std::string> AsMap(const std::vector<std::pair<std::string, std::string>>& pairs) {
  return {pairs.begin(), pairs.end()};
}

bool Has(const std::vector<std::string>& list, const char* name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

// Guards against rows missing from the table, out of menu order, or reaching
// the wrong cutting-condition row (the table's rows 1..16 follow the menu).
TEST(TurningCommandsTest, SixteenRowsInMenuOrderWithTheirCuttingConditionRows) {
  // clang-format off
  const std::vector<std::string> expected = {
      "ProcessDrillHss",     "ProcessDrillU",     "ProcessRoughFaceOD", "ProcessRoughFace",
      "ProcessRoughOD",      "ProcessRoughID",    "ProcessFinishFaceOD", "ProcessFinishFace",
      "ProcessFinishOD",     "ProcessFinishID",   "ProcessGrooveFace",  "ProcessGrooveOD",
      "ProcessGrooveID",     "ProcessThreadFace", "ProcessThreadOD",    "ProcessThreadID"};
  // clang-format on
  const auto rows = TurningCommands();
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].name, expected[i]);
    EXPECT_EQ(rows[i].dialog, CommandDialog::Process);
    EXPECT_EQ(rows[i].setup(KeptState{}).row, static_cast<int>(i) + 1) << expected[i];
    EXPECT_EQ(FindProcessCommand(expected[i]), &rows[i]);
  }
}

struct SetupCase {
  const char* name;
  const char* command;
  const char* caption;
  std::vector<std::pair<std::string, std::string>> labels;  // a sample of the relabelled captions
  std::vector<const char*> hidden;
  std::vector<const char*> visible;  // boxes that must stay in the dialog
};

// Guards against captions and label texts that drift from the system's own
// (trailing blanks, doubled blanks), and against hiding a box the block reads.
class TurningSetupTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(TurningSetupTest, ConfiguresTheDialog) {
  const SetupCase& c = GetParam();
  const ProcessDialogSetup setup = Row(c.command).setup(KeptState{});
  EXPECT_EQ(setup.caption, c.caption);
  const auto labels = AsMap(setup.labels);
  for (const auto& [label, text] : c.labels) {
    ASSERT_TRUE(labels.count(label)) << label;
    EXPECT_EQ(labels.at(label), text) << label;
  }
  for (const char* box : c.hidden) EXPECT_TRUE(Has(setup.hidden, box)) << box << " should be hidden";
  for (const char* box : c.visible) EXPECT_FALSE(Has(setup.hidden, box)) << box << " should stay";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, TurningSetupTest,
    ::testing::Values(
        SetupCase{"RoughOD", "ProcessRoughOD", "O.D.Rough ",
                  {{"LabelD", "Cutting amount"}, {"LabelL", ""}, {"LabelL2", ""}, {"LabelStartC", ""}},
                  {"L", "StartC", "EndC"}, {"D", "U", "W", "C", "StartX", "EndX", "EndZ"}},
        SetupCase{"RoughID", "ProcessRoughID", "I.D.Rough ", {{"LabelD", "Cutting amount "}},
                  {"L", "StartC", "EndC"}, {"D", "C"}},
        SetupCase{"RoughFace", "ProcessRoughFace", "O.D.Face Rough ",
                  {{"LabelL", "Face cutting amount "}, {"LabelL2", "Z"}, {"LabelU", ""}, {"LabelD2", ""}},
                  {"C", "U", "D", "StartC", "EndC"}, {"L", "W", "F"}},
        SetupCase{"RoughFaceOD", "ProcessRoughFaceOD", "Face O.D.Rough ",
                  {{"LabelD", "Cutting amount"}, {"LabelD2", "X"}, {"LabelCZ", "Face end point"},
                   {"LabelSZ", "X"}, {"LabelL", "Face cutting amount"}, {"LabelL2", "Z"}},
                  {"StartC", "EndC"}, {"D", "L", "C"}},
        SetupCase{"FinishOD", "ProcessFinishOD", "O.D.Finish ",
                  {{"LabelEnd", ""}, {"LabelEndX", ""}, {"LabelEndZ", ""}},
                  {"F", "D", "L", "C", "StartC", "EndX", "EndZ", "EndC", "EndZ2"}, {"U", "W", "StartX", "StartZ"}},
        SetupCase{"FinishID", "ProcessFinishID", "I.D.Finish ", {{"LabelEnd", ""}},
                  {"F", "EndX", "EndZ", "EndZ2"}, {"U", "W"}},
        SetupCase{"FinishFace", "ProcessFinishFace", "O.D.  Face  Finish ", {{"LabelEndZ", ""}},
                  {"F", "EndX", "EndZ"}, {"U", "W"}},
        SetupCase{"FinishFaceOD", "ProcessFinishFaceOD", "Face O.D. Finish ", {{"LabelC", "Face "}},
                  {"D", "L", "C", "StartC", "EndZ", "EndC", "EndZ2"}, {"F", "EndX", "U", "W"}},
        SetupCase{"GrooveOD", "ProcessGrooveOD", "O.D.Groove ",
                  {{"LabelL", "Tool width "}, {"LabelL2", "K"},
                   {"LabelAttn", "Attention :Reference point Z-axis is negative."}},
                  {"StartC", "EndC"}, {"L", "D", "C"}},
        SetupCase{"GrooveID", "ProcessGrooveID", "I.D.Groove ", {{"LabelL", "Tool width "}}, {"StartC", "EndC"},
                  {"L"}},
        SetupCase{"GrooveFace", "ProcessGrooveFace", "Face Groove ",
                  {{"LabelL", " tool  width "}, {"LabelL2", "W"},
                   {"LabelAttn", "Attention : reference point X axis diameter."}},
                  {"StartC", "EndC"}, {"L"}},
        SetupCase{"ThreadOD", "ProcessThreadOD", "O.D.Thread ",
                  {{"LabelL", "Chamfer"}, {"LabelD", "Cutting amount"}, {"LabelC", "Read number"},
                   {"LabelC2", "J"}, {"LabelStart", " Cycle  master  point "}, {"LabelEnd", "Diameter "},
                   {"LabelW", ""}},
                  {"W", "EndC"}, {"U", "StartC", "C", "L"}},
        SetupCase{"ThreadID", "ProcessThreadID", "I.D.Thread ", {{"LabelEnd", "Diameter "}}, {"W", "EndC"},
                  {"U"}},
        SetupCase{"ThreadFace", "ProcessThreadFace", "Face Thread ", {{"LabelU", ""}, {"LabelU2", ""}},
                  {"U", "EndC"}, {"W", "StartC"}},
        SetupCase{"DrillHss", "ProcessDrillHss", "Hss Drill ",
                  {{"LabelU", "Drill diameter "}, {"LabelU2", "D"}, {"LabelStartX", ""}},
                  {"C", "W", "StartX", "StartC", "EndX", "EndC"}, {"U", "D", "L", "StartZ", "EndZ"}},
        SetupCase{"DrillU", "ProcessDrillU", "Corbyte Drill ",
                  {{"LabelU", " Drill  diameter "}, {"LabelD", "App."}, {"LabelL", "Thre"}},
                  {"C", "W", "StartX", "StartC", "EndX", "EndC"}, {"U", "D", "L"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(TurningSetupTest, FaceAndOutsideRoughingShowsTheFaceEndBox) {
  const ProcessDialogSetup setup = Row("ProcessRoughFaceOD").setup(KeptState{});
  EXPECT_TRUE(Has(setup.shown, "SZ"));
  EXPECT_TRUE(Has(setup.shown, "LabelSZ"));
}

struct PrefillCase {
  const char* name;
  const char* command;
  bool materialInputUsed;  // false: the kept values are still empty
  std::map<std::string, std::string> expected;
};

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
  EXPECT_EQ(AsMap(Row(c.command).setup(kept).prefill), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, TurningPrefillTest,
    ::testing::Values(
        PrefillCase{"RoughOD", "ProcessRoughOD", true, {{"EndX", "80"}, {"StartZ", "0"}}},
        PrefillCase{"RoughODBeforeMaterial", "ProcessRoughOD", false, {{"EndX", ""}, {"StartZ", "0"}}},
        PrefillCase{"RoughID", "ProcessRoughID", true, {{"EndX", "30"}, {"StartZ", "0"}}},
        PrefillCase{"RoughIDBeforeMaterial", "ProcessRoughID", false, {{"EndX", "0"}, {"StartZ", "0"}}},
        PrefillCase{"RoughFace", "ProcessRoughFace", true,
                    {{"StartX", "80"}, {"StartZ", "2.5"}, {"EndX", "30"}, {"EndZ", "0"}}},
        PrefillCase{"RoughFaceBeforeMaterial", "ProcessRoughFace", false,
                    {{"StartX", ""}, {"StartZ", ""}, {"EndX", "0"}, {"EndZ", "0"}}},
        // SZ = inside diameter - 3 = 27; a solid blank faces to the centre: "0".
        PrefillCase{"RoughFaceOD", "ProcessRoughFaceOD", true, {{"EndX", "80"}, {"StartZ", "0"}, {"SZ", "27"}}},
        PrefillCase{"RoughFaceODBeforeMaterial", "ProcessRoughFaceOD", false,
                    {{"EndX", ""}, {"StartZ", "0"}, {"SZ", "0"}}},
        PrefillCase{"FinishOD", "ProcessFinishOD", true, {}},
        PrefillCase{"FinishID", "ProcessFinishID", true, {{"StartX", "30"}, {"StartZ", "0"}}},
        PrefillCase{"FinishFace", "ProcessFinishFace", true, {}},
        PrefillCase{"FinishFaceOD", "ProcessFinishFaceOD", true, {{"EndX", "30"}, {"StartZ", "0"}}},
        PrefillCase{"GrooveOD", "ProcessGrooveOD", true, {}},
        PrefillCase{"GrooveID", "ProcessGrooveID", true, {}},
        PrefillCase{"GrooveFace", "ProcessGrooveFace", true, {}},
        PrefillCase{"ThreadOD", "ProcessThreadOD", true, {{"StartC", "0"}}},
        PrefillCase{"ThreadID", "ProcessThreadID", true, {{"StartC", "0"}}},
        PrefillCase{"ThreadFace", "ProcessThreadFace", true, {{"StartC", "0"}}},
        PrefillCase{"DrillHss", "ProcessDrillHss", true, {{"StartZ", "2.5"}}},
        PrefillCase{"DrillUBeforeMaterial", "ProcessDrillU", false, {{"StartZ", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct SpeedCase {
  const char* name;
  const char* command;
  double v;
  double startX;
  double endX;
  double u;
  double expected;  // the spindle speed the block leaves (770 before it)
};

// Guards against a block that computes its speed from the wrong reference
// diameter, forgets to leave it for the next command, or overwrites the
// previous speed when it should keep it.
class TurningSpeedTest : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(TurningSpeedTest, LeavesTheSpindleSpeed) {
  const SpeedCase& c = GetParam();
  ProcessContext ctx;
  ctx.kept.SpindleSpeed = 770;
  ctx.input.ToolNumber = 5;
  ctx.input.V = c.v;
  ctx.input.StartX = c.startX;
  ctx.input.EndX = c.endX;
  ctx.input.U = c.u;
  ctx.input.EndZ = -20;
  Row(c.command).generate(ctx);
  EXPECT_EQ(ctx.kept.SpindleSpeed, c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, TurningSpeedTest,
    ::testing::Values(
        // floor(1000*150/3.14/46/10)*10 = 1030 (d = StartX + 6)
        SpeedCase{"RoughOD", "ProcessRoughOD", 150, 40, 60, 0, 1030},
        SpeedCase{"RoughODWithoutSpeedKeeps", "ProcessRoughOD", 0, 40, 60, 0, 770},
        // floor(1000*200/3.14/46/10)*10 = 1380
        SpeedCase{"FinishID", "ProcessFinishID", 200, 40, 0, 0, 1380},
        // d = StartX + 4 = 44: floor(1000*120/3.14/44/10)*10 = 860
        SpeedCase{"GrooveOD", "ProcessGrooveOD", 120, 40, 34, 0, 860},
        // d = StartX - 4 = 36: floor(1000*100/3.14/36/10)*10 = 880
        SpeedCase{"GrooveID", "ProcessGrooveID", 100, 40, 46, 0, 880},
        // d = StartX = 60: floor(1000*100/3.14/60/10)*10 = 530
        SpeedCase{"GrooveFace", "ProcessGrooveFace", 100, 60, 50, 0, 530},
        // d = EndX = 20: floor(1000*100/3.14/20/10)*10 = 1590
        SpeedCase{"ThreadOD", "ProcessThreadOD", 100, 24, 20, 0, 1590},
        SpeedCase{"ThreadODNegativeDiameterKeeps", "ProcessThreadOD", 100, 24, -20, 0, 770},
        SpeedCase{"ThreadFace", "ProcessThreadFace", 100, 60, 40, 0, 530},
        // d = U = 20: floor(1000*120/3.14/20/10)*10 = 1910; V 0 gives 0, never the old speed
        SpeedCase{"DrillU", "ProcessDrillU", 120, 0, 0, 20, 1910},
        SpeedCase{"DrillHssWithoutSpeed", "ProcessDrillHss", 0, 0, 0, 20, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against a block being half written when the reference diameter is
// zero: the error comes before any text.
TEST(TurningSpeedTest, ZeroReferenceDiameterFailsWithDivisionByZero) {
  for (const char* command : {"ProcessRoughFace", "ProcessFinishFaceOD", "ProcessGrooveFace", "ProcessDrillHss"}) {
    ProcessContext ctx;
    ctx.input.V = 100;
    ctx.input.StartX = command == std::string("ProcessGrooveFace") ? 0 : -6;
    try {
      Row(command).generate(ctx);
      ADD_FAILURE() << command << " generated a block";
    } catch (const ProcessError& e) {
      EXPECT_EQ(e.number, kErrDivisionByZero) << command;
    }
  }
}

}  // namespace
}  // namespace quillon
