// Transparent copies of the state images: the image in a memory surface, keyed on its top-left pixel.
#include "plugin/draw_image.h"

#include "platform/draw.h"
#include "plugin/item_state.h"

namespace ostrel {

namespace {

// An image the platform would not copy this time is drawn again by the frame
// the next tick asks for; a paint that is not asked for would leave it out.
void AskForFrame() { Item().Missing |= kMissingFrame; }

}  // namespace

ImageSurface::ImageSurface(pf::SurfaceHandle target, pf::BitmapHandle image) : target_(target) {
  if (pf::IsNull(image)) return;
  memory_ = pf::CreateCompatibleDC(target);
  if (pf::IsNull(memory_)) {
    AskForFrame();
    return;
  }
  previous_ = pf::SelectObject(memory_, image);
  if (pf::IsNull(previous_)) {  // not a bitmap this surface can hold
    pf::DeleteDC(memory_);
    memory_ = pf::SurfaceHandle{};
    AskForFrame();
    return;
  }
  pf::BITMAP info;
  if (pf::GetObjectW(image, sizeof(info), &info) != 0) {
    width_ = info.bmWidth;
    height_ = info.bmHeight;
  } else {
    AskForFrame();
  }
}

ImageSurface::~ImageSurface() {
  if (pf::IsNull(memory_)) return;
  pf::SelectObject(memory_, previous_);
  pf::DeleteDC(memory_);
}

void ImageSurface::CopyTo(int x, int y) const {
  if (!Loaded() || width_ <= 0 || height_ <= 0) return;
  const pf::COLORREF key = pf::GetPixel(memory_, 0, 0);
  // Without its key color the image would be copied with its background.
  if (key == pf::CLR_INVALID ||
      pf::TransparentImage(target_, x, y, width_, height_, memory_, 0, 0, width_, height_, key) == 0) {
    AskForFrame();
  }
}

}  // namespace ostrel
