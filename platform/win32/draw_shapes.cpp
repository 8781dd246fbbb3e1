// System colors, solid brushes and pens, FillRect and Rectangle forwarded to the real GDI, the brushes and pens made here counted.
#include "platform/win32/win32_draw.h"

static_assert(pf::win32::draw_ours::BlackPen == BLACK_PEN &&
                  pf::win32::draw_ours::PsSolid == PS_SOLID,
              "stock pen and pen style are the platform's");

namespace pf::win32 {

namespace {
HBRUSH ToHbrush(pf::BrushHandle h) { return ToReal<HBRUSH>(h); }
}  // namespace

pf::COLORREF Win32Drawing::GetSysColor(int index) { return ::GetSysColor(index); }

pf::BrushHandle Win32Drawing::GetSysColorBrush(int index) {
  return FromReal<pf::BrushHandle>(::GetSysColorBrush(index));
}

pf::BrushHandle Win32Drawing::CreateSolidBrush(pf::COLORREF color) {
  HBRUSH brush = ::CreateSolidBrush(color);
  if (brush != nullptr) brushes_.insert(brush);
  return FromReal<pf::BrushHandle>(brush);
}

pf::PenHandle Win32Drawing::CreatePen(int style, int width, pf::COLORREF color) {
  HPEN pen = ::CreatePen(style, width, color);
  if (pen != nullptr) pens_.insert(pen);
  return FromReal<pf::PenHandle>(pen);
}

int Win32Drawing::FillRect(pf::SurfaceHandle surface, const pf::RECT* rect, pf::BrushHandle brush) {
  if (rect == nullptr) return 0;
  const ::RECT r = ToWinRect(*rect);
  return ::FillRect(ToHdc(surface), &r, ToHbrush(brush)) ? 1 : 0;
}

int Win32Drawing::Rectangle(pf::SurfaceHandle surface, int left, int top, int right, int bottom) {
  return ::Rectangle(ToHdc(surface), left, top, right, bottom) ? 1 : 0;
}

}  // namespace pf::win32
