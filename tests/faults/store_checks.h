// The stored settings after a run of the settings program, checked against the seed and the clean run's save.
#pragma once

#include <vector>

#include "tests/faults/run_record.h"

namespace ostrel::faults {

// Each stored value equals the seed's or the clean save's; the launcher's
// FileName1..K are an unbroken run; the six Orders are a permutation of
// 0..5; right after a failed save the whole tree is the seed or the clean
// save, and at the end it is what the run expects (the seed after Cancel).
std::vector<Finding> StoreFindings(const RunRecord& clean, const RunRecord& run);

}  // namespace ostrel::faults
