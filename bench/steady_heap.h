// The Today item's heap on its steady path: blocks per idle tick and per paint after the first paint, and its most bytes held.
#pragma once

#include <cstdint>

namespace ostrel::bench {

struct SteadyHeap {
  // Blocks the item's own code asked for, per idle tick and per paint.
  double itemBlocksPerTick = 0;
  double itemBlocksPerPaint = 0;
  // Blocks the platform stand-ins asked for over the paints: a paint that
  // reached the drawing layer at all.
  std::int64_t otherBlocksOverPaints = 0;
  // The most bytes the item's blocks held at once, from before its creation
  // to after its destruction.
  std::int64_t itemPeakBytes = 0;
};

// The item created on the settings the current registry holds, painted
// once, then `ticks` idle ticks and `paints` paints (bench/host_item.h).
SteadyHeap MeasureSteadyHeap(int ticks, int paints);

// A registry holding a launcher list of `entries` programs, in place of the
// current one for the object's lifetime.
class LauncherRegistry {
 public:
  explicit LauncherRegistry(int entries);
  ~LauncherRegistry();
  LauncherRegistry(const LauncherRegistry&) = delete;
  LauncherRegistry& operator=(const LauncherRegistry&) = delete;
  bool Imported() const { return imported_; }

 private:
  struct Store;
  Store* store_;
  bool imported_ = false;
};

}  // namespace ostrel::bench
