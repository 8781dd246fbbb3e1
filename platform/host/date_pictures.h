// The platform's date and time pictures for Russian and US English: the
// language tables and the expansion of a picture into text, with nothing of
// the locale service around them (no clock, no size rules), so that the
// same code can be set beside the platform's own formatter.
#pragma once

#include <string>

#include "platform/clock.h"

namespace pf::host {

enum class HostLanguage { Russian, English };

// The locale's own pictures.
const char16_t* ShortDatePicture(HostLanguage language);
const char16_t* LongDatePicture(HostLanguage language);
const char16_t* TimePicture(HostLanguage language);
// Abbreviated day name, 0 = Sunday .. 6 = Saturday.
const char16_t* AbbreviatedDayName(HostLanguage language, int weekday);

// Expands a picture for a valid date or time: runs of field letters become
// fields, text in single quotes is copied ('' inside quotes is one quote; a
// quote left open runs to the end), every other character is copied as it is.
std::u16string ExpandDatePicture(HostLanguage language, const SYSTEMTIME& date,
                                 const char16_t* picture);
std::u16string ExpandTimePicture(HostLanguage language, const SYSTEMTIME& time,
                                 const char16_t* picture);

}  // namespace pf::host
