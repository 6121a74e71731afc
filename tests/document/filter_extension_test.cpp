// Save As adds the chosen filter's extension to a name typed without one.
#include <gtest/gtest.h>

#include <string>

#include "document/text_file.h"
#include "support/case_suite.h"

namespace quillon {
namespace {

struct ExtensionCase {
  const char* name;
  const char* path;
  const char* patterns;
  const char* saved;
};

// Guards against "part1" saved under "Main File (*.min)" being written as "part1" (a file the open dialog's own filter
// then hides), an extension doubled or added to a name that has one, and "All Files" adding ".*".
class FilterExtensionTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(FilterExtensionTest, AddsOnlyWhenTheNameHasNone) {
  EXPECT_EQ(WithFilterExtension(GetParam().path, GetParam().patterns), GetParam().saved);
}

QUILLON_CASE_SUITE(Names, FilterExtensionTest, ExtensionCase, 4, "document/cases/filter_extension.txt");

}  // namespace
}  // namespace quillon
