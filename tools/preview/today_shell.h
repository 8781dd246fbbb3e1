// The preview's Today window: the item's parent, answering its color and watermark requests.
#pragma once

#include <string>

#include "platform/types.h"

namespace ostrel::preview {

// The selection color the shell reports, and its background without a watermark picture.
constexpr pf::COLORREF kShellHighlight = pf::RGB(0x31, 0x6A, 0xC5);
constexpr pf::COLORREF kShellBackground = pf::RGB(0x12, 0x1A, 0x2A);

// Throws UsageError naming the first image file the item asked for that was
// there but refused (not a regular file, or too large a picture).
void RefuseRefusedImages();

class TodayShell {
 public:
  // watermarkPng: a PNG on the host drawn behind the items (empty: none).
  // Throws UsageError when the picture cannot be read.
  TodayShell(int width, int height, const std::string& watermarkPng);
  ~TodayShell();
  TodayShell(const TodayShell&) = delete;
  TodayShell& operator=(const TodayShell&) = delete;

  pf::WindowHandle Window() const { return window_; }

 private:
  pf::WindowHandle window_{};
};

}  // namespace ostrel::preview
