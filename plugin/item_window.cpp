// The item window's procedure: creation and destruction, the shell's messages, timer, commands and selection.
#include "plugin/item_window.h"

#include "platform/draw.h"
#include "platform/window.h"
#include "plugin/item_handlers.h"
#include "plugin/item_state.h"
#include "plugin/launcher.h"
#include "plugin/layout.h"
#include "plugin/plugin_state.h"
#include "plugin/state_images.h"
#include "plugin/taps.h"

namespace ostrel {

namespace {

// Pen coordinates are the signed 16-bit halves of lParam: with the pen
// captured, a position left of or above the window is negative.
int PenX(pf::LPARAM lParam) { return static_cast<std::int16_t>(pf::LOWORD(static_cast<std::uintptr_t>(lParam))); }
int PenY(pf::LPARAM lParam) { return static_cast<std::int16_t>(pf::HIWORD(static_cast<std::uintptr_t>(lParam))); }

// The creation sequence: settings, highlight color, images, layout and
// icons, day names, launcher cells, first page, menu, storage card folder,
// status. What the platform refuses is fetched again at the next tick or
// refresh query.
pf::LRESULT OnCreate(pf::WindowHandle window) {
  ItemState& item = Item();
  ReleaseItemResources();  // what an earlier window of this module left
  item.ItemWindow = window;
  item.Selected = 0;
  item.Pen = PenState{};
  Settings& settings = PluginSettings();
  settings.Owner = Deliverable::Plugin;
  settings.Module = item.ModuleInstance;
  item.HighlightColor = static_cast<pf::COLORREF>(
      pf::SendMessageW(pf::GetParent(window), pf::TODAYM_GETCOLOR, pf::TODAYCOLOR_HIGHLIGHT, 0));
  item.CostlyWait = 0;
  item.CostlySkips = 0;
  item.Missing = FetchParts(window, kMissingSettings | kMissingDayNames | kMissingMenu | kMissingCardPath);
  StatusState& status = Status();
  ReadPhoneStatus(status);
  ReadSystemInfo(settings.SysInfoSettings, status);
  return 0;
}

pf::LRESULT OnDestroy(pf::WindowHandle window) {
  pf::KillTimer(window, kRefreshTimer);
  ItemState& item = Item();
  // A newer window of this module owns the state by now; only the last one releases it.
  if (window == item.ItemWindow) {
    ReleaseItemResources();
    item.ItemWindow = pf::WindowHandle{};
    item.Missing = 0;
    item.CostlyWait = 0;
    item.CostlySkips = 0;
  }
  return 0;
}

pf::LRESULT OnPaint(pf::WindowHandle window) {
  PaintItem(window, pf::SurfaceHandle{});
  return 0;
}

pf::LRESULT OnPrintClient(pf::WindowHandle window, pf::WPARAM surface) {
  PaintItem(window, pf::SurfaceHandle(surface));
  return 0;
}

pf::LRESULT OnEraseBackground(pf::WindowHandle window, pf::WPARAM surface) {
  DrawWatermark(window, pf::SurfaceHandle(surface));
  return 1;
}

pf::LRESULT OnCommand(pf::WPARAM wParam) {
  if (pf::LOWORD(wParam) == CMD_SETTINGS) StartSettingsProgram(Item().ModuleInstance);
  return 0;
}

pf::LRESULT OnTimer(pf::WindowHandle window) {
  FetchMissingParts(window);
  RefreshTick(window, 0, PluginSettings(), Status());
  return 0;
}

pf::LRESULT OnPenEvent(void (*handler)(pf::WindowHandle, int, int), pf::WindowHandle window,
                       pf::LPARAM lParam) {
  handler(window, PenX(lParam), PenY(lParam));
  return 0;
}

pf::LRESULT OnDoubleTap(pf::LPARAM lParam) {
  DispatchTap(PluginSettings(), Item(), PenX(lParam), PenY(lParam), 1);
  return 0;
}

// WM_USER re-reads the phone status only; nothing asks for a repaint here.
pf::LRESULT OnPhoneStatusChanged() {
  ReadPhoneStatus(Status());
  return 0;
}

// The shell's refresh query: TRUE (and a forced refresh) only when the
// item's height differs from the one the shell holds. The bands are
// measured anew each time, so a measure the platform spoiled lasts no
// longer than until the next query.
pf::LRESULT OnQueryRefresh(pf::WindowHandle window, pf::WPARAM wParam) {
  FetchMissingParts(window);
  bool bandsChanged = false;
  const int height = RemeasureItem(PluginSettings(), Item(), &bandsChanged);
  auto* listItem = reinterpret_cast<pf::TODAYLISTITEM*>(wParam);
  if (listItem == nullptr || listItem->cyp == static_cast<std::uint32_t>(height)) {
    if (bandsChanged) RepaintWhole(window);
    return 0;
  }
  listItem->cyp = static_cast<std::uint32_t>(height);
  RefreshTick(window, 1, PluginSettings(), Status());
  return 1;
}

pf::LRESULT OnSelection(pf::WindowHandle window, int selected) {
  Item().Selected = selected;
  RepaintWhole(window);
  return 1;
}

// Left and right change the page and keep the selection; any other key is
// the shell's, which moves its selection on.
pf::LRESULT OnNavigation(pf::WindowHandle window, pf::WPARAM key) {
  ItemState& item = Item();
  if (key == pf::VK_LEFT) {
    item.CurrentPage = PreviousPage(PluginSettings(), item, item.CurrentPage);
  } else if (key == pf::VK_RIGHT) {
    item.CurrentPage = NextPage(PluginSettings(), item, item.CurrentPage);
  } else {
    return 0;
  }
  RepaintWhole(window);
  return 1;
}

}  // namespace

// A refused request is made again at the next tick.
void RepaintWhole(pf::WindowHandle window) {
  if (pf::InvalidateRect(window, nullptr, 0) == 0) Item().Missing |= kMissingFrame;
}

void ReleaseItemResources() {
  ItemState& item = Item();
  ReleaseStateImages(item.Images);
  ReleaseLauncherIcons(PluginSettings());
  if (!pf::IsNull(item.ContextMenu)) pf::DestroyMenu(item.ContextMenu);
  item.ContextMenu = pf::MenuHandle{};
}

pf::LRESULT ItemWindowProc(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam,
                           pf::LPARAM lParam) {
  switch (message) {
    case pf::WM_CREATE: return OnCreate(window);
    case pf::WM_DESTROY: return OnDestroy(window);
    case pf::WM_PAINT: return OnPaint(window);
    case pf::WM_PRINTCLIENT: return OnPrintClient(window, wParam);
    case pf::WM_ERASEBKGND: return OnEraseBackground(window, wParam);
    case pf::WM_COMMAND: return OnCommand(wParam);
    case pf::WM_TIMER: return OnTimer(window);
    case pf::WM_MOUSEMOVE: return OnPenEvent(OnPenMove, window, lParam);
    case pf::WM_LBUTTONDOWN: return OnPenEvent(OnPenDown, window, lParam);
    case pf::WM_LBUTTONUP: return OnPenEvent(OnPenUp, window, lParam);
    case pf::WM_LBUTTONDBLCLK: return OnDoubleTap(lParam);
    case pf::WM_USER: return OnPhoneStatusChanged();
    case pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE: return OnQueryRefresh(window, wParam);
    case pf::WM_TODAYCUSTOM_RECEIVEDSELECTION: return OnSelection(window, 1);
    case pf::WM_TODAYCUSTOM_LOSTSELECTION: return OnSelection(window, 0);
    case pf::WM_TODAYCUSTOM_USERNAVIGATION: return OnNavigation(window, wParam);
    default: return 0;
  }
}

}  // namespace ostrel
