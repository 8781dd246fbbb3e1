// Host stand-in for the window operations: repaint requests, paint contexts, timers, capture, menus and gestures.
#include "platform/host/host_window.h"

#include "platform/controls.h"
#include "platform/gdi.h"
#include "platform/host/call_faults.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_screen.h"

namespace pf::host {

namespace {

std::pair<std::uintptr_t, std::uintptr_t> TimerKey(WindowHandle window, std::uintptr_t id) {
  return {static_cast<std::uintptr_t>(window), id};
}

// The windows are those of the controls service in use (a test may install its own store).
const HostWindow* WindowRecord(WindowHandle window) {
  auto* store = dynamic_cast<HostControls*>(&pf::Controls());
  return store == nullptr ? nullptr : store->Window(window);
}

bool KnownWindow(WindowHandle window) { return WindowRecord(window) != nullptr; }

// Windows here have no borders or captions: a client area starts at the
// window's corner, and a child's corner is relative to its parent's.
POINT ClientOrigin(WindowHandle window) {
  POINT origin;
  for (const HostWindow* w = WindowRecord(window); w != nullptr; w = WindowRecord(w->parent)) {
    origin.x += w->rect.left;
    origin.y += w->rect.top;
  }
  return origin;
}

}  // namespace

void InstallWindowPictures() {
  HostScreen().SetClientSizeSource([](WindowHandle window, SIZE* size) {
    RECT client;
    if (!pf::GetClientRect(window, &client)) return false;
    size->cx = client.right - client.left;
    size->cy = client.bottom - client.top;
    return true;
  });
}

HostWindows::HostWindows() { InstallWindowPictures(); }

int HostWindows::InvalidateRect(WindowHandle window, const RECT* rect, int erase) {
  if (CallFails("InvalidateRect")) return 0;
  InvalidateRequest request;
  request.window = window;
  request.whole = rect == nullptr;
  if (rect != nullptr) request.rect = *rect;
  request.erase = erase;
  invalidations_.push_back(request);
  return 1;
}

int HostWindows::InvalidateCount(WindowHandle window) const {
  int count = 0;
  for (const InvalidateRequest& request : invalidations_) {
    if (request.window == window) ++count;
  }
  return count;
}

SurfaceHandle HostWindows::BeginPaint(WindowHandle window, PAINTSTRUCT* paint) {
  if (paint == nullptr) return SurfaceHandle{};
  *paint = PAINTSTRUCT{};
  paint->hdc = pf::GetDC(window);
  if (IsNull(paint->hdc)) return SurfaceHandle{};
  pf::GetClientRect(window, &paint->rcPaint);
  ++openPaints_;
  return paint->hdc;
}

int HostWindows::EndPaint(WindowHandle window, const PAINTSTRUCT* paint) {
  if (paint == nullptr || IsNull(paint->hdc)) return 0;
  if (!pf::ReleaseDC(window, paint->hdc)) return 0;
  --openPaints_;
  return 1;
}

std::uintptr_t HostWindows::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t elapse,
                                     TIMERPROC) {
  if (CallFails("SetTimer")) return 0;
  if (!KnownWindow(window)) return 0;
  timers_[TimerKey(window, id)] = elapse;
  return id == 0 ? 1 : id;
}

int HostWindows::KillTimer(WindowHandle window, std::uintptr_t id) {
  return timers_.erase(TimerKey(window, id)) ? 1 : 0;
}

std::uint32_t HostWindows::TimerPeriod(WindowHandle window, std::uintptr_t id) const {
  auto it = timers_.find(TimerKey(window, id));
  return it == timers_.end() ? 0 : it->second;
}

WindowHandle HostWindows::SetCapture(WindowHandle window) {
  WindowHandle previous = capture_;
  capture_ = KnownWindow(window) ? window : WindowHandle{};
  return previous;
}

int HostWindows::ReleaseCapture() {
  capture_ = WindowHandle{};
  return 1;
}

int HostWindows::GetWindowRect(WindowHandle window, RECT* rect) {
  const HostWindow* w = WindowRecord(window);
  if (w == nullptr || rect == nullptr) return 0;
  const POINT origin = ClientOrigin(w->parent);
  *rect = RECT{w->rect.left + origin.x, w->rect.top + origin.y, w->rect.right + origin.x,
               w->rect.bottom + origin.y};
  return 1;
}

int HostWindows::GetClientRect(WindowHandle window, RECT* rect) {
  if (CallFails("GetClientRect")) return 0;
  const HostWindow* w = WindowRecord(window);
  if (w == nullptr || rect == nullptr) return 0;
  *rect = RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
  return 1;
}

int HostWindows::MapWindowPoints(WindowHandle from, WindowHandle to, POINT* points,
                                 unsigned count) {
  if (points == nullptr) return 0;
  const POINT a = ClientOrigin(from);
  const POINT b = ClientOrigin(to);
  for (unsigned i = 0; i < count; ++i) {
    points[i].x += a.x - b.x;
    points[i].y += a.y - b.y;
  }
  return 1;
}

WindowHandle HostWindows::GetParent(WindowHandle window) {
  const HostWindow* w = WindowRecord(window);
  if (w == nullptr) return WindowHandle{};
  return IsNull(w->parent) ? w->owner : w->parent;
}

int HostWindows::ClientToScreen(WindowHandle window, POINT* point) {
  RECT r;
  if (point == nullptr || !pf::GetWindowRect(window, &r)) return 0;
  point->x += r.left;
  point->y += r.top;
  return 1;
}

int HostWindows::UnregisterClassW(const char16_t* className, ModuleHandle) {
  if (className == nullptr) return 0;
  unregistered_.push_back(className);
  auto* store = dynamic_cast<HostControls*>(&pf::Controls());
  return store != nullptr && store->UnregisterClass(className) ? 1 : 0;
}

MenuHandle HostWindows::CreatePopupMenu() {
  std::uintptr_t id = nextMenu_ += 4;
  menus_[id];
  return MenuHandle(id);
}

int HostWindows::AppendMenuW(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                             const char16_t* text) {
  auto it = menus_.find(static_cast<std::uintptr_t>(menu));
  if (it == menus_.end()) return 0;
  it->second.push_back({flags, id, text != nullptr ? text : u""});
  return 1;
}

int HostWindows::TrackPopupMenuEx(MenuHandle menu, std::uint32_t flags, int x, int y,
                                  WindowHandle owner, const void*) {
  auto it = menus_.find(static_cast<std::uintptr_t>(menu));
  if (it == menus_.end() || !KnownWindow(owner)) return 0;
  MenuOpening opening;
  opening.menu = menu;
  opening.flags = flags;
  opening.at = POINT{x, y};
  opening.owner = owner;
  opening.entries = it->second;
  openings_.push_back(opening);
  menuOpen_ = true;
  return 1;
}

bool HostWindows::ChooseMenuEntry(std::uintptr_t id) {
  if (!menuOpen_ || openings_.empty()) return false;
  const MenuOpening& open = openings_.back();
  for (const MenuEntry& entry : open.entries) {
    if (entry.id != id) continue;
    menuOpen_ = false;
    pf::SendMessageW(open.owner, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), 0), 0);
    return true;
  }
  return false;
}

int HostWindows::DestroyMenu(MenuHandle menu) {
  return menus_.erase(static_cast<std::uintptr_t>(menu)) ? 1 : 0;
}

int HostWindows::EndDialog(WindowHandle dialog, std::intptr_t result) {
  endedDialogs_.emplace_back(dialog, result);
  return 1;
}

std::uint32_t HostWindows::SHRecognizeGesture(SHRGINFO* info) {
  ++gestureQueries_;
  if (info == nullptr) return 0;
  lastGesture_ = *info;
  std::uint32_t gesture = nextGesture_;
  nextGesture_ = 0;
  return gesture;
}

void HostWindows::Reset() {
  invalidations_.clear();
  timers_.clear();
  capture_ = WindowHandle{};
  openPaints_ = 0;
  nextGesture_ = 0;
  gestureQueries_ = 0;
  lastGesture_ = SHRGINFO{};
  menus_.clear();
  openings_.clear();
  menuOpen_ = false;
  endedDialogs_.clear();
  unregistered_.clear();
  InstallWindowPictures();
}

HostWindows& HostWindowService() {
  static HostWindows windows;
  return windows;
}

}  // namespace pf::host

namespace pf {
WindowService& PlatformWindows() { return host::HostWindowService(); }
}  // namespace pf
