// Real windows of our classes: registration with the class trampoline, creation, placement, texts, resources and metrics.
#include "platform/win32/win32_controls.h"

#include <cwchar>
#include <map>
#include <utility>

namespace pf::win32 {

namespace {

// Our procedure of each class registered through this layer, by the class's
// atom and module (two modules may register classes of the same name).
using ClassKey = std::pair<ATOM, HINSTANCE>;

std::map<ClassKey, pf::WNDPROC>& ClassProcedures() {
  static std::map<ClassKey, pf::WNDPROC> procedures;
  return procedures;
}

HINSTANCE ModuleOrProgram(HINSTANCE module) {
  return module != nullptr ? module : ::GetModuleHandleW(nullptr);
}

// The desktop stand-in for the device's screen size. On the device the
// Today item and the settings program fill the screen; on the desktop the
// Today shell stand-in names the screen it plays in the environment of its
// process and of the programs it starts (OSTREL_DEVICE_SCREEN=WxH). Without
// it the desktop's own screen counts.
bool DeviceScreen(int* width, int* height) {
#ifdef UNDER_CE
  (void)width;
  (void)height;
  return false;
#else
  wchar_t text[32] = {};
  const DWORD length = ::GetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", text, 32);
  if (length == 0 || length >= 32) return false;
  wchar_t* end = nullptr;
  const long w = std::wcstol(text, &end, 10);
  if (end == text || *end != L'x') return false;
  const wchar_t* rest = end + 1;
  const long h = std::wcstol(rest, &end, 10);
  if (end == rest || *end != 0 || w <= 0 || h <= 0 || w > 16384 || h > 16384) return false;
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  return true;
#endif
}

// A top-level window that asks for the default place fills the device's
// screen there, without caption or border. On the desktop: the device screen
// the shell stand-in declares, at the desktop's top-left corner, as a pop-up
// (the desktop would give an overlapped window a caption and a frame).
void PlaceOnDeviceScreen(std::uint32_t* style, int* x, int* y, int* width, int* height) {
  int screenWidth = 0;
  int screenHeight = 0;
  if ((*style & (WS_CHILD | WS_POPUP | WS_CAPTION)) != 0 || *x != CW_USEDEFAULT ||
      *width != CW_USEDEFAULT || !DeviceScreen(&screenWidth, &screenHeight)) {
    return;
  }
  *style |= WS_POPUP;
  *x = *y = 0;
  *width = screenWidth;
  *height = screenHeight;
}

// The device's controls write in its scalable system font unless they are
// given another; the desktop's default for them is a bitmap font of one
// size. On the desktop each common control starts with the desktop's
// message font instead, which follows the screen's density. Windows of our
// own classes choose their fonts themselves.
void GiveDeviceControlFont(HWND control) {
#ifdef UNDER_CE
  (void)control;
#else
  static const HFONT font = [] {
    ::NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      return static_cast<HFONT>(nullptr);
    }
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
  }();
  if (font != nullptr && ProcedureOfClass(control) == nullptr) {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
#endif
}

// A resource id (below 0x10000) or a name, as the platform takes either.
LPCWSTR ResourceName(std::uintptr_t id) { return reinterpret_cast<LPCWSTR>(id); }

}  // namespace

pf::WNDPROC ProcedureOfClass(HWND window) {
  const ATOM atom = static_cast<ATOM>(::GetClassLongPtrW(window, GCW_ATOM));
  const HINSTANCE module = ModuleOrProgram(
      reinterpret_cast<HINSTANCE>(::GetClassLongPtrW(window, GCLP_HMODULE)));
  const auto& procedures = ClassProcedures();
  auto found = procedures.find(ClassKey(atom, module));
  return found == procedures.end() ? nullptr : found->second;
}

// The real class gets the trampoline as its procedure; ours is kept for it.
std::uint16_t Win32Controls::RegisterClassW(const pf::WNDCLASSW* windowClass) {
  if (windowClass == nullptr || windowClass->lpfnWndProc == nullptr) return 0;
  ::WNDCLASSW real{};
  real.style = windowClass->style;
  real.lpfnWndProc = ClassTrampoline;
  real.cbClsExtra = windowClass->cbClsExtra;
  real.cbWndExtra = windowClass->cbWndExtra;
  real.hInstance = ModuleOrProgram(ToReal<HINSTANCE>(windowClass->hInstance));
  real.hIcon = ToHicon(windowClass->hIcon);
  real.hCursor = ToReal<HCURSOR>(windowClass->hCursor);
  real.hbrBackground = reinterpret_cast<HBRUSH>(windowClass->hbrBackground);
  real.lpszMenuName = W(windowClass->lpszMenuName);
  real.lpszClassName = W(windowClass->lpszClassName);
  const ATOM atom = ::RegisterClassW(&real);
  if (atom != 0) ClassProcedures()[ClassKey(atom, real.hInstance)] = windowClass->lpfnWndProc;
  return atom;
}

pf::WindowHandle Win32Controls::CreateWindowExW(std::uint32_t exStyle, const char16_t* className,
                                                const char16_t* windowName, std::uint32_t style,
                                                int x, int y, int width, int height,
                                                pf::WindowHandle parent, std::uintptr_t menuOrId,
                                                pf::ModuleHandle instance, void* param) {
  if (parent == pf::WindowHandle{}) PlaceOnDeviceScreen(&style, &x, &y, &width, &height);
  HWND window = ::CreateWindowExW(exStyle, W(className), W(windowName), style, x, y, width, height,
                                  ToHwnd(parent), reinterpret_cast<HMENU>(menuOrId),
                                  ToReal<HINSTANCE>(instance), param);
  if (window != nullptr && (style & WS_CHILD) != 0) GiveDeviceControlFont(window);
  return FromHwnd(window);
}

int Win32Controls::DestroyWindow(pf::WindowHandle window) {
  return ::DestroyWindow(ToHwnd(window)) ? 1 : 0;
}

int Win32Controls::IsWindow(pf::WindowHandle window) { return ::IsWindow(ToHwnd(window)) ? 1 : 0; }

int Win32Controls::ShowWindow(pf::WindowHandle window, int command) {
  return ::ShowWindow(ToHwnd(window), command) ? 1 : 0;
}

int Win32Controls::UpdateWindow(pf::WindowHandle window) {
  return ::UpdateWindow(ToHwnd(window)) ? 1 : 0;
}

int Win32Controls::EnableWindow(pf::WindowHandle window, int enable) {
  return ::EnableWindow(ToHwnd(window), enable ? TRUE : FALSE) ? 1 : 0;
}

int Win32Controls::IsWindowVisible(pf::WindowHandle window) {
  return ::IsWindowVisible(ToHwnd(window)) ? 1 : 0;
}

int Win32Controls::IsWindowEnabled(pf::WindowHandle window) {
  return ::IsWindowEnabled(ToHwnd(window)) ? 1 : 0;
}

int Win32Controls::MoveWindow(pf::WindowHandle window, int x, int y, int width, int height,
                              int repaint) {
  return ::MoveWindow(ToHwnd(window), x, y, width, height, repaint ? TRUE : FALSE) ? 1 : 0;
}

int Win32Controls::SetWindowPos(pf::WindowHandle window, pf::WindowHandle insertAfter, int x,
                                int y, int cx, int cy, std::uint32_t flags) {
  return ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags) ? 1 : 0;
}

int Win32Controls::SetWindowTextW(pf::WindowHandle window, const char16_t* text) {
  return ::SetWindowTextW(ToHwnd(window), W(text)) ? 1 : 0;
}

int Win32Controls::GetWindowTextW(pf::WindowHandle window, char16_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return 0;
  buffer[0] = 0;
  // Nothing copied is an empty text unless the call set an error.
  ::SetLastError(ERROR_SUCCESS);
  const int copied = ::GetWindowTextW(ToHwnd(window), W(buffer), capacity);
  if (copied > 0 || ::GetLastError() == ERROR_SUCCESS) return copied;
  buffer[0] = 0;
  return -1;
}

pf::WindowHandle Win32Controls::GetDlgItem(pf::WindowHandle parent, int id) {
  return FromHwnd(::GetDlgItem(ToHwnd(parent), id));
}

int Win32Controls::GetDlgCtrlID(pf::WindowHandle window) { return ::GetDlgCtrlID(ToHwnd(window)); }

void Win32Controls::SetWindowFont(pf::WindowHandle window, pf::FontHandle font, int redraw) {
  ToControl(window, WM_SETFONT, reinterpret_cast<WPARAM>(ToHfont(font)), redraw ? TRUE : FALSE);
}

pf::WindowHandle Win32Controls::FindWindowW(const char16_t* className,
                                            const char16_t* windowName) {
  return FromHwnd(::FindWindowW(W(className), W(windowName)));
}

// The device's form "window OR 1" also brings the window's owned windows to
// the front; a desktop handle has no such bit, so it is cleared here.
int Win32Controls::SetForegroundWindow(pf::WindowHandle window) {
#ifdef UNDER_CE
  return ::SetForegroundWindow(ToHwnd(window)) ? 1 : 0;
#else
  const std::uintptr_t plain = static_cast<std::uintptr_t>(window) & ~std::uintptr_t{1};
  return ::SetForegroundWindow(ToHwnd(pf::WindowHandle(plain))) ? 1 : 0;
#endif
}

pf::IconHandle Win32Controls::LoadIconW(pf::ModuleHandle instance, std::uintptr_t resourceId) {
  return FromHicon(::LoadIconW(ToReal<HINSTANCE>(instance), ResourceName(resourceId)));
}

pf::CursorHandle Win32Controls::LoadCursorW(pf::ModuleHandle instance, std::uintptr_t resourceId) {
  return FromReal<pf::CursorHandle>(
      ::LoadCursorW(ToReal<HINSTANCE>(instance), ResourceName(resourceId)));
}

pf::CursorHandle Win32Controls::SetCursor(pf::CursorHandle cursor) {
  return FromReal<pf::CursorHandle>(::SetCursor(ToReal<HCURSOR>(cursor)));
}

int Win32Controls::GetSystemMetrics(int index) {
  int width = 0;
  int height = 0;
  if ((index == SM_CXSCREEN || index == SM_CYSCREEN) && DeviceScreen(&width, &height)) {
    return index == SM_CXSCREEN ? width : height;
  }
  return ::GetSystemMetrics(index);
}

Win32Controls& Win32ControlsService() {
  static Win32Controls controls;
  return controls;
}

}  // namespace pf::win32

namespace pf {
ControlsService& PlatformControls() { return win32::Win32ControlsService(); }
}  // namespace pf
