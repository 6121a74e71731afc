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

// Guards against array handlers picking text by position instead of by index,
// and against indexes outside the listed ones inserting something.
TEST_P(CodeTemplateLookupTest, FindsTextByControlAndIndex) {
  const auto& c = GetParam();
  EXPECT_EQ(CodeTemplateText(c.control, c.index), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Items, CodeTemplateLookupTest,
    ::testing::Values(LookupCase{"TurretA", "mnuGcode", 13, "G13\n"}, LookupCase{"TurretB", "mnuGcode", 14, "G14\n"},
                      LookupCase{"TurretIndexBelowListed", "mnuGcode", 12, std::nullopt},
                      LookupCase{"TurretIndexZero", "mnuGcode", 0, std::nullopt},
                      LookupCase{"CompFirst", "mnuGcodeComp", 1, " G41"},
                      LookupCase{"CompLast", "mnuGcodeComp", 6, " G19"},
                      LookupCase{"CompPastEnd", "mnuGcodeComp", 7, std::nullopt},
                      LookupCase{"RaskContinuationLine", "mnuGcodeRask", 2, "$    G84 XA= DA= FA= XB= DB= FB=\n"},
                      LookupCase{"RaskPastEnd", "mnuGcodeRask", 10, std::nullopt},
                      LookupCase{"MapLast", "mnuGcodeMap", 14, "N000 G180\n"},
                      LookupCase{"MapPastEnd", "mnuGcodeMap", 15, std::nullopt},
                      LookupCase{"SingleItemWithLineEnd", "GcodeG71", 0, "N000 G71 X Z H D F\n"},
                      LookupCase{"SingleItemWithoutLineEnd", "GcodeTailstock", 0, "N000 G152 W"},
                      LookupCase{"SingleItemGivenAnIndex", "GcodeG71", 1, std::nullopt},
                      LookupCase{"SubChuckCloseIsM249", "McodeChuckSubClose", 0, " M249"},
                      LookupCase{"SubChuckOpenIsM248", "McodeChuckSubOpen", 0, " M248"},
                      LookupCase{"SpindleAddsM63", "McodeSpindleM03", 0, " M03 M63"},
                      LookupCase{"UnknownControl", "mnuFileOpen", 0, std::nullopt},
                      LookupCase{"SubmenuHasNoText", "GcodeRask", 0, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

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
