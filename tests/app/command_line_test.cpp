// The command line names the one file opened at start.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include "support/param_name.h"

namespace quillon {
namespace {

struct LineCase {
  const char* name;
  const char* line;
  const char* path;
};

// Guards against: quotes or trailing words ending up in the path.
class CommandLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTest, PathFollowsTheQuoteRule) { EXPECT_EQ(CommandLinePath(GetParam().line), GetParam().path); }

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTest,
    ::testing::Values(LineCase{"Empty", "", ""}, LineCase{"PlainPath", "/home/op/A1.min", "/home/op/A1.min"},
                      LineCase{"PlainPathWithBlanks", "/home/op/my prog.min", "/home/op/my prog.min"},
                      LineCase{"QuotedWithTrailingWords", "\"/home/op/my prog.min\" /p extra", "/home/op/my prog.min"},
                      LineCase{"WordsBeforeQuote", "-x \"/a b.min\"", "/a b.min"},
                      LineCase{"SingleQuote", "\"/home/op/x y.min", "/home/op/x y.min"},
                      LineCase{"EmptyQuotes", "\"\" /a.min", ""}),
    testing_support::kRowName);

}  // namespace
}  // namespace quillon
