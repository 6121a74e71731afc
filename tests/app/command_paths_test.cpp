// Each argument of the editor's command line names one file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

namespace quillon {
namespace {

using Strings = std::vector<std::string>;

struct PathsCase {
  const char* name;
  Strings arguments;
  Strings paths;
};

// Guards against the arguments being joined into one path (two files opening
// as one empty document named after both), a path with blanks split in two,
// a quoted path keeping its quotes, and an empty argument opening a document.
class CommandLinePathsTest : public ::testing::TestWithParam<PathsCase> {};

TEST_P(CommandLinePathsTest, OnePathPerArgument) {
  EXPECT_EQ(CommandLinePaths(GetParam().arguments), GetParam().paths);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, CommandLinePathsTest, ::testing::Values(
  PathsCase{"None",                 {},                                              {}},
  PathsCase{"One",                  {"part1.min"},                                   {"part1.min"}},
  PathsCase{"TwoInOrder",           {"part1.min", "nofinal.min"},                    {"part1.min", "nofinal.min"}},
  PathsCase{"CaseKept",             {"/home/Planner/Part1.MIN"},                     {"/home/Planner/Part1.MIN"}},
  PathsCase{"BlanksStayInOnePath",  {"/home/op/my prog.min", "b.min"},               {"/home/op/my prog.min", "b.min"}},
  PathsCase{"QuotedInsideArgument", {"\"/home/op/my prog.min\""},                    {"/home/op/my prog.min"}},
  PathsCase{"QuotedWithWords",      {"\"/a b.min\" /p extra", "c.min"},              {"/a b.min", "c.min"}},
  PathsCase{"LoneQuote",            {"\"/home/op/x y.min"},                          {"/home/op/x y.min"}},
  PathsCase{"EmptySkipped",         {"", "a.min", "\"\""},                           {"a.min"}},
  PathsCase{"SameFileTwice",        {"a.min", "a.min"},                              {"a.min", "a.min"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace quillon
