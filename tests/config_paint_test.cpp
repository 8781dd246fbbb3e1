// The settings program's own drawing through its window procedure: the separator, the color swatch at both densities, capture by WM_PRINTCLIENT, and the static texts' colors.
#include "platform/gdi.h"
#include "platform/host/host_draw.h"
#include "platform/host/raster_log.h"
#include "platform/window.h"
#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

using pf::host::DrawKind;
using pf::host::DrawRecord;

class ConfigPaintTest : public ConfigTest {
 protected:
  // The calls one WM_PAINT of the main window makes.
  std::vector<DrawRecord> Paint() {
    pf::host::ClearDrawLog();
    pf::SendMessageW(main, pf::WM_PAINT, 0, 0);
    return pf::host::DrawLog();
  }
  static std::vector<DrawRecord> OfKind(const std::vector<DrawRecord>& calls, DrawKind kind) {
    std::vector<DrawRecord> found;
    for (const DrawRecord& r : calls) {
      if (r.kind == kind) found.push_back(r);
    }
    return found;
  }
  pf::COLORREF PixelOfMain(int x, int y) const {
    auto picture = pf::host::HostScreen().WindowPicture(main);
    if (picture == nullptr || !picture->Contains(x, y)) return pf::CLR_INVALID;
    return pf::host::ColorFromPixel(picture->At(x, y));
  }
  void OpenTimeFont() {
    OpenPage(u"Часы");
    Open("TimeList", 1);  // "Шрифт часов"
    ASSERT_EQ(View().OpenEditor, 1);
  }
};

TEST_F(ConfigPaintTest, TheSeparatorRunsUnderTheTitleAcrossTheWholeWidthAndNoSwatchShowsOnATab) {
  Start();
  pf::RECT client;
  pf::GetClientRect(main, &client);
  std::vector<DrawRecord> calls = Paint();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].kind, DrawKind::Fill);
  EXPECT_EQ(calls[0].rect, (pf::RECT{0, 23, client.right, 24}));
  EXPECT_EQ(calls[0].color, pf::GetSysColor(pf::COLOR_WINDOWTEXT));
  EXPECT_EQ(PixelOfMain(client.right - 1, 23), pf::GetSysColor(pf::COLOR_WINDOWTEXT));
  Tab(2);
  EXPECT_EQ(OfKind(Paint(), DrawKind::Rectangle).size(), 0u) << "About shows no swatch";
}

TEST_F(ConfigPaintTest, TheFontEditorsSwatchShowsTheTypedColorClampedAndFramedInTheTextColor) {
  Start();
  OpenTimeFont();
  Type("RedEdit", u"300");
  Type("GreenEdit", u"16");
  Type("BlueEdit", u"0");
  int live = pf::LiveDrawingObjects();
  std::vector<DrawRecord> shapes = OfKind(Paint(), DrawKind::Rectangle);
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].rect, (pf::RECT{50, 105, 70, 125}));
  EXPECT_EQ(shapes[0].color, pf::RGB(255, 16, 0));
  EXPECT_EQ(shapes[0].penColor, pf::GetSysColor(pf::COLOR_WINDOWTEXT));
  EXPECT_EQ(shapes[0].penWidth, 1);
  EXPECT_EQ(PixelOfMain(60, 115), pf::RGB(255, 16, 0));
  EXPECT_EQ(PixelOfMain(50, 115), pf::GetSysColor(pf::COLOR_WINDOWTEXT)) << "the frame";
  EXPECT_EQ(pf::LiveDrawingObjects(), live) << "the swatch's brush and pen are deleted";
  EXPECT_TRUE(pf::host::DrawingFaults().empty()) << pf::host::DrawingFaults().front();

  Cancel();  // the editor closes: the page shows, and no swatch
  EXPECT_EQ(OfKind(Paint(), DrawKind::Rectangle).size(), 0u);
}

TEST_F(ConfigPaintTest, AtTwiceTheDensityTheColorEditorsSwatchDoublesAndItsThickerFrameStaysInside) {
  pf::host::HostScreen().SetScreenDpi(192, 192);
  store().SetScreenSize(480, 640);
  Start();
  OpenPage(u"Календарь");
  Open("CalendarList", 4);  // "Цвет субботы"
  ASSERT_EQ(View().OpenEditor, 2);
  Type("BlueEdit", u"200");
  pf::COLORREF color = 0;
  pf::RECT box;
  ASSERT_TRUE(cfg::SwatchShown(&box, &color));
  std::vector<DrawRecord> calls = Paint();
  std::vector<DrawRecord> fills = OfKind(calls, DrawKind::Fill);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].rect.top, 46);
  EXPECT_EQ(fills[0].rect.bottom, 48);
  std::vector<DrawRecord> shapes = OfKind(calls, DrawKind::Rectangle);
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].rect, (pf::RECT{101, 111, 139, 149})) << "the box 100..140 x 110..150, inset by 1";
  EXPECT_EQ(shapes[0].penWidth, 2);
  EXPECT_EQ(shapes[0].color, color);
  EXPECT_EQ((color >> 16) & 0xFF, 200u);
  // The two-pixel frame covers 100..101 and 137..138; the color fills between.
  EXPECT_EQ(PixelOfMain(101, 130), pf::GetSysColor(pf::COLOR_WINDOWTEXT));
  EXPECT_EQ(PixelOfMain(102, 130), color);
  EXPECT_EQ(PixelOfMain(136, 130), color);
  EXPECT_EQ(PixelOfMain(138, 130), pf::GetSysColor(pf::COLOR_WINDOWTEXT));
}

TEST_F(ConfigPaintTest, APrintedCaptureDrawsWhatThePaintDraws) {
  Start();
  OpenTimeFont();
  std::vector<DrawRecord> painted = Paint();

  pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  pf::SurfaceHandle memory = pf::CreateCompatibleDC(screen);
  pf::BitmapHandle bitmap = pf::CreateCompatibleBitmap(screen, 240, 320);
  pf::ReleaseDC(pf::WindowHandle{}, screen);
  pf::BitmapHandle old = pf::SelectObject(memory, bitmap);
  pf::host::ClearDrawLog();
  pf::SendMessageW(main, pf::WM_PRINTCLIENT, static_cast<pf::WPARAM>(memory), 0);
  std::vector<DrawRecord> printed = pf::host::DrawLog();
  ASSERT_EQ(printed.size(), painted.size());
  for (std::size_t i = 0; i < printed.size(); ++i) {
    EXPECT_EQ(printed[i].kind, painted[i].kind);
    EXPECT_EQ(printed[i].rect, painted[i].rect);
    EXPECT_EQ(printed[i].color, painted[i].color);
    EXPECT_EQ(printed[i].surface, memory) << "drawn on the caller's surface";
  }
  pf::SelectObject(memory, old);
  pf::DeleteObject(bitmap);
  pf::DeleteDC(memory);
}

TEST_F(ConfigPaintTest, StaticTextsGetTheHighlightOrGreyTextColorOnTheSystemsOwnBrush) {
  Start();
  int live = pf::LiveDrawingObjects();
  pf::SurfaceHandle surface = pf::CreateCompatibleDC(pf::SurfaceHandle{});
  auto colorFor = [&](const char* control, pf::LRESULT* answer) {
    pf::SetTextColor(surface, pf::RGB(1, 2, 3));
    *answer = pf::SendMessageW(main, pf::WM_CTLCOLORSTATIC, static_cast<pf::WPARAM>(surface),
                               static_cast<pf::LPARAM>(H(control)));
    return pf::GetTextColor(surface);
  };
  pf::LRESULT answer = 0;
  EXPECT_EQ(colorFor("TitleLabel", &answer), pf::GetSysColor(pf::COLOR_HIGHLIGHT));
  EXPECT_EQ(answer, static_cast<pf::LRESULT>(pf::GetSysColorBrush(pf::COLOR_WINDOW)));
  EXPECT_NE(answer, 0);
  EXPECT_EQ(colorFor("HelpLabel", &answer), pf::GetSysColor(pf::COLOR_GRAYTEXT));
  EXPECT_EQ(colorFor("EditorCaption", &answer), pf::RGB(1, 2, 3)) << "other texts keep theirs";
  EXPECT_NE(answer, 0);
  EXPECT_EQ(pf::GetBkColor(surface), pf::GetSysColor(pf::COLOR_WINDOW));
  pf::DeleteDC(surface);
  EXPECT_EQ(pf::LiveDrawingObjects(), live) << "no brush is made for the answer";
}

}  // namespace
}  // namespace ostrel::testing
