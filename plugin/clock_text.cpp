// The clock text: the current local time in the pattern chosen by TimeFormat.
#include "platform/locale.h"
#include "platform/text.h"
#include "plugin/status_state.h"

namespace ostrel {

void FormatClockText(const TimeSettings& settings, char16_t* out) {
  static const char16_t* const kPatterns[] = {u"H:mm", u"h:mm", u"HH:mm", u"hh:mm"};
  constexpr std::size_t kPatternCapacity = 16;
  // An unknown TimeFormat leaves the pattern empty.
  const char16_t* base = settings.TimeFormat >= 0 && settings.TimeFormat <= 3
                             ? kPatterns[settings.TimeFormat]
                             : u"";
  char16_t pattern[kPatternCapacity];
  pf::FormatText(pattern, kPatternCapacity, u"%s%s", base,
                 settings.ShowSeconds != 0 ? u":ss" : u"");
  // The system locale, not the user's; no explicit time means now.
  if (pf::GetTimeFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, nullptr, pattern, out,
                         kClockScratchCapacity) == 0) {
    out[0] = 0;
  }
}

}  // namespace ostrel
