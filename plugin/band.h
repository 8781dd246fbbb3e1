// Where a block's entry sits in the block table, and the band inside the margins in which its renderer draws.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace ostrel {

// The first position of the sorted block table whose Kind is kind, else -1.
int FindEntryOfKind(std::int32_t kind);

// The band of the block of that kind drawn at (dx, y): the item window's
// client rectangle inside the margins, its height the entry's PixelHeight,
// shifted by dx while a page slides.
pf::RECT BlockBand(pf::WindowHandle window, std::int32_t kind, int dx, int y);

}  // namespace ostrel
