// The Calendar block: the month's weeks under an optional weekday header, six, three or one of them as the band allows.
#include "platform/clock.h"
#include "platform/draw.h"
#include "platform/text.h"
#include "plugin/band.h"
#include "plugin/fonts.h"
#include "plugin/int_range.h"
#include "plugin/renderers.h"

namespace ostrel {

namespace {

constexpr std::uint32_t kCellFlags =
    pf::DT_SINGLELINE | pf::DT_RIGHT | pf::DT_VCENTER | pf::DT_NOCLIP;

// The grid's geometry, measured with the day font.
struct CalendarMetrics {
  int rowHeight = 0;
  int cellWidth = 0;
  int boxWidth = 0;  // as wide as "00"
};

struct RowRange {
  int first = 0;
  int count = 0;
};

// The box of column c in the row whose top is top.
pf::RECT CellBox(const pf::RECT& band, const CalendarMetrics& m, int column, int top) {
  const int left = CoordinateSum(band.left, std::int64_t{column} * m.cellWidth,
                                 (std::int64_t{m.cellWidth} - m.boxWidth) / 2);
  return pf::RECT{left, top, CoordinateSum(left, m.boxWidth), CoordinateSum(top, m.rowHeight)};
}

bool IsDay(const CalendarCell& cell, const pf::SYSTEMTIME& date) {
  return cell.Day == date.wDay && cell.Month == date.wMonth && cell.Year == date.wYear;
}

// The grid row holding today, 0 when no cell is today.
int TodayRow(const StatusState& status, const pf::SYSTEMTIME& today) {
  for (int row = 0; row < kCalendarRows; ++row) {
    for (int column = 0; column < kCalendarColumns; ++column) {
      if (IsDay(status.CalendarGrid[row][column], today)) return row;
    }
  }
  return 0;
}

// All six weeks when the band holds them, else the three around today,
// else today's week alone. Margins are stored unchecked: 64-bit sums.
RowRange RowsToDraw(std::int64_t bandHeight, std::int64_t margins, int header, std::int64_t rowHeight,
                    int todayRow) {
  if (bandHeight >= (6 + header) * rowHeight + margins) return RowRange{0, 6};
  if (bandHeight >= (3 + header) * rowHeight + margins) {
    if (todayRow < 2) return RowRange{0, 3};
    if (todayRow > 3) return RowRange{3, 3};
    return RowRange{todayRow - 1, 3};
  }
  return RowRange{todayRow, 1};
}

// Days of other months first, then today, then weekends, then the rest.
pf::COLORREF DayColor(const CalendarSettings& settings, const CalendarCell& cell,
                      const pf::SYSTEMTIME& today) {
  if (cell.Month != today.wMonth || cell.Year != today.wYear) return settings.ColorOther;
  if (IsDay(cell, today)) return settings.ColorToday;
  if (cell.DayOfWeek == 6) return settings.ColorSaturday;
  if (cell.DayOfWeek == 7) return settings.ColorSunday;
  return settings.Font.Color;
}

struct DayFonts {
  pf::FontHandle regular{};
  pf::FontHandle bold{};
};

void DrawWeek(const BlockPaint& paint, PaintFonts& fonts, const DayFonts& dayFonts,
              const pf::RECT& band, const CalendarMetrics& m, int row, int top,
              const pf::SYSTEMTIME& today) {
  const pf::SurfaceHandle surface = paint.Surface;
  const CalendarSettings& settings = paint.Settings.CalendarSettings;
  for (int column = 0; column < kCalendarColumns; ++column) {
    const CalendarCell& cell = paint.Status.CalendarGrid[row][column];
    const bool isToday = IsDay(cell, today);
    char16_t number[12];
    pf::FormatText(number, 12, u"%d", static_cast<int>(cell.Day));
    pf::SetTextColor(surface, DayColor(settings, cell, today));
    if (isToday) fonts.Use(dayFonts.bold);
    pf::RECT box = CellBox(band, m, column, top);
    pf::DrawTextW(surface, number, -1, &box, kCellFlags);
    if (isToday) fonts.Use(dayFonts.regular);
  }
}

void DrawHeader(const BlockPaint& paint, const pf::RECT& band, const CalendarMetrics& m) {
  for (int column = 0; column < kCalendarColumns; ++column) {
    const char16_t* name = paint.Item.DayNames[column];
    int length = 0;  // a slot filled to the brim is read no further than its end
    while (length < kDayNameCapacity && name[length] != 0) ++length;
    pf::RECT box = CellBox(band, m, column, band.top);
    pf::DrawTextW(paint.Surface, name, length, &box, kCellFlags);
  }
}

}  // namespace

void DrawCalendarBlock(const BlockPaint& paint, int dx, int y) {
  const pf::SurfaceHandle surface = paint.Surface;
  const Settings& all = paint.Settings;
  const CalendarSettings& settings = all.CalendarSettings;
  const pf::RECT band = BlockBand(paint, Calendar, dx, y);
  const int position = FindEntryOfKind(all.BlockTable, Calendar);
  const int bandHeight = position < 0 ? 0 : all.BlockTable[position].PixelHeight;

  PaintFonts fonts(surface);
  FontSpec boldSpec = settings.Font;
  boldSpec.Bold = 1;
  DayFonts dayFonts;
  dayFonts.regular = fonts.Make(settings.Font);
  dayFonts.bold = fonts.Make(boldSpec);
  const pf::FontHandle headerFont = fonts.Make(settings.WeekdaysFont);

  fonts.Use(dayFonts.regular);
  CalendarMetrics m;
  m.rowHeight = MeasureText(surface, u"0").cy - ScaleByDpi(2);
  m.cellWidth = (band.right - band.left) / kCalendarColumns;
  m.boxWidth = MeasureText(surface, u"00").cx;

  pf::SYSTEMTIME today;
  pf::GetLocalTime(&today);
  const int header = settings.WeekdaysFont.Size > 0 ? 1 : 0;
  const RowRange rows = RowsToDraw(bandHeight, std::int64_t{all.MarginTop} + all.MarginBottom, header,
                                   m.rowHeight, TodayRow(paint.Status, today));
  for (int k = 0; k < rows.count; ++k) {
    DrawWeek(paint, fonts, dayFonts, band, m, rows.first + k,
             CoordinateSum(band.top, std::int64_t{header + k} * m.rowHeight), today);
  }
  if (header == 0) return;
  fonts.Use(headerFont);
  pf::SetTextColor(surface, settings.WeekdaysFont.Color);
  DrawHeader(paint, band, m);
}

}  // namespace ostrel
