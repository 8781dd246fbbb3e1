// Where a block's entry sits in the block table, and the band inside the margins in which its renderer draws.
#include "plugin/band.h"

#include "plugin/block_paint.h"
#include "plugin/int_range.h"

namespace ostrel {

int FindEntryOfKind(const BlockTable& table, std::int32_t kind) {
  for (int position = 0; position < BlockCount; ++position) {
    if (table[position].Kind == kind) return position;
  }
  return -1;
}

pf::RECT BlockBand(const BlockPaint& paint, std::int32_t kind, int dx, int y) {
  const Settings& settings = paint.Settings;
  const int position = FindEntryOfKind(settings.BlockTable, kind);
  const int height = position < 0 ? 0 : settings.BlockTable[position].PixelHeight;
  const pf::RECT& client = paint.Client;
  pf::RECT band;
  band.left = CoordinateSum(client.left, settings.MarginLeft, dx);
  band.top = CoordinateSum(client.top, settings.MarginTop, y);
  band.right = CoordinateSum(client.right, -std::int64_t{settings.MarginRight}, dx);
  band.bottom = CoordinateSum(client.top, height, -std::int64_t{settings.MarginBottom}, y);
  return band;
}

}  // namespace ostrel
