// The fault layer's counting and the three call shapes every decorated platform method is written with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/control_records.h"
#include "platform/types.h"

namespace pf::faults {

// The platform's "not enough memory" error, what a read or an open reports when memory runs short.
constexpr long kErrorOutOfMemory = 14;

// Who is calling: only the project's own calls are counted. The test's
// parts (the shell played on the host, the scripted user) run as Test; a
// stand-in called by the project runs as StandIn while it works. The
// services in use follow the caller: the decorators while the project runs,
// the plain services while a test part or a stand-in runs, so that neither
// is counted and a stand-in finds the other stand-ins behind the services.
enum class Caller { Test, Project, StandIn };
Caller CurrentCaller();

// Installs the decorators (true) or the plain services (false) of one set.
using ServiceSwitch = void (*)(void* services, bool decorated);
// The set whose services follow the caller from now on (nullptr: none).
void FollowCaller(ServiceSwitch change, void* services);

// Makes the calls of its scope the given caller's, the previous caller's again after.
class AsCaller {
 public:
  explicit AsCaller(Caller caller);
  ~AsCaller();
  AsCaller(const AsCaller&) = delete;
  AsCaller& operator=(const AsCaller&) = delete;

 private:
  Caller previous_;
};

struct Call {
  const char* service;
  const char* method;
};

// Which call fails: the N-th call the project makes (1 = its first), counted
// over every decorated service; 0 fails none. The count can be paused while
// a test looks at the result, and the calls can be traced in order.
class FaultPlan {
 public:
  explicit FaultPlan(long failing = 0) : failing_(failing) {}

  // Counts a call; true when this call is the one to fail.
  bool Next(const Call& call, bool canFail);
  bool Counting(const Call& call) const;
  void Pause(bool paused) { paused_ = paused; }
  // Counts only the calls of one service ("Registry"); nullptr: every service.
  void Only(const char* service) { only_ = service; }
  void Trace(bool on) { tracing_ = on; }

  long Counted() const { return counted_; }
  bool Failed() const { return failed_; }
  const Call& FailedCall() const { return failedCall_; }
  struct Traced {
    Call call;
    bool canFail;
  };
  const std::vector<Traced>& Calls() const { return calls_; }

 private:
  long failing_;
  long counted_ = 0;
  bool paused_ = false;
  bool tracing_ = false;
  const char* only_ = nullptr;
  bool failed_ = false;
  Call failedCall_{"", ""};
  std::vector<Traced> calls_;
};

// The call carried out by the stand-in: whatever it calls itself runs on the
// plain services, counted or not (a paused plan, another service's call), so
// that a stand-in looking for its own service finds it undecorated.
template <class Forward>
auto AsStandIn(Forward forward) {
  AsCaller standIn(Caller::StandIn);
  return forward();
}

// A call that cannot fail: counted, always carried out.
template <class Forward>
auto Passed(FaultPlan& plan, const Call& call, Forward forward) {
  if (plan.Counting(call)) plan.Next(call, false);
  return AsStandIn(forward);
}

// A call that fails without reaching the service, returning failure (and
// doing to its out-parameters what onFailure does).
template <class R, class Forward, class OnFailure>
R Refused(FaultPlan& plan, const Call& call, R failure, Forward forward, OnFailure onFailure) {
  if (plan.Counting(call) && plan.Next(call, true)) {
    onFailure();
    return failure;
  }
  return AsStandIn(forward);
}
template <class R, class Forward>
R Refused(FaultPlan& plan, const Call& call, R failure, Forward forward) {
  return Refused<R>(plan, call, failure, forward, [] {});
}

// A release that fails: the object is released all the same, and the call reports failure.
template <class R, class Forward>
R Released(FaultPlan& plan, const Call& call, R failure, Forward forward) {
  const bool fails = plan.Counting(call) && plan.Next(call, true);
  const R result = AsStandIn(forward);
  return fails ? failure : result;
}

// What a failing text call leaves in its buffer: an empty text.
inline void EmptyText(char16_t* buffer, int capacity) {
  if (buffer != nullptr && capacity > 0) buffer[0] = 0;
}
// What a failing measurement leaves: no character fits, zero extents.
inline void ClearExtent(int* fit, SIZE* size) {
  if (fit != nullptr) *fit = 0;
  if (size != nullptr) *size = SIZE{};
}

// A window class whose procedure runs as the caller registering it, so that
// the project's procedures count their calls wherever they are dispatched
// from and the test's own windows (the Today window) count none.
class ProcedureOfCaller {
 public:
  explicit ProcedureOfCaller(const WNDCLASSW* windowClass);
  const WNDCLASSW* Get() const { return original_ == nullptr ? nullptr : &wrapped_; }

 private:
  const WNDCLASSW* original_;
  WNDCLASSW wrapped_;
};

}  // namespace pf::faults
