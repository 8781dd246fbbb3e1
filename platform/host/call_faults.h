// Stand-in calls made to fail on purpose: a test names a call and which of its next calls fails.
#pragma once

#include <string_view>

namespace pf::host {

// The nth call of the stand-in call `name` from now on (1: the next one)
// fails the way the platform fails it. A call may be named more than once.
void FailCall(std::string_view name, int nth = 1);
// Forgets every call still to fail.
void ClearCallFaults();
// How many planned failures have not come yet.
int PlannedCallFaults();
// Asked by a stand-in at the start of `name`: true when this call is the one
// to fail (the fault is then used up).
bool CallFails(std::string_view name);

}  // namespace pf::host
