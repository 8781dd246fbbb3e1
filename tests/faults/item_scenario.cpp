// The item scenario: the Today item created by the shell on off-default settings, ticked, paged, tapped, held and queried, then its pages' pictures after the next query and tick.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_draw.h"
#include "platform/host/host_files.h"
#include "platform/host/host_module.h"
#include "platform/host/host_screen.h"
#include "platform/host/host_window.h"
#include "platform/host/memory_registry.h"
#include "platform/host/png_io.h"
#include "platform/host/raster_image.h"
#include "platform/text.h"
#include "platform/today.h"
#include "platform/window.h"
#include "plugin/item_state.h"
#include "plugin/item_window.h"
#include "tests/faults/fault_services.h"
#include "tests/faults/scenarios.h"
#include "tests/faults/seed.h"

namespace ostrel::faults {

namespace {

using pf::faults::AsCaller;
using pf::faults::Caller;

constexpr pf::ModuleHandle kModule{0x400000};
constexpr int kWidth = 240;
constexpr std::uintptr_t kClockTimer = 1;

pf::LRESULT TodayWindowProc(pf::WindowHandle, std::uint32_t message, pf::WPARAM wParam, pf::LPARAM lParam) {
  if (message == pf::TODAYM_GETCOLOR) {
    return wParam == pf::TODAYCOLOR_HIGHLIGHT ? pf::RGB(0x10, 0x40, 0xA0) : pf::RGB(255, 255, 255);
  }
  if (message == pf::TODAYM_DRAWWATERMARK) {
    const auto* info = reinterpret_cast<const pf::TODAYDRAWWATERMARKINFO*>(lParam);
    const pf::COLORREF old = pf::SetBkColor(info->hdc, pf::RGB(0x20, 0x24, 0x30));
    pf::ExtTextOutW(info->hdc, 0, 0, pf::ETO_OPAQUE, &info->rc, nullptr, 0, nullptr);
    pf::SetBkColor(info->hdc, old);
    return 1;
  }
  return 0;
}

// The phone's state as the status readers find it.
void StorePhoneStatus() {
  pf::host::MemoryRegistry& r = pf::host::HostRegistry();
  r.SetString(pf::HKEY_LOCAL_MACHINE, u"System\\State\\Phone", u"Current Operator Name", u"Оператор");
  r.SetDword(pf::HKEY_LOCAL_MACHINE, u"System\\State\\Phone", u"Missed Call Count", 2);
  r.SetDword(pf::HKEY_LOCAL_MACHINE, u"System\\State\\Hardware", u"Bluetooth", 1);
  r.SetDword(pf::HKEY_LOCAL_MACHINE, u"System\\State\\Hardware", u"Wifi", 2);
  r.SetDword(pf::HKEY_CURRENT_USER, u"System\\State\\Messages\\sms\\Unread", u"Count", 3);
  r.SetDword(pf::HKEY_CURRENT_USER, u"System\\State\\Messages\\TotalEmail\\Unread", u"Count", 4);
  r.SetDword(pf::HKEY_CURRENT_USER, u"Software\\Microsoft\\Clock\\0", u"AlarmFlags", 1);
  r.SetString(pf::HKEY_CURRENT_USER, u"Software\\Microsoft\\File Explorer", u"StorageCardPath", u"\\Storage Card");
}

std::string Digest(const pf::host::RasterImage& image) {
  std::uint64_t hash = 14695981039346656037ull;
  for (pf::host::Pixel p : image.Pixels()) hash = (hash ^ p) * 1099511628211ull;
  return std::to_string(image.Width()) + "x" + std::to_string(image.Height()) + ":" + std::to_string(hash);
}

// The Today shell's part, played on the item window.
class Shell {
 public:
  explicit Shell(pf::WindowHandle today) : today_(today) {}

  // Creates the item as the shell does; a creation that fails is tried once
  // more, as the shell rebuilds its items at its next refresh.
  bool Create() {
    for (int attempt = 0; attempt < 2 && pf::IsNull(item_); ++attempt) {
      AsCaller project(Caller::Project);
      if (!attached_) attached_ = AttachModule(kModule);
      if (attached_) item_ = InitializeCustomItem(&record_, today_);
    }
    if (pf::IsNull(item_)) return false;
    Send(pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<pf::WPARAM>(&record_));
    pf::MoveWindow(item_, 0, 0, kWidth, static_cast<int>(record_.cyp), 1);
    return true;
  }
  void Destroy() {
    if (!pf::IsNull(item_)) pf::DestroyWindow(item_);
    AsCaller project(Caller::Project);
    if (attached_) DetachModule();
  }
  pf::LRESULT Send(std::uint32_t message, pf::WPARAM wParam = 0, pf::LPARAM lParam = 0) {
    return pf::SendMessageW(item_, message, wParam, lParam);
  }
  // The repaint the item asked for since the last one, as the system paints
  // an invalidated window once its queue is empty.
  void Settle() {
    const int requests = pf::host::HostWindowService().InvalidateCount(item_);
    if (requests != repaints_) Paint();
    repaints_ = requests;
  }
  void Query() {
    if (Send(pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<pf::WPARAM>(&record_))) {
      pf::MoveWindow(item_, 0, 0, kWidth, static_cast<int>(record_.cyp), 1);
    }
  }
  void Paint() { Send(pf::WM_PAINT); }
  // A clock second; the timer's message only while the item's timer runs.
  void Tick() {
    pf::host::HostClockService().Advance(1);
    if (pf::host::HostWindowService().TimerPeriod(item_, kClockTimer) != 0) Send(pf::WM_TIMER, kClockTimer);
  }
  void Pen(std::uint32_t message, int x, int y) {
    Send(message, 0, pf::MAKELPARAM(static_cast<unsigned>(x), static_cast<unsigned>(y)));
  }
  void Tap(int x, int y) {
    Pen(pf::WM_LBUTTONDOWN, x, y);
    Pen(pf::WM_LBUTTONUP, x, y);
    Settle();
  }
  void Swipe(int fromX, int toX, int y) {
    Pen(pf::WM_LBUTTONDOWN, fromX, y);
    Pen(pf::WM_MOUSEMOVE, (fromX + toX) / 2, y);
    Pen(pf::WM_MOUSEMOVE, toX, y);
    Pen(pf::WM_LBUTTONUP, toX, y);
    Settle();
  }
  void NextPage() { Swipe(kWidth - 30, 30, Height() / 2); }
  void PreviousPage() { Swipe(30, kWidth - 30, Height() / 2); }
  void HoldAndChoose(int x, int y) {
    pf::host::HostWindows& windows = pf::host::HostWindowService();
    windows.SetNextGesture(pf::GN_CONTEXTMENU);
    Pen(pf::WM_LBUTTONDOWN, x, y);
    // A hold the item could not have recognized (the call was refused) ends
    // with the pen; it is not left for the next press.
    windows.SetNextGesture(0);
    Pen(pf::WM_LBUTTONUP, x, y);
    if (windows.MenuOpen() && !windows.MenuOpenings().back().entries.empty()) {
      windows.ChooseMenuEntry(windows.MenuOpenings().back().entries.front().id);
    }
    Settle();
  }
  int Height() const { return static_cast<int>(record_.cyp); }
  // The picture's digest; the picture itself as PNG too when
  // OSTREL_FAULT_PICTURES names a folder (for looking at one run).
  std::string Picture(int page) const {
    auto picture = pf::host::HostScreen().WindowPicture(item_);
    if (picture == nullptr) return "none";
    if (const char* folder = std::getenv("OSTREL_FAULT_PICTURES")) {
      pf::host::WritePng(std::string(folder) + "/" + std::to_string(::getpid()) + "-page" + std::to_string(page) + ".png", *picture);
    }
    return Digest(*picture);
  }

 private:
  pf::WindowHandle today_;
  pf::WindowHandle item_{};
  pf::TODAYLISTITEM record_{};
  bool attached_ = false;
  int repaints_ = 0;
};

// A tap at the middle of every band, from the top, a band's height apart.
void TapEveryBlock(Shell& shell) {
  for (int y = 6; y < shell.Height(); y += 14) shell.Tap(kWidth / 2, y);
}

// Every page's picture after the shell's next query and the next tick.
void RecordPages(Shell& shell, RunRecord& record) {
  shell.Query();
  shell.Tick();
  const int pages = Item().PageCount > 0 ? Item().PageCount : 1;
  for (int page = 0; page < pages; ++page) {
    shell.Paint();
    record.pictures.push_back(shell.Picture(page));
    shell.NextPage();
  }
  for (int page = 0; page < pages; ++page) shell.PreviousPage();
}

}  // namespace

void RunItemScenario(const ScenarioContext& context, const std::string&, pf::faults::FaultPlan& plan,
                     RunRecord& record) {
  pf::host::HostFiles& files = pf::host::HostFileSystem();
  files.SetDeviceRoot(context.deviceRoot);
  pf::host::HostDraw().SetPathResolver([&files](const std::u16string& path) {
    std::string out;
    return files.ToHostPath(path, &out) ? out : std::string();
  });
  pf::host::InstallWindowPictures();
  pf::host::HostScreen().SetScreenDpi(96, 96);
  pf::host::HostControlStore().SetScreenSize(kWidth, 320);
  pf::host::HostModule().SetModulePath(u"\\Windows\\ostrel.dll");
  pf::host::HostClockService().SetLocalTime(pf::SYSTEMTIME{2026, 12, 0, 6, 7, 5, 30, 0});
  StoreSettings(OffDefaultSettings(5));
  StorePhoneStatus();

  pf::faults::FaultyServices layer(plan);
  pf::WNDCLASSW todayClass;
  todayClass.lpfnWndProc = TodayWindowProc;
  todayClass.lpszClassName = u"DesktopExplorerWindow";
  pf::RegisterClassW(&todayClass);
  const pf::WindowHandle today = pf::CreateWindowExW(0, u"DesktopExplorerWindow", u"Today", pf::WS_VISIBLE, 0, 0,
                                                     kWidth, 320, pf::WindowHandle{}, 0, pf::ModuleHandle{}, nullptr);
  Shell shell(today);
  if (!shell.Create()) {
    record.Problem(Failure::NoRecovery, "the item was not created on the shell's second attempt");
  } else {
    shell.Paint();
    for (int second = 0; second < 65; ++second) {
      shell.Tick();
      if (second % 16 == 15) shell.Settle();
    }
    shell.Settle();
    const int pages = Item().PageCount > 0 ? Item().PageCount : 1;
    for (int page = 1; page < pages; ++page) shell.NextPage();
    for (int page = 1; page < pages; ++page) shell.PreviousPage();
    TapEveryBlock(shell);
    shell.HoldAndChoose(kWidth / 2, shell.Height() / 2);
    shell.Query();
    shell.Settle();
    plan.Pause(true);
    RecordPages(shell, record);
    plan.Pause(false);
  }
  shell.Destroy();
  pf::DestroyWindow(today);
  RecordHeld(record);
  record.finished = true;
}

}  // namespace ostrel::faults
