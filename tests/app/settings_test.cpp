// The settings table and its readers: defaults, strict conversion with the
// key's default as fallback, and the order the parameter dialog writes.
#include <gtest/gtest.h>

#include <set>

#include "app/settings.h"
#include "process/machine_parameters.h"

namespace quillon {
namespace {

const SettingPlaces kPlaces{"/opt/quillon", "/home/op"};

TEST(SettingsTableTest, EveryKeyAppearsOnce) {
  std::set<std::pair<std::string_view, std::string_view>> seen;
  for (const auto& k : SettingsTable()) EXPECT_TRUE(seen.insert({k.section, k.key}).second) << k.key;
  EXPECT_EQ(SettingsTable().size(), 20u + 18u);
}

TEST(SettingsTableTest, FreshStoreGivesDefaults) {
  MemorySettingsStore store;
  AppSettings a = LoadAppSettings(store, kPlaces);
  EXPECT_EQ(a.ScreenFontName, "Terminal");
  EXPECT_EQ(a.ScreenFontSize, 14);
  EXPECT_EQ(a.PrintFontSize, 11);
  EXPECT_EQ(a.LeftMerge, 10);
  EXPECT_EQ(a.RightMerge, 0);
  EXPECT_EQ(a.PrintLineNo, 1);
  EXPECT_EQ(a.InsertPathName, "/opt/quillon/Program");
  WindowGeometryTwips g = LoadWindowGeometry(store, kPlaces);
  EXPECT_EQ(g.left, 1000);
  EXPECT_EQ(g.width, 6500);

  MachineParameters p = LoadMachineParameters(store, kPlaces);
  EXPECT_EQ(p.MaxS, 2500);
  EXPECT_EQ(p.HomeX, 500);
  EXPECT_EQ(p.HomeZ, 500);
  EXPECT_EQ(p.AppX, 200);
  EXPECT_EQ(p.AppZ, 50);
  EXPECT_TRUE(p.ZentorQ500);
  EXPECT_TRUE(p.PanelChk);
  EXPECT_TRUE(p.ToolFrom);
  EXPECT_FALSE(p.TG || p.Tallix || p.Bturret || p.Measuer || p.AutoDoor || p.LoadMoniter);
  EXPECT_EQ(p.TurretType, 2);
  EXPECT_EQ(p.AtcMacroType, "M421");
  EXPECT_EQ(p.CsvFileName, "/opt/quillon/ cutting  condition /S45C.CSV");
  EXPECT_EQ(p.CsvPathName, "/opt/quillon/ cutting  condition ");
}

struct BadValueCase {
  const char* name;
  const char* section;
  const char* key;
  const char* stored;
  double expected;
};

// Guards against: a stored value that does not convert stopping the start.
class StrictReadTest : public ::testing::TestWithParam<BadValueCase> {};

TEST_P(StrictReadTest, FallsBackToTheDefault) {
  const auto& c = GetParam();
  MemorySettingsStore store;
  store.set(c.section, c.key, c.stored);
  EXPECT_DOUBLE_EQ(ReadSettingNumber(store, c.section, c.key, kPlaces), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, StrictReadTest,
    ::testing::Values(BadValueCase{"Letters", "Settings", "MainLeft", "abc", 1000},
                      BadValueCase{"TrailingText", "Settings", "ScreenFontSize", "12pt", 14},
                      BadValueCase{"Empty", "Parameter", "MaxS", "", 2500},
                      BadValueCase{"Int16Overflow", "Settings", "PrintLineNo", "70000", 1},
                      BadValueCase{"GoodValue", "Settings", "MainTop", "2400", 2400},
                      BadValueCase{"GoodNegative", "Settings", "MainLeft", "-120", -120},
                      BadValueCase{"BlanksAround", "Parameter", "AppZ", " 30 ", 30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StrictReadTest, FlagsFallBackToTheDefault) {
  MemorySettingsStore store;
  store.set("Parameter", "TG", "maybe");
  store.set("Parameter", "Tallix", "True");
  store.set("Parameter", "ZentorQ500", "False");
  EXPECT_FALSE(ReadSettingFlag(store, "Parameter", "TG", kPlaces));
  EXPECT_TRUE(ReadSettingFlag(store, "Parameter", "Tallix", kPlaces));
  EXPECT_FALSE(ReadSettingFlag(store, "Parameter", "ZentorQ500", kPlaces));
}

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

TEST(MachineParametersTest, SetByKeyRefusesUnknownKeysAndBadValues) {
  MachineParameters p;
  EXPECT_TRUE(SetMachineParameter(p, "Tallix", "True"));
  EXPECT_TRUE(p.Tallix);
  EXPECT_TRUE(SetMachineParameter(p, "AtcMacroType", "M441"));
  EXPECT_EQ(p.AtcMacroType, "M441");
  EXPECT_TRUE(SetMachineParameter(p, "AppZ", "75"));
  EXPECT_EQ(p.AppZ, 75);
  EXPECT_FALSE(SetMachineParameter(p, "AppZ", "far"));
  EXPECT_EQ(p.AppZ, 75);
  EXPECT_FALSE(SetMachineParameter(p, "Nonsense", "1"));
}

}  // namespace
}  // namespace quillon
