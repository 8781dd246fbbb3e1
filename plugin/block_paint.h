// The paint record a block renderer draws from: the item's records, the surface, the item window and its client area.
#pragma once

#include <cstdint>

#include "platform/types.h"
#include "plugin/item_state.h"
#include "plugin/status_state.h"
#include "settings/settings.h"

namespace ostrel {

struct BlockPaint {
  const ostrel::Settings& Settings;
  const StatusState& Status;
  const ItemState& Item;  // the state images and the day names
  pf::WindowHandle Window;
  pf::SurfaceHandle Surface;
  pf::RECT Client;  // the item window's client rectangle
};

// The band of the block of that kind drawn at (dx, y): the client rectangle
// inside the margins, its height the entry's PixelHeight, shifted by dx while
// a page slides.
pf::RECT BlockBand(const BlockPaint& paint, std::int32_t kind, int dx, int y);

}  // namespace ostrel
