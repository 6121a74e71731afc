// Save As adds the chosen filter's extension to a name typed without one.
#include <gtest/gtest.h>

#include <string>

#include "document/text_file.h"

namespace quillon {
namespace {

struct ExtensionCase {
  const char* name;
  const char* path;
  const char* patterns;
  const char* saved;
};

// Guards against "part1" saved under "Main File (*.min)" being written as
// "part1" (a file the open dialog's own filter then hides), an extension
// doubled or added to a name that has one, and "All Files" adding ".*".
class FilterExtensionTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(FilterExtensionTest, AddsOnlyWhenTheNameHasNone) {
  EXPECT_EQ(WithFilterExtension(GetParam().path, GetParam().patterns), GetParam().saved);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, FilterExtensionTest, ::testing::Values(
  ExtensionCase{"MainProgram",        "/home/op/part1",        "*.min",       "/home/op/part1.min"},
  ExtensionCase{"SystemSub",          "/home/op/sub1",         "*.ssb",       "/home/op/sub1.ssb"},
  ExtensionCase{"Library",            "/home/op/lib1",         "*.lib",       "/home/op/lib1.lib"},
  ExtensionCase{"AlreadyThere",       "/home/op/part1.min",    "*.min",       "/home/op/part1.min"},
  ExtensionCase{"OtherExtensionKept", "/home/op/part1.txt",    "*.min",       "/home/op/part1.txt"},
  ExtensionCase{"UpperCaseKept",      "/home/op/PART1.MIN",    "*.min",       "/home/op/PART1.MIN"},
  ExtensionCase{"TwoPointsKept",      "/home/op/a.b",          "*.min",       "/home/op/a.b"},
  ExtensionCase{"TrailingPointKept",  "/home/op/part1.",       "*.min",       "/home/op/part1."},
  ExtensionCase{"PointInFolderOnly",  "/home/op.d/part1",      "*.min",       "/home/op.d/part1.min"},
  ExtensionCase{"BackslashFolder",    "C:\\op.d\\part1",       "*.min",       "C:\\op.d\\part1.min"},
  ExtensionCase{"HiddenName",         "/home/op/.part1",       "*.min",       "/home/op/.part1.min"},
  ExtensionCase{"AllFiles",           "/home/op/part1",        "*.*",         "/home/op/part1"},
  ExtensionCase{"Star",               "/home/op/part1",        "*",           "/home/op/part1"},
  ExtensionCase{"NoFilter",           "/home/op/part1",        "",            "/home/op/part1"},
  ExtensionCase{"FirstOfSeveral",     "/home/op/part1",        "*.min;*.ssb", "/home/op/part1.min"},
  ExtensionCase{"Wildcard",           "/home/op/part1",        "*.m?n",       "/home/op/part1"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace quillon
