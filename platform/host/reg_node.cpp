// Keys of the in-memory registry: case-insensitive names, value index, limits, flat teardown.
#include <utility>

#include "platform/host/memory_registry.h"

namespace pf::host {

char16_t FoldChar(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  if (c >= 0x0410 && c <= 0x042F) return static_cast<char16_t>(c + 32);
  if (c >= 0x0400 && c <= 0x040F) return static_cast<char16_t>(c + 80);
  return c;
}

std::u16string FoldCase(const std::u16string& text) {
  std::u16string folded = text;
  for (char16_t& c : folded) c = FoldChar(c);
  return folded;
}

bool FoldLess::operator()(std::u16string_view a, std::u16string_view b) const {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    char16_t x = FoldChar(a[i]);
    char16_t y = FoldChar(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

std::size_t FoldHash::operator()(std::u16string_view text) const {
  std::size_t hash = 1469598103934665603ull;
  for (char16_t c : text) hash = (hash ^ FoldChar(c)) * 1099511628211ull;
  return hash;
}

bool FoldEqual::operator()(std::u16string_view a, std::u16string_view b) const {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldChar(a[i]) != FoldChar(b[i])) return false;
  }
  return true;
}

long CheckKeyPath(std::u16string_view path, int baseDepth) {
  int depth = baseDepth;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find(u'\\', start);
    if (end == std::u16string_view::npos) end = path.size();
    std::size_t length = end - start;
    if (length > kMaxKeyNameLength) return ERROR_INVALID_PARAMETER;
    if (length > 0 && ++depth > kMaxKeyDepth) return ERROR_INVALID_PARAMETER;
    start = end + 1;
  }
  return ERROR_SUCCESS;
}

RegNode::~RegNode() {
  // Sub-trees that only this key holds are taken apart level by level here,
  // so that no destructor call nests inside another.
  std::vector<std::shared_ptr<RegNode>> pending;
  for (auto& entry : children) pending.push_back(std::move(entry.second));
  children.clear();
  while (!pending.empty()) {
    std::shared_ptr<RegNode> node = std::move(pending.back());
    pending.pop_back();
    if (node.use_count() != 1) continue;  // an open handle keeps it alive
    for (auto& entry : node->children) pending.push_back(std::move(entry.second));
    node->children.clear();
  }
}

std::optional<RegValue> RegNode::FindValue(std::u16string_view name) const {
  RegValueView view;
  if (!values_.Find(name, &view)) return std::nullopt;
  return view.Copy();
}

RegNode* RegNode::FindChild(std::u16string_view name) const {
  auto it = children.find(name);
  return it == children.end() ? nullptr : it->second.get();
}

std::shared_ptr<RegNode>& RegNode::Child(std::u16string_view name, bool* created) {
  auto it = children.find(name);
  if (created != nullptr) *created = it == children.end();
  if (it != children.end()) return it->second;
  std::u16string key(name);
  auto node = std::make_shared<RegNode>(key, depth + 1);
  return children.emplace(std::move(key), std::move(node)).first->second;
}

}  // namespace pf::host
