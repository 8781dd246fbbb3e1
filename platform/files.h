// Files service: folder enumeration, file attributes and the shell's small-icon index.
#pragma once

#include <cstdint>

#include "platform/clock.h"  // FILETIME
#include "platform/types.h"

namespace pf {

enum class FindHandle : std::uintptr_t {};
constexpr FindHandle INVALID_HANDLE_VALUE{~std::uintptr_t{0}};

constexpr std::uint32_t FILE_ATTRIBUTE_READONLY = 0x0001;
constexpr std::uint32_t FILE_ATTRIBUTE_HIDDEN = 0x0002;
constexpr std::uint32_t FILE_ATTRIBUTE_SYSTEM = 0x0004;
constexpr std::uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x0010;
constexpr std::uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x0020;
constexpr std::uint32_t FILE_ATTRIBUTE_NORMAL = 0x0080;
constexpr std::uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;

struct WIN32_FIND_DATAW {
  std::uint32_t dwFileAttributes = 0;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  std::uint32_t nFileSizeHigh = 0;
  std::uint32_t nFileSizeLow = 0;
  std::uint32_t dwReserved0 = 0;
  std::uint32_t dwReserved1 = 0;
  char16_t cFileName[MAX_PATH] = {};
  char16_t cAlternateFileName[14] = {};
};

// SHGetFileInfoW flags and record.
constexpr std::uint32_t SHGFI_SMALLICON = 0x0001;
constexpr std::uint32_t SHGFI_ICON = 0x0100;
constexpr std::uint32_t SHGFI_SYSICONINDEX = 0x4000;

struct SHFILEINFOW {
  IconHandle hIcon{};
  int iIcon = 0;
  std::uint32_t dwAttributes = 0;
  char16_t szDisplayName[MAX_PATH] = {};
  char16_t szTypeName[80] = {};
};

class FilesService {
 public:
  virtual ~FilesService() = default;
  // pattern: a folder followed by a wildcard name ("Windows\\*.*").
  virtual FindHandle FindFirstFileW(const char16_t* pattern, WIN32_FIND_DATAW* data) = 0;
  virtual int FindNextFileW(FindHandle find, WIN32_FIND_DATAW* data) = 0;
  virtual int FindClose(FindHandle find) = 0;
  virtual std::uint32_t GetFileAttributesW(const char16_t* path) = 0;
  // With SHGFI_SYSICONINDEX: fills iIcon and returns the system image list
  // (0 when the path is not found); SHGFI_ICON also hands out an icon that the
  // caller destroys.
  virtual std::uintptr_t SHGetFileInfoW(const char16_t* path, std::uint32_t attributes,
                                        SHFILEINFOW* info, std::uint32_t infoSize,
                                        std::uint32_t flags) = 0;
};

FilesService& Files();
void SetFiles(FilesService* service);
FilesService& PlatformFiles();

inline FindHandle FindFirstFileW(const char16_t* pattern, WIN32_FIND_DATAW* data) {
  return Files().FindFirstFileW(pattern, data);
}
inline int FindNextFileW(FindHandle find, WIN32_FIND_DATAW* data) {
  return Files().FindNextFileW(find, data);
}
inline int FindClose(FindHandle find) { return Files().FindClose(find); }
inline std::uint32_t GetFileAttributesW(const char16_t* path) {
  return Files().GetFileAttributesW(path);
}
inline std::uintptr_t SHGetFileInfoW(const char16_t* path, std::uint32_t attributes,
                                     SHFILEINFOW* info, std::uint32_t infoSize,
                                     std::uint32_t flags) {
  return Files().SHGetFileInfoW(path, attributes, info, infoSize, flags);
}

}  // namespace pf
