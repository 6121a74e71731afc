// "Material Input" and the ATC ready-requests, through their command rows. Whole frames and OUGC texts for the usual
// machines are pinned by the golden runs (ugc_*.golden, mt*.golden); here the cases those do not reach.
#include "process_rotary/ugc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "numbers/nc_number.h"
#include "process/process_run.h"
#include "process/process_test_support.h"
#include "process_rotary/command_table.h"
#include "support/edit_parts.h"
#include "support/golden_file.h"

namespace quillon {
namespace {

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

struct OugcCase {
  const char *name, *od, *id, *jawLength;  // Text5, Text4, Text1; P-Zero 0, length 100, jaw face 10, face drawing on
  const char *present, *absent;            // lines apart by '|'
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
  for (const auto& line : testing_support::SplitList(c.present, '|'))
    EXPECT_TRUE(HasLine(text, line)) << line << "\n" << text;
  for (const auto& line : testing_support::SplitList(c.absent, '|'))
    EXPECT_FALSE(HasLine(text, line)) << line << "\n" << text;
}

QUILLON_CASE_SUITE(Cases, OugcTest, OugcCase, 6, "process_rotary/cases/ougc.txt");

struct FrameCase {
  const char *name, *machine, *head, *tail;  // machine: "Key=value" apart by blanks, as the settings hold them
};

// Guards against head and end lines that follow the wrong machine flag: the measuring calls belong at the end only, the
// B-turret head ignores Tallix, M90 follows the door on both heads, and MaxS goes through the NC format.
class UgcFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(UgcFrameTest, HeadAndTail) {
  const auto& c = GetParam();
  MachineParameters machine;
  for (const auto& [key, value] : testing_support::ParseBoxes(c.machine))
    ASSERT_TRUE(SetMachineParameter(machine, key, value)) << key;
  EXPECT_EQ(BuildUgcHead(machine), c.head);
  EXPECT_EQ(BuildUgcTail(machine), c.tail);
}

QUILLON_CASE_SUITE(Machines, UgcFrameTest, FrameCase, 4, "process_rotary/cases/ugc_frame.txt");

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
