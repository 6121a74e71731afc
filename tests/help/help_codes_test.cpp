// Every G and M code that a menu template or a process command can write is explained on its help page: a code added to
// a table or generator without a help entry fails here.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "help/help_topics.h"
#include "numbers/process_error.h"
#include "process/process_command.h"
#include "process_rotary/command_table.h"
#include "support/edit_parts.h"
#include "templates/code_templates.h"

namespace quillon {
namespace {

using CodeSet = std::set<std::pair<char, int>>;  // ('G', 85), ('M', 3)

// Words in parentheses are comments ("(-----< OD.THREAD M20*P2.5 >-----)" names a thread, not an M code), so they are
// skipped.
void CollectCodes(std::string_view text, CodeSet& codes) {
  bool inComment = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '(') inComment = true;
    if (c == ')' || c == '\n') inComment = false;
    if (inComment || (c != 'G' && c != 'M')) continue;
    if (i > 0 && std::isalpha(static_cast<unsigned char>(text[i - 1]))) continue;
    std::size_t j = i + 1;
    int number = 0;
    while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
      number = number * 10 + (text[j++] - '0');
    if (j > i + 1) codes.insert({c, number});
  }
}

CodeSet PageCodes(std::string_view baseName) {
  const char* tests = std::getenv("QUILLON_TEST_DATA");
  std::ifstream in(HelpPagePath(std::string(tests ? tests : ".") + "/../data", baseName));
  std::stringstream page;
  page << in.rdbuf();
  std::string text = std::regex_replace(page.str(), std::regex("<[^>]*>"), " ");
  text = std::regex_replace(text, std::regex("&lt;|&gt;"), " ");
  CodeSet codes;
  CollectCodes(text, codes);
  return codes;
}

ProcessInput BaseInput() {
  ProcessInput in;
  in.ToolNumber = 5, in.V = 150, in.F = 0.2, in.D = 2, in.L = 3, in.U = 10, in.W = 0.5, in.C = 2, in.B = 30, in.SZ = 1;
  in.StartX = 40, in.StartZ = 0, in.StartC = 10, in.EndX = 60, in.EndZ = -30, in.EndC = -5;
  return in;
}

// Every command under machine and input variants that switch its optional lines on and off.
const CodeSet& GeneratorCodes() {
  static const CodeSet all = [] {
    CodeSet codes;
    std::vector<ProcessInput> inputs{BaseInput()};
    for (auto zero : {&ProcessInput::D, &ProcessInput::L, &ProcessInput::W, &ProcessInput::SZ, &ProcessInput::EndX}) {
      ProcessInput in = BaseInput();
      in.*zero = 0;
      inputs.push_back(in);
    }
    ProcessInput oneHole = BaseInput();
    oneHole.C = 0;
    inputs.push_back(oneHole);
    ProcessInput plain = BaseInput();  // every optional word off at once (G181 instead of G183)
    plain.D = plain.L = plain.W = plain.SZ = 0;
    plain.C = 0;
    inputs.push_back(plain);

    for (const ProcessCommand* command : AllProcessCommands()) {
      for (int flags = 0; flags < 64; flags += (flags < 16 ? 1 : 16)) {
        for (const ProcessInput& in : inputs) {
          ProcessContext ctx;
          ctx.command = std::string(command->name);
          ctx.input = in;
          MachineParameters& m = ctx.machine;
          m.TG = flags & 1, m.Tallix = flags & 2, m.ZentorQ500 = flags & 4, m.Bturret = flags & 8;
          m.Measuer = flags & 16, m.AutoDoor = flags & 32, m.TurretType = (flags & 8) ? 1 : 2;
          ctx.kept.MaterialOD = 80, ctx.kept.MaterialID = 20, ctx.kept.PZero = 5;
          ctx.ugc = {"30", "20", "100", "20", "80", "10", "60", "3", "5"};
          ctx.ugc.MainSpindle = flags & 4, ctx.ugc.Check1 = flags & 16, ctx.ugc.Check2 = flags & 32;
          try {
            CollectCodes(testing_support::Written(command->generate(ctx)), codes);
          } catch (const ProcessError&) {
          }
        }
      }
    }
    return codes;
  }();
  return all;
}

CodeSet TemplateCodes() {
  CodeSet codes;
  for (const auto& t : CodeTemplateTable()) CollectCodes(std::string(t.text), codes);
  return codes;
}

std::string Missing(const CodeSet& written, char letter, const CodeSet& page) {
  std::string missing;
  for (const auto& code : written)
    if (code.first == letter && !page.count(code))
      missing += std::string(1, letter) + std::to_string(code.second) + " ";
  return missing;
}

TEST(HelpCodesTest, GeneratorsWriteCodesAtAll) {
  // Guards the test itself: an empty command table would pass everything below.
  const CodeSet& codes = GeneratorCodes();
  EXPECT_TRUE(codes.count({'G', 85}));
  EXPECT_TRUE(codes.count({'G', 181}));
  EXPECT_TRUE(codes.count({'M', 8}));
  EXPECT_GT(codes.size(), 60u);
}

TEST(HelpCodesTest, EveryWrittenCodeIsOnItsPage) {
  CodeSet written = GeneratorCodes();
  CodeSet templates = TemplateCodes();
  written.insert(templates.begin(), templates.end());
  EXPECT_EQ(Missing(written, 'G', PageCodes("G-code")), "");
  EXPECT_EQ(Missing(written, 'M', PageCodes("M-code")), "");
}

}  // namespace
}  // namespace quillon
