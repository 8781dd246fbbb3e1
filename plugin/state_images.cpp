// The state images of the item: loaded once per item window from files named after the screen density.
#include "plugin/state_images.h"

#include "platform/draw.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "plugin/band.h"
#include "plugin/fonts.h"
#include "plugin/item_state.h"
#include "plugin/plugin_state.h"

namespace ostrel {

namespace {

bool EntryVisible(std::int32_t kind) {
  const int position = FindEntryOfKind(kind);
  return position >= 0 && PluginSettings().BlockTable[position].Visible != 0;
}

// The image file folder + base + dpi + ".png", or null when that name would
// not fit a path (a cut name could open some other file).
pf::BitmapHandle LoadImage(const char16_t* folder, const char16_t* base, int dpi) {
  char16_t file[2 * kPathCapacity];
  const int length = pf::FormatText(file, 2 * kPathCapacity, u"%s%s%i%s", folder, base, dpi, u".png");
  if (length >= kPathCapacity) return pf::BitmapHandle{};
  return pf::SHLoadImageFile(file);
}

void Release(pf::BitmapHandle& image) {
  if (!pf::IsNull(image)) pf::DeleteObject(image);
  image = pf::BitmapHandle{};
}

}  // namespace

void LoadStateImages(const char16_t* folder) {
  ReleaseStateImages();
  StateImages& images = Item().Images;
  const int dpi = ScreenDensity(pf::LOGPIXELSY);
  if (EntryVisible(Wireless)) {
    images.Bt = LoadImage(folder, u"bt", dpi);
    images.Wifi = LoadImage(folder, u"wifi", dpi);
  }
  if (EntryVisible(Time) && PluginSettings().TimeSettings.ShowAlarm != 0) {
    images.Alarm = LoadImage(folder, u"alarm", dpi);
  }
  if (EntryVisible(SysInfo)) {
    images.Battery = LoadImage(folder, u"battery", dpi);
    images.MemoryRam = LoadImage(folder, u"memory_ram", dpi);
    images.MemoryPhone = LoadImage(folder, u"memory_phone", dpi);
    images.MemoryCard = LoadImage(folder, u"memory_card", dpi);
  }
}

void ReleaseStateImages() {
  StateImages& images = Item().Images;
  Release(images.Battery);
  Release(images.MemoryRam);
  Release(images.MemoryPhone);
  Release(images.MemoryCard);
  Release(images.Alarm);
  Release(images.Wifi);
  Release(images.Bt);
}

}  // namespace ostrel
