// The two date texts, each in its own pattern (empty = the long date).
#include "platform/locale.h"
#include "platform/text.h"
#include "plugin/status_state.h"

namespace ostrel {

namespace {

// Today's date in the system locale; a pattern the formatter rejects, or a
// result that does not fit, leaves the text empty.
void FormatDateText(const char16_t* pattern, char16_t* out) {
  int written = 0;
  if (pattern[0] == 0) {
    written = pf::GetDateFormatW(pf::LOCALE_SYSTEM_DEFAULT, pf::DATE_LONGDATE, nullptr, nullptr,
                                 out, kDateTextCapacity);
  } else {
    written = pf::GetDateFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, nullptr, pattern, out,
                                 kDateTextCapacity);
  }
  if (written == 0) pf::ClearText(out, kDateTextCapacity);
}

}  // namespace

void FormatDateTexts(const DateSettings& settings, StatusState& status) {
  FormatDateText(settings.Format1, status.DateText1);
  FormatDateText(settings.Format2, status.DateText2);
}

}  // namespace ostrel
