// GetTimeFormatW, GetDateFormatW and GetLocaleInfoW forwarded to the real ones.
#include "platform/locale.h"

namespace {
// Our constants, captured before <windows.h> turns their names into macros.
constexpr std::uint32_t kOurSystemDefault = pf::LOCALE_SYSTEM_DEFAULT;
constexpr std::uint32_t kOurUserDefault = pf::LOCALE_USER_DEFAULT;
constexpr std::uint32_t kOurShortDate = pf::DATE_SHORTDATE;
constexpr std::uint32_t kOurLongDate = pf::DATE_LONGDATE;
constexpr std::uint32_t kOurAbbrevDayName1 = pf::LOCALE_SABBREVDAYNAME1;
constexpr std::uint32_t kOurAbbrevDayName7 = pf::LOCALE_SABBREVDAYNAME7;
}  // namespace

#include "platform/win32/win32_time.h"

static_assert(kOurSystemDefault == LOCALE_SYSTEM_DEFAULT && kOurUserDefault == LOCALE_USER_DEFAULT &&
                  kOurShortDate == DATE_SHORTDATE && kOurLongDate == DATE_LONGDATE &&
                  kOurAbbrevDayName1 == LOCALE_SABBREVDAYNAME1 &&
                  kOurAbbrevDayName7 == LOCALE_SABBREVDAYNAME7,
              "our locale constants are the platform's");

namespace pf::win32 {

namespace {

// The platform's record for an optional time of ours (null stays null).
const ::SYSTEMTIME* OptionalWinTime(const pf::SYSTEMTIME* time, ::SYSTEMTIME* scratch) {
  if (time == nullptr) return nullptr;
  *scratch = ToWinTime(*time);
  return scratch;
}

// The desktop's Russian long date puts a narrow no-break space before "г.",
// a character the item's fonts have no glyph for (it shows as a box); the
// device writes a plain space there.
int WithPlainSpaces(int written, char16_t* out) {
#ifndef UNDER_CE
  for (int i = 0; out != nullptr && i < written; ++i) {
    if (out[i] == 0x202F) out[i] = u' ';
  }
#else
  (void)out;
#endif
  return written;
}

}  // namespace

class Win32Locale : public pf::LocaleService {
 public:
  int GetTimeFormatW(pf::LCID locale, std::uint32_t flags, const pf::SYSTEMTIME* time,
                     const char16_t* format, char16_t* out, int size) override {
    ::SYSTEMTIME scratch;
    return WithPlainSpaces(
        ::GetTimeFormatW(locale, flags, OptionalWinTime(time, &scratch), W(format), W(out), size), out);
  }

  int GetDateFormatW(pf::LCID locale, std::uint32_t flags, const pf::SYSTEMTIME* date,
                     const char16_t* format, char16_t* out, int size) override {
    ::SYSTEMTIME scratch;
    return WithPlainSpaces(
        ::GetDateFormatW(locale, flags, OptionalWinTime(date, &scratch), W(format), W(out), size), out);
  }

  int GetLocaleInfoW(pf::LCID locale, std::uint32_t type, char16_t* out, int size) override {
    return ::GetLocaleInfoW(locale, type, W(out), size);
  }
};

}  // namespace pf::win32

namespace pf {

LocaleService& PlatformLocale() {
  static win32::Win32Locale locale;
  return locale;
}

}  // namespace pf
