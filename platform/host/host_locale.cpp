// Host stand-in for GetTimeFormatW, GetDateFormatW and GetLocaleInfoW.
#include "platform/host/host_locale.h"

#include <string>

#include "platform/host/host_clock.h"

namespace pf::host {

namespace {

constexpr LCID kRussianLcid = 0x0419;
constexpr LCID kEnglishLcid = 0x0409;

// Names are indexed as the platform's fields: days Sunday first (wDayOfWeek),
// months January first.
struct LanguageData {
  const char16_t* dayNames[7];
  const char16_t* abbrevDayNames[7];
  const char16_t* monthNames[12];
  const char16_t* genitiveMonthNames[12];
  const char16_t* abbrevMonthNames[12];
  const char16_t* genitiveAbbrevMonthNames[12];
  const char16_t* am;
  const char16_t* pm;
  const char16_t* timeFormat;
  const char16_t* shortDate;
  const char16_t* longDate;
};

const LanguageData kRussian = {
    {u"воскресенье", u"понедельник", u"вторник", u"среда", u"четверг", u"пятница", u"суббота"},
    {u"вс", u"пн", u"вт", u"ср", u"чт", u"пт", u"сб"},
    {u"январь", u"февраль", u"март", u"апрель", u"май", u"июнь", u"июль", u"август",
     u"сентябрь", u"октябрь", u"ноябрь", u"декабрь"},
    {u"января", u"февраля", u"марта", u"апреля", u"мая", u"июня", u"июля", u"августа",
     u"сентября", u"октября", u"ноября", u"декабря"},
    {u"янв.", u"февр.", u"март", u"апр.", u"май", u"июнь", u"июль", u"авг.", u"сент.", u"окт.",
     u"нояб.", u"дек."},
    {u"янв.", u"февр.", u"мар.", u"апр.", u"мая", u"июн.", u"июл.", u"авг.", u"сент.", u"окт.",
     u"нояб.", u"дек."},
    u"AM",
    u"PM",
    u"HH:mm:ss",
    u"dd.MM.yyyy",
    u"dddd, d MMMM yyyy 'г.'",
};

const LanguageData kEnglish = {
    {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
    {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"},
    {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August",
     u"September", u"October", u"November", u"December"},
    {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August",
     u"September", u"October", u"November", u"December"},
    {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov",
     u"Dec"},
    {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov",
     u"Dec"},
    u"AM",
    u"PM",
    u"h:mm:ss tt",
    u"M/d/yyyy",
    u"dddd, MMMM d, yyyy",
};

// Collects the output and delivers it with the platform's size rules.
class Output {
 public:
  void Put(char16_t c) { text_ += c; }
  void Put(const char16_t* s) { text_ += s; }
  void Number(int value, bool twoDigits) {
    if (twoDigits && value < 10) Put(u'0');
    std::u16string digits;
    do {
      digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
      value /= 10;
    } while (value > 0);
    text_ += digits;
  }
  // Returns the units written with the terminator; size 0 asks for the size.
  // An output that does not fit is cut, terminated, and reported as 0.
  int Deliver(char16_t* out, int size) const {
    const int needed = static_cast<int>(text_.size()) + 1;
    if (size == 0) return needed;
    const int count = needed <= size ? needed - 1 : size - 1;
    for (int i = 0; i < count; ++i) out[i] = text_[static_cast<std::size_t>(i)];
    out[count] = 0;
    return needed <= size ? needed : 0;
  }

 private:
  std::u16string text_;
};

enum class Fields { Time, Date };

// True when the picture has an unquoted day number ("d" or "dd"): month names
// are then written in their genitive form.
bool HasDayNumber(const char16_t* picture) {
  bool quoted = false;
  for (const char16_t* p = picture; *p != 0;) {
    if (*p == u'\'') {
      quoted = !quoted;
      ++p;
      continue;
    }
    int run = 1;
    while (p[run] == *p) ++run;
    if (!quoted && *p == u'd' && run <= 2) return true;
    p += run;
  }
  return false;
}

void PutTimeField(const LanguageData& lang, const SYSTEMTIME& t, char16_t letter, int run,
                  Output& out) {
  const bool pad = run >= 2;
  switch (letter) {
    case u'H': out.Number(t.wHour, pad); break;
    case u'h': out.Number(t.wHour % 12 == 0 ? 12 : t.wHour % 12, pad); break;
    case u'm': out.Number(t.wMinute, pad); break;
    case u's': out.Number(t.wSecond, pad); break;
    default: {  // 't': the whole marker, or its first letter alone
      const char16_t* marker = t.wHour < 12 ? lang.am : lang.pm;
      if (pad) {
        out.Put(marker);
      } else if (marker[0] != 0) {
        out.Put(marker[0]);
      }
      break;
    }
  }
}

void PutDateField(const LanguageData& lang, const SYSTEMTIME& t, char16_t letter, int run,
                  bool genitive, Output& out) {
  const int month = t.wMonth - 1;
  const int weekday = WeekdayOf(t.wYear, t.wMonth, t.wDay);
  switch (letter) {
    case u'd':
      if (run <= 2) {
        out.Number(t.wDay, run == 2);
      } else {
        out.Put(run == 3 ? lang.abbrevDayNames[weekday] : lang.dayNames[weekday]);
      }
      break;
    case u'M':
      if (run <= 2) {
        out.Number(t.wMonth, run == 2);
      } else if (run == 3) {
        out.Put(genitive ? lang.genitiveAbbrevMonthNames[month] : lang.abbrevMonthNames[month]);
      } else {
        out.Put(genitive ? lang.genitiveMonthNames[month] : lang.monthNames[month]);
      }
      break;
    default:  // 'y': two digits for "y" and "yy", all four from "yyy" on
      if (run <= 2) {
        out.Number(t.wYear % 100, true);
      } else {
        out.Number(t.wYear, false);
      }
      break;
  }
}

bool IsFieldLetter(Fields fields, char16_t c) {
  if (fields == Fields::Time) return c == u'H' || c == u'h' || c == u'm' || c == u's' || c == u't';
  return c == u'd' || c == u'M' || c == u'y';
}

// Expands a picture: runs of field letters become fields, text in single
// quotes is copied ('' inside quotes is one quote; a quote left open runs to
// the end), every other character is copied as it is.
void ExpandPicture(const LanguageData& lang, const SYSTEMTIME& t, const char16_t* picture,
                   Fields fields, Output& out) {
  const bool genitive = fields == Fields::Date && HasDayNumber(picture);
  for (const char16_t* p = picture; *p != 0;) {
    if (*p == u'\'') {
      ++p;
      while (*p != 0) {
        if (*p == u'\'' && p[1] == u'\'') {
          out.Put(u'\'');
          p += 2;
        } else if (*p == u'\'') {
          ++p;
          break;
        } else {
          out.Put(*p++);
        }
      }
      continue;
    }
    if (!IsFieldLetter(fields, *p)) {
      out.Put(*p++);
      continue;
    }
    int run = 1;
    while (p[run] == *p) ++run;
    if (fields == Fields::Time) {
      PutTimeField(lang, t, *p, run, out);
    } else {
      PutDateField(lang, t, *p, run, genitive, out);
    }
    p += run;
  }
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

const LanguageData* DataOf(HostLanguage language) {
  return language == HostLanguage::Russian ? &kRussian : &kEnglish;
}

const LanguageData* FindLanguage(LCID locale, HostLanguage system, HostLanguage user) {
  if (locale == LOCALE_SYSTEM_DEFAULT) return DataOf(system);
  if (locale == LOCALE_USER_DEFAULT) return DataOf(user);
  if (locale == kRussianLcid) return &kRussian;
  if (locale == kEnglishLcid) return &kEnglish;
  return nullptr;
}

bool BadOutput(char16_t* out, int size) { return size < 0 || (size > 0 && out == nullptr); }

}  // namespace

int HostLocale::GetTimeFormatW(LCID locale, std::uint32_t, const SYSTEMTIME* time,
                               const char16_t* format, char16_t* out, int size) {
  const LanguageData* lang = FindLanguage(locale, systemLanguage_, userLanguage_);
  if (lang == nullptr || BadOutput(out, size)) return 0;
  const SYSTEMTIME t = GivenOrNow(time);
  if (!IsValidTime(t)) return 0;
  Output text;
  ExpandPicture(*lang, t, format != nullptr ? format : lang->timeFormat, Fields::Time, text);
  return text.Deliver(out, size);
}

int HostLocale::GetDateFormatW(LCID locale, std::uint32_t flags, const SYSTEMTIME* date,
                               const char16_t* format, char16_t* out, int size) {
  const LanguageData* lang = FindLanguage(locale, systemLanguage_, userLanguage_);
  if (lang == nullptr || BadOutput(out, size)) return 0;
  const std::uint32_t forms = flags & (DATE_SHORTDATE | DATE_LONGDATE);
  // A picture excludes the format flags, and the two forms exclude each other.
  if (forms == (DATE_SHORTDATE | DATE_LONGDATE) || (format != nullptr && forms != 0)) return 0;
  const SYSTEMTIME t = GivenOrNow(date);
  if (!IsValidDate(t)) return 0;
  const char16_t* picture = format;
  if (picture == nullptr) picture = forms == DATE_LONGDATE ? lang->longDate : lang->shortDate;
  Output text;
  ExpandPicture(*lang, t, picture, Fields::Date, text);
  return text.Deliver(out, size);
}

int HostLocale::GetLocaleInfoW(LCID locale, std::uint32_t type, char16_t* out, int size) {
  const LanguageData* lang = FindLanguage(locale, systemLanguage_, userLanguage_);
  if (lang == nullptr || BadOutput(out, size)) return 0;
  if (type < LOCALE_SABBREVDAYNAME1 || type > LOCALE_SABBREVDAYNAME7) return 0;
  // LOCALE_SABBREVDAYNAME1 is Monday; the table starts with Sunday.
  const int weekday = static_cast<int>((type - LOCALE_SABBREVDAYNAME1 + 1) % 7);
  Output text;
  text.Put(lang->abbrevDayNames[weekday]);
  const int needed = text.Deliver(nullptr, 0);
  // Unlike the formatters, a name that does not fit is not written at all.
  if (size != 0 && needed > size) return 0;
  return text.Deliver(out, size);
}

HostLocale& HostLocaleService() {
  static HostLocale locale;
  return locale;
}

}  // namespace pf::host

namespace pf {
LocaleService& PlatformLocale() { return host::HostLocaleService(); }
}  // namespace pf
