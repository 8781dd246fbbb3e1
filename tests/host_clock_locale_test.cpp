// Tests of the host clock and locale stand-ins against the platform's rules
// (and the outputs the win32 layer gives under Wine for the same locales).
#include <gtest/gtest.h>

#include "tests/status_test_support.h"

namespace ostrel::testing {
namespace {

using pf::host::HostClock;
using pf::host::HostLanguage;
using pf::host::HostLocale;

TEST(HostClockTest, ConvertsToTheHundredNanosecondCountSince1601) {
  HostClock clock;
  pf::FILETIME ft;
  const pf::SYSTEMTIME start = At(1601, 1, 1);
  ASSERT_TRUE(clock.SystemTimeToFileTime(&start, &ft));
  EXPECT_EQ(pf::FileTimeTicks(ft), 0u);
  pf::SYSTEMTIME unixEpoch = At(1970, 1, 1);
  ASSERT_TRUE(clock.SystemTimeToFileTime(&unixEpoch, &ft));
  EXPECT_EQ(pf::FileTimeTicks(ft), 116444736000000000ULL);
  pf::SYSTEMTIME back;
  const pf::FILETIME later = pf::MakeFileTime(116444736000000000ULL + 10000000ULL * 86400 * 59 + 12345678);
  ASSERT_TRUE(clock.FileTimeToSystemTime(&later, &back));
  EXPECT_EQ(back.wYear, 1970);
  EXPECT_EQ(back.wMonth, 3);  // 59 days after 1 January 1970: 1 March
  EXPECT_EQ(back.wDay, 1);
  EXPECT_EQ(back.wDayOfWeek, 0);  // a Sunday
  EXPECT_EQ(back.wSecond, 1);
  EXPECT_EQ(back.wMilliseconds, 234);
}

TEST(HostClockTest, RejectsWhatThePlatformRejects) {
  HostClock clock;
  pf::FILETIME ft;
  const pf::SYSTEMTIME bad[] = {At(2026, 2, 29), At(2026, 13, 1), At(2026, 4, 31),
                                At(1600, 12, 31), At(2026, 1, 1, 24), At(2026, 1, 1, 0, 60)};
  for (const pf::SYSTEMTIME& t : bad) EXPECT_FALSE(clock.SystemTimeToFileTime(&t, &ft));
  pf::SYSTEMTIME leap = At(2024, 2, 29);
  EXPECT_TRUE(clock.SystemTimeToFileTime(&leap, &ft));
  pf::SYSTEMTIME out;
  const pf::FILETIME top = pf::MakeFileTime(1ULL << 63);
  EXPECT_FALSE(clock.FileTimeToSystemTime(&top, &out));
  EXPECT_FALSE(clock.SetLocalTime(At(2026, 2, 30)));
}

TEST(HostClockTest, SetClockAdvancesAcrossTheYear) {
  HostClock clock;
  ASSERT_TRUE(clock.SetLocalTime(At(2026, 12, 31, 23, 59, 59)));
  pf::SYSTEMTIME now;
  clock.GetLocalTime(&now);
  EXPECT_EQ(now.wDayOfWeek, 4);  // Thursday
  clock.Advance(1);
  clock.GetLocalTime(&now);
  EXPECT_EQ(now.wYear, 2027);
  EXPECT_EQ(now.wMonth, 1);
  EXPECT_EQ(now.wDay, 1);
  EXPECT_EQ(now.wHour, 0);
  EXPECT_EQ(now.wDayOfWeek, 5);
  clock.Advance(-86400 * 366);
  clock.GetLocalTime(&now);
  EXPECT_EQ(now.wYear, 2025);
  EXPECT_EQ(now.wMonth, 12);
  EXPECT_EQ(now.wDay, 31);
}

class HostLocaleTest : public StatusTest {
 protected:
  std::string Date(const char16_t* pattern, const pf::SYSTEMTIME& t, std::uint32_t flags = 0) {
    char16_t out[200];
    int n = locale.GetDateFormatW(pf::LOCALE_SYSTEM_DEFAULT, flags, &t, pattern, out, 200);
    return n == 0 ? "<fail>" : U8(out);
  }
  std::string Time(const char16_t* pattern, const pf::SYSTEMTIME& t) {
    char16_t out[200];
    int n = locale.GetTimeFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, &t, pattern, out, 200);
    return n == 0 ? "<fail>" : U8(out);
  }
};

TEST_F(HostLocaleTest, RussianDatePictures) {
  const pf::SYSTEMTIME dec6 = At(2026, 12, 6);
  const pf::SYSTEMTIME may1 = At(2005, 5, 1);
  EXPECT_EQ(Date(nullptr, dec6, pf::DATE_LONGDATE), "6 декабря 2026 г.");
  EXPECT_EQ(Date(nullptr, dec6), "06.12.2026");
  EXPECT_EQ(Date(u"d MMMM", dec6), "6 декабря");
  EXPECT_EQ(Date(u"MMMM", dec6), "декабрь");
  EXPECT_EQ(Date(u"MMMM yyyy", dec6), "декабрь 2026");
  EXPECT_EQ(Date(u"dddd MMMM", dec6), "воскресенье декабрь");
  EXPECT_EQ(Date(u"MMMM, d", may1), "май, 1") << "the genitive comes only after a day number";
  EXPECT_EQ(Date(u"MMMM d", dec6), "декабрь 6");
  EXPECT_EQ(Date(u"MMMMd", dec6), "декабря6") << "a day number right after the name";
  EXPECT_EQ(Date(u"MMMMdd", dec6), "декабря06");
  EXPECT_EQ(Date(u"MMMdd", dec6), "дек.06");
  EXPECT_EQ(Date(u"MMMM'x'd", dec6), "декабрьx6");
  EXPECT_EQ(Date(u"MMMMdddd", dec6), "декабрьвоскресенье");
  EXPECT_EQ(Date(u"d dddd MMMM", dec6), "6 воскресенье декабрь") << "the nearest day field rules";
  EXPECT_EQ(Date(u"dddd, d MMMM MMM", dec6), "воскресенье, 6 декабря дек.");
  EXPECT_EQ(Date(u"MMMM d MMMM", dec6), "декабрь 6 декабря");
  EXPECT_EQ(Date(u"'d' MMMM", dec6), "d декабрь");
  EXPECT_EQ(Date(u"yyyy g, gg", dec6), "2026 н. э., н. э.") << "the era once per run";
  EXPECT_EQ(Date(u"MMMM'd'", may1), "майd");
  EXPECT_EQ(Date(u"MMM", may1), "май");
  EXPECT_EQ(Date(u"d MMM", may1), "1 мая");
  EXPECT_EQ(Date(u"ddd dd.MM.yy", may1), "вс 01.05.05");
  EXPECT_EQ(Date(u"M/d y yyyy", may1), "5/1 05 2005");
  EXPECT_EQ(Date(u"H:mm 'd''d' tt", may1), "H:mm d'd tt");
  EXPECT_EQ(Date(u"", may1), "");
  EXPECT_EQ(Date(u"d", At(2026, 11, 31)), "<fail>");
  EXPECT_EQ(Date(u"d", dec6, pf::DATE_LONGDATE), "<fail>");
}

TEST_F(HostLocaleTest, EnglishPicturesAndForms) {
  locale.SetLanguage(HostLanguage::English);
  const pf::SYSTEMTIME t = At(2026, 12, 6, 19, 5, 9);
  EXPECT_EQ(Date(nullptr, t, pf::DATE_LONGDATE), "Sunday, December 6, 2026");
  EXPECT_EQ(Date(nullptr, t), "12/6/2026");
  EXPECT_EQ(Date(u"ddd d MMM", t), "Sun 6 Dec");
  EXPECT_EQ(Date(u"MMMM d yyyy g", t), "December 6 2026 AD");
  EXPECT_EQ(Time(nullptr, t), "7:05:09 PM");
  EXPECT_EQ(Time(u"hh:mm t", At(2026, 1, 1, 0, 7)), "12:07 A");
}

TEST_F(HostLocaleTest, TimePictures) {
  const pf::SYSTEMTIME t = At(2026, 12, 6, 19, 5, 9);
  EXPECT_EQ(Time(nullptr, t), "19:05:09");
  EXPECT_EQ(Time(u"H:mm:ss", At(2026, 1, 1, 7, 5, 9)), "7:05:09");
  EXPECT_EQ(Time(u"h 'h' hh H HH m mm s ss", t), "7 h 07 19 19 5 05 9 09");
  EXPECT_EQ(Time(u"HH''mm d M y", t), "1905 d M y");
  EXPECT_EQ(Time(u"'it''s' H", t), "it's 19");
  EXPECT_EQ(Time(u"H 'open", t), "19 open");
  EXPECT_EQ(Time(u"", t), "");
  EXPECT_EQ(Time(u"H", At(2026, 1, 1, 24)), "<fail>");
}

TEST_F(HostLocaleTest, NullTimeIsNowFromTheClockService) {
  char16_t out[50];
  ASSERT_GT(pf::GetTimeFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, nullptr, u"HH:mm:ss", out, 50), 0);
  EXPECT_EQ(U8(out), "07:05:00");
  ASSERT_GT(pf::GetDateFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, nullptr, u"dddd", out, 50), 0);
  EXPECT_EQ(U8(out), "воскресенье");
}

TEST_F(HostLocaleTest, SizesAsThePlatformCountsThem) {
  const pf::SYSTEMTIME t = At(2026, 12, 6, 19, 5, 9);
  EXPECT_EQ(locale.GetDateFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, &t, u"dddd", nullptr, 0), 12);
  char16_t fits[12];
  EXPECT_EQ(locale.GetDateFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, &t, u"dddd", fits, 12), 12);
  EXPECT_EQ(locale.GetDateFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, &t, u"dddd", fits, 11), 0)
      << "the terminator must fit too";
  char16_t small[5];
  EXPECT_EQ(locale.GetDateFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, &t, u"dddd", small, 5), 0);
  EXPECT_EQ(U8(small), "воск");
  char16_t exact[6];
  EXPECT_EQ(locale.GetTimeFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, &t, u"HH:mm", exact, 6), 6);
  EXPECT_EQ(locale.GetTimeFormatW(0x9999, 0, &t, u"HH:mm", exact, 6), 0);
}

TEST_F(HostLocaleTest, AbbreviatedDayNamesMondayFirst) {
  const char* russian[] = {"пн", "вт", "ср", "чт", "пт", "сб", "вс"};
  const char* english[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  char16_t out[10];
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(locale.GetLocaleInfoW(pf::LOCALE_USER_DEFAULT, pf::LOCALE_SABBREVDAYNAME1 + i, out, 10), 3);
    EXPECT_EQ(U8(out), russian[i]);
    EXPECT_EQ(locale.GetLocaleInfoW(0x0409, pf::LOCALE_SABBREVDAYNAME1 + i, out, 10), 4);
    EXPECT_EQ(U8(out), english[i]);
  }
  EXPECT_EQ(locale.GetLocaleInfoW(pf::LOCALE_USER_DEFAULT, pf::LOCALE_SABBREVDAYNAME1, out, 2), 0);
  EXPECT_EQ(locale.GetLocaleInfoW(pf::LOCALE_USER_DEFAULT, pf::LOCALE_SABBREVDAYNAME1, nullptr, 0), 3);
  EXPECT_EQ(locale.GetLocaleInfoW(pf::LOCALE_USER_DEFAULT, 0x38, out, 10), 0);
}

}  // namespace
}  // namespace ostrel::testing
