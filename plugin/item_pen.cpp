// Pen input on the item: tap-and-hold opens the menu, horizontal swipes change the page, a release that did not move is a tap.
#include "platform/window.h"
#include "plugin/item_handlers.h"
#include "plugin/item_state.h"
#include "plugin/layout.h"
#include "plugin/plugin_state.h"

namespace ostrel {

namespace {

constexpr std::uint32_t kGestureInfoSize = 20;
constexpr int kTapSlack = 10;  // pixels sideways before a press stops being a tap

// The pen held down on the spot: the platform reports a tap-and-hold.
bool RecognizedHold(pf::WindowHandle window, int x, int y) {
  pf::SHRGINFO info;
  info.cbSize = kGestureInfoSize;
  info.hwndClient = window;
  info.ptDown = pf::POINT{x, y};
  info.dwFlags = pf::SHRG_RETURNCMD;
  return pf::SHRecognizeGesture(&info) == pf::GN_CONTEXTMENU;
}

// The menu opens at the pen; the chosen entry arrives later as WM_COMMAND.
void OpenContextMenu(pf::WindowHandle window, int x, int y) {
  pf::POINT at{x, y};
  pf::ClientToScreen(window, &at);
  pf::TrackPopupMenuEx(Item().ContextMenu, 0, at.x, at.y, window, nullptr);
}

}  // namespace

void OnPenDown(pf::WindowHandle window, int x, int y) {
  if (RecognizedHold(window, x, y)) {
    OpenContextMenu(window, x, y);
    return;
  }
  ItemState& item = Item();
  PenState& pen = item.Pen;
  pen.DownX = pen.CurX = x;
  pen.DownY = pen.CurY = y;
  if (item.PageCount > 0) pen.Tracking = 1;
  pen.Moved = 0;
  pf::SetCapture(window);
}

void OnPenMove(pf::WindowHandle window, int x, int y) {
  ItemState& item = Item();
  PenState& pen = item.Pen;
  if (pen.Tracking != 1 || item.PageCount <= 0) return;
  pen.CurX = x;
  pen.CurY = y;
  const int sideways = x > pen.DownX ? x - pen.DownX : pen.DownX - x;
  if (sideways > kTapSlack) pen.Moved = 1;
  RepaintWhole(window);
}

// A swipe past the threshold turns the page (pen moved left: the next one);
// a press that never moved more than the slack sideways is a tap.
void OnPenUp(pf::WindowHandle window, int x, int y) {
  ItemState& item = Item();
  PenState& pen = item.Pen;
  const int d = pen.CurX - pen.DownX;
  if (IsSwipe(window, d)) {
    const Settings& settings = PluginSettings();
    item.CurrentPage = d < 0 ? NextPage(settings, item, item.CurrentPage) : PreviousPage(settings, item, item.CurrentPage);
  }
  pen.DownX = pen.DownY = pen.CurX = pen.CurY = 0;
  pen.Tracking = 0;
  RepaintWhole(window);
  pf::ReleaseCapture();
  if (pen.Moved == 0) DispatchTap(PluginSettings(), item, x, y, 0);
}

}  // namespace ostrel
