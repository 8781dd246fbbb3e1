// Where a block's entry sits in the block table, and the band inside the margins in which its renderer draws.
#include "plugin/band.h"

#include "platform/controls.h"
#include "plugin/plugin_state.h"

namespace ostrel {

int FindEntryOfKind(std::int32_t kind) {
  const BlockTable& table = PluginSettings().BlockTable;
  for (int position = 0; position < BlockCount; ++position) {
    if (table[position].Kind == kind) return position;
  }
  return -1;
}

pf::RECT BlockBand(pf::WindowHandle window, std::int32_t kind, int dx, int y) {
  const Settings& settings = PluginSettings();
  const int position = FindEntryOfKind(kind);
  const int height = position < 0 ? 0 : settings.BlockTable[position].PixelHeight;
  pf::RECT client;
  pf::GetClientRect(window, &client);
  pf::RECT band;
  band.left = client.left + settings.MarginLeft + dx;
  band.top = client.top + settings.MarginTop + y;
  band.right = client.right - settings.MarginRight + dx;
  band.bottom = client.top + height - settings.MarginBottom + y;
  return band;
}

}  // namespace ostrel
