// The item window's message handlers shared between its source files.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace ostrel {

// One paint routine for WM_PAINT (target null: the window's own paint
// context) and WM_PRINTCLIENT (target: the surface to print into).
void PaintItem(pf::WindowHandle window, pf::SurfaceHandle target);
// The shell's watermark over the whole client area of a surface.
void DrawWatermark(pf::WindowHandle window, pf::SurfaceHandle surface);

void OnPenDown(pf::WindowHandle window, int x, int y);
void OnPenMove(pf::WindowHandle window, int x, int y);
void OnPenUp(pf::WindowHandle window, int x, int y);

// Asks for a repaint of the whole item, without erasing.
void RepaintWhole(pf::WindowHandle window);

// Lets go of what a creation made: state images, launcher icons, the menu.
void ReleaseItemResources();

// Fetches the parts of the item named by MissingPart bits (and what is made
// from them); returns the bits of those the platform refused.
std::uint32_t FetchParts(pf::WindowHandle window, std::uint32_t parts);
// At a tick or refresh query of the window that owns the item's state: the
// parts still missing fetched again, and a repaint when any came.
void FetchMissingParts(pf::WindowHandle window);

}  // namespace ostrel
