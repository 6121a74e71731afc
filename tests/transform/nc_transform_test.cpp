// The NC-aware choices of the transformation tools (jumps kept by renumbering, size shift on address words only,
// case, whole-word and regular-expression search) and the refused option values, each row run through the core steps
// and through the command line.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "cli/cli_verbs.h"
#include "program/nc_lexer.h"
#include "support/case_file.h"
#include "support/param_name.h"
#include "tool_driver.h"
#include "transform/jump_targets.h"
#include "transform/sequence_numbers.h"

namespace quillon {
namespace {

struct NcCase {
  const char *name, *verb, *find, *value, *flags;  // flags: k keep targets, o words only, i w r x: search options
  const char *presses, *input, *expected;          // presses "-": no core run (renumber runs from the top)
  const char *coreMessages, *cliStderr;            // cliStderr "-": no command-line run
  int cliExit;
};

bool Has(const char* flags, char flag) { return std::string_view(flags).find(flag) != std::string_view::npos; }

// Guards against: a jump left pointing at its old number, numbers compared as text (N1 vs N0001), an indented label
// numbered twice, missing and doubled targets not named, the shift changing names (VCHKX, PX1, NZ1), comments,
// brackets, variables or expressions, a malformed number read as part of one, whole words matching inside longer
// words, case and regular expressions not applied, a bad pattern or option value run anyway, and any choice changing
// what the tools do when it is off.
class NcTransformTest : public ::testing::TestWithParam<NcCase> {};

TEST_P(NcTransformTest, Core) {
  const auto& c = GetParam();
  const std::string verb = c.verb;
  if (std::string_view(c.presses) == "-") {
    if (verb != "renumber" || std::string_view(c.coreMessages) == "-") GTEST_SKIP() << "command line only";
    const DocumentEdit edit = ArrangeEdit(c.input, ArrangeOptions{.keepTargets = Has(c.flags, 'k')}, 0);
    EXPECT_EQ(ApplyDocumentEdit(c.input, {}, edit).text, c.expected);
    EXPECT_EQ(edit.message ? edit.message->text : "", c.coreMessages);
    return;
  }
  if (std::string_view(c.coreMessages) == "-") GTEST_SKIP() << "command line only";
  testing_support::Dialog dialog(c.input, c.find, c.value);
  dialog.state.options = {.matchCase = !Has(c.flags, 'i'),
                          .wholeWord = Has(c.flags, 'w'),
                          .regex = Has(c.flags, 'r'),
                          .wrapAround = Has(c.flags, 'x'),
                          .shiftWordsOnly = Has(c.flags, 'o')};
  dialog.press(verb == "shift" ? ChangeTool::SizeShift : ChangeTool::Replace, c.presses);
  EXPECT_EQ(dialog.doc.text, c.expected);
  EXPECT_EQ(dialog.messages(), c.coreMessages);
}

TEST_P(NcTransformTest, CommandLine) {
  const auto& c = GetParam();
  if (std::string_view(c.cliStderr) == "-") GTEST_SKIP() << "dialog only";
  const std::string verb = c.verb;
  cli::Args args;
  std::istringstream words(c.value);
  for (std::string w; verb == "renumber" && words >> w;) args.push_back(w);
  if (verb == "shift") args = {"--word", c.find, "--calc", c.value};
  if (verb == "replace") args = {"--find", c.find, "--with", c.value};
  // clang-format off
  for (const auto& [flag, option] : {std::pair{'k', "--keep-targets"}, std::pair{'o', "--words-only"},
                                     std::pair{'i', "--ignore-case"}, std::pair{'w', "--whole-word"},
                                     std::pair{'r', "--regex"}})
    if (Has(c.flags, flag)) args.emplace_back(option);
  // clang-format on
  std::istringstream in(c.input);
  std::ostringstream out, err;
  using Verb = int (*)(const cli::Args&, std::istream&, std::ostream&, std::ostream&);
  const Verb run = verb == "renumber" ? Verb(cli::RunRenumber)
                   : verb == "shift"  ? Verb(cli::RunShift)
                                      : Verb(cli::RunReplace);
  EXPECT_EQ(run(args, in, out, err), c.cliExit);
  EXPECT_EQ(out.str(), c.cliExit == 0 ? c.expected : "");
  EXPECT_EQ(err.str(), c.cliStderr);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NcTransformTest,
    ::testing::ValuesIn(testing_support::LoadCases<NcCase, 11>("transform/cases/nc_transform.txt")),
    testing_support::kRowName);

// Each jump reference's digits without leading zeros, in text order, for the property below.
std::vector<std::string> Jumps(const std::vector<std::string>& lines) {
  std::vector<std::string> jumps;
  for (const std::string& line : lines)
    for (const Token& t : LexLine(line))
      if (t.kind == TokenKind::LabelReference && t.has(kTokenJump))
        if (const auto key = CarriedNumber(TokenText(line, t))) jumps.emplace_back(*key);
  return jumps;
}
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Guards against a jump landing elsewhere after a run: over generated macro programs and random bytes, every jump
// whose number one line carried before points after the run at the number that line carries now.
TEST(KeepTargetsProperty, EveryJumpLandsOnItsLine) {
  std::mt19937 random(18);
  const std::vector<std::string> kinds = {"G00 X1", "N{} G01 Z2", "    N{} (SET)",    "    NALM{}", "NLAB{} G00",
                                          "(C{})",  "GOTO N{}",   "IF[VC1 EQ 1] N{}", "/GOTO N{}",  "M02"};
  for (int program = 0; program < 300; ++program) {
    std::string text;
    const bool bytes = program % 3 == 2;
    for (int line = 0, count = 1 + static_cast<int>(random() % 40); line < count; ++line) {
      std::string row;
      if (bytes) {
        for (std::size_t k = random() % 12; k > 0; --k) row += "N0 1GOTO[]I F\t"[random() % 14];
      } else {
        row = kinds[random() % kinds.size()];
        if (const auto brace = row.find("{}"); brace != std::string::npos)
          row.replace(brace, 2, std::string(random() % 3, '0') + std::to_string(random() % 30));
      }
      text += row + "\n";
    }
    const ArrangeOptions options{.digits = 3.0 + static_cast<double>(random() % 2),
                                 .start = double(random() % 50),
                                 .step = 1.0 + static_cast<double>(random() % 10),
                                 .keepTargets = true};
    const std::vector<std::string> before = Lines(text);
    const std::vector<std::string> after = Lines(ApplyDocumentEdit(text, {}, ArrangeEdit(text, options, 0)).text);
    ASSERT_EQ(before.size(), after.size()) << text;
    const auto oldJumps = Jumps(before), newJumps = Jumps(after);
    ASSERT_EQ(oldJumps.size(), newJumps.size()) << text;
    for (std::size_t j = 0; j < oldJumps.size(); ++j) {
      std::vector<std::size_t> carriers;
      for (std::size_t i = 0; i < before.size(); ++i)
        if (CarriedNumber(before[i]) == oldJumps[j]) carriers.push_back(i);
      if (carriers.size() != 1) continue;
      EXPECT_EQ(CarriedNumber(after[carriers[0]]), newJumps[j]) << text;
    }
  }
}

}  // namespace
}  // namespace quillon
