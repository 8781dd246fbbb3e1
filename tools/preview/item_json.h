// The preview's JSON report of the item: height, pages, block table, status, launcher, launches, menus, repaints, live objects and the last paint's drawing calls.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/host/raster_log.h"

namespace ostrel::preview {

// What the run observed besides the plug-in's own records.
struct ItemReport {
  int itemHeight = 0;
  std::vector<std::string> launched;  // every command handed to ShellExecuteEx
  int menus = 0;
  int repaints = 0;
  int liveObjects = 0;              // held by the item after the last paint
  int liveObjectsAfterDestroy = 0;  // left once the item window was destroyed
  std::vector<pf::host::DrawRecord> draws;
};

// The report with the plug-in's settings, item state and status.
void WriteItemJson(std::ostream& out, const ItemReport& report);

}  // namespace ostrel::preview
