// The screen's real density and the defaults scaled by it; run in the 96 dpi
// prefix and again in one booted with LogPixels = 192 (tests/win/CMakeLists.txt).
#include "tests/win/win_test_support.h"

namespace ostrel::wintest {
namespace {

TEST(DensityOnWindows, ScreenContextReportsThePrefixDensity) {
  pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  ASSERT_FALSE(pf::IsNull(screen)) << "no screen context (no display?)";
  EXPECT_EQ(pf::GetDeviceCaps(screen, pf::win32::ours::LogPixelsX), ExpectedDpi());
  EXPECT_EQ(pf::GetDeviceCaps(screen, pf::win32::ours::LogPixelsY), ExpectedDpi());
  EXPECT_EQ(pf::ReleaseDC(pf::WindowHandle{}, screen), 1);
}

class DensityStoreOnWindows : public ScratchRegistryTest {};

TEST_F(DensityStoreOnWindows, EmptyRegistryLoadsDefaultsAtTheRealDensity) {
  const int dpi = ExpectedDpi();
  Settings s;
  s.Owner = Deliverable::SettingsProgram;
  LoadSettings(s);

  EXPECT_EQ(s.MarginLeft, dpi * 10 / 96);
  EXPECT_EQ(s.MarginTop, dpi * 2 / 96);
  EXPECT_EQ(s.MarginRight, dpi * 10 / 96);
  EXPECT_EQ(s.MarginBottom, dpi * 2 / 96);
  EXPECT_EQ(s.WirelessSettings.Height, dpi * 15 / 96);
  EXPECT_EQ(s.TimeSettings.Height, dpi * 30 / 96);
  EXPECT_EQ(s.DateSettings.Height, dpi * 15 / 96);
  EXPECT_EQ(s.CalendarSettings.Height, dpi * 48 / 96);
  EXPECT_EQ(s.LauncherSettings.Height, dpi * 48 / 96);
  EXPECT_EQ(s.SysInfoSettings.Height, dpi * 48 / 96);
  if (dpi == 192) {
    EXPECT_EQ(s.MarginLeft, 20);
    EXPECT_EQ(s.CalendarSettings.Height, 96);
  }
  EXPECT_EQ(s.FixedPageCount, 3);
  EXPECT_EQ(s.Enabled, 0);
  EXPECT_TRUE(s.LauncherEntries.empty());

  // The battery and memory shortcuts lie next to the running program.
  wchar_t module[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::string folder = Utf8(pf::win32::U(module));
  folder.erase(folder.rfind('\\') + 1);
  EXPECT_EQ(Utf8(s.SysInfoSettings.Tap1), folder + "battery.lnk");
  EXPECT_EQ(Utf8(s.SysInfoSettings.Tap2), folder + "memory.lnk");
}

}  // namespace
}  // namespace ostrel::wintest
