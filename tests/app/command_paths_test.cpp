// Each argument of the editor's command line names one file.
#include <gtest/gtest.h>

#include "app/case_lists.h"
#include "app/command_line.h"
#include "support/case_file.h"
#include "support/param_name.h"

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

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLinePathsTest,
                         ::testing::ValuesIn(testing_support::LoadCases<PathsCase, 3>("app/cases/command_paths.txt")),
                         testing_support::kRowName);

}  // namespace
}  // namespace quillon
