// The Time block: the clock in a box placed by the date lines' position, the two date lines, and the next alarm.
#include <algorithm>

#include "platform/draw.h"
#include "plugin/draw_image.h"
#include "plugin/fonts.h"
#include "plugin/renderers.h"

namespace ostrel {

namespace {

constexpr std::uint32_t kLineFlags = pf::DT_SINGLELINE | pf::DT_TOP | pf::DT_NOCLIP;

struct DateSizes {
  pf::SIZE line1;
  pf::SIZE line2;
  int width = 0;   // the wider line
  int height = 0;  // the taller line
};

// Where a date line goes: its top and which end of the band it keeps to.
struct LinePlace {
  int top = 0;
  std::uint32_t align = pf::DT_LEFT;
};

int Half(int value) { return value / 2; }

bool ShowsDateLines(std::int32_t mode) { return mode >= DateLeft && mode <= DateBottom; }

// The clock box: as wide as the measuring sample, placed by the date mode.
pf::RECT ClockBox(const pf::RECT& band, std::int32_t mode, int sampleWidth, const DateSizes& date) {
  const int inner = band.right - band.left;
  pf::RECT box{band.left + Half(inner - sampleWidth), band.top, 0, band.bottom};
  switch (mode) {
    case DateLeft:
      box.left = band.left + date.width + Half(inner - date.width - sampleWidth);
      break;
    case DateTop:
      box.top = band.top + date.height;
      break;
    case DateRight:
      box.left = band.left + Half(inner - date.width - sampleWidth);
      break;
    case DateBottom:
      box.bottom = band.bottom - date.height;
      break;
    default:
      break;
  }
  box.right = box.left + sampleWidth;
  return box;
}

// Places of date line 1 (first) and line 2 (second) for modes 1 to 4.
void PlaceDateLines(const pf::RECT& band, std::int32_t mode, const DateSizes& date,
                    LinePlace* line1, LinePlace* line2) {
  switch (mode) {
    case DateLeft:
      *line1 = {band.top, pf::DT_LEFT};
      *line2 = {band.top + date.line1.cy, pf::DT_LEFT};
      break;
    case DateTop:
      *line1 = {band.top, pf::DT_LEFT};
      *line2 = {band.top, pf::DT_RIGHT};
      break;
    case DateRight:
      *line1 = {band.top, pf::DT_RIGHT};
      *line2 = {band.top + date.line1.cy, pf::DT_RIGHT};
      break;
    default:  // DateBottom: one row flush with the band's bottom
      *line1 = {band.bottom - date.line1.cy, pf::DT_LEFT};
      *line2 = {band.bottom - date.line2.cy, pf::DT_RIGHT};
      break;
  }
}

void DrawLine(pf::SurfaceHandle surface, const char16_t* text, const pf::RECT& band,
              const LinePlace& place, int height) {
  pf::RECT rect{band.left, place.top, band.right, place.top + height};
  pf::DrawTextW(surface, text, -1, &rect, kLineFlags | place.align);
}

// The alarm icon's top-left corner and size; the icon is drawn here.
pf::RECT CopyAlarmIcon(const BlockPaint& paint, const pf::RECT& band, std::int32_t mode,
                       int dateHeight) {
  const ImageSurface icon(paint.Surface, paint.Item.Images.Alarm);
  if (!icon.Loaded()) return pf::RECT{};
  const int x = mode == DateRight ? band.left : band.right - icon.Width();
  const int top = mode == DateTop ? band.top + dateHeight : band.top;
  icon.CopyTo(x, top);
  return pf::RECT{x, top, x + icon.Width(), top + icon.Height()};
}

// The next alarm: its icon, and under it the alarm time when there is one.
void DrawAlarm(const BlockPaint& paint, PaintFonts& fonts, pf::FontHandle alarmFont,
               const pf::RECT& band, int dateHeight) {
  const pf::SurfaceHandle surface = paint.Surface;
  const TimeSettings& settings = paint.Settings.TimeSettings;
  const StatusState& status = paint.Status;
  if (settings.ShowAlarm == 0 || pf::IsNull(paint.Item.Images.Alarm) || status.AlarmSet == 0) return;
  const pf::RECT icon = CopyAlarmIcon(paint, band, settings.ShowDate, dateHeight);
  if (icon.right == icon.left || status.AlarmText[0] == 0) return;
  fonts.Use(alarmFont);
  pf::SetTextColor(surface, settings.Font2.Color);
  pf::RECT rect{band.left, icon.bottom, band.right, band.bottom};
  const std::uint32_t align = settings.ShowDate == DateRight ? pf::DT_LEFT : pf::DT_RIGHT;
  pf::DrawTextW(surface, status.AlarmText, -1, &rect, kLineFlags | align);
}

}  // namespace

void DrawTimeBlock(const BlockPaint& paint, int dx, int y) {
  const pf::SurfaceHandle surface = paint.Surface;
  const TimeSettings& settings = paint.Settings.TimeSettings;
  const DateSettings& dateSettings = paint.Settings.DateSettings;
  const StatusState& status = paint.Status;
  const pf::RECT band = BlockBand(paint, Time, dx, y);

  PaintFonts fonts(surface);
  const pf::FontHandle clockFont = fonts.Make(settings.Font1);
  const pf::FontHandle alarmFont = fonts.Make(settings.Font2);
  const pf::FontHandle dateFont1 = fonts.Make(dateSettings.Font1);
  const pf::FontHandle dateFont2 = fonts.Make(dateSettings.Font2);

  fonts.Use(clockFont);
  const int sampleWidth = MeasureText(surface, settings.ShowSeconds != 0 ? u"00:00:00" : u"00:00").cx;
  DateSizes date;
  fonts.Use(dateFont1);
  date.line1 = MeasureText(surface, status.DateText1);
  fonts.Use(dateFont2);
  date.line2 = MeasureText(surface, status.DateText2);
  date.width = std::max(date.line1.cx, date.line2.cx);
  date.height = std::max(date.line1.cy, date.line2.cy);

  if (ShowsDateLines(settings.ShowDate)) {
    LinePlace line1;
    LinePlace line2;
    PlaceDateLines(band, settings.ShowDate, date, &line1, &line2);
    fonts.Use(dateFont1);
    pf::SetTextColor(surface, dateSettings.Font1.Color);
    DrawLine(surface, status.DateText1, band, line1, date.line1.cy);
    fonts.Use(dateFont2);
    pf::SetTextColor(surface, dateSettings.Font2.Color);
    DrawLine(surface, status.DateText2, band, line2, date.line2.cy);
  }

  pf::RECT clock = ClockBox(band, settings.ShowDate, sampleWidth, date);
  fonts.Use(clockFont);
  pf::SetTextColor(surface, settings.Font1.Color);
  pf::DrawTextW(surface, status.TimeText, -1, &clock,
                pf::DT_SINGLELINE | pf::DT_RIGHT | pf::DT_VCENTER | pf::DT_NOCLIP);

  DrawAlarm(paint, fonts, alarmFont, band, date.height);
}

}  // namespace ostrel
