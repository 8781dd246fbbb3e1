// Host stand-in for the drawing service: GDI on 32-bit raster pictures, text by FreeType, every call recorded.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/draw.h"
#include "platform/host/raster_image.h"
#include "platform/host/raster_log.h"

namespace pf::host {

struct SurfaceRecord;

class HostDrawing : public DrawingService {
 public:
  SurfaceHandle CreateCompatibleDC(SurfaceHandle surface) override;
  int DeleteDC(SurfaceHandle surface) override;
  BitmapHandle CreateCompatibleBitmap(SurfaceHandle surface, int width, int height) override;
  FontHandle CreateFontIndirectW(const LOGFONTW* font) override;
  GdiObjectHandle GetStockObject(int index) override;
  GdiObjectHandle SelectObject(SurfaceHandle surface, GdiObjectHandle object) override;
  int DeleteObject(GdiObjectHandle object) override;
  int GetObjectW(GdiObjectHandle object, int size, void* buffer) override;

  COLORREF SetTextColor(SurfaceHandle surface, COLORREF color) override;
  COLORREF GetTextColor(SurfaceHandle surface) override;
  COLORREF SetBkColor(SurfaceHandle surface, COLORREF color) override;
  COLORREF GetBkColor(SurfaceHandle surface) override;
  int SetBkMode(SurfaceHandle surface, int mode) override;
  int GetBkMode(SurfaceHandle surface) override;

  // In platform/host/raster_text.cpp.
  int ExtTextOutW(SurfaceHandle surface, int x, int y, std::uint32_t options, const RECT* rect,
                  const char16_t* text, std::uint32_t count, const int* dx) override;
  int DrawTextW(SurfaceHandle surface, const char16_t* text, int count, RECT* rect,
                std::uint32_t format) override;
  int GetTextExtentExPointW(SurfaceHandle surface, const char16_t* text, int count,
                            int maxExtent, int* fit, int* dx, SIZE* size) override;

  // In platform/host/raster_shapes.cpp.
  COLORREF GetSysColor(int index) override;
  BrushHandle GetSysColorBrush(int index) override;
  BrushHandle CreateSolidBrush(COLORREF color) override;
  PenHandle CreatePen(int style, int width, COLORREF color) override;
  int FillRect(SurfaceHandle surface, const RECT* rect, BrushHandle brush) override;
  int Rectangle(SurfaceHandle surface, int left, int top, int right, int bottom) override;

  int BitBlt(SurfaceHandle dst, int x, int y, int width, int height, SurfaceHandle src,
             int srcX, int srcY, std::uint32_t rop) override;
  COLORREF GetPixel(SurfaceHandle surface, int x, int y) override;
  int TransparentImage(SurfaceHandle dst, int x, int y, int width, int height, SurfaceHandle src,
                       int srcX, int srcY, int srcWidth, int srcHeight,
                       COLORREF transparent) override;
  // In platform/host/raster_images.cpp.
  int DrawIconEx(SurfaceHandle surface, int x, int y, IconHandle icon, int width, int height,
                 std::uint32_t step, BrushHandle brush, std::uint32_t flags) override;
  int DestroyIcon(IconHandle icon) override;
  BitmapHandle SHLoadImageFile(const char16_t* path) override;

  DrawingObjectCounts LiveObjects() override;

  // How a platform path names a file here. By default backslashes become
  // slashes; the files stand-in installs its device-root mapping.
  using PathResolver = std::function<std::string(const std::u16string& path)>;
  void SetPathResolver(PathResolver resolver) { resolver_ = std::move(resolver); }
  // Image files SHLoadImageFile found but refused (see ReadPng), one line
  // each; the call answered null for them as for an unreadable file.
  const std::vector<std::string>& RefusedImages() const { return refusedImages_; }
  void ClearRefusedImages() { refusedImages_.clear(); }

 private:
  // The drawing-call record of a text call on this surface (font and color filled in).
  DrawRecord TextRecord(SurfaceHandle handle, const SurfaceRecord& surface, DrawKind kind) const;
  void DrawTextRun(const SurfaceRecord& surface, RasterImage* target, int x, int y,
                   const std::u16string& text, const int* dx, const RECT* clip);

  PathResolver resolver_;
  std::vector<std::string> refusedImages_;
};

HostDrawing& HostDraw();

// Icons of the host: a picture with straight alpha, 0xAARRGGBB by rows, and
// the name the drawing record gives it (the shell stand-in uses the path the
// icon stands for). Destroyed with DestroyIcon like any icon.
IconHandle CreateHostIcon(int width, int height, const Pixel* argb, std::string name);
IconHandle CreateHostIcon(const RasterImage& picture, std::string name);
// An icon from a PNG file (its alpha kept); null when the file is unreadable.
IconHandle LoadHostIcon(const std::string& pngPath, std::string name);

// The pixels a surface draws on (a memory surface's selected bitmap, a
// window's picture); null for the screen's context or an unknown handle.
const RasterImage* SurfacePicture(SurfaceHandle surface);
const RasterImage* BitmapPicture(BitmapHandle bitmap);

// Misuse of drawing objects seen since the last clear (see RasterObjects).
const std::vector<std::string>& DrawingFaults();
void ClearDrawingFaults();

}  // namespace pf::host
