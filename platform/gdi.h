// Drawing service (GDI): device contexts and device capabilities.
#pragma once

#include "platform/types.h"

namespace pf {

// GetDeviceCaps indexes.
constexpr int BITSPIXEL = 12;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

class GdiService {
 public:
  virtual ~GdiService() = default;
  // GetDC with a null window gives the screen's context.
  virtual SurfaceHandle GetDC(WindowHandle window) = 0;
  virtual int GetDeviceCaps(SurfaceHandle surface, int index) = 0;
  virtual int ReleaseDC(WindowHandle window, SurfaceHandle surface) = 0;
};

GdiService& Gdi();
void SetGdi(GdiService* service);
GdiService& PlatformGdi();

inline SurfaceHandle GetDC(WindowHandle window) { return Gdi().GetDC(window); }
inline int GetDeviceCaps(SurfaceHandle surface, int index) {
  return Gdi().GetDeviceCaps(surface, index);
}
inline int ReleaseDC(WindowHandle window, SurfaceHandle surface) {
  return Gdi().ReleaseDC(window, surface);
}

// The screen's density along an axis (LOGPIXELSX or LOGPIXELSY), in dots per
// inch, asked anew on every call: the screen may change while a program runs.
// 0 when the platform gives no screen context.
inline int ScreenDensity(int axis) {
  SurfaceHandle screen = GetDC(WindowHandle{});
  if (IsNull(screen)) return 0;
  const int dpi = GetDeviceCaps(screen, axis);
  ReleaseDC(WindowHandle{}, screen);
  return dpi;
}

}  // namespace pf
