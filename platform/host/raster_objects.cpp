// Tables of the host's drawing objects and their live counts.
#include "platform/host/raster_objects.h"

#include "platform/text.h"

namespace pf::host {

namespace {

template <typename Map>
auto* Find(Map& map, std::uintptr_t id) {
  auto found = map.find(id);
  return found == map.end() ? nullptr : &found->second;
}

std::uintptr_t Id(GdiObjectHandle h) { return static_cast<std::uintptr_t>(h); }

}  // namespace

LOGFONTW SystemFontRecord() {
  LOGFONTW font;
  font.lfHeight = 16;
  font.lfWidth = 0;
  font.lfWeight = FW_BOLD;
  font.lfCharSet = 0;  // ANSI_CHARSET
  font.lfPitchAndFamily = 0x22;  // VARIABLE_PITCH | FF_SWISS
  CopyText(font.lfFaceName, LF_FACESIZE, u"System");
  return font;
}

RasterObjects::RasterObjects() {
  systemFont_ = AddFont(SystemFontRecord());
  stockBitmap_ = AddBitmap(std::make_shared<RasterImage>(1, 1, true), "");
  stock_[SYSTEM_FONT] = systemFont_;
  stock_[WHITE_BRUSH] = AddBrush(RGB(255, 255, 255), true);
  stock_[BLACK_BRUSH] = AddBrush(RGB(0, 0, 0), true);
  PenRecord black;
  stock_[BLACK_PEN] = AddPen(black);
}

SurfaceHandle RasterObjects::AddSurface(const SurfaceRecord& surface) {
  std::uintptr_t id = NextId();
  surfaces_[id] = surface;
  return SurfaceHandle(id);
}

SurfaceRecord* RasterObjects::Surface(SurfaceHandle surface) {
  return Find(surfaces_, static_cast<std::uintptr_t>(surface));
}

void RasterObjects::RemoveSurface(SurfaceHandle surface) {
  surfaces_.erase(static_cast<std::uintptr_t>(surface));
}

GdiObjectHandle RasterObjects::AddFont(const LOGFONTW& logfont) {
  std::uintptr_t id = NextId();
  FontRecord& record = fonts_[id];
  record.logfont = logfont;
  // Always terminated, whatever the caller left in the last unit.
  record.logfont.lfFaceName[LF_FACESIZE - 1] = 0;
  record.realized = RealizeFont(record.logfont);
  return GdiObjectHandle(id);
}

GdiObjectHandle RasterObjects::AddBitmap(std::shared_ptr<RasterImage> image, std::string name) {
  std::uintptr_t id = NextId();
  BitmapRecord& record = bitmaps_[id];
  record.image = std::move(image);
  record.name = std::move(name);
  return GdiObjectHandle(id);
}

FontRecord* RasterObjects::Font(GdiObjectHandle object) { return Find(fonts_, Id(object)); }

BitmapRecord* RasterObjects::Bitmap(GdiObjectHandle object) {
  return Find(bitmaps_, Id(object));
}

GdiObjectHandle RasterObjects::AddBrush(COLORREF color, bool system) {
  std::uintptr_t id = NextId();
  brushes_[id].color = color & 0xFFFFFF;
  if (system) systemIds_.insert(id);
  return GdiObjectHandle(id);
}

GdiObjectHandle RasterObjects::AddPen(const PenRecord& pen) {
  std::uintptr_t id = NextId();
  pens_[id] = pen;
  pens_[id].color &= 0xFFFFFF;
  return GdiObjectHandle(id);
}

BrushRecord* RasterObjects::Brush(GdiObjectHandle object) { return Find(brushes_, Id(object)); }

PenRecord* RasterObjects::Pen(GdiObjectHandle object) { return Find(pens_, Id(object)); }

GdiObjectHandle RasterObjects::SystemBrush(int index, COLORREF color) {
  auto found = systemBrushes_.find(index);
  if (found != systemBrushes_.end()) return found->second;
  GdiObjectHandle brush = AddBrush(color, true);
  systemBrushes_[index] = brush;
  return brush;
}

bool RasterObjects::IsBrush(GdiObjectHandle object) const {
  return brushes_.count(Id(object)) != 0;
}

bool RasterObjects::IsStock(GdiObjectHandle object) const {
  if (object == stockBitmap_ || systemIds_.count(Id(object)) != 0) return true;
  for (const auto& entry : stock_) {
    if (entry.second == object) return true;
  }
  return false;
}

bool RasterObjects::InUse(GdiObjectHandle object) const {
  for (const auto& entry : surfaces_) {
    const SurfaceRecord& s = entry.second;
    if (s.font == object || s.brush == object || s.pen == object) return true;
  }
  return false;
}

void RasterObjects::RemoveObject(GdiObjectHandle object) {
  fonts_.erase(Id(object));
  bitmaps_.erase(Id(object));
  brushes_.erase(Id(object));
  pens_.erase(Id(object));
}

IconHandle RasterObjects::AddIcon(IconRecord icon) {
  std::uintptr_t id = NextId();
  icons_[id] = std::move(icon);
  return IconHandle(id);
}

IconRecord* RasterObjects::Icon(IconHandle icon) {
  return Find(icons_, static_cast<std::uintptr_t>(icon));
}

void RasterObjects::RemoveIcon(IconHandle icon) { icons_.erase(static_cast<std::uintptr_t>(icon)); }

GdiObjectHandle RasterObjects::Stock(int index) const {
  auto found = stock_.find(index);
  return found == stock_.end() ? GdiObjectHandle{} : found->second;
}

std::shared_ptr<RasterImage> RasterObjects::WindowPicture(WindowHandle window, SIZE size) {
  const auto key = static_cast<std::uintptr_t>(window);
  if (size.cx > 0 && size.cy > 0 && !GdiMakesBitmap(size.cx, size.cy, 32)) {
    windows_.erase(key);
    return nullptr;
  }
  auto& picture = windows_[key];
  if (!picture) {
    picture = std::make_shared<RasterImage>(size.cx, size.cy);
  } else if (picture->Width() != size.cx || picture->Height() != size.cy) {
    // Contexts already taken keep drawing on the same picture object.
    *picture = picture->Resized(size.cx, size.cy);
  }
  return picture;
}

std::shared_ptr<const RasterImage> RasterObjects::ExistingWindowPicture(WindowHandle window) const {
  auto found = windows_.find(static_cast<std::uintptr_t>(window));
  return found == windows_.end() ? nullptr : found->second;
}

void RasterObjects::ForgetWindow(WindowHandle window) {
  windows_.erase(static_cast<std::uintptr_t>(window));
}

RasterImage* RasterObjects::Target(const SurfaceRecord& surface) {
  if (surface.kind == SurfaceKind::Window) {
    auto found = windows_.find(static_cast<std::uintptr_t>(surface.window));
    return found == windows_.end() ? nullptr : found->second.get();
  }
  if (surface.kind == SurfaceKind::Memory) {
    BitmapRecord* bitmap = Bitmap(surface.bitmap);
    return bitmap == nullptr ? nullptr : bitmap->image.get();
  }
  return nullptr;
}

DrawingObjectCounts RasterObjects::Live() const {
  DrawingObjectCounts counts;
  counts.fonts = static_cast<int>(fonts_.size()) - 1;      // the system font
  counts.bitmaps = static_cast<int>(bitmaps_.size()) - 1;  // the 1 × 1 default bitmap
  for (const auto& entry : surfaces_) {
    if (entry.second.kind == SurfaceKind::Memory) ++counts.surfaces;
  }
  counts.icons = static_cast<int>(icons_.size());
  counts.brushes = static_cast<int>(brushes_.size() - systemIds_.size());  // stock and system ones
  counts.pens = static_cast<int>(pens_.size()) - 1;                       // the black pen
  return counts;
}

RasterObjects& Objects() {
  static RasterObjects objects;
  return objects;
}

}  // namespace pf::host
