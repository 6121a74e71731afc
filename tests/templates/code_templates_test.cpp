// The template lookup the G-code and M-code menus rely on.
#include "templates/code_templates.h"

#include <gtest/gtest.h>

#include "support/golden_file.h"
#include "support/param_name.h"

namespace quillon {
namespace {

struct LookupCase {
  const char* name;
  const char* control;
  int index;
  std::optional<std::string> expected;
};

class CodeTemplateLookupTest : public ::testing::TestWithParam<LookupCase> {};

// Guards against array handlers picking text by position instead of by index, and against indexes outside the listed
// ones inserting something (every listed item's text is checked through its menu action).
TEST_P(CodeTemplateLookupTest, FindsTextByControlAndIndex) {
  const auto& c = GetParam();
  const auto edit = CodeTemplateEdit(c.control, c.index);
  EXPECT_EQ(edit ? std::optional<std::string>(edit->text) : std::nullopt, c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Items, CodeTemplateLookupTest,
    ::testing::Values(
        //         name                      control           index expected
        LookupCase{"TurretB",                "mnuGcode",       14,   "G14\n"},
        LookupCase{"TurretIndexBelowListed", "mnuGcode",       12,   std::nullopt},
        LookupCase{"TurretIndexZero",        "mnuGcode",       0,    std::nullopt},
        LookupCase{"CompPastEnd",            "mnuGcodeComp",   7,    std::nullopt},
        LookupCase{"RaskPastEnd",            "mnuGcodeRask",   10,   std::nullopt},
        LookupCase{"MapPastEnd",             "mnuGcodeMap",    15,   std::nullopt},
        LookupCase{"SingleItemGivenAnIndex", "GcodeG71",       1,    std::nullopt},
        LookupCase{"UnknownControl",         "mnuFileOpen",    0,    std::nullopt},
        LookupCase{"SubmenuHasNoText",       "GcodeRask",      0,    std::nullopt}),
    testing_support::kRowName);
// clang-format on

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
