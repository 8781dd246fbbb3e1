// A registry that passes every call on to another one and makes one chosen operation of the first save fail once.
#pragma once

#include "platform/registry.h"

namespace pf::host {

// Operations are counted from the first RegCreateKeyExW: only a save creates
// keys, so the count starts with the first save and not with loading. The
// N-th operation counted (1 = that RegCreateKeyExW) fails with
// ERROR_ACCESS_DENIED without reaching the registry behind, except that a
// failing RegCloseKey still closes the key there, so nothing is left open.
// Every later call, the retry of the same save among them, goes through.
class FailingRegistry : public RegistryService {
 public:
  FailingRegistry(RegistryService& inner, int failingOperation)
      : inner_(inner), failing_(failingOperation) {}

  long RegOpenKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t options,
                     std::uint32_t access, KeyHandle* result) override;
  long RegQueryValueExW(KeyHandle key, const char16_t* name, std::uint32_t* reserved,
                        std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) override;
  long RegCreateKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t reserved,
                       char16_t* keyClass, std::uint32_t options, std::uint32_t access,
                       void* security, KeyHandle* result, std::uint32_t* disposition) override;
  long RegSetValueExW(KeyHandle key, const char16_t* name, std::uint32_t reserved,
                      std::uint32_t type, const std::uint8_t* data, std::uint32_t size) override;
  long RegDeleteValueW(KeyHandle key, const char16_t* name) override;
  long RegCloseKey(KeyHandle key) override;

  // Operations counted so far (from the first RegCreateKeyExW on).
  int Counted() const { return counted_; }
  bool Failed() const { return failed_; }

 private:
  // True when this operation is the one to fail.
  bool Fails(bool startsTheCount);

  RegistryService& inner_;
  int failing_;
  int counted_ = 0;
  bool counting_ = false;
  bool failed_ = false;
};

}  // namespace pf::host
