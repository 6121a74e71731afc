// The settings table and its readers: defaults, strict conversion with the
// key's default as fallback, and the order the parameter dialog writes.
#include <gtest/gtest.h>

#include <set>

#include "app/settings.h"
#include "app/machine_parameters.h"

namespace quillon {
namespace {

const SettingPlaces kPlaces{"/opt/quillon", "/home/op"};

// Guards against: a key typed twice (the second row would never be read) or a key lost from the table.
TEST(SettingsTableTest, EveryKeyAppearsOnce) {
  std::set<std::pair<std::string_view, std::string_view>> seen;
  for (const auto& k : SettingsTable()) EXPECT_TRUE(seen.insert({k.section, k.key}).second) << k.key;
  EXPECT_EQ(SettingsTable().size(), 21u + 18u);
}

// Guards against: a first run with an empty store starting from other values than the known defaults.
TEST(SettingsTableTest, FreshStoreGivesDefaults) {
  MemorySettingsStore store;
  const AppSettings a = LoadAppSettings(store, kPlaces);
  EXPECT_EQ(a.ScreenFontName, "Terminal");
  EXPECT_EQ((std::vector<int>{a.ScreenFontSize, a.PrintFontSize, a.LeftMerge, a.RightMerge, a.PrintLineNo}),
            (std::vector<int>{14, 11, 10, 0, 1}));
  EXPECT_EQ(a.InsertPathName, "/opt/quillon/Program");
  const WindowGeometryTwips g = LoadWindowGeometry(store, kPlaces);
  EXPECT_EQ((std::vector<double>{g.left, g.top, g.width, g.height}), (std::vector<double>{1000, 1000, 6500, 6500}));

  const MachineParameters p = LoadMachineParameters(store, kPlaces);
  EXPECT_EQ((std::vector<double>{p.MaxS, p.HomeX, p.HomeZ, p.AppX, p.AppZ}),
            (std::vector<double>{2500, 500, 500, 200, 50}));
  EXPECT_TRUE(p.ZentorQ500 && p.PanelChk && p.ToolFrom);
  EXPECT_FALSE(p.TG || p.Tallix || p.Bturret || p.Measuer || p.AutoDoor || p.LoadMoniter);
  EXPECT_EQ(p.TurretType, 2);
  EXPECT_EQ(p.AtcMacroType, "M421");
  EXPECT_EQ(p.CsvFileName, "/opt/quillon/ cutting  condition /S45C.CSV");
  EXPECT_EQ(p.CsvPathName, "/opt/quillon/ cutting  condition ");
}

struct StoredCase {
  const char* name;
  const char* section;
  const char* key;
  const char* stored;
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

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Values, StrictReadTest,
    ::testing::Values(
        //         name             section      key               stored   flag   expected
        StoredCase{"Letters",       "Settings",  "MainLeft",       "abc",   false, 1000},
        StoredCase{"TrailingText",  "Settings",  "ScreenFontSize", "12pt",  false, 14},
        StoredCase{"Empty",         "Parameter", "MaxS",           "",      false, 2500},
        StoredCase{"Int16Overflow", "Settings",  "PrintLineNo",    "70000", false, 1},
        StoredCase{"GoodValue",     "Settings",  "MainTop",        "2400",  false, 2400},
        StoredCase{"GoodNegative",  "Settings",  "MainLeft",       "-120",  false, -120},
        StoredCase{"BlanksAround",  "Parameter", "AppZ",           " 30 ",  false, 30},
        StoredCase{"FlagMaybe",     "Parameter", "TG",             "maybe", true,  0},
        StoredCase{"FlagTrue",      "Parameter", "Tallix",         "True",  true,  1},
        StoredCase{"FlagFalse",     "Parameter", "ZentorQ500",     "False", true,  0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against: the parameter dialog's keys written in another order or in another text form.
TEST(MachineParametersTest, SaveWritesTheSixteenKeysInDialogOrder) {
  MemorySettingsStore store;
  MachineParameters p;
  p.Tallix = true;
  p.AppZ = 30.5;
  SaveMachineParameters(store, p);
  std::vector<std::string> order;
  for (const auto& [i, key] : store.writeOrder()) order.push_back(key.second);
  EXPECT_EQ(order, (std::vector<std::string>{"MaxS", "HomeX", "HomeZ", "AppX", "AppZ", "TG", "ZentorQ500", "Tallix",
                                             "Bturret", "Measuer", "PanelChk", "AutoDoor", "TurretType",
                                             "AtcMacroType", "ToolFrom", "LoadMoniter"}));
  EXPECT_EQ(store.get("Parameter", "Tallix"), "True");
  EXPECT_EQ(store.get("Parameter", "AppZ"), "30.5");
  EXPECT_EQ(LoadMachineParameters(store, kPlaces).AppZ, 30.5);
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
