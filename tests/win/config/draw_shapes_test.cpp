// The Win32 drawing layer's system colors, brushes, pens, FillRect and Rectangle on real GDI, and its count of the brushes and pens it made.
#include "platform/win32/win32.h"

#include <gtest/gtest.h>

namespace {

TEST(Win32Shapes, BrushesAndPensAreCountedTheSystemsAreNotAndTheShapesPaint) {
  const pf::DrawingObjectCounts before = pf::LiveDrawingObjectCounts();
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 40, 30);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
  const pf::SurfaceHandle surface = pf::win32::FromHdc(memory);

  EXPECT_EQ(pf::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHT));
  const pf::BrushHandle window = pf::GetSysColorBrush(COLOR_WINDOW);
  pf::RECT all{0, 0, 40, 30};
  EXPECT_EQ(pf::FillRect(surface, &all, window), 1);
  EXPECT_EQ(::GetPixel(memory, 39, 29), ::GetSysColor(COLOR_WINDOW));

  const pf::BrushHandle red = pf::CreateSolidBrush(RGB(255, 0, 0));
  const pf::PenHandle blue = pf::CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
  EXPECT_EQ(pf::LiveDrawingObjectCounts().brushes, before.brushes + 1) << "the system's brush is not counted";
  EXPECT_EQ(pf::LiveDrawingObjectCounts().pens, before.pens + 1);
  const pf::BrushHandle oldBrush = pf::SelectObject(surface, red);
  const pf::PenHandle oldPen = pf::SelectObject(surface, blue);
  EXPECT_EQ(pf::Rectangle(surface, 5, 6, 15, 16), 1);
  EXPECT_EQ(::GetPixel(memory, 5, 10), RGB(0, 0, 255));
  EXPECT_EQ(::GetPixel(memory, 14, 15), RGB(0, 0, 255)) << "the outline's last column and row";
  EXPECT_EQ(::GetPixel(memory, 10, 10), RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(memory, 15, 10), ::GetSysColor(COLOR_WINDOW)) << "the right edge is outside";
  pf::SelectObject(surface, oldPen);
  pf::SelectObject(surface, oldBrush);
  EXPECT_EQ(pf::DeleteObject(blue), 1);
  EXPECT_EQ(pf::DeleteObject(red), 1);
  EXPECT_EQ(pf::LiveDrawingObjects(), before.Total());

  ::SelectObject(memory, oldBitmap);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
}

}  // namespace
