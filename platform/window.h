// Window service: repaint requests, painting, timers, capture, geometry and parents, classes, pop-up menus, dialogs and the tap-and-hold gesture.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace pf {

// Messages of the item window that the controls service does not name.
constexpr std::uint32_t WM_ERASEBKGND = 0x0014;
constexpr std::uint32_t WM_INITDIALOG = 0x0110;
constexpr std::uint32_t WM_TIMER = 0x0113;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;

// Virtual keys of the navigation pad.
constexpr unsigned VK_LEFT = 0x25;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_DOWN = 0x28;

// Class style: double clicks are delivered as WM_LBUTTONDBLCLK.
constexpr std::uint32_t CS_DBLCLKS = 0x0008;

// Pop-up menus.
constexpr std::uint32_t MF_STRING = 0x0000;
constexpr std::uint32_t TPM_RETURNCMD = 0x0100;

// The tap-and-hold gesture.
constexpr std::uint32_t SHRG_RETURNCMD = 0x00000001;
constexpr std::uint32_t GN_CONTEXTMENU = 1000;

struct SHRGINFO {
  std::uint32_t cbSize = 0;
  WindowHandle hwndClient{};
  POINT ptDown;
  std::uint32_t dwFlags = 0;
};

struct PAINTSTRUCT {
  SurfaceHandle hdc{};
  int fErase = 0;
  RECT rcPaint;
};

using TIMERPROC = void (*)(WindowHandle window, std::uint32_t message, std::uintptr_t id,
                           std::uint32_t time);

class WindowService {
 public:
  virtual ~WindowService() = default;
  // rect null = the whole client area; erase non-zero also erases the
  // background on the next paint. Returns non-zero on success.
  virtual int InvalidateRect(WindowHandle window, const RECT* rect, int erase) = 0;

  // Painting: the window's context for the area to repaint, valid until EndPaint.
  virtual SurfaceHandle BeginPaint(WindowHandle window, PAINTSTRUCT* paint) = 0;
  virtual int EndPaint(WindowHandle window, const PAINTSTRUCT* paint) = 0;

  // Timers: WM_TIMER with wParam id every `elapse` milliseconds (no callback).
  virtual std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t elapse,
                                  TIMERPROC callback) = 0;
  virtual int KillTimer(WindowHandle window, std::uintptr_t id) = 0;

  // Pen capture: the window keeps the pen's messages until released.
  virtual WindowHandle SetCapture(WindowHandle window) = 0;
  virtual int ReleaseCapture() = 0;

  // Geometry and the window tree.
  virtual int GetWindowRect(WindowHandle window, RECT* rect) = 0;
  virtual int GetClientRect(WindowHandle window, RECT* rect) = 0;
  // Converts points from one window's client coordinates to another's (null: the screen).
  virtual int MapWindowPoints(WindowHandle from, WindowHandle to, POINT* points,
                              unsigned count) = 0;
  // Client coordinates of the window to screen coordinates.
  virtual int ClientToScreen(WindowHandle window, POINT* point) = 0;
  virtual WindowHandle GetParent(WindowHandle window) = 0;
  virtual int UnregisterClassW(const char16_t* className, ModuleHandle instance) = 0;

  // Pop-up menus. Without TPM_RETURNCMD the chosen entry arrives as
  // WM_COMMAND at the owner window; x and y are screen coordinates.
  virtual MenuHandle CreatePopupMenu() = 0;
  virtual int AppendMenuW(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                          const char16_t* text) = 0;
  virtual int TrackPopupMenuEx(MenuHandle menu, std::uint32_t flags, int x, int y,
                               WindowHandle owner, const void* params) = 0;
  virtual int DestroyMenu(MenuHandle menu) = 0;

  virtual int EndDialog(WindowHandle dialog, std::intptr_t result) = 0;

  // Waits while the pen stays down: GN_CONTEXTMENU for a tap-and-hold, 0
  // when the pen moved or was lifted first.
  virtual std::uint32_t SHRecognizeGesture(SHRGINFO* info) = 0;
};

WindowService& Windows();
void SetWindows(WindowService* service);
WindowService& PlatformWindows();

inline int InvalidateRect(WindowHandle window, const RECT* rect, int erase) {
  return Windows().InvalidateRect(window, rect, erase);
}
inline SurfaceHandle BeginPaint(WindowHandle window, PAINTSTRUCT* paint) {
  return Windows().BeginPaint(window, paint);
}
inline int EndPaint(WindowHandle window, const PAINTSTRUCT* paint) {
  return Windows().EndPaint(window, paint);
}
inline std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t elapse,
                               TIMERPROC callback) {
  return Windows().SetTimer(window, id, elapse, callback);
}
inline int KillTimer(WindowHandle window, std::uintptr_t id) {
  return Windows().KillTimer(window, id);
}
inline WindowHandle SetCapture(WindowHandle window) { return Windows().SetCapture(window); }
inline int ReleaseCapture() { return Windows().ReleaseCapture(); }
inline int GetWindowRect(WindowHandle w, RECT* r) { return Windows().GetWindowRect(w, r); }
inline int GetClientRect(WindowHandle w, RECT* r) { return Windows().GetClientRect(w, r); }
inline int MapWindowPoints(WindowHandle from, WindowHandle to, POINT* points, unsigned count) {
  return Windows().MapWindowPoints(from, to, points, count);
}
inline WindowHandle GetParent(WindowHandle window) { return Windows().GetParent(window); }
inline int ClientToScreen(WindowHandle window, POINT* point) {
  return Windows().ClientToScreen(window, point);
}
inline int UnregisterClassW(const char16_t* className, ModuleHandle instance) {
  return Windows().UnregisterClassW(className, instance);
}
inline MenuHandle CreatePopupMenu() { return Windows().CreatePopupMenu(); }
inline int AppendMenuW(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                       const char16_t* text) {
  return Windows().AppendMenuW(menu, flags, id, text);
}
inline int TrackPopupMenuEx(MenuHandle menu, std::uint32_t flags, int x, int y, WindowHandle owner,
                            const void* params) {
  return Windows().TrackPopupMenuEx(menu, flags, x, y, owner, params);
}
inline int DestroyMenu(MenuHandle menu) { return Windows().DestroyMenu(menu); }
inline int EndDialog(WindowHandle dialog, std::intptr_t result) {
  return Windows().EndDialog(dialog, result);
}
inline std::uint32_t SHRecognizeGesture(SHRGINFO* info) { return Windows().SHRecognizeGesture(info); }

}  // namespace pf
