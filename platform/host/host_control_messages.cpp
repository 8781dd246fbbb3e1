// Host messages: sending, posting and the message loop, other instances, resources and metrics, the menu bar, and the reset between runs.
#include "platform/gdi.h"
#include "platform/host/call_faults.h"
#include "platform/host/host_controls.h"
#include "platform/host/memory_registry.h"

namespace pf::host {

namespace {

constexpr std::uintptr_t kIconBase = 0x1C00000;

bool SameName(const std::u16string& a, const std::u16string& b) { return FoldCase(a) == FoldCase(b); }

}  // namespace

// ---- Messages ----

LRESULT HostControls::SendMessageW(WindowHandle window, std::uint32_t message, WPARAM wParam,
                                   LPARAM lParam) {
  HostWindow* w = Find(window);
  if (w == nullptr || w->proc == nullptr) return 0;
  return w->proc(window, message, wParam, lParam);
}

int HostControls::PostMessageW(WindowHandle window, std::uint32_t message, WPARAM wParam,
                               LPARAM lParam) {
  if (window == HWND_BROADCAST) {
    if (Fails("PostMessageW")) return 0;
    broadcasts_.push_back({message, wParam, lParam});
    return 1;
  }
  if (Find(window) == nullptr) return 0;
  Posted p;
  p.msg.hwnd = window;
  p.msg.message = message;
  p.msg.wParam = wParam;
  p.msg.lParam = lParam;
  queue_.push_back(p);
  return 1;
}

LRESULT HostControls::DefWindowProcW(WindowHandle window, std::uint32_t message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) DestroyWindow(window);
  return 0;
}

int HostControls::MessageBoxW(WindowHandle, const char16_t* text, const char16_t*, std::uint32_t) {
  messageBoxes_.push_back(text == nullptr ? u"" : text);
  return IDOK;
}

void HostControls::PostQuitMessage(int exitCode) {
  quitPosted_ = true;
  quitCode_ = exitCode;
}

int HostControls::GetMessageW(MSG* msg, WindowHandle, std::uint32_t, std::uint32_t) {
  if (msg == nullptr) return -1;
  for (;;) {
    if (!queue_.empty()) {
      *msg = queue_.front().msg;
      queue_.pop_front();
      return 1;
    }
    if (quitPosted_) {
      quitPosted_ = false;
      *msg = MSG{};
      msg->message = WM_QUIT;
      msg->wParam = static_cast<WPARAM>(quitCode_);
      return 0;
    }
    if (!userInput_ || !userInput_()) {
      *msg = MSG{};
      msg->message = WM_QUIT;
      return 0;
    }
  }
}

int HostControls::TranslateMessage(const MSG*) { return 0; }

LRESULT HostControls::DispatchMessageW(const MSG* msg) {
  return msg == nullptr ? 0 : SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void HostControls::DispatchPosted() {
  while (!queue_.empty()) {
    MSG msg = queue_.front().msg;
    queue_.pop_front();
    DispatchMessageW(&msg);
  }
}

// ---- Other instances, resources, metrics ----

WindowHandle HostControls::AddForeignWindow(const std::u16string& className,
                                            const std::u16string& title) {
  auto window = std::make_unique<HostWindow>();
  window->handle = WindowHandle(nextHandle_ += 4);
  window->className = className;
  window->text = title;
  window->style = WS_VISIBLE;
  WindowHandle handle = window->handle;
  windows_[static_cast<std::uintptr_t>(handle)] = std::move(window);
  order_.push_back(handle);
  return handle;
}

WindowHandle HostControls::FindWindowW(const char16_t* className, const char16_t* windowName) {
  for (WindowHandle h : order_) {
    const HostWindow* w = Find(h);
    if (w == nullptr || !IsNull(w->parent)) continue;
    if (className != nullptr && !SameName(w->className, className)) continue;
    if (windowName != nullptr && w->text != windowName) continue;
    return h;
  }
  return WindowHandle{};
}

int HostControls::SetForegroundWindow(WindowHandle window) {
  foreground_ = window;
  // The low bit asks for the window's owned windows too; it is no part of the handle.
  return Find(WindowHandle(static_cast<std::uintptr_t>(window) & ~std::uintptr_t{1})) != nullptr;
}

IconHandle HostControls::LoadIconW(ModuleHandle, std::uintptr_t resourceId) {
  // Resource icons are shared and never destroyed; one handle per resource.
  return IconHandle(kIconBase + resourceId * 4);
}

CursorHandle HostControls::LoadCursorW(ModuleHandle, std::uintptr_t resourceId) {
  return (resourceId == IDC_ARROW || resourceId == IDC_WAIT) ? CursorHandle(resourceId)
                                                             : CursorHandle{};
}

CursorHandle HostControls::SetCursor(CursorHandle cursor) {
  CursorHandle previous = cursor_;
  cursor_ = cursor;
  if (cursor == CursorHandle(IDC_WAIT) && previous != cursor) ++waitCursorShows_;
  return previous;
}

int HostControls::GetSystemMetrics(int index) {
  if (CallFails("GetSystemMetrics")) return 0;
  switch (index) {
    case SM_CXSCREEN: return screen_.cx;
    case SM_CYSCREEN: return screen_.cy;
    case SM_CXICON: return 32 * Dpi(LOGPIXELSX) / 96;
    case SM_CYICON: return 32 * Dpi(LOGPIXELSY) / 96;
    case SM_CXSMICON: return 16 * Dpi(LOGPIXELSX) / 96;
    case SM_CYSMICON: return 16 * Dpi(LOGPIXELSY) / 96;
    default: return 0;
  }
}

int HostControls::InitCommonControls() {
  commonControls_ = true;
  return 1;
}

int HostControls::SHInitExtraControls() {
  extraControls_ = true;
  return 1;
}

// The host carries no resources: every menu-bar template stands for the two
// soft keys of the program's bar, 40000 "OK" and 40001 "Cancel".
int HostControls::SHCreateMenuBar(SHMENUBARINFO* info) {
  if (info == nullptr || menuBarFails_ || Find(info->hwndParent) == nullptr) return 0;
  int height = 26 * Dpi(LOGPIXELSY) / 96;
  WindowHandle bar = CreateWindowExW(0, kHostMenuBarClass, u"", WS_VISIBLE, 0, screen_.cy - height,
                                     screen_.cx, height, info->hwndParent, 0, ModuleHandle{},
                                     nullptr);
  HostWindow* w = Find(bar);
  if (w == nullptr) return 0;
  w->softKeys = {{40000, u"OK"}, {40001, u"Cancel"}};
  info->hwndMB = bar;
  return 1;
}

WindowHandle HostControls::MenuBarOf(WindowHandle owner) const {
  for (WindowHandle h : order_) {
    const HostWindow* w = Find(h);
    if (w != nullptr && w->owner == owner && w->Is(kHostMenuBarClass)) return h;
  }
  return WindowHandle{};
}

int HostControls::ToolBarSetButtonInfo(WindowHandle bar, int command,
                                       const TBBUTTONINFOW* info) {
  HostWindow* w = FindOf(bar, kHostMenuBarClass);
  if (w == nullptr || info == nullptr) return 0;
  for (SoftKey& key : w->softKeys) {
    if (key.command != command) continue;
    if ((info->dwMask & TBIF_TEXT) && info->pszText != nullptr) key.text = info->pszText;
    if (info->dwMask & TBIF_COMMAND) key.command = info->idCommand;
    return 1;
  }
  return 0;
}

// There is no input panel on the host: nothing to resize.
int HostControls::SHHandleWMActivate(WindowHandle, WPARAM, LPARAM, SHACTIVATEINFO*, std::uint32_t) {
  return 1;
}

int HostControls::SHHandleWMSettingChange(WindowHandle, WPARAM, LPARAM, SHACTIVATEINFO*) {
  return 1;
}

void HostControls::Reset() {
  userInput_ = nullptr;
  std::vector<WindowHandle> tops;
  for (WindowHandle h : order_) {
    const HostWindow* w = Find(h);
    if (w != nullptr && IsNull(w->parent) && IsNull(w->owner)) tops.push_back(h);
  }
  for (WindowHandle h : tops) DestroyWindow(h);
  windows_.clear();
  order_.clear();
  classes_.clear();
  queue_.clear();
  broadcasts_.clear();
  messageBoxes_.clear();
  screen_ = SIZE{240, 320};
  foreground_ = WindowHandle{};
  cursor_ = CursorHandle{};
  waitCursorShows_ = 0;
  rowStateReads_ = 0;
  commonControls_ = extraControls_ = menuBarFails_ = quitPosted_ = false;
  failing_.clear();
  quitCode_ = 0;
}

}  // namespace pf::host
