// PNG files for the host raster surface: image loading and the preview's output.
#pragma once

#include <string>

#include "platform/host/raster_image.h"

namespace pf::host {

enum class AlphaForm { Straight, Premultiplied };

// Reads any PNG (palette, grey, 8 or 16 bits, with or without alpha) into
// 32-bit pixels. False when the file is missing or not a readable PNG; *out
// is left unchanged then.
bool ReadPng(const std::string& path, RasterImage* out, AlphaForm form = AlphaForm::Straight);

// Writes 8-bit RGBA; with opaque set, every pixel is written fully opaque
// (surfaces drawn by GDI carry no meaningful alpha). False on any failure.
bool WritePng(const std::string& path, const RasterImage& image, bool opaque = true);

}  // namespace pf::host
