// Drawing service (GDI): memory surfaces, drawing objects, text, fills, copies, images and icons.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace pf {

// Any drawing object as GetStockObject, SelectObject, GetObjectW and
// DeleteObject see it; fonts and bitmaps convert to and from it.
enum class GdiObjectHandle : std::uintptr_t {};
enum class BrushHandle : std::uintptr_t {};
enum class PenHandle : std::uintptr_t {};

constexpr GdiObjectHandle AsObject(FontHandle h) { return GdiObjectHandle(std::uintptr_t(h)); }
constexpr GdiObjectHandle AsObject(BitmapHandle h) { return GdiObjectHandle(std::uintptr_t(h)); }
constexpr GdiObjectHandle AsObject(BrushHandle h) { return GdiObjectHandle(std::uintptr_t(h)); }
constexpr GdiObjectHandle AsObject(PenHandle h) { return GdiObjectHandle(std::uintptr_t(h)); }
constexpr FontHandle AsFont(GdiObjectHandle h) { return FontHandle(std::uintptr_t(h)); }
constexpr BitmapHandle AsBitmap(GdiObjectHandle h) { return BitmapHandle(std::uintptr_t(h)); }
constexpr BrushHandle AsBrush(GdiObjectHandle h) { return BrushHandle(std::uintptr_t(h)); }
constexpr PenHandle AsPen(GdiObjectHandle h) { return PenHandle(std::uintptr_t(h)); }

// Stock objects (GetStockObject).
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int BLACK_PEN = 7;
constexpr int SYSTEM_FONT = 13;

// Pen styles (CreatePen).
constexpr int PS_SOLID = 0;

// Background modes (SetBkMode).
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// ExtTextOutW options.
constexpr std::uint32_t ETO_OPAQUE = 0x0002;
constexpr std::uint32_t ETO_CLIPPED = 0x0004;

// DrawTextW format flags.
constexpr std::uint32_t DT_TOP = 0x0000;
constexpr std::uint32_t DT_LEFT = 0x0000;
constexpr std::uint32_t DT_CENTER = 0x0001;
constexpr std::uint32_t DT_RIGHT = 0x0002;
constexpr std::uint32_t DT_VCENTER = 0x0004;
constexpr std::uint32_t DT_BOTTOM = 0x0008;
constexpr std::uint32_t DT_SINGLELINE = 0x0020;
constexpr std::uint32_t DT_NOCLIP = 0x0100;
constexpr std::uint32_t DT_CALCRECT = 0x0400;
constexpr std::uint32_t DT_NOPREFIX = 0x0800;

// Raster operation of BitBlt, icon drawing flags, the invalid color.
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t DI_MASK = 0x0001;
constexpr std::uint32_t DI_IMAGE = 0x0002;
constexpr std::uint32_t DI_NORMAL = 0x0003;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Font weights and qualities (LOGFONTW).
constexpr std::int32_t FW_NORMAL = 400;
constexpr std::int32_t FW_BOLD = 700;
constexpr std::uint8_t DEFAULT_QUALITY = 0;
constexpr std::uint8_t ANTIALIASED_QUALITY = 4;
constexpr std::uint8_t CLEARTYPE_QUALITY = 5;

// Capacity of a logical font's face name, terminator included.
constexpr int LF_FACESIZE = 32;

struct LOGFONTW {
  std::int32_t lfHeight = 0;  // < 0: character height; > 0: cell height; 0: default
  std::int32_t lfWidth = 0;   // average character width; 0: the face's own
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 0;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 0;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  char16_t lfFaceName[LF_FACESIZE] = {};
};

struct BITMAP {
  std::int32_t bmType = 0;
  std::int32_t bmWidth = 0;
  std::int32_t bmHeight = 0;
  std::int32_t bmWidthBytes = 0;
  std::uint16_t bmPlanes = 0;
  std::uint16_t bmBitsPixel = 0;
  void* bmBits = nullptr;
};

// Drawing objects alive in this process that were made through this service
// (stock objects excluded): what a paint or a window's life must give back.
struct DrawingObjectCounts {
  int fonts = 0;
  int bitmaps = 0;
  int surfaces = 0;  // memory surfaces (CreateCompatibleDC)
  int icons = 0;
  int brushes = 0;  // CreateSolidBrush (system color brushes excluded)
  int pens = 0;
  int Total() const { return fonts + bitmaps + surfaces + icons + brushes + pens; }
};

class DrawingService {
 public:
  virtual ~DrawingService() = default;

  // Memory surfaces and drawing objects.
  virtual SurfaceHandle CreateCompatibleDC(SurfaceHandle surface) = 0;
  virtual int DeleteDC(SurfaceHandle surface) = 0;
  virtual BitmapHandle CreateCompatibleBitmap(SurfaceHandle surface, int width, int height) = 0;
  virtual FontHandle CreateFontIndirectW(const LOGFONTW* font) = 0;
  virtual GdiObjectHandle GetStockObject(int index) = 0;
  // Returns the object of the same kind selected before, null on failure.
  virtual GdiObjectHandle SelectObject(SurfaceHandle surface, GdiObjectHandle object) = 0;
  virtual int DeleteObject(GdiObjectHandle object) = 0;
  // Copies the object's LOGFONTW or BITMAP into buffer (size bytes); a null
  // buffer asks for the size. Returns the bytes copied, 0 on failure.
  virtual int GetObjectW(GdiObjectHandle object, int size, void* buffer) = 0;

  // Surface state.
  virtual COLORREF SetTextColor(SurfaceHandle surface, COLORREF color) = 0;
  virtual COLORREF GetTextColor(SurfaceHandle surface) = 0;
  virtual COLORREF SetBkColor(SurfaceHandle surface, COLORREF color) = 0;
  virtual COLORREF GetBkColor(SurfaceHandle surface) = 0;
  virtual int SetBkMode(SurfaceHandle surface, int mode) = 0;
  virtual int GetBkMode(SurfaceHandle surface) = 0;

  // Text. count -1 means "up to the terminator" for DrawTextW.
  virtual int ExtTextOutW(SurfaceHandle surface, int x, int y, std::uint32_t options,
                          const RECT* rect, const char16_t* text, std::uint32_t count,
                          const int* dx) = 0;
  virtual int DrawTextW(SurfaceHandle surface, const char16_t* text, int count, RECT* rect,
                        std::uint32_t format) = 0;
  virtual int GetTextExtentExPointW(SurfaceHandle surface, const char16_t* text, int count,
                                    int maxExtent, int* fit, int* dx, SIZE* size) = 0;

  // System colors (COLOR_WINDOW, ... in platform/control_records.h), brushes,
  // pens and the shapes they draw. A system color brush belongs to the
  // system: it is never deleted and not counted.
  virtual COLORREF GetSysColor(int index) = 0;
  virtual BrushHandle GetSysColorBrush(int index) = 0;
  virtual BrushHandle CreateSolidBrush(COLORREF color) = 0;
  virtual PenHandle CreatePen(int style, int width, COLORREF color) = 0;
  // Fills [left, right) x [top, bottom) with the brush.
  virtual int FillRect(SurfaceHandle surface, const RECT* rect, BrushHandle brush) = 0;
  // The selected brush inside, the selected pen's outline on the edge.
  virtual int Rectangle(SurfaceHandle surface, int left, int top, int right, int bottom) = 0;

  // Pixels, images and icons.
  virtual int BitBlt(SurfaceHandle dst, int x, int y, int width, int height, SurfaceHandle src,
                     int srcX, int srcY, std::uint32_t rop) = 0;
  virtual COLORREF GetPixel(SurfaceHandle surface, int x, int y) = 0;
  virtual int TransparentImage(SurfaceHandle dst, int x, int y, int width, int height,
                               SurfaceHandle src, int srcX, int srcY, int srcWidth,
                               int srcHeight, COLORREF transparent) = 0;
  // width and height 0 draw the icon at its own size.
  virtual int DrawIconEx(SurfaceHandle surface, int x, int y, IconHandle icon, int width,
                         int height, std::uint32_t step, BrushHandle brush,
                         std::uint32_t flags) = 0;
  virtual int DestroyIcon(IconHandle icon) = 0;
  // A 32-bit bitmap of the image file, null when it is missing or unreadable.
  virtual BitmapHandle SHLoadImageFile(const char16_t* path) = 0;

  virtual DrawingObjectCounts LiveObjects() = 0;
};

// The process-wide drawing service: the platform layer's own unless a test or
// tool installed another one. SetDrawing(nullptr) restores the platform's.
DrawingService& Drawing();
void SetDrawing(DrawingService* service);
DrawingService& PlatformDrawing();

inline SurfaceHandle CreateCompatibleDC(SurfaceHandle surface) {
  return Drawing().CreateCompatibleDC(surface);
}
inline int DeleteDC(SurfaceHandle surface) { return Drawing().DeleteDC(surface); }
inline BitmapHandle CreateCompatibleBitmap(SurfaceHandle surface, int width, int height) {
  return Drawing().CreateCompatibleBitmap(surface, width, height);
}
inline FontHandle CreateFontIndirectW(const LOGFONTW* font) {
  return Drawing().CreateFontIndirectW(font);
}
inline GdiObjectHandle GetStockObject(int index) { return Drawing().GetStockObject(index); }

inline GdiObjectHandle SelectObject(SurfaceHandle surface, GdiObjectHandle object) {
  return Drawing().SelectObject(surface, object);
}
inline FontHandle SelectObject(SurfaceHandle surface, FontHandle font) {
  return AsFont(Drawing().SelectObject(surface, AsObject(font)));
}
inline BitmapHandle SelectObject(SurfaceHandle surface, BitmapHandle bitmap) {
  return AsBitmap(Drawing().SelectObject(surface, AsObject(bitmap)));
}
inline BrushHandle SelectObject(SurfaceHandle surface, BrushHandle brush) {
  return AsBrush(Drawing().SelectObject(surface, AsObject(brush)));
}
inline PenHandle SelectObject(SurfaceHandle surface, PenHandle pen) {
  return AsPen(Drawing().SelectObject(surface, AsObject(pen)));
}
inline int DeleteObject(GdiObjectHandle object) { return Drawing().DeleteObject(object); }
inline int DeleteObject(BrushHandle brush) { return Drawing().DeleteObject(AsObject(brush)); }
inline int DeleteObject(PenHandle pen) { return Drawing().DeleteObject(AsObject(pen)); }
inline int DeleteObject(FontHandle font) { return Drawing().DeleteObject(AsObject(font)); }
inline int DeleteObject(BitmapHandle bitmap) { return Drawing().DeleteObject(AsObject(bitmap)); }
inline int GetObjectW(GdiObjectHandle object, int size, void* buffer) {
  return Drawing().GetObjectW(object, size, buffer);
}
inline int GetObjectW(FontHandle font, int size, LOGFONTW* buffer) {
  return Drawing().GetObjectW(AsObject(font), size, buffer);
}
inline int GetObjectW(BitmapHandle bitmap, int size, BITMAP* buffer) {
  return Drawing().GetObjectW(AsObject(bitmap), size, buffer);
}

inline COLORREF SetTextColor(SurfaceHandle surface, COLORREF color) {
  return Drawing().SetTextColor(surface, color);
}
inline COLORREF GetTextColor(SurfaceHandle surface) { return Drawing().GetTextColor(surface); }
inline COLORREF SetBkColor(SurfaceHandle surface, COLORREF color) {
  return Drawing().SetBkColor(surface, color);
}
inline COLORREF GetBkColor(SurfaceHandle surface) { return Drawing().GetBkColor(surface); }
inline int SetBkMode(SurfaceHandle surface, int mode) { return Drawing().SetBkMode(surface, mode); }
inline int GetBkMode(SurfaceHandle surface) { return Drawing().GetBkMode(surface); }

inline int ExtTextOutW(SurfaceHandle surface, int x, int y, std::uint32_t options,
                       const RECT* rect, const char16_t* text, std::uint32_t count,
                       const int* dx) {
  return Drawing().ExtTextOutW(surface, x, y, options, rect, text, count, dx);
}
inline int DrawTextW(SurfaceHandle surface, const char16_t* text, int count, RECT* rect,
                     std::uint32_t format) {
  return Drawing().DrawTextW(surface, text, count, rect, format);
}
inline int GetTextExtentExPointW(SurfaceHandle surface, const char16_t* text, int count,
                                 int maxExtent, int* fit, int* dx, SIZE* size) {
  return Drawing().GetTextExtentExPointW(surface, text, count, maxExtent, fit, dx, size);
}

inline COLORREF GetSysColor(int index) { return Drawing().GetSysColor(index); }
inline BrushHandle GetSysColorBrush(int index) { return Drawing().GetSysColorBrush(index); }
inline BrushHandle CreateSolidBrush(COLORREF color) { return Drawing().CreateSolidBrush(color); }
inline PenHandle CreatePen(int style, int width, COLORREF color) {
  return Drawing().CreatePen(style, width, color);
}
inline int FillRect(SurfaceHandle surface, const RECT* rect, BrushHandle brush) {
  return Drawing().FillRect(surface, rect, brush);
}
inline int Rectangle(SurfaceHandle surface, int left, int top, int right, int bottom) {
  return Drawing().Rectangle(surface, left, top, right, bottom);
}

inline int BitBlt(SurfaceHandle dst, int x, int y, int width, int height, SurfaceHandle src,
                  int srcX, int srcY, std::uint32_t rop) {
  return Drawing().BitBlt(dst, x, y, width, height, src, srcX, srcY, rop);
}
inline COLORREF GetPixel(SurfaceHandle surface, int x, int y) {
  return Drawing().GetPixel(surface, x, y);
}
inline int TransparentImage(SurfaceHandle dst, int x, int y, int width, int height,
                            SurfaceHandle src, int srcX, int srcY, int srcWidth, int srcHeight,
                            COLORREF transparent) {
  return Drawing().TransparentImage(dst, x, y, width, height, src, srcX, srcY, srcWidth,
                                    srcHeight, transparent);
}
inline int DrawIconEx(SurfaceHandle surface, int x, int y, IconHandle icon, int width, int height,
                      std::uint32_t step, BrushHandle brush, std::uint32_t flags) {
  return Drawing().DrawIconEx(surface, x, y, icon, width, height, step, brush, flags);
}
inline int DestroyIcon(IconHandle icon) { return Drawing().DestroyIcon(icon); }
inline BitmapHandle SHLoadImageFile(const char16_t* path) {
  return Drawing().SHLoadImageFile(path);
}

// Diagnostics for tests and tools: drawing objects still alive.
inline DrawingObjectCounts LiveDrawingObjectCounts() { return Drawing().LiveObjects(); }
inline int LiveDrawingObjects() { return Drawing().LiveObjects().Total(); }

}  // namespace pf
