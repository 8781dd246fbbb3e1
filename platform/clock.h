// Clock service: local time and conversions between SYSTEMTIME and FILETIME.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace pf {

// Win32 layout: eight 16-bit fields; wDayOfWeek 0 = Sunday .. 6 = Saturday.
struct SYSTEMTIME {
  std::uint16_t wYear = 0;
  std::uint16_t wMonth = 0;
  std::uint16_t wDayOfWeek = 0;
  std::uint16_t wDay = 0;
  std::uint16_t wHour = 0;
  std::uint16_t wMinute = 0;
  std::uint16_t wSecond = 0;
  std::uint16_t wMilliseconds = 0;
};

// Win32 layout: a 64-bit count of 100-nanosecond units since 1601-01-01,
// split into two 32-bit halves.
struct FILETIME {
  std::uint32_t dwLowDateTime = 0;
  std::uint32_t dwHighDateTime = 0;
};

// One day in FILETIME units.
constexpr std::int64_t kFileTimeDay = 864000000000LL;

inline std::uint64_t FileTimeTicks(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

inline FILETIME MakeFileTime(std::uint64_t ticks) {
  FILETIME time;
  time.dwLowDateTime = static_cast<std::uint32_t>(ticks & 0xFFFFFFFFu);
  time.dwHighDateTime = static_cast<std::uint32_t>(ticks >> 32);
  return time;
}

class ClockService {
 public:
  virtual ~ClockService() = default;
  virtual void GetLocalTime(SYSTEMTIME* time) = 0;
  // Both return non-zero on success. SystemTimeToFileTime rejects fields out
  // of range (wDayOfWeek is ignored); FileTimeToSystemTime rejects values with
  // the top bit set and fills wDayOfWeek.
  virtual int SystemTimeToFileTime(const SYSTEMTIME* time, FILETIME* fileTime) = 0;
  virtual int FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* time) = 0;
};

ClockService& Clock();
void SetClock(ClockService* service);
ClockService& PlatformClock();

inline void GetLocalTime(SYSTEMTIME* time) { Clock().GetLocalTime(time); }
inline int SystemTimeToFileTime(const SYSTEMTIME* time, FILETIME* fileTime) {
  return Clock().SystemTimeToFileTime(time, fileTime);
}
inline int FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* time) {
  return Clock().FileTimeToSystemTime(fileTime, time);
}

}  // namespace pf
