// Stand-in calls made to fail on purpose: a small table of call names and countdowns.
#include "platform/host/call_faults.h"

#include <algorithm>
#include <string>
#include <vector>

namespace pf::host {

namespace {

struct PlannedFault {
  std::string name;
  int countdown = 0;  // calls of `name` until the failing one, that one included
};

std::vector<PlannedFault>& Planned() {
  static std::vector<PlannedFault> planned;
  return planned;
}

}  // namespace

void FailCall(std::string_view name, int nth) {
  if (nth > 0) Planned().push_back(PlannedFault{std::string(name), nth});
}

void ClearCallFaults() { Planned().clear(); }

int PlannedCallFaults() { return static_cast<int>(Planned().size()); }

bool CallFails(std::string_view name) {
  std::vector<PlannedFault>& planned = Planned();
  if (planned.empty()) return false;
  bool fails = false;
  for (PlannedFault& fault : planned) {
    if (fault.name == name && fault.countdown > 0 && --fault.countdown == 0) fails = true;
  }
  planned.erase(std::remove_if(planned.begin(), planned.end(),
                               [](const PlannedFault& fault) { return fault.countdown == 0; }),
                planned.end());
  return fails;
}

}  // namespace pf::host
