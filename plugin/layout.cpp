// Block layout: each entry's band height (fixed or automatic), the sorted table with its page count, and the item's height.
#include "plugin/layout.h"

#include <cstdint>
#include <limits>

#include "platform/draw.h"
#include "platform/gdi.h"
#include "plugin/fonts.h"
#include "plugin/item_state.h"
#include "plugin/launcher.h"
#include "plugin/plugin_state.h"

namespace ostrel {

namespace {

constexpr int kMinimumItemHeight = 20;  // design pixels

// The Height setting of a kind's block; kinds outside the six have none.
bool HeightSetting(std::int32_t kind, std::int32_t* height) {
  const Settings& s = PluginSettings();
  switch (kind) {
    case Wireless: *height = s.WirelessSettings.Height; return true;
    case Time: *height = s.TimeSettings.Height; return true;
    case Date: *height = s.DateSettings.Height; return true;
    case Calendar: *height = s.CalendarSettings.Height; return true;
    case Launcher: *height = s.LauncherSettings.Height; return true;
    case SysInfo: *height = s.SysInfoSettings.Height; return true;
    default: return false;
  }
}

int ImageHeight(pf::BitmapHandle image) {
  if (pf::IsNull(image)) return 0;
  pf::BITMAP bitmap;
  return pf::GetObjectW(image, sizeof(bitmap), &bitmap) ? bitmap.bmHeight : 0;
}

int Larger(int a, int b) { return a > b ? a : b; }

// The content height of a block whose height is automatic, without margins.
int AutomaticContentHeight(pf::SurfaceHandle dc, std::int32_t kind) {
  const Settings& s = PluginSettings();
  switch (kind) {
    case Wireless:
      return LineHeight(dc, s.WirelessSettings.Font);
    case Time:
      // Only the clock's line: the date lines beside it do not add height.
      return LineHeight(dc, s.TimeSettings.Font1);
    case Date:
      return Larger(LineHeight(dc, s.DateSettings.Font1), LineHeight(dc, s.DateSettings.Font2));
    case Calendar: {
      const int shrink = ScaleByDpi(2);
      return LineHeight(dc, s.CalendarSettings.WeekdaysFont) +
             6 * (LineHeight(dc, s.CalendarSettings.Font) - shrink) - shrink;
    }
    case Launcher:
      return LauncherRowCount(Item().ItemWindow) * LauncherIconHeight();
    case SysInfo:
      return LineHeight(dc, s.SysInfoSettings.Font) + ImageHeight(Item().Images.Battery);
    default:
      return 0;
  }
}

int PageCountOf(const Settings& settings) {
  int count = 0;
  for (int position = settings.FixedPageCount; position < BlockCount; ++position) {
    if (position >= 0 && settings.BlockTable[position].Visible != 0) ++count;
  }
  return count;
}

// A sum of stored heights brought back into the int range (heights are
// stored unchecked, so six of them may not fit).
int ClampToInt(std::int64_t value) {
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

}  // namespace

int ComputeBlockHeight(int position) {
  if (position < 0 || position >= BlockCount) return 0;
  const Settings& settings = PluginSettings();
  const BlockEntry& entry = settings.BlockTable[position];
  std::int32_t height = 0;
  if (entry.Visible == 0 || !HeightSetting(entry.Kind, &height)) return 0;
  if (height != -1) return height;
  const pf::WindowHandle window = Item().ItemWindow;
  pf::SurfaceHandle dc = pf::GetDC(window);
  const std::int64_t content = AutomaticContentHeight(dc, entry.Kind);
  pf::ReleaseDC(window, dc);
  return ClampToInt(content + settings.MarginTop + settings.MarginBottom);
}

void PrepareLayout() {
  Settings& settings = PluginSettings();
  for (int position = 0; position < BlockCount; ++position) {
    settings.BlockTable[position].PixelHeight = ComputeBlockHeight(position);
  }
  SortBlocks(settings.BlockTable);
  Item().PageCount = PageCountOf(settings);
}

int ComputeItemHeight() {
  const int fixed = PluginSettings().FixedPageCount;
  std::int64_t sum = 0;
  int tallestPage = 0;
  for (int position = 0; position < BlockCount; ++position) {
    const int h = ComputeBlockHeight(position);
    if (position < fixed) {
      sum += h;
    } else {
      tallestPage = Larger(tallestPage, h);
    }
  }
  const int height = ClampToInt(sum + tallestPage);
  return Larger(height, ScaleByDpi(kMinimumItemHeight));
}

}  // namespace ostrel
