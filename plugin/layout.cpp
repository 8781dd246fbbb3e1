// Block layout: each entry's band height (fixed or automatic), the sorted table with its page count, and the item's height.
#include "plugin/layout.h"

#include <cstdint>

#include "platform/gdi.h"
#include "plugin/fonts.h"
#include "plugin/int_range.h"
#include "plugin/item_blocks.h"
#include "plugin/item_state.h"
#include "settings/blocks.h"

namespace ostrel {

namespace {

constexpr int kMinimumItemHeight = 20;  // design pixels

int Larger(int a, int b) { return a > b ? a : b; }

int PageCountOf(const Settings& settings) {
  int count = 0;
  for (int position = settings.FixedPageCount; position < BlockCount; ++position) {
    if (position >= 0 && settings.BlockTable[position].Visible != 0) ++count;
  }
  return count;
}

// The fixed blocks plus the tallest page, at least ScaleByDpi(20).
int ItemHeightOf(const Settings& settings, const int (&heights)[BlockCount]) {
  std::int64_t sum = 0;
  int tallestPage = 0;
  for (int position = 0; position < BlockCount; ++position) {
    if (position < settings.FixedPageCount) {
      sum += heights[position];
    } else {
      tallestPage = Larger(tallestPage, heights[position]);
    }
  }
  const int height = ClampToInt(sum + tallestPage);
  return Larger(height, ScaleByDpi(kMinimumItemHeight));
}

}  // namespace

int ComputeBlockHeight(const Settings& settings, const ItemState& item, int position) {
  if (position < 0 || position >= BlockCount) return 0;
  const BlockEntry& entry = settings.BlockTable[position];
  const BlockSettings* block = BlockSettingsOf(entry.Kind);
  if (entry.Visible == 0 || block == nullptr) return 0;
  const std::int32_t height = BlockHeight(settings, *block);
  if (height != -1) return height;
  const pf::SurfaceHandle dc = pf::GetDC(item.ItemWindow);
  const std::int64_t content = ItemBlockOf(entry.Kind)->ContentHeight(dc, settings, item);
  if (!pf::IsNull(dc)) pf::ReleaseDC(item.ItemWindow, dc);
  return ClampToInt(content + settings.MarginTop + settings.MarginBottom);
}

void PrepareLayout(Settings& settings, ItemState& item) {
  for (int position = 0; position < BlockCount; ++position) {
    settings.BlockTable[position].PixelHeight = ComputeBlockHeight(settings, item, position);
  }
  SortBlocks(settings.BlockTable);
  item.PageCount = PageCountOf(settings);
}

int RemeasureItem(Settings& settings, const ItemState& item, bool* bandsChanged) {
  int heights[BlockCount];
  for (int position = 0; position < BlockCount; ++position) {
    BlockEntry& entry = settings.BlockTable[position];
    heights[position] = ComputeBlockHeight(settings, item, position);
    if (entry.PixelHeight != heights[position]) *bandsChanged = true;
    entry.PixelHeight = heights[position];
  }
  return ItemHeightOf(settings, heights);
}

}  // namespace ostrel
