// PNG reading and writing with libpng's simplified interface.
#include "platform/host/png_io.h"

#include <png.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/host/host_file_io.h"

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

namespace {

// Opens the file for libpng; false when it is missing, refused or not a PNG.
bool BeginRead(const std::string& path, png_image* image, std::FILE** file, std::string* refusal) {
  std::string error;
  bool missing = false;
  const int fd = OpenRegularFile(path, &error, &missing);
  if (fd < 0) {
    if (!missing && refusal != nullptr) *refusal = error;
    return false;
  }
  *file = ::fdopen(fd, "rb");
  if (*file == nullptr) {
    ::close(fd);
    return false;
  }
  return png_image_begin_read_from_stdio(image, *file) != 0;
}

// The header's size against the largest picture read (see png_io.h).
bool FitsPicture(const png_image& image) {
  return image.width != 0 && image.height != 0 && image.width <= kLargestPngSide &&
         image.height <= kLargestPngSide &&
         static_cast<std::uint64_t>(image.width) * image.height <= kLargestPngPixels;
}

// Decodes straight into the picture's own pixels, then puts each one in our
// order in place: one buffer of the picture's size, no second one.
bool Decode(png_image* image, RasterImage* picture, AlphaForm form) {
  image->format = PNG_FORMAT_BGRA;
  RasterImage result(static_cast<int>(image->width), static_cast<int>(image->height));
  if (!png_image_finish_read(image, nullptr, result.Pixels().data(), 0, nullptr)) return false;
  for (Pixel& pixel : result.Pixels()) {
    const Pixel p = PixelFromBgra(reinterpret_cast<const png_byte*>(&pixel));
    pixel = form == AlphaForm::Premultiplied ? Premultiplied(p) : p;
  }
  *picture = std::move(result);
  return true;
}

}  // namespace

bool ReadPng(const std::string& path, RasterImage* out, AlphaForm form, std::string* refusal) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  std::FILE* file = nullptr;
  bool read = BeginRead(path, &image, &file, refusal);
  if (read && !FitsPicture(image)) {
    if (refusal != nullptr) {
      *refusal = path + ": the picture is " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                 " pixels, larger than a picture can be read (" + std::to_string(kLargestPngSide) +
                 " a side, " + std::to_string(kLargestPngPixels) + " pixels)";
    }
    read = false;
  }
  read = read && Decode(&image, out, form);
  png_image_free(&image);
  if (file != nullptr) std::fclose(file);
  return read;
}

bool WritePng(const std::string& path, const RasterImage& image, bool opaque, std::string* error) {
  if (image.Width() == 0 || image.Height() == 0) {
    if (error != nullptr) *error = path + ": cannot write: the picture is empty";
    return false;
  }
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
  png_alloc_size_t size = 0;
  std::string encoded;
  bool ok = png_image_write_get_memory_size(out, size, 0, bytes.data(), 0, nullptr) != 0;
  if (ok) {
    encoded.resize(size);
    ok = png_image_write_to_memory(&out, encoded.data(), &size, 0, bytes.data(), 0, nullptr) != 0;
    encoded.resize(size);
  }
  png_image_free(&out);
  if (!ok) {
    if (error != nullptr) *error = path + ": cannot write: the picture could not be encoded";
    return false;
  }
  return WriteWholeFile(path, encoded, error);
}

}  // namespace pf::host
