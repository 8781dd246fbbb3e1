// The launcher block's renderer: every fetched icon at its own size at the top-left corner of its cell.
#include "platform/draw.h"
#include "plugin/launcher.h"
#include "plugin/plugin_state.h"

namespace ostrel {

// The cells already hold the margins; nothing clips the icons to the band.
void DrawLauncherBlock(pf::WindowHandle, pf::SurfaceHandle surface, int dx, int y) {
  for (const LauncherEntry& entry : PluginSettings().LauncherEntries) {
    if (pf::IsNull(entry.Icon)) continue;
    pf::DrawIconEx(surface, dx + entry.Bounds.left, y + entry.Bounds.top, entry.Icon, 0, 0, 0,
                   pf::BrushHandle{}, pf::DI_NORMAL);
  }
}

}  // namespace ostrel
