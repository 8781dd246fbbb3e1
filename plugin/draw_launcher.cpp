// The launcher block's renderer: every fetched icon at its own size at the top-left corner of its cell.
#include "platform/draw.h"
#include "plugin/launcher.h"

namespace ostrel {

// The cells already hold the margins; nothing clips the icons to the band.
void DrawLauncherBlock(const BlockPaint& paint, int dx, int y) {
  for (const LauncherEntry& entry : paint.Settings.LauncherEntries) {
    if (pf::IsNull(entry.Icon)) continue;
    pf::DrawIconEx(paint.Surface, dx + entry.Bounds.left, y + entry.Bounds.top, entry.Icon, 0, 0, 0,
                   pf::BrushHandle{}, pf::DI_NORMAL);
  }
}

}  // namespace ostrel
