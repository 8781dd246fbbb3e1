// The calendar's 42 days, Monday first, counted in 100-nanosecond units from
// today so that month and year changes fall out of the platform's dates.
#include "platform/clock.h"
#include "plugin/status_state.h"

namespace ostrel {

namespace {

// The date `days` days away from the moment `ticks`.
bool DayAt(std::uint64_t ticks, std::int64_t days, pf::SYSTEMTIME* date) {
  const pf::FILETIME moment = pf::MakeFileTime(ticks + static_cast<std::uint64_t>(days * pf::kFileTimeDay));
  return pf::FileTimeToSystemTime(&moment, date) != 0;
}

// 1 Monday .. 7 Sunday.
std::uint16_t MondayFirst(std::uint16_t dayOfWeek) { return dayOfWeek == 0 ? 7 : dayOfWeek; }

}  // namespace

void BuildCalendarGrid(StatusState& status) {
  pf::SYSTEMTIME today;
  pf::GetLocalTime(&today);
  pf::FILETIME now;
  if (!pf::SystemTimeToFileTime(&today, &now)) return;
  const std::uint64_t ticks = pf::FileTimeTicks(now);

  pf::SYSTEMTIME first;
  if (!DayAt(ticks, 1 - static_cast<std::int64_t>(today.wDay), &first)) return;
  // The Monday on or before the 1st, as an offset from today.
  const std::int64_t offset = 2 - static_cast<std::int64_t>(today.wDay) - MondayFirst(first.wDayOfWeek);

  for (int row = 0; row < kCalendarRows; ++row) {
    for (int column = 0; column < kCalendarColumns; ++column) {
      pf::SYSTEMTIME date;
      if (!DayAt(ticks, offset + 7 * row + column, &date)) continue;
      CalendarCell& cell = status.CalendarGrid[row][column];
      cell.Day = date.wDay;
      cell.Month = date.wMonth;
      cell.Year = date.wYear;
      cell.DayOfWeek = MondayFirst(date.wDayOfWeek);
    }
  }
}

}  // namespace ostrel
