// Host windows: classes, creation and destruction, visibility and enabling, placement and text.
#include "platform/host/host_controls.h"

#include <algorithm>
#include <climits>

#include "platform/gdi.h"
#include "platform/host/host_screen.h"
#include "platform/host/memory_registry.h"
#include "platform/text.h"

namespace pf::host {

namespace {

constexpr const char16_t* kSipClass = u"SIPPREF";

bool SameName(const std::u16string& a, const std::u16string& b) { return FoldCase(a) == FoldCase(b); }

bool IsCommonControl(const std::u16string& name) {
  return SameName(name, WC_LISTVIEW) || SameName(name, WC_TABCONTROL) ||
         SameName(name, UPDOWN_CLASS);
}

bool IsBasicControl(const std::u16string& name) {
  return SameName(name, WC_STATIC) || SameName(name, WC_BUTTON) || SameName(name, WC_EDIT) ||
         SameName(name, WC_COMBOBOX);
}

std::u16string TextOf(const char16_t* text) { return text ? std::u16string(text) : std::u16string(); }

}  // namespace

bool HostWindow::Is(const char16_t* cls) const { return SameName(className, cls); }

HostControls::HostControls() = default;
HostControls::~HostControls() = default;

HostWindow* HostControls::Find(WindowHandle window) {
  auto it = windows_.find(static_cast<std::uintptr_t>(window));
  return it == windows_.end() ? nullptr : it->second.get();
}

const HostWindow* HostControls::Find(WindowHandle window) const {
  auto it = windows_.find(static_cast<std::uintptr_t>(window));
  return it == windows_.end() ? nullptr : it->second.get();
}

const HostWindow* HostControls::Window(WindowHandle window) const { return Find(window); }

HostWindow* HostControls::FindOf(WindowHandle window, const char16_t* cls) {
  HostWindow* w = Find(window);
  return (w != nullptr && w->Is(cls)) ? w : nullptr;
}

// Asked of the screen stand-in itself: a call the project makes may be
// refused on purpose, the stand-in's own look at the screen may not.
int HostControls::Dpi(int axis) const {
  return axis == LOGPIXELSX ? HostScreen().ScreenDpiX() : HostScreen().ScreenDpiY();
}

void HostControls::SetScreenSize(int width, int height) {
  screen_.cx = width;
  screen_.cy = height;
}

// ---- Classes and windows ----

std::uint16_t HostControls::RegisterClassW(const WNDCLASSW* windowClass) {
  if (windowClass == nullptr || windowClass->lpszClassName == nullptr ||
      windowClass->lpfnWndProc == nullptr) {
    return 0;
  }
  std::u16string name = windowClass->lpszClassName;
  for (const ClassInfo& c : classes_) {
    if (SameName(c.name, name)) return 0;  // already registered
  }
  classes_.push_back({name, windowClass->lpfnWndProc});
  return static_cast<std::uint16_t>(0xC000 + classes_.size());
}

bool HostControls::UnregisterClass(const char16_t* className) {
  if (className == nullptr) return false;
  for (WindowHandle h : order_) {
    const HostWindow* w = Find(h);
    if (w != nullptr && w->proc != nullptr && SameName(w->className, className)) return false;
  }
  for (auto it = classes_.begin(); it != classes_.end(); ++it) {
    if (SameName(it->name, className)) {
      classes_.erase(it);
      return true;
    }
  }
  return false;
}

bool HostControls::KnownClass(const std::u16string& name, WNDPROC* proc) const {
  *proc = nullptr;
  for (const ClassInfo& c : classes_) {
    if (SameName(c.name, name)) {
      *proc = c.proc;
      return true;
    }
  }
  if (IsBasicControl(name) || SameName(name, kHostMenuBarClass)) return true;
  if (IsCommonControl(name)) return commonControls_;
  if (SameName(name, kSipClass)) return extraControls_;
  return false;
}

RECT MovedWindowRect(int x, int y, int width, int height) {
  const auto side = [](int size) { return std::clamp(size, 0, kLargestWindowSide); };
  x = std::clamp(x, -kLargestWindowSide - 1, kLargestWindowSide);
  y = std::clamp(y, -kLargestWindowSide - 1, kLargestWindowSide);
  return RECT{x, y, x + side(width), y + side(height)};
}

RECT CreatedWindowRect(int x, int y, int width, int height) {
  const auto edge = [](int at, int size) {
    return static_cast<int>(std::min<long long>(static_cast<long long>(at) + std::max(size, 0), INT_MAX));
  };
  return RECT{x, y, edge(x, width), edge(y, height)};
}

WindowHandle HostControls::CreateWindowExW(std::uint32_t exStyle, const char16_t* className,
                                           const char16_t* windowName, std::uint32_t style, int x,
                                           int y, int width, int height, WindowHandle parent,
                                           std::uintptr_t menuOrId, ModuleHandle,
                                           void* param) {
  WNDPROC proc = nullptr;
  if (className == nullptr || !KnownClass(className, &proc)) return WindowHandle{};
  bool child = (style & WS_CHILD) != 0;
  if (child && Find(parent) == nullptr) return WindowHandle{};
  if (!child) {
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) {
      width = screen_.cx - x;
      height = screen_.cy - y;
    }
  }
  auto window = std::make_unique<HostWindow>();
  window->handle = WindowHandle(nextHandle_ += 4);
  window->className = className;
  window->text = TextOf(windowName);
  window->style = style;
  window->exStyle = exStyle;
  window->rect = CreatedWindowRect(x, y, width, height);
  window->parent = child ? parent : WindowHandle{};
  window->owner = child ? WindowHandle{} : parent;
  window->id = child ? static_cast<int>(menuOrId) : 0;
  window->proc = proc;
  if (window->Is(WC_COMBOBOX)) window->text.clear();  // a drop-down list shows its selection
  WindowHandle handle = window->handle;
  windows_[static_cast<std::uintptr_t>(handle)] = std::move(window);
  order_.push_back(handle);
  if (proc != nullptr) {
    if (proc(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(param)) == -1) {
      DestroyWindow(handle);
      return WindowHandle{};
    }
    if (HostWindow* created = Find(handle)) {
      RECT r = created->rect;
      proc(handle, WM_SIZE, 0, MAKELPARAM(r.right - r.left, r.bottom - r.top));
    }
  }
  return Find(handle) ? handle : WindowHandle{};
}

void HostControls::Remove(WindowHandle window) {
  windows_.erase(static_cast<std::uintptr_t>(window));
  order_.erase(std::remove(order_.begin(), order_.end(), window), order_.end());
  queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                              [window](const Posted& p) { return p.msg.hwnd == window; }),
               queue_.end());
}

int HostControls::DestroyWindow(WindowHandle window) {
  if (Find(window) == nullptr) return 0;
  // Owned windows go first, then the window hears WM_DESTROY, then its children.
  std::vector<WindowHandle> owned;
  for (WindowHandle h : order_) {
    const HostWindow* w = Find(h);
    if (w != nullptr && w->owner == window) owned.push_back(h);
  }
  for (WindowHandle h : owned) DestroyWindow(h);
  if (HostWindow* w = Find(window)) {
    if (w->proc != nullptr) w->proc(window, WM_DESTROY, 0, 0);
  }
  std::vector<WindowHandle> children;
  for (WindowHandle h : order_) {
    const HostWindow* w = Find(h);
    if (w != nullptr && w->parent == window) children.push_back(h);
  }
  for (WindowHandle h : children) DestroyWindow(h);
  Remove(window);
  return 1;
}

int HostControls::IsWindow(WindowHandle window) { return Find(window) != nullptr; }

int HostControls::ShowWindow(WindowHandle window, int command) {
  HostWindow* w = Find(window);
  if (w == nullptr) return 0;
  bool wasVisible = w->Visible();
  if (command == SW_HIDE) {
    w->style &= ~WS_VISIBLE;
  } else {
    w->style |= WS_VISIBLE;
  }
  return wasVisible ? 1 : 0;
}

int HostControls::UpdateWindow(WindowHandle window) { return Find(window) != nullptr; }

int HostControls::EnableWindow(WindowHandle window, int enable) {
  HostWindow* w = Find(window);
  if (w == nullptr) return 0;
  bool wasDisabled = !w->Enabled();
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    w->style |= WS_DISABLED;
  }
  return wasDisabled ? 1 : 0;
}

int HostControls::IsWindowVisible(WindowHandle window) {
  for (const HostWindow* w = Find(window); w != nullptr; w = Find(w->parent)) {
    if (!w->Visible()) return 0;
    if (IsNull(w->parent)) return 1;
  }
  return 0;
}

int HostControls::IsWindowEnabled(WindowHandle window) {
  const HostWindow* w = Find(window);
  return (w != nullptr && w->Enabled()) ? 1 : 0;
}

int HostControls::MoveWindow(WindowHandle window, int x, int y, int width, int height, int) {
  return SetWindowPos(window, WindowHandle{}, x, y, width, height, SWP_NOZORDER);
}

int HostControls::SetWindowPos(WindowHandle window, WindowHandle, int x, int y, int cx, int cy,
                               std::uint32_t flags) {
  HostWindow* w = Find(window);
  if (w == nullptr) return 0;
  RECT old = w->rect;
  int width = (flags & SWP_NOSIZE) ? old.right - old.left : cx;
  int height = (flags & SWP_NOSIZE) ? old.bottom - old.top : cy;
  if (flags & SWP_NOMOVE) {
    x = old.left;
    y = old.top;
  }
  w->rect = MovedWindowRect(x, y, width, height);
  width = w->rect.right - w->rect.left;
  height = w->rect.bottom - w->rect.top;
  bool resized = width != old.right - old.left || height != old.bottom - old.top;
  if (resized && w->proc != nullptr) {
    w->proc(window, WM_SIZE, 0, MAKELPARAM(width, height));
  }
  return 1;
}

int HostControls::SetWindowTextW(WindowHandle window, const char16_t* text) {
  HostWindow* w = Find(window);
  if (w == nullptr || w->Is(WC_COMBOBOX)) return 0;
  w->text = TextOf(text);
  if (w->Is(WC_EDIT)) Command(window, EN_CHANGE);  // as an edit does for new text
  return 1;
}

bool HostControls::Fails(const char* call) {
  auto it = failing_.find(call);
  if (it == failing_.end() || it->second.times <= 0) return false;
  if (it->second.after > 0) {
    --it->second.after;
    return false;
  }
  --it->second.times;
  return true;
}

int HostControls::GetWindowTextW(WindowHandle window, char16_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return 0;
  buffer[0] = 0;
  if (Fails("GetWindowTextW")) return -1;
  if (Fails("GetWindowTextW as empty")) return 0;
  const HostWindow* w = Find(window);
  if (w == nullptr) return -1;
  std::u16string text = w->text;
  if (w->Is(WC_COMBOBOX)) {
    bool chosen = w->comboSelection >= 0 && w->comboSelection < static_cast<int>(w->entries.size());
    text = chosen ? w->entries[w->comboSelection] : std::u16string();
  }
  return static_cast<int>(CopyText(buffer, static_cast<std::size_t>(capacity), text.c_str()));
}

WindowHandle HostControls::GetDlgItem(WindowHandle parent, int id) {
  for (WindowHandle h : order_) {
    const HostWindow* w = Find(h);
    if (w != nullptr && w->parent == parent && !IsNull(parent) && w->id == id) return h;
  }
  return WindowHandle{};
}

int HostControls::GetDlgCtrlID(WindowHandle window) {
  const HostWindow* w = Find(window);
  return w == nullptr ? 0 : w->id;
}

void HostControls::SetWindowFont(WindowHandle window, FontHandle font, int) {
  if (HostWindow* w = Find(window)) w->font = font;
}

HostControls& HostControlStore() {
  static HostControls controls;
  return controls;
}

}  // namespace pf::host

namespace pf {
ControlsService& PlatformControls() { return host::HostControlStore(); }
}  // namespace pf
