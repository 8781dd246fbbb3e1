// In-memory registry: keys, typed values, handles and injectable failures.
#include "platform/host/memory_registry.h"

#include <algorithm>
#include <cstring>

namespace pf::host {

namespace {

std::vector<std::u16string> SplitPath(const std::u16string& path) {
  std::vector<std::u16string> parts;
  std::u16string part;
  for (char16_t c : path) {
    if (c == u'\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

std::u16string JoinPath(const std::u16string& base, const std::u16string& sub) {
  std::u16string result = base;
  for (const auto& part : SplitPath(sub)) {
    result += u'\\';
    result += part;
  }
  return result;
}

std::u16string Safe(const char16_t* text) { return text ? std::u16string(text) : std::u16string(); }

}  // namespace

std::u16string FoldCase(const std::u16string& text) {
  std::u16string folded = text;
  for (char16_t& c : folded) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    else if (c >= 0x0410 && c <= 0x042F) c = static_cast<char16_t>(c + 32);
    else if (c >= 0x0400 && c <= 0x040F) c = static_cast<char16_t>(c + 80);
  }
  return folded;
}

RegValue* RegNode::FindValue(const std::u16string& name) {
  std::u16string folded = FoldCase(name);
  for (auto& v : values) {
    if (FoldCase(v.name) == folded) return &v;
  }
  return nullptr;
}

const RegValue* RegNode::FindValue(const std::u16string& name) const {
  return const_cast<RegNode*>(this)->FindValue(name);
}

MemoryRegistry::MemoryRegistry() { Clear(); }

void MemoryRegistry::Clear() {
  roots_.clear();
  for (KeyHandle root : kRoots) {
    auto node = std::make_shared<RegNode>();
    node->name = RootName(root);
    roots_[static_cast<std::uintptr_t>(root)] = node;
  }
}

const char16_t* MemoryRegistry::RootName(KeyHandle root) {
  switch (static_cast<std::uintptr_t>(root)) {
    case 0x80000000u: return u"HKEY_CLASSES_ROOT";
    case 0x80000001u: return u"HKEY_CURRENT_USER";
    case 0x80000002u: return u"HKEY_LOCAL_MACHINE";
    case 0x80000003u: return u"HKEY_USERS";
    default: return nullptr;
  }
}

bool MemoryRegistry::ParseRootName(const std::u16string& name, KeyHandle* root) {
  std::u16string n = FoldCase(name);
  struct Alias { const char16_t* longName; const char16_t* shortName; KeyHandle key; };
  static const Alias aliases[] = {
      {u"hkey_classes_root", u"hkcr", HKEY_CLASSES_ROOT},
      {u"hkey_current_user", u"hkcu", HKEY_CURRENT_USER},
      {u"hkey_local_machine", u"hklm", HKEY_LOCAL_MACHINE},
      {u"hkey_users", u"hku", HKEY_USERS},
  };
  for (const auto& a : aliases) {
    if (n == a.longName || n == a.shortName) {
      *root = a.key;
      return true;
    }
  }
  return false;
}

RegNode& MemoryRegistry::RootNode(KeyHandle root) {
  return *roots_.at(static_cast<std::uintptr_t>(root));
}

const RegNode& MemoryRegistry::RootNode(KeyHandle root) const {
  return *roots_.at(static_cast<std::uintptr_t>(root));
}

RegNode* MemoryRegistry::FindKey(KeyHandle root, const std::u16string& path) {
  auto it = roots_.find(static_cast<std::uintptr_t>(root));
  if (it == roots_.end()) return nullptr;
  RegNode* node = it->second.get();
  for (const auto& part : SplitPath(path)) {
    auto child = node->children.find(FoldCase(part));
    if (child == node->children.end()) return nullptr;
    node = child->second.get();
  }
  return node;
}

RegNode& MemoryRegistry::CreateKey(KeyHandle root, const std::u16string& path) {
  RegNode* node = &RootNode(root);
  for (const auto& part : SplitPath(path)) {
    auto& slot = node->children[FoldCase(part)];
    if (!slot) {
      slot = std::make_shared<RegNode>();
      slot->name = part;
    }
    node = slot.get();
  }
  return *node;
}

bool MemoryRegistry::DeleteKey(KeyHandle root, const std::u16string& path) {
  auto parts = SplitPath(path);
  if (parts.empty()) return false;
  std::u16string last = parts.back();
  parts.pop_back();
  std::u16string parentPath;
  for (const auto& p : parts) parentPath += p + u"\\";
  RegNode* parent = FindKey(root, parentPath);
  if (parent == nullptr) return false;
  return parent->children.erase(FoldCase(last)) > 0;
}

void MemoryRegistry::SetValue(KeyHandle root, const std::u16string& path,
                              const std::u16string& name, std::uint32_t type,
                              std::vector<std::uint8_t> data) {
  RegNode& node = CreateKey(root, path);
  RegValue* value = node.FindValue(name);
  if (value == nullptr) {
    node.values.push_back(RegValue{name, type, {}});
    value = &node.values.back();
  }
  value->type = type;
  value->data = std::move(data);
}

void MemoryRegistry::SetDword(KeyHandle root, const std::u16string& path,
                              const std::u16string& name, std::uint32_t v) {
  SetValue(root, path, name, REG_DWORD,
           {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)});
}

void MemoryRegistry::SetString(KeyHandle root, const std::u16string& path,
                               const std::u16string& name, const std::u16string& text) {
  std::vector<std::uint8_t> data;
  for (char16_t c : text) {
    data.push_back(static_cast<std::uint8_t>(c));
    data.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  data.push_back(0);
  data.push_back(0);
  SetValue(root, path, name, REG_SZ, std::move(data));
}

const RegValue* MemoryRegistry::GetValue(KeyHandle root, const std::u16string& path,
                                         const std::u16string& name) const {
  const RegNode* node = const_cast<MemoryRegistry*>(this)->FindKey(root, path);
  return node ? node->FindValue(name) : nullptr;
}

namespace {
bool SameNode(const RegNode& a, const RegNode& b) {
  if (a.values.size() != b.values.size() || a.children.size() != b.children.size()) return false;
  for (const auto& v : a.values) {
    const RegValue* w = b.FindValue(v.name);
    if (w == nullptr || w->type != v.type || w->data != v.data) return false;
  }
  for (const auto& [folded, child] : a.children) {
    auto it = b.children.find(folded);
    if (it == b.children.end() || it->second->name != child->name) return false;
    if (!SameNode(*child, *it->second)) return false;
  }
  return true;
}
}  // namespace

bool MemoryRegistry::SameTree(const MemoryRegistry& other) const {
  for (KeyHandle root : kRoots) {
    if (!SameNode(RootNode(root), other.RootNode(root))) return false;
  }
  return true;
}

const MemoryRegistry::OpenKey* MemoryRegistry::Resolve(KeyHandle key,
                                                        std::u16string* fullPath) const {
  auto h = handles_.find(static_cast<std::uintptr_t>(key));
  if (h != handles_.end()) {
    *fullPath = h->second.path;
    return &h->second;
  }
  return nullptr;
}

long MemoryRegistry::Fail(RegOp op, const std::u16string& path, const std::u16string& value) const {
  return failure_ ? failure_(op, path, value) : ERROR_SUCCESS;
}

void MemoryRegistry::Record(const char* op, const std::u16string& path,
                            const std::u16string& value) {
  if (!journalEnabled_) return;
  std::u16string line;
  for (const char* p = op; *p; ++p) line.push_back(static_cast<char16_t>(*p));
  line += u" " + path;
  if (!value.empty()) line += u" [" + value + u"]";
  journal_.push_back(line);
}

KeyHandle MemoryRegistry::NewHandle(std::shared_ptr<RegNode> node, std::u16string path) {
  std::uintptr_t id = nextHandle_;
  nextHandle_ += 4;
  handles_[id] = OpenKey{std::move(node), std::move(path)};
  return static_cast<KeyHandle>(id);
}

namespace {
// The node and full path that a root argument (a predefined root or an open
// key) stands for.
}  // namespace

long MemoryRegistry::RegOpenKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t,
                                   std::uint32_t, KeyHandle* result) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<RegNode> base;
  std::u16string basePath;
  auto r = roots_.find(static_cast<std::uintptr_t>(root));
  if (r != roots_.end()) {
    base = r->second;
    basePath = RootName(root);
  } else {
    const OpenKey* open = Resolve(root, &basePath);
    if (open == nullptr) return ERROR_INVALID_HANDLE;
    base = open->node;
  }
  std::u16string path = JoinPath(basePath, Safe(subKey));
  Record("Open", path, u"");
  if (long failure = Fail(RegOp::Open, path, u"")) return failure;
  std::shared_ptr<RegNode> node = base;
  for (const auto& part : SplitPath(Safe(subKey))) {
    auto child = node->children.find(FoldCase(part));
    if (child == node->children.end()) return ERROR_FILE_NOT_FOUND;
    node = child->second;
  }
  *result = NewHandle(node, path);
  return ERROR_SUCCESS;
}

long MemoryRegistry::RegQueryValueExW(KeyHandle key, const char16_t* name, std::uint32_t*,
                                      std::uint32_t* type, std::uint8_t* data,
                                      std::uint32_t* size) {
  std::u16string path;
  const OpenKey* open = Resolve(key, &path);
  if (open == nullptr) return ERROR_INVALID_HANDLE;
  Record("Query", path, Safe(name));
  if (long failure = Fail(RegOp::Query, path, Safe(name))) return failure;
  const RegValue* value = open->node->FindValue(Safe(name));
  if (value == nullptr) return ERROR_FILE_NOT_FOUND;
  if (type != nullptr) *type = value->type;
  auto stored = static_cast<std::uint32_t>(value->data.size());
  if (data != nullptr) {
    if (size == nullptr) return ERROR_INVALID_PARAMETER;
    if (stored > *size) {
      *size = stored;
      return ERROR_MORE_DATA;
    }
    if (stored > 0) std::memcpy(data, value->data.data(), stored);
  }
  if (size != nullptr) *size = stored;
  return ERROR_SUCCESS;
}

long MemoryRegistry::RegCreateKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t,
                                     char16_t*, std::uint32_t, std::uint32_t, void*,
                                     KeyHandle* result, std::uint32_t* disposition) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<RegNode> base;
  std::u16string basePath;
  auto r = roots_.find(static_cast<std::uintptr_t>(root));
  if (r != roots_.end()) {
    base = r->second;
    basePath = RootName(root);
  } else {
    const OpenKey* open = Resolve(root, &basePath);
    if (open == nullptr) return ERROR_INVALID_HANDLE;
    base = open->node;
  }
  std::u16string path = JoinPath(basePath, Safe(subKey));
  Record("Create", path, u"");
  if (long failure = Fail(RegOp::Create, path, u"")) return failure;
  std::shared_ptr<RegNode> node = base;
  bool created = false;
  for (const auto& part : SplitPath(Safe(subKey))) {
    auto& slot = node->children[FoldCase(part)];
    if (!slot) {
      slot = std::make_shared<RegNode>();
      slot->name = part;
      created = true;
    }
    node = slot;
  }
  if (disposition != nullptr) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = NewHandle(node, path);
  return ERROR_SUCCESS;
}

long MemoryRegistry::RegSetValueExW(KeyHandle key, const char16_t* name, std::uint32_t,
                                    std::uint32_t type, const std::uint8_t* data,
                                    std::uint32_t size) {
  std::u16string path;
  const OpenKey* open = Resolve(key, &path);
  if (open == nullptr) return ERROR_INVALID_HANDLE;
  Record("Set", path, Safe(name));
  if (long failure = Fail(RegOp::Set, path, Safe(name))) return failure;
  if (data == nullptr && size > 0) return ERROR_INVALID_PARAMETER;
  RegValue* value = open->node->FindValue(Safe(name));
  if (value == nullptr) {
    open->node->values.push_back(RegValue{Safe(name), type, {}});
    value = &open->node->values.back();
  }
  value->type = type;
  value->data.assign(data, data + size);
  return ERROR_SUCCESS;
}

long MemoryRegistry::RegDeleteValueW(KeyHandle key, const char16_t* name) {
  std::u16string path;
  const OpenKey* open = Resolve(key, &path);
  if (open == nullptr) return ERROR_INVALID_HANDLE;
  Record("Delete", path, Safe(name));
  if (long failure = Fail(RegOp::DeleteValue, path, Safe(name))) return failure;
  auto& values = open->node->values;
  std::u16string folded = FoldCase(Safe(name));
  auto it = std::find_if(values.begin(), values.end(),
                         [&](const RegValue& v) { return FoldCase(v.name) == folded; });
  if (it == values.end()) return ERROR_FILE_NOT_FOUND;
  values.erase(it);
  return ERROR_SUCCESS;
}

long MemoryRegistry::RegCloseKey(KeyHandle key) {
  auto h = handles_.find(static_cast<std::uintptr_t>(key));
  if (h == handles_.end()) return ERROR_INVALID_HANDLE;
  Record("Close", h->second.path, u"");
  handles_.erase(h);
  return ERROR_SUCCESS;
}

MemoryRegistry& HostRegistry() {
  static MemoryRegistry registry;
  return registry;
}

}  // namespace pf::host

namespace pf {
RegistryService& PlatformRegistry() { return host::HostRegistry(); }
}  // namespace pf
