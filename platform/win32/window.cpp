// The window operations forwarded to the real ones (the tap-and-hold gesture in platform/win32/gesture.cpp).
#include "platform/win32/win32.h"

#include <map>

namespace pf::win32 {

std::uint32_t RecognizeGesture(pf::SHRGINFO* info);

class Win32Windows : public pf::WindowService {
 public:
  int InvalidateRect(pf::WindowHandle window, const pf::RECT* rect, int erase) override {
    if (rect == nullptr) return ::InvalidateRect(ToHwnd(window), nullptr, erase ? TRUE : FALSE);
    const ::RECT area = ToWinRect(*rect);
    return ::InvalidateRect(ToHwnd(window), &area, erase ? TRUE : FALSE);
  }

  // The real record stays here between the two calls, kept by its context:
  // its reserved fields belong to the platform.
  pf::SurfaceHandle BeginPaint(pf::WindowHandle window, pf::PAINTSTRUCT* paint) override {
    if (paint == nullptr) return pf::SurfaceHandle{};
    ::PAINTSTRUCT real{};
    HDC dc = ::BeginPaint(ToHwnd(window), &real);
    if (dc == nullptr) return pf::SurfaceHandle{};
    paints_[dc] = real;
    paint->hdc = FromHdc(dc);
    paint->fErase = real.fErase;
    paint->rcPaint = FromWinRect(real.rcPaint);
    return paint->hdc;
  }

  int EndPaint(pf::WindowHandle window, const pf::PAINTSTRUCT* paint) override {
    if (paint == nullptr) return 0;
    auto it = paints_.find(ToHdc(paint->hdc));
    if (it == paints_.end()) return 0;
    const BOOL ok = ::EndPaint(ToHwnd(window), &it->second);
    paints_.erase(it);
    return ok ? 1 : 0;
  }

  std::uintptr_t SetTimer(pf::WindowHandle window, std::uintptr_t id, std::uint32_t elapse,
                          pf::TIMERPROC callback) override {
    // Callbacks are not used by the system; a timer always posts WM_TIMER.
    (void)callback;
    return ::SetTimer(ToHwnd(window), id, elapse, nullptr);
  }

  int KillTimer(pf::WindowHandle window, std::uintptr_t id) override {
    return ::KillTimer(ToHwnd(window), id) ? 1 : 0;
  }

  pf::WindowHandle SetCapture(pf::WindowHandle window) override {
    return FromHwnd(::SetCapture(ToHwnd(window)));
  }

  int ReleaseCapture() override { return ::ReleaseCapture() ? 1 : 0; }

  int GetWindowRect(pf::WindowHandle window, pf::RECT* rect) override {
    ::RECT r{};
    if (rect == nullptr || !::GetWindowRect(ToHwnd(window), &r)) return 0;
    *rect = FromWinRect(r);
    return 1;
  }

  int GetClientRect(pf::WindowHandle window, pf::RECT* rect) override {
    ::RECT r{};
    if (rect == nullptr || !::GetClientRect(ToHwnd(window), &r)) return 0;
    *rect = FromWinRect(r);
    return 1;
  }

  // The platform's result packs the offsets and is 0 for a zero offset too:
  // success is told by the error code instead, and reported as non-zero.
  int MapWindowPoints(pf::WindowHandle from, pf::WindowHandle to, pf::POINT* points,
                      unsigned count) override {
    if (points == nullptr) return 0;
    ::SetLastError(ERROR_SUCCESS);
    const int offsets = ::MapWindowPoints(ToHwnd(from), ToHwnd(to),
                                          reinterpret_cast<::POINT*>(points), count);
    return (offsets != 0 || ::GetLastError() == ERROR_SUCCESS) ? 1 : 0;
  }

  pf::WindowHandle GetParent(pf::WindowHandle window) override {
    return FromHwnd(::GetParent(ToHwnd(window)));
  }

  int ClientToScreen(pf::WindowHandle window, pf::POINT* point) override {
    if (point == nullptr) return 0;
    ::POINT p{point->x, point->y};
    if (!::ClientToScreen(ToHwnd(window), &p)) return 0;
    point->x = p.x;
    point->y = p.y;
    return 1;
  }

  int UnregisterClassW(const char16_t* className, pf::ModuleHandle instance) override {
    return ::UnregisterClassW(W(className), ToReal<HINSTANCE>(instance)) ? 1 : 0;
  }

  pf::MenuHandle CreatePopupMenu() override { return FromHmenu(::CreatePopupMenu()); }

  int AppendMenuW(pf::MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                  const char16_t* text) override {
    return ::AppendMenuW(ToHmenu(menu), flags, id, W(text)) ? 1 : 0;
  }

  int TrackPopupMenuEx(pf::MenuHandle menu, std::uint32_t flags, int x, int y,
                       pf::WindowHandle owner, const void* params) override {
    (void)params;  // no exclusion rectangle is ever given
    return ::TrackPopupMenuEx(ToHmenu(menu), flags, x, y, ToHwnd(owner), nullptr);
  }

  int DestroyMenu(pf::MenuHandle menu) override { return ::DestroyMenu(ToHmenu(menu)) ? 1 : 0; }

  int EndDialog(pf::WindowHandle dialog, std::intptr_t result) override {
    return ::EndDialog(ToHwnd(dialog), result) ? 1 : 0;
  }

  std::uint32_t SHRecognizeGesture(pf::SHRGINFO* info) override { return RecognizeGesture(info); }

 private:
  std::map<HDC, ::PAINTSTRUCT> paints_;
};

}  // namespace pf::win32

namespace pf {

WindowService& PlatformWindows() {
  static win32::Win32Windows windows;
  return windows;
}

}  // namespace pf
