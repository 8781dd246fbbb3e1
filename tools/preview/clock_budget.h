// A run's moves of the host clock, checked before the run: the clock stays in the years it can show and the ticks are bounded.
#pragma once

#include <cstdint>
#include <string>

namespace ostrel::preview {

// Timer ticks a run may send in all (a tick costs a paint's worth of work).
constexpr std::int64_t kMostTicksPerRun = 10000000;

// Follows the clock from the host clock's present time through a planned
// run without moving it. A move past 1601-01-01 .. 30827-12-31 23:59:59 or a
// tick past kMostTicksPerRun throws UsageError, "WHAT: why".
class ClockBudget {
 public:
  ClockBudget();
  void Move(std::int64_t seconds, const std::string& what);
  void Ticks(std::int64_t count, const std::string& what);
  // `count` ticks, each after a move of `seconds`, checked in one step.
  void TicksAfterMoves(std::int64_t count, std::int64_t seconds, const std::string& what);

 private:
  // count timer ticks and a move of the clock by seconds in all.
  void Plan(std::int64_t count, std::int64_t seconds, const std::string& what);

  std::int64_t ticks_ = 0;       // the planned clock, FILETIME ticks
  std::int64_t latest_ = 0;      // the last second the clock can show
  std::int64_t timerTicks_ = 0;  // timer messages planned so far
};

}  // namespace ostrel::preview
