// Host stand-in for the window service: records what is asked of each window.
#pragma once

#include <vector>

#include "platform/window.h"

namespace pf::host {

struct InvalidateRequest {
  WindowHandle window{};
  bool whole = true;  // no rectangle given: the whole client area
  RECT rect;          // the rectangle given, when not whole
  int erase = 0;
};

class HostWindows : public WindowService {
 public:
  int InvalidateRect(WindowHandle window, const RECT* rect, int erase) override;

  // Repaint requests made for one window, and every request in order.
  int InvalidateCount(WindowHandle window) const;
  const std::vector<InvalidateRequest>& Invalidations() const { return invalidations_; }
  void ClearInvalidations() { invalidations_.clear(); }

 private:
  std::vector<InvalidateRequest> invalidations_;
};

HostWindows& HostWindowService();

}  // namespace pf::host
