// The item's steady path under the heap tally: created, painted once, then idle ticks and paints counted apart.
#include "bench/steady_heap.h"

#include <string>
#include <vector>

#include "bench/bench_routes.h"
#include "bench/heap_tally.h"
#include "bench/host_item.h"
#include "platform/host/memory_registry.h"
#include "platform/host/raster_log.h"
#include "platform/host/reg_file.h"
#include "platform/registry.h"

namespace ostrel::bench {

namespace {

void Tick(pf::WindowHandle window) { pf::SendMessageW(window, pf::WM_TIMER, 1, 0); }

// The recording surface's log of the paint is dropped, as the preview does.
void Paint(pf::WindowHandle window) {
  pf::SendMessageW(window, pf::WM_PAINT, 0, 0);
  pf::host::ClearDrawLog();
}

}  // namespace

SteadyHeap MeasureSteadyHeap(int ticks, int paints) {
  SteadyHeap result;
  StartHeapTally();
  {
    RunningItem item;
    Paint(item.Window());
    const HeapTally created = CurrentHeapTally();
    for (int i = 0; i < ticks; ++i) Tick(item.Window());
    const HeapTally ticked = CurrentHeapTally();
    for (int i = 0; i < paints; ++i) Paint(item.Window());
    const HeapTally painted = CurrentHeapTally();
    if (ticks > 0) {
      result.itemBlocksPerTick = static_cast<double>(ticked.itemBlocks - created.itemBlocks) / ticks;
    }
    if (paints > 0) {
      result.itemBlocksPerPaint = static_cast<double>(painted.itemBlocks - ticked.itemBlocks) / paints;
    }
    result.otherBlocksOverPaints = painted.otherBlocks - ticked.otherBlocks;
  }
  result.itemPeakBytes = StopHeapTally().itemPeakBytes;
  return result;
}

struct LauncherRegistry::Store {
  pf::host::MemoryRegistry registry;
};

LauncherRegistry::LauncherRegistry(int entries) : store_(new Store) {
  const std::vector<std::u16string> paths = {u"Windows\\calc.exe", u"Windows\\notes.exe",
                                             u"Windows\\tasks.lnk"};
  std::string error;
  imported_ = pf::host::ImportRegText(store_->registry, LauncherRegText(entries, paths),
                                      "launcher.reg", &error);
  pf::SetRegistry(&store_->registry);
}

LauncherRegistry::~LauncherRegistry() {
  pf::SetRegistry(nullptr);
  delete store_;
}

}  // namespace ostrel::bench
