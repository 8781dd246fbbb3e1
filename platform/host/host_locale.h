// Host stand-in for the locale service: the platform's picture formatting
// for Russian (the default) and US English, with the outputs the win32 layer
// gives under Wine for the same locales.
#pragma once

#include "platform/host/date_pictures.h"
#include "platform/locale.h"

namespace pf::host {

class HostLocale : public LocaleService {
 public:
  int GetTimeFormatW(LCID locale, std::uint32_t flags, const SYSTEMTIME* time,
                     const char16_t* format, char16_t* out, int size) override;
  int GetDateFormatW(LCID locale, std::uint32_t flags, const SYSTEMTIME* date,
                     const char16_t* format, char16_t* out, int size) override;
  int GetLocaleInfoW(LCID locale, std::uint32_t type, char16_t* out, int size) override;

  // The language of both the system and the user default locale. Explicit
  // locale ids 0x0419 (Russian) and 0x0409 (US English) are known as well.
  void SetLanguage(HostLanguage language) { systemLanguage_ = userLanguage_ = language; }
  // The user default locale alone (the system locale stays).
  void SetUserLanguage(HostLanguage language) { userLanguage_ = language; }
  HostLanguage SystemLanguage() const { return systemLanguage_; }
  HostLanguage UserLanguage() const { return userLanguage_; }

 private:
  HostLanguage systemLanguage_ = HostLanguage::Russian;
  HostLanguage userLanguage_ = HostLanguage::Russian;
};

HostLocale& HostLocaleService();

}  // namespace pf::host
