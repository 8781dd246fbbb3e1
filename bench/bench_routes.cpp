// What the host and Windows benchmarks share: the bare frame, a launcher list as a .reg text, the launcher page shown and tapped.
#include "bench/bench_routes.h"

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/gdi.h"
#include "platform/today.h"
#include "platform/window.h"
#include "plugin/item_state.h"
#include "plugin/plugin_state.h"

namespace ostrel::bench {

namespace {

std::u16string Number(int n) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
    n /= 10;
  } while (n > 0);
  return digits;
}

// A path as a quoted .reg string: backslashes and quotation marks escaped.
std::u16string Quoted(const std::u16string& text) {
  std::u16string out = u"\"";
  for (char16_t c : text) {
    if (c == u'\\' || c == u'"') out += u'\\';
    out += c;
  }
  return out + u"\"";
}

bool LauncherShown() {
  const Settings& settings = PluginSettings();
  const int page = Item().CurrentPage;
  return page >= 0 && page < BlockCount && settings.BlockTable[page].Kind == Launcher;
}

}  // namespace

void BareFillAndBlit(pf::WindowHandle window) {
  pf::RECT client;
  pf::GetClientRect(window, &client);
  const pf::SurfaceHandle display = pf::GetDC(window);
  const pf::SurfaceHandle frame = pf::CreateCompatibleDC(display);
  const pf::BitmapHandle bitmap = pf::CreateCompatibleBitmap(display, client.right, client.bottom);
  const pf::BitmapHandle previous = pf::SelectObject(frame, bitmap);
  const pf::COLORREF background = pf::SetBkColor(frame, pf::RGB(0x12, 0x1A, 0x2A));
  pf::ExtTextOutW(frame, 0, 0, pf::ETO_OPAQUE, &client, nullptr, 0, nullptr);
  pf::SetBkColor(frame, background);
  pf::BitBlt(display, 0, 0, client.right, client.bottom, frame, 0, 0, pf::SRCCOPY);
  pf::SelectObject(frame, previous);
  pf::DeleteObject(bitmap);
  pf::DeleteDC(frame);
  pf::ReleaseDC(window, display);
}

std::u16string LauncherRegText(int count, const std::vector<std::u16string>& paths) {
  std::u16string text =
      u"Windows Registry Editor Version 5.00\n\n"
      u"[HKEY_CURRENT_USER\\Software\\Vekta\\Ostrel\\Launcher]\n";
  for (int n = 1; n <= count && !paths.empty(); ++n) {
    text += u"\"FileName" + Number(n) + u"\"=" + Quoted(paths[(n - 1) % paths.size()]) + u"\n";
  }
  return text;
}

bool ShowLauncherPage(pf::WindowHandle window) {
  for (int turn = 0; turn < BlockCount && !LauncherShown(); ++turn) {
    pf::SendMessageW(window, pf::WM_TODAYCUSTOM_USERNAVIGATION, pf::VK_RIGHT, 0);
  }
  return LauncherShown();
}

pf::POINT LauncherGapPoint(pf::WindowHandle window) {
  const Settings& settings = PluginSettings();
  int top = 0;
  for (int position = 0; position < settings.FixedPageCount && position < BlockCount; ++position) {
    top += settings.BlockTable[position].PixelHeight;
  }
  pf::RECT client;
  pf::GetClientRect(window, &client);
  return pf::POINT{client.right - 1, top + settings.MarginTop + 1};
}

}  // namespace ostrel::bench
