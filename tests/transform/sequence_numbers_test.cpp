// Sequence number arrange with its program-end check (the auto-number typing rule is checked with real key events in
// the widget tests).
#include "transform/sequence_numbers.h"

#include <gtest/gtest.h>

#include "support/case_file.h"
#include "support/option_text.h"
#include "support/param_name.h"

namespace quillon {
namespace {

struct ArrangeCase {
  const char *name, *text, *options;  // options: see the case file
  std::size_t caret;
  const char* expected;
};

ArrangeOptions Options(const std::string& text) {
  using testing_support::OptionField;
  static const testing_support::OptionKeys<ArrangeOptions> kKeys = {
      {"digits", OptionField(&ArrangeOptions::digits)},
      {"start", OptionField(&ArrangeOptions::start)},
      {"step", OptionField(&ArrangeOptions::step)},
      {"spacing", [](ArrangeOptions& o, const std::string& v) { o.spacing = SequenceSpacing(std::stoi(v)); }},
      {"fromTop", OptionField(&ArrangeOptions::fromTop)},
      {"stopAtProgramEnd", OptionField(&ArrangeOptions::stopAtProgramEnd)},
      {"continuous", OptionField(&ArrangeOptions::continuous)}};
  return testing_support::ParseOptions(text, kKeys);
}

// Guards against: numbering lines that must stay, losing labels or leading blanks rules, wrong spacing, numbers not
// wrapping past D nines, numbers wider than D padded wrongly, a line of only "N" losing its line end, program ends
// misjudged, and the caret start being off by one line.
class ArrangeTest : public ::testing::TestWithParam<ArrangeCase> {};

TEST_P(ArrangeTest, Renumbers) {
  const auto& c = GetParam();
  const ArrangeResult result = ArrangeSequenceNumbers(c.text, Options(c.options), c.caret);
  EXPECT_EQ(result.text, c.expected);
  EXPECT_EQ(result.caret, result.text.size());  // the caret goes to the end
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ArrangeTest,
    ::testing::ValuesIn(testing_support::LoadCases<ArrangeCase, 5>("transform/cases/sequence_numbers.txt")),
    testing_support::kRowName);

// Guards against 16-bit positions and a run that is not linear: 40,000 characters of program renumbered to the last
// line.
TEST(ArrangeLongText, PositionsBeyondSixteenBits) {
  std::string text;
  while (text.size() < 40000) text += "G01 X10 Z5\n";  // 11 characters a line
  const std::size_t lines = text.size() / 11;
  const ArrangeResult result = ArrangeSequenceNumbers(text, ArrangeOptions{.digits = 5}, 0);
  EXPECT_EQ(result.text.size(), text.size() + lines * 7);  // every line grows by "N00001 "
  const std::string last = std::to_string(lines);
  EXPECT_EQ(result.text.substr(result.text.size() - 18),
            "N" + std::string(5 - last.size(), '0') + last + " G01 X10 Z5\n");
}

// Guards against a negative entry for D giving a negative padding.
TEST(SequenceNumberWordTest, NegativeDigitsWriteUnpadded) { EXPECT_EQ(SequenceNumberWord(5, -2), "N5"); }

}  // namespace
}  // namespace quillon
