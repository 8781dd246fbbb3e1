// The Win32 drawing layer on the real GDI: Tahoma measures as on the host, the system font stand-in, images, live counts.
#include "tests/win/win_test_support.h"

#include <cstdio>
#include <string>

#include "tests/draw_tahoma_extents.h"

namespace ostrel::wintest {
namespace {

using ostrel::testing::kOfflineText;
using ostrel::testing::kTahomaExtents;
using ostrel::testing::TahomaExtent;

// A 3 × 2 PNG: magenta (the key color) at the top left and right, green
// between them; red, blue and white below.
constexpr unsigned char kTinyPng[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x9D,
    0x74, 0x66, 0x1A, 0x00, 0x00, 0x00, 0x01, 0x73, 0x52, 0x47, 0x42, 0x00, 0xAE, 0xCE, 0x1C,
    0xE9, 0x00, 0x00, 0x00, 0x1B, 0x49, 0x44, 0x41, 0x54, 0x08, 0x99, 0x25, 0xC4, 0xA1, 0x01,
    0x00, 0x00, 0x08, 0xC0, 0x20, 0xF4, 0xFF, 0x9F, 0x67, 0x90, 0x80, 0x94, 0xAF, 0x65, 0x98,
    0x88, 0x03, 0xA2, 0xA2, 0x09, 0xFB, 0x15, 0x4D, 0x27, 0x5F, 0x00, 0x00, 0x00, 0x00, 0x49,
    0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

class Win32DrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    baseline_ = pf::LiveDrawingObjects();
    screen_ = pf::GetDC(pf::WindowHandle{});
    dc_ = pf::CreateCompatibleDC(screen_);
    bitmap_ = pf::CreateCompatibleBitmap(screen_, 16, 16);
    oldBitmap_ = pf::SelectObject(dc_, bitmap_);
    oldFont_ = pf::SelectObject(dc_, pf::AsFont(pf::GetStockObject(SYSTEM_FONT)));
  }
  void TearDown() override {
    pf::DeleteObject(pf::SelectObject(dc_, oldFont_));
    pf::SelectObject(dc_, oldBitmap_);
    pf::DeleteObject(bitmap_);
    pf::DeleteDC(dc_);
    pf::ReleaseDC(pf::WindowHandle{}, screen_);
    EXPECT_EQ(pf::LiveDrawingObjects(), baseline_) << "a drawing object leaked";
  }

  void UseFont(int height, int weight) {
    pf::LOGFONTW lf;
    pf::GetObjectW(pf::GetStockObject(SYSTEM_FONT), sizeof lf, &lf);
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfQuality = CLEARTYPE_QUALITY;
    pf::CopyText(lf.lfFaceName, LF_FACESIZE, u"Tahoma");
    pf::FontHandle previous = pf::SelectObject(dc_, pf::CreateFontIndirectW(&lf));
    if (previous != pf::AsFont(pf::GetStockObject(SYSTEM_FONT))) pf::DeleteObject(previous);
  }

  pf::SIZE Extent(const std::u16string& text) {
    pf::SIZE size;
    pf::GetTextExtentExPointW(dc_, text.c_str(), static_cast<int>(text.size()), 0, nullptr,
                              nullptr, &size);
    return size;
  }

  int baseline_ = 0;
  pf::SurfaceHandle screen_{};
  pf::SurfaceHandle dc_{};
  pf::BitmapHandle bitmap_{};
  pf::BitmapHandle oldBitmap_{};
  pf::FontHandle oldFont_{};
};

// Fonts made from the stock system font's logical font, as the item makes
// them, measure exactly as the host's raster surface measures them.
TEST_F(Win32DrawTest, TahomaFromTheSystemFontMeasuresAsOnTheHost) {
  for (const TahomaExtent& c : kTahomaExtents) {
    SCOPED_TRACE(::testing::Message() << "height " << c.height << " weight " << c.weight);
    UseFont(c.height, c.weight);
    EXPECT_EQ(Extent(u"0").cy, c.cell);
    EXPECT_EQ(Extent(u"0").cx, c.zero);
    EXPECT_EQ(Extent(u"00:00:00").cx, c.clock);
    EXPECT_EQ(Extent(kOfflineText).cx, c.offline);
    EXPECT_EQ(Extent(u"AVWaw 1%").cx, c.mixed);
  }
}

TEST_F(Win32DrawTest, StockSystemFontStandInHasNoFixedWidth) {
  pf::LOGFONTW system;
  ASSERT_EQ(pf::GetObjectW(pf::GetStockObject(SYSTEM_FONT), sizeof system, &system),
            static_cast<int>(sizeof system));
  EXPECT_EQ(system.lfWidth, 0);
  EXPECT_EQ(system.lfHeight, 16);
  EXPECT_EQ(system.lfWeight, FW_BOLD);
  EXPECT_EQ(std::u16string(system.lfFaceName), u"System");
  EXPECT_TRUE(pf::DeleteObject(pf::GetStockObject(SYSTEM_FONT)));
  EXPECT_EQ(pf::GetObjectW(pf::GetStockObject(SYSTEM_FONT), sizeof system, &system),
            static_cast<int>(sizeof system)) << "the stock font survives a DeleteObject";
}

TEST_F(Win32DrawTest, PngLoadsIntoA32BitBitmapAndCopiesWithoutItsKeyColor) {
  wchar_t folder[MAX_PATH];
  ::GetTempPathW(MAX_PATH, folder);
  std::wstring file = std::wstring(folder) + L"ostrel-draw-test.png";
  FILE* f = ::_wfopen(file.c_str(), L"wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(kTinyPng, 1, sizeof kTinyPng, f);
  std::fclose(f);
  pf::BitmapHandle image = pf::SHLoadImageFile(pf::win32::U(file.c_str()));
  ::DeleteFileW(file.c_str());
  ASSERT_FALSE(pf::IsNull(image));
  pf::BITMAP info;
  ASSERT_EQ(pf::GetObjectW(image, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  EXPECT_EQ(info.bmBitsPixel, 32);

  pf::RECT all{0, 0, 16, 16};
  pf::SetBkColor(dc_, RGB(0, 0, 64));
  pf::ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
  pf::SurfaceHandle memory = pf::CreateCompatibleDC(dc_);
  pf::BitmapHandle old = pf::SelectObject(memory, image);
  COLORREF key = pf::GetPixel(memory, 0, 0);
  EXPECT_EQ(key, RGB(255, 0, 255));
  ASSERT_TRUE(pf::TransparentImage(dc_, 4, 4, 3, 2, memory, 0, 0, 3, 2, key));
  EXPECT_EQ(pf::GetPixel(dc_, 4, 4), RGB(0, 0, 64));
  EXPECT_EQ(pf::GetPixel(dc_, 5, 4), RGB(0, 255, 0));
  EXPECT_EQ(pf::GetPixel(dc_, 6, 4), RGB(0, 0, 64));
  EXPECT_EQ(pf::GetPixel(dc_, 4, 5), RGB(255, 0, 0));
  EXPECT_EQ(pf::GetPixel(dc_, 6, 5), RGB(255, 255, 255));
  pf::SelectObject(memory, old);
  pf::DeleteDC(memory);
  pf::DeleteObject(image);
  EXPECT_TRUE(pf::IsNull(pf::SHLoadImageFile(u"C:\\no\\such\\folder\\battery96.png")));
}

TEST_F(Win32DrawTest, LiveCountsFollowCreationAndDeletion) {
  int before = pf::LiveDrawingObjects();
  pf::LOGFONTW lf;
  lf.lfHeight = -10;
  pf::FontHandle font = pf::CreateFontIndirectW(&lf);
  pf::SurfaceHandle memory = pf::CreateCompatibleDC(dc_);
  pf::BitmapHandle bitmap = pf::CreateCompatibleBitmap(dc_, 8, 8);
  pf::DrawingObjectCounts live = pf::LiveDrawingObjectCounts();
  EXPECT_EQ(live.Total(), before + 3);
  EXPECT_EQ(live.surfaces, 2);  // the fixture's and this one
  EXPECT_TRUE(pf::IsNull(pf::CreateFontIndirectW(nullptr)));
  pf::CreateCompatibleBitmap(dc_, 0, 5);  // the stock 1 × 1 bitmap: not counted
  EXPECT_EQ(pf::LiveDrawingObjects(), before + 3);
  pf::DeleteObject(font);
  pf::DeleteObject(bitmap);
  pf::DeleteDC(memory);
  EXPECT_EQ(pf::LiveDrawingObjects(), before);
}

}  // namespace
}  // namespace ostrel::wintest
