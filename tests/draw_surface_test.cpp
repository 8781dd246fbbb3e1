// Host raster surfaces: fills, copies, transparent images, icons, image files, window pictures and object bookkeeping.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/host/png_io.h"
#include "platform/host/raster_log.h"
#include "tests/draw_support.h"

namespace ostrel::testing {
namespace {

using pf::RECT;
using pf::host::DrawKind;
using pf::host::DrawLog;
using pf::host::Pixel;
using pf::host::RasterImage;

std::string TempPath(const char* name) {
  return std::string(OSTREL_BINARY_DIR) + "/" + name;
}

// A 6 × 4 picture: magenta key color around a 2 × 2 block of green and a
// red pixel, with a half-transparent pixel at (5, 3).
RasterImage KeyedPicture() {
  RasterImage picture(6, 4, false, 0xFFFF00FFu);
  picture.Set(2, 1, 0xFF00FF00u);
  picture.Set(3, 1, 0xFF00FF00u);
  picture.Set(2, 2, 0xFF00FF00u);
  picture.Set(3, 2, 0xFFFF0000u);
  picture.Set(5, 3, 0x80FFFFFFu);
  return picture;
}

TEST_F(DrawTest, OpaqueFillColorsExactlyItsRectangleAndIsRecorded) {
  pf::SurfaceHandle dc = Surface(20, 10, pf::RGB(0, 0, 0));
  pf::SetBkColor(dc, pf::RGB(10, 20, 30));
  RECT r{2, 3, 7, 9};
  ASSERT_TRUE(pf::ExtTextOutW(dc, 0, 0, pf::ETO_OPAQUE, &r, nullptr, 0, nullptr));
  EXPECT_EQ(pf::GetPixel(dc, 2, 3), pf::RGB(10, 20, 30));
  EXPECT_EQ(pf::GetPixel(dc, 6, 8), pf::RGB(10, 20, 30));
  EXPECT_EQ(pf::GetPixel(dc, 7, 8), pf::RGB(0, 0, 0));
  EXPECT_EQ(pf::GetPixel(dc, 2, 2), pf::RGB(0, 0, 0));
  EXPECT_EQ(pf::GetPixel(dc, 20, 0), pf::CLR_INVALID);
  EXPECT_EQ(pf::GetPixel(dc, -1, 0), pf::CLR_INVALID);
  ASSERT_EQ(DrawLog().size(), 1u);
  EXPECT_EQ(DrawLog()[0].kind, DrawKind::Fill);
  EXPECT_EQ(DrawLog()[0].rect, r);
  EXPECT_EQ(DrawLog()[0].color, pf::RGB(10, 20, 30));
}

TEST_F(DrawTest, BitBltCopiesPixelsAndClipsAtTheEdges) {
  pf::SurfaceHandle from = Surface(8, 8, pf::RGB(1, 2, 3));
  Fill(from, RECT{4, 4, 8, 8}, pf::RGB(200, 100, 50));
  pf::SurfaceHandle to = Surface(8, 8, pf::RGB(0, 0, 0));
  ASSERT_TRUE(pf::BitBlt(to, 2, 2, 10, 10, from, 3, 3, pf::SRCCOPY));
  EXPECT_EQ(pf::GetPixel(to, 1, 1), pf::RGB(0, 0, 0));
  EXPECT_EQ(pf::GetPixel(to, 2, 2), pf::RGB(1, 2, 3));
  EXPECT_EQ(pf::GetPixel(to, 3, 3), pf::RGB(200, 100, 50));
  EXPECT_EQ(pf::GetPixel(to, 6, 6), pf::RGB(200, 100, 50));
  // Source pixels beyond the source's edge leave the destination as it was.
  EXPECT_EQ(pf::GetPixel(to, 7, 7), pf::RGB(0, 0, 0));
  // A copy within one surface reads the pixels as they were before it.
  ASSERT_TRUE(pf::BitBlt(from, 0, 0, 8, 8, from, 1, 1, pf::SRCCOPY));
  EXPECT_EQ(pf::GetPixel(from, 3, 3), pf::RGB(200, 100, 50));
  EXPECT_EQ(pf::GetPixel(from, 2, 2), pf::RGB(1, 2, 3));
  EXPECT_EQ(DrawLog().back().kind, DrawKind::Copy);
}

TEST_F(DrawTest, TransparentImageSkipsTheKeyColorAndNamesTheLoadedImage) {
  std::string file = TempPath("keyed-test.png");
  ASSERT_TRUE(pf::host::WritePng(file, KeyedPicture(), false));
  std::u16string path = pf::FromUtf8(file);
  pf::BitmapHandle image = pf::SHLoadImageFile(path.c_str());
  ASSERT_FALSE(pf::IsNull(image));
  pf::BITMAP info;
  ASSERT_EQ(pf::GetObjectW(image, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 6);
  EXPECT_EQ(info.bmHeight, 4);
  EXPECT_EQ(info.bmBitsPixel, 32);

  pf::SurfaceHandle dst = Surface(10, 10, pf::RGB(0, 0, 40));
  pf::SurfaceHandle memory = pf::CreateCompatibleDC(dst);
  pf::BitmapHandle old = pf::SelectObject(memory, image);
  pf::COLORREF key = pf::GetPixel(memory, 0, 0);
  EXPECT_EQ(key, pf::RGB(255, 0, 255));
  ASSERT_TRUE(pf::TransparentImage(dst, 1, 1, 6, 4, memory, 0, 0, 6, 4, key));
  EXPECT_EQ(pf::GetPixel(dst, 1, 1), pf::RGB(0, 0, 40));
  EXPECT_EQ(pf::GetPixel(dst, 3, 2), pf::RGB(0, 255, 0));
  EXPECT_EQ(pf::GetPixel(dst, 4, 3), pf::RGB(255, 0, 0));
  // Alpha is not blended: a half-transparent pixel arrives premultiplied.
  EXPECT_EQ(pf::GetPixel(dst, 6, 4), pf::RGB(128, 128, 128));
  ASSERT_EQ(DrawLog().back().kind, DrawKind::TransparentImage);
  EXPECT_EQ(DrawLog().back().imageName, "keyed-test.png");
  EXPECT_EQ(DrawLog().back().rect, (RECT{1, 1, 7, 5}));
  EXPECT_EQ(DrawLog().back().color, key);

  pf::SelectObject(memory, old);
  pf::DeleteDC(memory);
  pf::DeleteObject(image);
  std::remove(file.c_str());
}

TEST_F(DrawTest, MissingOrBrokenImageFilesGiveNoBitmap) {
  EXPECT_TRUE(pf::IsNull(pf::SHLoadImageFile(u"/no/such/folder/battery96.png")));
  EXPECT_TRUE(pf::IsNull(pf::SHLoadImageFile(u"")));
  EXPECT_TRUE(pf::IsNull(pf::SHLoadImageFile(nullptr)));
  std::string file = TempPath("broken-test.png");
  std::FILE* f = std::fopen(file.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("\x89PNG\r\n\x1a\n not really", f);
  std::fclose(f);
  EXPECT_TRUE(pf::IsNull(pf::SHLoadImageFile(pf::FromUtf8(file).c_str())));
  std::remove(file.c_str());
}

TEST(DrawPng, WriteThenReadKeepsEveryPixelAndAlpha) {
  RasterImage picture = KeyedPicture();
  std::string file = TempPath("roundtrip-test.png");
  ASSERT_TRUE(pf::host::WritePng(file, picture, false));
  RasterImage back;
  ASSERT_TRUE(pf::host::ReadPng(file, &back));
  EXPECT_EQ(back.Width(), 6);
  EXPECT_EQ(back.Height(), 4);
  EXPECT_EQ(back.Pixels(), picture.Pixels());
  // Surfaces are written opaque.
  ASSERT_TRUE(pf::host::WritePng(file, picture, true));
  ASSERT_TRUE(pf::host::ReadPng(file, &back));
  EXPECT_EQ(back.At(5, 3), 0xFFFFFFFFu);
  EXPECT_FALSE(pf::host::WritePng("/no/such/folder/x.png", picture));
  std::remove(file.c_str());
}

TEST_F(DrawTest, IconsBlendByAlphaAtTheirOwnSizeAndAreRecordedByName) {
  std::vector<Pixel> argb(4 * 4, 0x00000000u);
  argb[0] = 0xFFFF0000u;  // opaque red at (0, 0)
  argb[5] = 0x80FFFFFFu;  // half white at (1, 1)
  pf::IconHandle icon = pf::host::CreateHostIcon(4, 4, argb.data(), "\\Windows\\calc.exe");
  ASSERT_FALSE(pf::IsNull(icon));
  pf::SurfaceHandle dc = Surface(10, 10, pf::RGB(0, 0, 0));
  ASSERT_TRUE(pf::DrawIconEx(dc, 3, 2, icon, 0, 0, 0, pf::BrushHandle{}, pf::DI_NORMAL));
  EXPECT_EQ(pf::GetPixel(dc, 3, 2), pf::RGB(255, 0, 0));
  EXPECT_EQ(pf::GetPixel(dc, 4, 3), pf::RGB(128, 128, 128));
  EXPECT_EQ(pf::GetPixel(dc, 5, 4), pf::RGB(0, 0, 0));
  ASSERT_EQ(DrawLog().size(), 1u);
  EXPECT_EQ(DrawLog()[0].kind, DrawKind::Icon);
  EXPECT_EQ(DrawLog()[0].rect, (RECT{3, 2, 7, 6}));
  EXPECT_EQ(DrawLog()[0].iconName, "\\Windows\\calc.exe");
  EXPECT_FALSE(pf::DrawIconEx(dc, 0, 0, pf::IconHandle{}, 0, 0, 0, pf::BrushHandle{}, pf::DI_NORMAL));
  EXPECT_EQ(pf::LiveDrawingObjectCounts().icons, 1);
  EXPECT_TRUE(pf::DestroyIcon(icon));
  EXPECT_FALSE(pf::DestroyIcon(icon));
  pf::host::ClearDrawingFaults();

  // From a PNG file: the same picture, drawn the same way.
  std::string file = TempPath("icon-test.png");
  ASSERT_TRUE(pf::host::WritePng(file, KeyedPicture(), false));
  pf::IconHandle loaded = pf::host::LoadHostIcon(file, "keyed");
  std::remove(file.c_str());
  ASSERT_FALSE(pf::IsNull(loaded));
  EXPECT_TRUE(pf::IsNull(pf::host::LoadHostIcon(file, "gone")));
  ASSERT_TRUE(pf::DrawIconEx(dc, 0, 0, loaded, 0, 0, 0, pf::BrushHandle{}, pf::DI_NORMAL));
  EXPECT_EQ(pf::GetPixel(dc, 2, 1), pf::RGB(0, 255, 0));
  EXPECT_EQ(DrawLog().back().rect, (RECT{0, 0, 6, 4}));
  EXPECT_TRUE(pf::DestroyIcon(loaded));
}

TEST_F(DrawTest, LiveCountReturnsToZeroAndCatchesALeak) {
  int before = pf::LiveDrawingObjects();
  pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  pf::SurfaceHandle memory = pf::CreateCompatibleDC(screen);
  pf::BitmapHandle bitmap = pf::CreateCompatibleBitmap(screen, 30, 20);
  pf::ReleaseDC(pf::WindowHandle{}, screen);
  pf::BitmapHandle oldBitmap = pf::SelectObject(memory, bitmap);
  pf::LOGFONTW lf;
  lf.lfHeight = -10;
  pf::FontHandle font = pf::CreateFontIndirectW(&lf);
  pf::FontHandle oldFont = pf::SelectObject(memory, font);
  pf::DrawingObjectCounts live = pf::LiveDrawingObjectCounts();
  EXPECT_EQ(live.Total(), before + 3);
  EXPECT_EQ(live.surfaces, 1);

  // Deleting what is still selected is refused and reported.
  EXPECT_FALSE(pf::DeleteObject(font));
  EXPECT_FALSE(pf::DeleteObject(bitmap));
  ASSERT_EQ(pf::host::DrawingFaults().size(), 2u);
  pf::host::ClearDrawingFaults();

  EXPECT_EQ(pf::SelectObject(memory, oldFont), font);
  EXPECT_EQ(pf::SelectObject(memory, oldBitmap), bitmap);
  EXPECT_TRUE(pf::DeleteDC(memory));
  EXPECT_TRUE(pf::DeleteObject(bitmap));
  EXPECT_EQ(pf::LiveDrawingObjects(), before + 1) << "the font is still alive";
  EXPECT_TRUE(pf::DeleteObject(font));
  EXPECT_EQ(pf::LiveDrawingObjects(), before);
  // Stock objects are never counted and deleting them changes nothing.
  EXPECT_TRUE(pf::DeleteObject(pf::GetStockObject(pf::SYSTEM_FONT)));
  EXPECT_EQ(pf::LiveDrawingObjects(), before);
  // A handle deleted twice is a fault, not a crash; a null one fails quietly.
  EXPECT_FALSE(pf::DeleteObject(font));
  EXPECT_EQ(pf::host::DrawingFaults().size(), 1u);
  pf::host::ClearDrawingFaults();
  EXPECT_FALSE(pf::DeleteObject(pf::BitmapHandle{}));
  EXPECT_FALSE(pf::DestroyIcon(pf::IconHandle{}));
  EXPECT_TRUE(pf::host::DrawingFaults().empty());
}

TEST_F(DrawTest, ABitmapLivesInOneMemorySurfaceAtATime) {
  pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  pf::SurfaceHandle a = pf::CreateCompatibleDC(screen);
  pf::SurfaceHandle b = pf::CreateCompatibleDC(screen);
  pf::BitmapHandle bitmap = pf::CreateCompatibleBitmap(screen, 4, 4);
  pf::BitmapHandle oldA = pf::SelectObject(a, bitmap);
  EXPECT_TRUE(pf::IsNull(pf::SelectObject(b, bitmap)));
  EXPECT_TRUE(pf::IsNull(pf::SelectObject(screen, bitmap))) << "not into a screen context";
  EXPECT_EQ(pf::host::DrawingFaults().size(), 2u);
  pf::host::ClearDrawingFaults();
  pf::SelectObject(a, oldA);
  pf::BitmapHandle oldB = pf::SelectObject(b, bitmap);
  EXPECT_FALSE(pf::IsNull(oldB));
  pf::SelectObject(b, oldB);
  pf::DeleteDC(a);
  pf::DeleteDC(b);
  pf::DeleteObject(bitmap);
  pf::ReleaseDC(pf::WindowHandle{}, screen);
}

TEST_F(DrawTest, BitmapsMadeForAFreshMemorySurfaceAreMonochromeAsOnThePlatform) {
  pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  pf::SurfaceHandle memory = pf::CreateCompatibleDC(screen);
  pf::BitmapHandle mono = pf::CreateCompatibleBitmap(memory, 4, 4);
  pf::BITMAP info;
  pf::GetObjectW(mono, sizeof info, &info);
  EXPECT_EQ(info.bmBitsPixel, 1);
  pf::BitmapHandle old = pf::SelectObject(memory, mono);
  Fill(memory, RECT{0, 0, 4, 4}, pf::RGB(255, 0, 0));
  EXPECT_EQ(pf::GetPixel(memory, 1, 1), pf::RGB(0, 0, 0)) << "red is nearer to black";
  EXPECT_EQ(pf::GetDeviceCaps(memory, pf::BITSPIXEL), 1);
  EXPECT_EQ(pf::GetDeviceCaps(screen, pf::LOGPIXELSY), 96);
  // An empty size gives the stock 1 × 1 bitmap, which needs no deleting.
  pf::BitmapHandle empty = pf::CreateCompatibleBitmap(screen, 0, 10);
  ASSERT_FALSE(pf::IsNull(empty));
  pf::GetObjectW(empty, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 1);
  pf::SelectObject(memory, old);
  pf::DeleteObject(mono);
  pf::DeleteDC(memory);
  pf::ReleaseDC(pf::WindowHandle{}, screen);
}

TEST_F(DrawTest, StockSystemFontHasTheScalableDevicesFields) {
  pf::LOGFONTW system;
  ASSERT_EQ(pf::GetObjectW(pf::GetStockObject(pf::SYSTEM_FONT), sizeof system, &system),
            static_cast<int>(sizeof system));
  EXPECT_EQ(system.lfWidth, 0);
  EXPECT_EQ(system.lfEscapement, 0);
  EXPECT_EQ(system.lfItalic, 0);
  EXPECT_EQ(system.lfWeight, pf::FW_BOLD);
  EXPECT_EQ(std::u16string(system.lfFaceName), u"System");
  // A short buffer gets the leading part only; a null one asks for the size.
  pf::LOGFONTW part;
  EXPECT_EQ(pf::GetObjectW(pf::GetStockObject(pf::SYSTEM_FONT), 8, &part), 8);
  EXPECT_EQ(part.lfHeight, system.lfHeight);
  EXPECT_EQ(part.lfWeight, 0);
  EXPECT_EQ(pf::GetObjectW(pf::GetStockObject(pf::SYSTEM_FONT), 0, nullptr),
            static_cast<int>(sizeof(pf::LOGFONTW)));
}

TEST_F(DrawTest, WindowContextsDrawOnTheWindowsPictureAtItsClientSize) {
  pf::WindowHandle window{0x77};
  pf::SIZE client{40, 20};
  const pf::host::HostGdi::ClientSizeSource installed = pf::host::HostScreen().ClientSizes();
  pf::host::HostScreen().SetClientSizeSource([&](pf::WindowHandle w, pf::SIZE* size) {
    if (w != window) return false;
    *size = client;
    return true;
  });
  EXPECT_TRUE(pf::IsNull(pf::GetDC(pf::WindowHandle{0x78})));
  pf::SurfaceHandle dc = pf::GetDC(window);
  ASSERT_FALSE(pf::IsNull(dc));
  Fill(dc, RECT{0, 0, 10, 10}, pf::RGB(9, 8, 7));
  EXPECT_FALSE(pf::DeleteDC(dc)) << "a window's context is released, not deleted";
  pf::host::ClearDrawingFaults();
  EXPECT_TRUE(pf::ReleaseDC(window, dc));
  auto picture = pf::host::HostScreen().WindowPicture(window);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 40);
  EXPECT_EQ(pf::host::ColorFromPixel(picture->At(5, 5)), pf::RGB(9, 8, 7));
  // A resized window keeps what fits of its picture.
  client = pf::SIZE{60, 5};
  pf::ReleaseDC(window, pf::GetDC(window));
  EXPECT_EQ(picture->Width(), 60);
  EXPECT_EQ(pf::host::ColorFromPixel(picture->At(5, 4)), pf::RGB(9, 8, 7));
  pf::host::HostScreen().ForgetWindow(window);
  EXPECT_EQ(pf::host::HostScreen().WindowPicture(window), nullptr);
  pf::host::HostScreen().SetClientSizeSource(installed);
}

TEST(DrawFlagNames, NameEveryFormatTheRecordsShow) {
  EXPECT_EQ(pf::host::FormatFlagNames(0), "DT_LEFT|DT_TOP");
  EXPECT_EQ(pf::host::FormatFlagNames(pf::DT_SINGLELINE | pf::DT_RIGHT | pf::DT_NOCLIP),
            "DT_TOP|DT_RIGHT|DT_SINGLELINE|DT_NOCLIP");
  EXPECT_EQ(pf::host::FormatFlagNames(pf::DT_CENTER | pf::DT_VCENTER | 0x10000),
            "DT_CENTER|DT_VCENTER|0x10000");
}

}  // namespace
}  // namespace ostrel::testing
