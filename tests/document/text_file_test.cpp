// Program file bytes: every byte survives, line-end styles round-trip, and a save never grows the file by an empty
// line.
#include "document/text_file.h"

#include <gtest/gtest.h>

#include "support/param_name.h"

namespace quillon {
namespace {

struct RoundTripCase {
  const char* name;
  std::string bytes;
  std::string text;
  LineEndStyle style;
  std::string saved;  // what a save of the unedited text writes
};

// Guards against: bytes lost or line ends rewritten on the way through a document, and a save growing the file.
class ProgramBytesTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ProgramBytesTest, DecodesAndSaves) {
  const auto& c = GetParam();
  DecodedText d = DecodeProgramBytes(c.bytes);
  EXPECT_EQ(d.text, c.text);
  EXPECT_EQ(d.style, c.style);
  EXPECT_EQ(EncodeProgramText(d.text, d.style), c.saved);
  // Reopening and saving the saved file changes nothing: no empty line is added per save.
  const DecodedText again = DecodeProgramBytes(c.saved);
  EXPECT_EQ(EncodeProgramText(again.text, again.style), c.saved);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, ProgramBytesTest,
    ::testing::Values(
        //            name                              file bytes                                document text                           style               saved bytes
        RoundTripCase{"CrLfEndingComesBackByteForByte", "G00\r\nX1\r\n",                          "G00\nX1\n",                            LineEndStyle::CrLf, "G00\r\nX1\r\n"},
        RoundTripCase{"LfEndingComesBackByteForByte",   "G00\nX1\n",                              "G00\nX1\n",                            LineEndStyle::Lf,   "G00\nX1\n"},
        RoundTripCase{"MissingFinalLineEndIsAddedOnce", "G00\r\nX1",                              "G00\nX1",                              LineEndStyle::CrLf, "G00\r\nX1\r\n"},
        RoundTripCase{"MixedEndsAreWrittenCrLf",        "A\r\nB\nC\r\n",                          "A\nB\nC\n",                            LineEndStyle::CrLf, "A\r\nB\r\nC\r\n"},
        RoundTripCase{"LoneCrIsKept",                   "A\rB\r\n",                               "A\rB\n",                               LineEndStyle::CrLf, "A\rB\r\n"},
        RoundTripCase{"LfFileEndingInLoneCr",           "X\n\r",                                  "X\n\r",                                LineEndStyle::Lf,   "X\n\r"},
        RoundTripCase{"NoLineEndButLoneCr",             "X\r",                                    "X\r",                                  LineEndStyle::CrLf, "X\r"},
        RoundTripCase{"EmptyFile",                      "",                                       "",                                     LineEndStyle::CrLf, "\r\n"},
        RoundTripCase{"HighBytesSurvive",               std::string("\xff\x80\x00(\xe9)\r\n", 8), std::string("\xff\x80\x00(\xe9)\n", 7), LineEndStyle::CrLf, std::string("\xff\x80\x00(\xe9)\r\n", 8)}),
    testing_support::kRowName);
// clang-format on

}  // namespace
}  // namespace quillon
