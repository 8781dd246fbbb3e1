// PNG files for the host raster surface: image loading and the preview's output.
#pragma once

#include <cstdint>
#include <string>

#include "platform/host/raster_image.h"

namespace pf::host {

enum class AlphaForm { Straight, Premultiplied };

// The largest picture read: a side as GDI's bitmaps have at most, and no more
// pixels than a 4096 x 4096 picture (64 MiB of pixels, more than the device
// has memory), so a small file cannot ask for gigabytes.
constexpr std::uint32_t kLargestPngSide = 16384;
constexpr std::uint64_t kLargestPngPixels = 4096ull * 4096ull;

// Reads any PNG (palette, grey, 8 or 16 bits, with or without alpha) into
// 32-bit pixels. False when the file is missing or not a readable PNG; *out
// is left unchanged then. A file that is there but refused is also false and
// says why in *refusal (one line naming the path): anything but a regular
// file (never waited on), or a header asking for a larger picture than the
// largest read (refused before anything is decoded).
bool ReadPng(const std::string& path, RasterImage* out, AlphaForm form = AlphaForm::Straight,
             std::string* refusal = nullptr);

// Writes 8-bit RGBA as WriteWholeFile writes a file; with opaque set, every
// pixel is written fully opaque (surfaces drawn by GDI carry no meaningful
// alpha). False on any failure, with the reason in *error.
bool WritePng(const std::string& path, const RasterImage& image, bool opaque = true,
              std::string* error = nullptr);

}  // namespace pf::host
