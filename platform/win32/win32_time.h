// Conversions between our time records and the platform's (same fields).
#pragma once

#include "platform/win32/win32.h"

namespace pf::win32 {

inline ::SYSTEMTIME ToWinTime(const pf::SYSTEMTIME& t) {
  ::SYSTEMTIME out;
  out.wYear = t.wYear;
  out.wMonth = t.wMonth;
  out.wDayOfWeek = t.wDayOfWeek;
  out.wDay = t.wDay;
  out.wHour = t.wHour;
  out.wMinute = t.wMinute;
  out.wSecond = t.wSecond;
  out.wMilliseconds = t.wMilliseconds;
  return out;
}

inline pf::SYSTEMTIME FromWinTime(const ::SYSTEMTIME& t) {
  pf::SYSTEMTIME out;
  out.wYear = t.wYear;
  out.wMonth = t.wMonth;
  out.wDayOfWeek = t.wDayOfWeek;
  out.wDay = t.wDay;
  out.wHour = t.wHour;
  out.wMinute = t.wMinute;
  out.wSecond = t.wSecond;
  out.wMilliseconds = t.wMilliseconds;
  return out;
}

inline ::FILETIME ToWinFileTime(const pf::FILETIME& t) {
  ::FILETIME out;
  out.dwLowDateTime = t.dwLowDateTime;
  out.dwHighDateTime = t.dwHighDateTime;
  return out;
}

inline pf::FILETIME FromWinFileTime(const ::FILETIME& t) {
  pf::FILETIME out;
  out.dwLowDateTime = t.dwLowDateTime;
  out.dwHighDateTime = t.dwHighDateTime;
  return out;
}

}  // namespace pf::win32
