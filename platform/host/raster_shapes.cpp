// Host drawing: system colors, solid brushes and pens, FillRect and Rectangle on the raster surfaces.
#include <utility>

#include "platform/controls.h"
#include "platform/host/host_draw.h"
#include "platform/host/raster_objects.h"

namespace pf::host {

namespace {

// The system colors of the desktop stand-in's default scheme, so that a
// host picture and a capture under Wine agree. Indexes the table does not
// name give 0, as the platform gives for an unknown index.
COLORREF SystemColor(int index) {
  switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT: return RGB(0, 0, 0);
    case COLOR_HIGHLIGHT: return RGB(48, 150, 250);
    case COLOR_GRAYTEXT: return RGB(166, 166, 166);
    default: return 0;
  }
}

bool KnownColor(int index) {
  return index == COLOR_WINDOW || index == COLOR_WINDOWTEXT || index == COLOR_HIGHLIGHT ||
         index == COLOR_GRAYTEXT;
}

// The surface's pixels and its record; null when the surface is unknown or
// draws nowhere (the screen's context).
RasterImage* TargetOf(SurfaceHandle surface, SurfaceRecord** record) {
  *record = Objects().Surface(surface);
  return *record == nullptr ? nullptr : Objects().Target(**record);
}

// A ring of `width` pixels centred on the one-pixel border of box.
void Outline(RasterImage& image, const RECT& box, int width, Pixel pixel) {
  RECT outer{box.left - width / 2, box.top - width / 2, box.right + (width - 1) / 2,
             box.bottom + (width - 1) / 2};
  RECT inner{outer.left + width, outer.top + width, outer.right - width, outer.bottom - width};
  image.Fill(RECT{outer.left, outer.top, outer.right, inner.top}, pixel);
  image.Fill(RECT{outer.left, inner.bottom, outer.right, outer.bottom}, pixel);
  image.Fill(RECT{outer.left, inner.top, inner.left, inner.bottom}, pixel);
  image.Fill(RECT{inner.right, inner.top, outer.right, inner.bottom}, pixel);
}

}  // namespace

COLORREF HostDrawing::GetSysColor(int index) { return SystemColor(index); }

BrushHandle HostDrawing::GetSysColorBrush(int index) {
  if (!KnownColor(index)) return BrushHandle{};
  return AsBrush(Objects().SystemBrush(index, SystemColor(index)));
}

BrushHandle HostDrawing::CreateSolidBrush(COLORREF color) {
  return AsBrush(Objects().AddBrush(color));
}

PenHandle HostDrawing::CreatePen(int style, int width, COLORREF color) {
  if (style != PS_SOLID) return PenHandle{};
  PenRecord pen;
  pen.color = color;
  pen.width = width < 1 ? 1 : width;  // width 0 is one pixel wide
  return AsPen(Objects().AddPen(pen));
}

int HostDrawing::FillRect(SurfaceHandle surface, const RECT* rect, BrushHandle brush) {
  SurfaceRecord* record = nullptr;
  RasterImage* image = TargetOf(surface, &record);
  BrushRecord* fill = Objects().Brush(AsObject(brush));
  if (record == nullptr || rect == nullptr || fill == nullptr) return 0;
  if (image != nullptr) image->Fill(*rect, PixelFromColor(fill->color));
  DrawRecord call;
  call.kind = DrawKind::Fill;
  call.surface = surface;
  call.rect = *rect;
  call.color = fill->color;
  AppendDrawRecord(std::move(call));
  return 1;
}

int HostDrawing::Rectangle(SurfaceHandle surface, int left, int top, int right, int bottom) {
  SurfaceRecord* record = nullptr;
  RasterImage* image = TargetOf(surface, &record);
  if (record == nullptr) return 0;
  const BrushRecord* fill = Objects().Brush(record->brush);
  const PenRecord* pen = Objects().Pen(record->pen);
  RECT box{left, top, right, bottom};
  if (image != nullptr && fill != nullptr) {
    image->Fill(RECT{left + 1, top + 1, right - 1, bottom - 1}, PixelFromColor(fill->color));
  }
  if (image != nullptr && pen != nullptr) Outline(*image, box, pen->width, PixelFromColor(pen->color));
  DrawRecord call;
  call.kind = DrawKind::Rectangle;
  call.surface = surface;
  call.rect = box;
  call.color = fill != nullptr ? fill->color : 0;
  call.penColor = pen != nullptr ? pen->color : 0;
  call.penWidth = pen != nullptr ? pen->width : 0;
  AppendDrawRecord(std::move(call));
  return 1;
}

}  // namespace pf::host
