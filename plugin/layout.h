// Block layout, pages and navigation: band heights, the item's height, painting the fixed blocks and the current page, paging, swipes and tap hit-testing.
#pragma once

#include "platform/types.h"
#include "plugin/block_paint.h"

namespace ostrel {

// After the settings and the state images are loaded: every entry's
// PixelHeight, the table sorted by Order, and the item's PageCount.
void PrepareLayout(Settings& settings, ItemState& item);
// Band height of the entry at a position (0 when hidden or outside the table),
// measured on the item window's display context.
int ComputeBlockHeight(const Settings& settings, const ItemState& item, int position);
// The item's height, the fixed blocks plus the tallest page, at least
// ScaleByDpi(20), with every entry's PixelHeight set to its height as
// measured now; bandsChanged is set when one of them differs from before.
int RemeasureItem(Settings& settings, const ItemState& item, bool* bandsChanged);

// Draws the fixed blocks and the current page (with the neighbouring page
// sliding in while a swipe is tracked).
void PaintBlocks(const BlockPaint& paint);
// Draws the entry at a position through its kind's renderer.
void PaintEntryAt(const BlockPaint& paint, int position, int dx, int y);

// The visible page after / before a position, wrapping around the pages.
int NextPage(const Settings& settings, const ItemState& item, int position);
// The page shown first: the first visible one at or after FixedPageCount,
// or FixedPageCount itself when no page is visible.
int FirstPage(const Settings& settings, const ItemState& item);
int PreviousPage(const Settings& settings, const ItemState& item, int position);
// Whether a horizontal pen movement dx is long enough to change the page.
bool IsSwipe(pf::WindowHandle window, int dx);
// Finds the block under a tap (client coordinates) and runs its action.
void DispatchTap(const Settings& settings, const ItemState& item, int x, int y, int isDouble);

}  // namespace ostrel
