// Module service: the running module's file name.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace pf {

class ModuleService {
 public:
  virtual ~ModuleService() = default;
  // Copies the module's full path into buffer (size units, terminator
  // included); returns the number of units copied without the terminator.
  virtual std::uint32_t GetModuleFileNameW(ModuleHandle module, char16_t* buffer,
                                           std::uint32_t size) = 0;
};

ModuleService& Modules();
void SetModules(ModuleService* service);
ModuleService& PlatformModules();

inline std::uint32_t GetModuleFileNameW(ModuleHandle module, char16_t* buffer,
                                        std::uint32_t size) {
  return Modules().GetModuleFileNameW(module, buffer, size);
}

}  // namespace pf
