// "Material Input" and the ATC ready-requests, through their command rows.
#include "process_rotary/ugc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/process_output.h"
#include "process/process_run.h"

namespace quillon {
namespace {

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

UgcDialogValues Blank80() {
  UgcDialogValues d;
  d.Text9 = "0";    // P-Zero
  d.Text3 = "100";  // Length
  d.Text1 = "20";   // Jaw Length
  d.Text2 = "10";   // Jaw face
  d.Text5 = "80";   // Material OD
  d.Text4 = "0";    // Material ID
  return d;
}

struct OugcCase {
  const char* name;
  UgcDialogValues dialog;
  std::vector<std::string> present;
  std::vector<std::string> absent;
};

// Guards against the OUGC lines that depend on grasp, spindle, tailstock,
// bore and face drawing being written in the wrong cases.
class OugcTest : public ::testing::TestWithParam<OugcCase> {};

TEST_P(OugcTest, WritesExactlyTheLinesOfItsCase) {
  const auto& c = GetParam();
  UgcValues v = ReadUgcValues(c.dialog);
  const std::string text = BuildOugcText(v, c.dialog);
  EXPECT_TRUE(text.starts_with("\t\n----------< USER GRAPHIC COMMAND >----------\nOUGC\n")) << text;
  EXPECT_TRUE(text.ends_with("N000 DRAW\nNRTS RTS\n")) << text;
  for (const auto& line : c.present) EXPECT_TRUE(HasLine(text, line)) << line << "\n" << text;
  for (const auto& line : c.absent) EXPECT_FALSE(HasLine(text, line)) << line << "\n" << text;
}

UgcDialogValues With(UgcDialogValues d, void (*change)(UgcDialogValues&)) {
  change(d);
  return d;
}

INSTANTIATE_TEST_SUITE_P(Cases, OugcTest,
                         ::testing::Values(
                             // Material ID 0: one PS RC and one PF line, no PO or CI.
                             OugcCase{"SolidBarFaceDrawing",
                                      With(Blank80(), [](UgcDialogValues& d) { d.Check2 = true; }),
                                      {"N000 PS RC,[0,0],[100,80]", "N000 DEF WORKF", "N000 PF 0,[0,0],80,D"},
                                      {"N000 PF 0,[0,0],0,D,0", "N000 PO [0,0]", "N000 CI [0,0],[0,-0],R,0"}},
                             OugcCase{"OdChuckingWritesTheOd", Blank80(), {"NOEX VCHKX=80 VCHKZ=-100"}, {}},
                             OugcCase{"IdChuckingWritesTheId",
                                      With(Blank80(),
                                           [](UgcDialogValues& d) {
                                             d.OD = false;
                                             d.Text4 = "40";
                                           }),
                                      {"NOEX VCHKX=40 VCHKZ=-100", "N000 PS RC,[0,0],[100,40],0"},
                                      {"NOEX VCHKX=80 VCHKZ=-100"}},
                             OugcCase{
                                 "MainSpindleWithoutTailstock", Blank80(), {"NOEX VWKR=9999", "N000 DEF WORK"}, {}},
                             OugcCase{"SubSpindleWithoutTailstock",
                                      With(Blank80(), [](UgcDialogValues& d) { d.MainSpindle = false; }),
                                      {"N000 DEF WORK[S]"},
                                      {"NOEX VWKR=9999", "N000 DEF WORK"}},
                             OugcCase{"Tailstock",
                                      With(Blank80(),
                                           [](UgcDialogValues& d) {
                                             d.Check1 = true;
                                             d.Text9 = "1.5";
                                             d.Text8 = "35";
                                             d.Text7 = "60";
                                             d.Text6 = "8";
                                           }),
                                      {"NOEX VTSDA=8 VTSDB=60", "NOEX VTSL=35 VWKR=1.5", "N000 PS RC,[1,0],[100,80]"},
                                      {"NOEX VWKR=9999"}},
                             // Material ID 25 with the face drawing: Fix(25 / 2) = 12.
                             OugcCase{"BoreOf25",
                                      With(Blank80(),
                                           [](UgcDialogValues& d) {
                                             d.Text4 = "25";
                                             d.Check2 = true;
                                           }),
                                      {"N000 PS RC,[0,0],[100,25],0", "N000 PF 0,[0,0],25,D,0", "N000 PO [0,12]",
                                       "N000 CI [0,0],[0,-12],R,0"},
                                      {}},
                             OugcCase{"SubSpindleFaceDrawing",
                                      With(Blank80(),
                                           [](UgcDialogValues& d) {
                                             d.MainSpindle = false;
                                             d.Check2 = true;
                                           }),
                                      {"N000 DEF WORK[S]", "N000 DEF WORKF[S]"},
                                      {"N000 DEF WORKF"}},
                             // Whole-number parts toward zero: Length 100.9 -> 100, OD 80.99 -> 80,
                             // P-Zero -3.7 -> PS RC at -3 while VCHKZ uses -3.7 - 100 = -103.7.
                             OugcCase{"WholePartsTowardZero",
                                      With(Blank80(),
                                           [](UgcDialogValues& d) {
                                             d.Text3 = "100.9";
                                             d.Text5 = "80.99";
                                             d.Text9 = "-3.7";
                                           }),
                                      {"NOEX VCHKX=80 VCHKZ=-103.7", "N000 PS RC,[-3,0],[100,80]"},
                                      {}},
                             // Material ID -5 is no bore.
                             OugcCase{"NegativeIdIsNoBore",
                                      With(Blank80(),
                                           [](UgcDialogValues& d) {
                                             d.Text4 = "-5";
                                             d.Check2 = true;
                                           }),
                                      {"N000 PF 0,[0,0],80,D"},
                                      {"N000 PS RC,[0,0],[100,-5],0", "N000 PO [0,-2]"}},
                             // Entries read leniently: "80mm" is 80, "abc" is 0.
                             OugcCase{"LenientEntries",
                                      With(Blank80(),
                                           [](UgcDialogValues& d) {
                                             d.Text5 = "80mm";
                                             d.Text1 = "abc";
                                           }),
                                      {"NOEX VCHKX=80 VCHKZ=-100", "NOEX VCHKD=10 VCHKL=0"},
                                      {}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FrameCase {
  const char* name;
  MachineParameters machine;
  const char* head;
  const char* tail;
};

MachineParameters Machine(void (*change)(MachineParameters&)) {
  MachineParameters m;
  change(m);
  return m;
}

// Guards against head and end lines that follow the wrong machine flag (the
// B-turret head ignores Tallix; M90 follows the door on both heads).
class UgcFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(UgcFrameTest, HeadAndTail) {
  const auto& c = GetParam();
  EXPECT_EQ(BuildUgcHead(c.machine), c.head);
  EXPECT_EQ(BuildUgcTail(c.machine), c.tail);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, UgcFrameTest,
    ::testing::Values(FrameCase{"Defaults", MachineParameters{},
                                "NMAX G50 S2500\nN000 G00 X500 Z500\nN000 CALL OPCHK (PANEL CHECK)\n"
                                "N000 CALL OUGC  (GRAPHIC DATA)\n\t\n",
                                "\t\nNEND M02\n"},
                      FrameCase{"TallixNoPanelCheck", Machine([](MachineParameters& m) {
                                  m.Tallix = true;
                                  m.PanelChk = false;
                                }),
                                "NMAX G50 S2500\nN000 G21 HP=4 M109\nN000 CALL OUGC  (GRAPHIC DATA)\n\t\n",
                                "\t\nNEND M02\n"},
                      FrameCase{"MeasureOnlyAtTheEnd", Machine([](MachineParameters& m) { m.Measuer = true; }),
                                "NMAX G50 S2500\nN000 G00 X500 Z500\nN000 CALL OPCHK (PANEL CHECK)\n"
                                "N000 CALL OUGC  (GRAPHIC DATA)\n\t\n",
                                "\t\nN000 CALL OMSSF\nN000 CALL OCNCK\nNEND M02\n"},
                      // MaxS 2999.9996 is cut to three decimals: 2999.999.
                      FrameCase{"BturretWithTallixDoorTg", Machine([](MachineParameters& m) {
                                  m.Bturret = true;
                                  m.Tallix = true;
                                  m.AutoDoor = true;
                                  m.TG = true;
                                  m.MaxS = 2999.9996;
                                  m.HomeX = 350.5;
                                }),
                                "G13 (-----< A:TURRET >-----)\nNMAX G50 S2999.999\nN000 G21 HP=4 M109 M90\n"
                                "N000 CALL OPCHK (PANEL CHECK)\nN000 CALL OUGC  (GRAPHIC DATA)\n\t\n",
                                "\t\n\t\nN000 M100\nN000 TLID\n\t\nG14 (-----< B:TURRET >-----)\nNMAX G50 S2999.999\n"
                                "N000 G00 X350.5 Z500 M90\nN000 CALL OPCHK (PANEL CHECK)\n\n\n"
                                "\t\nN000 M100\nN000 TLID\nN000 M91\nNEND M02\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Guards against the caret ending after the end block instead of after the
// OUGC call's tab line, and the subprogram landing at the caret.
TEST(MaterialInputTest, CaretAfterTheCallsTabLineAndSubprogramAtTheEnd) {
  const ProcessCommand* command = FindProcessCommand("ProcessUGC");
  ASSERT_NE(command, nullptr);
  ASSERT_EQ(command->dialog, CommandDialog::MaterialInput);
  ProcessContext ctx;
  const ProcessOutput out = RunMaterialInput(*command, Blank80(), ctx);
  const std::string before = "(OLD)\n";
  const AppliedText applied = ApplyProcessOutput(before, before.size(), 0, out);
  const std::string head =
      "(OLD)\nNMAX G50 S2500\nN000 G00 X500 Z500\nN000 CALL OPCHK (PANEL CHECK)\n"
      "N000 CALL OUGC  (GRAPHIC DATA)\n\t\n";
  EXPECT_EQ(applied.text.substr(0, applied.caret), head);
  EXPECT_TRUE(applied.text.substr(applied.caret).starts_with("\t\nNEND M02\n\t\n----------< USER GRAPHIC"));
  EXPECT_TRUE(applied.text.ends_with("NRTS RTS\n"));
}

// Guards against the kept values missing their whole-number rule or not
// being left for the generators that pre-fill from them.
TEST(MaterialInputTest, KeepsTheConfirmedValues) {
  const ProcessCommand* command = FindProcessCommand("ProcessUGC");
  ASSERT_NE(command, nullptr);
  UgcDialogValues d;
  d.Text9 = "2.5";     // P-Zero, a number
  d.Text3 = "-120.7";  // Length, toward zero: -120
  d.Text1 = "18.25";
  d.Text2 = "12.5";
  d.Text5 = "79.9";  // -> 79
  d.Text4 = "30.5";  // -> 30
  ProcessContext ctx;
  RunMaterialInput(*command, d, ctx);
  EXPECT_EQ(ctx.kept.PZero, 2.5);
  EXPECT_EQ(ctx.kept.Length, -120);
  EXPECT_EQ(ctx.kept.JawLength, 18.25);
  EXPECT_EQ(ctx.kept.JawFace, 12.5);
  EXPECT_EQ(ctx.kept.MaterialOD, 79);
  EXPECT_EQ(ctx.kept.MaterialID, 30);
}

struct EnablingCase {
  const char* name;
  bool tailstock;
  UgcEnabling expected;
};

// Guards against the tailstock enabling both the bore and the centre boxes.
class UgcEnablingTest : public ::testing::TestWithParam<EnablingCase> {};

TEST_P(UgcEnablingTest, TailstockChoosesBoxes) {
  const auto& c = GetParam();
  const UgcEnabling e = UgcEnablingFor(c.tailstock);
  EXPECT_EQ(e.materialId, c.expected.materialId);
  EXPECT_EQ(e.centerBoxes, c.expected.centerBoxes);
  EXPECT_EQ(e.centerDrawing, c.expected.centerDrawing);
}

INSTANTIATE_TEST_SUITE_P(Tailstock, UgcEnablingTest,
                         ::testing::Values(EnablingCase{"With", true, {false, true, true}},
                                           EnablingCase{"Without", false, {true, false, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Guards against the material folder keeping the old path after a pick.
TEST(MaterialFileChoiceTest, FolderAndFileFollowThePick) {
  MachineParameters m;
  ChooseMaterialFile(m, "/opt/q/ cutting  condition /SUS304.CSV");
  EXPECT_EQ(m.CsvFileName, "/opt/q/ cutting  condition /SUS304.CSV");
  EXPECT_EQ(m.CsvPathName, "/opt/q/ cutting  condition ");
}

struct RequestCase {
  const char* name;
  const char* command;
  bool tg;
  bool tallix;
  const char* text;
};

// Guards against the bare ready-requests gaining a tool number, a line end,
// or depending on Tallix.
class ReadyRequestTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(ReadyRequestTest, InsertsTheBareRequest) {
  const auto& c = GetParam();
  const ProcessCommand* command = FindProcessCommand(c.command);
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->dialog, CommandDialog::None);
  ProcessContext ctx;
  ctx.machine.TG = c.tg;
  ctx.machine.Tallix = c.tallix;
  ctx.machine.TurretType = 1;
  ctx.input.ToolNumber = 12;  // never written
  const ProcessOutput out = RunPlainCommand(*command, ctx);
  const AppliedText applied = ApplyProcessOutput("N000 G00\n", 9, 0, out);
  EXPECT_EQ(applied.text, std::string("N000 G00\n") + c.text);
  EXPECT_EQ(applied.caret, applied.text.size());
}

INSTANTIATE_TEST_SUITE_P(Commands, ReadyRequestTest,
                         ::testing::Values(RequestCase{"LTool", "ProcessMT1", false, true, "N000 MT=1"},
                                           RequestCase{"LToolGroups", "ProcessMT1", true, true, "N000 MT=1 TG="},
                                           RequestCase{"MTool", "ProcessMT3", false, true, "N000 MT=3"},
                                           RequestCase{"MToolGroups", "ProcessMT3", true, true, "N000 MT=3 TG="},
                                           RequestCase{"MToolWithoutTallix", "ProcessMT3", true, false,
                                                       "N000 MT=3 TG="}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillon
