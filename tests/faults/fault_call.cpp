// The fault layer's count of the project's calls, the current caller and the window procedures wrapped by caller.
#include "tests/faults/fault_call.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace pf::faults {

namespace {

Caller g_caller = Caller::Test;
ServiceSwitch g_switch = nullptr;
void* g_services = nullptr;

void UseServicesOf(Caller caller) {
  if (g_switch != nullptr) g_switch(g_services, caller == Caller::Project);
}

// A fixed set of procedure slots: each slot's trampoline runs the procedure
// registered in it as the caller that registered it.
struct Slot {
  WNDPROC procedure = nullptr;
  Caller caller = Caller::Test;
};
constexpr int kSlots = 16;
Slot g_slots[kSlots];

template <int I>
LRESULT Trampoline(WindowHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
  AsCaller caller(g_slots[I].caller);
  return g_slots[I].procedure(window, message, wParam, lParam);
}

template <int... I>
constexpr WNDPROC TrampolineAt(int slot, std::integer_sequence<int, I...>) {
  constexpr WNDPROC all[] = {&Trampoline<I>...};
  return all[slot];
}

// A class registered while a counted call is forwarded was registered by the
// project (the decorator forwards the project's calls as StandIn).
WNDPROC SlotFor(WNDPROC procedure, Caller caller) {
  if (caller == Caller::StandIn) caller = Caller::Project;
  for (int i = 0; i < kSlots; ++i) {
    Slot& slot = g_slots[i];
    if (slot.procedure == nullptr) slot = Slot{procedure, caller};
    if (slot.procedure == procedure && slot.caller == caller) {
      return TrampolineAt(i, std::make_integer_sequence<int, kSlots>{});
    }
  }
  std::abort();  // more window procedures than the fault layer has slots for
}

}  // namespace

Caller CurrentCaller() { return g_caller; }

void FollowCaller(ServiceSwitch change, void* services) {
  g_switch = change;
  g_services = services;
  UseServicesOf(g_caller);
}

AsCaller::AsCaller(Caller caller) : previous_(g_caller) {
  g_caller = caller;
  UseServicesOf(caller);
}
AsCaller::~AsCaller() {
  g_caller = previous_;
  UseServicesOf(previous_);
}

bool FaultPlan::Counting(const Call& call) const {
  if (paused_ || CurrentCaller() != Caller::Project) return false;
  return only_ == nullptr || std::strcmp(only_, call.service) == 0;
}

bool FaultPlan::Next(const Call& call, bool canFail) {
  ++counted_;
  if (tracing_) calls_.push_back(Traced{call, canFail});
  if (!canFail || failed_ || counted_ != failing_) return false;
  failed_ = true;
  failedCall_ = call;
  return true;
}

ProcedureOfCaller::ProcedureOfCaller(const WNDCLASSW* windowClass) : original_(windowClass) {
  if (windowClass == nullptr) return;
  wrapped_ = *windowClass;
  if (wrapped_.lpfnWndProc != nullptr) wrapped_.lpfnWndProc = SlotFor(wrapped_.lpfnWndProc, CurrentCaller());
}

}  // namespace pf::faults
