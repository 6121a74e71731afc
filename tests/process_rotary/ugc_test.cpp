// "Material Input" and the ATC ready-requests, through their command rows. Whole frames and OUGC texts for the usual
// machines are pinned by the golden runs (ugc_*.golden, mt*.golden); here the cases those do not reach.
#include "process_rotary/ugc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numbers/nc_number.h"
#include "process/process_run.h"
#include "process_rotary/command_table.h"
#include "support/edit_parts.h"
#include "support/golden_file.h"
#include "support/param_name.h"

namespace quillon {
namespace {

constexpr auto kName = testing_support::kRowName;

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

struct OugcCase {
  const char* name;
  const char *od, *id, *jawLength;  // Text5, Text4, Text1; P-Zero 0, length 100, jaw face 10, face drawing on
  std::vector<std::string> present, absent;
};

// Guards against a negative inside diameter drawn as a bore, and entries read other than leniently ("80mm" is 80, "abc"
// is 0).
class OugcTest : public ::testing::TestWithParam<OugcCase> {};

TEST_P(OugcTest, WritesExactlyTheLinesOfItsCase) {
  const auto& c = GetParam();
  UgcDialogValues d;
  d.Text9 = "0";
  d.Text3 = "100";
  d.Text2 = "10";
  d.Text1 = c.jawLength;
  d.Text5 = c.od;
  d.Text4 = c.id;
  d.Check2 = true;
  UgcValues v = ReadUgcValues(d);
  const std::string text = BuildOugcText(v, d);
  EXPECT_TRUE(text.starts_with("\t\n----------< USER GRAPHIC COMMAND >----------\nOUGC\n")) << text;
  EXPECT_TRUE(text.ends_with("N000 DRAW\nNRTS RTS\n")) << text;
  for (const auto& line : c.present) EXPECT_TRUE(HasLine(text, line)) << line << "\n" << text;
  for (const auto& line : c.absent) EXPECT_FALSE(HasLine(text, line)) << line << "\n" << text;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, OugcTest, ::testing::Values(
  OugcCase{"NegativeIdIsNoBore", "80",   "-5", "20",  {"N000 PF 0,[0,0],80,D"},                          {"N000 PS RC,[0,0],[100,-5],0", "N000 PO [0,-2]"}},
  OugcCase{"LenientEntries",     "80mm", "0",  "abc", {"NOEX VCHKX=80 VCHKZ=-100", "NOEX VCHKD=10 VCHKL=0"}, {}}),
  kName);
// clang-format on

MachineParameters Machine(void (*change)(MachineParameters&)) {
  MachineParameters m;
  change(m);
  return m;
}

struct FrameCase {
  const char* name;
  MachineParameters machine;
  const char *head, *tail;
};

// Guards against head and end lines that follow the wrong machine flag: the measuring calls belong at the end only, the
// B-turret head ignores Tallix, M90 follows the door on both heads, and MaxS goes through the NC format.
class UgcFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(UgcFrameTest, HeadAndTail) {
  const auto& c = GetParam();
  EXPECT_EQ(BuildUgcHead(c.machine), c.head);
  EXPECT_EQ(BuildUgcTail(c.machine), c.tail);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, UgcFrameTest,
    ::testing::Values(FrameCase{"MeasureOnlyAtTheEnd", Machine([](MachineParameters& m) { m.Measuer = true; }),
                                "NMAX G50 S2500\nN000 G00 X500 Z500\nN000 CALL OPCHK (PANEL CHECK)\n"
                                "N000 CALL OUGC  (GRAPHIC DATA)\n\t\n",
                                "\t\nN000 CALL OMSSF\nN000 CALL OCNCK\nNEND M02\n"},
                      // MaxS 2999.9996 is cut to three decimals: 2999.999.
                      FrameCase{"BturretWithTallixDoorTg", Machine([](MachineParameters& m) {
                                  m.Bturret = m.Tallix = m.AutoDoor = m.TG = true;
                                  m.MaxS = 2999.9996;
                                  m.HomeX = 350.5;
                                }),
                                "G13 (-----< A:TURRET >-----)\nNMAX G50 S2999.999\nN000 G21 HP=4 M109 M90\n"
                                "N000 CALL OPCHK (PANEL CHECK)\nN000 CALL OUGC  (GRAPHIC DATA)\n\t\n",
                                "\t\n\t\nN000 M100\nN000 TLID\n\t\nG14 (-----< B:TURRET >-----)\nNMAX G50 S2999.999\n"
                                "N000 G00 X350.5 Z500 M90\nN000 CALL OPCHK (PANEL CHECK)\n\n\n"
                                "\t\nN000 M100\nN000 TLID\nN000 M91\nNEND M02\n"}),
    kName);

// Guards against the kept values missing their whole-number rule or not being left for the generators that pre-fill
// from them.
TEST(MaterialInputTest, KeepsTheConfirmedValues) {
  const ProcessCommand* command = FindProcessCommand("ProcessUGC");
  ASSERT_NE(command, nullptr);
  ASSERT_EQ(command->dialog, CommandDialog::MaterialInput);
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

// Guards against the bare ready-requests gaining a tool number, a line end, a dialog, or landing after the caret.
TEST(ReadyRequestTest, InsertsTheBareRequestAtTheCaret) {
  for (const auto& [name, text] :
       {std::pair{"ProcessMT1", "N000 MT=1 TG="}, std::pair{"ProcessMT3", "N000 MT=3 TG="}}) {
    const ProcessCommand* command = FindProcessCommand(name);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->dialog, CommandDialog::None);
    ProcessContext ctx;
    ctx.machine.TG = ctx.machine.Tallix = true;
    ctx.input.ToolNumber = 12;  // never written
    EXPECT_EQ(testing_support::Parts(RunPlainCommand(*command, ctx)), std::string(text) + "||") << name;
  }
}

// Guards against a Material Input box mapped to another meaning, caption or grid place (ui, command line and core all
// read this one table), or read without its whole-number rule: box TextN holds "N0.7" here.
TEST(UgcBoxTableTest, MatchesItsDump) {
  UgcDialogValues d;
  for (const UgcBox& b : UgcBoxes()) d.*b.text = std::to_string(b.index * 10) + ".7";
  const UgcValues v = ReadUgcValues(d);
  std::string dump;
  for (const UgcBox& b : UgcBoxes()) {
    dump += "Text" + std::to_string(b.index) + " " + std::string(b.name) + " " + testing_support::Quoted(b.caption) +
            " reads " + ShortestNumberText(v.*b.value) + (b.kept ? " kept" : "") + (b.centre ? " centre" : "") +
            " at " + std::to_string(b.row) + "," + std::to_string(b.column) + "\n";
    EXPECT_EQ(FindUgcBox(b.index), &b);
  }
  EXPECT_EQ(testing_support::GoldenMismatch("process_rotary/golden/ugc_boxes.txt", dump), "");
}

}  // namespace
}  // namespace quillon
