// Tests of the refresh tick: clock, date and calendar texts, the change rule
// and the repaint requests the item window receives.
#include <gtest/gtest.h>

#include "tests/status_test_support.h"

namespace ostrel::testing {
namespace {

using RefreshTickTest = StatusTest;

TEST_F(RefreshTickTest, ForcedTickFillsEverythingAndRepaintsWholeItemWithoutErasing) {
  Tick(1);
  EXPECT_EQ(U8(status.TimeText), "07:05");
  EXPECT_EQ(U8(status.DateText1), "6 декабря 2026 г.");
  EXPECT_EQ(U8(status.DateText2), "воскресенье");
  EXPECT_EQ(U8(status.OperatorText), "Телефон выключен");
  EXPECT_EQ(U8(status.BatteryText), "85%");
  EXPECT_EQ(status.CalendarGrid[0][0].Day, 30);
  ASSERT_EQ(Repaints(), 1);
  const pf::host::InvalidateRequest& request = windows.Invalidations().back();
  EXPECT_TRUE(request.whole);
  EXPECT_EQ(request.erase, 0);
  // Forced again with nothing changed: still a repaint.
  Tick(1);
  EXPECT_EQ(Repaints(), 2);
}

TEST_F(RefreshTickTest, QuietDeviceRepaintsOncePerMinuteWithoutSeconds) {
  Tick(1);
  windows.ClearInvalidations();
  RunSeconds(54);  // 07:05:54: nothing shown changed
  EXPECT_EQ(Repaints(), 0);
  RunSeconds(6);  // 07:06:00
  EXPECT_EQ(Repaints(), 1);
  EXPECT_EQ(U8(status.TimeText), "07:06");
  RunSeconds(180);
  EXPECT_EQ(Repaints(), 4);
}

TEST_F(RefreshTickTest, ShowSecondsRepaintsEveryTick) {
  settings.TimeSettings.ShowSeconds = 1;
  Tick(1);
  EXPECT_EQ(U8(status.TimeText), "07:05:00");
  windows.ClearInvalidations();
  RunSeconds(90);
  EXPECT_EQ(Repaints(), 90);
  EXPECT_EQ(U8(status.TimeText), "07:06:30");
}

TEST_F(RefreshTickTest, TickWithoutChangesCopiesNoText) {
  Tick(1);
  // Texts a tick would have to rewrite if it copied them: a tick that finds
  // nothing changed leaves even the bytes after the terminators alone.
  status.DateText1[60] = u'#';
  status.OperatorText[90] = u'#';
  status.BatteryText[8] = u'#';
  Tick();
  EXPECT_EQ(status.DateText1[60], u'#');
  EXPECT_EQ(status.OperatorText[90], u'#');
  EXPECT_EQ(status.BatteryText[8], u'#');
  EXPECT_EQ(Repaints(), 1);
  // A changed clock text clears the texts over their whole capacity.
  clock.Advance(60);
  Tick();
  EXPECT_EQ(status.DateText1[60], 0);
  SetOperator(u"Вектор");
  Tick();
  EXPECT_EQ(status.OperatorText[90], 0);
  EXPECT_EQ(Repaints(), 3);
}

TEST_F(RefreshTickTest, StatusChangeRepaintsWithoutTouchingTheDateTexts) {
  Tick(1);
  status.DateText2[0] = u'X';  // would be rewritten by a date refresh
  SetHkcuDword(u"System\\State\\Messages\\sms\\Unread", u"Count", 2);
  Tick();
  EXPECT_EQ(status.UnreadSms, 2);
  EXPECT_EQ(status.DateText2[0], u'X');
  EXPECT_EQ(Repaints(), 2);
}

TEST_F(RefreshTickTest, HiddenSysInfoKeepsItsLastTextsAndDoesNotRepaint) {
  Tick(1);
  for (BlockEntry& entry : settings.BlockTable.Entries) {
    if (entry.Kind == SysInfo) entry.Visible = 0;
  }
  device.SetBattery(pf::BATTERY_FLAG_CHARGING, 50, pf::AC_LINE_ONLINE);
  const int queries = device.PowerQueries();
  Tick();
  EXPECT_EQ(U8(status.BatteryText), "85%");
  EXPECT_EQ(device.PowerQueries(), queries);
  EXPECT_EQ(Repaints(), 1);
  settings.BlockTable.Entries[5].Visible = 1;
  Tick();
  EXPECT_EQ(U8(status.BatteryText), "=D~");
  EXPECT_EQ(Repaints(), 2);
}

TEST_F(RefreshTickTest, SysInfoIsReadEvenWhenThePhoneAlreadyChanged) {
  Tick(1);
  SetOperator(u"Вектор");
  device.SetBattery(pf::BATTERY_FLAG_HIGH, 12, pf::AC_LINE_OFFLINE);
  Tick();
  EXPECT_EQ(U8(status.OperatorText), "Вектор");
  EXPECT_EQ(U8(status.BatteryText), "12%");
  EXPECT_EQ(Repaints(), 2);
}

TEST_F(RefreshTickTest, NewDayMonthAndYearAreSeenByTheFirstTickAfterMidnight) {
  clock.SetLocalTime(At(2026, 12, 31, 23, 59, 59));
  Tick(1);
  EXPECT_EQ(U8(status.DateText2), "четверг");
  EXPECT_EQ(status.CalendarGrid[0][0].Month, 11);  // Mon 30 November 2026
  clock.Advance(1);
  Tick();
  EXPECT_EQ(U8(status.TimeText), "00:00");
  EXPECT_EQ(U8(status.DateText1), "1 января 2027 г.");
  EXPECT_EQ(U8(status.DateText2), "пятница");
  const CalendarCell& first = status.CalendarGrid[0][0];  // Mon 28 December 2026
  EXPECT_EQ(first.Day, 28);
  EXPECT_EQ(first.Month, 12);
  EXPECT_EQ(first.Year, 2026);
  EXPECT_EQ(status.CalendarGrid[0][4].Day, 1);
  EXPECT_EQ(status.CalendarGrid[0][4].Year, 2027);
}

TEST_F(RefreshTickTest, DateTextsFollowTheClockTextNotTheSettings) {
  Tick(1);
  pf::CopyText(settings.DateSettings.Format2, kFormatCapacity, u"d MMMM");
  RunSeconds(30);
  EXPECT_EQ(U8(status.DateText2), "воскресенье");
  RunSeconds(30);
  EXPECT_EQ(U8(status.DateText2), "6 декабря");
}

TEST_F(RefreshTickTest, ClockPatternsBySetting) {
  struct Case {
    int format;
    int hour;
    const char* text;
  };
  const Case cases[] = {{0, 7, "7:05"},    {1, 7, "7:05"},   {2, 7, "07:05"}, {3, 7, "07:05"},
                        {0, 19, "19:05"},  {1, 19, "7:05"},  {2, 19, "19:05"}, {3, 19, "07:05"},
                        {1, 0, "12:05"},   {0, 0, "0:05"},   {7, 19, ""},      {-1, 19, ""}};
  for (const Case& c : cases) {
    clock.SetLocalTime(At(2026, 12, 6, c.hour, 5, 9));
    settings.TimeSettings.TimeFormat = c.format;
    char16_t out[kClockScratchCapacity];
    FormatClockText(settings.TimeSettings, out);
    EXPECT_EQ(U8(out), c.text) << "format " << c.format << " at " << c.hour;
  }
  settings.TimeSettings.ShowSeconds = 1;
  char16_t out[kClockScratchCapacity];
  FormatClockText(settings.TimeSettings, out);
  EXPECT_EQ(U8(out), ":09") << "an unknown format still gets the seconds";
  settings.TimeSettings.TimeFormat = 0;
  FormatClockText(settings.TimeSettings, out);
  EXPECT_EQ(U8(out), "19:05:09");
}

TEST_F(RefreshTickTest, DatesUseTheSystemLocaleNotTheUsers) {
  pf::CopyText(settings.DateSettings.Format2, kFormatCapacity, u"");
  locale.SetUserLanguage(pf::host::HostLanguage::English);
  Tick(1);
  EXPECT_EQ(U8(status.DateText1), "6 декабря 2026 г.");
  locale.SetLanguage(pf::host::HostLanguage::English);
  locale.SetUserLanguage(pf::host::HostLanguage::Russian);
  Tick(1);
  EXPECT_EQ(U8(status.DateText1), "Sunday, December 6, 2026");
  EXPECT_EQ(U8(status.DateText2), "Sunday, December 6, 2026");
}

TEST_F(RefreshTickTest, DateTextTooLongForItsFieldIsLeftEmpty) {
  // 19 × "dddd " gives 19 × "воскресенье " (12 units): 228 units do not fit.
  std::u16string pattern;
  for (int i = 0; i < 19; ++i) pattern += u"dddd ";
  pf::CopyText(settings.DateSettings.Format1, kFormatCapacity, pattern.c_str());
  pf::CopyText(settings.DateSettings.Format2, kFormatCapacity, u"yyyy");
  Tick(1);
  EXPECT_EQ(U8(status.DateText1), "");
  EXPECT_EQ(U8(status.DateText2), "2026");
}

}  // namespace
}  // namespace ostrel::testing
