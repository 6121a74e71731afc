// The settings readers: strict conversion with the key's default as fallback (the table itself is checked against its
// dump in tables_test.cpp).
#include "app/settings.h"

#include <gtest/gtest.h>

#include "app/machine_parameters.h"
#include "support/case_suite.h"

namespace quillon {
namespace {

const SettingPlaces kPlaces{"/opt/quillon", "/home/op"};

struct StoredCase {
  const char *name, *section, *key, *stored;
  bool flag;  // read as a flag (expected 0 or 1) rather than a number
  double expected;
};

// Guards against: a stored value that does not convert stopping the start instead of giving the key's default.
class StrictReadTest : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StrictReadTest, FallsBackToTheDefault) {
  const auto& c = GetParam();
  MemorySettingsStore store;
  store.set(c.section, c.key, c.stored);
  if (c.flag)
    EXPECT_EQ(ReadSettingFlag(store, c.section, c.key, kPlaces), c.expected != 0);
  else
    EXPECT_DOUBLE_EQ(ReadSettingNumber(store, c.section, c.key, kPlaces), c.expected);
}

QUILLON_CASE_SUITE(Values, StrictReadTest, StoredCase, 6, "app/cases/settings_read.txt");

// Guards against: a parameter written in a text form its reader does not take back.
TEST(MachineParametersTest, SavedValuesLoadAgain) {
  MemorySettingsStore store;
  MachineParameters p;
  p.Tallix = true;
  p.AppZ = 30.5;
  p.AtcMacroType = "M441";
  SaveMachineParameters(store, p);
  EXPECT_EQ(store.get("Parameter", "Tallix"), "True");
  const MachineParameters again = LoadMachineParameters(store, kPlaces);
  EXPECT_TRUE(again.Tallix);
  EXPECT_EQ(again.AppZ, 30.5);
  EXPECT_EQ(again.AtcMacroType, "M441");
}

// Guards against: an unknown key or a value that does not convert changing a parameter.
TEST(MachineParametersTest, SetByKeyRefusesUnknownKeysAndBadValues) {
  MachineParameters p;
  EXPECT_TRUE(SetMachineParameter(p, "Tallix", "True") && p.Tallix);
  EXPECT_TRUE(SetMachineParameter(p, "AtcMacroType", "M441") && p.AtcMacroType == "M441");
  EXPECT_TRUE(SetMachineParameter(p, "AppZ", "75") && p.AppZ == 75);
  EXPECT_FALSE(SetMachineParameter(p, "AppZ", "far"));
  EXPECT_EQ(p.AppZ, 75);
  EXPECT_FALSE(SetMachineParameter(p, "Nonsense", "1"));
}

}  // namespace
}  // namespace quillon
