// The item's code on the Win32 layer in this process: many windows made, painted, ticked and destroyed give back every drawing object.
#include "tests/win/today/today_support.h"

#include "plugin/item_window.h"

namespace ostrel::todaytest {
namespace {

LRESULT CALLBACK PlainShell(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == pf::TODAYM_GETCOLOR) return RGB(0, 96, 192);
  if (message == pf::TODAYM_DRAWWATERMARK) return TRUE;
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// One item's life as the shell gives it: creation, the refresh query and
// the resize, paints on screen and into a surface, ticks, selection, pen
// taps, destruction.
void LiveOneItem(HWND shell, HDC surface) {
  pf::TODAYLISTITEM record{};
  const pf::WindowHandle item = InitializeCustomItem(&record, pf::win32::FromHwnd(shell));
  ASSERT_FALSE(pf::IsNull(item));
  HWND window = pf::win32::ToHwnd(item);
  ::SendMessageW(window, pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&record), 0);
  ::MoveWindow(window, 0, 0, 240, static_cast<int>(record.cyp), TRUE);
  ::UpdateWindow(window);
  ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface), PRF_CLIENT);
  ::SendMessageW(window, WM_TIMER, 1, 0);
  ::SendMessageW(window, pf::WM_TODAYCUSTOM_RECEIVEDSELECTION, 0, 0);
  ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface), PRF_CLIENT);
  ::SendMessageW(window, pf::WM_TODAYCUSTOM_USERNAVIGATION, VK_RIGHT, 0);
  ::SendMessageW(window, WM_PAINT, 0, 0);
  ::DestroyWindow(window);
}

TEST(ItemObjects, ManyItemsMadePaintedAndDestroyedGiveBackEveryDrawingObject) {
  DeleteItemKeys();
  // The state images lie next to the module: here, this program.
  const std::wstring folder = TestFolder();
  for (const wchar_t* name : {L"battery", L"memory_ram", L"memory_phone", L"memory_card", L"alarm", L"wifi", L"bt"}) {
    const std::wstring file = std::wstring(name) + std::to_wstring(ScreenDpi()) + L".png";
    ASSERT_TRUE(CopyFromInstall(folder, file)) << "missing " << std::string(file.begin(), file.end());
  }
  // A launcher icon too: icons are drawing objects of the item as well.
  SetRegText(HKEY_CURRENT_USER, std::wstring(kSettingsKey) + L"\\Launcher", L"FileName1",
             L"C:\\windows\\notepad.exe");
  ::SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", L"240x320");
  ASSERT_TRUE(AttachModule(pf::win32::FromHmodule(::GetModuleHandleW(nullptr))));
  ::WNDCLASSW c{};
  c.lpfnWndProc = PlainShell;
  c.hInstance = ::GetModuleHandleW(nullptr);
  c.lpszClassName = L"OstrelPlainShell";
  ::RegisterClassW(&c);
  HWND shell = ::CreateWindowExW(0, L"OstrelPlainShell", L"", WS_OVERLAPPEDWINDOW, 0, 0,
                                 260, 400, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  HDC screen = ::GetDC(nullptr);
  HDC surface = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 240, 400);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(surface, bitmap);

  const pf::DrawingObjectCounts before = pf::LiveDrawingObjectCounts();
  pf::TODAYLISTITEM record{};
  const pf::WindowHandle alive = InitializeCustomItem(&record, pf::win32::FromHwnd(shell));
  EXPECT_GT(pf::LiveDrawingObjectCounts().bitmaps, before.bitmaps) << "the state images are held";
  EXPECT_GT(pf::LiveDrawingObjectCounts().icons, before.icons) << "the launcher icon is held";
  ::DestroyWindow(pf::win32::ToHwnd(alive));
  for (int i = 0; i < 25; ++i) LiveOneItem(shell, surface);
  const pf::DrawingObjectCounts after = pf::LiveDrawingObjectCounts();
  EXPECT_EQ(after.fonts, before.fonts);
  EXPECT_EQ(after.bitmaps, before.bitmaps);
  EXPECT_EQ(after.surfaces, before.surfaces);
  EXPECT_EQ(after.icons, before.icons);

  ::SelectObject(surface, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(surface);
  ::DestroyWindow(shell);
  DetachModule();
  ::SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", nullptr);
  DeleteItemKeys();
}

}  // namespace
}  // namespace ostrel::todaytest
