// The real Win32 registry behind pf::RegistryService, with an optional scratch
// root under which tests run the store against the real registry.
#pragma once

#include <string>

#include "platform/win32/win32.h"

namespace pf::win32 {

class Win32Registry : public pf::RegistryService {
 public:
  // Without a scratch root, our predefined roots are the real ones.
  Win32Registry() = default;
  // With one (a sub-key of the real HKEY_CURRENT_USER, e.g.
  // u"Software\\OstrelTest\\run1"), every predefined root is redirected below
  // it: HKEY_CURRENT_USER to <scratch>\HKCU, HKEY_LOCAL_MACHINE to
  // <scratch>\HKLM, HKEY_CLASSES_ROOT to <scratch>\HKCR, HKEY_USERS to
  // <scratch>\HKU. Nothing outside the scratch key is read or written.
  explicit Win32Registry(std::u16string scratchRoot);
  ~Win32Registry() override;
  Win32Registry(const Win32Registry&) = delete;
  Win32Registry& operator=(const Win32Registry&) = delete;

  long RegOpenKeyExW(pf::KeyHandle root, const char16_t* subKey, std::uint32_t options,
                     std::uint32_t access, pf::KeyHandle* result) override;
  long RegQueryValueExW(pf::KeyHandle key, const char16_t* name, std::uint32_t* reserved,
                        std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) override;
  long RegCreateKeyExW(pf::KeyHandle root, const char16_t* subKey, std::uint32_t reserved,
                       char16_t* keyClass, std::uint32_t options, std::uint32_t access,
                       void* security, pf::KeyHandle* result,
                       std::uint32_t* disposition) override;
  long RegSetValueExW(pf::KeyHandle key, const char16_t* name, std::uint32_t reserved,
                      std::uint32_t type, const std::uint8_t* data, std::uint32_t size) override;
  long RegDeleteValueW(pf::KeyHandle key, const char16_t* name) override;
  long RegCloseKey(pf::KeyHandle key) override;

  // Sets (or, with an empty text, removes) the scratch root; handles to the
  // previous redirected roots are closed.
  void SetScratchRoot(std::u16string scratchRoot);
  const std::u16string& ScratchRoot() const { return scratch_; }
  // The real path under HKEY_CURRENT_USER of a redirected predefined root
  // ("<scratch>\HKCU" for pf::HKEY_CURRENT_USER); empty without a scratch root.
  std::u16string RedirectedPath(pf::KeyHandle root) const;
  // Deletes the scratch key with everything below it (RegDeleteTreeW); the
  // scratch root stays set and is created again on the next use.
  long DeleteScratchTree();

 private:
  // The real key for one of our handles: the real predefined root, the
  // redirected one (opened on first use) or an opened key.
  HKEY RealKey(pf::KeyHandle key, long* error);

  std::u16string scratch_;
  HKEY redirected_[4] = {};  // by predefined root, 0x80000000 .. 0x80000003
};

// Maps one of our predefined roots to the real one; nullptr for any other handle.
HKEY RealPredefinedRoot(pf::KeyHandle key);

}  // namespace pf::win32
