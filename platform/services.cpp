// The process-wide current implementation of each platform service: the one a
// test or a tool installed with SetX, else the platform's own (PlatformX).
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/device.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/gdi.h"
#include "platform/locale.h"
#include "platform/module.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace pf {

namespace {

template <class Service>
struct Installed {
  static inline Service* service = nullptr;
};

template <class Service>
Service& CurrentOr(Service& (*platform)()) {
  Service* installed = Installed<Service>::service;
  return installed != nullptr ? *installed : platform();
}

}  // namespace

#define PF_CURRENT_SERVICE(Service, Name)                                           \
  Service& Name() { return CurrentOr<Service>(&Platform##Name); }                  \
  void Set##Name(Service* service) { Installed<Service>::service = service; }

PF_CURRENT_SERVICE(ClockService, Clock)
PF_CURRENT_SERVICE(ControlsService, Controls)
PF_CURRENT_SERVICE(DeviceService, Device)
PF_CURRENT_SERVICE(DrawingService, Drawing)
PF_CURRENT_SERVICE(FilesService, Files)
PF_CURRENT_SERVICE(FontsService, Fonts)
PF_CURRENT_SERVICE(GdiService, Gdi)
PF_CURRENT_SERVICE(LocaleService, Locale)
PF_CURRENT_SERVICE(ModuleService, Modules)
PF_CURRENT_SERVICE(RegistryService, Registry)
PF_CURRENT_SERVICE(ShellService, Shell)
PF_CURRENT_SERVICE(WindowService, Windows)

#undef PF_CURRENT_SERVICE

}  // namespace pf
