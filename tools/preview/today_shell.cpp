// The preview's Today window: the item's parent, answering its color and watermark requests.
#include "tools/preview/today_shell.h"

#include <unistd.h>

#include <algorithm>

#include "platform/controls.h"
#include "platform/window.h"
#include "platform/draw.h"
#include "platform/host/host_draw.h"
#include "platform/host/host_file_io.h"
#include "platform/text.h"
#include "platform/today.h"
#include "tools/preview/preview_options.h"

namespace ostrel::preview {

namespace {

constexpr const char16_t* kShellClass = u"DesktopExplorerWindow";

pf::WindowHandle g_shell{};
pf::BitmapHandle g_watermark{};

void Fill(pf::SurfaceHandle surface, const pf::RECT& rect, pf::COLORREF color) {
  const pf::COLORREF old = pf::SetBkColor(surface, color);
  pf::ExtTextOutW(surface, 0, 0, pf::ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  pf::SetBkColor(surface, old);
}

// The part of the picture that lies behind the item's rectangle, as the
// picture covers the Today window from its top-left corner.
void CopyWatermark(const pf::TODAYDRAWWATERMARKINFO& info) {
  pf::BITMAP picture;
  if (!pf::GetObjectW(g_watermark, sizeof(picture), &picture)) return;
  pf::RECT item;
  pf::RECT shell;
  pf::GetWindowRect(info.hwnd, &item);
  pf::GetWindowRect(g_shell, &shell);
  const int sx = item.left - shell.left + info.rc.left;
  const int sy = item.top - shell.top + info.rc.top;
  const int w = std::min(info.rc.right - info.rc.left, picture.bmWidth - sx);
  const int h = std::min(info.rc.bottom - info.rc.top, picture.bmHeight - sy);
  if (sx < 0 || sy < 0 || w <= 0 || h <= 0) return;
  const pf::SurfaceHandle memory = pf::CreateCompatibleDC(info.hdc);
  const pf::BitmapHandle old = pf::SelectObject(memory, g_watermark);
  pf::BitBlt(info.hdc, info.rc.left, info.rc.top, w, h, memory, sx, sy, pf::SRCCOPY);
  pf::SelectObject(memory, old);
  pf::DeleteDC(memory);
}

pf::LRESULT ShellProc(pf::WindowHandle, std::uint32_t message, pf::WPARAM wParam,
                      pf::LPARAM lParam) {
  switch (message) {
    case pf::TODAYM_GETCOLOR:
      return wParam == pf::TODAYCOLOR_HIGHLIGHT ? kShellHighlight : pf::RGB(255, 255, 255);
    case pf::TODAYM_DRAWWATERMARK: {
      const auto* info = reinterpret_cast<const pf::TODAYDRAWWATERMARKINFO*>(lParam);
      if (info == nullptr) return 0;
      Fill(info->hdc, info->rc, kShellBackground);
      if (!pf::IsNull(g_watermark)) CopyWatermark(*info);
      return 1;
    }
    default:
      return 0;
  }
}

// Why the picture file at path gave no picture, in one line naming it.
std::string WhyNoPicture(const std::string& path) {
  pf::host::HostDrawing& drawing = pf::host::HostDraw();
  if (!drawing.RefusedImages().empty()) return drawing.RefusedImages().back();
  std::string error;
  const int fd = pf::host::OpenRegularFile(path, &error);
  if (fd < 0) return error;
  ::close(fd);
  return path + ": is not a PNG picture";
}

}  // namespace

void RefuseRefusedImages() {
  const std::vector<std::string>& refused = pf::host::HostDraw().RefusedImages();
  if (!refused.empty()) throw UsageError("image: " + refused.front());
}

TodayShell::TodayShell(int width, int height, const std::string& watermarkPng) {
  if (!watermarkPng.empty()) {
    g_watermark = pf::SHLoadImageFile(pf::FromUtf8(watermarkPng).c_str());
    if (pf::IsNull(g_watermark)) throw UsageError("--watermark: " + WhyNoPicture(watermarkPng));
  }
  pf::WNDCLASSW windowClass;
  windowClass.lpfnWndProc = ShellProc;
  windowClass.lpszClassName = kShellClass;
  pf::RegisterClassW(&windowClass);
  window_ = pf::CreateWindowExW(0, kShellClass, u"Today", pf::WS_VISIBLE, 0, 0, width, height,
                                pf::WindowHandle{}, 0, pf::ModuleHandle{}, nullptr);
  g_shell = window_;
}

TodayShell::~TodayShell() {
  if (!pf::IsNull(window_)) pf::DestroyWindow(window_);
  if (!pf::IsNull(g_watermark)) pf::DeleteObject(g_watermark);
  g_watermark = pf::BitmapHandle{};
  g_shell = pf::WindowHandle{};
}

}  // namespace ostrel::preview
