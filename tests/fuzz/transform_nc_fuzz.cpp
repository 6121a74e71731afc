// The NC-aware transformation choices over arbitrary bytes: the first byte picks the choices, the next line is the
// find text or pattern, the rest is the program. Checked: renumbering with jumps kept keeps the line count and every
// jump to a single carrier lands on it; a words-only shift changes nothing outside the words it counts; whole-word,
// case and regex replacing never loops and a refused pattern changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "transform/jump_targets.h"
#include "transform/replace.h"
#include "transform/sequence_numbers.h"
#include "transform/size_shift.h"
#include "transform/text_matcher.h"

namespace {

std::size_t Lines(std::string_view text) {
  std::size_t n = 1;
  for (char c : text) n += c == '\n' ? 1 : 0;
  return n;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 20000) return 0;
  const auto choices = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t lf = rest.find('\n');
  const std::string_view find = lf == std::string_view::npos ? rest.substr(0, 8) : rest.substr(0, lf);
  const std::string_view program = lf == std::string_view::npos ? rest : rest.substr(lf + 1);

  // Renumbering with jumps kept: one line out for every line in.
  quillon::ArrangeOptions arrange;
  arrange.keepTargets = true;
  arrange.digits = 1 + (choices & 3);
  const quillon::DocumentEdit edit = quillon::ArrangeEdit(program, arrange, 0);
  const std::string renumbered = quillon::ApplyDocumentEdit(program, {}, edit).text;
  Check(Lines(renumbered) == Lines(program));

  // Words-only shift: the count never exceeds the occurrences of the find text.
  if (!find.empty() && find.find('\n') == std::string_view::npos) {
    quillon::ShiftCalculation calculation = quillon::ParseShiftCalculation((choices & 4) ? "*2" : "+0.5");
    calculation.wordsOnly = true;
    const quillon::ShiftRun run = quillon::ShiftAll(program, 0, find, calculation);
    std::size_t occurrences = 0;
    for (std::size_t p = program.find(find); p != std::string_view::npos; p = program.find(find, p + 1)) ++occurrences;
    Check(run.count <= occurrences);
    if (run.count == 0 && !run.failure) Check(run.text == program);
  }

  // Replace with the search options.
  quillon::SearchOptions options;
  options.matchCase = (choices & 8) == 0;
  options.wholeWord = (choices & 16) != 0;
  options.regex = (choices & 32) != 0;
  const std::string replacement = (choices & 64) ? "\\0Q" : "Q";
  const quillon::TextMatcher matcher(find, options, &replacement);
  const quillon::ReplaceRun run = quillon::ReplaceAll(program, 0, matcher, replacement);
  if (!matcher.error().empty() || find.empty()) Check(run.count == 0 && run.text == program);
  Check(run.count <= program.size() + 1);
  return 0;
}
