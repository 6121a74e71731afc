// The template lookup the G-code and M-code menus rely on.
#include "templates/code_templates.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace quillon {
namespace {

struct LookupCase {
  const char* name;
  const char* control;
  int index;
  std::optional<std::string> expected;
};

class CodeTemplateLookupTest : public ::testing::TestWithParam<LookupCase> {};

// Guards against array handlers picking text by position instead of by index, and against indexes outside
// the listed ones inserting something (every listed item's text is checked through its menu action).
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
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against a control typed twice (the second row would never be reached)
// and against M codes losing the blank that lets them extend a block.
TEST(CodeTemplateTableTest, RowsAreUniqueAndMCodesExtendTheLine) {
  std::set<std::pair<std::string_view, int>> seen;
  int mCodes = 0;
  for (const CodeTemplate& t : CodeTemplateTable()) {
    EXPECT_TRUE(seen.insert({t.control, t.index}).second) << t.control << "(" << t.index << ")";
    if (t.control.starts_with("Mcode")) {
      ++mCodes;
      EXPECT_TRUE(t.text.starts_with(" M")) << t.control;
      EXPECT_FALSE(t.lineEnd) << t.control;
    }
  }
  // 23 single G items + 2 + 6 + 9 + 14 array items; 54 M items.
  EXPECT_EQ(mCodes, 54);
  EXPECT_EQ(CodeTemplateTable().size(), 23u + 2 + 6 + 9 + 14 + 54);
}

}  // namespace
}  // namespace quillon
