// Antialiased glyph pixels as GDI draws them: coverage in 17 levels, each blended through the intensity ramp.
#include <gtest/gtest.h>

#include "platform/host/glyph_levels.h"

namespace pf::host {
namespace {

Pixel Drawn(Pixel background, Pixel text, int level) {
  RasterImage image(1, 1, false, background);
  DrawGlyphPixel(image, 0, 0, text, level);
  DrawGlyphPixel(image, 5, 5, text, level);  // outside: nothing
  return image.At(0, 0);
}

TEST(GlyphLevels, CoverageFallsIntoSeventeenLevels) {
  EXPECT_EQ(GlyphLevel(0), 0);
  EXPECT_EQ(GlyphLevel(15), 0);
  EXPECT_EQ(GlyphLevel(16), 1);
  EXPECT_EQ(GlyphLevel(128), 8);
  EXPECT_EQ(GlyphLevel(240), 15);
  EXPECT_EQ(GlyphLevel(241), 16);
  EXPECT_EQ(GlyphLevel(255), 16);
}

TEST(GlyphLevels, EachLevelMovesTheBackgroundAlongTheRampNotLinearly) {
  const Pixel black = kOpaqueBlack, white = kOpaqueWhite;
  EXPECT_EQ(Drawn(black, white, 0), black);
  EXPECT_EQ(Drawn(black, white, 1), black) << "the faintest level leaves the pixel";
  EXPECT_EQ(Drawn(black, white, 16), white);
  // White on black: the ramp itself; a quarter is 0x8C where linear would give 0x40.
  EXPECT_EQ(Drawn(black, white, 4), 0xFF8C8C8Cu);
  EXPECT_EQ(Drawn(black, white, 15), 0xFFF8F8F8u);
  // Black on white: the ramp read from the other end.
  EXPECT_EQ(Drawn(white, black, 4), 0xFFE1E1E1u);
  // Each channel on its own, from between: white text over 100 at level 8
  // comes to 255 - 155 * (255 - 0xBD) / 255, blue text 0 over 255 to 0xBD;
  // equal channels stay.
  EXPECT_EQ(Drawn(0xFF6464FFu, 0xFFFFFF00u, 8), 0xFFD7D7BDu);
  EXPECT_EQ(Drawn(0xFF123456u, 0xFF123456u, 7), 0xFF123456u);
}

}  // namespace
}  // namespace pf::host
