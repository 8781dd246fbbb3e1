// The Wireless block: the operator at the left, the Bluetooth and Wi-Fi icons at the right, the unread and missed counters before them.
#include "platform/draw.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "plugin/draw_image.h"
#include "plugin/fonts.h"
#include "plugin/renderers.h"

namespace ostrel {

namespace {

constexpr std::uint32_t kLineFlags = pf::DT_SINGLELINE | pf::DT_TOP | pf::DT_NOCLIP;
constexpr int kCountersCapacity = 260;

// Appends "<label><count> " when the counter is shown.
void AppendCounter(char16_t* text, const char16_t* label, std::int32_t count, std::int32_t shown) {
  if (count <= 0 || shown == 0) return;
  const std::size_t length = pf::TextLength(text);
  pf::FormatText(text + length, kCountersCapacity - length, u"%s%i%s", label, count, u" ");
}

// Draws an icon against the right edge when it is to be shown and moves the
// edge left past it and the gap.
void PackIcon(pf::SurfaceHandle surface, pf::BitmapHandle image, bool shown, int top, int gap,
              int* edge) {
  if (pf::IsNull(image) || !shown) return;
  const ImageSurface icon(surface, image);
  icon.CopyTo(*edge - icon.Width(), top);
  *edge -= gap + icon.Width();
}

}  // namespace

void DrawWirelessBlock(const BlockPaint& paint, int dx, int y) {
  const pf::SurfaceHandle surface = paint.Surface;
  const WirelessSettings& settings = paint.Settings.WirelessSettings;
  const StatusState& status = paint.Status;
  const StateImages& images = paint.Item.Images;
  pf::RECT band = BlockBand(paint, Wireless, dx, y);

  PaintFonts fonts(surface);
  fonts.Use(fonts.Make(settings.Font));
  pf::SetTextColor(surface, settings.Font.Color);
  // The name comes from the network: an "&" in it is a character, not a mnemonic.
  pf::DrawTextW(surface, status.OperatorText, -1, &band, kLineFlags | pf::DT_LEFT | pf::DT_NOPREFIX);

  int edge = band.right;
  const int gap = 2 * pf::ScreenDensity(pf::LOGPIXELSX) / 96;
  PackIcon(surface, images.Bt, status.BluetoothOn == 1 && settings.ShowBT != 0, band.top, gap, &edge);
  PackIcon(surface, images.Wifi, status.WifiOn == 1 && settings.ShowWF != 0, band.top, gap, &edge);

  char16_t counters[kCountersCapacity] = {};
  AppendCounter(counters, u"@:", status.UnreadEmail, settings.ShowEMails);
  AppendCounter(counters, u"sms:", status.UnreadSms, settings.ShowSMS);
  AppendCounter(counters, u"calls:", status.MissedCalls, settings.ShowCalls);
  if (counters[0] == 0) return;
  pf::RECT rest{band.left, band.top, edge, band.bottom};
  pf::DrawTextW(surface, counters, -1, &rest, kLineFlags | pf::DT_RIGHT);
}

}  // namespace ostrel
