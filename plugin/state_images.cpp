// The state images of the item: loaded once per item window from files named after the screen density.
#include "plugin/state_images.h"

#include "platform/draw.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "plugin/band.h"
#include "plugin/fonts.h"
#include "plugin/item_blocks.h"
#include "plugin/item_state.h"

namespace ostrel {

namespace {

bool EntryVisible(const Settings& settings, std::int32_t kind) {
  const int position = FindEntryOfKind(settings.BlockTable, kind);
  return position >= 0 && settings.BlockTable[position].Visible != 0;
}

void Release(pf::BitmapHandle& image) {
  if (!pf::IsNull(image)) pf::DeleteObject(image);
  image = pf::BitmapHandle{};
}

}  // namespace

pf::BitmapHandle LoadStateImage(const char16_t* folder, const char16_t* base, int dpi, bool& failed) {
  char16_t file[2 * kPathCapacity];
  const int length = pf::FormatText(file, 2 * kPathCapacity, u"%s%s%i%s", folder, base, dpi, u".png");
  if (length >= kPathCapacity) return pf::BitmapHandle{};
  const pf::BitmapHandle image = pf::SHLoadImageFile(file);
  if (pf::IsNull(image) && pf::GetFileAttributesW(file) != pf::INVALID_FILE_ATTRIBUTES) failed = true;
  return image;
}

bool LoadStateImages(const Settings& settings, StateImages& images, const char16_t* folder) {
  ReleaseStateImages(images);
  const int dpi = pf::ScreenDensity(pf::LOGPIXELSY);
  // Without the density or the module's own folder no file can be named.
  if (dpi <= 0 || folder[0] == 0) return false;
  bool failed = false;
  for (std::int32_t kind = 1; kind <= BlockCount; ++kind) {
    const ItemBlock* block = ItemBlockOf(kind);
    if (block->LoadImages != nullptr && EntryVisible(settings, kind)) {
      block->LoadImages(settings, folder, dpi, images, failed);
    }
  }
  return !failed;
}

void ReleaseStateImages(StateImages& images) {
  Release(images.Battery);
  Release(images.MemoryRam);
  Release(images.MemoryPhone);
  Release(images.MemoryCard);
  Release(images.Alarm);
  Release(images.Wifi);
  Release(images.Bt);
}

}  // namespace ostrel
