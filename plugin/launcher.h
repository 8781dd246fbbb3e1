// The launcher block: icons fetched for its entries, their rows inside the margins, and the block's renderer.
#pragma once

#include "platform/types.h"
#include "plugin/block_paint.h"

namespace ostrel {

// Icons for the entries with a path (large or small as the settings ask),
// one fetch per distinct path, shared by the entries that name it; icons
// fetched before are destroyed first. False when the shell gave no icon for
// a file that is there (worth another try).
bool FetchLauncherIcons(Settings& settings);
// Destroys the entries' icons (a shared one once) and clears their handles.
void ReleaseLauncherIcons(Settings& settings);

// Places every entry's cell (Bounds) in rows for the window's client width.
// False when the platform gave no client width or no icon size: the cells
// are then placed for what it gave, to be placed again later.
bool LayoutLauncher(Settings& settings, pf::WindowHandle window);
// Rows the layout gives the current entries at the window's client width.
int LauncherRowCount(const Settings& settings, pf::WindowHandle window);
// Height of one icon cell in pixels.
int LauncherIconHeight(const Settings& settings);

// The renderer of the launcher block: each icon at its cell's top-left
// corner, shifted by dx and by the slot's top y.
void DrawLauncherBlock(const BlockPaint& paint, int dx, int y);

}  // namespace ostrel
