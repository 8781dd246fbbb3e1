// Host stand-in for the clock service: a settable local time and FILETIME conversions.
#include "platform/host/host_clock.h"

#include <chrono>
#include <ctime>

namespace pf::host {

namespace {

constexpr std::int64_t kTicksPerMillisecond = 10000;
constexpr std::int64_t kTicksPerSecond = 10000000;
// Days from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kEpochDays1970 = 134774;
constexpr std::uint64_t kTopBit = 1ULL << 63;

}  // namespace

bool IsValidSystemTime(const SYSTEMTIME& t) {
  return t.wYear >= 1601 && t.wYear <= 30827 && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 &&
         t.wDay <= DaysInMonth(t.wYear, t.wMonth) && t.wHour < 24 && t.wMinute < 60 &&
         t.wSecond < 60 && t.wMilliseconds < 1000;
}

std::uint64_t TicksFromSystemTime(const SYSTEMTIME& t) {
  std::int64_t days = DaysFromCivil(t.wYear, t.wMonth, t.wDay) + kEpochDays1970;
  std::int64_t seconds = days * 86400 + t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
  return static_cast<std::uint64_t>(seconds * kTicksPerSecond + t.wMilliseconds * kTicksPerMillisecond);
}

SYSTEMTIME SystemTimeFromTicks(std::uint64_t ticks) {
  const auto total = static_cast<std::int64_t>(ticks);
  std::int64_t days = total / kFileTimeDay;
  std::int64_t rest = total % kFileTimeDay;
  int year = 0, month = 0, day = 0;
  CivilFromDays(days - kEpochDays1970, &year, &month, &day);
  SYSTEMTIME t;
  t.wYear = static_cast<std::uint16_t>(year);
  t.wMonth = static_cast<std::uint16_t>(month);
  t.wDay = static_cast<std::uint16_t>(day);
  t.wDayOfWeek = static_cast<std::uint16_t>(WeekdayOf(year, month, day));
  t.wHour = static_cast<std::uint16_t>(rest / (3600 * kTicksPerSecond));
  rest %= 3600 * kTicksPerSecond;
  t.wMinute = static_cast<std::uint16_t>(rest / (60 * kTicksPerSecond));
  rest %= 60 * kTicksPerSecond;
  t.wSecond = static_cast<std::uint16_t>(rest / kTicksPerSecond);
  rest %= kTicksPerSecond;
  t.wMilliseconds = static_cast<std::uint16_t>(rest / kTicksPerMillisecond);
  return t;
}

std::uint64_t HostClock::NowTicks() const {
  if (fixed_) return ticks_;
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  SYSTEMTIME t;
  t.wYear = static_cast<std::uint16_t>(local.tm_year + 1900);
  t.wMonth = static_cast<std::uint16_t>(local.tm_mon + 1);
  t.wDay = static_cast<std::uint16_t>(local.tm_mday);
  t.wHour = static_cast<std::uint16_t>(local.tm_hour);
  t.wMinute = static_cast<std::uint16_t>(local.tm_min);
  // A leap second shows as the last second of its minute.
  t.wSecond = static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec);
  t.wMilliseconds = static_cast<std::uint16_t>(ms < 0 ? 0 : ms);
  return TicksFromSystemTime(t);
}

void HostClock::GetLocalTime(SYSTEMTIME* time) {
  if (time != nullptr) *time = SystemTimeFromTicks(NowTicks());
}

int HostClock::SystemTimeToFileTime(const SYSTEMTIME* time, FILETIME* fileTime) {
  if (time == nullptr || fileTime == nullptr || !IsValidSystemTime(*time)) return 0;
  *fileTime = MakeFileTime(TicksFromSystemTime(*time));
  return 1;
}

int HostClock::FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* time) {
  if (fileTime == nullptr || time == nullptr) return 0;
  const std::uint64_t ticks = FileTimeTicks(*fileTime);
  if (ticks & kTopBit) return 0;
  *time = SystemTimeFromTicks(ticks);
  return 1;
}

bool HostClock::SetLocalTime(const SYSTEMTIME& time) {
  if (!IsValidSystemTime(time)) return false;
  ticks_ = TicksFromSystemTime(time);
  fixed_ = true;
  return true;
}

void HostClock::Advance(std::int64_t seconds) {
  const std::uint64_t now = NowTicks();
  fixed_ = true;
  const std::int64_t delta = seconds * kTicksPerSecond;
  if (delta < 0 && static_cast<std::uint64_t>(-delta) > now) {
    ticks_ = 0;  // not before 1601-01-01
  } else if (delta > 0 && static_cast<std::uint64_t>(delta) >= kTopBit - now) {
    ticks_ = kTopBit - 1;  // not past the last time FileTimeToSystemTime converts
  } else {
    ticks_ = now + static_cast<std::uint64_t>(delta);
  }
}

HostClock& HostClockService() {
  static HostClock clock;
  return clock;
}

}  // namespace pf::host

namespace pf {
ClockService& PlatformClock() { return host::HostClockService(); }
}  // namespace pf
