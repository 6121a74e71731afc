// Each argument of the editor's command line names one file.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "support/case_suite.h"

namespace quillon {
namespace {

struct PathsCase {
  const char *name, *arguments, *paths;  // '|'-joined lists
};

// Guards against the arguments being joined into one path (two files opening as one empty document named after both), a
// path with blanks split in two, a quoted path keeping its quotes, and an empty argument opening a document.
class CommandLinePathsTest : public ::testing::TestWithParam<PathsCase> {};

TEST_P(CommandLinePathsTest, OnePathPerArgument) {
  EXPECT_EQ(CommandLinePaths(testing_support::SplitList(GetParam().arguments)),
            testing_support::SplitList(GetParam().paths));
}

QUILLON_CASE_SUITE(Arguments, CommandLinePathsTest, PathsCase, 3, "app/cases/command_paths.txt");

}  // namespace
}  // namespace quillon
