// Host drawing service: memory surfaces, drawing objects, surface state and pixel copies.
#include "platform/host/host_draw.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "platform/host/call_faults.h"
#include "platform/host/raster_objects.h"
#include "platform/text.h"

namespace pf::host {

namespace {

RECT Block(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

std::string ImageNameOf(const SurfaceRecord* surface) {
  if (surface == nullptr || surface->kind != SurfaceKind::Memory) return "";
  BitmapRecord* bitmap = Objects().Bitmap(surface->bitmap);
  return bitmap == nullptr ? "" : bitmap->name;
}

}  // namespace

SurfaceHandle HostDrawing::CreateCompatibleDC(SurfaceHandle surface) {
  if (!IsNull(surface) && Objects().Surface(surface) == nullptr) {
    Objects().Fault("CreateCompatibleDC: unknown surface");
    return SurfaceHandle{};
  }
  SurfaceRecord memory;
  memory.kind = SurfaceKind::Memory;
  memory.font = Objects().SystemFont();
  memory.bitmap = Objects().StockBitmap();
  memory.brush = Objects().Stock(WHITE_BRUSH);
  memory.pen = Objects().Stock(BLACK_PEN);
  return Objects().AddSurface(memory);
}

int HostDrawing::DeleteDC(SurfaceHandle surface) {
  SurfaceRecord* record = Objects().Surface(surface);
  if (record == nullptr || record->kind != SurfaceKind::Memory) {
    Objects().Fault(record == nullptr ? "DeleteDC: unknown surface"
                                      : "DeleteDC: a window's or the screen's context");
    return 0;
  }
  if (BitmapRecord* bitmap = Objects().Bitmap(record->bitmap)) bitmap->selectedIn = {};
  Objects().RemoveSurface(surface);
  return 1;
}

// A size the platform refuses, or memory the host cannot give, is a null
// bitmap, as GDI answers both.
BitmapHandle HostDrawing::CreateCompatibleBitmap(SurfaceHandle surface, int width, int height) {
  SurfaceRecord* record = Objects().Surface(surface);
  if (record == nullptr || width < 0 || height < 0) {
    if (record == nullptr) Objects().Fault("CreateCompatibleBitmap: unknown surface");
    return BitmapHandle{};
  }
  // As on the platform: an empty size gives the stock 1 × 1 bitmap.
  if (width == 0 || height == 0) return AsBitmap(Objects().StockBitmap());
  // A memory surface makes bitmaps of the format selected into it: a fresh
  // one still holds the 1-bit default bitmap.
  RasterImage* target = Objects().Target(*record);
  bool monochrome = target != nullptr && target->Monochrome();
  if (!GdiMakesBitmap(width, height, monochrome ? 1 : 32)) return BitmapHandle{};
  try {
    return AsBitmap(Objects().AddBitmap(std::make_shared<RasterImage>(width, height, monochrome), ""));
  } catch (const std::bad_alloc&) {
    return BitmapHandle{};
  }
}

FontHandle HostDrawing::CreateFontIndirectW(const LOGFONTW* font) {
  if (font == nullptr) return FontHandle{};
  return AsFont(Objects().AddFont(*font));
}

GdiObjectHandle HostDrawing::GetStockObject(int index) { return Objects().Stock(index); }

GdiObjectHandle HostDrawing::SelectObject(SurfaceHandle surface, GdiObjectHandle object) {
  if (CallFails("SelectObject")) return GdiObjectHandle{};
  SurfaceRecord* record = Objects().Surface(surface);
  if (record == nullptr) {
    Objects().Fault("SelectObject: unknown surface");
    return GdiObjectHandle{};
  }
  GdiObjectHandle previous{};
  if (Objects().Font(object) != nullptr) {
    previous = record->font;
    record->font = object;
  } else if (Objects().IsBrush(object)) {
    previous = record->brush;
    record->brush = object;
  } else if (Objects().Pen(object) != nullptr) {
    previous = record->pen;
    record->pen = object;
  } else if (BitmapRecord* bitmap = Objects().Bitmap(object)) {
    bool stock = Objects().IsStock(object);
    if (record->kind != SurfaceKind::Memory ||
        (!stock && !IsNull(bitmap->selectedIn) && bitmap->selectedIn != surface)) {
      Objects().Fault("SelectObject: bitmap into a window's context or into a second surface");
      return GdiObjectHandle{};
    }
    previous = record->bitmap;
    if (BitmapRecord* old = Objects().Bitmap(previous)) old->selectedIn = {};
    if (!stock) bitmap->selectedIn = surface;
    record->bitmap = object;
  } else if (!IsNull(object)) {
    Objects().Fault("SelectObject: unknown object");
  }
  return previous;
}

int HostDrawing::DeleteObject(GdiObjectHandle object) {
  if (Objects().IsStock(object)) return 1;
  BitmapRecord* bitmap = Objects().Bitmap(object);
  bool known = Objects().Font(object) != nullptr || bitmap != nullptr ||
               Objects().Brush(object) != nullptr || Objects().Pen(object) != nullptr;
  if (!known) {
    // A null handle fails quietly, as on the platform; a stale one is misuse.
    if (!IsNull(object)) Objects().Fault("DeleteObject: unknown object");
    return 0;
  }
  if (Objects().InUse(object) || (bitmap != nullptr && !IsNull(bitmap->selectedIn))) {
    Objects().Fault("DeleteObject: object still selected into a surface");
    return 0;
  }
  Objects().RemoveObject(object);
  return 1;
}

int HostDrawing::GetObjectW(GdiObjectHandle object, int size, void* buffer) {
  if (FontRecord* font = Objects().Font(object)) {
    if (buffer == nullptr) return sizeof(LOGFONTW);
    int n = std::clamp(size, 0, static_cast<int>(sizeof(LOGFONTW)));
    std::memcpy(buffer, &font->logfont, static_cast<std::size_t>(n));
    return n;
  }
  if (BitmapRecord* bitmap = Objects().Bitmap(object)) {
    if (buffer == nullptr) return sizeof(BITMAP);
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    const RasterImage& image = *bitmap->image;
    BITMAP info;
    info.bmWidth = image.Width();
    info.bmHeight = image.Height();
    info.bmPlanes = 1;
    info.bmBitsPixel = static_cast<std::uint16_t>(image.BitsPerPixel());
    // Rows padded to 16 bits, as the platform reports them.
    info.bmWidthBytes = (image.Width() * image.BitsPerPixel() + 15) / 16 * 2;
    std::memcpy(buffer, &info, sizeof info);
    return sizeof(BITMAP);
  }
  return 0;
}

COLORREF HostDrawing::SetTextColor(SurfaceHandle surface, COLORREF color) {
  SurfaceRecord* record = Objects().Surface(surface);
  if (record == nullptr) return CLR_INVALID;
  return std::exchange(record->textColor, color & 0xFFFFFF);
}

COLORREF HostDrawing::GetTextColor(SurfaceHandle surface) {
  SurfaceRecord* record = Objects().Surface(surface);
  return record == nullptr ? CLR_INVALID : record->textColor;
}

COLORREF HostDrawing::SetBkColor(SurfaceHandle surface, COLORREF color) {
  SurfaceRecord* record = Objects().Surface(surface);
  if (record == nullptr) return CLR_INVALID;
  return std::exchange(record->backgroundColor, color & 0xFFFFFF);
}

COLORREF HostDrawing::GetBkColor(SurfaceHandle surface) {
  SurfaceRecord* record = Objects().Surface(surface);
  return record == nullptr ? CLR_INVALID : record->backgroundColor;
}

int HostDrawing::SetBkMode(SurfaceHandle surface, int mode) {
  SurfaceRecord* record = Objects().Surface(surface);
  if (record == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(record->backgroundMode, mode);
}

int HostDrawing::GetBkMode(SurfaceHandle surface) {
  SurfaceRecord* record = Objects().Surface(surface);
  return record == nullptr ? 0 : record->backgroundMode;
}

int HostDrawing::BitBlt(SurfaceHandle dst, int x, int y, int width, int height, SurfaceHandle src,
                        int srcX, int srcY, std::uint32_t rop) {
  SurfaceRecord* to = Objects().Surface(dst);
  SurfaceRecord* from = Objects().Surface(src);
  RasterImage* target = to == nullptr ? nullptr : Objects().Target(*to);
  RasterImage* source = from == nullptr ? nullptr : Objects().Target(*from);
  if (target == nullptr || source == nullptr || rop != SRCCOPY) return 0;
  CopySource copy{source, from->backgroundColor, to->textColor, to->backgroundColor};
  CopyBlock(*target, x, y, width, height, copy, srcX, srcY);
  DrawRecord record;
  record.kind = DrawKind::Copy;
  record.surface = dst;
  record.rect = Block(x, y, width, height);
  record.source = Block(srcX, srcY, width, height);
  record.imageName = ImageNameOf(from);
  AppendDrawRecord(std::move(record));
  return 1;
}

COLORREF HostDrawing::GetPixel(SurfaceHandle surface, int x, int y) {
  SurfaceRecord* record = Objects().Surface(surface);
  RasterImage* image = record == nullptr ? nullptr : Objects().Target(*record);
  if (image == nullptr || !image->Contains(x, y)) return CLR_INVALID;
  return ColorFromPixel(image->At(x, y));
}

int HostDrawing::TransparentImage(SurfaceHandle dst, int x, int y, int width, int height,
                                  SurfaceHandle src, int srcX, int srcY, int srcWidth,
                                  int srcHeight, COLORREF transparent) {
  SurfaceRecord* to = Objects().Surface(dst);
  SurfaceRecord* from = Objects().Surface(src);
  RasterImage* target = to == nullptr ? nullptr : Objects().Target(*to);
  RasterImage* source = from == nullptr ? nullptr : Objects().Target(*from);
  if (target == nullptr || source == nullptr || width <= 0 || height <= 0 || srcWidth <= 0 ||
      srcHeight <= 0) {
    return 0;
  }
  RECT toBlock = Block(x, y, width, height);
  RECT fromBlock = Block(srcX, srcY, srcWidth, srcHeight);
  CopyTransparent(*target, toBlock, *source, fromBlock, transparent);
  DrawRecord record;
  record.kind = DrawKind::TransparentImage;
  record.surface = dst;
  record.rect = toBlock;
  record.source = fromBlock;
  record.color = transparent & 0xFFFFFF;
  record.imageName = ImageNameOf(from);
  AppendDrawRecord(std::move(record));
  return 1;
}

DrawingObjectCounts HostDrawing::LiveObjects() { return Objects().Live(); }

HostDrawing& HostDraw() {
  static HostDrawing drawing;
  return drawing;
}

const RasterImage* SurfacePicture(SurfaceHandle surface) {
  SurfaceRecord* record = Objects().Surface(surface);
  return record == nullptr ? nullptr : Objects().Target(*record);
}

const RasterImage* BitmapPicture(BitmapHandle bitmap) {
  BitmapRecord* record = Objects().Bitmap(AsObject(bitmap));
  return record == nullptr ? nullptr : record->image.get();
}

const std::vector<std::string>& DrawingFaults() { return Objects().Faults(); }
void ClearDrawingFaults() { Objects().ClearFaults(); }

}  // namespace pf::host

namespace pf {
DrawingService& PlatformDrawing() { return host::HostDraw(); }
}  // namespace pf
