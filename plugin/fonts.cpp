// Density scaling, fonts made from a FontSpec, and text measuring for the item's drawing.
#include "plugin/fonts.h"

#include <cstdint>
#include <limits>

#include "platform/draw.h"
#include "platform/gdi.h"
#include "platform/text.h"

namespace ostrel {

namespace {

constexpr int kDesignDpi = 96;
constexpr int kPointsPerInch = 72;

// A 64-bit result brought back into the 32-bit range (sizes are stored
// unchecked for some blocks, so the product may not fit).
std::int32_t Clamp32(std::int64_t value) {
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

// Character height (negative: without internal leading) for a size in points.
std::int32_t CharacterHeight(std::int32_t points, int dpi) {
  return Clamp32(-(static_cast<std::int64_t>(points) * dpi / kPointsPerInch));
}

// Puts a surface's own font back in place of one made here, so that the
// made one can be deleted (a selected font cannot be): when the platform
// refuses, once more, and then the stock font, which is never deleted.
void PutBackFont(pf::SurfaceHandle surface, pf::FontHandle own) {
  if (!pf::IsNull(pf::SelectObject(surface, own))) return;
  if (!pf::IsNull(pf::SelectObject(surface, own))) return;
  pf::SelectObject(surface, pf::AsFont(pf::GetStockObject(pf::SYSTEM_FONT)));
}

}  // namespace

int ScaleByDpi(int value) {
  return Clamp32(static_cast<std::int64_t>(value) * pf::ScreenDensity(pf::LOGPIXELSY) / kDesignDpi);
}

pf::FontHandle CreateSpecFont(pf::SurfaceHandle surface, const FontSpec& spec) {
  pf::LOGFONTW font;
  pf::GetObjectW(pf::GetStockObject(pf::SYSTEM_FONT), sizeof(font), &font);
  font.lfHeight = CharacterHeight(spec.Size, pf::GetDeviceCaps(surface, pf::LOGPIXELSY));
  font.lfWeight = spec.Bold != 0 ? pf::FW_BOLD : pf::FW_NORMAL;
  font.lfQuality = spec.ClearType != 0 ? pf::CLEARTYPE_QUALITY : pf::DEFAULT_QUALITY;
  // The face field holds 31 units and a terminator; a longer name is cut.
  pf::CopyText(font.lfFaceName, pf::LF_FACESIZE, spec.FaceName);
  return pf::CreateFontIndirectW(&font);
}

pf::SIZE MeasureText(pf::SurfaceHandle surface, const char16_t* text) {
  pf::SIZE size;
  pf::GetTextExtentExPointW(surface, text, static_cast<int>(pf::TextLength(text)), 0, nullptr,
                            nullptr, &size);
  return size;
}

int LineHeight(pf::SurfaceHandle surface, const FontSpec& spec) {
  pf::FontHandle font = CreateSpecFont(surface, spec);
  if (pf::IsNull(font)) return 0;
  const pf::FontHandle previous = pf::SelectObject(surface, font);
  // A refused select would measure the surface's own font: no height then.
  pf::SIZE size{};
  if (!pf::IsNull(previous)) {
    size = MeasureText(surface, u"0");
    PutBackFont(surface, previous);
  }
  pf::DeleteObject(font);
  return size.cy;
}

PaintFonts::~PaintFonts() {
  if (selected_) PutBackFont(surface_, previous_);
  for (pf::FontHandle font : fonts_) pf::DeleteObject(font);
}

pf::FontHandle PaintFonts::Make(const FontSpec& spec) {
  pf::FontHandle font = CreateSpecFont(surface_, spec);
  if (!pf::IsNull(font)) fonts_.push_back(font);
  return font;
}

void PaintFonts::Use(pf::FontHandle font) {
  if (pf::IsNull(font)) return;
  const pf::FontHandle previous = pf::SelectObject(surface_, font);
  // A refused select changed nothing: the font to put back is the one the
  // first select that worked took the place of.
  if (!selected_ && !pf::IsNull(previous)) {
    previous_ = previous;
    selected_ = true;
  }
}

}  // namespace ostrel
