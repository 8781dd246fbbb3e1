// Fuzz harness: ostrelcfg-sim's UI script parsed and played on the settings program (on its defaults), which must end with nothing left open.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/config.h"
#include "fuzz/fuzz_support.h"
#include "platform/draw.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_files.h"
#include "platform/host/host_module.h"
#include "platform/host/host_screen.h"
#include "platform/host/memory_registry.h"
#include "platform/registry.h"
#include "platform/window.h"
#include "tools/ostrelcfg-sim/sim_script.h"

namespace {

using ostrel::fuzz::PropertyBroken;

// Longer scripts only repeat what shorter ones reach, at a higher cost per run.
constexpr std::size_t kMostActions = 40;

std::vector<ostrel::sim::Action> ParsedScript(const std::string& text) {
  try {
    return ostrel::sim::ParseScript(text);
  } catch (const ostrel::sim::InputError&) {
    return {};
  }
}

void PrepareHost() {
  pf::host::HostScreen().SetScreenDpi(96, 96);
  pf::host::HostModule().SetModulePath(u"\\Windows\\ostrelcfg.exe");
  pf::host::HostControlStore().Reset();
  pf::host::HostControlStore().SetScreenSize(240, 320);
  pf::host::HostFileSystem().Reset();
}

void Play(const std::vector<ostrel::sim::Action>& script) {
  std::size_t next = 0;
  pf::host::HostControlStore().SetUserInput([&]() {
    if (next >= script.size()) return false;
    try {
      ostrel::sim::Perform(script[next++]);
    } catch (const ostrel::sim::InputError&) {
      next = script.size();  // the tool stops at the first action it refuses
    }
    return true;
  });
  ostrel::cfg::SettingsProgramMain(pf::ModuleHandle{}, pf::SW_SHOWNORMAL);
  pf::host::HostControlStore().SetUserInput(nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<ostrel::sim::Action> script = ParsedScript(ostrel::fuzz::InputBytes(data, size));
  if (script.empty() || script.size() > kMostActions) return 0;
  pf::host::MemoryRegistry registry;
  pf::SetRegistry(&registry);
  PrepareHost();
  const int liveObjects = pf::LiveDrawingObjects();
  Play(script);
  if (!pf::IsNull(ostrel::cfg::MainWindow())) {
    pf::SendMessageW(ostrel::cfg::MainWindow(), pf::WM_CLOSE, 0, 0);
  }
  pf::host::HostControlStore().Reset();
  pf::SetRegistry(nullptr);
  if (registry.OpenHandleCount() != 0) PropertyBroken("a registry key was left open");
  if (pf::host::HostScreen().OpenScreenContexts() != 0) PropertyBroken("a screen context was not released");
  if (pf::host::HostFileSystem().OpenSearches() != 0) PropertyBroken("a file search was not closed");
  if (pf::LiveDrawingObjects() != liveObjects) PropertyBroken("a font or icon outlived the program");
  return 0;
}
