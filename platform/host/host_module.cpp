// Host stand-in for GetModuleFileNameW.
#include "platform/host/host_module.h"

#include "platform/text.h"

namespace pf::host {

std::uint32_t HostModules::GetModuleFileNameW(ModuleHandle, char16_t* buffer,
                                              std::uint32_t size) {
  // As on the platform: a path that does not fit is cut and terminated.
  return static_cast<std::uint32_t>(CopyText(buffer, size, path_.c_str()));
}

HostModules& HostModule() {
  static HostModules modules;
  return modules;
}

}  // namespace pf::host

namespace pf {
ModuleService& PlatformModules() { return host::HostModule(); }
}  // namespace pf
