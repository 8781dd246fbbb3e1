// Fuzz harness: the Today item on any stored settings, painted on every page at two densities, ticked and destroyed with no drawing object left.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/draw.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_draw.h"
#include "platform/host/host_files.h"
#include "platform/host/host_module.h"
#include "platform/host/host_screen.h"
#include "platform/host/memory_registry.h"
#include "platform/host/raster_log.h"
#include "platform/host/reg_file.h"
#include "platform/registry.h"
#include "plugin/item_state.h"
#include "settings/settings.h"
#include "tools/preview/events.h"
#include "tools/preview/item_preview.h"
#include "tools/preview/today_shell.h"

namespace {

using ostrel::fuzz::PropertyBroken;
namespace preview = ostrel::preview;

constexpr int kDensities[] = {96, 192};
// Taller items are created, ticked and destroyed but not painted: a paint
// costs the window's area, and a window 32767 pixels tall takes seconds
// under the sanitizers, which would leave the fuzzer little time for anything else.
constexpr int kTallestPainted = 2048;

// A device whose \Windows folder holds the item's state images, so that the
// paints draw them.
void UseImageDevice() {
  static char folder[] = "/tmp/ostrel-item-paint-XXXXXX";
  static char windows[sizeof folder + 8];
  static const std::string root = [] {
    if (::mkdtemp(folder) == nullptr) std::abort();
    std::snprintf(windows, sizeof windows, "%s/Windows", folder);
    if (::symlink(OSTREL_SOURCE_DIR "/res/images", windows) != 0) std::abort();
    std::atexit([] {
      ::unlink(windows);
      ::rmdir(folder);
    });
    return std::string(folder);
  }();
  pf::host::HostFiles& files = pf::host::HostFileSystem();
  files.SetDeviceRoot(root);
  pf::host::HostDraw().SetPathResolver([&files](const std::u16string& path) {
    std::string hostPath;
    return files.ToHostPath(path, &hostPath) ? hostPath : std::string();
  });
}

// The settings saved as the plug-in saves its defaults, then the input's
// lines over them; false when the reader refuses the input.
bool StoreSettings(pf::host::MemoryRegistry& registry, const std::string& bytes) {
  ostrel::Settings defaults;
  defaults.Owner = ostrel::Deliverable::Plugin;
  ostrel::LoadSettings(defaults);
  (void)ostrel::SaveSettings(defaults);
  std::string error;
  return pf::host::ImportRegBytes(registry, bytes, "fuzz.reg", &error);
}

// The item at one density: created, each page painted as the right key
// brings it (see kTallestPainted), two ticks of its timer, destroyed.
void PaintEveryPage(pf::WindowHandle today, int dpi) {
  static const std::vector<preview::ScriptEvent> kNextPage = preview::ParseEvents("key right");
  static const std::vector<preview::ScriptEvent> kTicks = preview::ParseEvents("tick 2");
  pf::host::HostScreen().SetScreenDpi(dpi, dpi);
  const int width = 240 * dpi / 96;
  pf::host::HostControlStore().SetScreenSize(width, width * 4 / 3);
  preview::LiveItem item(today, width);
  const int pages = std::max(ostrel::Item().PageCount, 1);
  for (int page = 0; page < pages; ++page) {
    if (page > 0) preview::PlayEvents(kNextPage, item.Shell());
    if (item.Height() <= kTallestPainted) item.Paint();
    pf::host::ClearDrawLog();
  }
  preview::PlayEvents(kTicks, item.Shell());
  pf::host::ClearDrawLog();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// The font library loads its configuration files when first asked for a
// face it has not matched yet and keeps what it parsed for the process's
// life: that is not a leak of the item's.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pf::host::MemoryRegistry registry;
  pf::SetRegistry(&registry);
  pf::host::HostModule().SetModulePath(u"\\Windows\\ostrel.dll");
  pf::host::HostClockService().SetLocalTime(pf::SYSTEMTIME{2026, 12, 0, 6, 7, 5, 0, 0});
  UseImageDevice();
  if (StoreSettings(registry, ostrel::fuzz::InputBytes(data, size))) {
    static preview::TodayShell shell(480, 640, "");
    const int baseline = pf::LiveDrawingObjects();
    for (int dpi : kDensities) {
      PaintEveryPage(shell.Window(), dpi);
      if (pf::LiveDrawingObjects() != baseline) {
        PropertyBroken(std::to_string(pf::LiveDrawingObjects() - baseline) + " drawing object(s) outlived the item at " +
                       std::to_string(dpi) + " dpi");
      }
    }
    if (!pf::host::DrawingFaults().empty()) PropertyBroken("drawing misuse: " + pf::host::DrawingFaults().front());
  }
  pf::SetRegistry(nullptr);
  if (registry.OpenHandleCount() != 0) PropertyBroken("a registry key was left open");
  return 0;
}
