// In-memory registry with the Win32 semantics the settings store relies on.
#pragma once

#include <cstdint>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/reg_values.h"
#include "platform/registry.h"

namespace pf::host {

// Lower-cases ASCII and Cyrillic letters, as the registry's name comparison does.
char16_t FoldChar(char16_t c);
std::u16string FoldCase(const std::u16string& text);

// Orders and hashes names as the registry compares them: ignoring case.
struct FoldLess {
  using is_transparent = void;
  bool operator()(std::u16string_view a, std::u16string_view b) const;
};
struct FoldHash {
  std::size_t operator()(std::u16string_view text) const;
};
struct FoldEqual {
  bool operator()(std::u16string_view a, std::u16string_view b) const;
};

// The platform's limits on names and nesting; beyond them the registry
// functions fail with ERROR_INVALID_PARAMETER.
inline constexpr std::size_t kMaxKeyNameLength = 255;
inline constexpr std::size_t kMaxValueNameLength = 16383;
inline constexpr int kMaxKeyDepth = 512;

// A key: its sub-keys in name order and its values in the order first written,
// each found by name through an index (no scan, no allocation per lookup when
// peeked at). Destroying a key frees its sub-tree without recursion, however deep.
class RegNode {
 public:
  using Children = std::map<std::u16string, std::shared_ptr<RegNode>, FoldLess>;

  RegNode(std::u16string name, int depth) : name(std::move(name)), depth(depth) {}
  RegNode(const RegNode&) = delete;
  RegNode& operator=(const RegNode&) = delete;
  ~RegNode();

  const std::u16string name;
  const int depth;  // 0 for a root key
  Children children;

  RegValueList Values() const { return RegValueList(values_); }
  const RegValueTable& ValueTable() const { return values_; }
  std::optional<RegValue> FindValue(std::u16string_view name) const;
  // The value as stored, valid until the key's values change.
  bool PeekValue(std::u16string_view name, RegValueView* view) const { return values_.Find(name, view); }
  // Creates the value (keeping the name as given) or replaces its type and data.
  void SetValue(std::u16string_view name, std::uint32_t type, const std::uint8_t* data, std::size_t size) {
    values_.Set(name, type, data, size);
  }
  void SetValue(std::u16string_view name, std::uint32_t type, const std::vector<std::uint8_t>& data) {
    values_.Set(name, type, data.data(), data.size());
  }
  bool RemoveValue(std::u16string_view name) { return values_.Remove(name); }
  RegNode* FindChild(std::u16string_view name) const;
  // The sub-key of that name, created when missing (*created tells which).
  std::shared_ptr<RegNode>& Child(std::u16string_view name, bool* created = nullptr);

 private:
  RegValueTable values_;
};

// ERROR_SUCCESS when every name of the backslash-separated path fits the
// limits and the key it names lies at most kMaxKeyDepth levels below a root,
// counting from a key baseDepth levels deep; otherwise ERROR_INVALID_PARAMETER.
long CheckKeyPath(std::u16string_view path, int baseDepth);

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
  // The full name of a root, in any case ("hkey_current_user"); no abbreviations.
  static bool ParseRootName(const std::u16string& name, KeyHandle* root);
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
  std::optional<RegValue> GetValue(KeyHandle root, const std::u16string& path,
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
  const OpenKey* Resolve(KeyHandle key) const;
  bool ResolveBase(KeyHandle root, std::shared_ptr<RegNode>* node, std::u16string* path) const;
  long Fail(RegOp op, const std::u16string& path, std::u16string_view value) const;
  void Record(const char* op, const std::u16string& path, std::u16string_view value);
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
