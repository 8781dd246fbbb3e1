// A registry that passes every call on to another one and makes one chosen operation of the first save fail once.
#include "platform/host/failing_registry.h"

namespace pf::host {

bool FailingRegistry::Fails(bool startsTheCount) {
  if (startsTheCount) counting_ = true;
  if (!counting_) return false;
  ++counted_;
  if (failed_ || counted_ != failing_) return false;
  failed_ = true;
  return true;
}

long FailingRegistry::RegOpenKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t options,
                                    std::uint32_t access, KeyHandle* result) {
  if (Fails(false)) return ERROR_ACCESS_DENIED;
  return inner_.RegOpenKeyExW(root, subKey, options, access, result);
}

long FailingRegistry::RegQueryValueExW(KeyHandle key, const char16_t* name, std::uint32_t* reserved,
                                       std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
  if (Fails(false)) return ERROR_ACCESS_DENIED;
  return inner_.RegQueryValueExW(key, name, reserved, type, data, size);
}

long FailingRegistry::RegCreateKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t reserved,
                                      char16_t* keyClass, std::uint32_t options, std::uint32_t access,
                                      void* security, KeyHandle* result, std::uint32_t* disposition) {
  if (Fails(true)) return ERROR_ACCESS_DENIED;
  return inner_.RegCreateKeyExW(root, subKey, reserved, keyClass, options, access, security, result,
                                disposition);
}

long FailingRegistry::RegSetValueExW(KeyHandle key, const char16_t* name, std::uint32_t reserved,
                                     std::uint32_t type, const std::uint8_t* data, std::uint32_t size) {
  if (Fails(false)) return ERROR_ACCESS_DENIED;
  return inner_.RegSetValueExW(key, name, reserved, type, data, size);
}

long FailingRegistry::RegDeleteValueW(KeyHandle key, const char16_t* name) {
  if (Fails(false)) return ERROR_ACCESS_DENIED;
  return inner_.RegDeleteValueW(key, name);
}

long FailingRegistry::RegCloseKey(KeyHandle key) {
  const bool fails = Fails(false);
  const long result = inner_.RegCloseKey(key);
  return fails ? ERROR_ACCESS_DENIED : result;
}

}  // namespace pf::host
