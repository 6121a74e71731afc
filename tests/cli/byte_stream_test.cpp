// The line blocks the transformation verbs stream through.
#include "cli/byte_stream.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/case_file.h"
#include "support/param_name.h"

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

INSTANTIATE_TEST_SUITE_P(Rows, LineBlockTest,
                         ::testing::ValuesIn(testing_support::LoadCases<BlockCase, 4>("cli/cases/line_blocks.txt")),
                         testing_support::kRowName);

}  // namespace
}  // namespace quillon::cli
