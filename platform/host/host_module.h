// Host stand-in for the module service: a settable module path.
#pragma once

#include <string>

#include "platform/module.h"

namespace pf::host {

class HostModules : public ModuleService {
 public:
  std::uint32_t GetModuleFileNameW(ModuleHandle module, char16_t* buffer,
                                   std::uint32_t size) override;
  void SetModulePath(std::u16string path) { path_ = std::move(path); }
  const std::u16string& ModulePath() const { return path_; }

 private:
  std::u16string path_ = u"\\Windows\\ostrel.dll";
};

HostModules& HostModule();

}  // namespace pf::host
