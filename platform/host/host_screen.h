// Host stand-in for the screen: a settable density and counted device contexts.
#pragma once

#include "platform/gdi.h"

namespace pf::host {

class HostGdi : public GdiService {
 public:
  SurfaceHandle GetDC(WindowHandle window) override;
  int GetDeviceCaps(SurfaceHandle surface, int index) override;
  int ReleaseDC(WindowHandle window, SurfaceHandle surface) override;

  void SetScreenDpi(int dpiX, int dpiY) {
    dpiX_ = dpiX;
    dpiY_ = dpiY;
  }
  int ScreenDpiX() const { return dpiX_; }
  int ScreenDpiY() const { return dpiY_; }
  // Screen contexts handed out and not yet released.
  int OpenScreenContexts() const { return openContexts_; }
  // How many times the density was asked for.
  int DensityQueries() const { return densityQueries_; }

 private:
  int dpiX_ = 96;
  int dpiY_ = 96;
  int openContexts_ = 0;
  int densityQueries_ = 0;
};

HostGdi& HostScreen();

}  // namespace pf::host
