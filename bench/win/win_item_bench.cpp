// The item's steady work on real GDI, registry and locale: a whole paint beside the bare fill and copy of its frame, the idle tick, a settings load, and the drawing objects' balance.
#include "bench/win/win_bench.h"

#include "bench/bench_routes.h"
#include "platform/draw.h"
#include "plugin/item_window.h"
#include "settings/settings.h"

namespace ostrel::winbench {

void RunItemFigures() {
  WinItem item;
  if (!item.Made()) {
    Report("error.item_not_made", 1);
    return;
  }
  HWND window = item.Window();
  const std::string prefix = "win32." + std::to_string(ScreenDpi()) + ".";
  Report(prefix + "paint_us", LeastMeanUs([window] { PaintThroughWmPaint(window); }));
  Report(prefix + "bare_fill_blit_us",
         LeastMeanUs([window] { bench::BareFillAndBlit(pf::win32::FromHwnd(window)); }));
  Report(prefix + "idle_tick_us", LeastMeanUs([window] { ::SendMessageW(window, WM_TIMER, 1, 0); }));
  ostrel::Settings settings;
  Report(prefix + "load_settings_us", LeastMeanUs([&settings] { ostrel::LoadSettings(settings); }));
  // A tick that found a changed minute asked for a paint: it is not this work's.
  ::ValidateRect(window, nullptr);
}

// One item window painted and ticked `paints` times: the live drawing
// objects as the drawing layer counts them (Wine's own count is a stub).
void RunObjectBalance(int paints) {
  WinItem item;
  if (!item.Made()) {
    Report("error.item_not_made", 1);
    return;
  }
  HWND window = item.Window();
  PaintThroughWmPaint(window);
  const int before = pf::LiveDrawingObjects();
  for (int i = 0; i < paints; ++i) {
    PaintThroughWmPaint(window);
    ::SendMessageW(window, WM_TIMER, 1, 0);
  }
  PaintThroughWmPaint(window);
  Report("win32.paints", paints);
  Report("win32.objects_delta", pf::LiveDrawingObjects() - before);
}

}  // namespace ostrel::winbench
