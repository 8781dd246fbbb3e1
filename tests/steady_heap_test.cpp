// The item's steady path asks nothing of the heap: idle ticks, ticks that change the shown time and date, and paints after the first paint.
#include <gtest/gtest.h>

#include "bench/heap_tally.h"
#include "bench/host_item.h"
#include "bench/steady_heap.h"
#include "platform/host/host_clock.h"
#include "settings/settings.h"

namespace ostrel::testing {
namespace {

TEST(SteadyHeap, IdleTicksAndPaintsAfterTheFirstPaintAskNothingOfTheHeap) {
  const bench::SteadyHeap heap = bench::MeasureSteadyHeap(100, 50);
  EXPECT_EQ(heap.itemBlocksPerTick, 0);
  EXPECT_EQ(heap.itemBlocksPerPaint, 0);
  // The paints reached the host's drawing layer, whose blocks are not the item's.
  EXPECT_GT(heap.otherBlocksOverPaints, 0);
}

// Across midnight: every text of the clock, the dates and the calendar is
// made anew, and each change repainted.
TEST(SteadyHeap, TicksThatChangeTheTimeAndTheDateAskNothingOfTheHeap) {
  bench::StartHeapTally();
  std::int64_t blocks = 0;
  {
    bench::RunningItem item;
    pf::host::HostClockService().SetLocalTime(pf::SYSTEMTIME{2026, 12, 0, 6, 23, 58, 30, 0});
    pf::SendMessageW(item.Window(), pf::WM_TIMER, 1, 0);
    pf::SendMessageW(item.Window(), pf::WM_PAINT, 0, 0);
    const std::int64_t before = bench::CurrentHeapTally().itemBlocks;
    for (int second = 0; second < 150; ++second) {
      pf::host::HostClockService().Advance(1);
      pf::SendMessageW(item.Window(), pf::WM_TIMER, 1, 0);
      pf::SendMessageW(item.Window(), pf::WM_PAINT, 0, 0);
    }
    blocks = bench::CurrentHeapTally().itemBlocks - before;
  }
  bench::StopHeapTally();
  EXPECT_EQ(blocks, 0);
}

// The tally sees the item's own blocks: its launcher list is held on the heap.
TEST(SteadyHeap, TheItemsLauncherListCountsAsTheItemsHeap) {
  bench::LauncherRegistry launcher(5);
  ASSERT_TRUE(launcher.Imported());
  const bench::SteadyHeap heap = bench::MeasureSteadyHeap(1, 1);
  EXPECT_GE(heap.itemPeakBytes, static_cast<std::int64_t>(5 * sizeof(LauncherEntry)));
}

}  // namespace
}  // namespace ostrel::testing
