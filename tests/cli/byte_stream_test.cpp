// The line blocks the transformation verbs stream through.
#include "cli/byte_stream.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace quillon::cli {
namespace {

struct BlockCase {
  const char* name;
  const char* input;
  std::size_t blockSize;
  const char* lines;  // each line's text and end as "text|end;"
};

// Guards against lines cut at a block edge, a CR LF pair split between two
// runs, a lone CR taken for a line end, a line longer than the buffer lost or
// cut, and the last line without a line end dropped.
class LineBlockTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(LineBlockTest, HandsOutWholeLines) {
  const auto& c = GetParam();
  std::istringstream in(c.input);
  StreamSource source(in);
  LineBlockReader reader(source, c.blockSize);
  std::string seen, joined;
  std::string_view lines;
  while (reader.next(lines)) {
    EXPECT_TRUE(lines.back() == '\n' || joined.size() + lines.size() == std::string(c.input).size());
    joined.append(lines);
    ForEachLine(lines, [&](std::string_view text, std::string_view end) {
      seen.append(text).append("|").append(end == "\r\n" ? "CRLF" : end == "\n" ? "LF" : "").append(";");
    });
  }
  EXPECT_FALSE(reader.failed());
  EXPECT_EQ(joined, c.input);
  EXPECT_EQ(seen, c.lines);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, LineBlockTest, ::testing::Values(
    // name             input                       block  lines
    BlockCase{"Empty",        "",                         4,     ""},
    BlockCase{"NoLineEnd",    "G00",                      4,     "G00|;"},
    BlockCase{"CrLfAtEdge",   "AB\r\nC\n",                3,     "AB|CRLF;C|LF;"},
    BlockCase{"LoneCr",       "A\rB\r\r\n",               2,     "A\rB\r|CRLF;"},
    BlockCase{"LongerThanBlock","X123456789\nY\r\nZ",     2,     "X123456789|LF;Y|CRLF;Z|;"},
    BlockCase{"EmptyLines",   "\n\r\n\n",                 1,     "|LF;|CRLF;|LF;"}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace
}  // namespace quillon::cli
