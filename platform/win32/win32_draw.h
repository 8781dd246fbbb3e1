// The real Win32 GDI behind pf::DrawingService, with its own count of live drawing objects.
#pragma once

// Our drawing constants are captured before <windows.h> turns their names
// into macros; platform/win32/draw.cpp checks them against the real ones.
#include "platform/draw.h"
#include "platform/gdi.h"

namespace pf::win32::draw_ours {
constexpr int WhiteBrush = pf::WHITE_BRUSH;
constexpr int BlackBrush = pf::BLACK_BRUSH;
constexpr int SystemFont = pf::SYSTEM_FONT;
constexpr int Transparent = pf::TRANSPARENT;
constexpr int Opaque = pf::OPAQUE;
constexpr std::uint32_t EtoOpaque = pf::ETO_OPAQUE;
constexpr std::uint32_t EtoClipped = pf::ETO_CLIPPED;
constexpr std::uint32_t DtCenter = pf::DT_CENTER;
constexpr std::uint32_t DtRight = pf::DT_RIGHT;
constexpr std::uint32_t DtVcenter = pf::DT_VCENTER;
constexpr std::uint32_t DtBottom = pf::DT_BOTTOM;
constexpr std::uint32_t DtSingleline = pf::DT_SINGLELINE;
constexpr std::uint32_t DtNoclip = pf::DT_NOCLIP;
constexpr std::uint32_t DtCalcrect = pf::DT_CALCRECT;
constexpr std::uint32_t DtNoprefix = pf::DT_NOPREFIX;
constexpr std::uint32_t Srccopy = pf::SRCCOPY;
constexpr std::uint32_t DiNormal = pf::DI_NORMAL;
constexpr pf::COLORREF ClrInvalid = pf::CLR_INVALID;
constexpr std::uint8_t CleartypeQuality = pf::CLEARTYPE_QUALITY;
constexpr int LfFacesize = pf::LF_FACESIZE;
constexpr int BitsPixel = pf::BITSPIXEL;
constexpr int BlackPen = pf::BLACK_PEN;
constexpr int PsSolid = pf::PS_SOLID;
}  // namespace pf::win32::draw_ours

#include <set>

#include "platform/win32/win32.h"

namespace pf::win32 {

class Win32Drawing : public pf::DrawingService {
 public:
  pf::SurfaceHandle CreateCompatibleDC(pf::SurfaceHandle surface) override;
  int DeleteDC(pf::SurfaceHandle surface) override;
  pf::BitmapHandle CreateCompatibleBitmap(pf::SurfaceHandle surface, int width,
                                          int height) override;
  pf::FontHandle CreateFontIndirectW(const pf::LOGFONTW* font) override;
  pf::GdiObjectHandle GetStockObject(int index) override;
  pf::GdiObjectHandle SelectObject(pf::SurfaceHandle surface, pf::GdiObjectHandle object) override;
  int DeleteObject(pf::GdiObjectHandle object) override;
  int GetObjectW(pf::GdiObjectHandle object, int size, void* buffer) override;

  pf::COLORREF SetTextColor(pf::SurfaceHandle surface, pf::COLORREF color) override;
  pf::COLORREF GetTextColor(pf::SurfaceHandle surface) override;
  pf::COLORREF SetBkColor(pf::SurfaceHandle surface, pf::COLORREF color) override;
  pf::COLORREF GetBkColor(pf::SurfaceHandle surface) override;
  int SetBkMode(pf::SurfaceHandle surface, int mode) override;
  int GetBkMode(pf::SurfaceHandle surface) override;

  int ExtTextOutW(pf::SurfaceHandle surface, int x, int y, std::uint32_t options,
                  const pf::RECT* rect, const char16_t* text, std::uint32_t count,
                  const int* dx) override;
  int DrawTextW(pf::SurfaceHandle surface, const char16_t* text, int count, pf::RECT* rect,
                std::uint32_t format) override;
  int GetTextExtentExPointW(pf::SurfaceHandle surface, const char16_t* text, int count,
                            int maxExtent, int* fit, int* dx, pf::SIZE* size) override;

  // In platform/win32/draw_shapes.cpp.
  pf::COLORREF GetSysColor(int index) override;
  pf::BrushHandle GetSysColorBrush(int index) override;
  pf::BrushHandle CreateSolidBrush(pf::COLORREF color) override;
  pf::PenHandle CreatePen(int style, int width, pf::COLORREF color) override;
  int FillRect(pf::SurfaceHandle surface, const pf::RECT* rect, pf::BrushHandle brush) override;
  int Rectangle(pf::SurfaceHandle surface, int left, int top, int right, int bottom) override;

  int BitBlt(pf::SurfaceHandle dst, int x, int y, int width, int height, pf::SurfaceHandle src,
             int srcX, int srcY, std::uint32_t rop) override;
  pf::COLORREF GetPixel(pf::SurfaceHandle surface, int x, int y) override;
  // In platform/win32/draw_image.cpp.
  int TransparentImage(pf::SurfaceHandle dst, int x, int y, int width, int height,
                       pf::SurfaceHandle src, int srcX, int srcY, int srcWidth, int srcHeight,
                       pf::COLORREF transparent) override;
  int DrawIconEx(pf::SurfaceHandle surface, int x, int y, pf::IconHandle icon, int width,
                 int height, std::uint32_t step, pf::BrushHandle brush,
                 std::uint32_t flags) override;
  int DestroyIcon(pf::IconHandle icon) override;
  pf::BitmapHandle SHLoadImageFile(const char16_t* path) override;

  pf::DrawingObjectCounts LiveObjects() override;

  // Icons made elsewhere in this layer (the shell's file icons) are counted
  // here too, so that DestroyIcon balances them.
  void TrackIcon(HICON icon);

 private:
  std::set<HGDIOBJ> fonts_;
  std::set<HGDIOBJ> bitmaps_;
  std::set<HDC> surfaces_;
  std::set<HICON> icons_;
  std::set<HGDIOBJ> brushes_;  // solid brushes made here (not the system's)
  std::set<HGDIOBJ> pens_;
};

Win32Drawing& Win32Draw();

}  // namespace pf::win32
