// The main window's own drawing: the separator under the title line, the color swatch of the font and color editors, and the colors of its static texts.
#include "config/program.h"
#include "platform/draw.h"
#include "platform/window.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

// A one-pixel-high band (at 96 dpi) across the whole client width.
void DrawSeparator(SurfaceHandle surface) {
  Frame f = ClientFrame();
  RECT band{f.L, f.T + ScaleY(23), f.R, f.T + ScaleY(24)};
  FillRect(surface, &band, GetSysColorBrush(COLOR_WINDOWTEXT));
}

// The color the channel edits give, framed in the text color; the frame
// lies inside the swatch's box, inset by half the pen's width.
void DrawSwatch(SurfaceHandle surface) {
  RECT box;
  COLORREF color = 0;
  if (!SwatchShown(&box, &color)) return;
  const int penWidth = ScaleX(1);
  BrushHandle brush = CreateSolidBrush(color);
  PenHandle pen = CreatePen(PS_SOLID, penWidth, GetSysColor(COLOR_WINDOWTEXT));
  BrushHandle oldBrush = SelectObject(surface, brush);
  PenHandle oldPen = SelectObject(surface, pen);
  const int inset = penWidth / 2;
  Rectangle(surface, box.left + inset, box.top + inset, box.right - inset, box.bottom - inset);
  SelectObject(surface, oldPen);
  SelectObject(surface, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

}  // namespace

void PaintMainWindow(SurfaceHandle surface) {
  DrawSeparator(surface);
  DrawSwatch(surface);
}

// The title line in the highlight color, the editors' help text greyed;
// every static text on the window's own background. The brush is the
// system's, so nothing is made here.
LRESULT StaticColors(SurfaceHandle surface, WindowHandle control) {
  if (control == Ctl(TitleLabel)) SetTextColor(surface, GetSysColor(COLOR_HIGHLIGHT));
  if (control == Ctl(HelpLabel)) SetTextColor(surface, GetSysColor(COLOR_GRAYTEXT));
  SetBkColor(surface, GetSysColor(COLOR_WINDOW));
  return static_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

}  // namespace ostrel::cfg
