// Benchmarks of the Today item's steady work: the idle refresh tick, a whole paint, a settings load.
#include <benchmark/benchmark.h>

#include "platform/controls.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_draw.h"
#include "platform/host/host_screen.h"
#include "platform/host/host_window.h"
#include "platform/today.h"
#include "platform/window.h"
#include "plugin/item_window.h"
#include "settings/settings.h"
#include "tools/preview/today_shell.h"

namespace {

constexpr pf::ModuleHandle kModule{0x400000};

// The item on its default settings, created and sized by a Today window, at a
// frozen clock so that a tick changes nothing.
class RunningItem {
 public:
  RunningItem() : shell_(240, 320, "") {
    pf::host::InstallWindowPictures();
    pf::host::HostScreen().SetScreenDpi(96, 96);
    pf::host::HostControlStore().SetScreenSize(240, 320);
    pf::host::HostClockService().SetLocalTime(pf::SYSTEMTIME{2026, 12, 0, 6, 7, 5, 0, 0});
    ostrel::AttachModule(kModule);
    window_ = ostrel::InitializeCustomItem(&record_, shell_.Window());
    pf::SendMessageW(window_, pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<pf::WPARAM>(&record_), 0);
  }
  ~RunningItem() {
    pf::DestroyWindow(window_);
    ostrel::DetachModule();
  }
  pf::WindowHandle Window() const { return window_; }

 private:
  ostrel::preview::TodayShell shell_;
  pf::TODAYLISTITEM record_{};
  pf::WindowHandle window_{};
};

// What an idle item costs every second: the status poll and the clock text.
void BM_IdleTick(benchmark::State& state) {
  RunningItem item;
  for (auto _ : state) pf::SendMessageW(item.Window(), pf::WM_TIMER, 1, 0);
}
BENCHMARK(BM_IdleTick);

// One repaint of the whole item: background, fixed blocks and the current page.
void BM_PaintItem(benchmark::State& state) {
  RunningItem item;
  for (auto _ : state) {
    pf::SendMessageW(item.Window(), pf::WM_PAINT, 0, 0);
    pf::host::ClearDrawLog();
  }
}
BENCHMARK(BM_PaintItem);

// The load that every creation of the item window runs.
void BM_LoadSettings(benchmark::State& state) {
  ostrel::Settings settings;
  for (auto _ : state) {
    ostrel::LoadSettings(settings);
    benchmark::DoNotOptimize(settings.FixedPageCount);
  }
}
BENCHMARK(BM_LoadSettings);

}  // namespace

BENCHMARK_MAIN();
