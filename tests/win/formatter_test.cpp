// The host's date and time pictures set beside the platform's own formatter:
// every field letter group alone and in the usual combinations, quoted text,
// the locale's own forms, over dates from 1601 to 9999, in Russian and English.
#include "platform/host/date_pictures.h"
#include "platform/host/civil_days.h"
#include "tests/win/win_test_support.h"
#include "platform/win32/win32_time.h"

#include <sstream>

namespace ostrel::wintest {
namespace {

using pf::host::HostLanguage;

struct Language {
  HostLanguage host;
  LCID lcid;
  const char* name;
};
const Language kLanguages[] = {{HostLanguage::Russian, 0x0419, "ru"},
                               {HostLanguage::English, 0x0409, "en"}};

pf::SYSTEMTIME At(int year, int month, int day, int hour = 9, int minute = 5, int second = 7) {
  pf::SYSTEMTIME t{};
  t.wYear = static_cast<std::uint16_t>(year);
  t.wMonth = static_cast<std::uint16_t>(month);
  t.wDayOfWeek = static_cast<std::uint16_t>(pf::host::WeekdayOf(year, month, day));
  t.wDay = static_cast<std::uint16_t>(day);
  t.wHour = static_cast<std::uint16_t>(hour);
  t.wMinute = static_cast<std::uint16_t>(minute);
  t.wSecond = static_cast<std::uint16_t>(second);
  return t;
}

// Every month, both sides of midnight and of noon, leap days and the ends of
// the range the platform formats.
std::vector<pf::SYSTEMTIME> Dates() {
  std::vector<pf::SYSTEMTIME> dates;
  const int days[12] = {1, 9, 10, 15, 31, 30, 4, 21, 11, 31, 2, 7};
  for (int month = 1; month <= 12; ++month) dates.push_back(At(2026, month, days[month - 1]));
  dates.push_back(At(2026, 12, 31, 23, 59, 59));
  dates.push_back(At(2027, 1, 1, 0, 0, 0));
  dates.push_back(At(2026, 6, 15, 11, 59, 59));
  dates.push_back(At(2026, 6, 15, 12, 0, 0));
  dates.push_back(At(2026, 6, 15, 13, 1, 2));
  dates.push_back(At(2024, 2, 29, 0, 30, 0));
  dates.push_back(At(2000, 2, 29, 22, 0, 5));
  dates.push_back(At(2023, 2, 28));
  dates.push_back(At(1900, 3, 1));
  dates.push_back(At(1601, 1, 1, 0, 0, 0));
  dates.push_back(At(1601, 12, 31));
  dates.push_back(At(2038, 1, 19, 3, 14, 7));
  dates.push_back(At(2038, 1, 20));
  dates.push_back(At(9999, 12, 31, 23, 59, 59));
  dates.push_back(At(2005, 5, 1, 7, 5, 9));
  dates.push_back(At(2010, 10, 10, 10, 10, 10));
  dates.push_back(At(1999, 12, 31, 23, 0, 0));
  dates.push_back(At(2001, 8, 19, 19, 19, 19));
  return dates;
}

// Month names come before a day number as well as after one, with and
// without text between. Left out are Wine's own oddities, where the host
// keeps the platform's documented behaviour: a month name followed by a day
// name with no day field before it (Wine's choice of form there depends on
// what lies in memory after the picture), runs of more than one "g" (Wine
// repeats the era once per letter), 29 February of a common year (Wine
// formats 1 March; the host's callers never pass such a date) and years past
// 30827 (the platform's SYSTEMTIME range ends there).
const char16_t* const kDatePictures[] = {
    u"d", u"dd", u"ddd", u"dddd", u"M", u"MM", u"MMM", u"MMMM", u"y", u"yy", u"yyyy", u"g",
    u"yyy", u"yyyyy", u"dddddd", u"MMMMM", u"d MMMM yyyy g",
    u"d MMMM", u"dd MMMM", u"d MMM", u"dd MMM yyyy", u"MMMM d", u"MMMM dd", u"MMM d",
    u"MMMM, d", u"MMMM yyyy", u"MMMM d, yyyy", u"dddd, MMMM d, yyyy", u"d MMMM yyyy",
    u"dddd, d MMMM yyyy", u"dddd d MMMM", u"ddd, d MMM yy", u"d dddd MMMM", u"dddd MMMM",
    u"ddd MMM", u"dd.MM.yyyy", u"M/d/yyyy", u"MM/dd/yy", u"yyyy-MM-dd", u"d.M.y",
    u"d MMMM yyyy 'г.'", u"'Сегодня' d MMMM", u"d 'of' MMMM", u"'d' MMMM", u"MMMM 'd' d",
    u"d 'it''s' MMMM", u"d ''MMMM''", u"yyyy 'open", u"d, MMMM d MMMM", u"MMMM d MMMM",
    u"dd/MM - dddd", u"", u"MMMMd", u"MMMMdd", u"MMMdd", u"MMMM'x'd", u"dMMMM", u"MMMMdddd",
    u"ddMMMyyyy", u"MMMMd, yyyy",
};

const char16_t* const kTimePictures[] = {
    u"h", u"hh", u"H", u"HH", u"m", u"mm", u"s", u"ss", u"t", u"tt",
    u"H:mm", u"HH:mm:ss", u"h:mm tt", u"hh:mm:ss tt", u"h:mm t", u"tt h:mm",
    u"'в' H:mm", u"H 'ч' mm 'мин'", u"HH''mm", u"H 'o''clock'",
};

// The platform's text with the narrow no-break space the platform layer turns
// into a plain space turned the same way.
std::u16string Platform(int written, const wchar_t* text) {
  if (written == 0) return u"<fail>";
  std::u16string out = pf::win32::U(text);
  for (char16_t& c : out) {
    if (c == 0x202F) c = u' ';
  }
  return out;
}

// The platform reads a picture in a buffer that is clear after it: Wine 8
// looks past the terminator for a day number after a month name.
struct Picture {
  explicit Picture(const char16_t* text) : buffer(256, 0) {
    std::u16string(text).copy(buffer.data(), buffer.size() - 1);
  }
  const wchar_t* get() const { return W(buffer.data()); }
  std::u16string buffer;
};

std::u16string PlatformDate(LCID lcid, DWORD flags, const pf::SYSTEMTIME& t, const char16_t* picture) {
  const ::SYSTEMTIME win = pf::win32::ToWinTime(t);
  wchar_t out[256] = {};
  if (picture == nullptr) return Platform(::GetDateFormatW(lcid, flags, &win, nullptr, out, 256), out);
  Picture clear(picture);
  return Platform(::GetDateFormatW(lcid, flags, &win, clear.get(), out, 256), out);
}

std::u16string PlatformTime(LCID lcid, const pf::SYSTEMTIME& t, const char16_t* picture) {
  const ::SYSTEMTIME win = pf::win32::ToWinTime(t);
  wchar_t out[256] = {};
  if (picture == nullptr) return Platform(::GetTimeFormatW(lcid, 0, &win, nullptr, out, 256), out);
  Picture clear(picture);
  return Platform(::GetTimeFormatW(lcid, 0, &win, clear.get(), out, 256), out);
}

// Collects the differences, at most a screenful of them.
class Differences {
 public:
  void Check(const Language& lang, const pf::SYSTEMTIME& t, const char16_t* picture,
             const std::u16string& host, const std::u16string& platform) {
    ++compared_;
    if (host == platform) return;
    if (++count_ > 40) return;
    text_ << lang.name << " " << t.wYear << "-" << t.wMonth << "-" << t.wDay << " " << t.wHour
          << ":" << t.wMinute << ":" << t.wSecond << " [" << Utf8(picture) << "]: host \""
          << Utf8(host) << "\", platform \"" << Utf8(platform) << "\"\n";
  }
  int Count() const { return count_; }
  int Compared() const { return compared_; }
  std::string Text() const { return text_.str(); }

 private:
  int count_ = 0;
  int compared_ = 0;
  std::ostringstream text_;
};

// Every picture of a list in every language on every date, through the
// host's expansion and the platform's call.
template <std::size_t N, typename Host, typename Platform>
void ComparePictures(const char16_t* const (&pictures)[N], Host host, Platform platform,
                     Differences& differences) {
  for (const Language& lang : kLanguages) {
    for (const pf::SYSTEMTIME& t : Dates()) {
      for (const char16_t* picture : pictures) {
        differences.Check(lang, t, picture, host(lang.host, t, picture),
                          platform(lang.lcid, t, picture));
      }
    }
  }
}

TEST(HostFormatter, DateAndTimePicturesAgreeWithThePlatform) {
  Differences differences;
  ComparePictures(kDatePictures, pf::host::ExpandDatePicture,
                  [](LCID lcid, const pf::SYSTEMTIME& t, const char16_t* picture) {
                    return PlatformDate(lcid, 0, t, picture);
                  },
                  differences);
  ComparePictures(kTimePictures, pf::host::ExpandTimePicture, PlatformTime, differences);
  EXPECT_GE(differences.Compared(), 40 * 30 * 2);
  EXPECT_EQ(differences.Count(), 0) << differences.Text();
}

// The locale's own forms; the Russian long date is the device's regional one
// that the test prefix carries as the user locale's setting.
TEST(HostFormatter, TheLocalesOwnFormsAgreeWithThePlatform) {
  Differences differences;
  for (const Language& lang : kLanguages) {
    for (const pf::SYSTEMTIME& t : Dates()) {
      const HostLanguage host = lang.host;
      differences.Check(lang, t, u"<long date>",
                        pf::host::ExpandDatePicture(host, t, pf::host::LongDatePicture(host)),
                        PlatformDate(lang.lcid, DATE_LONGDATE, t, nullptr));
      differences.Check(lang, t, u"<short date>",
                        pf::host::ExpandDatePicture(host, t, pf::host::ShortDatePicture(host)),
                        PlatformDate(lang.lcid, DATE_SHORTDATE, t, nullptr));
      differences.Check(lang, t, u"<time>",
                        pf::host::ExpandTimePicture(host, t, pf::host::TimePicture(host)),
                        PlatformTime(lang.lcid, t, nullptr));
    }
  }
  EXPECT_EQ(differences.Count(), 0) << differences.Text();
}

}  // namespace
}  // namespace ostrel::wintest
