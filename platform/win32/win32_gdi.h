// The real Win32 GDI behind pf::GdiService. Each drawing call of the interface
// gets one forwarding member here and its body in platform/win32/gdi.cpp.
#pragma once

#include "platform/win32/win32.h"

namespace pf::win32 {

class Win32Gdi : public pf::GdiService {
 public:
  pf::SurfaceHandle GetDC(pf::WindowHandle window) override;
  int GetDeviceCaps(pf::SurfaceHandle surface, int index) override;
  int ReleaseDC(pf::WindowHandle window, pf::SurfaceHandle surface) override;
};

Win32Gdi& Win32Screen();

}  // namespace pf::win32
