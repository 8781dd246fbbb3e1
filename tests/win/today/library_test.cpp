// ostrel.dll as the shell sees it: ordinal-only exports, its resources, the module entry's class, and the item driven through the exports.
#include "tests/win/today/today_support.h"

namespace ostrel::todaytest {
namespace {

constexpr COLORREF kHighlight = RGB(0, 96, 192);
constexpr COLORREF kWatermark = RGB(20, 40, 60);
constexpr COLORREF kWhite = RGB(255, 255, 255);

using InitializeProc = HWND(WINAPI*)(pf::TODAYLISTITEM*, HWND);

// A Today window of the test's own: the highlight color and a plain watermark.
LRESULT CALLBACK ShellProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == pf::TODAYM_GETCOLOR && wParam == pf::TODAYCOLOR_HIGHLIGHT) return kHighlight;
  if (message == pf::TODAYM_DRAWWATERMARK) {
    const auto* info = reinterpret_cast<const pf::TODAYDRAWWATERMARKINFO*>(lParam);
    HDC dc = pf::win32::ToHdc(info->hdc);
    const ::RECT area = pf::win32::ToWinRect(info->rc);
    const COLORREF old = ::SetBkColor(dc, kWatermark);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    ::SetBkColor(dc, old);
    return TRUE;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeShell() {
  ::WNDCLASSW shell{};
  shell.lpfnWndProc = ShellProc;
  shell.hInstance = ::GetModuleHandleW(nullptr);
  shell.lpszClassName = L"OstrelTestShell";
  ::RegisterClassW(&shell);
  return ::CreateWindowExW(0, L"OstrelTestShell", L"Today", WS_OVERLAPPEDWINDOW, 0, 0,
                           300, 400, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

class Library : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new std::wstring(FreshFolder(L"library"));
    CopyItemFiles(*folder_);
  }
  static void TearDownTestSuite() { delete folder_; }

  void SetUp() override { DeleteItemKeys(); }
  void TearDown() override {
    if (module_ != nullptr) ::FreeLibrary(module_);
    DeleteItemKeys();
  }

  HMODULE Load() {
    module_ = ::LoadLibraryW((*folder_ + L"ostrel.dll").c_str());
    return module_;
  }

  static std::wstring* folder_;
  HMODULE module_ = nullptr;
};

std::wstring* Library::folder_ = nullptr;

TEST_F(Library, ExportsOnlyItsTwoOrdinals) {
  ASSERT_NE(Load(), nullptr);
  EXPECT_NE(::GetProcAddress(module_, MAKEINTRESOURCEA(240)), nullptr);
  EXPECT_NE(::GetProcAddress(module_, MAKEINTRESOURCEA(241)), nullptr);
  EXPECT_EQ(::GetProcAddress(module_, MAKEINTRESOURCEA(239)), nullptr);
  EXPECT_EQ(::GetProcAddress(module_, MAKEINTRESOURCEA(242)), nullptr);
  EXPECT_EQ(::GetProcAddress(module_, "InitializeCustomItem"), nullptr);
  EXPECT_EQ(::GetProcAddress(module_, "CustomItemOptionsDlgProc"), nullptr);
  EXPECT_EQ(::GetProcAddress(module_, "DllMain"), nullptr);
}

const BYTE* Resource(HMODULE module, LPCWSTR name, LPCWSTR type, DWORD* size) {
  HRSRC found = ::FindResourceW(module, name, type);
  if (found == nullptr) return nullptr;
  *size = ::SizeofResource(module, found);
  return static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
}

std::wstring TextAt(const BYTE*& p) {
  std::wstring text(reinterpret_cast<const wchar_t*>(p));
  p += (text.size() + 1) * sizeof(wchar_t);
  return text;
}

TEST_F(Library, CarriesTheDensityFlagTheOptionsDialogAndAVersion) {
  ASSERT_NE(Load(), nullptr);
  DWORD size = 0;
  const BYTE* flag = Resource(module_, L"HI_RES_AWARE", L"CEUX", &size);
  ASSERT_NE(flag, nullptr);
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(*reinterpret_cast<const WORD*>(flag), 1);

  const BYTE* dialog = Resource(module_, MAKEINTRESOURCEW(500), MAKEINTRESOURCEW(5), &size);
  ASSERT_NE(dialog, nullptr);
  const WORD* words = reinterpret_cast<const WORD*>(dialog);
  ASSERT_EQ(words[0], 1);  // DLGTEMPLATEEX
  ASSERT_EQ(words[1], 0xFFFF);
  const DWORD* longs = reinterpret_cast<const DWORD*>(dialog + 4);
  EXPECT_EQ(longs[1], 0x80000000u) << "WS_EX_CAPTIONOKBTN";
  EXPECT_EQ(longs[2], static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT | DS_CONTROL));
  const WORD* shape = reinterpret_cast<const WORD*>(dialog + 16);
  EXPECT_EQ(shape[0], 0) << "no controls";
  EXPECT_EQ(shape[3], 164);
  EXPECT_EQ(shape[4], 199);
  const BYTE* p = dialog + 26;
  EXPECT_EQ(*reinterpret_cast<const WORD*>(p), 0) << "no menu";
  p += 2;
  EXPECT_EQ(*reinterpret_cast<const WORD*>(p), 0) << "the standard dialog class";
  p += 2;
  EXPECT_EQ(TextAt(p), L"Settings");
  EXPECT_EQ(*reinterpret_cast<const WORD*>(p), 8) << "point size";
  p += 6;  // size, weight, italic, character set
  EXPECT_EQ(TextAt(p), L"MS Sans Serif");

  EXPECT_NE(Resource(module_, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16), &size), nullptr);
}

TEST_F(Library, AttachRegistersTheItemClassAndDetachRemovesIt) {
  ASSERT_NE(Load(), nullptr);
  ::WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  ASSERT_TRUE(::GetClassInfoExW(module_, L"Ostrel", &c));
  EXPECT_EQ(c.style, static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(c.hbrBackground, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(c.hIcon, nullptr);
  EXPECT_EQ(c.hCursor, nullptr);
  EXPECT_EQ(c.cbClsExtra, 0);
  EXPECT_EQ(c.cbWndExtra, 0);
  HMODULE loaded = module_;
  ASSERT_TRUE(::FreeLibrary(module_));
  module_ = nullptr;
  EXPECT_FALSE(::GetClassInfoExW(loaded, L"Ostrel", &c));
}

// When the class cannot be registered (a class "Ostrel" of the module's own
// handle still has a window, so it cannot be replaced) the library refuses
// to load; once the window is gone it loads again.
TEST_F(Library, AFailedClassRegistrationFailsTheLoad) {
  ASSERT_NE(Load(), nullptr);
  HMODULE base = module_;
  ::FreeLibrary(module_);
  module_ = nullptr;
  ::WNDCLASSW squatter{};
  squatter.lpfnWndProc = ::DefWindowProcW;
  squatter.hInstance = base;
  squatter.lpszClassName = L"Ostrel";
  ASSERT_TRUE(::RegisterClassW(&squatter));
  HWND window = ::CreateWindowExW(0, L"Ostrel", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, base,
                                  nullptr);
  ASSERT_NE(window, nullptr);
  HMODULE refused = ::LoadLibraryW((*folder_ + L"ostrel.dll").c_str());
  if (refused != nullptr) {
    ADD_FAILURE() << "loaded although its class could not be registered"
                  << (refused != base ? " (it was mapped at another address)" : "");
    ::FreeLibrary(refused);
  }
  ::DestroyWindow(window);
  ::UnregisterClassW(L"Ostrel", base);
  EXPECT_NE(Load(), nullptr);
}

TEST_F(Library, TheItemAnswersTheShellThroughItsExports) {
  ::SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", L"240x320");
  ASSERT_NE(Load(), nullptr);
  auto initialize = reinterpret_cast<InitializeProc>(
      reinterpret_cast<void*>(::GetProcAddress(module_, MAKEINTRESOURCEA(240))));
  auto options = reinterpret_cast<DLGPROC>(
      reinterpret_cast<void*>(::GetProcAddress(module_, MAKEINTRESOURCEA(241))));
  HWND shell = MakeShell();
  pf::TODAYLISTITEM record{};
  HWND item = initialize(&record, shell);
  ::SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", nullptr);
  ASSERT_TRUE(::IsWindow(item));
  wchar_t name[16] = {};
  ::GetClassNameW(item, name, 16);
  EXPECT_EQ(std::wstring(name), L"Ostrel");
  EXPECT_EQ(::GetParent(item), shell);
  EXPECT_EQ(::GetWindowLongW(item, GWL_STYLE) & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
  ::RECT r{};
  ::GetWindowRect(item, &r);
  EXPECT_EQ(r.right - r.left, 240) << "as wide as the device's screen";

  EXPECT_TRUE(::SendMessageW(item, pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&record), 0));
  ASSERT_GT(record.cyp, 0u);
  EXPECT_FALSE(::SendMessageW(item, pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&record), 0));
  const int height = static_cast<int>(record.cyp);
  ::MoveWindow(item, 0, 0, 240, height, TRUE);

  HDC screen = ::GetDC(nullptr);
  HDC frame = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 240, height);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(frame, bitmap);
  ::SendMessageW(item, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(frame), PRF_CLIENT);
  EXPECT_EQ(::GetPixel(frame, 2, height - 1), kWatermark) << "the shell's watermark in the margin";
  EXPECT_GT(CountColor(frame, ::RECT{0, 0, 240, height}, kWhite), 20) << "white texts";
  EXPECT_EQ(::SendMessageW(item, pf::WM_TODAYCUSTOM_RECEIVEDSELECTION, 0, 0), 1);
  ::SendMessageW(item, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(frame), PRF_CLIENT);
  EXPECT_EQ(::GetPixel(frame, 2, height - 1), kHighlight) << "selected: the highlight color";
  EXPECT_EQ(::SendMessageW(item, pf::WM_TODAYCUSTOM_LOSTSELECTION, 0, 0), 1);
  ::SelectObject(frame, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(frame);

  EXPECT_EQ(::SendMessageW(item, pf::WM_TODAYCUSTOM_USERNAVIGATION, VK_UP, 0), 0);
  EXPECT_EQ(::SendMessageW(item, pf::WM_TODAYCUSTOM_USERNAVIGATION, VK_RIGHT, 0), 1);
  EXPECT_EQ(::SendMessageW(item, pf::WM_TODAYCUSTOM_CLEARCACHE, 0, 0), 0);

  // No settings program in the folder: the dialog still closes at once.
  EXPECT_EQ(::DialogBoxParamW(module_, MAKEINTRESOURCEW(500), shell, options, 0), 0);
  ::DestroyWindow(item);
  ::DestroyWindow(shell);
}

}  // namespace
}  // namespace ostrel::todaytest
