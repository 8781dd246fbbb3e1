// The Today-shell stand-in's window procedure: paint, the item protocol, keys, rebuilds.
#include "programs/todayhost/todayhost.h"

namespace todayhost {

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 2000;
constexpr UINT kOptionsCommand = 100;  // + item index

void OnPaint(Host& host, HDC dc, const RECT& area) {
  DrawBackground(dc, area, POINT{0, 0}, host);
  DrawHeader(dc, host);
}

LRESULT OnDrawWatermark(Host& host, const pf::TODAYDRAWWATERMARKINFO* info) {
  if (info == nullptr) return FALSE;
  POINT origin{0, 0};
  MapWindowPoints(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(info->hwnd)), host.window, &origin, 1);
  RECT area{info->rc.left, info->rc.top, info->rc.right, info->rc.bottom};
  DrawBackground(reinterpret_cast<HDC>(static_cast<std::uintptr_t>(info->hdc)), area, origin, host);
  return TRUE;
}

LRESULT OnGetColor(WPARAM which) {
  if (which == pf::TODAYCOLOR_HIGHLIGHT) return HighlightColor();
  if (which == pf::TODAYCOLOR_TEXT || which == pf::TODAYCOLOR_HIGHLIGHTEDTEXT) return RGB(255, 255, 255);
  return 0;
}

void OnPoll(Host& host) {
  if (QueryItemHeights(host)) LayoutItems(host);
}

// Up and down move the selection between items; left and right go to the
// selected item, which may keep them.
void OnKey(Host& host, WPARAM key) {
  const int count = static_cast<int>(host.items.size());
  if (key == VK_DOWN && count > 0) SelectItem(host, host.selected + 1 < count ? host.selected + 1 : 0);
  else if (key == VK_UP && count > 0) SelectItem(host, host.selected > 0 ? host.selected - 1 : count - 1);
  else if ((key == VK_LEFT || key == VK_RIGHT) && host.selected >= 0) {
    SendMessageW(host.items[host.selected].window, pf::WM_TODAYCUSTOM_USERNAVIGATION, key, 0);
  } else if (key == 'O') {
    OpenItemOptions(host, host.selected >= 0 ? host.selected : 0);
  }
}

// A right click on the background offers the options of each item that has them.
void OnContextMenu(Host& host, int x, int y) {
  HMENU menu = CreatePopupMenu();
  for (std::size_t i = 0; i < host.items.size(); ++i) {
    if (host.items[i].options == 0) continue;
    std::wstring text = L"Параметры: " + host.items[i].key;
    AppendMenuW(menu, MF_STRING, kOptionsCommand + i, text.c_str());
  }
  UINT chosen = TrackPopupMenuEx(menu, TPM_RETURNCMD, x, y, host.window, nullptr);
  DestroyMenu(menu);
  if (chosen >= kOptionsCommand) OpenItemOptions(host, static_cast<int>(chosen - kOptionsCommand));
}

void OnSettingChange(Host& host, WPARAM which) {
  if (which != pf::SETTINGCHANGE_RESET) return;
  DestroyItems(host);
  CreateItems(host);
  ReportItems(host);
}

}  // namespace

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Host& host = TheHost();
  switch (message) {
    case WM_CREATE:
      host.window = window;
      SetTimer(window, kPollTimer, kPollMs, nullptr);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      OnPaint(host, dc, ps.rcPaint);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(window, &client);
      OnPaint(host, reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_TIMER:
      if (wParam == kPollTimer) OnPoll(host);
      return 0;
    case WM_KEYDOWN:
      OnKey(host, wParam);
      return 0;
    case WM_RBUTTONUP: {
      POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ClientToScreen(window, &p);
      OnContextMenu(host, p.x, p.y);
      return 0;
    }
    case WM_SETTINGCHANGE:
      OnSettingChange(host, wParam);
      return 0;
    case WM_DESTROY:
      KillTimer(window, kPollTimer);
      DestroyItems(host);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  if (message == pf::TODAYM_GETCOLOR) return OnGetColor(wParam);
  if (message == pf::TODAYM_DRAWWATERMARK) {
    return OnDrawWatermark(host, reinterpret_cast<const pf::TODAYDRAWWATERMARKINFO*>(lParam));
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace todayhost
