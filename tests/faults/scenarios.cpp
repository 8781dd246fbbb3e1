// The list of fault scenarios and what every run records of the handles the host stand-ins still hold.
#include "tests/faults/scenarios.h"

#include "platform/draw.h"
#include "platform/host/host_files.h"
#include "platform/host/host_screen.h"
#include "platform/host/host_shell.h"
#include "platform/host/host_window.h"
#include "platform/host/memory_registry.h"

namespace ostrel::faults {

std::vector<Scenario> AllScenarios() {
  std::vector<Scenario> all = {{"item", "", &RunItemScenario, false}, {"settings", "", &RunSettingsScenario, false}};
  for (const char* session : {"changed", "shrink", "grow"}) {
    for (const char* then : {"/ok", "/cancel"}) {
      all.push_back({"failed_save", std::string(session) + then, &RunFailedSaveScenario, true});
    }
  }
  return all;
}

void RecordHeld(RunRecord& record) {
  record.held["drawing_objects"] = pf::LiveDrawingObjects();
  record.held["screen_contexts"] = pf::host::HostScreen().OpenScreenContexts();
  record.held["registry_handles"] = pf::host::HostRegistry().OpenHandleCount();
  record.held["file_searches"] = pf::host::HostFileSystem().OpenSearches();
  record.held["timers"] = pf::host::HostWindowService().LiveTimers();
  record.held["menus"] = pf::host::HostWindowService().LiveMenus();
  record.held["paints"] = pf::host::HostWindowService().OpenPaints();
  record.held["processes"] = pf::host::HostShellService().OpenProcesses();
  record.held["streams"] = pf::host::HostShellService().OpenStreams();
}

}  // namespace ostrel::faults
