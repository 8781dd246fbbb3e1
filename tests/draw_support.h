// Test support for the drawing service: a memory surface per test and a teardown that checks nothing leaked.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/draw.h"
#include "platform/gdi.h"
#include "platform/host/host_draw.h"
#include "platform/host/host_screen.h"
#include "platform/text.h"

namespace ostrel::testing {

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pf::host::HostScreen().SetScreenDpi(96, 96);
    pf::host::ClearDrawLog();
    pf::host::ClearDrawingFaults();
    baseline_ = pf::LiveDrawingObjects();
  }
  void TearDown() override {
    for (auto& [dc, old] : surfaces_) {
      pf::DeleteObject(pf::SelectObject(dc, old));
      pf::DeleteDC(dc);
    }
    EXPECT_EQ(pf::LiveDrawingObjects(), baseline_) << "a drawing object leaked";
    EXPECT_EQ(pf::host::HostScreen().OpenScreenContexts(), 0) << "a context was not released";
    EXPECT_TRUE(pf::host::DrawingFaults().empty()) << pf::host::DrawingFaults().front();
  }

  // A memory surface with a w × h color bitmap selected, filled with fill;
  // deleted with its bitmap at teardown.
  pf::SurfaceHandle Surface(int w, int h, pf::COLORREF fill = pf::RGB(0, 0, 0)) {
    pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
    pf::SurfaceHandle dc = pf::CreateCompatibleDC(screen);
    pf::BitmapHandle bitmap = pf::CreateCompatibleBitmap(screen, w, h);
    pf::ReleaseDC(pf::WindowHandle{}, screen);
    surfaces_.emplace_back(dc, pf::SelectObject(dc, bitmap));
    Fill(dc, pf::RECT{0, 0, w, h}, fill);
    pf::host::ClearDrawLog();
    return dc;
  }

  static void Fill(pf::SurfaceHandle dc, const pf::RECT& r, pf::COLORREF color) {
    pf::COLORREF old = pf::SetBkColor(dc, color);
    pf::ExtTextOutW(dc, 0, 0, pf::ETO_OPAQUE, &r, nullptr, 0, nullptr);
    pf::SetBkColor(dc, old);
  }

  // A font selected into dc until Deselect; the previous font is kept.
  void UseFont(pf::SurfaceHandle dc, const char16_t* face, int height, int weight = pf::FW_NORMAL) {
    pf::LOGFONTW lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfQuality = pf::CLEARTYPE_QUALITY;
    pf::CopyText(lf.lfFaceName, pf::LF_FACESIZE, face);
    pf::FontHandle font = pf::CreateFontIndirectW(&lf);
    pf::FontHandle old = pf::SelectObject(dc, font);
    if (pf::IsNull(previousFont_)) {
      previousFont_ = old;
    } else {
      pf::DeleteObject(old);
    }
  }
  void Deselect(pf::SurfaceHandle dc) {
    pf::DeleteObject(pf::SelectObject(dc, previousFont_));
    previousFont_ = pf::FontHandle{};
  }

  static pf::SIZE Extent(pf::SurfaceHandle dc, const std::u16string& text) {
    pf::SIZE size;
    pf::GetTextExtentExPointW(dc, text.c_str(), static_cast<int>(text.size()), 0, nullptr,
                              nullptr, &size);
    return size;
  }

  // The box of the pixels that differ from background inside area.
  static pf::RECT Ink(pf::SurfaceHandle dc, const pf::RECT& area, pf::COLORREF background) {
    pf::RECT ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (pf::GetPixel(dc, x, y) == background) continue;
        ink.left = std::min(ink.left, x);
        ink.top = std::min(ink.top, y);
        ink.right = std::max(ink.right, x + 1);
        ink.bottom = std::max(ink.bottom, y + 1);
      }
    }
    return ink;
  }

 private:
  std::vector<std::pair<pf::SurfaceHandle, pf::BitmapHandle>> surfaces_;
  pf::FontHandle previousFont_{};
  int baseline_ = 0;
};

}  // namespace ostrel::testing
