// The platform's date and time pictures: language tables and picture expansion.
#include "platform/host/date_pictures.h"

#include "platform/host/civil_days.h"

namespace pf::host {

namespace {

// Names are indexed as the platform's fields: days Sunday first (wDayOfWeek),
// months January first.
struct LanguageData {
  const char16_t* dayNames[7];
  const char16_t* abbrevDayNames[7];
  const char16_t* monthNames[12];
  const char16_t* genitiveMonthNames[12];
  const char16_t* abbrevMonthNames[12];
  const char16_t* genitiveAbbrevMonthNames[12];
  const char16_t* era;
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
    u"н. э.",
    u"AM",
    u"PM",
    u"HH:mm:ss",
    u"dd.MM.yyyy",
    u"d MMMM yyyy 'г.'",
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
    u"AD",
    u"AM",
    u"PM",
    u"h:mm:ss tt",
    u"M/d/yyyy",
    u"dddd, MMMM d, yyyy",
};

// The text being written.
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
  std::u16string Text() const { return text_; }

 private:
  std::u16string text_;
};

enum class Fields { Time, Date };

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
    case u'g':  // the era, once for the whole run
      out.Put(lang.era);
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
  return c == u'd' || c == u'M' || c == u'y' || c == u'g';
}

// The length of the run of c that starts at p.
int RunLength(const char16_t* p, char16_t c) {
  int run = 0;
  while (p[run] == c) ++run;
  return run;
}

// Expands a picture (see ExpandDatePicture). A month name takes its genitive
// form when the nearest day field before it is a day number ("d MMMM",
// "dddd, d MMMM"), not after a day name ("d dddd MMMM"), or when a day number
// follows it with nothing between ("MMMMd", "MMMMdd"; not "MMMM d" nor
// "MMMMdddd").
void ExpandPicture(const LanguageData& lang, const SYSTEMTIME& t, const char16_t* picture,
                   Fields fields, Output& out) {
  int lastDayRun = 0;  // the length of the last day field so far
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
    int run = RunLength(p, *p);
    if (fields == Fields::Time) {
      PutTimeField(lang, t, *p, run, out);
    } else {
      int nextDayRun = RunLength(p + run, u'd');
      bool genitive = lastDayRun == 1 || lastDayRun == 2 || nextDayRun == 1 || nextDayRun == 2;
      PutDateField(lang, t, *p, run, genitive, out);
      if (*p == u'd') lastDayRun = run;
    }
    p += run;
  }
}

const LanguageData& DataOf(HostLanguage language) {
  return language == HostLanguage::Russian ? kRussian : kEnglish;
}

}  // namespace

const char16_t* ShortDatePicture(HostLanguage language) { return DataOf(language).shortDate; }
const char16_t* LongDatePicture(HostLanguage language) { return DataOf(language).longDate; }
const char16_t* TimePicture(HostLanguage language) { return DataOf(language).timeFormat; }

const char16_t* AbbreviatedDayName(HostLanguage language, int weekday) {
  return DataOf(language).abbrevDayNames[weekday];
}

std::u16string ExpandDatePicture(HostLanguage language, const SYSTEMTIME& date,
                                 const char16_t* picture) {
  Output out;
  ExpandPicture(DataOf(language), date, picture, Fields::Date, out);
  return out.Text();
}

std::u16string ExpandTimePicture(HostLanguage language, const SYSTEMTIME& time,
                                 const char16_t* picture) {
  Output out;
  ExpandPicture(DataOf(language), time, picture, Fields::Time, out);
  return out.Text();
}

}  // namespace pf::host
