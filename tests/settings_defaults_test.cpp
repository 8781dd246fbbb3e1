// Defaults at several densities, load corrections and the block-table sort.
#include "tests/settings_test_support.h"

namespace ostrel::testing {
namespace {

struct DensityCase {
  int dpi;
  int margin, marginTopBottom;
  int wireless, time, date, calendar, launcher, sysinfo;
};

class DefaultsAtDensity : public SettingsTest, public ::testing::WithParamInterface<DensityCase> {};

TEST_P(DefaultsAtDensity, ScaleMarginsAndHeightsWithTruncation) {
  const DensityCase c = GetParam();
  pf::host::HostScreen().SetScreenDpi(c.dpi, c.dpi);
  Settings s = Load(Deliverable::Plugin);
  EXPECT_EQ(s.MarginLeft, c.margin);
  EXPECT_EQ(s.MarginRight, c.margin);
  EXPECT_EQ(s.MarginTop, c.marginTopBottom);
  EXPECT_EQ(s.MarginBottom, c.marginTopBottom);
  EXPECT_EQ(s.WirelessSettings.Height, c.wireless);
  EXPECT_EQ(s.TimeSettings.Height, c.time);
  EXPECT_EQ(s.DateSettings.Height, c.date);
  EXPECT_EQ(s.CalendarSettings.Height, c.calendar);
  EXPECT_EQ(s.LauncherSettings.Height, c.launcher);
  EXPECT_EQ(s.SysInfoSettings.Height, c.sysinfo);
}

INSTANTIATE_TEST_SUITE_P(Densities, DefaultsAtDensity,
                         ::testing::Values(DensityCase{96, 10, 2, 15, 30, 15, 48, 48, 48},
                                           DensityCase{131, 13, 2, 20, 40, 20, 65, 65, 65},
                                           DensityCase{192, 20, 4, 30, 60, 30, 96, 96, 96}),
                         [](const ::testing::TestParamInfo<DensityCase>& info) {
                           return "Dpi" + std::to_string(info.param.dpi);
                         });

TEST_F(SettingsTest, MarginsFollowHorizontalAndHeightsVerticalDensity) {
  pf::host::HostScreen().SetScreenDpi(192, 96);
  Settings s = Load(Deliverable::Plugin);
  EXPECT_EQ(s.MarginLeft, 20);
  EXPECT_EQ(s.MarginBottom, 4);
  EXPECT_EQ(s.TimeSettings.Height, 30);
}

TEST_F(SettingsTest, EmptyRegistryGivesTheDocumentedDefaults) {
  Settings s = Load(Deliverable::SettingsProgram);
  EXPECT_EQ(s.Enabled, 0);
  EXPECT_EQ(s.FixedPageCount, 3);
  EXPECT_EQ(s.TapType, 1);
  EXPECT_TRUE(s.LauncherEntries.empty());
  EXPECT_EQ(Utf8(s.WirelessSettings.Font.FaceName), "Tahoma");
  EXPECT_EQ(s.WirelessSettings.Font.Size, 8);
  EXPECT_EQ(s.TimeSettings.Font1.Size, 30);
  EXPECT_EQ(s.TimeSettings.Font1.Bold, 1);
  EXPECT_EQ(s.TimeSettings.Font2.Size, 7);
  EXPECT_EQ(s.TimeSettings.TimeFormat, 2);
  EXPECT_EQ(s.TimeSettings.ShowAlarm, 1);
  EXPECT_EQ(Utf8(s.DateSettings.Format1), "");
  EXPECT_EQ(Utf8(s.DateSettings.Format2), "dddd");
  EXPECT_EQ(s.CalendarSettings.WeekdaysFont.Size, 6);
  EXPECT_EQ(s.CalendarSettings.WeekdaysFont.Color, 0x808080u);
  EXPECT_EQ(s.CalendarSettings.ColorToday, 0x00FF00u);
  EXPECT_EQ(s.CalendarSettings.ColorSaturday, 0x8080FFu);
  EXPECT_EQ(Utf8(s.CalendarSettings.Tap), "Windows\\calendar.exe");
  EXPECT_EQ(s.LauncherSettings.BigIcons, 1);
  EXPECT_EQ(Utf8(s.SysInfoSettings.Tap1), "\\Windows\\battery.lnk");
  EXPECT_EQ(Utf8(s.SysInfoSettings.Tap2), "\\Windows\\memory.lnk");
  for (int i = 0; i < BlockCount; ++i) {
    EXPECT_EQ(s.BlockTable[i].Kind, i + 1);
    EXPECT_EQ(s.BlockTable[i].Order, i);
    EXPECT_EQ(s.BlockTable[i].Visible, 1);
    EXPECT_TRUE(pf::TextEquals(s.BlockTable[i].Name, PageName(i + 1)));
  }
  EXPECT_TRUE(SameBody(s.EditSettings, s));
}

TEST_F(SettingsTest, TapTargetsNextToTheModuleFollowItsFolder) {
  pf::host::HostModule().SetModulePath(u"ostrel.dll");
  Settings bare = Load(Deliverable::Plugin);
  EXPECT_EQ(Utf8(bare.SysInfoSettings.Tap1), "battery.lnk");
  EXPECT_EQ(Utf8(bare.SysInfoSettings.Tap2), "memory.lnk");

  pf::host::HostModule().SetModulePath(u"\\Program Files\\Ostrel\\ostrelcfg.exe");
  Settings nested = Load(Deliverable::SettingsProgram);
  EXPECT_EQ(Utf8(nested.SysInfoSettings.Tap1), "\\Program Files\\Ostrel\\battery.lnk");
}

TEST_F(SettingsTest, LoadCorrectsOnlyTheDocumentedValues) {
  registry.SetDword(pf::HKEY_CURRENT_USER, u"Software\\Vekta\\Ostrel", u"FixedPageCount", 9);
  SetInt(u"Time", u"FontSize1", 0);
  SetInt(u"Time", u"FontSize2", 250);
  SetInt(u"Wireless", u"FontSize", 500);
  SetInt(u"Calendar", u"FontSizeWeekdays", -5);
  SetInt(u"Calendar", u"FontSize", -3);
  SetInt(u"Time", u"TimeFormat", 7);
  SetInt(u"SysInfo", u"RamType", 9);
  Settings s = Load(Deliverable::Plugin);
  EXPECT_EQ(s.FixedPageCount, 6);
  EXPECT_EQ(s.TimeSettings.Font1.Size, 1);
  EXPECT_EQ(s.TimeSettings.Font2.Size, 100);
  EXPECT_EQ(s.WirelessSettings.Font.Size, 500);
  EXPECT_EQ(s.CalendarSettings.WeekdaysFont.Size, 0);
  EXPECT_EQ(s.CalendarSettings.Font.Size, 1);
  EXPECT_EQ(s.TimeSettings.TimeFormat, 7);
  EXPECT_EQ(s.SysInfoSettings.RamType, 9);

  registry.SetDword(pf::HKEY_CURRENT_USER, u"Software\\Vekta\\Ostrel", u"FixedPageCount",
                    static_cast<std::uint32_t>(-2));
  SetInt(u"Wireless", u"FontSize", 0);
  SetInt(u"Calendar", u"FontSizeWeekdays", 0);
  Settings t = Load(Deliverable::Plugin);
  EXPECT_EQ(t.FixedPageCount, 0);
  EXPECT_EQ(t.WirelessSettings.Font.Size, 0);
  EXPECT_EQ(t.CalendarSettings.WeekdaysFont.Size, 0);
}

TEST_F(SettingsTest, SortIsStableByOrderAndOnlyTheSettingsProgramSortsOnLoad) {
  const std::int32_t orders[] = {3, 0, 0, 1, 9, -1};
  const char16_t* keys[] = {u"Wireless", u"Time", u"Date", u"Calendar", u"Launcher", u"SysInfo"};
  for (int i = 0; i < 6; ++i) SetInt(keys[i], u"Order", orders[i]);

  Settings program = Load(Deliverable::SettingsProgram);
  const std::int32_t expected[] = {SysInfo, Time, Date, Calendar, Wireless, Launcher};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(program.BlockTable[i].Kind, expected[i]) << "position " << i;
  EXPECT_TRUE(pf::TextEquals(program.BlockTable[0].Name, u"Информация"));

  Settings plugin = Load(Deliverable::Plugin);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(plugin.BlockTable[i].Kind, i + 1);
  SortBlocks(plugin.BlockTable);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(plugin.BlockTable[i].Kind, expected[i]);
}

TEST_F(SettingsTest, OnlyTimeOrderedFirst) {
  SetInt(u"Time", u"Order", -1);
  Settings s = Load(Deliverable::SettingsProgram);
  const std::int32_t expected[] = {Time, Wireless, Date, Calendar, Launcher, SysInfo};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(s.BlockTable[i].Kind, expected[i]);
}

}  // namespace
}  // namespace ostrel::testing
