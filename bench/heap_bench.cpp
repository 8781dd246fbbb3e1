// ostrel_heap_bench: the Today item's heap on the host, each figure printed as "name value" (read by scripts/bench.sh).
//
//   ostrel_heap_bench [COUNT]
//
// COUNT idle ticks and COUNT paints (10^4 unless given) of the item on its
// default settings after its first paint: the blocks its own code asks for
// per tick and per paint, and the most bytes it holds; then the most bytes
// with a launcher list of five programs.
#include <cstdio>
#include <cstdlib>

#include "bench/steady_heap.h"

int main(int argc, char** argv) {
  using namespace ostrel::bench;
  int count = 10000;
  if (argc > 1) {
    char* end = nullptr;
    const long value = std::strtol(argv[1], &end, 10);
    if (argc > 2 || end == argv[1] || *end != 0 || value < 1 || value > 10000000) {
      std::fprintf(stderr, "ostrel_heap_bench: bad count '%s'\n", argv[argc > 2 ? 2 : 1]);
      return 2;
    }
    count = static_cast<int>(value);
  }
  const SteadyHeap defaults = MeasureSteadyHeap(count, count);
  std::printf("heap.per_idle_tick %g\n", defaults.itemBlocksPerTick);
  std::printf("heap.per_paint %g\n", defaults.itemBlocksPerPaint);
  std::printf("heap.item_peak_bytes %lld\n", static_cast<long long>(defaults.itemPeakBytes));
  LauncherRegistry launcher(5);
  if (!launcher.Imported()) {
    std::fprintf(stderr, "ostrel_heap_bench: the launcher list was not imported\n");
    return 1;
  }
  const SteadyHeap five = MeasureSteadyHeap(1, 1);
  std::printf("heap.launcher5_item_peak_bytes %lld\n", static_cast<long long>(five.itemPeakBytes));
  return 0;
}
