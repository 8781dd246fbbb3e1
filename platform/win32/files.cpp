// File search, attributes and the shell's file icons forwarded to the real calls, with the device's paths under the system drive.
#include "platform/win32/win32_draw.h"
#include "platform/win32/win32_paths.h"

#include <shellapi.h>

namespace pf::win32 {

namespace {

pf::FILETIME FromRealTime(const ::FILETIME& real) {
  pf::FILETIME ours;
  ours.dwLowDateTime = real.dwLowDateTime;
  ours.dwHighDateTime = real.dwHighDateTime;
  return ours;
}

void CopyFound(const ::WIN32_FIND_DATAW& real, pf::WIN32_FIND_DATAW* ours) {
  ours->dwFileAttributes = real.dwFileAttributes;
  ours->ftCreationTime = FromRealTime(real.ftCreationTime);
  ours->ftLastAccessTime = FromRealTime(real.ftLastAccessTime);
  ours->ftLastWriteTime = FromRealTime(real.ftLastWriteTime);
  ours->nFileSizeHigh = real.nFileSizeHigh;
  ours->nFileSizeLow = real.nFileSizeLow;
  ours->dwReserved0 = real.dwReserved0;
  ours->dwReserved1 = real.dwReserved1;
  ::lstrcpynW(W(ours->cFileName), real.cFileName, ours::MaxPath);
  ::lstrcpynW(W(ours->cAlternateFileName), real.cAlternateFileName, 14);
}

// A process may hold 10000 user objects by default: past that the platform
// gives no icon, while Wine hands out icons until its handle tables are so
// full that nothing can be painted and, further on, aborts. The layer gives
// no icon beyond that many held, as the platform would.
constexpr int kIconQuota = 10000;

bool IconQuotaReached() { return Win32Draw().LiveObjects().icons >= kIconQuota; }

}  // namespace

class Win32Files : public pf::FilesService {
 public:
  pf::FindHandle FindFirstFileW(const char16_t* pattern, pf::WIN32_FIND_DATAW* data) override {
    if (pattern == nullptr || data == nullptr) return FromReal<pf::FindHandle>(INVALID_HANDLE_VALUE);
    wchar_t path[kLongPath];
    DevicePath(pattern, path);
    ::WIN32_FIND_DATAW real{};
    HANDLE find = ::FindFirstFileW(path, &real);
    if (find != INVALID_HANDLE_VALUE) CopyFound(real, data);
    return FromReal<pf::FindHandle>(find);
  }

  int FindNextFileW(pf::FindHandle find, pf::WIN32_FIND_DATAW* data) override {
    if (data == nullptr) return 0;
    ::WIN32_FIND_DATAW real{};
    if (!::FindNextFileW(ToReal<HANDLE>(find), &real)) return 0;
    CopyFound(real, data);
    return 1;
  }

  int FindClose(pf::FindHandle find) override {
    return ::FindClose(ToReal<HANDLE>(find)) ? 1 : 0;
  }

  std::uint32_t GetFileAttributesW(const char16_t* path) override {
    if (path == nullptr) return INVALID_FILE_ATTRIBUTES;
    wchar_t file[kLongPath];
    DevicePath(path, file);
    return ::GetFileAttributesW(file);
  }

  // An icon handed out here is counted with the drawing objects, so that
  // the caller's DestroyIcon balances it.
  std::uintptr_t SHGetFileInfoW(const char16_t* path, std::uint32_t attributes,
                                pf::SHFILEINFOW* info, std::uint32_t infoSize,
                                std::uint32_t flags) override {
    if (path == nullptr || info == nullptr || infoSize < sizeof(pf::SHFILEINFOW)) return 0;
    if ((flags & SHGFI_ICON) && IconQuotaReached()) {
      *info = pf::SHFILEINFOW{};
      return 0;
    }
    wchar_t file[kLongPath];
    DevicePath(path, file);
    ::SHFILEINFOW real{};
    const DWORD_PTR result = ::SHGetFileInfoW(file, attributes, &real, sizeof real, flags);
    if (flags & SHGFI_ICON) Win32Draw().TrackIcon(real.hIcon);
    info->hIcon = FromHicon(real.hIcon);
    info->iIcon = real.iIcon;
    info->dwAttributes = real.dwAttributes;
    ::lstrcpynW(W(info->szDisplayName), real.szDisplayName, ours::MaxPath);
    ::lstrcpynW(W(info->szTypeName), real.szTypeName, 80);
    return result;
  }
};

}  // namespace pf::win32

namespace pf {

FilesService& PlatformFiles() {
  static win32::Win32Files files;
  return files;
}

}  // namespace pf
