// The control libraries and the shell's window helpers: the device's own calls, and on the desktop a soft-key bar built from the menu-bar template.
#include "platform/win32/win32_controls.h"

#ifdef UNDER_CE
#include <aygshell.h>
#include <cstring>
#endif

namespace pf::win32 {

int Win32Controls::InitCommonControls() {
  ::INITCOMMONCONTROLSEX init{};
  init.dwSize = sizeof init;
  init.dwICC = ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES;
  return ::InitCommonControlsEx(&init) ? 1 : 0;
}

#ifdef UNDER_CE

namespace {

// Our record keeps the shell's bit fields (fSipUp, fSipOnDeactivation, ...) in one word.
::SHACTIVATEINFO ToRealActivate(const pf::SHACTIVATEINFO& ours) {
  ::SHACTIVATEINFO real{};
  real.cbSize = sizeof real;
  real.hwndLastFocus = ToHwnd(ours.hwndLastFocus);
  std::memcpy(reinterpret_cast<char*>(&real.hwndLastFocus) + sizeof real.hwndLastFocus,
              &ours.flags, sizeof ours.flags);
  return real;
}

void FromRealActivate(const ::SHACTIVATEINFO& real, pf::SHACTIVATEINFO* ours) {
  ours->hwndLastFocus = FromHwnd(real.hwndLastFocus);
  std::memcpy(&ours->flags,
              reinterpret_cast<const char*>(&real.hwndLastFocus) + sizeof real.hwndLastFocus,
              sizeof ours->flags);
}

}  // namespace

int Win32Controls::SHInitExtraControls() { return ::SHInitExtraControls() ? 1 : 0; }

int Win32Controls::SHCreateMenuBar(pf::SHMENUBARINFO* info) {
  if (info == nullptr) return 0;
  ::SHMENUBARINFO real{};
  real.cbSize = sizeof real;
  real.hwndParent = ToHwnd(info->hwndParent);
  real.dwFlags = info->dwFlags;
  real.nToolBarId = info->nToolBarId;
  real.hInstRes = ToReal<HINSTANCE>(info->hInstRes);
  real.nBmpId = info->nBmpId;
  real.cBmpImages = info->cBmpImages;
  real.clrBk = info->clrBk;
  const BOOL ok = ::SHCreateMenuBar(&real);
  info->hwndMB = ok ? FromHwnd(real.hwndMB) : pf::WindowHandle{};
  return ok ? 1 : 0;
}

int Win32Controls::ToolBarSetButtonInfo(pf::WindowHandle bar, int command,
                                        const pf::TBBUTTONINFOW* info) {
  if (info == nullptr) return 0;
  ::TBBUTTONINFOW real{};
  real.cbSize = sizeof real;
  real.dwMask = info->dwMask;
  real.idCommand = info->idCommand;
  real.iImage = info->iImage;
  real.fsState = info->fsState;
  real.fsStyle = info->fsStyle;
  real.cx = info->cx;
  real.lParam = info->lParam;
  real.pszText = W(info->pszText);
  real.cchText = info->cchText;
  return ToControl(bar, TB_SETBUTTONINFOW, static_cast<WPARAM>(command),
                   reinterpret_cast<LPARAM>(&real))
             ? 1
             : 0;
}

int Win32Controls::SHHandleWMActivate(pf::WindowHandle window, pf::WPARAM wParam,
                                      pf::LPARAM lParam, pf::SHACTIVATEINFO* info,
                                      std::uint32_t flags) {
  if (info == nullptr) return 0;
  ::SHACTIVATEINFO real = ToRealActivate(*info);
  const BOOL ok = ::SHHandleWMActivate(ToHwnd(window), wParam, lParam, &real, flags);
  FromRealActivate(real, info);
  return ok ? 1 : 0;
}

int Win32Controls::SHHandleWMSettingChange(pf::WindowHandle window, pf::WPARAM wParam,
                                           pf::LPARAM lParam, pf::SHACTIVATEINFO* info) {
  if (info == nullptr) return 0;
  ::SHACTIVATEINFO real = ToRealActivate(*info);
  const BOOL ok = ::SHHandleWMSettingChange(ToHwnd(window), wParam, lParam, &real);
  FromRealActivate(real, info);
  return ok ? 1 : 0;
}

#else

namespace {

constexpr const wchar_t* kMenuBarClass = L"OstrelMenuBar";
constexpr const wchar_t* kSipClass = L"SIPPREF";
constexpr int kBarHeight = 26;  // design pixels at 96 dpi
constexpr WORD kEnabledState = 0x04;
constexpr int kCaptionCapacity = 64;

// The module holding this code (the program, or the DLL it is linked into).
HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  ::GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

bool RegisterOnce(const wchar_t* name, ::WNDPROC procedure, UINT style, HBRUSH background) {
  ::WNDCLASSW existing{};
  if (::GetClassInfoW(ThisModule(), name, &existing)) return true;
  ::WNDCLASSW real{};
  real.style = style;
  real.lpfnWndProc = procedure;
  real.hInstance = ThisModule();
  real.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  real.hbrBackground = background;
  real.lpszClassName = name;
  return ::RegisterClassW(&real) != 0;
}

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ::ReleaseDC(nullptr, screen);
  return dpi;
}

// The soft keys side by side across the bar.
void LayOutKeys(HWND bar) {
  ::RECT client{};
  ::GetClientRect(bar, &client);
  int count = 0;
  for (HWND key = ::GetWindow(bar, GW_CHILD); key != nullptr; key = ::GetWindow(key, GW_HWNDNEXT)) {
    ++count;
  }
  if (count == 0) return;
  int index = 0;
  for (HWND key = ::GetWindow(bar, GW_CHILD); key != nullptr; key = ::GetWindow(key, GW_HWNDNEXT)) {
    const int left = client.right * index / count;
    const int right = client.right * (index + 1) / count;
    ::MoveWindow(key, left, 0, right - left, client.bottom, TRUE);
    ++index;
  }
}

// A soft key's command goes to the bar's owner, as the device's bar sends it.
LRESULT CALLBACK MenuBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    HWND owner = ::GetWindow(bar, GW_OWNER);
    if (owner != nullptr) ::SendMessageW(owner, WM_COMMAND, MAKEWPARAM(LOWORD(wParam), 0), 0);
    return 0;
  }
  if (message == WM_SIZE) {
    LayOutKeys(bar);
    return 0;
  }
  return ::DefWindowProcW(bar, message, wParam, lParam);
}

// The menu-bar template (RCDATA, 16-bit words): the menu id, the button
// count, then seven words per button: image, command, state, style, string
// id, 0, submenu. Each button becomes a push button with the string as its
// caption; false when the template is missing or short.
bool AddSoftKeys(HWND bar, HINSTANCE resources, UINT templateId) {
  HRSRC found = ::FindResourceW(resources, MAKEINTRESOURCEW(templateId), RT_RCDATA);
  HGLOBAL loaded = found != nullptr ? ::LoadResource(resources, found) : nullptr;
  const WORD* words = loaded != nullptr ? static_cast<const WORD*>(::LockResource(loaded)) : nullptr;
  const DWORD size = found != nullptr ? ::SizeofResource(resources, found) : 0;
  if (words == nullptr || size < 4 || size < (2u + 7u * words[1]) * sizeof(WORD)) return false;
  HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  for (WORD i = 0; i < words[1]; ++i) {
    const WORD* button = words + 2 + 7 * i;
    wchar_t caption[kCaptionCapacity] = {};
    if (button[4] != 0) ::LoadStringW(resources, button[4], caption, kCaptionCapacity);
    DWORD style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
    if ((button[2] & kEnabledState) == 0) style |= WS_DISABLED;
    HWND key = ::CreateWindowExW(0, L"BUTTON", caption, style, 0, 0, 0, 0, bar,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button[1])),
                                 ThisModule(), nullptr);
    if (key == nullptr) return false;
    ::SendMessageW(key, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  return true;
}

bool IsMenuBar(HWND window) {
  wchar_t name[32] = {};
  return ::GetClassNameW(window, name, 32) > 0 && ::lstrcmpiW(name, kMenuBarClass) == 0;
}

}  // namespace

// There is no input panel on the desktop: "SIPPREF" is an empty class of
// every module.
int Win32Controls::SHInitExtraControls() {
  return RegisterOnce(kSipClass, ::DefWindowProcW, CS_GLOBALCLASS, nullptr) ? 1 : 0;
}

// The bar lies over the bottom edge of its owner, as wide as the owner.
int Win32Controls::SHCreateMenuBar(pf::SHMENUBARINFO* info) {
  if (info == nullptr) return 0;
  info->hwndMB = pf::WindowHandle{};
  HWND owner = ToHwnd(info->hwndParent);
  ::RECT area{};
  if (!::IsWindow(owner) || !::GetWindowRect(owner, &area)) return 0;
  if (!RegisterOnce(kMenuBarClass, MenuBarProc, 0, ::GetSysColorBrush(COLOR_BTNFACE))) return 0;
  const int height = kBarHeight * ScreenDpi() / 96;
  HWND bar = ::CreateWindowExW(0, kMenuBarClass, L"", WS_POPUP | WS_VISIBLE, area.left,
                               area.bottom - height, area.right - area.left, height, owner,
                               nullptr, ThisModule(), nullptr);
  if (bar == nullptr) return 0;
  HINSTANCE resources = ToReal<HINSTANCE>(info->hInstRes);
  if (!AddSoftKeys(bar, resources != nullptr ? resources : ::GetModuleHandleW(nullptr),
                   info->nToolBarId)) {
    ::DestroyWindow(bar);
    return 0;
  }
  LayOutKeys(bar);
  info->hwndMB = FromHwnd(bar);
  return 1;
}

int Win32Controls::ToolBarSetButtonInfo(pf::WindowHandle bar, int command,
                                        const pf::TBBUTTONINFOW* info) {
  HWND real = ToHwnd(bar);
  if (info == nullptr || !IsMenuBar(real)) return 0;
  HWND key = ::GetDlgItem(real, command);
  if (key == nullptr) return 0;
  if ((info->dwMask & TBIF_TEXT) && info->pszText != nullptr) ::SetWindowTextW(key, W(info->pszText));
  if (info->dwMask & TBIF_COMMAND) ::SetWindowLongPtrW(key, GWLP_ID, info->idCommand);
  return 1;
}

// No input panel opens or closes on the desktop: nothing to resize.
int Win32Controls::SHHandleWMActivate(pf::WindowHandle, pf::WPARAM, pf::LPARAM,
                                      pf::SHACTIVATEINFO* info, std::uint32_t) {
  return info != nullptr ? 1 : 0;
}

int Win32Controls::SHHandleWMSettingChange(pf::WindowHandle, pf::WPARAM, pf::LPARAM,
                                           pf::SHACTIVATEINFO* info) {
  return info != nullptr ? 1 : 0;
}

#endif

}  // namespace pf::win32
