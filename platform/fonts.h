// Font families service: the face names installed on a surface (EnumFontFamiliesW).
#pragma once

#include <cstdint>

#include "platform/draw.h"
#include "platform/types.h"

namespace pf {

constexpr std::uint32_t RASTER_FONTTYPE = 0x0001;
constexpr std::uint32_t TRUETYPE_FONTTYPE = 0x0004;

// Called once per family with the family's logical font; metrics stands for
// the platform's TEXTMETRICW and is not read here. Returning 0 stops.
using FONTENUMPROCW = int (*)(const LOGFONTW* font, const void* metrics, std::uint32_t fontType,
                              std::intptr_t lParam);

class FontsService {
 public:
  virtual ~FontsService() = default;
  // family null: one call per installed family; otherwise the faces of that
  // family. Returns the last value the callback returned (0 when none ran).
  virtual int EnumFontFamiliesW(SurfaceHandle surface, const char16_t* family,
                                FONTENUMPROCW callback, std::intptr_t lParam) = 0;
};

FontsService& Fonts();
void SetFonts(FontsService* service);
FontsService& PlatformFonts();

inline int EnumFontFamiliesW(SurfaceHandle surface, const char16_t* family,
                             FONTENUMPROCW callback, std::intptr_t lParam) {
  return Fonts().EnumFontFamiliesW(surface, family, callback, lParam);
}

}  // namespace pf
