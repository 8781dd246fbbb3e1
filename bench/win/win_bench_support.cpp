// The Windows benchmark program's timing, output, message pumping, and the Today window that holds the running item.
#include "bench/win/win_bench.h"

#include <algorithm>
#include <cstdio>

#include "platform/today.h"
#include "plugin/fonts.h"
#include "plugin/item_window.h"

namespace ostrel::winbench {

namespace {

constexpr const wchar_t* kShellClass = L"OstrelBenchToday";
constexpr COLORREF kShellBackground = RGB(0x12, 0x1A, 0x2A);

// The shell's answers: its highlight color, and its background (a plain
// color where the real shell draws its watermark picture).
LRESULT CALLBACK ShellProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == pf::TODAYM_GETCOLOR) return RGB(0x31, 0x6A, 0xC5);
  if (message == pf::TODAYM_DRAWWATERMARK) {
    const auto* info = reinterpret_cast<const pf::TODAYDRAWWATERMARKINFO*>(lParam);
    if (info == nullptr) return FALSE;
    HDC surface = pf::win32::ToHdc(info->hdc);
    const RECT r{info->rc.left, info->rc.top, info->rc.right, info->rc.bottom};
    const COLORREF old = ::SetBkColor(surface, kShellBackground);
    ::ExtTextOutW(surface, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    ::SetBkColor(surface, old);
    return TRUE;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

HMODULE Program() { return ::GetModuleHandleW(nullptr); }

void RegisterShellClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSW c{};
  c.lpfnWndProc = ShellProc;
  c.hInstance = Program();
  c.lpszClassName = kShellClass;
  registered = ::RegisterClassW(&c) != 0;
}

}  // namespace

Timing& CurrentTiming() {
  static Timing timing;
  return timing;
}

double NowUs() {
  static LARGE_INTEGER frequency{};
  if (frequency.QuadPart == 0) ::QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

double ProcessCpuUs() {
  FILETIME created, exited, kernel, user;
  if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  auto us = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10;
  };
  return us(kernel) + us(user);
}

// Other programs on the machine only ever add time: the least batch mean is
// the figure nearest to the work's own cost.
double LeastMeanUs(const std::function<void()>& body) {
  const Timing& timing = CurrentTiming();
  const double start = NowUs();
  body();
  const double once = std::max(NowUs() - start, 0.01);
  const int perBatch = std::max(1, static_cast<int>(timing.batchUs / once));
  double least = once;
  for (int batch = 0; batch < timing.batches; ++batch) {
    const double begin = NowUs();
    for (int i = 0; i < perBatch; ++i) body();
    least = std::min(least, (NowUs() - begin) / perBatch);
  }
  return least;
}

void Report(const std::string& name, double value) {
  std::printf("%s %.3f\n", name.c_str(), value);
  std::fflush(stdout);
}

void PumpMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// The item's own scaling: design pixels at 96 dpi times the screen's density.
int ScreenDpi() { return ScaleByDpi(96); }
int DeviceWidth() { return ScaleByDpi(240); }
int DeviceHeight() { return ScaleByDpi(320); }

WinItem::WinItem() {
  RegisterShellClass();
  if (!AttachModule(pf::win32::FromHmodule(Program()))) return;
  shell_ = ::CreateWindowExW(0, kShellClass, L"Today", WS_POPUP | WS_VISIBLE, 0, 0, DeviceWidth(),
                             DeviceHeight(), nullptr, nullptr, Program(), nullptr);
  if (shell_ == nullptr) return;
  pf::TODAYLISTITEM record{};
  item_ = pf::win32::ToHwnd(InitializeCustomItem(&record, pf::win32::FromHwnd(shell_)));
  if (item_ == nullptr) return;
  ::SendMessageW(item_, pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&record), 0);
  ::MoveWindow(item_, 0, 0, DeviceWidth(), static_cast<int>(record.cyp), TRUE);
  ::UpdateWindow(item_);
  PumpMessages();
}

WinItem::~WinItem() {
  if (item_ != nullptr) ::DestroyWindow(item_);
  if (shell_ != nullptr) ::DestroyWindow(shell_);
  DetachModule();
  PumpMessages();
}

void PaintThroughWmPaint(HWND window) {
  ::InvalidateRect(window, nullptr, FALSE);
  ::UpdateWindow(window);
}

// The release is queued first: the gesture's wait finds it and reports no
// hold, and the window then takes it as the end of a tap.
void Tap(HWND window, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  ::PostMessageW(window, WM_LBUTTONUP, 0, at);
  ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PumpMessages();
}

}  // namespace ostrel::winbench
