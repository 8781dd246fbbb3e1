// Host stand-in for the screen and windows' device contexts: a settable density, window pictures sized by their client area.
#pragma once

#include <functional>
#include <memory>

#include "platform/gdi.h"
#include "platform/host/raster_image.h"

namespace pf::host {

class HostGdi : public GdiService {
 public:
  // GetDC(null) gives a context of the screen (measuring, density; it has no
  // pixels); GetDC(window) a context drawing on the window's picture, sized
  // to the window's client area, null when the window is unknown.
  SurfaceHandle GetDC(WindowHandle window) override;
  int GetDeviceCaps(SurfaceHandle surface, int index) override;
  int ReleaseDC(WindowHandle window, SurfaceHandle surface) override;

  void SetScreenDpi(int dpiX, int dpiY) {
    dpiX_ = dpiX;
    dpiY_ = dpiY;
  }
  int ScreenDpiX() const { return dpiX_; }
  int ScreenDpiY() const { return dpiY_; }
  // Contexts handed out by GetDC (screen and windows) and not yet released.
  int OpenScreenContexts() const { return openContexts_; }
  // How many times the density was asked for.
  int DensityQueries() const { return densityQueries_; }

  // Tells the client size of a window (false: no such window). The window
  // stand-in installs it; GetDC asks it on every call.
  using ClientSizeSource = std::function<bool(WindowHandle window, SIZE* size)>;
  void SetClientSizeSource(ClientSizeSource source) { clientSize_ = std::move(source); }
  const ClientSizeSource& ClientSizes() const { return clientSize_; }
  // The window's picture as the last drawing left it (null before its first
  // GetDC), and dropping it when the window is destroyed.
  std::shared_ptr<const RasterImage> WindowPicture(WindowHandle window) const;
  void ForgetWindow(WindowHandle window);

 private:
  int dpiX_ = 96;
  int dpiY_ = 96;
  int openContexts_ = 0;
  int densityQueries_ = 0;
  ClientSizeSource clientSize_;
};

HostGdi& HostScreen();

}  // namespace pf::host
