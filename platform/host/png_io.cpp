// PNG reading and writing with libpng's simplified interface.
#include "platform/host/png_io.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace pf::host {

namespace {

// libpng's BGRA byte order is our 0xAARRGGBB on a little-endian machine;
// spelled out byte by byte so that it holds on any machine.
Pixel PixelFromBgra(const png_byte* p) {
  return (static_cast<Pixel>(p[3]) << 24) | (static_cast<Pixel>(p[2]) << 16) |
         (static_cast<Pixel>(p[1]) << 8) | static_cast<Pixel>(p[0]);
}

void PixelToBgra(Pixel pixel, png_byte* p) {
  p[0] = static_cast<png_byte>(pixel & 0xFF);
  p[1] = static_cast<png_byte>((pixel >> 8) & 0xFF);
  p[2] = static_cast<png_byte>((pixel >> 16) & 0xFF);
  p[3] = static_cast<png_byte>(pixel >> 24);
}

Pixel Premultiplied(Pixel p) {
  Pixel a = p >> 24;
  auto scale = [a](Pixel c) { return (c * a + 127) / 255; };
  return (a << 24) | (scale((p >> 16) & 0xFF) << 16) | (scale((p >> 8) & 0xFF) << 8) |
         scale(p & 0xFF);
}

}  // namespace

bool ReadPng(const std::string& path, RasterImage* out, AlphaForm form) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_BGRA;
  // Refuse sizes whose buffer could not be addressed or would be absurd.
  if (image.width == 0 || image.height == 0 || image.width > 16384 || image.height > 16384) {
    png_image_free(&image);
    return false;
  }
  std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  int width = static_cast<int>(image.width);
  int height = static_cast<int>(image.height);
  RasterImage result(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Pixel p = PixelFromBgra(&bytes[(static_cast<std::size_t>(y) * image.width +
                                      static_cast<std::size_t>(x)) * 4]);
      result.Set(x, y, form == AlphaForm::Premultiplied ? Premultiplied(p) : p);
    }
  }
  *out = std::move(result);
  return true;
}

bool WritePng(const std::string& path, const RasterImage& image, bool opaque) {
  if (image.Width() == 0 || image.Height() == 0) return false;
  std::vector<png_byte> bytes(static_cast<std::size_t>(image.Width()) *
                              static_cast<std::size_t>(image.Height()) * 4);
  std::size_t i = 0;
  for (Pixel p : image.Pixels()) {
    PixelToBgra(opaque ? (p | 0xFF000000u) : p, &bytes[i]);
    i += 4;
  }
  png_image out;
  std::memset(&out, 0, sizeof out);
  out.version = PNG_IMAGE_VERSION;
  out.width = static_cast<png_uint_32>(image.Width());
  out.height = static_cast<png_uint_32>(image.Height());
  out.format = PNG_FORMAT_BGRA;
  bool ok = png_image_write_to_file(&out, path.c_str(), 0, bytes.data(), 0, nullptr) != 0;
  png_image_free(&out);
  return ok;
}

}  // namespace pf::host
