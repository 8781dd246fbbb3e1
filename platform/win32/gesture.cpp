// SHRecognizeGesture: the device's own, and on the desktop a short modal wait that tells a tap-and-hold from a tap.
#include "platform/win32/win32.h"

#ifdef UNDER_CE
#include <aygshell.h>
#endif

namespace pf::win32 {

#ifdef UNDER_CE

std::uint32_t RecognizeGesture(pf::SHRGINFO* info) {
  if (info == nullptr) return 0;
  ::SHRGINFO real{};
  real.cbSize = sizeof(real);
  real.hwndClient = ToHwnd(info->hwndClient);
  real.ptDown.x = info->ptDown.x;
  real.ptDown.y = info->ptDown.y;
  real.dwFlags = info->dwFlags;
  return ::SHRecognizeGesture(&real);
}

#else

namespace {

constexpr UINT kHoldMilliseconds = 600;
constexpr UINT_PTR kHoldTimer = 0x6E57;

enum class Outcome { Waiting, Hold, NoHold };

// What one queued message means for the wait. Messages that end the wait
// without a hold stay queued for the window; others are taken off the queue
// (and those of no concern to the gesture delivered as usual).
Outcome Examine(const ::MSG& msg, HWND window, const ::POINT& down) {
  const bool ours = msg.hwnd == window;
  if (ours && msg.message == WM_TIMER && msg.wParam == kHoldTimer) return Outcome::Hold;
  if (msg.message == WM_RBUTTONDOWN) return Outcome::Hold;
  if (msg.message == WM_LBUTTONUP || msg.message == WM_LBUTTONDOWN ||
      msg.message == WM_LBUTTONDBLCLK || msg.message == WM_QUIT || msg.message == WM_CANCELMODE) {
    return Outcome::NoHold;
  }
  if (ours && msg.message == WM_MOUSEMOVE) {
    const int x = static_cast<short>(LOWORD(msg.lParam));
    const int y = static_cast<short>(HIWORD(msg.lParam));
    const int dx = x > down.x ? x - down.x : down.x - x;
    const int dy = y > down.y ? y - down.y : down.y - y;
    if (dx > ::GetSystemMetrics(SM_CXDRAG) || dy > ::GetSystemMetrics(SM_CYDRAG)) {
      return Outcome::NoHold;
    }
  }
  return Outcome::Waiting;
}

Outcome ExamineQueue(HWND window, const ::POINT& down) {
  ::MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    const Outcome outcome = Examine(msg, window, down);
    if (outcome == Outcome::NoHold) return outcome;
    ::MSG taken;
    ::PeekMessageW(&taken, msg.hwnd, msg.message, msg.message, PM_REMOVE);
    if (outcome == Outcome::Hold) return outcome;
    if (taken.hwnd != window || taken.message != WM_MOUSEMOVE) ::DispatchMessageW(&taken);
  }
  return Outcome::Waiting;
}

}  // namespace

// The pen held still (within the drag tolerance) past the hold time gives
// GN_CONTEXTMENU; so does the right button, down already or pressed during
// the wait. Lifting or moving the pen first gives 0 and leaves that message
// queued for the window.
std::uint32_t RecognizeGesture(pf::SHRGINFO* info) {
  if (info == nullptr) return 0;
  HWND window = ToHwnd(info->hwndClient);
  if (window == nullptr || !::IsWindow(window)) return 0;
  if (::GetKeyState(VK_RBUTTON) < 0) return pf::GN_CONTEXTMENU;
  const ::POINT down{info->ptDown.x, info->ptDown.y};
  ::SetCapture(window);
  ::SetTimer(window, kHoldTimer, kHoldMilliseconds, nullptr);
  // Messages queued before the wait began are looked at first: WaitMessage
  // wakes only for new ones.
  Outcome outcome = ExamineQueue(window, down);
  while (outcome == Outcome::Waiting) {
    ::WaitMessage();
    outcome = ExamineQueue(window, down);
  }
  ::KillTimer(window, kHoldTimer);
  if (::GetCapture() == window) ::ReleaseCapture();
  return outcome == Outcome::Hold ? pf::GN_CONTEXTMENU : 0;
}

#endif

}  // namespace pf::win32
