// What one run of a fault scenario leaves behind, written by the run's process and compared by the sweep with the clean run's.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace ostrel::faults {

// The reasons a run fails, in the order the summary lists them.
enum class Failure { Crash, Sanitizer, Hang, Leak, NoRecovery, InconsistentStore };
constexpr int kFailureKinds = 6;
const char* FailureName(int kind);

struct RunRecord {
  bool finished = false;                // the scenario ran to its end
  long calls = 0;                       // the project's calls counted
  std::string failedCall;               // "Service.Method" of the failed call, empty when none failed
  std::map<std::string, long> held;     // objects and handles still held after the run, by kind
  std::vector<std::string> pictures;    // a digest of each page's picture (the item)
  std::vector<std::string> stored;      // the stored settings after each phase, "phase [key] name=value"
  std::vector<std::string> problems;    // "kind: detail" found by the scenario itself
  std::vector<std::string> trace;       // the clean run's calls, "Service.Method 0|1" (1: can fail)

  void Problem(Failure kind, const std::string& detail);
};

bool WriteRecord(const RunRecord& record, const std::string& path);
bool ReadRecord(const std::string& path, RunRecord* record);

// The failures of a finished run against the clean run: handles held beyond
// it, pictures that differ, and the problems the scenario found itself.
struct Finding {
  Failure kind;
  std::string detail;
};
std::vector<Finding> Compare(const RunRecord& clean, const RunRecord& run);

}  // namespace ostrel::faults
