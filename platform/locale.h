// Locale service: time and date formatting and locale texts.
#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace pf {

using LCID = std::uint32_t;

constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;

// GetDateFormatW flags.
constexpr std::uint32_t DATE_SHORTDATE = 1;
constexpr std::uint32_t DATE_LONGDATE = 2;

// GetLocaleInfoW types: abbreviated day names, 1 = Monday .. 7 = Sunday.
constexpr std::uint32_t LOCALE_SABBREVDAYNAME1 = 0x31;
constexpr std::uint32_t LOCALE_SABBREVDAYNAME7 = 0x37;

class LocaleService {
 public:
  virtual ~LocaleService() = default;
  // The three calls share the platform's conventions: time/date null = now;
  // format null = the locale's own format; size 0 asks for the size needed.
  // They return the number of units written including the terminator, or 0
  // on failure (a bad argument, or an output that does not fit).
  virtual int GetTimeFormatW(LCID locale, std::uint32_t flags, const SYSTEMTIME* time,
                             const char16_t* format, char16_t* out, int size) = 0;
  virtual int GetDateFormatW(LCID locale, std::uint32_t flags, const SYSTEMTIME* date,
                             const char16_t* format, char16_t* out, int size) = 0;
  virtual int GetLocaleInfoW(LCID locale, std::uint32_t type, char16_t* out, int size) = 0;
};

LocaleService& Locale();
void SetLocale(LocaleService* service);
LocaleService& PlatformLocale();

inline int GetTimeFormatW(LCID locale, std::uint32_t flags, const SYSTEMTIME* time,
                          const char16_t* format, char16_t* out, int size) {
  return Locale().GetTimeFormatW(locale, flags, time, format, out, size);
}
inline int GetDateFormatW(LCID locale, std::uint32_t flags, const SYSTEMTIME* date,
                          const char16_t* format, char16_t* out, int size) {
  return Locale().GetDateFormatW(locale, flags, date, format, out, size);
}
inline int GetLocaleInfoW(LCID locale, std::uint32_t type, char16_t* out, int size) {
  return Locale().GetLocaleInfoW(locale, type, out, size);
}

}  // namespace pf
