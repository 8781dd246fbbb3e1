// Window service: the window operations the system uses.
#pragma once

#include "platform/types.h"

namespace pf {

class WindowService {
 public:
  virtual ~WindowService() = default;
  // rect null = the whole client area; erase non-zero also erases the
  // background on the next paint. Returns non-zero on success.
  virtual int InvalidateRect(WindowHandle window, const RECT* rect, int erase) = 0;
};

WindowService& Windows();
void SetWindows(WindowService* service);
WindowService& PlatformWindows();

inline int InvalidateRect(WindowHandle window, const RECT* rect, int erase) {
  return Windows().InvalidateRect(window, rect, erase);
}

}  // namespace pf
