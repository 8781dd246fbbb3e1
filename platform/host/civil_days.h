// Proleptic Gregorian calendar arithmetic: day counts, month lengths and weekdays.
#pragma once

#include <cstdint>

namespace pf::host {

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
// 0 = Sunday .. 6 = Saturday.
int WeekdayOf(int year, int month, int day);
// Days since 1970-01-01 of a date, and the date of such a day count.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day);
void CivilFromDays(std::int64_t days, int* year, int* month, int* day);

}  // namespace pf::host
