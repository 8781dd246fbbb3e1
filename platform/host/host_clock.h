// Host stand-in for the clock: a settable, advanceable local time and real
// proleptic Gregorian conversions between SYSTEMTIME and FILETIME.
#pragma once

#include <cstdint>

#include "platform/clock.h"
#include "platform/host/civil_days.h"

namespace pf::host {

// The checks SystemTimeToFileTime makes: year 1601..30827, a real day of the
// month, hour, minute, second and milliseconds in range.
bool IsValidSystemTime(const SYSTEMTIME& time);
// FILETIME ticks of a valid time; the result is unspecified for an invalid one.
std::uint64_t TicksFromSystemTime(const SYSTEMTIME& time);
// Any ticks below 2^63; wDayOfWeek is filled.
SYSTEMTIME SystemTimeFromTicks(std::uint64_t ticks);

class HostClock : public ClockService {
 public:
  void GetLocalTime(SYSTEMTIME* time) override;
  int SystemTimeToFileTime(const SYSTEMTIME* time, FILETIME* fileTime) override;
  int FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* time) override;

  // Stops the clock at the given local time (false, and nothing changes, for
  // an invalid time). The clock then moves only by Advance.
  bool SetLocalTime(const SYSTEMTIME& time);
  // Moves the local time by seconds (negative goes back); a clock that runs
  // on the real time is stopped at the current real time first.
  void Advance(std::int64_t seconds);
  // Back to the real local time of the machine (the default).
  void UseRealTime() { fixed_ = false; }
  bool IsFixed() const { return fixed_; }

 private:
  std::uint64_t NowTicks() const;
  bool fixed_ = false;
  std::uint64_t ticks_ = 0;
};

HostClock& HostClockService();

}  // namespace pf::host
