// Host stand-in for GetTimeFormatW, GetDateFormatW and GetLocaleInfoW.
#include "platform/host/host_locale.h"

#include <string>

#include "platform/host/call_faults.h"
#include "platform/host/date_pictures.h"
#include "platform/host/host_clock.h"

namespace pf::host {

namespace {

constexpr LCID kRussianLcid = 0x0419;
constexpr LCID kEnglishLcid = 0x0409;

// Delivers a text with the platform's size rules: returns the units written
// with the terminator; size 0 asks for the size. A text that does not fit is
// cut, terminated, and reported as 0.
int Deliver(const std::u16string& text, char16_t* out, int size) {
  const int needed = static_cast<int>(text.size()) + 1;
  if (size == 0) return needed;
  const int count = needed <= size ? needed - 1 : size - 1;
  for (int i = 0; i < count; ++i) out[i] = text[static_cast<std::size_t>(i)];
  out[count] = 0;
  return needed <= size ? needed : 0;
}

bool IsValidDate(const SYSTEMTIME& t) {
  return t.wYear >= 1601 && t.wYear <= 30827 && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 &&
         t.wDay <= DaysInMonth(t.wYear, t.wMonth);
}

bool IsValidTime(const SYSTEMTIME& t) {
  return t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

SYSTEMTIME GivenOrNow(const SYSTEMTIME* given) {
  SYSTEMTIME now;
  if (given != nullptr) return *given;
  pf::GetLocalTime(&now);
  return now;
}

// The language of a locale id; false for one the host does not know.
bool FindLanguage(LCID locale, HostLanguage system, HostLanguage user, HostLanguage* language) {
  if (locale == LOCALE_SYSTEM_DEFAULT) {
    *language = system;
  } else if (locale == LOCALE_USER_DEFAULT) {
    *language = user;
  } else if (locale == kRussianLcid) {
    *language = HostLanguage::Russian;
  } else if (locale == kEnglishLcid) {
    *language = HostLanguage::English;
  } else {
    return false;
  }
  return true;
}

bool BadOutput(char16_t* out, int size) { return size < 0 || (size > 0 && out == nullptr); }

}  // namespace

int HostLocale::GetTimeFormatW(LCID locale, std::uint32_t, const SYSTEMTIME* time,
                               const char16_t* format, char16_t* out, int size) {
  HostLanguage language;
  if (!FindLanguage(locale, systemLanguage_, userLanguage_, &language) || BadOutput(out, size)) {
    return 0;
  }
  const SYSTEMTIME t = GivenOrNow(time);
  if (!IsValidTime(t)) return 0;
  const char16_t* picture = format != nullptr ? format : TimePicture(language);
  return Deliver(ExpandTimePicture(language, t, picture), out, size);
}

int HostLocale::GetDateFormatW(LCID locale, std::uint32_t flags, const SYSTEMTIME* date,
                               const char16_t* format, char16_t* out, int size) {
  if (CallFails("GetDateFormatW")) return 0;
  HostLanguage language;
  if (!FindLanguage(locale, systemLanguage_, userLanguage_, &language) || BadOutput(out, size)) {
    return 0;
  }
  const std::uint32_t forms = flags & (DATE_SHORTDATE | DATE_LONGDATE);
  // A picture excludes the format flags, and the two forms exclude each other.
  if (forms == (DATE_SHORTDATE | DATE_LONGDATE) || (format != nullptr && forms != 0)) return 0;
  const SYSTEMTIME t = GivenOrNow(date);
  if (!IsValidDate(t)) return 0;
  const char16_t* picture = format;
  if (picture == nullptr) {
    picture = forms == DATE_LONGDATE ? LongDatePicture(language) : ShortDatePicture(language);
  }
  return Deliver(ExpandDatePicture(language, t, picture), out, size);
}

int HostLocale::GetLocaleInfoW(LCID locale, std::uint32_t type, char16_t* out, int size) {
  if (CallFails("GetLocaleInfoW")) return 0;
  HostLanguage language;
  if (!FindLanguage(locale, systemLanguage_, userLanguage_, &language) || BadOutput(out, size)) {
    return 0;
  }
  if (type < LOCALE_SABBREVDAYNAME1 || type > LOCALE_SABBREVDAYNAME7) return 0;
  // LOCALE_SABBREVDAYNAME1 is Monday; the names are counted from Sunday.
  const int weekday = static_cast<int>((type - LOCALE_SABBREVDAYNAME1 + 1) % 7);
  const std::u16string name = AbbreviatedDayName(language, weekday);
  // Unlike the formatters, a name that does not fit is not written at all.
  if (size != 0 && static_cast<int>(name.size()) + 1 > size) return 0;
  return Deliver(name, out, size);
}

HostLocale& HostLocaleService() {
  static HostLocale locale;
  return locale;
}

}  // namespace pf::host

namespace pf {
LocaleService& PlatformLocale() { return host::HostLocaleService(); }
}  // namespace pf
