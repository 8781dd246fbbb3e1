// A run's moves of the host clock, checked before the run: the clock stays in the years it can show and the ticks are bounded.
#include "tools/preview/clock_budget.h"

#include "platform/host/host_clock.h"
#include "tools/preview/preview_options.h"

namespace ostrel::preview {

namespace {

constexpr std::int64_t kTicksPerSecond = 10000000;  // FILETIME ticks

std::int64_t TicksOf(const pf::SYSTEMTIME& time) {
  return static_cast<std::int64_t>(pf::host::TicksFromSystemTime(time));
}

}  // namespace

ClockBudget::ClockBudget() {
  pf::SYSTEMTIME now;
  pf::host::HostClockService().GetLocalTime(&now);
  pf::SYSTEMTIME last{};
  last.wYear = 30827;
  last.wMonth = 12;
  last.wDay = 31;
  last.wHour = 23;
  last.wMinute = 59;
  last.wSecond = 59;
  ticks_ = TicksOf(now);
  latest_ = TicksOf(last);
}

void ClockBudget::Move(std::int64_t seconds, const std::string& what) { Plan(0, seconds, what); }

void ClockBudget::Ticks(std::int64_t count, const std::string& what) { Plan(count, count, what); }

void ClockBudget::TicksAfterMoves(std::int64_t count, std::int64_t seconds, const std::string& what) {
  // count is checked against the budget before it multiplies anything.
  Plan(count, count >= 0 && count <= kMostTicksPerRun ? count * seconds : 0, what);
}

void ClockBudget::Plan(std::int64_t count, std::int64_t seconds, const std::string& what) {
  if (count < 0 || count > kMostTicksPerRun - timerTicks_) {
    throw UsageError(what + ": more than " + std::to_string(kMostTicksPerRun) + " ticks in one run");
  }
  // In whole seconds, so that no product leaves 64 bits.
  if (seconds > (latest_ - ticks_) / kTicksPerSecond || seconds < -(ticks_ / kTicksPerSecond)) {
    throw UsageError(what + ": moves the clock outside 1601-01-01 .. 30827-12-31 23:59:59");
  }
  ticks_ += seconds * kTicksPerSecond;
  timerTicks_ += count;
}

}  // namespace ostrel::preview
