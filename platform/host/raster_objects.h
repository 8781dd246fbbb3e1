// The host's drawing objects: surfaces, fonts, bitmaps, icons, stock objects and window pictures, with live counts and misuse faults.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/draw.h"
#include "platform/host/host_fonts.h"
#include "platform/host/raster_image.h"

namespace pf::host {

enum class SurfaceKind { Screen, Window, Memory };

// A device context: what is selected into it and its drawing state.
struct SurfaceRecord {
  SurfaceKind kind = SurfaceKind::Memory;
  WindowHandle window{};
  GdiObjectHandle font{};
  GdiObjectHandle bitmap{};  // memory surfaces only
  GdiObjectHandle brush{};
  GdiObjectHandle pen{};
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF backgroundColor = RGB(255, 255, 255);
  int backgroundMode = OPAQUE;
};

struct FontRecord {
  LOGFONTW logfont;
  std::shared_ptr<RealizedFont> realized;  // null when no font file matched
};

struct BitmapRecord {
  std::shared_ptr<RasterImage> image;
  std::string name;  // file name of a loaded image, empty for made ones
  SurfaceHandle selectedIn{};
};

struct BrushRecord {
  COLORREF color = 0;
};

struct PenRecord {
  COLORREF color = 0;
  int width = 1;
};

struct IconRecord {
  RasterImage picture;  // straight alpha
  std::string name;
};

class RasterObjects {
 public:
  RasterObjects();

  SurfaceHandle AddSurface(const SurfaceRecord& surface);
  SurfaceRecord* Surface(SurfaceHandle surface);
  void RemoveSurface(SurfaceHandle surface);

  GdiObjectHandle AddFont(const LOGFONTW& logfont);
  GdiObjectHandle AddBitmap(std::shared_ptr<RasterImage> image, std::string name);
  FontRecord* Font(GdiObjectHandle object);
  BitmapRecord* Bitmap(GdiObjectHandle object);
  // Solid brushes and pens; system color brushes are stock objects.
  GdiObjectHandle AddBrush(COLORREF color, bool system = false);
  GdiObjectHandle AddPen(const PenRecord& pen);
  BrushRecord* Brush(GdiObjectHandle object);
  PenRecord* Pen(GdiObjectHandle object);
  // The brush of a system color, made once per index.
  GdiObjectHandle SystemBrush(int index, COLORREF color);
  bool IsBrush(GdiObjectHandle object) const;
  bool IsStock(GdiObjectHandle object) const;
  // Whether a font, brush or pen is selected into any surface.
  bool InUse(GdiObjectHandle object) const;
  void RemoveObject(GdiObjectHandle object);

  IconHandle AddIcon(IconRecord icon);
  IconRecord* Icon(IconHandle icon);
  void RemoveIcon(IconHandle icon);

  // GetStockObject; null for an index without a stock object here.
  GdiObjectHandle Stock(int index) const;
  GdiObjectHandle StockBitmap() const { return stockBitmap_; }
  GdiObjectHandle SystemFont() const { return systemFont_; }

  // The picture of a window, made or resized to the given client size; none
  // (null, and its contexts draw nothing) for a window larger than the
  // largest bitmap, whose pixels the host could not hold.
  std::shared_ptr<RasterImage> WindowPicture(WindowHandle window, SIZE size);
  std::shared_ptr<const RasterImage> ExistingWindowPicture(WindowHandle window) const;
  void ForgetWindow(WindowHandle window);

  // The pixels a surface draws on: its selected bitmap's or its window's;
  // null for the screen's context.
  RasterImage* Target(const SurfaceRecord& surface);

  DrawingObjectCounts Live() const;
  // Misuse that the platform would reject or punish (deleting a selected
  // object, an unknown handle, DeleteDC on a window's context ...).
  void Fault(const std::string& what) { faults_.push_back(what); }
  const std::vector<std::string>& Faults() const { return faults_; }
  void ClearFaults() { faults_.clear(); }

 private:
  std::uintptr_t NextId() { return nextId_ += 4; }

  std::uintptr_t nextId_ = 0x10000;
  std::map<std::uintptr_t, SurfaceRecord> surfaces_;
  std::map<std::uintptr_t, FontRecord> fonts_;
  std::map<std::uintptr_t, BitmapRecord> bitmaps_;
  std::map<std::uintptr_t, IconRecord> icons_;
  std::map<std::uintptr_t, BrushRecord> brushes_;
  std::map<std::uintptr_t, PenRecord> pens_;
  std::map<int, GdiObjectHandle> systemBrushes_;
  std::set<std::uintptr_t> systemIds_;  // brushes that belong to the system
  std::map<int, GdiObjectHandle> stock_;
  std::map<std::uintptr_t, std::shared_ptr<RasterImage>> windows_;
  GdiObjectHandle stockBitmap_{};
  GdiObjectHandle systemFont_{};
  std::vector<std::string> faults_;
};

RasterObjects& Objects();

// The logical font of the stock system font. The desktop's own system font
// is a raster font of fixed 7-pixel width, which fonts derived from it would
// inherit; the device's is scalable, so its width field is 0. Both builds
// report this record.
LOGFONTW SystemFontRecord();

}  // namespace pf::host
