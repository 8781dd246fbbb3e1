// Host stand-in for the screen's device context and its density.
#include "platform/host/host_screen.h"

namespace pf::host {

namespace {
constexpr SurfaceHandle kScreenSurface{0x5C4EE};
}

SurfaceHandle HostGdi::GetDC(WindowHandle) {
  ++openContexts_;
  return kScreenSurface;
}

int HostGdi::GetDeviceCaps(SurfaceHandle, int index) {
  ++densityQueries_;
  if (index == LOGPIXELSX) return dpiX_;
  if (index == LOGPIXELSY) return dpiY_;
  return 0;
}

int HostGdi::ReleaseDC(WindowHandle, SurfaceHandle surface) {
  if (surface != kScreenSurface || openContexts_ == 0) return 0;
  --openContexts_;
  return 1;
}

HostGdi& HostScreen() {
  static HostGdi gdi;
  return gdi;
}

}  // namespace pf::host

namespace pf {
GdiService& PlatformGdi() { return host::HostScreen(); }
}  // namespace pf
