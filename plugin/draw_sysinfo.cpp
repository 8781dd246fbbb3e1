// The System information block: four equal columns (battery, main memory, phone memory, card), each an image with its figure under it.
#include "platform/draw.h"
#include "plugin/draw_image.h"
#include "plugin/fonts.h"
#include "plugin/renderers.h"

namespace ostrel {

namespace {

constexpr int kColumns = 4;

struct Column {
  pf::BitmapHandle image;
  const char16_t* figure;
};

// Draws the column's image centred at the band's top; returns its height.
int DrawColumnImage(pf::SurfaceHandle surface, pf::BitmapHandle image, int left, int width, int top) {
  if (pf::IsNull(image)) return 0;
  const ImageSurface picture(surface, image);
  picture.CopyTo(left + (width - picture.Width()) / 2, top);
  return picture.Height();
}

}  // namespace

void DrawSysInfoBlock(const BlockPaint& paint, int dx, int y) {
  const pf::SurfaceHandle surface = paint.Surface;
  const SysInfoSettings& settings = paint.Settings.SysInfoSettings;
  const StatusState& status = paint.Status;
  const StateImages& images = paint.Item.Images;
  const pf::RECT band = BlockBand(paint, SysInfo, dx, y);
  const int width = (band.right - band.left) / kColumns;
  const Column columns[kColumns] = {{images.Battery, status.BatteryText},
                                    {images.MemoryRam, status.RamText},
                                    {images.MemoryPhone, status.PhoneText},
                                    {images.MemoryCard, status.CardText}};

  PaintFonts fonts(surface);
  fonts.Use(fonts.Make(settings.Font));
  pf::SetTextColor(surface, settings.Font.Color);
  for (int c = 0; c < kColumns; ++c) {
    const int left = band.left + c * width;
    const int imageHeight = DrawColumnImage(surface, columns[c].image, left, width, band.top);
    pf::RECT rect{left, band.top + imageHeight, left + width, band.bottom};
    pf::DrawTextW(surface, columns[c].figure, -1, &rect,
                  pf::DT_SINGLELINE | pf::DT_CENTER | pf::DT_TOP | pf::DT_NOCLIP);
  }
}

}  // namespace ostrel
