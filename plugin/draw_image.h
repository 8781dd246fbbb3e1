// Transparent copies of the state images: the image in a memory surface, keyed on its top-left pixel.
#pragma once

#include "platform/types.h"

namespace ostrel {

// A state image selected into a memory surface compatible with the target,
// ready to be copied; the surface is restored and deleted with the object.
// A null image has size 0 × 0 and copies nothing.
class ImageSurface {
 public:
  ImageSurface(pf::SurfaceHandle target, pf::BitmapHandle image);
  ~ImageSurface();
  ImageSurface(const ImageSurface&) = delete;
  ImageSurface& operator=(const ImageSurface&) = delete;

  bool Loaded() const { return !pf::IsNull(memory_); }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Copies the whole image at its own size with its top-left corner at
  // (x, y); the color of its top-left pixel is left out.
  void CopyTo(int x, int y) const;

 private:
  pf::SurfaceHandle target_;
  pf::SurfaceHandle memory_{};
  pf::BitmapHandle previous_{};
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ostrel
