// Registry service: the six registry operations the system uses.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace pf {

constexpr KeyHandle HKEY_CLASSES_ROOT{0x80000000u};
constexpr KeyHandle HKEY_CURRENT_USER{0x80000001u};
constexpr KeyHandle HKEY_LOCAL_MACHINE{0x80000002u};
constexpr KeyHandle HKEY_USERS{0x80000003u};

constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_INVALID_PARAMETER = 87;
constexpr long ERROR_MORE_DATA = 234;

constexpr std::uint32_t KEY_READ = 0x20019;
constexpr std::uint32_t KEY_WRITE = 0x20006;
constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003F;

constexpr std::uint32_t REG_NONE = 0;
constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_EXPAND_SZ = 2;
constexpr std::uint32_t REG_BINARY = 3;
constexpr std::uint32_t REG_DWORD = 4;
constexpr std::uint32_t REG_MULTI_SZ = 7;
constexpr std::uint32_t REG_QWORD = 11;

constexpr std::uint32_t REG_CREATED_NEW_KEY = 1;
constexpr std::uint32_t REG_OPENED_EXISTING_KEY = 2;

class RegistryService {
 public:
  virtual ~RegistryService() = default;
  virtual long RegOpenKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t options,
                             std::uint32_t access, KeyHandle* result) = 0;
  // size: in, the capacity of data in bytes; out, the stored size in bytes.
  // A value larger than the capacity fails with ERROR_MORE_DATA.
  virtual long RegQueryValueExW(KeyHandle key, const char16_t* name, std::uint32_t* reserved,
                                std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) = 0;
  virtual long RegCreateKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t reserved,
                               char16_t* keyClass, std::uint32_t options, std::uint32_t access,
                               void* security, KeyHandle* result, std::uint32_t* disposition) = 0;
  virtual long RegSetValueExW(KeyHandle key, const char16_t* name, std::uint32_t reserved,
                              std::uint32_t type, const std::uint8_t* data, std::uint32_t size) = 0;
  virtual long RegDeleteValueW(KeyHandle key, const char16_t* name) = 0;
  virtual long RegCloseKey(KeyHandle key) = 0;
};

// The process-wide registry: the platform layer's own unless a test or tool
// installed another one. SetRegistry(nullptr) restores the platform's.
RegistryService& Registry();
void SetRegistry(RegistryService* service);
// Provided by the linked platform layer (platform/host or platform/win32).
RegistryService& PlatformRegistry();

inline long RegOpenKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t options,
                          std::uint32_t access, KeyHandle* result) {
  return Registry().RegOpenKeyExW(root, subKey, options, access, result);
}
inline long RegQueryValueExW(KeyHandle key, const char16_t* name, std::uint32_t* reserved,
                             std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
  return Registry().RegQueryValueExW(key, name, reserved, type, data, size);
}
inline long RegCreateKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t reserved,
                            char16_t* keyClass, std::uint32_t options, std::uint32_t access,
                            void* security, KeyHandle* result, std::uint32_t* disposition) {
  return Registry().RegCreateKeyExW(root, subKey, reserved, keyClass, options, access, security,
                                    result, disposition);
}
inline long RegSetValueExW(KeyHandle key, const char16_t* name, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data, std::uint32_t size) {
  return Registry().RegSetValueExW(key, name, reserved, type, data, size);
}
inline long RegDeleteValueW(KeyHandle key, const char16_t* name) {
  return Registry().RegDeleteValueW(key, name);
}
inline long RegCloseKey(KeyHandle key) { return Registry().RegCloseKey(key); }

}  // namespace pf
