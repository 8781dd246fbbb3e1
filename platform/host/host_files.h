// Host stand-in for the files service: the device's folders are the Linux file system under a chosen device root.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/files.h"

namespace pf::host {

// A device path such as "\\Windows\\x.exe" or "Windows\\x.exe" names
// <root>/Windows/x.exe. Names match ignoring case, as on the device; names
// beginning with "." count as hidden. Without a root no file exists.
class HostFiles : public FilesService {
 public:
  FindHandle FindFirstFileW(const char16_t* pattern, WIN32_FIND_DATAW* data) override;
  int FindNextFileW(FindHandle find, WIN32_FIND_DATAW* data) override;
  int FindClose(FindHandle find) override;
  std::uint32_t GetFileAttributesW(const char16_t* path) override;
  std::uintptr_t SHGetFileInfoW(const char16_t* path, std::uint32_t attributes,
                                SHFILEINFOW* info, std::uint32_t infoSize,
                                std::uint32_t flags) override;

  void SetDeviceRoot(const std::string& directory);
  const std::string& DeviceRoot() const { return root_; }
  // The Linux path of a device path; false when a folder on the way is missing
  // (the last name need not exist).
  bool ToHostPath(const std::u16string& devicePath, std::string* hostPath) const;
  // Searches not yet closed.
  int OpenSearches() const { return static_cast<int>(searches_.size()); }
  // The system image list's index for folders; files get one index per
  // extension, in the order they are first asked for.
  static constexpr int kFolderIcon = 1;
  void Reset();

 private:
  struct Entry {
    std::u16string name;
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
  };
  struct Search {
    std::vector<Entry> entries;
    std::size_t next = 0;
  };

  std::string root_;
  std::map<std::uintptr_t, Search> searches_;
  std::uintptr_t nextSearch_ = 0x5EA0;
  std::map<std::u16string, int> extensionIcons_;
};

HostFiles& HostFileSystem();

}  // namespace pf::host
