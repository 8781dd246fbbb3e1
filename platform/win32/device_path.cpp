// The device's paths turned into desktop paths under the system drive's root.
#include "platform/win32/win32_paths.h"

#include <cwchar>

namespace pf::win32 {

#ifdef UNDER_CE
void DevicePath(const char16_t* path, wchar_t* out) { ::lstrcpynW(out, W(path), kLongPath); }
#else
void DevicePath(const char16_t* path, wchar_t* out) {
  const wchar_t* p = W(path);
  const bool quoted = p[0] == L'"';
  const wchar_t* name = quoted ? p + 1 : p;
  const bool rooted = (name[0] != 0 && name[1] == L':') || (name[0] == L'\\' && name[1] == L'\\');
  if (rooted) {
    ::lstrcpynW(out, p, kLongPath);
    return;
  }
  wchar_t drive[8] = L"C:";
  ::GetEnvironmentVariableW(L"SystemDrive", drive, 8);
  while (*name == L'\\') ++name;
  ::_snwprintf(out, kLongPath - 1, L"%ls%ls\\%ls", quoted ? L"\"" : L"", drive, name);
  out[kLongPath - 1] = 0;
}
#endif

}  // namespace pf::win32
