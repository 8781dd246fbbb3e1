// The six registry operations forwarded to the real Win32 registry.
#include "platform/win32/win32_registry.h"

#include <utility>

namespace pf::win32 {

namespace {

// Position of one of our predefined roots (0 .. 3), or -1.
int RootIndex(pf::KeyHandle key) {
  const pf::KeyHandle roots[] = {ours::HkeyClassesRoot, ours::HkeyCurrentUser,
                                 ours::HkeyLocalMachine, ours::HkeyUsers};
  for (int i = 0; i < 4; ++i) {
    if (key == roots[i]) return i;
  }
  return -1;
}

const char16_t* const kRedirectedNames[4] = {u"HKCR", u"HKCU", u"HKLM", u"HKU"};

}  // namespace

HKEY RealPredefinedRoot(pf::KeyHandle key) {
  switch (RootIndex(key)) {
    case 0: return HKEY_CLASSES_ROOT;
    case 1: return HKEY_CURRENT_USER;
    case 2: return HKEY_LOCAL_MACHINE;
    case 3: return HKEY_USERS;
    default: return nullptr;
  }
}

Win32Registry::Win32Registry(std::u16string scratchRoot) { SetScratchRoot(std::move(scratchRoot)); }

Win32Registry::~Win32Registry() { SetScratchRoot(u""); }

void Win32Registry::SetScratchRoot(std::u16string scratchRoot) {
  for (HKEY& key : redirected_) {
    if (key != nullptr) ::RegCloseKey(key);
    key = nullptr;
  }
  scratch_ = std::move(scratchRoot);
}

std::u16string Win32Registry::RedirectedPath(pf::KeyHandle root) const {
  int index = RootIndex(root);
  if (scratch_.empty() || index < 0) return u"";
  return scratch_ + u"\\" + kRedirectedNames[index];
}

HKEY Win32Registry::RealKey(pf::KeyHandle key, long* error) {
  *error = ERROR_SUCCESS;
  int index = RootIndex(key);
  if (index < 0) return ToHkey(key);
  if (scratch_.empty()) return RealPredefinedRoot(key);
  if (redirected_[index] == nullptr) {
    std::u16string path = RedirectedPath(key);
    HKEY opened = nullptr;
    *error = ::RegCreateKeyExW(HKEY_CURRENT_USER, W(path.c_str()), 0, nullptr, 0, KEY_ALL_ACCESS,
                               nullptr, &opened, nullptr);
    if (*error != ERROR_SUCCESS) return nullptr;
    redirected_[index] = opened;
  }
  return redirected_[index];
}

long Win32Registry::DeleteScratchTree() {
  if (scratch_.empty()) return ERROR_INVALID_PARAMETER;
  SetScratchRoot(std::u16string(scratch_));  // closes the redirected roots
  return ::RegDeleteTreeW(HKEY_CURRENT_USER, W(scratch_.c_str()));
}

long Win32Registry::RegOpenKeyExW(pf::KeyHandle root, const char16_t* subKey,
                                  std::uint32_t options, std::uint32_t access,
                                  pf::KeyHandle* result) {
  long error;
  HKEY real = RealKey(root, &error);
  if (real == nullptr) return error != ERROR_SUCCESS ? error : ERROR_INVALID_HANDLE;
  HKEY opened = nullptr;
  error = ::RegOpenKeyExW(real, W(subKey), options, access, &opened);
  if (result != nullptr) *result = error == ERROR_SUCCESS ? FromHkey(opened) : pf::KeyHandle{};
  return error;
}

long Win32Registry::RegQueryValueExW(pf::KeyHandle key, const char16_t* name,
                                     std::uint32_t* reserved, std::uint32_t* type,
                                     std::uint8_t* data, std::uint32_t* size) {
  long error;
  HKEY real = RealKey(key, &error);
  if (real == nullptr) return error != ERROR_SUCCESS ? error : ERROR_INVALID_HANDLE;
  if (reserved != nullptr) return ERROR_INVALID_PARAMETER;
  DWORD realType = 0;
  DWORD realSize = size != nullptr ? *size : 0;
  error = ::RegQueryValueExW(real, W(name), nullptr, &realType, data,
                             size != nullptr ? &realSize : nullptr);
  if (type != nullptr) *type = realType;
  if (size != nullptr) *size = realSize;
  return error;
}

long Win32Registry::RegCreateKeyExW(pf::KeyHandle root, const char16_t* subKey,
                                    std::uint32_t reserved, char16_t* keyClass,
                                    std::uint32_t options, std::uint32_t access, void* security,
                                    pf::KeyHandle* result, std::uint32_t* disposition) {
  long error;
  HKEY real = RealKey(root, &error);
  if (real == nullptr) return error != ERROR_SUCCESS ? error : ERROR_INVALID_HANDLE;
  // The device's create takes no rights (the store passes 0); a desktop key
  // opened with none could not be written.
  REGSAM sam = access != 0 ? access : KEY_READ | KEY_WRITE;
  HKEY created = nullptr;
  DWORD realDisposition = 0;
  error = ::RegCreateKeyExW(real, W(subKey), reserved, W(keyClass), options, sam,
                            static_cast<LPSECURITY_ATTRIBUTES>(security), &created,
                            &realDisposition);
  if (result != nullptr) *result = error == ERROR_SUCCESS ? FromHkey(created) : pf::KeyHandle{};
  if (disposition != nullptr) *disposition = realDisposition;
  return error;
}

long Win32Registry::RegSetValueExW(pf::KeyHandle key, const char16_t* name,
                                   std::uint32_t reserved, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t size) {
  long error;
  HKEY real = RealKey(key, &error);
  if (real == nullptr) return error != ERROR_SUCCESS ? error : ERROR_INVALID_HANDLE;
  return ::RegSetValueExW(real, W(name), reserved, type, data, size);
}

long Win32Registry::RegDeleteValueW(pf::KeyHandle key, const char16_t* name) {
  long error;
  HKEY real = RealKey(key, &error);
  if (real == nullptr) return error != ERROR_SUCCESS ? error : ERROR_INVALID_HANDLE;
  return ::RegDeleteValueW(real, W(name));
}

long Win32Registry::RegCloseKey(pf::KeyHandle key) {
  // A predefined root (real or redirected) stays open for the next call.
  if (RootIndex(key) >= 0) return ERROR_SUCCESS;
  return ::RegCloseKey(ToHkey(key));
}

}  // namespace pf::win32

namespace pf {

RegistryService& PlatformRegistry() {
  static win32::Win32Registry registry;
  return registry;
}

}  // namespace pf
