// The fault scenarios: the Today item's life in the shell, the settings program's session and its failed saves.
#pragma once

#include <string>
#include <vector>

#include "tests/faults/fault_call.h"
#include "tests/faults/run_record.h"

namespace ostrel::faults {

// What every scenario's process is given: the device folder (made once by
// the sweep) and the source tree (for the item's state images).
struct ScenarioContext {
  std::string deviceRoot;
};

struct Scenario {
  std::string name;     // the summary's scenario: item, settings, failed_save
  std::string variant;  // the session within it ("" when there is one)
  // Runs the whole scenario in this process under plan and records what is left.
  void (*run)(const ScenarioContext& context, const std::string& variant, pf::faults::FaultPlan& plan,
              RunRecord& record);
  // The registry operations of the save are the only calls counted.
  bool saveOnly = false;
};

// Every scenario and session the sweep runs, in order.
std::vector<Scenario> AllScenarios();

void RunItemScenario(const ScenarioContext& context, const std::string& variant, pf::faults::FaultPlan& plan,
                     RunRecord& record);
void RunSettingsScenario(const ScenarioContext& context, const std::string& variant, pf::faults::FaultPlan& plan,
                         RunRecord& record);
void RunFailedSaveScenario(const ScenarioContext& context, const std::string& variant, pf::faults::FaultPlan& plan,
                           RunRecord& record);

// What every scenario records at its end: the objects and handles the host
// stand-ins still hold, by kind.
void RecordHeld(RunRecord& record);

}  // namespace ostrel::faults
