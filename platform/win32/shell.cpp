// ShellExecuteEx, process handles and read-only file streams forwarded to the real ones.
#include "platform/win32/win32_paths.h"

#include <shellapi.h>

#include <cstdio>

namespace pf::win32 {

class Win32Shell : public pf::ShellService {
 public:
  int ShellExecuteEx(pf::SHELLEXECUTEINFO* info) override {
    if (info == nullptr) return 0;
    wchar_t file[kLongPath];
    DevicePath(info->lpFile != nullptr ? info->lpFile : u"", file);
    ::SHELLEXECUTEINFOW real{};
    real.cbSize = sizeof(real);
    real.fMask = info->fMask;
    real.hwnd = ToHwnd(info->hwnd);
    real.lpVerb = W(info->lpVerb);
    real.lpFile = file;
    real.lpParameters = W(info->lpParameters);
    real.lpDirectory = W(info->lpDirectory);
    real.nShow = info->nShow;
    const BOOL ok = ::ShellExecuteExW(&real);
    info->hInstApp = FromHmodule(reinterpret_cast<HMODULE>(real.hInstApp));
    info->hProcess = ok ? FromReal<pf::ProcessHandle>(real.hProcess) : pf::ProcessHandle{};
    return ok ? 1 : 0;
  }

  int CloseHandle(pf::ProcessHandle process) override {
    return ::CloseHandle(ToReal<HANDLE>(process)) ? 1 : 0;
  }

  pf::FileStream _wfopen(const char16_t* path, const char16_t* mode) override {
    if (path == nullptr || mode == nullptr) return pf::FileStream{};
    wchar_t file[kLongPath];
    DevicePath(path, file);
    return FromReal<pf::FileStream>(::_wfopen(file, W(mode)));
  }

  int fclose(pf::FileStream stream) override {
    return ::fclose(ToReal<FILE*>(stream));
  }
};

}  // namespace pf::win32

namespace pf {

ShellService& PlatformShell() {
  static win32::Win32Shell shell;
  return shell;
}

}  // namespace pf
