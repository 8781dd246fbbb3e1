// The hand-over with the Today shell stand-in: the item's options start the settings program from the item's folder, and its save makes the running host rebuild the item with the new settings.
#include "tests/win/config/cfg_win_support.h"

#include <cstdlib>

namespace ostrel::cfgtest {
namespace {

using namespace ostrel::cfg;

using TodayReload = ProgramTest;

// "todayhost: item Ostrel height 87 at 0,24 width 240" -> 87; -1 for another line.
int HeightIn(const std::string& line) {
  const std::string prefix = "todayhost: item Ostrel height ";
  if (line.compare(0, prefix.size(), prefix) != 0) return -1;
  return std::atoi(line.c_str() + prefix.size());
}

// Asks the host's window to close, as a person would.
void CloseHost(const Process& host) {
  struct Search {
    DWORD id;
    std::vector<HWND> windows;
  } search{host.Id(), {}};
  ::EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == s->id && ::GetWindow(window, GW_OWNER) == nullptr) s->windows.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  for (HWND window : search.windows) ::PostMessageW(window, WM_CLOSE, 0, 0);
}

TEST_F(TodayReload, TheItemsOptionsStartTheProgramAndItsSaveRebuildsTheItemWithoutTheHiddenBlock) {
  WriteNumber(HKEY_LOCAL_MACHINE, kItemKey, L"Type", 4);
  WriteText(HKEY_LOCAL_MACHINE, kItemKey, L"DLL", Paths().library);
  WriteNumber(HKEY_LOCAL_MACHINE, kItemKey, L"Enabled", 1);
  WriteNumber(HKEY_LOCAL_MACHINE, kItemKey, L"Options", 1);
  WriteNumber(HKEY_LOCAL_MACHINE, kItemKey, L"Order", 0);
  WriteNumber(HKEY_LOCAL_MACHINE, kItemKey, L"Selectability", 2);

  Process host;
  const std::wstring size = std::to_wstring(DeviceWidth()) + L"x" + std::to_wstring(DeviceHeight());
  ASSERT_TRUE(host.Start(L"\"" + Paths().todayhost + L"\" --size " + size + L" --script options",
                         true));
  std::string line;
  ASSERT_TRUE(host.WaitForLine("todayhost: item Ostrel height", 30000, &line)) << host.Output();
  const int before = HeightIn(line);
  EXPECT_GT(before, 0) << line;

  // The options dialog closed at once and started the program beside the library.
  HWND main = WaitForSettingsWindow(0, 30000);
  ASSERT_NE(main, nullptr) << "the item's options did not start the settings program\n"
                           << host.Output();
  SettingsWindow w(main);
  EXPECT_EQ(Utf8(w.RowText(GeneralList, 0, 1)), "да") << "the installed item is enabled";
  w.TapTab(1);
  const int timeRow = w.RowOf(PagesList, L"Часы");
  w.Check(PagesList, timeRow, false);
  w.Ok();

  ASSERT_TRUE(host.WaitForLine("todayhost: item Ostrel height", 30000, &line))
      << "the host did not rebuild its item\n" << host.Output();
  const int after = HeightIn(line);
  EXPECT_GT(after, 0) << line;
  EXPECT_LT(after, before) << "the clock's band is gone from the item";
  EXPECT_EQ(SettingsWindowCount(), 0) << "the program ended after its save";

  CloseHost(host);
  EXPECT_EQ(host.Wait(20000), 0) << host.Output();
}

}  // namespace
}  // namespace ostrel::cfgtest
