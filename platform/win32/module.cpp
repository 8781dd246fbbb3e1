// GetModuleFileNameW forwarded to the real one.
#include "platform/win32/win32.h"

namespace pf::win32 {

class Win32Modules : public pf::ModuleService {
 public:
  std::uint32_t GetModuleFileNameW(pf::ModuleHandle module, char16_t* buffer,
                                   std::uint32_t size) override {
    if (buffer == nullptr || size == 0) return 0;
    DWORD copied = ::GetModuleFileNameW(ToHmodule(module), W(buffer), size);
    // A path that does not fit comes back cut to size units (terminated on
    // later systems, not on earlier ones): terminate it and count as copied.
    if (copied >= size) {
      buffer[size - 1] = 0;
      copied = size - 1;
    }
    return copied;
  }
};

}  // namespace pf::win32

namespace pf {

ModuleService& PlatformModules() {
  static win32::Win32Modules modules;
  return modules;
}

}  // namespace pf
