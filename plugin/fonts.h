// Density scaling, fonts made from a FontSpec, and text measuring for the item's drawing.
#pragma once

#include "platform/types.h"
#include "settings/settings.h"

namespace ostrel {

// Design pixels at 96 dpi scaled by the screen's vertical density; the
// quotient truncates toward zero, negative values too.
int ScaleByDpi(int value);

// A font for the FontSpec on the given surface, derived from the stock system
// font; the caller deletes it. Null when the platform refuses the font.
pf::FontHandle CreateSpecFont(pf::SurfaceHandle surface, const FontSpec& spec);

// Height of the text "0" in that FontSpec's font: the line height of the layout.
int LineHeight(pf::SurfaceHandle surface, const FontSpec& spec);

// Size of a text in the surface's selected font (an empty text measures with
// zero length).
pf::SIZE MeasureText(pf::SurfaceHandle surface, const char16_t* text);

// The fonts of one block paint: made from specs, selected in turn, and at the
// end the surface's own font selected again and every font deleted. Held in
// place, so that a paint asks nothing of the heap; a block asking for more
// than kMaxFonts gets a null font (its text drawn in the font selected).
class PaintFonts {
 public:
  // The most any block makes: the Time block's clock, alarm and two dates.
  static constexpr int kMaxFonts = 4;

  explicit PaintFonts(pf::SurfaceHandle surface) : surface_(surface) {}
  ~PaintFonts();
  PaintFonts(const PaintFonts&) = delete;
  PaintFonts& operator=(const PaintFonts&) = delete;

  pf::FontHandle Make(const FontSpec& spec);
  // Selects a font made here; a null font leaves the selection as it is.
  void Use(pf::FontHandle font);

 private:
  pf::SurfaceHandle surface_;
  pf::FontHandle previous_{};
  bool selected_ = false;
  pf::FontHandle fonts_[kMaxFonts] = {};
  int made_ = 0;
};

}  // namespace ostrel
