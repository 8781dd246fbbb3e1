// The block renderers: each draws its block into the band of its entry, shifted by dx, its slot starting at y.
#pragma once

#include "plugin/block_paint.h"

namespace ostrel {

void DrawWirelessBlock(const BlockPaint& paint, int dx, int y);
void DrawTimeBlock(const BlockPaint& paint, int dx, int y);
void DrawDateBlock(const BlockPaint& paint, int dx, int y);
void DrawCalendarBlock(const BlockPaint& paint, int dx, int y);
void DrawSysInfoBlock(const BlockPaint& paint, int dx, int y);

}  // namespace ostrel
