// The block renderers: each draws its block into the band of its entry, shifted by dx, its slot starting at y.
#pragma once

#include "platform/types.h"

namespace ostrel {

void DrawWirelessBlock(pf::WindowHandle window, pf::SurfaceHandle surface, int dx, int y);
void DrawTimeBlock(pf::WindowHandle window, pf::SurfaceHandle surface, int dx, int y);
void DrawDateBlock(pf::WindowHandle window, pf::SurfaceHandle surface, int dx, int y);
void DrawCalendarBlock(pf::WindowHandle window, pf::SurfaceHandle surface, int dx, int y);
void DrawSysInfoBlock(pf::WindowHandle window, pf::SurfaceHandle surface, int dx, int y);

}  // namespace ostrel
