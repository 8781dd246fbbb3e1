// Pixel operations of the host raster surface: fills, blends, copies, transparent and scaled copies.
#include "platform/host/raster_image.h"

#include <algorithm>

namespace pf::host {

namespace {

int Red(Pixel p) { return static_cast<int>((p >> 16) & 0xFF); }
int Green(Pixel p) { return static_cast<int>((p >> 8) & 0xFF); }
int Blue(Pixel p) { return static_cast<int>(p & 0xFF); }
int Alpha(Pixel p) { return static_cast<int>(p >> 24); }

Pixel MakePixel(int a, int r, int g, int b) {
  return (static_cast<Pixel>(a) << 24) | (static_cast<Pixel>(r) << 16) |
         (static_cast<Pixel>(g) << 8) | static_cast<Pixel>(b);
}

// a + (b - a) * t / 255, rounded.
int Mix(int a, int b, int t) { return a + ((b - a) * t + (b >= a ? 127 : -127)) / 255; }

Pixel NearestOfBlackAndWhite(Pixel p) {
  // Luminance weights of the platform's color-to-monochrome matching.
  int luminance = (Red(p) * 30 + Green(p) * 59 + Blue(p) * 11) / 100;
  return luminance >= 128 ? kOpaqueWhite : kOpaqueBlack;
}

bool SameColor(Pixel p, COLORREF c) { return ColorFromPixel(p) == (c & 0xFFFFFF); }

Pixel Converted(Pixel p, const RasterImage& dst, const CopySource& src) {
  if (dst.Monochrome() && !src.image->Monochrome()) {
    return SameColor(p, src.sourceBackground) ? kOpaqueWhite : kOpaqueBlack;
  }
  if (!dst.Monochrome() && src.image->Monochrome()) {
    return PixelFromColor(p == kOpaqueWhite ? src.destinationBackground : src.destinationText);
  }
  return p;
}

}  // namespace

Pixel PixelFromColor(COLORREF color) {
  return MakePixel(0xFF, static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                   static_cast<int>((color >> 16) & 0xFF));
}

COLORREF ColorFromPixel(Pixel pixel) {
  return RGB(static_cast<unsigned>(Red(pixel)), static_cast<unsigned>(Green(pixel)),
             static_cast<unsigned>(Blue(pixel)));
}

RECT Intersect(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

bool GdiMakesBitmap(int width, int height, int bitsPerPixel) {
  constexpr long long kLargestSide = 0x7FFFFFF;
  constexpr long long kLargest = 0x7FFFFFFF;
  if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide) return false;
  const long long rowBits = static_cast<long long>(width) * bitsPerPixel + 31;
  if (rowBits > kLargest) return false;
  return rowBits / 32 * 4 * height <= kLargest;
}

RasterImage::RasterImage(int width, int height, bool monochrome, Pixel fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), monochrome_(monochrome) {
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                 monochrome ? NearestOfBlackAndWhite(fill) : fill);
}

void RasterImage::Set(int x, int y, Pixel pixel) {
  if (!Contains(x, y)) return;
  pixels_[Index(x, y)] = monochrome_ ? NearestOfBlackAndWhite(pixel) : pixel;
}

void RasterImage::Fill(const RECT& rect, Pixel pixel) {
  RECT r = Intersect(rect, Bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) Set(x, y, pixel);
  }
}

void RasterImage::BlendCoverage(int x, int y, Pixel color, int coverage) {
  if (!Contains(x, y) || coverage <= 0) return;
  if (coverage >= 255) {
    Set(x, y, color | 0xFF000000u);
    return;
  }
  Pixel d = At(x, y);
  Set(x, y, MakePixel(0xFF, Mix(Red(d), Red(color), coverage), Mix(Green(d), Green(color), coverage),
                      Mix(Blue(d), Blue(color), coverage)));
}

void RasterImage::BlendOver(int x, int y, Pixel argb) {
  BlendCoverage(x, y, argb, Alpha(argb));
}

RasterImage RasterImage::Resized(int width, int height) const {
  RasterImage out(width, height, monochrome_);
  int w = std::min(width_, out.width_);
  int h = std::min(height_, out.height_);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) out.pixels_[out.Index(x, y)] = At(x, y);
  }
  return out;
}

void CopyBlock(RasterImage& dst, int x, int y, int w, int h, const CopySource& src, int sx,
               int sy) {
  if (src.image == nullptr) return;
  // A copy within one image reads the pixels as they were before it.
  RasterImage snapshot;
  const RasterImage* from = src.image;
  if (from == &dst) {
    snapshot = dst;
    from = &snapshot;
  }
  const RasterImage& source = *from;
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      if (!dst.Contains(x + i, y + j) || !source.Contains(sx + i, sy + j)) continue;
      dst.Set(x + i, y + j, Converted(source.At(sx + i, sy + j), dst, src));
    }
  }
}

void CopyTransparent(RasterImage& dst, const RECT& to, const RasterImage& src, const RECT& from,
                     COLORREF key) {
  int w = to.right - to.left;
  int h = to.bottom - to.top;
  int sw = from.right - from.left;
  int sh = from.bottom - from.top;
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  for (int j = 0; j < h; ++j) {
    int sy = from.top + j * sh / h;
    for (int i = 0; i < w; ++i) {
      int sx = from.left + i * sw / w;
      if (!src.Contains(sx, sy)) continue;
      Pixel p = src.At(sx, sy);
      if (SameColor(p, key)) continue;
      dst.Set(to.left + i, to.top + j, p | 0xFF000000u);
    }
  }
}

void DrawPicture(RasterImage& dst, int x, int y, int w, int h, const RasterImage& picture,
                 IconParts parts) {
  if (w <= 0 || h <= 0 || picture.Width() == 0 || picture.Height() == 0) return;
  for (int j = 0; j < h; ++j) {
    int py = j * picture.Height() / h;
    for (int i = 0; i < w; ++i) {
      Pixel p = picture.At(i * picture.Width() / w, py);
      if (parts == IconParts::Normal) {
        dst.BlendOver(x + i, y + j, p);
      } else if (parts == IconParts::Image) {
        dst.Set(x + i, y + j, p | 0xFF000000u);
      } else if (Alpha(p) >= 128) {
        dst.Set(x + i, y + j, kOpaqueBlack);
      }
    }
  }
}

}  // namespace pf::host
