// The shell stand-in's own picture: a vertical gradient and a title band.
#include "programs/todayhost/todayhost.h"

namespace todayhost {

namespace {

constexpr COLORREF kTop = RGB(24, 48, 96);
constexpr COLORREF kBottom = RGB(6, 10, 24);

int Mix(int a, int b, int step, int steps) { return a + (b - a) * step / (steps > 0 ? steps : 1); }

COLORREF GradientAt(int y, int height) {
  return RGB(Mix(GetRValue(kTop), GetRValue(kBottom), y, height),
             Mix(GetGValue(kTop), GetGValue(kBottom), y, height),
             Mix(GetBValue(kTop), GetBValue(kBottom), y, height));
}

void FillRow(HDC dc, int left, int right, int y, COLORREF color) {
  RECT row{left, y, right, y + 1};
  COLORREF old = SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &row, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

}  // namespace

COLORREF HighlightColor() { return RGB(0, 96, 192); }

// Draws the host's background for `area` of `dc`, whose point (0, 0) lies at
// `origin` in the host window, so that an item's watermark lines up with the
// picture around it.
void DrawBackground(HDC dc, const RECT& area, POINT origin, const Host& host) {
  RECT client;
  GetClientRect(host.window, &client);
  int height = client.bottom - client.top;
  for (int y = area.top; y < area.bottom; ++y) {
    FillRow(dc, area.left, area.right, y, GradientAt(origin.y + y, height));
  }
}

void DrawHeader(HDC dc, const Host& host) {
  RECT client;
  GetClientRect(host.window, &client);
  RECT band{0, 0, client.right, host.headerHeight};
  COLORREF old = SetBkColor(dc, RGB(0, 40, 90));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &band, nullptr, 0, nullptr);
  SetBkColor(dc, old);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  LOGFONTW font{};
  font.lfHeight = -(9 * dpi / 72);
  font.lfWeight = FW_BOLD;
  lstrcpyW(font.lfFaceName, L"Tahoma");
  HFONT handle = CreateFontIndirectW(&font);
  HGDIOBJ previous = SelectObject(dc, handle);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT text{band.left + 6 * dpi / 96, band.top, band.right, band.bottom};
  DrawTextW(dc, L"Сегодня", -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, previous);
  DeleteObject(handle);
}

}  // namespace todayhost
