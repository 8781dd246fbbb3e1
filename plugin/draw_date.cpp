// The Date block: date text 1 at the left end and date text 2 at the right end of one row.
#include "platform/draw.h"
#include "plugin/band.h"
#include "plugin/fonts.h"
#include "plugin/plugin_state.h"
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

void DrawDateBlock(pf::WindowHandle window, pf::SurfaceHandle surface, int dx, int y) {
  const DateSettings& settings = PluginSettings().DateSettings;
  const StatusState& status = Status();
  const pf::RECT band = BlockBand(window, Date, dx, y);
  PaintFonts fonts(surface);
  DrawLine(surface, fonts, settings.Font1, status.DateText1, band, pf::DT_LEFT);
  DrawLine(surface, fonts, settings.Font2, status.DateText2, band, pf::DT_RIGHT);
}

}  // namespace ostrel
