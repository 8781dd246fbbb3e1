// Host file search, attributes and small-icon indexes over the Linux file system under the device root.
#include "platform/host/host_files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/gdi.h"
#include "platform/host/call_faults.h"
#include "platform/host/host_screen.h"
#include "platform/host/memory_registry.h"
#include "platform/host/raster_objects.h"
#include "platform/text.h"

namespace pf::host {

namespace {

constexpr std::uintptr_t kSystemImageList = 0x51A0;

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

std::vector<std::u16string> SplitPath(const std::u16string& path) {
  std::vector<std::u16string> parts;
  std::u16string part;
  for (char16_t c : path) {
    if (IsSeparator(c)) {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

bool IsDirectory(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// The entry of folder whose name matches name ignoring case (exact first).
bool FindEntry(const std::string& folder, const std::u16string& name, std::string* found) {
  std::string exact = ToUtf8(name);
  if (Exists(folder + "/" + exact)) {
    *found = exact;
    return true;
  }
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return false;
  std::u16string wanted = FoldCase(name);
  bool ok = false;
  while (dirent* e = ::readdir(dir)) {
    if (FoldCase(FromUtf8(e->d_name)) == wanted) {
      *found = e->d_name;
      ok = true;
      break;
    }
  }
  ::closedir(dir);
  return ok;
}

// '*' any run, '?' one unit; "*.*" is every name, as on the device.
bool Matches(const std::u16string& pattern, const std::u16string& name) {
  if (pattern == u"*.*" || pattern == u"*") return true;
  std::u16string p = FoldCase(pattern);
  std::u16string n = FoldCase(name);
  std::size_t pi = 0, ni = 0, star = std::u16string::npos, mark = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == u'?' || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == u'*') {
      star = pi++;
      mark = ni;
    } else if (star != std::u16string::npos) {
      pi = star + 1;
      ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == u'*') ++pi;
  return pi == p.size();
}

std::uint32_t AttributesOf(const std::string& hostPath, const std::u16string& name) {
  struct stat st;
  if (::stat(hostPath.c_str(), &st) != 0) return INVALID_FILE_ATTRIBUTES;
  std::uint32_t attributes = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
  if (!name.empty() && name[0] == u'.') attributes |= FILE_ATTRIBUTE_HIDDEN;
  return attributes;
}

void Fill(WIN32_FIND_DATAW* data, const std::u16string& name, std::uint32_t attributes,
          std::uint64_t size) {
  *data = WIN32_FIND_DATAW{};
  data->dwFileAttributes = attributes;
  data->nFileSizeHigh = static_cast<std::uint32_t>(size >> 32);
  data->nFileSizeLow = static_cast<std::uint32_t>(size);
  CopyText(data->cFileName, MAX_PATH, name.c_str());
}

// A picture that tells files apart in a preview: a square in a color of
// its own (from the file's name) with a lighter frame.
RasterImage FileIconPicture(int size, const std::u16string& path) {
  std::uint32_t hash = 2166136261u;
  for (char16_t c : FoldCase(path)) hash = (hash ^ c) * 16777619u;
  const Pixel fill = 0xFF000000u | (0x40 + (hash & 0x7F)) << 16 | (0x40 + ((hash >> 8) & 0x7F)) << 8 |
                     (0x40 + ((hash >> 16) & 0x7F));
  RasterImage picture(size, size, false, fill | 0x00808080u);
  if (size > 2) picture.Fill(RECT{1, 1, size - 1, size - 1}, fill);
  return picture;
}

}  // namespace

void HostFiles::SetDeviceRoot(const std::string& directory) {
  root_ = directory;
  while (root_.size() > 1 && root_.back() == '/') root_.pop_back();
}

bool HostFiles::ToHostPath(const std::u16string& devicePath, std::string* hostPath) const {
  if (root_.empty()) return false;
  std::vector<std::string> resolved;
  std::vector<std::u16string> parts = SplitPath(devicePath);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::u16string& part = parts[i];
    if (part == u".") continue;
    if (part == u"..") {
      if (!resolved.empty()) resolved.pop_back();
      continue;
    }
    std::string folder = root_;
    for (const std::string& r : resolved) folder += "/" + r;
    std::string name;
    bool last = i + 1 == parts.size();
    if (!IsDirectory(folder)) return false;
    if (!FindEntry(folder, part, &name)) {
      if (!last) return false;
      name = ToUtf8(part);
    }
    resolved.push_back(name);
  }
  std::string path = root_;
  for (const std::string& r : resolved) path += "/" + r;
  *hostPath = path;
  return true;
}

FindHandle HostFiles::FindFirstFileW(const char16_t* pattern, WIN32_FIND_DATAW* data) {
  if (pattern == nullptr || data == nullptr) return INVALID_HANDLE_VALUE;
  std::u16string text = pattern;
  std::size_t cut = text.find_last_of(u"\\/");
  std::u16string folder = cut == std::u16string::npos ? u"" : text.substr(0, cut);
  std::u16string names = cut == std::u16string::npos ? text : text.substr(cut + 1);
  std::string hostFolder;
  if (!ToHostPath(folder, &hostFolder) || !IsDirectory(hostFolder)) return INVALID_HANDLE_VALUE;
  DIR* dir = ::opendir(hostFolder.c_str());
  if (dir == nullptr) return INVALID_HANDLE_VALUE;
  Search search;
  while (dirent* e = ::readdir(dir)) {
    std::string raw = e->d_name;
    if (raw == "." || raw == "..") continue;
    std::u16string name = FromUtf8(raw);
    if (name.size() >= static_cast<std::size_t>(MAX_PATH) || !Matches(names, name)) continue;
    std::string full = hostFolder + "/" + raw;
    struct stat st;
    if (::stat(full.c_str(), &st) != 0) continue;  // a dangling link
    search.entries.push_back({name, AttributesOf(full, name), static_cast<std::uint64_t>(st.st_size)});
  }
  ::closedir(dir);
  std::sort(search.entries.begin(), search.entries.end(),
            [](const Entry& a, const Entry& b) { return a.name < b.name; });
  if (!SplitPath(folder).empty()) {
    // Below the top folder the listing starts with the folder and its parent.
    std::vector<Entry> dots;
    for (const char16_t* dot : {u".", u".."}) {
      if (Matches(names, dot)) dots.push_back({dot, FILE_ATTRIBUTE_DIRECTORY, 0});
    }
    search.entries.insert(search.entries.begin(), dots.begin(), dots.end());
  }
  if (search.entries.empty()) return INVALID_HANDLE_VALUE;
  const Entry& first = search.entries[0];
  Fill(data, first.name, first.attributes, first.size);
  search.next = 1;
  std::uintptr_t id = nextSearch_ += 4;
  searches_[id] = std::move(search);
  return FindHandle(id);
}

int HostFiles::FindNextFileW(FindHandle find, WIN32_FIND_DATAW* data) {
  auto it = searches_.find(static_cast<std::uintptr_t>(find));
  if (it == searches_.end() || data == nullptr) return 0;
  Search& search = it->second;
  if (search.next >= search.entries.size()) return 0;
  const Entry& e = search.entries[search.next++];
  Fill(data, e.name, e.attributes, e.size);
  return 1;
}

int HostFiles::FindClose(FindHandle find) {
  return searches_.erase(static_cast<std::uintptr_t>(find)) ? 1 : 0;
}

std::uint32_t HostFiles::GetFileAttributesW(const char16_t* path) {
  if (path == nullptr || path[0] == 0) return INVALID_FILE_ATTRIBUTES;
  std::string hostPath;
  if (!ToHostPath(path, &hostPath)) return INVALID_FILE_ATTRIBUTES;
  std::vector<std::u16string> parts = SplitPath(path);
  return AttributesOf(hostPath, parts.empty() ? std::u16string() : parts.back());
}

std::uintptr_t HostFiles::SHGetFileInfoW(const char16_t* path, std::uint32_t,
                                         SHFILEINFOW* info, std::uint32_t infoSize,
                                         std::uint32_t flags) {
  if (CallFails("SHGetFileInfoW")) return 0;
  if (path == nullptr || info == nullptr || infoSize < sizeof(SHFILEINFOW)) return 0;
  std::u16string text = path;
  int index = 0;
  if (!text.empty()) {
    std::uint32_t attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      index = kFolderIcon;
    } else {
      std::u16string name = SplitPath(text).back();
      std::size_t dot = name.rfind(u'.');
      std::u16string extension = dot == std::u16string::npos ? u"" : FoldCase(name.substr(dot));
      auto found = extensionIcons_.find(extension);
      if (found == extensionIcons_.end()) {
        int next = kFolderIcon + 1 + static_cast<int>(extensionIcons_.size());
        found = extensionIcons_.emplace(extension, next).first;
      }
      index = found->second;
    }
  }
  info->iIcon = index;
  if (flags & SHGFI_ICON) {
    const int size = ((flags & SHGFI_SMALLICON) ? 16 : 32) * HostScreen().ScreenDpiX() / 96;
    IconRecord icon;
    icon.picture = FileIconPicture(size, text);
    icon.name = ToUtf8(text);
    info->hIcon = Objects().AddIcon(std::move(icon));
  }
  return (flags & SHGFI_SYSICONINDEX) ? kSystemImageList : 1;
}

void HostFiles::Reset() {
  root_.clear();
  searches_.clear();
  extensionIcons_.clear();
}

HostFiles& HostFileSystem() {
  static HostFiles files;
  return files;
}

}  // namespace pf::host

namespace pf {
FilesService& PlatformFiles() { return host::HostFileSystem(); }
}  // namespace pf
