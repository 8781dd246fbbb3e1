// The one table of the item's block kinds: which renderer draws each, how tall its automatic band is and what a tap on it starts.
#include "plugin/item_blocks.h"

#include "platform/draw.h"
#include "plugin/fonts.h"
#include "plugin/launcher.h"
#include "plugin/renderers.h"
#include "plugin/state_images.h"
#include "plugin/taps.h"

namespace ostrel {

namespace {

int ImageHeight(pf::BitmapHandle image) {
  if (pf::IsNull(image)) return 0;
  pf::BITMAP bitmap;
  return pf::GetObjectW(image, sizeof(bitmap), &bitmap) ? bitmap.bmHeight : 0;
}

int Larger(int a, int b) { return a > b ? a : b; }

int WirelessHeight(pf::SurfaceHandle dc, const Settings& s, const ItemState&) {
  return LineHeight(dc, s.WirelessSettings.Font);
}

// Only the clock's line: the date lines beside it do not add height.
int TimeHeight(pf::SurfaceHandle dc, const Settings& s, const ItemState&) {
  return LineHeight(dc, s.TimeSettings.Font1);
}

int DateHeight(pf::SurfaceHandle dc, const Settings& s, const ItemState&) {
  return Larger(LineHeight(dc, s.DateSettings.Font1), LineHeight(dc, s.DateSettings.Font2));
}

// The weekday header and six rows of day numbers, each row shrunk by two
// design pixels.
int CalendarHeight(pf::SurfaceHandle dc, const Settings& s, const ItemState&) {
  const int shrink = ScaleByDpi(2);
  return LineHeight(dc, s.CalendarSettings.WeekdaysFont) + 6 * (LineHeight(dc, s.CalendarSettings.Font) - shrink) -
         shrink;
}

int LauncherHeight(pf::SurfaceHandle, const Settings& s, const ItemState& item) {
  return LauncherRowCount(s, item.ItemWindow) * LauncherIconHeight(s);
}

int SysInfoHeight(pf::SurfaceHandle dc, const Settings& s, const ItemState& item) {
  return LineHeight(dc, s.SysInfoSettings.Font) + ImageHeight(item.Images.Battery);
}

void TapWireless(const Settings& s, const ItemState&, int, int) { LaunchPath(s.WirelessSettings.Tap); }
void TapTime(const Settings& s, const ItemState&, int, int) { LaunchPath(s.TimeSettings.Tap); }
void TapDate(const Settings& s, const ItemState&, int, int) { LaunchPath(s.DateSettings.Tap); }
void TapCalendar(const Settings& s, const ItemState&, int, int) { LaunchPath(s.CalendarSettings.Tap); }
void TapLauncher(const Settings& s, const ItemState&, int x, int yInBand) { TapLauncherCell(s, x, yInBand); }
void TapSysInfo(const Settings& s, const ItemState& item, int x, int) { TapSysInfoPart(s, item.ItemWindow, x); }

void WirelessImages(const Settings&, const char16_t* folder, int dpi, StateImages& images, bool& failed) {
  images.Bt = LoadStateImage(folder, u"bt", dpi, failed);
  images.Wifi = LoadStateImage(folder, u"wifi", dpi, failed);
}

void TimeImages(const Settings& s, const char16_t* folder, int dpi, StateImages& images, bool& failed) {
  if (s.TimeSettings.ShowAlarm != 0) images.Alarm = LoadStateImage(folder, u"alarm", dpi, failed);
}

void SysInfoImages(const Settings&, const char16_t* folder, int dpi, StateImages& images, bool& failed) {
  images.Battery = LoadStateImage(folder, u"battery", dpi, failed);
  images.MemoryRam = LoadStateImage(folder, u"memory_ram", dpi, failed);
  images.MemoryPhone = LoadStateImage(folder, u"memory_phone", dpi, failed);
  images.MemoryCard = LoadStateImage(folder, u"memory_card", dpi, failed);
}

const ItemBlock kItemBlocks[BlockCount] = {
    {Wireless, DrawWirelessBlock, WirelessHeight, TapWireless, true, WirelessImages},
    {Time, DrawTimeBlock, TimeHeight, TapTime, true, TimeImages},
    {Date, DrawDateBlock, DateHeight, TapDate, true, nullptr},
    {Calendar, DrawCalendarBlock, CalendarHeight, TapCalendar, true, nullptr},
    {Launcher, DrawLauncherBlock, LauncherHeight, TapLauncher, false, nullptr},
    {SysInfo, DrawSysInfoBlock, SysInfoHeight, TapSysInfo, true, SysInfoImages},
};

}  // namespace

const ItemBlock* ItemBlockOf(std::int32_t kind) {
  return (kind >= 1 && kind <= BlockCount) ? &kItemBlocks[kind - 1] : nullptr;
}

}  // namespace ostrel
