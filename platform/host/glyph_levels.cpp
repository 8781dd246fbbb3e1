// Antialiased text as GDI draws it on colour surfaces: coverage in 17 grey levels, blended through an intensity ramp.
#include "platform/host/glyph_levels.h"

namespace pf::host {

namespace {

constexpr int kTopLevel = 16;

// The intensity of each level drawn in full white on black.
constexpr int kRamp[kTopLevel + 1] = {0,    0x4d, 0x68, 0x7c, 0x8c, 0x9a, 0xa7, 0xb2, 0xbd,
                                      0xc7, 0xd0, 0xd9, 0xe1, 0xe9, 0xf0, 0xf8, 0xff};

// One channel: the result over a black background (low) and over a white one
// (high) are read from the ramp; a background between them is interpolated
// from the text's own value towards the one on its side.
int BlendChannel(int background, int text, int level) {
  if (background == text) return background;
  if (background > text) {
    const int high = kRamp[kTopLevel - level] + (0xff - kRamp[kTopLevel - level]) * text / 0xff;
    return text + (background - text) * (high - text) / (0xff - text);
  }
  const int low = kRamp[level] * text / 0xff;
  return text - (text - background) * (text - low) / text;
}

int Channel(Pixel pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

}  // namespace

int GlyphLevel(int coverage) { return coverage * (kTopLevel + 1) / 256; }

void DrawGlyphPixel(RasterImage& image, int x, int y, Pixel text, int level) {
  if (!image.Contains(x, y) || level <= 1) return;
  if (level >= kTopLevel) {
    image.Set(x, y, text | 0xFF000000u);
    return;
  }
  const Pixel background = image.At(x, y);
  Pixel out = 0xFF000000u;
  for (int shift : {16, 8, 0}) {
    out |= static_cast<Pixel>(BlendChannel(Channel(background, shift), Channel(text, shift), level)) << shift;
  }
  image.Set(x, y, out);
}

}  // namespace pf::host
