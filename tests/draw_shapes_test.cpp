// Host drawing of system colors, brushes, pens, FillRect and Rectangle: what they paint and record, and the live counts that catch a leaked brush or pen.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/gdi.h"
#include "platform/host/host_draw.h"
#include "platform/host/raster_image.h"
#include "platform/host/raster_log.h"

namespace {

// A memory surface with a 40 x 30 color bitmap selected.
class DrawShapesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pf::host::ClearDrawingFaults();
    pf::host::ClearDrawLog();
    live = pf::LiveDrawingObjects();
    pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
    surface = pf::CreateCompatibleDC(screen);
    bitmap = pf::CreateCompatibleBitmap(screen, 40, 30);
    pf::ReleaseDC(pf::WindowHandle{}, screen);
    oldBitmap = pf::SelectObject(surface, bitmap);
  }
  void TearDown() override {
    pf::SelectObject(surface, oldBitmap);
    pf::DeleteObject(bitmap);
    pf::DeleteDC(surface);
    EXPECT_EQ(pf::LiveDrawingObjects(), live);
    EXPECT_TRUE(pf::host::DrawingFaults().empty());
  }
  pf::COLORREF At(int x, int y) const { return pf::GetPixel(surface, x, y); }

  int live = 0;
  pf::SurfaceHandle surface{};
  pf::BitmapHandle bitmap{};
  pf::BitmapHandle oldBitmap{};
};

TEST_F(DrawShapesTest, BrushesAndPensAreCountedUntilDeletedAndSystemBrushesNever) {
  pf::DrawingObjectCounts before = pf::LiveDrawingObjectCounts();
  pf::BrushHandle brush = pf::CreateSolidBrush(pf::RGB(1, 2, 3));
  pf::PenHandle pen = pf::CreatePen(pf::PS_SOLID, 2, pf::RGB(4, 5, 6));
  pf::BrushHandle system = pf::GetSysColorBrush(pf::COLOR_WINDOW);
  EXPECT_FALSE(pf::IsNull(system));
  EXPECT_EQ(pf::GetSysColorBrush(pf::COLOR_WINDOW), system) << "one brush per system color";
  EXPECT_EQ(pf::LiveDrawingObjectCounts().brushes, before.brushes + 1);
  EXPECT_EQ(pf::LiveDrawingObjectCounts().pens, before.pens + 1);
  EXPECT_EQ(pf::DeleteObject(system), 1) << "a system brush is not deleted, and that is no fault";
  EXPECT_EQ(pf::DeleteObject(brush), 1);
  EXPECT_EQ(pf::DeleteObject(pen), 1);
  EXPECT_TRUE(pf::IsNull(pf::CreatePen(5, 1, 0))) << "only solid pens here";
}

TEST_F(DrawShapesTest, DeletingASelectedPenIsMisuseAndTheOldObjectsComeBack) {
  pf::PenHandle pen = pf::CreatePen(pf::PS_SOLID, 1, 0);
  pf::BrushHandle brush = pf::CreateSolidBrush(0);
  pf::PenHandle oldPen = pf::SelectObject(surface, pen);
  pf::BrushHandle oldBrush = pf::SelectObject(surface, brush);
  EXPECT_EQ(pf::AsObject(oldPen), pf::GetStockObject(pf::BLACK_PEN));
  EXPECT_EQ(pf::AsObject(oldBrush), pf::GetStockObject(pf::WHITE_BRUSH));
  EXPECT_EQ(pf::DeleteObject(pen), 0);
  ASSERT_EQ(pf::host::DrawingFaults().size(), 1u);
  pf::host::ClearDrawingFaults();
  EXPECT_EQ(pf::SelectObject(surface, oldPen), pen);
  EXPECT_EQ(pf::SelectObject(surface, oldBrush), brush);
  EXPECT_EQ(pf::DeleteObject(pen), 1);
  EXPECT_EQ(pf::DeleteObject(brush), 1);
}

TEST_F(DrawShapesTest, FillRectAndRectanglePaintAndRecordTheirColors) {
  const pf::COLORREF red = pf::RGB(255, 0, 0);
  const pf::COLORREF blue = pf::RGB(0, 0, 255);
  pf::BrushHandle brush = pf::CreateSolidBrush(red);
  pf::RECT band{0, 2, 10, 3};
  EXPECT_EQ(pf::FillRect(surface, &band, brush), 1);
  EXPECT_EQ(pf::FillRect(surface, nullptr, brush), 0);
  EXPECT_EQ(pf::FillRect(surface, &band, pf::BrushHandle{}), 0);
  EXPECT_EQ(At(9, 2), red);
  EXPECT_NE(At(10, 2), red) << "the right edge is outside";
  EXPECT_NE(At(0, 3), red) << "the bottom edge is outside";

  pf::PenHandle pen = pf::CreatePen(pf::PS_SOLID, 1, blue);
  pf::PenHandle oldPen = pf::SelectObject(surface, pen);
  pf::BrushHandle oldBrush = pf::SelectObject(surface, brush);
  EXPECT_EQ(pf::Rectangle(surface, 5, 6, 15, 16), 1);
  pf::SelectObject(surface, oldPen);
  pf::SelectObject(surface, oldBrush);
  pf::DeleteObject(pen);
  pf::DeleteObject(brush);
  EXPECT_EQ(At(5, 10), blue);
  EXPECT_EQ(At(14, 15), blue) << "a one-pixel outline on the last column and row";
  EXPECT_EQ(At(10, 10), red);
  EXPECT_NE(At(15, 10), blue);

  const auto& log = pf::host::DrawLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].kind, pf::host::DrawKind::Fill);
  EXPECT_EQ(log[0].rect, band);
  EXPECT_EQ(log[0].color, red);
  EXPECT_EQ(log[1].kind, pf::host::DrawKind::Rectangle);
  EXPECT_EQ(log[1].rect, (pf::RECT{5, 6, 15, 16}));
  EXPECT_EQ(log[1].color, red);
  EXPECT_EQ(log[1].penColor, blue);
  EXPECT_EQ(log[1].penWidth, 1);
}

}  // namespace
