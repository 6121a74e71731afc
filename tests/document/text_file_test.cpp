// Program file bytes: every byte survives, line-end styles round-trip, and a save never grows the file by an empty
// line.
#include "document/text_file.h"

#include <gtest/gtest.h>

#include "support/case_suite.h"

namespace quillon {
namespace {

struct RoundTripCase {
  std::string name, bytes, text, styleName;
  std::string saved;  // what a save of the unedited text writes
  LineEndStyle style() const { return styleName == "Lf" ? LineEndStyle::Lf : LineEndStyle::CrLf; }
};

// Guards against: bytes lost or line ends rewritten on the way through a document, and a save growing the file.
class ProgramBytesTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ProgramBytesTest, DecodesAndSaves) {
  const auto& c = GetParam();
  DecodedText d = DecodeProgramBytes(c.bytes);
  EXPECT_EQ(d.text, c.text);
  EXPECT_EQ(d.style, c.style());
  EXPECT_TRUE(c.styleName == "Lf" || c.styleName == "CrLf") << c.styleName;
  EXPECT_EQ(EncodeProgramText(d.text, d.style), c.saved);
  // Reopening and saving the saved file changes nothing: no empty line is added per save.
  const DecodedText again = DecodeProgramBytes(c.saved);
  EXPECT_EQ(EncodeProgramText(again.text, again.style), c.saved);
}

QUILLON_CASE_SUITE(Files, ProgramBytesTest, RoundTripCase, 5, "document/cases/program_bytes.txt");

}  // namespace
}  // namespace quillon
