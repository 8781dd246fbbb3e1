// todayhost.exe with the item installed: its height against the preview's, its picture, taps that start programs, the hold menu, the options, and the rebuild after a settings change.
#include "tests/win/today/today_support.h"

#include <shlguid.h>
#include <shobjidl.h>

#include <cstdio>
#include <cstring>

namespace ostrel::todaytest {
namespace {

constexpr DWORD kHostRunMs = 30000;

bool Contains(const Program& program, const std::string& text) {
  return program.Output().find(text) != std::string::npos;
}

class TodayHost : public ::testing::Test {
 protected:
  void SetUp() override { DeleteItemKeys(); }
  void TearDown() override { DeleteItemKeys(); }
};

TEST_F(TodayHost, TheInstalledItemShowsAtThePreviewsHeightWithItsClockOnTheWatermark) {
  ASSERT_TRUE(ImportReg(InstallFolder() + L"ostrel.reg"));
  std::wstring dll;
  ASSERT_TRUE(GetRegText(HKEY_LOCAL_MACHINE, kItemKey, L"DLL", &dll));
  EXPECT_EQ(::lstrcmpiW(dll.c_str(), (InstallFolder() + L"ostrel.dll").c_str()), 0);
  for (const auto& [name, wanted] : {std::pair<const wchar_t*, DWORD>{L"Type", 4}, {L"Enabled", 1},
                                     {L"Options", 1}, {L"Order", 0}, {L"Selectability", 2}}) {
    DWORD value = 99;
    EXPECT_TRUE(GetRegNumber(HKEY_LOCAL_MACHINE, kItemKey, name, &value));
    EXPECT_EQ(value, wanted);
  }

  const std::wstring shot = TestFolder() + L"today" + std::to_wstring(ScreenDpi()) + L".png";
  ::DeleteFileW(shot.c_str());
  Program host;
  ASSERT_TRUE(host.Start(HostCommand(L"--screenshot \"" + shot + L"\" --after 1500 --exit-after 2000")));
  ASSERT_EQ(host.Finish(kHostRunMs), 0) << host.Output();
  std::string line;
  ItemLine item;
  ASSERT_TRUE(host.WaitForLine("todayhost: item Ostrel", 0, &line)) << host.Output();
  ASSERT_TRUE(ParseItemLine(line, &item)) << line;
  const std::vector<int> height = Figures("default.height");
  ASSERT_EQ(height.size(), 1u);
  EXPECT_EQ(item.height, height[0]) << "the same settings, width and density as the preview";
  EXPECT_EQ(item.x, 0);
  EXPECT_EQ(item.width, HostWidth());

  Picture picture;
  ASSERT_TRUE(LoadPicture(shot, &picture)) << host.Output();
  ASSERT_EQ(picture.width, HostWidth());
  ASSERT_GT(picture.height, item.y + item.height);
  const std::vector<int> clock = Figures("default.clock");
  ASSERT_EQ(clock.size(), 5u);
  int lit = 0;
  for (int y = item.y + clock[1]; y < item.y + clock[3]; ++y) {
    for (int x = clock[0]; x < clock[2]; ++x) lit += picture.At(x, y) == static_cast<COLORREF>(clock[4]);
  }
  EXPECT_GT(lit, 20 * ScreenDpi() / 96) << "pixels of the clock's color in the clock's box";
  // The left margin holds nothing but the watermark: the host's picture
  // runs through the item without a seam, down to the host's own rows.
  for (int y = item.y + 1; y <= item.y + item.height; ++y) {
    ASSERT_LE(ChannelDistance(picture.At(1, y), picture.At(1, y - 1)), 2) << "row " << y;
  }
  EXPECT_GT(ChannelDistance(picture.At(1, item.y), RGB(255, 255, 255)), 100) << "not the class brush";
}

TEST_F(TodayHost, TapsStartTheirProgramsAndTheHoldMenuAndOptionsStartTheSettingsProgram) {
  const std::wstring folder = FreshFolder(L"taps");
  CopyItemFiles(folder);
  for (const wchar_t* name : {L"launch.exe", L"tap1.exe", L"tap2.exe", L"ostrelcfg.exe"}) {
    ASSERT_TRUE(::CopyFileW((TestFolder() + L"marker.exe").c_str(), (folder + name).c_str(), FALSE));
  }
  ASSERT_TRUE(ImportReg(DataFolder() + L"launcher.reg"));
  const std::wstring settings = kSettingsKey;
  SetRegText(HKEY_CURRENT_USER, settings + L"\\Launcher", L"FileName1", folder + L"launch.exe");
  SetRegText(HKEY_CURRENT_USER, settings + L"\\SysInfo", L"Tap1", folder + L"tap1.exe");
  SetRegText(HKEY_CURRENT_USER, settings + L"\\SysInfo", L"Tap2", folder + L"tap2.exe");
  RegisterItem(folder);

  const std::vector<int> icon = Figures("launcher.icon");
  const std::vector<int> band = Figures("launcher.sysinfo");
  ASSERT_EQ(icon.size(), 4u);
  ASSERT_EQ(band.size(), 4u);
  const int split = band[0] + (band[2] - band[0]) / 4;  // Tap1 left of it, Tap2 from it on
  const int y = (band[1] + band[3]) / 2;
  char script[256];
  std::snprintf(script, sizeof script,
                "tap %d %d; tap %d %d; tap %d %d; hold %d %d; menu 1006; wait 300; options; exit",
                (icon[0] + icon[2]) / 2, (icon[1] + icon[3]) / 2, (band[0] + split) / 2, y,
                (split + band[2]) / 2, y, (split + band[2]) / 2, y);
  Program host;
  ASSERT_TRUE(host.Start(HostCommand(L"--script \"" + std::wstring(script, script + std::strlen(script)) + L"\"")));
  ASSERT_EQ(host.Finish(kHostRunMs), 0) << host.Output();
  EXPECT_TRUE(Contains(host, "todayhost: menu 1006 \"Настройки\" chosen")) << host.Output();
  EXPECT_TRUE(Contains(host, "todayhost: options of Ostrel closed")) << host.Output();
  EXPECT_EQ(WaitForRuns(folder + L"launch.exe", 1, 5000), 1) << "the launcher icon";
  EXPECT_EQ(WaitForRuns(folder + L"tap1.exe", 1, 5000), 1) << "left quarter of the line";
  EXPECT_EQ(WaitForRuns(folder + L"ostrelcfg.exe", 2, 5000), 2) << "the menu entry and the options";
  EXPECT_EQ(WaitForRuns(folder + L"tap2.exe", 2, 1000), 1) << "the rest of the line, and the hold is no tap";
}

TEST_F(TodayHost, ASettingsChangeBroadcastRebuildsTheItemWithTheNewSettings) {
  const std::wstring folder = FreshFolder(L"rebuild");
  CopyItemFiles(folder);
  RegisterItem(folder);
  Program host;
  ASSERT_TRUE(host.Start(HostCommand(L"--script options --exit-after 25000")));
  std::string line;
  ItemLine before;
  ASSERT_TRUE(host.WaitForLine("todayhost: item Ostrel", 20000, &line)) << host.Output();
  ASSERT_TRUE(ParseItemLine(line, &before));
  EXPECT_EQ(before.height, Figures("default.height").at(0));
  // Without a settings program in the item's folder the options only close.
  EXPECT_TRUE(host.WaitForLine("todayhost: options of Ostrel closed", 10000, &line)) << host.Output();
  EXPECT_FALSE(FileExists(folder + L"ostrelcfg.exe.ran"));

  ASSERT_TRUE(ImportReg(DataFolder() + L"time_hidden.reg"));
  // As the settings program broadcasts it, through the controls layer.
  EXPECT_TRUE(pf::PostMessageW(pf::win32::FromHwnd(HWND_BROADCAST), WM_SETTINGCHANGE, 0xF2, 0));
  ItemLine after;
  ASSERT_TRUE(host.WaitForLine("todayhost: item Ostrel", 10000, &line)) << host.Output();
  ASSERT_TRUE(ParseItemLine(line, &after));
  EXPECT_EQ(after.height, Figures("time_hidden.height").at(0)) << "the clock block is gone";

  HWND window = ::FindWindowW(L"OstrelTodayHost", nullptr);
  ASSERT_NE(window, nullptr);
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(host.Finish(kHostRunMs), 0) << host.Output();
}

// A block of absurd height: the platform sizes the item's window to at most
// 32767 pixels; the item paints into it, takes keys and shows in the screenshot.
TEST_F(TodayHost, AnItemOfAbsurdHeightIsSizedAndPaintedWithoutACrash) {
  const std::wstring folder = FreshFolder(L"absurd");
  CopyItemFiles(folder);
  RegisterItem(folder);
  ASSERT_TRUE(ImportReg(DataFolder() + L"huge_height.reg"));
  const std::wstring shot = TestFolder() + L"absurd" + std::to_wstring(ScreenDpi()) + L".png";
  ::DeleteFileW(shot.c_str());
  Program host;
  ASSERT_TRUE(host.Start(HostCommand(L"--screenshot \"" + shot + L"\" --after 1500 --script \"select; key right\" "
                                     L"--exit-after 3000")));
  ASSERT_EQ(host.Finish(kHostRunMs), 0) << host.Output();
  std::string line;
  ItemLine item;
  ASSERT_TRUE(host.WaitForLine("todayhost: item Ostrel", 0, &line)) << host.Output();
  ASSERT_TRUE(ParseItemLine(line, &item)) << line;
  EXPECT_EQ(item.height, 0x7FFFFFFF) << "the item asks for all of it";
  Picture picture;
  EXPECT_TRUE(LoadPicture(shot, &picture)) << host.Output();
}

// The program a shortcut file starts, read back through the shell's own link object.
std::wstring ShortcutTarget(const std::wstring& file) {
  IShellLinkW* link = nullptr;
  IPersistFile* persist = nullptr;
  wchar_t target[MAX_PATH] = {};
  if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
      SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
    link->GetPath(target, MAX_PATH, nullptr, 0);
  }
  if (persist != nullptr) persist->Release();
  if (link != nullptr) link->Release();
  return target;
}

TEST(InstalledFolder, ShortcutsStartThePowerAndMemoryPrograms) {
  for (const auto& [name, program] : {std::pair<const wchar_t*, const wchar_t*>{
                                          L"battery.lnk", L"control.exe"},
                                      {L"memory.lnk", L"taskmgr.exe"}}) {
    const std::wstring target = ShortcutTarget(InstallFolder() + name);
    EXPECT_EQ(::lstrcmpiW(target.c_str(), (L"C:\\windows\\system32\\" + std::wstring(program)).c_str()), 0)
        << std::string(target.begin(), target.end());
    EXPECT_TRUE(FileExists(target)) << "the shortcut's program is there";
  }
}

TEST_F(TodayHost, RefusesAScriptItCannotPlayBeforeShowingAnything) {
  for (const wchar_t* script : {L"tap 10", L"key sideways", L"advance 60", L"menu 70000", L"jump 1 2"}) {
    Program host;
    ASSERT_TRUE(host.Start(HostCommand(L"--script \"" + std::wstring(script) + L"\"")));
    EXPECT_EQ(host.Finish(kHostRunMs), 2) << host.Output();
    EXPECT_TRUE(Contains(host, "--script")) << host.Output();
    EXPECT_FALSE(Contains(host, "todayhost: item")) << host.Output();
  }
}

}  // namespace
}  // namespace ostrel::todaytest
