// The window operations forwarded to the real ones.
#include "platform/win32/win32.h"

namespace pf::win32 {

class Win32Windows : public pf::WindowService {
 public:
  int InvalidateRect(pf::WindowHandle window, const pf::RECT* rect, int erase) override {
    if (rect == nullptr) return ::InvalidateRect(ToHwnd(window), nullptr, erase ? TRUE : FALSE);
    const ::RECT area = ToWinRect(*rect);
    return ::InvalidateRect(ToHwnd(window), &area, erase ? TRUE : FALSE);
  }
};

}  // namespace pf::win32

namespace pf {

WindowService& PlatformWindows() {
  static win32::Win32Windows windows;
  return windows;
}

}  // namespace pf
