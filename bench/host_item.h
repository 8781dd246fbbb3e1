// The host benchmarks' running item: the plug-in's window on its Today window, created and sized as the shell does it.
#pragma once

#include "platform/controls.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_screen.h"
#include "platform/host/host_window.h"
#include "platform/today.h"
#include "platform/window.h"
#include "plugin/item_window.h"
#include "tools/preview/today_shell.h"

namespace ostrel::bench {

constexpr pf::ModuleHandle kModule{0x400000};
constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

// The item on the settings the current registry holds, on a 240 x 320
// screen at 96 dpi, at a frozen clock so that a tick changes nothing.
// Its creation is the whole of the plug-in's start: LoadSettings, images,
// layout, launcher icons and cells.
class RunningItem {
 public:
  RunningItem() : shell_(kScreenWidth, kScreenHeight, "") {
    pf::host::InstallWindowPictures();
    pf::host::HostScreen().SetScreenDpi(96, 96);
    pf::host::HostControlStore().SetScreenSize(kScreenWidth, kScreenHeight);
    pf::host::HostClockService().SetLocalTime(pf::SYSTEMTIME{2026, 12, 0, 6, 7, 5, 0, 0});
    ostrel::AttachModule(kModule);
    window_ = ostrel::InitializeCustomItem(&record_, shell_.Window());
    pf::SendMessageW(window_, pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<pf::WPARAM>(&record_), 0);
    // The shell gives the item the height it asked for (it is made 0 high).
    pf::MoveWindow(window_, 0, 0, kScreenWidth, static_cast<int>(record_.cyp), 1);
  }
  ~RunningItem() {
    pf::DestroyWindow(window_);
    ostrel::DetachModule();
  }
  RunningItem(const RunningItem&) = delete;
  RunningItem& operator=(const RunningItem&) = delete;
  pf::WindowHandle Window() const { return window_; }

 private:
  ostrel::preview::TodayShell shell_;
  pf::TODAYLISTITEM record_{};
  pf::WindowHandle window_{};
};

}  // namespace ostrel::bench
