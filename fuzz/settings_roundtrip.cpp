// Fuzz harness: settings loaded from any registry, saved and loaded again, are the same record, as the plug-in and as the settings program load them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/host/host_module.h"
#include "platform/host/memory_registry.h"
#include "platform/host/reg_file.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "settings/settings.h"

namespace {

using ostrel::Deliverable;
using ostrel::Settings;
using ostrel::fuzz::PropertyBroken;

// Byte-wise: every field of these parts is a number or a zero-filled text.
template <typename T>
void ExpectSameBytes(const T& first, const T& second, const std::string& part) {
  const auto* a = reinterpret_cast<const unsigned char*>(&first);
  const auto* b = reinterpret_cast<const unsigned char*>(&second);
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    if (a[i] != b[i]) PropertyBroken(part + " differs after a save at byte " + std::to_string(i));
  }
}

void ExpectSameRecord(const Settings& first, const Settings& second) {
  ExpectSameBytes<ostrel::SettingsBody>(first, second, "the settings body");
  ExpectSameBytes(first.BlockTable, second.BlockTable, "the block table");
  ExpectSameBytes(first.EditSettings, second.EditSettings, "the edited copy");
  if (first.Enabled != second.Enabled) PropertyBroken("Enabled differs after a save");
  if (first.LauncherEntries.size() != second.LauncherEntries.size()) {
    PropertyBroken("the launcher list has " + std::to_string(first.LauncherEntries.size()) + " entries, " +
                   std::to_string(second.LauncherEntries.size()) + " after a save");
  }
  for (std::size_t i = 0; i < first.LauncherEntries.size(); ++i) {
    if (!pf::TextEquals(first.LauncherEntries[i].Path, second.LauncherEntries[i].Path)) {
      PropertyBroken("launcher entry " + std::to_string(i + 1) + " differs after a save");
    }
  }
}

// Imports the bytes into a registry of its own; false when the reader refuses them.
bool LoadSaveLoad(const std::string& bytes, Deliverable owner, const char16_t* modulePath) {
  pf::host::MemoryRegistry registry;
  std::string error;
  if (!pf::host::ImportRegBytes(registry, bytes, "fuzz.reg", &error)) return false;
  pf::host::HostModule().SetModulePath(modulePath);
  pf::SetRegistry(&registry);
  Settings first;
  first.Owner = owner;
  ostrel::LoadSettings(first);
  (void)ostrel::SaveSettings(first);
  Settings second;
  second.Owner = owner;
  ostrel::LoadSettings(second);
  pf::SetRegistry(nullptr);
  ExpectSameRecord(first, second);
  if (registry.OpenHandleCount() != 0) PropertyBroken("a registry key was left open");
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = ostrel::fuzz::InputBytes(data, size);
  if (LoadSaveLoad(bytes, Deliverable::Plugin, u"\\Windows\\ostrel.dll")) {
    LoadSaveLoad(bytes, Deliverable::SettingsProgram, u"\\Windows\\ostrelcfg.exe");
  }
  return 0;
}
