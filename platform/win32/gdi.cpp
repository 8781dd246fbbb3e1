// GDI calls forwarded to the real Win32 ones.
#include "platform/win32/win32_gdi.h"

namespace pf::win32 {

pf::SurfaceHandle Win32Gdi::GetDC(pf::WindowHandle window) {
  return FromHdc(::GetDC(ToHwnd(window)));
}

int Win32Gdi::GetDeviceCaps(pf::SurfaceHandle surface, int index) {
  return ::GetDeviceCaps(ToHdc(surface), index);
}

int Win32Gdi::ReleaseDC(pf::WindowHandle window, pf::SurfaceHandle surface) {
  return ::ReleaseDC(ToHwnd(window), ToHdc(surface));
}

Win32Gdi& Win32Screen() {
  static Win32Gdi gdi;
  return gdi;
}

}  // namespace pf::win32

namespace pf {
GdiService& PlatformGdi() { return win32::Win32Screen(); }
}  // namespace pf
