// The template lookup the G-code and M-code menus rely on.
#include "templates/code_templates.h"

#include <gtest/gtest.h>

#include "support/case_file.h"
#include "support/golden_file.h"
#include "support/param_name.h"

namespace quillon {
namespace {

struct LookupCase {
  const char *name, *control;
  int index;
  std::string expected;  // "-": nothing is inserted
};

class CodeTemplateLookupTest : public ::testing::TestWithParam<LookupCase> {};

// Guards against array handlers picking text by position instead of by index, and against indexes outside the listed
// ones inserting something (every listed item's text is checked through its menu action).
TEST_P(CodeTemplateLookupTest, FindsTextByControlAndIndex) {
  const auto& c = GetParam();
  const auto edit = CodeTemplateEdit(c.control, c.index);
  EXPECT_EQ(edit ? edit->text : "-", c.expected);
}

INSTANTIATE_TEST_SUITE_P(Items, CodeTemplateLookupTest,
                         ::testing::ValuesIn(testing_support::LoadCases<LookupCase, 4>("templates/cases/lookup.txt")),
                         testing_support::kRowName);

// Guards against a template text, its leading blank (an M code extends the block being written) or its line end
// drifting from the controller's skeletons, and a control typed twice (the second row would never be reached).
TEST(CodeTemplateTableTest, MatchesItsDump) {
  std::string dump;
  for (const CodeTemplate& t : CodeTemplateTable()) {
    dump += std::string(t.control) + "(" + std::to_string(t.index) + ") " + testing_support::Quoted(t.text) +
            (t.lineEnd ? " line end\n" : "\n");
    EXPECT_EQ(CodeTemplateEdit(t.control, t.index)->text, std::string(t.text) + (t.lineEnd ? "\n" : "")) << t.control;
  }
  EXPECT_EQ(testing_support::GoldenMismatch("templates/golden/code_templates.txt", dump), "");
}

}  // namespace
}  // namespace quillon
