// Host stand-in for the window operations.
#include "platform/host/host_window.h"

namespace pf::host {

int HostWindows::InvalidateRect(WindowHandle window, const RECT* rect, int erase) {
  InvalidateRequest request;
  request.window = window;
  request.whole = rect == nullptr;
  if (rect != nullptr) request.rect = *rect;
  request.erase = erase;
  invalidations_.push_back(request);
  return 1;
}

int HostWindows::InvalidateCount(WindowHandle window) const {
  int count = 0;
  for (const InvalidateRequest& request : invalidations_) {
    if (request.window == window) ++count;
  }
  return count;
}

HostWindows& HostWindowService() {
  static HostWindows windows;
  return windows;
}

}  // namespace pf::host

namespace pf {
WindowService& PlatformWindows() { return host::HostWindowService(); }
}  // namespace pf
