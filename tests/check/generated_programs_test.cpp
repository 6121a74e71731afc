// Generated programs are clean: "Material Input" followed by process commands, with the default machine
// parameters, gives no error finding.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/machine_parameters.h"
#include "check/program_check.h"
#include "document/document_edit.h"
#include "numbers/process_error.h"
#include "process/process_run.h"
#include "process_rotary/command_table.h"

namespace quillon {
namespace {

// The program after "Material Input", the table loaded with the tests' fixed material, and what is kept.
struct Workbench {
  CuttingConditionTable table;
  ProcessContext ctx;
  AppliedText doc;

  Workbench() {
    const char* root = std::getenv("QUILLON_TEST_DATA");
    const std::string material = std::string(root ? root : "tests") + "/process/golden/test_material.csv";
    EXPECT_EQ(ApplyCuttingConditionLoad(table, LoadCuttingConditionTable(material)), "");
    doc = ApplyDocumentEdit({}, {}, RunMaterialInput(*FindProcessCommand("ProcessUGC"), UgcDialogValues{}, ctx));
  }

  // The command run with its dialog as it opens (a part outline in the boxes it leaves empty); false when the command
  // refuses those values.
  bool run(const ProcessCommand& command) {
    ctx.command = std::string(command.name);
    try {
      DocumentEdit edit;
      if (command.dialog == CommandDialog::Process) {
        const ProcessDialogSetup setup = command.setup ? command.setup(ctx.kept) : ProcessDialogSetup{};
        ProcessDialogValues values = PrepareProcessDialog(command, setup, table);
        // A part's outline where the dialog leaves it open (a face groove needs a diameter).
        for (const auto& [box, text] : {std::pair{"StartX", "60"}, {"StartZ", "0"}, {"EndX", "50"}, {"EndZ", "-5"}})
          if (ProcessBoxVisible(setup, box) && values.text(box).empty()) values.texts[box] = text;
        edit = RunProcessCommand(command, values, ctx);
      } else if (command.dialog == CommandDialog::None) {
        edit = RunPlainCommand(command, ctx);
      } else {
        edit = RunMaterialInput(command, UgcDialogValues{}, ctx);
      }
      doc = ApplyDocumentEdit(doc.text, doc.selection, edit);
      return true;
    } catch (const ProcessError&) {
      return false;
    }
  }
};

std::string Errors(const std::string& text) {
  std::string s;
  for (const Finding& f : CheckProgram(text, MachineParameters{}))
    if (RuleOf(f).severity == Severity::Error) s += FormatFinding("generated", f) + "\n";
  return s;
}

// Guards against a generator writing what the check calls an error (an open comment, a jump to nowhere, a G96 the
// frame's clamp does not cover, a doubled label in one scope), or the check calling a generated block an error.
class GeneratedProgramTest : public ::testing::TestWithParam<const ProcessCommand*> {};

TEST_P(GeneratedProgramTest, HasNoError) {
  Workbench bench;
  ASSERT_TRUE(bench.run(*GetParam())) << GetParam()->name << " refuses the values its dialog opens with";
  EXPECT_EQ(Errors(bench.doc.text), "") << bench.doc.text;
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, GeneratedProgramTest, ::testing::ValuesIn(AllProcessCommands()),
                         [](const auto& row) { return std::string(row.param->name); });

// Guards against blocks that are clean alone clashing once they follow one another (labels, tool names, the clamp).
TEST(GeneratedProgramSequenceTest, EveryCommandInTurnHasNoError) {
  Workbench bench;
  for (const ProcessCommand* command : AllProcessCommands()) {
    if (command->dialog != CommandDialog::MaterialInput) {
      EXPECT_TRUE(bench.run(*command)) << command->name;
    }
  }
  EXPECT_EQ(Errors(bench.doc.text), "");
}

}  // namespace
}  // namespace quillon
