// In-memory registry: keys, typed values, handles and injectable failures.
#include "platform/host/memory_registry.h"

#include <cstring>
#include <vector>

namespace pf::host {

namespace {

// Calls visit(part) for each non-empty backslash-separated name of path, in
// order, until it returns false; returns whether every call returned true.
template <typename Visit>
bool ForEachPart(std::u16string_view path, Visit visit) {
  std::size_t start = 0;
  while (start < path.size()) {
    std::size_t end = path.find(u'\\', start);
    if (end == std::u16string_view::npos) end = path.size();
    if (end > start && !visit(path.substr(start, end - start))) return false;
    start = end + 1;
  }
  return true;
}

std::u16string JoinPath(const std::u16string& base, std::u16string_view sub) {
  std::u16string result = base;
  ForEachPart(sub, [&result](std::u16string_view part) {
    result += u'\\';
    result += part;
    return true;
  });
  return result;
}

std::u16string_view View(const char16_t* text) {
  return text ? std::u16string_view(text) : std::u16string_view();
}

}  // namespace

MemoryRegistry::MemoryRegistry() { Clear(); }

void MemoryRegistry::Clear() {
  roots_.clear();
  for (KeyHandle root : kRoots) {
    roots_[static_cast<std::uintptr_t>(root)] = std::make_shared<RegNode>(RootName(root), 0);
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
  for (KeyHandle key : kRoots) {
    if (FoldEqual()(name, RootName(key))) {
      *root = key;
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
  ForEachPart(path, [&node](std::u16string_view part) {
    node = node->FindChild(part);
    return node != nullptr;
  });
  return node;
}

RegNode& MemoryRegistry::CreateKey(KeyHandle root, const std::u16string& path) {
  RegNode* node = &RootNode(root);
  ForEachPart(path, [&node](std::u16string_view part) {
    node = node->Child(part).get();
    return true;
  });
  return *node;
}

bool MemoryRegistry::DeleteKey(KeyHandle root, const std::u16string& path) {
  std::size_t end = path.find_last_not_of(u'\\');
  if (end == std::u16string::npos) return false;
  std::size_t slash = path.rfind(u'\\', end);
  std::size_t start = slash == std::u16string::npos ? 0 : slash + 1;
  RegNode* parent = FindKey(root, path.substr(0, start));
  if (parent == nullptr) return false;
  auto it = parent->children.find(std::u16string_view(path).substr(start, end + 1 - start));
  if (it == parent->children.end()) return false;
  parent->children.erase(it);
  return true;
}

void MemoryRegistry::SetValue(KeyHandle root, const std::u16string& path,
                              const std::u16string& name, std::uint32_t type,
                              std::vector<std::uint8_t> data) {
  CreateKey(root, path).SetValue(name, type, data);
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

std::optional<RegValue> MemoryRegistry::GetValue(KeyHandle root, const std::u16string& path,
                                                 const std::u16string& name) const {
  const RegNode* node = const_cast<MemoryRegistry*>(this)->FindKey(root, path);
  return node ? node->FindValue(name) : std::nullopt;
}

namespace {
bool SameValues(const RegNode& a, const RegNode& b) {
  const RegValueTable& values = a.ValueTable();
  if (values.Size() != b.ValueTable().Size()) return false;
  for (std::size_t i = 0; i < values.EntryCount(); ++i) {
    if (!values.Live(i)) continue;
    RegValueView v = values.View(i);
    RegValueView w;
    if (!b.PeekValue(v.name, &w) || w.type != v.type || w.size != v.size ||
        (v.size > 0 && std::memcmp(w.data, v.data, v.size) != 0)) {
      return false;
    }
  }
  return true;
}

// Compares two trees key by key with a list of pending pairs, not recursion.
bool SameNode(const RegNode& first, const RegNode& second) {
  std::vector<std::pair<const RegNode*, const RegNode*>> pending{{&first, &second}};
  while (!pending.empty()) {
    auto [a, b] = pending.back();
    pending.pop_back();
    if (a->children.size() != b->children.size() || !SameValues(*a, *b)) return false;
    for (const auto& [name, child] : a->children) {
      const RegNode* other = b->FindChild(name);
      if (other == nullptr || other->name != child->name) return false;
      pending.emplace_back(child.get(), other);
    }
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

const MemoryRegistry::OpenKey* MemoryRegistry::Resolve(KeyHandle key) const {
  auto h = handles_.find(static_cast<std::uintptr_t>(key));
  return h == handles_.end() ? nullptr : &h->second;
}

// The node and full path that a root argument (a predefined root or an open
// key) stands for.
bool MemoryRegistry::ResolveBase(KeyHandle root, std::shared_ptr<RegNode>* node,
                                 std::u16string* path) const {
  auto r = roots_.find(static_cast<std::uintptr_t>(root));
  if (r != roots_.end()) {
    *node = r->second;
    *path = RootName(root);
    return true;
  }
  const OpenKey* open = Resolve(root);
  if (open == nullptr) return false;
  *node = open->node;
  *path = open->path;
  return true;
}

long MemoryRegistry::Fail(RegOp op, const std::u16string& path, std::u16string_view value) const {
  return failure_ ? failure_(op, path, std::u16string(value)) : ERROR_SUCCESS;
}

void MemoryRegistry::Record(const char* op, const std::u16string& path,
                            std::u16string_view value) {
  if (!journalEnabled_) return;
  std::u16string line;
  for (const char* p = op; *p; ++p) line.push_back(static_cast<char16_t>(*p));
  line += u" " + path;
  if (!value.empty()) line += u" [" + std::u16string(value) + u"]";
  journal_.push_back(line);
}

KeyHandle MemoryRegistry::NewHandle(std::shared_ptr<RegNode> node, std::u16string path) {
  std::uintptr_t id = nextHandle_;
  nextHandle_ += 4;
  handles_[id] = OpenKey{std::move(node), std::move(path)};
  return static_cast<KeyHandle>(id);
}

long MemoryRegistry::RegOpenKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t,
                                   std::uint32_t, KeyHandle* result) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<RegNode> node;
  std::u16string basePath;
  if (!ResolveBase(root, &node, &basePath)) return ERROR_INVALID_HANDLE;
  std::u16string path = JoinPath(basePath, View(subKey));
  Record("Open", path, u"");
  if (long failure = Fail(RegOp::Open, path, u"")) return failure;
  if (long invalid = CheckKeyPath(View(subKey), node->depth)) return invalid;
  bool found = ForEachPart(View(subKey), [&node](std::u16string_view part) {
    auto child = node->children.find(part);
    if (child == node->children.end()) return false;
    node = child->second;
    return true;
  });
  if (!found) return ERROR_FILE_NOT_FOUND;
  *result = NewHandle(node, path);
  return ERROR_SUCCESS;
}

long MemoryRegistry::RegQueryValueExW(KeyHandle key, const char16_t* name, std::uint32_t*,
                                      std::uint32_t* type, std::uint8_t* data,
                                      std::uint32_t* size) {
  const OpenKey* open = Resolve(key);
  if (open == nullptr) return ERROR_INVALID_HANDLE;
  Record("Query", open->path, View(name));
  if (long failure = Fail(RegOp::Query, open->path, View(name))) return failure;
  RegValueView value;
  if (!open->node->PeekValue(View(name), &value)) return ERROR_FILE_NOT_FOUND;
  if (type != nullptr) *type = value.type;
  auto stored = static_cast<std::uint32_t>(value.size);
  if (data != nullptr) {
    if (size == nullptr) return ERROR_INVALID_PARAMETER;
    if (stored > *size) {
      *size = stored;
      return ERROR_MORE_DATA;
    }
    if (stored > 0) std::memcpy(data, value.data, stored);
  }
  if (size != nullptr) *size = stored;
  return ERROR_SUCCESS;
}

long MemoryRegistry::RegCreateKeyExW(KeyHandle root, const char16_t* subKey, std::uint32_t,
                                     char16_t*, std::uint32_t, std::uint32_t, void*,
                                     KeyHandle* result, std::uint32_t* disposition) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<RegNode> node;
  std::u16string basePath;
  if (!ResolveBase(root, &node, &basePath)) return ERROR_INVALID_HANDLE;
  std::u16string path = JoinPath(basePath, View(subKey));
  Record("Create", path, u"");
  if (long failure = Fail(RegOp::Create, path, u"")) return failure;
  if (long invalid = CheckKeyPath(View(subKey), node->depth)) return invalid;
  bool created = false;
  ForEachPart(View(subKey), [&node, &created](std::u16string_view part) {
    bool isNew = false;
    node = node->Child(part, &isNew);
    created = created || isNew;
    return true;
  });
  if (disposition != nullptr) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = NewHandle(node, path);
  return ERROR_SUCCESS;
}

long MemoryRegistry::RegSetValueExW(KeyHandle key, const char16_t* name, std::uint32_t,
                                    std::uint32_t type, const std::uint8_t* data,
                                    std::uint32_t size) {
  const OpenKey* open = Resolve(key);
  if (open == nullptr) return ERROR_INVALID_HANDLE;
  Record("Set", open->path, View(name));
  if (long failure = Fail(RegOp::Set, open->path, View(name))) return failure;
  if (data == nullptr && size > 0) return ERROR_INVALID_PARAMETER;
  if (View(name).size() > kMaxValueNameLength) return ERROR_INVALID_PARAMETER;
  open->node->SetValue(View(name), type, data, size);
  return ERROR_SUCCESS;
}

long MemoryRegistry::RegDeleteValueW(KeyHandle key, const char16_t* name) {
  const OpenKey* open = Resolve(key);
  if (open == nullptr) return ERROR_INVALID_HANDLE;
  Record("Delete", open->path, View(name));
  if (long failure = Fail(RegOp::DeleteValue, open->path, View(name))) return failure;
  return open->node->RemoveValue(View(name)) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
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
