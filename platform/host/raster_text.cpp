// Host text calls: GetTextExtentExPointW, ExtTextOutW and DrawTextW with GDI's placement rules.
#include <algorithm>
#include <vector>

#include "platform/host/glyph_levels.h"
#include "platform/host/host_draw.h"
#include "platform/host/raster_objects.h"
#include "platform/text.h"

namespace pf::host {

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Runs fn(code point, index of its first unit, index of its last unit) over
// UTF-16 text; a surrogate pair is one code point, a lone surrogate stands
// for itself.
template <typename Fn>
void ForEachCodePoint(const std::u16string& text, Fn fn) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::size_t first = i;
    char32_t c = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((static_cast<char32_t>(text[i]) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    fn(c, first, i);
  }
}

// Cell increment of every unit, as measured or (drawn) as the pen moves; a
// pair's advance counts on its second unit.
std::vector<int> UnitAdvances(RealizedFont& font, const std::u16string& text, bool drawn = false) {
  std::vector<int> advances(text.size(), 0);
  ForEachCodePoint(text, [&](char32_t c, std::size_t, std::size_t last) {
    const Glyph& glyph = font.GlyphOf(c);
    advances[last] = drawn ? glyph.penAdvance : glyph.advance;
  });
  return advances;
}

int Sum(const std::vector<int>& values) {
  int total = 0;
  for (int v : values) total += v;
  return total;
}

// The text DrawTextW shows: "&&" is one "&", and "&" before another
// character only marks that character (a lone "&" at the end stays).
std::u16string WithoutPrefixes(const std::u16string& text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

std::vector<std::u16string> Lines(const std::u16string& text, bool singleLine) {
  if (singleLine) return {text};
  std::vector<std::u16string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' || text[i] == u'\n') {
      if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

RealizedFont* SelectedFont(const SurfaceRecord& surface) {
  FontRecord* font = Objects().Font(surface.font);
  return font == nullptr ? nullptr : font->realized.get();
}

RECT Union(const RECT& a, const RECT& b) {
  if (IsEmpty(a)) return b;
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

}  // namespace

DrawRecord HostDrawing::TextRecord(SurfaceHandle handle, const SurfaceRecord& surface,
                                   DrawKind kind) const {
  DrawRecord record;
  record.kind = kind;
  record.surface = handle;
  record.color = surface.textColor;
  if (FontRecord* font = Objects().Font(surface.font)) {
    record.faceName = font->logfont.lfFaceName;
    record.fontHeight = font->logfont.lfHeight;
    record.fontWeight = font->logfont.lfWeight;
    record.fontQuality = font->logfont.lfQuality;
  }
  return record;
}

namespace {

// GDI keeps text coordinates within 27 bits; the host keeps them there too, so
// that positions near the ends of the int range (from absurd stored sizes)
// draw nothing instead of overflowing the layout arithmetic.
constexpr int kLargestTextCoordinate = (1 << 27) - 1;

int ClampTextCoordinate(int v) {
  return std::clamp(v, -kLargestTextCoordinate, kLargestTextCoordinate);
}

RECT ClampTextRect(const RECT& r) {
  return RECT{ClampTextCoordinate(r.left), ClampTextCoordinate(r.top), ClampTextCoordinate(r.right),
              ClampTextCoordinate(r.bottom)};
}

}  // namespace

// Draws the glyphs with the cell's top-left corner at (x, y): the opaque
// background box when the mode asks for it, the glyphs, then underline and
// strike-out lines.
void HostDrawing::DrawTextRun(const SurfaceRecord& surface, RasterImage* target, int x, int y,
                              const std::u16string& text, const int* dx, const RECT* clip) {
  FontRecord* record = Objects().Font(surface.font);
  RealizedFont* font = record == nullptr ? nullptr : record->realized.get();
  if (target == nullptr || font == nullptr) return;
  std::vector<int> advances = UnitAdvances(*font, text, true);
  if (dx != nullptr) advances.assign(dx, dx + text.size());
  const FontMetrics& m = font->Metrics();
  RECT area = clip == nullptr ? target->Bounds() : Intersect(*clip, target->Bounds());
  auto fill = [&](const RECT& r, COLORREF color) {
    target->Fill(Intersect(r, area), PixelFromColor(color));
  };
  // A run that starts past the area, or ends an em above it, draws nothing;
  // leaving early also keeps the pen arithmetic below in the int range for
  // coordinates at the ends of it.
  const std::int64_t em = m.height;
  if (x >= area.right || std::int64_t{y} - em >= area.bottom || std::int64_t{y} + 2 * em < area.top) return;
  int width = Sum(advances);
  if (surface.backgroundMode == OPAQUE) fill(RECT{x, y, x + width, y + m.height}, surface.backgroundColor);
  Pixel color = PixelFromColor(surface.textColor);
  int baseline = y + m.ascent;
  std::vector<int> penX(text.size(), x);
  for (std::size_t i = 1; i < text.size(); ++i) penX[i] = penX[i - 1] + advances[i - 1];
  ForEachCodePoint(text, [&](char32_t c, std::size_t first, std::size_t) {
    const Glyph& g = font->GlyphOf(c);
    int left = penX[first] + g.left;
    int top = baseline - g.top;
    for (int row = 0; row < g.rows; ++row) {
      for (int col = 0; col < g.width; ++col) {
        int px = left + col;
        int py = top + row;
        if (px < area.left || px >= area.right || py < area.top || py >= area.bottom) continue;
        const int coverage = g.coverage[static_cast<std::size_t>(row) * g.width + col];
        DrawGlyphPixel(*target, px, py, color, GlyphLevel(coverage));
      }
    }
  });
  if (record->logfont.lfUnderline) {
    int top = baseline + m.underlineOffset;
    fill(RECT{x, top, x + width, top + m.underlineThickness}, surface.textColor);
  }
  if (record->logfont.lfStrikeOut) {
    int top = baseline - m.strikeOffset;
    fill(RECT{x, top, x + width, top + m.underlineThickness}, surface.textColor);
  }
}

int HostDrawing::GetTextExtentExPointW(SurfaceHandle surface, const char16_t* text, int count,
                                       int maxExtent, int* fit, int* dx, SIZE* size) {
  SurfaceRecord* record = Objects().Surface(surface);
  RealizedFont* font = record == nullptr ? nullptr : SelectedFont(*record);
  if (font == nullptr || count < 0 || size == nullptr || (text == nullptr && count > 0)) return 0;
  std::u16string units(text == nullptr ? u"" : std::u16string(text, static_cast<std::size_t>(count)));
  std::vector<int> advances = UnitAdvances(*font, units);
  int extent = 0;
  int fits = 0;
  for (std::size_t i = 0; i < advances.size(); ++i) {
    extent += advances[i];
    if (dx != nullptr) dx[i] = extent;
    if (extent <= maxExtent) fits = static_cast<int>(i) + 1;
  }
  if (fit != nullptr) *fit = fits;
  // An empty text has no cell at all, as the platform reports it.
  size->cx = extent;
  size->cy = count == 0 ? 0 : font->Metrics().height;
  return 1;
}

int HostDrawing::ExtTextOutW(SurfaceHandle surface, int x, int y, std::uint32_t options,
                             const RECT* rect, const char16_t* text, std::uint32_t count,
                             const int* dx) {
  SurfaceRecord* record = Objects().Surface(surface);
  RasterImage* target = record == nullptr ? nullptr : Objects().Target(*record);
  if (target == nullptr || (text == nullptr && count > 0)) return 0;
  x = ClampTextCoordinate(x);
  y = ClampTextCoordinate(y);
  if ((options & ETO_OPAQUE) != 0 && rect != nullptr) {
    target->Fill(*rect, PixelFromColor(record->backgroundColor));
  }
  std::u16string units(text == nullptr ? u"" : std::u16string(text, count));
  DrawRecord draw = TextRecord(surface, *record, units.empty() ? DrawKind::Fill : DrawKind::TextOut);
  draw.text = units;
  draw.format = options;
  if (rect != nullptr) draw.rect = *rect;
  if (units.empty()) {
    draw.color = record->backgroundColor;
    if (rect == nullptr) return 1;
  } else {
    // With ETO_OPAQUE the rectangle is the background; the text's own box is not filled again.
    SurfaceRecord state = *record;
    if (options & ETO_OPAQUE) state.backgroundMode = TRANSPARENT;
    bool clipped = (options & ETO_CLIPPED) != 0 && rect != nullptr;
    DrawTextRun(state, target, x, y, units, dx, clipped ? rect : nullptr);
    SIZE size;
    GetTextExtentExPointW(surface, units.c_str(), static_cast<int>(units.size()), 0, nullptr,
                          nullptr, &size);
    if (dx != nullptr) {
      size.cx = 0;
      for (std::size_t i = 0; i < units.size(); ++i) size.cx += dx[i];
    }
    draw.placed = RECT{x, y, x + size.cx, y + size.cy};
  }
  AppendDrawRecord(std::move(draw));
  return 1;
}

int HostDrawing::DrawTextW(SurfaceHandle surface, const char16_t* text, int count, RECT* rect,
                           std::uint32_t format) {
  SurfaceRecord* record = Objects().Surface(surface);
  RealizedFont* font = record == nullptr ? nullptr : SelectedFont(*record);
  if (font == nullptr || rect == nullptr || text == nullptr) return 0;
  std::u16string units(text, count < 0 ? TextLength(text) : static_cast<std::size_t>(count));
  std::u16string shown = (format & DT_NOPREFIX) ? units : WithoutPrefixes(units);
  bool singleLine = (format & DT_SINGLELINE) != 0;
  int lineHeight = font->Metrics().height;
  RasterImage* target = Objects().Target(*record);
  const RECT given = *rect;
  *rect = ClampTextRect(given);
  RECT placed{};
  int y = rect->top;
  int widest = 0;
  for (const std::u16string& line : Lines(shown, singleLine)) {
    int width = Sum(UnitAdvances(*font, line));
    widest = std::max(widest, width);
    int x = rect->left;
    if (format & DT_CENTER) x = (rect->left + rect->right - width) / 2;
    if (format & DT_RIGHT) x = rect->right - width;
    // Half the box less half the line, each halved on its own: a box shorter
    // than the line by an odd number puts the line one pixel higher than
    // halving the difference would.
    if (singleLine && (format & DT_VCENTER)) y = rect->top + (rect->bottom - rect->top) / 2 - lineHeight / 2;
    if (singleLine && (format & DT_BOTTOM)) y = rect->bottom - lineHeight;
    if ((format & DT_CALCRECT) == 0) {
      DrawTextRun(*record, target, x, y, line, nullptr, (format & DT_NOCLIP) ? nullptr : rect);
    }
    placed = Union(placed, RECT{x, y, x + width, y + lineHeight});
    y += lineHeight;
  }
  int height = y - rect->top;
  if (format & DT_CALCRECT) {
    rect->right = rect->left + widest;
    rect->bottom = rect->top + height;
    return height;
  }
  *rect = given;
  if (target != nullptr) {
    DrawRecord draw = TextRecord(surface, *record, DrawKind::DrawText);
    draw.text = units;
    draw.rect = *rect;
    draw.format = format;
    draw.placed = placed;
    AppendDrawRecord(std::move(draw));
  }
  return height;
}

}  // namespace pf::host
