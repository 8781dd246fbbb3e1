// The item's off-screen paint: the shell's watermark or the highlight color, the blocks, then one copy to the target.
#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/gdi.h"
#include "platform/today.h"
#include "platform/window.h"
#include "plugin/item_handlers.h"
#include "plugin/item_state.h"
#include "plugin/layout.h"
#include "plugin/plugin_state.h"

namespace ostrel {

namespace {

pf::RECT ClientOf(pf::WindowHandle window) {
  pf::RECT client;
  pf::GetClientRect(window, &client);
  return client;
}

// The selection color over the whole frame; the surface's own background
// color is put back afterwards.
void FillWithHighlight(pf::SurfaceHandle surface, const pf::RECT& client) {
  const pf::COLORREF previous = pf::SetBkColor(surface, Item().HighlightColor);
  pf::ExtTextOutW(surface, 0, 0, pf::ETO_OPAQUE, &client, nullptr, 0, nullptr);
  pf::SetBkColor(surface, previous);
}

void DrawBackground(pf::WindowHandle window, pf::SurfaceHandle surface) {
  if (Item().Selected) {
    FillWithHighlight(surface, ClientOf(window));
  } else {
    DrawWatermark(window, surface);
  }
}

void CopyFrame(pf::SurfaceHandle target, const pf::RECT& client, pf::SurfaceHandle frame) {
  pf::BitBlt(target, client.left, client.top, client.right - client.left,
             client.bottom - client.top, frame, 0, 0, pf::SRCCOPY);
}

// The finished frame to the window through its paint context (which also
// tells the platform the window is painted), or to a given surface.
void ShowFrame(pf::WindowHandle window, pf::SurfaceHandle target, const pf::RECT& client,
               pf::SurfaceHandle frame) {
  if (!pf::IsNull(target)) {
    CopyFrame(target, client, frame);
    return;
  }
  pf::PAINTSTRUCT paint;
  const pf::SurfaceHandle screen = pf::BeginPaint(window, &paint);
  if (!pf::IsNull(screen)) CopyFrame(screen, client, frame);
  pf::EndPaint(window, &paint);
}

// Without a frame (the platform did not give the item's size, refused a
// bitmap of that size, or its selection) nothing is drawn; the window is still validated so that the
// platform does not ask for the same paint again and again; the next tick
// asks for it once more.
void SkipPaint(pf::WindowHandle window, pf::SurfaceHandle target) {
  if (!pf::IsNull(target)) return;
  pf::PAINTSTRUCT paint;
  pf::BeginPaint(window, &paint);
  pf::EndPaint(window, &paint);
}

}  // namespace

void DrawWatermark(pf::WindowHandle window, pf::SurfaceHandle surface) {
  pf::TODAYDRAWWATERMARKINFO info;
  info.hdc = surface;
  info.rc = ClientOf(window);
  info.hwnd = window;
  pf::SendMessageW(pf::GetParent(window), pf::TODAYM_DRAWWATERMARK, 0,
                   reinterpret_cast<pf::LPARAM>(&info));
}

void PaintItem(pf::WindowHandle window, pf::SurfaceHandle target) {
  pf::RECT client;
  const bool sized = pf::GetClientRect(window, &client) != 0;
  const pf::SurfaceHandle display = pf::GetDC(window);
  const pf::SurfaceHandle frame = pf::CreateCompatibleDC(display);
  const pf::BitmapHandle bitmap =
      pf::CreateCompatibleBitmap(display, client.right - client.left, client.bottom - client.top);
  const pf::BitmapHandle previous =
      !sized || pf::IsNull(frame) || pf::IsNull(bitmap) ? pf::BitmapHandle{} : pf::SelectObject(frame, bitmap);
  if (pf::IsNull(previous)) {
    SkipPaint(window, target);
    Item().Missing |= kMissingFrame;
  } else {
    DrawBackground(window, frame);
    PaintBlocks(BlockPaint{PluginSettings(), Status(), Item(), window, frame, client});
    ShowFrame(window, target, client, frame);
    pf::SelectObject(frame, previous);
  }
  // The memory surface goes first: deleting it lets go of the bitmap even
  // when putting the old one back was refused.
  if (!pf::IsNull(frame)) pf::DeleteDC(frame);
  if (!pf::IsNull(bitmap)) pf::DeleteObject(bitmap);
  if (!pf::IsNull(display)) pf::ReleaseDC(window, display);
}

}  // namespace ostrel
