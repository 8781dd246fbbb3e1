// Fonts of the host raster surface: fontconfig picks the file for a face name, FreeType gives GDI's metrics and glyphs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/draw.h"

struct FT_FaceRec_;

namespace pf::host {

// Where fontconfig also looks for fonts: Wine's own font folder, so that a
// face name means the same font on the host and under Wine.
constexpr const char* kApplicationFontDir = "/usr/share/wine/fonts";

// GDI's text metrics of a realized font, in pixels. height = ascent +
// descent is the cell height that text extents report.
struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;
  int internalLeading = 0;
  int underlineOffset = 0;  // below the baseline
  int underlineThickness = 1;
  int strikeOffset = 0;  // above the baseline
};

struct Glyph {
  int advance = 0;  // cell increment, pixels, as the text extents count it
  // Pen increment when drawing: for glyphs drawn without grey levels the
  // advance of the glyph as drawn (a bitmap strike's own, wider than the
  // outline's in Tahoma Bold, as GDI under Wine draws it), otherwise the cell
  // increment.
  int penAdvance = 0;
  int left = 0;     // picture's left edge from the pen position
  int top = 0;      // picture's top edge above the baseline
  int width = 0;
  int rows = 0;
  std::vector<std::uint8_t> coverage;  // width × rows, 0..255
};

// One face at one size with the simulations the request needs.
class RealizedFont {
 public:
  RealizedFont(FT_FaceRec_* face, const LOGFONTW& request);
  ~RealizedFont();
  RealizedFont(const RealizedFont&) = delete;
  RealizedFont& operator=(const RealizedFont&) = delete;

  const FontMetrics& Metrics() const { return metrics_; }
  // The family fontconfig chose for the requested face name.
  std::string FamilyName() const;
  bool SimulatedBold() const { return fakeBold_; }
  const Glyph& GlyphOf(char32_t c);

 private:
  void SetScalableSize(const LOGFONTW& request);
  void SetBitmapSize(int height);
  bool GaspAsksForNoGrey() const;
  Glyph LoadGlyph(char32_t c);

  FT_FaceRec_* face_;
  int ppem_ = 0;
  bool fakeBold_ = false;
  bool fakeItalic_ = false;
  bool mono_ = false;  // glyphs drawn without grey levels (a strike where the face has one)
  FontMetrics metrics_;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

// The realized font of a logical font; requests that differ only in fields
// that do not change the glyphs share one.
std::shared_ptr<RealizedFont> RealizeFont(const LOGFONTW& font);

// Adds a folder of the user's own fonts (say, the .ttf files of a device's
// \Windows folder): for a family they hold, the best of their weights and
// slants is drawn (a missing bold simulated), before any other font of that
// name. False when the folder is missing or fontconfig cannot read it.
bool UseFontFolder(const std::string& folder);

}  // namespace pf::host
