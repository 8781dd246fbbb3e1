// Host stand-in for the screen's and windows' device contexts and the screen density.
#include "platform/host/host_screen.h"

#include "platform/host/call_faults.h"
#include "platform/host/raster_objects.h"

namespace pf::host {

SurfaceHandle HostGdi::GetDC(WindowHandle window) {
  if (CallFails("GetDC")) return SurfaceHandle{};
  SurfaceRecord context;
  context.kind = SurfaceKind::Screen;
  context.font = Objects().SystemFont();
  context.brush = Objects().Stock(WHITE_BRUSH);
  context.pen = Objects().Stock(BLACK_PEN);
  if (!IsNull(window)) {
    SIZE size;
    if (!clientSize_ || !clientSize_(window, &size)) return SurfaceHandle{};
    context.kind = SurfaceKind::Window;
    context.window = window;
    Objects().WindowPicture(window, size);
  }
  ++openContexts_;
  return Objects().AddSurface(context);
}

int HostGdi::GetDeviceCaps(SurfaceHandle surface, int index) {
  SurfaceRecord* record = Objects().Surface(surface);
  if (record == nullptr) return 0;
  if (index == LOGPIXELSX || index == LOGPIXELSY) {
    ++densityQueries_;
    return index == LOGPIXELSX ? dpiX_ : dpiY_;
  }
  if (index == BITSPIXEL) {
    RasterImage* target = Objects().Target(*record);
    return target != nullptr ? target->BitsPerPixel() : 32;
  }
  return 0;
}

int HostGdi::ReleaseDC(WindowHandle window, SurfaceHandle surface) {
  SurfaceRecord* record = Objects().Surface(surface);
  if (record == nullptr || record->kind == SurfaceKind::Memory || record->window != window) {
    Objects().Fault("ReleaseDC: not a context of this window from GetDC");
    return 0;
  }
  Objects().RemoveSurface(surface);
  --openContexts_;
  return 1;
}

std::shared_ptr<const RasterImage> HostGdi::WindowPicture(WindowHandle window) const {
  return Objects().ExistingWindowPicture(window);
}

void HostGdi::ForgetWindow(WindowHandle window) { Objects().ForgetWindow(window); }

HostGdi& HostScreen() {
  static HostGdi gdi;
  return gdi;
}

}  // namespace pf::host

namespace pf {
GdiService& PlatformGdi() { return host::HostScreen(); }
}  // namespace pf
