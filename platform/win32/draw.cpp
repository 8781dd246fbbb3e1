// Drawing calls forwarded to the real GDI, counting the drawing objects made through them.
#include "platform/win32/win32_draw.h"

#include <algorithm>
#include <cstring>

static_assert(pf::win32::draw_ours::WhiteBrush == WHITE_BRUSH &&
                  pf::win32::draw_ours::BlackBrush == BLACK_BRUSH &&
                  pf::win32::draw_ours::SystemFont == SYSTEM_FONT &&
                  pf::win32::draw_ours::Transparent == TRANSPARENT &&
                  pf::win32::draw_ours::Opaque == OPAQUE &&
                  pf::win32::draw_ours::EtoOpaque == ETO_OPAQUE &&
                  pf::win32::draw_ours::EtoClipped == ETO_CLIPPED,
              "stock objects, background modes and text-out options are the platform's");
static_assert(pf::win32::draw_ours::DtCenter == DT_CENTER &&
                  pf::win32::draw_ours::DtRight == DT_RIGHT &&
                  pf::win32::draw_ours::DtVcenter == DT_VCENTER &&
                  pf::win32::draw_ours::DtBottom == DT_BOTTOM &&
                  pf::win32::draw_ours::DtSingleline == DT_SINGLELINE &&
                  pf::win32::draw_ours::DtNoclip == DT_NOCLIP &&
                  pf::win32::draw_ours::DtCalcrect == DT_CALCRECT &&
                  pf::win32::draw_ours::DtNoprefix == DT_NOPREFIX,
              "DrawTextW flags are the platform's");
static_assert(pf::win32::draw_ours::Srccopy == SRCCOPY &&
                  pf::win32::draw_ours::DiNormal == DI_NORMAL &&
                  pf::win32::draw_ours::ClrInvalid == CLR_INVALID &&
                  pf::win32::draw_ours::CleartypeQuality == CLEARTYPE_QUALITY &&
                  pf::win32::draw_ours::LfFacesize == LF_FACESIZE &&
                  pf::win32::draw_ours::BitsPixel == BITSPIXEL,
              "copy, icon, color, font and capability constants are the platform's");
static_assert(sizeof(pf::LOGFONTW) == sizeof(::LOGFONTW), "logical fonts of the same size");

namespace pf::win32 {

namespace {

::LOGFONTW ToWinLogfont(const pf::LOGFONTW& in) {
  ::LOGFONTW out{};
  out.lfHeight = in.lfHeight;
  out.lfWidth = in.lfWidth;
  out.lfEscapement = in.lfEscapement;
  out.lfOrientation = in.lfOrientation;
  out.lfWeight = in.lfWeight;
  out.lfItalic = in.lfItalic;
  out.lfUnderline = in.lfUnderline;
  out.lfStrikeOut = in.lfStrikeOut;
  out.lfCharSet = in.lfCharSet;
  out.lfOutPrecision = in.lfOutPrecision;
  out.lfClipPrecision = in.lfClipPrecision;
  out.lfQuality = in.lfQuality;
  out.lfPitchAndFamily = in.lfPitchAndFamily;
  // At most 31 units and a terminator, whatever the caller left in the field.
  pf::CopyText(U(out.lfFaceName), LF_FACESIZE, in.lfFaceName);
  return out;
}

pf::LOGFONTW FromWinLogfont(const ::LOGFONTW& in) {
  pf::LOGFONTW out;
  out.lfHeight = in.lfHeight;
  out.lfWidth = in.lfWidth;
  out.lfEscapement = in.lfEscapement;
  out.lfOrientation = in.lfOrientation;
  out.lfWeight = in.lfWeight;
  out.lfItalic = in.lfItalic;
  out.lfUnderline = in.lfUnderline;
  out.lfStrikeOut = in.lfStrikeOut;
  out.lfCharSet = in.lfCharSet;
  out.lfOutPrecision = in.lfOutPrecision;
  out.lfClipPrecision = in.lfClipPrecision;
  out.lfQuality = in.lfQuality;
  out.lfPitchAndFamily = in.lfPitchAndFamily;
  pf::CopyText(out.lfFaceName, LF_FACESIZE, U(in.lfFaceName));
  return out;
}

HGDIOBJ ToObject(pf::GdiObjectHandle h) { return ToReal<HGDIOBJ>(h); }
pf::GdiObjectHandle FromObject(HGDIOBJ h) { return FromReal<pf::GdiObjectHandle>(h); }

// The stock system font as the item derives its fonts from it. The desktop's
// is a raster font of fixed 7-pixel width, which CreateFontIndirectW would
// impose on every font made from its logical font; the device's is
// scalable. So the desktop gets the same font with its width field cleared.
HGDIOBJ SystemFont() {
#ifdef UNDER_CE
  return ::GetStockObject(SYSTEM_FONT);
#else
  static HGDIOBJ font = [] {
    ::LOGFONTW logfont{};
    ::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof logfont, &logfont);
    logfont.lfWidth = 0;
    return static_cast<HGDIOBJ>(::CreateFontIndirectW(&logfont));
  }();
  return font;
#endif
}

}  // namespace

pf::SurfaceHandle Win32Drawing::CreateCompatibleDC(pf::SurfaceHandle surface) {
  HDC dc = ::CreateCompatibleDC(ToHdc(surface));
  if (dc != nullptr) surfaces_.insert(dc);
  return FromHdc(dc);
}

int Win32Drawing::DeleteDC(pf::SurfaceHandle surface) {
  BOOL ok = ::DeleteDC(ToHdc(surface));
  if (ok) surfaces_.erase(ToHdc(surface));
  return ok;
}

pf::BitmapHandle Win32Drawing::CreateCompatibleBitmap(pf::SurfaceHandle surface, int width,
                                                      int height) {
  HBITMAP bitmap = ::CreateCompatibleBitmap(ToHdc(surface), width, height);
  // An empty size gives the stock 1 × 1 bitmap, which is not counted.
  if (bitmap != nullptr && width != 0 && height != 0) bitmaps_.insert(bitmap);
  return FromHbitmap(bitmap);
}

pf::FontHandle Win32Drawing::CreateFontIndirectW(const pf::LOGFONTW* font) {
  if (font == nullptr) return pf::FontHandle{};
  ::LOGFONTW logfont = ToWinLogfont(*font);
  HFONT made = ::CreateFontIndirectW(&logfont);
  if (made != nullptr) fonts_.insert(made);
  return FromHfont(made);
}

pf::GdiObjectHandle Win32Drawing::GetStockObject(int index) {
  return FromObject(index == SYSTEM_FONT ? SystemFont() : ::GetStockObject(index));
}

pf::GdiObjectHandle Win32Drawing::SelectObject(pf::SurfaceHandle surface,
                                               pf::GdiObjectHandle object) {
  return FromObject(::SelectObject(ToHdc(surface), ToObject(object)));
}

int Win32Drawing::DeleteObject(pf::GdiObjectHandle object) {
  HGDIOBJ h = ToObject(object);
  if (h == SystemFont()) return TRUE;  // a stock object: nothing to delete
  BOOL ok = ::DeleteObject(h);
  if (ok) {
    fonts_.erase(h);
    bitmaps_.erase(h);
    brushes_.erase(h);
    pens_.erase(h);
  }
  return ok;
}

int Win32Drawing::GetObjectW(pf::GdiObjectHandle object, int size, void* buffer) {
  HGDIOBJ h = ToObject(object);
  DWORD type = ::GetObjectType(h);
  if (type == OBJ_FONT) {
    if (buffer == nullptr) return sizeof(pf::LOGFONTW);
    ::LOGFONTW logfont{};
    if (::GetObjectW(h, sizeof logfont, &logfont) == 0) return 0;
    pf::LOGFONTW ours = FromWinLogfont(logfont);
    int n = std::clamp(size, 0, static_cast<int>(sizeof ours));
    std::memcpy(buffer, &ours, static_cast<std::size_t>(n));
    return n;
  }
  if (type == OBJ_BITMAP) {
    if (buffer == nullptr) return sizeof(pf::BITMAP);
    ::BITMAP info{};
    if (size < static_cast<int>(sizeof(pf::BITMAP)) || ::GetObjectW(h, sizeof info, &info) == 0) {
      return 0;
    }
    pf::BITMAP ours;
    ours.bmType = info.bmType;
    ours.bmWidth = info.bmWidth;
    ours.bmHeight = info.bmHeight;
    ours.bmWidthBytes = info.bmWidthBytes;
    ours.bmPlanes = info.bmPlanes;
    ours.bmBitsPixel = info.bmBitsPixel;
    ours.bmBits = info.bmBits;
    std::memcpy(buffer, &ours, sizeof ours);
    return sizeof ours;
  }
  return 0;
}

pf::COLORREF Win32Drawing::SetTextColor(pf::SurfaceHandle surface, pf::COLORREF color) {
  return ::SetTextColor(ToHdc(surface), color);
}

pf::COLORREF Win32Drawing::GetTextColor(pf::SurfaceHandle surface) {
  return ::GetTextColor(ToHdc(surface));
}

pf::COLORREF Win32Drawing::SetBkColor(pf::SurfaceHandle surface, pf::COLORREF color) {
  return ::SetBkColor(ToHdc(surface), color);
}

pf::COLORREF Win32Drawing::GetBkColor(pf::SurfaceHandle surface) {
  return ::GetBkColor(ToHdc(surface));
}

int Win32Drawing::SetBkMode(pf::SurfaceHandle surface, int mode) {
  return ::SetBkMode(ToHdc(surface), mode);
}

int Win32Drawing::GetBkMode(pf::SurfaceHandle surface) { return ::GetBkMode(ToHdc(surface)); }

int Win32Drawing::ExtTextOutW(pf::SurfaceHandle surface, int x, int y, std::uint32_t options,
                              const pf::RECT* rect, const char16_t* text, std::uint32_t count,
                              const int* dx) {
  ::RECT r{};
  if (rect != nullptr) r = ToWinRect(*rect);
  return ::ExtTextOutW(ToHdc(surface), x, y, options, rect != nullptr ? &r : nullptr, W(text),
                       count, dx);
}

int Win32Drawing::DrawTextW(pf::SurfaceHandle surface, const char16_t* text, int count,
                            pf::RECT* rect, std::uint32_t format) {
  if (rect == nullptr) return 0;
  ::RECT r = ToWinRect(*rect);
  int height = ::DrawTextW(ToHdc(surface), W(text), count, &r, format);
  *rect = FromWinRect(r);
  return height;
}

int Win32Drawing::GetTextExtentExPointW(pf::SurfaceHandle surface, const char16_t* text,
                                        int count, int maxExtent, int* fit, int* dx,
                                        pf::SIZE* size) {
  if (size == nullptr) return 0;
  ::SIZE s{};
  BOOL ok = ::GetTextExtentExPointW(ToHdc(surface), W(text), count, maxExtent, fit, dx, &s);
  size->cx = s.cx;
  size->cy = s.cy;
  return ok;
}

int Win32Drawing::BitBlt(pf::SurfaceHandle dst, int x, int y, int width, int height,
                         pf::SurfaceHandle src, int srcX, int srcY, std::uint32_t rop) {
  return ::BitBlt(ToHdc(dst), x, y, width, height, ToHdc(src), srcX, srcY, rop);
}

pf::COLORREF Win32Drawing::GetPixel(pf::SurfaceHandle surface, int x, int y) {
  return ::GetPixel(ToHdc(surface), x, y);
}

int Win32Drawing::DrawIconEx(pf::SurfaceHandle surface, int x, int y, pf::IconHandle icon,
                             int width, int height, std::uint32_t step, pf::BrushHandle brush,
                             std::uint32_t flags) {
  return ::DrawIconEx(ToHdc(surface), x, y, ToHicon(icon), width, height, step,
                      ToReal<HBRUSH>(brush), flags);
}

int Win32Drawing::DestroyIcon(pf::IconHandle icon) {
  BOOL ok = ::DestroyIcon(ToHicon(icon));
  if (ok) icons_.erase(ToHicon(icon));
  return ok;
}

void Win32Drawing::TrackIcon(HICON icon) {
  if (icon != nullptr) icons_.insert(icon);
}

pf::DrawingObjectCounts Win32Drawing::LiveObjects() {
  pf::DrawingObjectCounts counts;
  counts.fonts = static_cast<int>(fonts_.size());
  counts.bitmaps = static_cast<int>(bitmaps_.size());
  counts.surfaces = static_cast<int>(surfaces_.size());
  counts.icons = static_cast<int>(icons_.size());
  counts.brushes = static_cast<int>(brushes_.size());
  counts.pens = static_cast<int>(pens_.size());
  return counts;
}

Win32Drawing& Win32Draw() {
  static Win32Drawing drawing;
  return drawing;
}

}  // namespace pf::win32

namespace pf {
DrawingService& PlatformDrawing() { return win32::Win32Draw(); }
}  // namespace pf
