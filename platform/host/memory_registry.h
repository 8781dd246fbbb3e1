// In-memory registry with the Win32 semantics the settings store relies on.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace pf::host {

struct RegValue {
  std::u16string name;  // as first written (names compare case-insensitively)
  std::uint32_t type = REG_NONE;
  std::vector<std::uint8_t> data;
};

struct RegNode {
  std::u16string name;
  // Children keyed by their case-folded name, so lookups ignore case and
  // enumeration is in a stable, sorted order.
  std::map<std::u16string, std::shared_ptr<RegNode>> children;
  std::vector<RegValue> values;  // in the order they were first written

  RegValue* FindValue(const std::u16string& name);
  const RegValue* FindValue(const std::u16string& name) const;
};

// Lower-cases ASCII and Cyrillic letters, as the registry's name comparison does.
std::u16string FoldCase(const std::u16string& text);

enum class RegOp { Open, Query, Create, Set, DeleteValue, Close };

// A hook that can make an operation fail: it receives the operation, the full
// key path ("HKEY_CURRENT_USER\\Software\\...") and the value name (empty for
// key operations) and returns 0 to let the call proceed or an error code.
using RegFailureHook = std::function<long(RegOp op, const std::u16string& keyPath,
                                          const std::u16string& valueName)>;

class MemoryRegistry : public RegistryService {
 public:
  MemoryRegistry();

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

  // The tree, for import, export and tests.
  static constexpr KeyHandle kRoots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
                                         HKEY_LOCAL_MACHINE, HKEY_USERS};
  static const char16_t* RootName(KeyHandle root);  // "HKEY_CURRENT_USER", ...
  static bool ParseRootName(const std::u16string& name, KeyHandle* root);  // also HKCU, HKLM...
  RegNode& RootNode(KeyHandle root);
  const RegNode& RootNode(KeyHandle root) const;
  RegNode* FindKey(KeyHandle root, const std::u16string& path);
  RegNode& CreateKey(KeyHandle root, const std::u16string& path);
  bool DeleteKey(KeyHandle root, const std::u16string& path);  // with its sub-keys
  void SetValue(KeyHandle root, const std::u16string& path, const std::u16string& name,
                std::uint32_t type, std::vector<std::uint8_t> data);
  void SetDword(KeyHandle root, const std::u16string& path, const std::u16string& name,
                std::uint32_t value);
  void SetString(KeyHandle root, const std::u16string& path, const std::u16string& name,
                 const std::u16string& text);
  const RegValue* GetValue(KeyHandle root, const std::u16string& path,
                           const std::u16string& name) const;
  void Clear();
  bool SameTree(const MemoryRegistry& other) const;

  void SetFailureHook(RegFailureHook hook) { failure_ = std::move(hook); }
  int OpenHandleCount() const { return static_cast<int>(handles_.size()); }
  // Every operation made, as "Op path [value]" lines, for tests of call order.
  std::vector<std::u16string>& Journal() { return journal_; }
  void SetJournalEnabled(bool enabled) { journalEnabled_ = enabled; }

 private:
  struct OpenKey {
    std::shared_ptr<RegNode> node;
    std::u16string path;  // full path with the root name, for hooks and the journal
  };
  const OpenKey* Resolve(KeyHandle key, std::u16string* fullPath) const;
  long Fail(RegOp op, const std::u16string& path, const std::u16string& value) const;
  void Record(const char* op, const std::u16string& path, const std::u16string& value);
  KeyHandle NewHandle(std::shared_ptr<RegNode> node, std::u16string path);

  std::map<std::uintptr_t, std::shared_ptr<RegNode>> roots_;
  std::map<std::uintptr_t, OpenKey> handles_;
  std::uintptr_t nextHandle_ = 0x1000;
  RegFailureHook failure_;
  std::vector<std::u16string> journal_;
  bool journalEnabled_ = false;
};

// The host platform's process-wide registry.
MemoryRegistry& HostRegistry();

}  // namespace pf::host
