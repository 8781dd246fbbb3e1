// The Today item's side of each block kind: its renderer, its automatic content height and its tap.
#pragma once

#include <cstdint>

#include "plugin/block_paint.h"

namespace ostrel {

struct ItemBlock {
  std::int32_t Kind;
  // Draws the block into its band, shifted by dx, its slot starting at y.
  void (*Draw)(const BlockPaint& paint, int dx, int y);
  // The content height of an automatic block, margins not included.
  int (*ContentHeight)(pf::SurfaceHandle dc, const Settings& settings, const ItemState& item);
  // A tap at x (client coordinates) and yInBand (from the top of the slot).
  void (*Tap)(const Settings& settings, const ItemState& item, int x, int yInBand);
  // Whether only the gesture the tap type names counts; otherwise every tap does.
  bool FollowsTapType;
  // Loads the state images the block shows while it is visible (null: none);
  // an image file that is there but was not loaded sets failed.
  void (*LoadImages)(const Settings& settings, const char16_t* folder, int dpi, StateImages& images,
                     bool& failed);
};

// The description of a kind, nullptr outside 1..6.
const ItemBlock* ItemBlockOf(std::int32_t kind);

}  // namespace ostrel
