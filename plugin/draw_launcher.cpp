// The launcher block's renderer: every fetched icon at its own size at the top-left corner of its cell.
#include "platform/draw.h"
#include "plugin/launcher.h"

namespace ostrel {

namespace {

// An icon covers its corner and what lies below and to the right of it: one
// whose corner is past the client area's right or bottom edge shows no pixel.
bool CornerPastClient(const pf::RECT& client, int x, int y) {
  return x >= client.right - client.left || y >= client.bottom - client.top;
}

}  // namespace

// The cells already hold the margins; nothing clips the icons to the band.
// Icons that could not show are not drawn, so that a long list costs a
// paint only what the window shows.
void DrawLauncherBlock(const BlockPaint& paint, int dx, int y) {
  for (const LauncherEntry& entry : paint.Settings.LauncherEntries) {
    if (pf::IsNull(entry.Icon)) continue;
    const int left = dx + entry.Bounds.left;
    const int top = y + entry.Bounds.top;
    if (CornerPastClient(paint.Client, left, top)) continue;
    pf::DrawIconEx(paint.Surface, left, top, entry.Icon, 0, 0, 0, pf::BrushHandle{}, pf::DI_NORMAL);
  }
}

}  // namespace ostrel
