// Size shift: the all-at-once run over the text, the command line's stream
// over the same bytes and the dialog's Change clicks agree on the program
// and the count, or all refuse the same calculation.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>

#include "change_clicks.h"
#include "cli/cli_verbs.h"
#include "fuzz_input.h"
#include "transform/search_steps.h"
#include "transform/size_shift.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput input(data, size);
  const std::string word(input.text());
  const std::string calculation(input.text());
  std::string text(input.rest());
  if (word.empty() || calculation.empty() || word.find_first_of("\r\n") != std::string::npos) return 0;
  std::replace(text.begin(), text.end(), '\r', ' ');
  const ShiftCalculation calc = ParseShiftCalculation(calculation);

  const ShiftRun run = ShiftAll(text, 0, word, calc);
  if (!run.failure)
    fuzz::Require(std::count(run.text.begin(), run.text.end(), '\n') == std::count(text.begin(), text.end(), '\n'));
  else
    fuzz::Require(run.text == text && run.failure->line >= 1);

  std::istringstream in(text);
  std::ostringstream out, err;
  const int exit = cli::RunShift({"--word", word, "--calc", calculation}, in, out, err);
  if (exit == cli::kExitUsage) return 0;  // a calculation the command line refuses outright
  if (run.failure) {
    fuzz::Require(exit == cli::kExitProcessError && out.str().empty());
  } else {
    fuzz::Require(exit == cli::kExitOk && out.str() == run.text);
  }

  // The same through the dialog: Change until the end of the search, or
  // until the first value it cannot calculate. A step searches on from just
  // after the occurrence's first character, so a word of number characters
  // may meet the number it just wrote: only address letters are compared.
  if (word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos) return 0;
  SearchState state;
  state.findText = word;
  state.replaceText = calculation;
  const std::string clicked =
      fuzz::ClickChangeToTheEnd(ChangeTool::SizeShift, text, state, [](const std::string&, Match) {});
  if (!run.failure) fuzz::Require(clicked == run.text);
  return 0;
}
