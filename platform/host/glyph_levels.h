// Antialiased text as GDI draws it on colour surfaces: coverage in 17 grey levels, blended through an intensity ramp.
#pragma once

#include "platform/host/raster_image.h"

namespace pf::host {

// The grey level, 0 to 16, of a glyph pixel of coverage 0..255.
int GlyphLevel(int coverage);

// Draws one glyph pixel of text color at a level: levels 0 and 1 leave the
// pixel, 16 sets the text color, the others move each channel towards the
// text's along a curve steeper than linear (a level of 4 already covers about
// half the distance).
void DrawGlyphPixel(RasterImage& image, int x, int y, Pixel text, int level);

}  // namespace pf::host
