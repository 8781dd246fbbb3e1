// 32-bit pixel buffers of the host raster surface and the pixel operations GDI performs on them.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace pf::host {

// 0xAARRGGBB. GDI's own drawing writes opaque pixels; images loaded from
// files keep their alpha, premultiplied, as the platform's image decoder does.
using Pixel = std::uint32_t;

constexpr Pixel kOpaqueBlack = 0xFF000000u;
constexpr Pixel kOpaqueWhite = 0xFFFFFFFFu;

Pixel PixelFromColor(COLORREF color);
COLORREF ColorFromPixel(Pixel pixel);

// The part of a rectangle inside another; empty when they do not overlap.
RECT Intersect(const RECT& a, const RECT& b);
bool IsEmpty(const RECT& r);

// Whether GDI makes a bitmap of this size and depth (CreateCompatibleBitmap;
// measured under Wine): both sides from 1 to 0x7FFFFFF, a row of
// width × bits, rounded up to 32 bits, countable in a signed 32-bit number
// of bits, and all rows together at most 0x7FFFFFFF bytes. A 32-bit color
// bitmap of 240 × 2,236,962 is made; 240 × 2,236,963 and 32767 × 32767 are
// refused.
bool GdiMakesBitmap(int width, int height, int bitsPerPixel);

class RasterImage {
 public:
  RasterImage() = default;
  // A monochrome image stores only black and white, as a 1-bit bitmap does.
  RasterImage(int width, int height, bool monochrome = false, Pixel fill = kOpaqueBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Monochrome() const { return monochrome_; }
  int BitsPerPixel() const { return monochrome_ ? 1 : 32; }
  RECT Bounds() const { return RECT{0, 0, width_, height_}; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Pixel At(int x, int y) const { return pixels_[Index(x, y)]; }
  // Writes one pixel (outside the image: nothing); monochrome images keep
  // the nearer of black and white.
  void Set(int x, int y, Pixel pixel);
  const std::vector<Pixel>& Pixels() const { return pixels_; }
  std::vector<Pixel>& Pixels() { return pixels_; }

  void Fill(const RECT& rect, Pixel pixel);
  // Mixes color into the pixel by coverage 0..255 (anti-aliased glyph edges).
  void BlendCoverage(int x, int y, Pixel color, int coverage);
  // Draws a pixel with straight (not premultiplied) alpha over this image.
  void BlendOver(int x, int y, Pixel argb);

  // A copy of the same pixels with a new size: what fits of the old content
  // stays at the top left, the rest is black.
  RasterImage Resized(int width, int height) const;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  bool monochrome_ = false;
  std::vector<Pixel> pixels_;
};

// Source of a copy and how its pixels become the destination's: color to
// color unchanged; color to monochrome by the source's background color
// (equal: white, else black); monochrome to color white to the destination's
// background color and black to its text color.
struct CopySource {
  const RasterImage* image = nullptr;
  COLORREF sourceBackground = 0xFFFFFF;
  COLORREF destinationText = 0;
  COLORREF destinationBackground = 0xFFFFFF;
};

// BitBlt SRCCOPY: a w × h block from (sx, sy) of the source to (x, y).
void CopyBlock(RasterImage& dst, int x, int y, int w, int h, const CopySource& src, int sx,
               int sy);

// TransparentImage: the source block (sx, sy, sw, sh) stretched to the
// destination block (x, y, w, h), skipping source pixels of the key color.
void CopyTransparent(RasterImage& dst, const RECT& to, const RasterImage& src, const RECT& from,
                     COLORREF key);

// DrawIconEx: the icon's picture scaled to (x, y, w, h). Image and mask
// together blend it by its alpha; the image alone is copied opaque; the mask
// alone blackens the pixels the icon covers (alpha of half or more).
enum class IconParts { Normal, Image, Mask };
void DrawPicture(RasterImage& dst, int x, int y, int w, int h, const RasterImage& picture,
                 IconParts parts = IconParts::Normal);

}  // namespace pf::host
