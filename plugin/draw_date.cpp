// The Date block: date text 1 at the left end and date text 2 at the right end of one row.
#include "platform/draw.h"
#include "plugin/fonts.h"
#include "plugin/renderers.h"

namespace ostrel {

namespace {

constexpr std::uint32_t kLineFlags = pf::DT_SINGLELINE | pf::DT_TOP | pf::DT_NOCLIP;

void DrawLine(pf::SurfaceHandle surface, PaintFonts& fonts, const FontSpec& spec,
              const char16_t* text, pf::RECT band, std::uint32_t align) {
  fonts.Use(fonts.Make(spec));
  pf::SetTextColor(surface, spec.Color);
  pf::DrawTextW(surface, text, -1, &band, kLineFlags | align);
}

}  // namespace

void DrawDateBlock(const BlockPaint& paint, int dx, int y) {
  const pf::SurfaceHandle surface = paint.Surface;
  const DateSettings& settings = paint.Settings.DateSettings;
  const StatusState& status = paint.Status;
  const pf::RECT band = BlockBand(paint, Date, dx, y);
  PaintFonts fonts(surface);
  DrawLine(surface, fonts, settings.Font1, status.DateText1, band, pf::DT_LEFT);
  DrawLine(surface, fonts, settings.Font2, status.DateText2, band, pf::DT_RIGHT);
}

}  // namespace ostrel
