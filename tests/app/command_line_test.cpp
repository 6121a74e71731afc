// The command line names the one file opened at start.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include "support/case_suite.h"

namespace quillon {
namespace {

struct LineCase {
  const char *name, *line, *path;
};

// Guards against: quotes or trailing words ending up in the path.
class CommandLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTest, PathFollowsTheQuoteRule) { EXPECT_EQ(CommandLinePath(GetParam().line), GetParam().path); }

QUILLON_CASE_SUITE(Lines, CommandLineTest, LineCase, 3, "app/cases/command_line.txt");

}  // namespace
}  // namespace quillon
