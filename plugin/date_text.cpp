// The two date texts, each in its own pattern (empty = the long date).
#include "platform/locale.h"
#include "platform/text.h"
#include "plugin/status_state.h"

namespace ostrel {

namespace {

// Today's date in the system locale; a pattern the formatter rejects, or a
// result that does not fit, leaves the text empty and gives false.
bool FormatDateText(const char16_t* pattern, char16_t* out) {
  int written = 0;
  if (pattern[0] == 0) {
    written = pf::GetDateFormatW(pf::LOCALE_SYSTEM_DEFAULT, pf::DATE_LONGDATE, nullptr, nullptr,
                                 out, kDateTextCapacity);
  } else {
    written = pf::GetDateFormatW(pf::LOCALE_SYSTEM_DEFAULT, 0, nullptr, pattern, out,
                                 kDateTextCapacity);
  }
  if (written == 0) pf::ClearText(out, kDateTextCapacity);
  return written != 0;
}

// Formats the texts named by `which` (bit 0: the first, bit 1: the second);
// returns the bits of those the formatter refused.
std::int32_t FormatSome(const DateSettings& settings, StatusState& status, std::int32_t which) {
  std::int32_t refused = 0;
  if ((which & 1) != 0 && !FormatDateText(settings.Format1, status.DateText1)) refused |= 1;
  if ((which & 2) != 0 && !FormatDateText(settings.Format2, status.DateText2)) refused |= 2;
  return refused;
}

}  // namespace

void FormatDateTexts(const DateSettings& settings, StatusState& status) {
  status.DateRefused = FormatSome(settings, status, 3);
}

int RetryRefusedDates(const DateSettings& settings, StatusState& status) {
  const std::int32_t before = status.DateRefused;
  if (before == 0) return 0;
  status.DateRefused = FormatSome(settings, status, before);
  return status.DateRefused != before ? 1 : 0;
}

}  // namespace ostrel
