// The Calendar block on the recording surface: six, three or one week by band height, the header, cell boxes, colors and today in bold.
#include <algorithm>
#include <iterator>
#include <string>

#include "tests/render_support.h"

namespace ostrel::testing {
namespace {

const char16_t* const kDayNames[7] = {u"пн", u"вт", u"ср", u"чт", u"пт", u"сб", u"вс"};

class RenderCalendar : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    for (int c = 0; c < 7; ++c) pf::CopyText(Item().DayNames[c], kDayNameCapacity, kDayNames[c]);
    CalendarSettings& s = PluginSettings().CalendarSettings;
    s.Font.Color = pf::RGB(1, 1, 1);
    s.WeekdaysFont.Color = pf::RGB(2, 2, 2);
    s.ColorToday = pf::RGB(3, 3, 3);
    s.ColorSaturday = pf::RGB(4, 4, 4);
    s.ColorSunday = pf::RGB(5, 5, 5);
    s.ColorOther = pf::RGB(6, 6, 6);
  }
  void Today(int year, int month, int day) {
    clock.SetLocalTime(pf::SYSTEMTIME{static_cast<std::uint16_t>(year),
                                      static_cast<std::uint16_t>(month), 0,
                                      static_cast<std::uint16_t>(day), 12, 0, 0, 0});
    BuildCalendarGrid(Status());
  }
  // Day numbers (header=false) or weekday names (header=true), in drawing order.
  static Log Cells(const Log& log, bool header) {
    Log out;
    for (const DrawRecord& r : Texts(log)) {
      bool name = std::find(std::begin(kDayNames), std::end(kDayNames), r.text) != std::end(kDayNames);
      if (name == header) out.push_back(r);
    }
    return out;
  }
  static std::u16string Day(int row, int column) {
    return pf::FromUtf8(std::to_string(Status().CalendarGrid[row][column].Day));
  }
};

// Row height at 96 dpi: the 8-point cell of 12 pixels less 2; margins 2 + 2.
TEST_F(RenderCalendar, BandHeightChoosesSixThreeOrOneWeekWithAndWithoutTheHeader) {
  struct Case {
    int height, weekdaysSize;
    int rows;
  };
  Today(2026, 12, 16);  // row 2
  for (const Case& c : {Case{74, 6, 6}, Case{73, 6, 3}, Case{44, 6, 3}, Case{43, 6, 1},
                        Case{64, 0, 6}, Case{63, 0, 3}, Case{34, 0, 3}, Case{33, 0, 1}}) {
    SCOPED_TRACE(::testing::Message() << c.height << " " << c.weekdaysSize);
    SetPixelHeight(Calendar, c.height);
    PluginSettings().CalendarSettings.WeekdaysFont.Size = c.weekdaysSize;
    const Log log = Render(DrawCalendarBlock, 0, 50);
    const Log numbers = Cells(log, false);
    ASSERT_EQ(numbers.size(), static_cast<std::size_t>(7 * c.rows));
    const int firstRow = c.rows == 6 ? 0 : c.rows == 3 ? 1 : 2;
    EXPECT_EQ(numbers[0].text, Day(firstRow, 0));
    const int header = c.weekdaysSize > 0 ? 1 : 0;
    EXPECT_EQ(numbers[0].rect.top, 52 + header * 10);
    EXPECT_EQ(numbers.back().rect.top, 52 + (header + c.rows - 1) * 10);
    EXPECT_EQ(Cells(log, true).size(), header ? 7u : 0u);
  }
}

TEST_F(RenderCalendar, ThreeWeeksAreTheOnesAroundTodayKeptInsideTheMonth) {
  struct Case {
    int month, day;
    int firstRow;
  };
  SetPixelHeight(Calendar, 50);
  for (const Case& c : {Case{12, 6, 0}, Case{12, 9, 0}, Case{12, 16, 1}, Case{12, 24, 2},
                        Case{12, 29, 3}, Case{3, 31, 3}}) {
    SCOPED_TRACE(c.day);
    Today(2026, c.month, c.day);
    const Log numbers = Cells(Render(DrawCalendarBlock), false);
    ASSERT_EQ(numbers.size(), 21u);
    EXPECT_EQ(numbers[0].text, Day(c.firstRow, 0));
    EXPECT_EQ(numbers[20].text, Day(c.firstRow + 2, 6));
  }
}

TEST_F(RenderCalendar, CellsAreBoxesAsWideAsTwoZerosCentredInSeventhsOfTheBand) {
  Today(2026, 12, 16);
  SetPixelHeight(Calendar, 80);
  const Log log = Render(DrawCalendarBlock, 5, 0);
  const int w00 = Measure(PluginSettings().CalendarSettings.Font, u"00").cx;
  const int cell = 220 / 7;
  const Log numbers = Cells(log, false);
  const Log header = Cells(log, true);
  ASSERT_EQ(numbers.size(), 42u);
  ASSERT_EQ(header.size(), 7u);
  for (int c = 0; c < 7; ++c) {
    const int left = 15 + c * cell + (cell - w00) / 2;
    EXPECT_EQ(numbers[7 + c].rect, (pf::RECT{left, 22, left + w00, 32}));
    EXPECT_EQ(numbers[7 + c].format, pf::DT_SINGLELINE | pf::DT_RIGHT | pf::DT_VCENTER | pf::DT_NOCLIP);
    EXPECT_EQ(header[c].rect, (pf::RECT{left, 2, left + w00, 12}));
    EXPECT_EQ(header[c].text, kDayNames[c]);
    EXPECT_EQ(header[c].color, pf::RGB(2, 2, 2));
    EXPECT_EQ(header[c].fontHeight, -8);
    EXPECT_EQ(header[c].format, numbers[7 + c].format);
  }
}

TEST_F(RenderCalendar, OtherMonthsComeBeforeTodayAndTodayBeforeTheWeekend) {
  Today(2026, 12, 6);  // a Sunday in row 0
  SetPixelHeight(Calendar, 80);
  const Log numbers = Cells(Render(DrawCalendarBlock), false);
  ASSERT_EQ(numbers.size(), 42u);
  auto at = [&](int row, int column) { return numbers[row * 7 + column]; };
  EXPECT_EQ(at(0, 0).color, pf::RGB(6, 6, 6));  // 30 November, a Monday
  EXPECT_EQ(at(4, 5).color, pf::RGB(6, 6, 6));  // 2 January, a Saturday
  EXPECT_EQ(at(4, 6).color, pf::RGB(6, 6, 6));  // 3 January, a Sunday
  EXPECT_EQ(at(0, 6).text, u"6");
  EXPECT_EQ(at(0, 6).color, pf::RGB(3, 3, 3));
  EXPECT_EQ(at(0, 6).fontWeight, 700);
  EXPECT_EQ(at(0, 5).color, pf::RGB(4, 4, 4));  // 5 December, a Saturday
  EXPECT_EQ(at(1, 6).color, pf::RGB(5, 5, 5));  // 13 December, a Sunday
  EXPECT_EQ(at(1, 6).fontWeight, 400) << "only today is bold";
  EXPECT_EQ(at(1, 1).color, pf::RGB(1, 1, 1));
  EXPECT_EQ(at(1, 1).fontWeight, 400);
  int bold = 0;
  for (const DrawRecord& r : numbers) bold += r.fontWeight == 700;
  EXPECT_EQ(bold, 1);
}

}  // namespace
}  // namespace ostrel::testing
