// Tests of the calendar grid: 42 consecutive days, Monday first.
#include <gtest/gtest.h>

#include "tests/status_test_support.h"

namespace ostrel::testing {
namespace {

using CalendarGridTest = StatusTest;

struct Day {
  int day, month, year, dayOfWeek;
};

void ExpectCell(const CalendarCell& cell, Day want, int row, int column) {
  EXPECT_EQ(cell.Day, want.day) << row << "," << column;
  EXPECT_EQ(cell.Month, want.month) << row << "," << column;
  EXPECT_EQ(cell.Year, want.year) << row << "," << column;
  EXPECT_EQ(cell.DayOfWeek, want.dayOfWeek) << row << "," << column;
}

// Every cell is the day after the one before it, weekdays run 1..7 in each row.
void ExpectConsecutive(const StatusState& status) {
  const CalendarCell* cells = &status.CalendarGrid[0][0];
  for (int i = 0; i < 42; ++i) {
    EXPECT_EQ(cells[i].DayOfWeek, i % 7 + 1) << "cell " << i;
    if (i == 0) continue;
    const CalendarCell& a = cells[i - 1];
    const CalendarCell& b = cells[i];
    const bool nextInMonth = b.Day == a.Day + 1 && b.Month == a.Month && b.Year == a.Year;
    const bool nextMonth = b.Day == 1 && (b.Month == a.Month + 1 ? b.Year == a.Year
                                                                 : b.Month == 1 && a.Month == 12 &&
                                                                       b.Year == a.Year + 1);
    EXPECT_TRUE(nextInMonth || nextMonth) << "cell " << i;
  }
}

TEST_F(CalendarGridTest, MonthStartingOnMondayStartsRowZero) {
  clock.SetLocalTime(At(2026, 6, 17, 12));  // 1 June 2026 is a Monday
  BuildCalendarGrid(status);
  ExpectCell(status.CalendarGrid[0][0], {1, 6, 2026, 1}, 0, 0);
  ExpectCell(status.CalendarGrid[4][1], {30, 6, 2026, 2}, 4, 1);
  ExpectCell(status.CalendarGrid[5][6], {12, 7, 2026, 7}, 5, 6);
  ExpectConsecutive(status);
}

TEST_F(CalendarGridTest, MonthStartingOnSundayHasSixDaysBefore) {
  clock.SetLocalTime(At(2026, 3, 1, 0, 0, 0));  // 1 March 2026 is a Sunday
  BuildCalendarGrid(status);
  ExpectCell(status.CalendarGrid[0][0], {23, 2, 2026, 1}, 0, 0);
  ExpectCell(status.CalendarGrid[0][5], {28, 2, 2026, 6}, 0, 5);
  ExpectCell(status.CalendarGrid[0][6], {1, 3, 2026, 7}, 0, 6);
  ExpectCell(status.CalendarGrid[5][6], {5, 4, 2026, 7}, 5, 6);
  ExpectConsecutive(status);
}

TEST_F(CalendarGridTest, NonLeapFebruaryFromMondayFillsFourRows) {
  clock.SetLocalTime(At(2027, 2, 28, 23, 59, 59));  // 1 February 2027 is a Monday
  BuildCalendarGrid(status);
  ExpectCell(status.CalendarGrid[0][0], {1, 2, 2027, 1}, 0, 0);
  ExpectCell(status.CalendarGrid[3][6], {28, 2, 2027, 7}, 3, 6);
  ExpectCell(status.CalendarGrid[4][0], {1, 3, 2027, 1}, 4, 0);
  ExpectCell(status.CalendarGrid[5][6], {14, 3, 2027, 7}, 5, 6);
  ExpectConsecutive(status);
}

TEST_F(CalendarGridTest, LeapFebruaryAndYearBoundaries) {
  clock.SetLocalTime(At(2024, 2, 29, 8));  // Thursday; 1 February 2024 is a Thursday
  BuildCalendarGrid(status);
  ExpectCell(status.CalendarGrid[0][0], {29, 1, 2024, 1}, 0, 0);
  ExpectCell(status.CalendarGrid[4][3], {29, 2, 2024, 4}, 4, 3);
  ExpectConsecutive(status);

  clock.SetLocalTime(At(2027, 1, 1));  // Friday
  BuildCalendarGrid(status);
  ExpectCell(status.CalendarGrid[0][0], {28, 12, 2026, 1}, 0, 0);
  ExpectCell(status.CalendarGrid[0][4], {1, 1, 2027, 5}, 0, 4);
  ExpectConsecutive(status);
}

TEST_F(CalendarGridTest, EveryDayOfAYearGivesAGridAroundIt) {
  pf::SYSTEMTIME day = At(2025, 1, 1, 12);
  for (int i = 0; i < 365; ++i) {
    clock.SetLocalTime(day);
    BuildCalendarGrid(status);
    const CalendarCell& first = status.CalendarGrid[0][0];
    ASSERT_EQ(first.DayOfWeek, 1);
    // Row 0 holds the 1st of today's month.
    bool holdsFirst = false;
    for (const CalendarCell& cell : status.CalendarGrid[0]) {
      holdsFirst |= cell.Day == 1 && cell.Month == day.wMonth && cell.Year == day.wYear;
    }
    ASSERT_TRUE(holdsFirst) << day.wYear << "-" << day.wMonth << "-" << day.wDay;
    clock.Advance(86400);
    clock.GetLocalTime(&day);
  }
}

}  // namespace
}  // namespace ostrel::testing
