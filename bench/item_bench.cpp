// Benchmarks of the Today item's steady work on the host: a whole paint beside the bare fill and copy of its frame, the idle tick, a settings load, and the drawing objects' balance over many paints.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench/bench_routes.h"
#include "bench/host_item.h"
#include "platform/draw.h"
#include "platform/host/host_draw.h"
#include "platform/host/raster_log.h"
#include "settings/settings.h"

namespace ostrel::bench {
namespace {

// The recording surface keeps every call: the record of one paint is dropped
// before the next, as the preview does.
void Paint(pf::WindowHandle window) {
  pf::SendMessageW(window, pf::WM_PAINT, 0, 0);
  pf::host::ClearDrawLog();
}

// What an idle item costs every second: the status poll and the clock text.
void BM_IdleTick(benchmark::State& state) {
  RunningItem item;
  for (auto _ : state) pf::SendMessageW(item.Window(), pf::WM_TIMER, 1, 0);
}
BENCHMARK(BM_IdleTick);

// One repaint of the whole item through WM_PAINT: background, fixed blocks
// and the current page drawn off screen, then copied to the window.
void BM_PaintItem(benchmark::State& state) {
  RunningItem item;
  for (auto _ : state) Paint(item.Window());
}
BENCHMARK(BM_PaintItem);

// The floor under that paint: a frame of the same size filled and copied.
void BM_BareFillBlit(benchmark::State& state) {
  RunningItem item;
  for (auto _ : state) {
    BareFillAndBlit(item.Window());
    pf::host::ClearDrawLog();
  }
}
BENCHMARK(BM_BareFillBlit);

// The load that every creation of the item window runs.
void BM_LoadSettings(benchmark::State& state) {
  ostrel::Settings settings;
  for (auto _ : state) {
    ostrel::LoadSettings(settings);
    benchmark::DoNotOptimize(settings.FixedPageCount);
  }
}
BENCHMARK(BM_LoadSettings);

// Live drawing objects gained by one item window over its paints and ticks
// (each iteration one of each), as the drawing layer counts them.
void BM_ObjectBalance(benchmark::State& state) {
  RunningItem item;
  Paint(item.Window());
  const int before = pf::LiveDrawingObjects();
  for (auto _ : state) {
    Paint(item.Window());
    pf::SendMessageW(item.Window(), pf::WM_TIMER, 1, 0);
  }
  state.counters["objects_delta"] = pf::LiveDrawingObjects() - before;
}

// OSTREL_BENCH_PAINTS, when set to a positive count, replaces the 100,000.
benchmark::IterationCount BalancePaints() {
  const char* text = std::getenv("OSTREL_BENCH_PAINTS");
  const long long count = text != nullptr ? std::atoll(text) : 0;
  return count > 0 ? count : 100000;
}

}  // namespace
}  // namespace ostrel::bench

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("BM_ObjectBalance", ostrel::bench::BM_ObjectBalance)
      ->Iterations(ostrel::bench::BalancePaints());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
