// Shell service: starting programs and documents with ShellExecuteEx, and read-only file streams.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace pf {

enum class ProcessHandle : std::uintptr_t {};
enum class FileStream : std::uintptr_t {};

// SHELLEXECUTEINFO's mask bits.
constexpr std::uint32_t SEE_MASK_NOCLOSEPROCESS = 0x00000040;

// The record of ShellExecuteEx, field for field the shell's (cbSize is what
// the caller states; each platform layer builds its own record from this one).
struct SHELLEXECUTEINFO {
  std::uint32_t cbSize = 0;
  std::uint32_t fMask = 0;
  WindowHandle hwnd{};
  const char16_t* lpVerb = nullptr;
  const char16_t* lpFile = nullptr;
  const char16_t* lpParameters = nullptr;
  const char16_t* lpDirectory = nullptr;
  int nShow = 0;
  ModuleHandle hInstApp{};  // out: > 32 on success
  ProcessHandle hProcess{};  // out with SEE_MASK_NOCLOSEPROCESS: the started process
};

class ShellService {
 public:
  virtual ~ShellService() = default;
  // Starts lpFile (a program, a shortcut or a document; a path may come
  // wrapped in quotation marks). Non-zero on success.
  virtual int ShellExecuteEx(SHELLEXECUTEINFO* info) = 0;
  virtual int CloseHandle(ProcessHandle process) = 0;
  // The C library's stream opening and closing; null when the file cannot
  // be opened in that mode.
  virtual FileStream _wfopen(const char16_t* path, const char16_t* mode) = 0;
  virtual int fclose(FileStream stream) = 0;
};

ShellService& Shell();
void SetShell(ShellService* service);
ShellService& PlatformShell();

inline int ShellExecuteEx(SHELLEXECUTEINFO* info) { return Shell().ShellExecuteEx(info); }
inline int CloseHandle(ProcessHandle process) { return Shell().CloseHandle(process); }
inline FileStream _wfopen(const char16_t* path, const char16_t* mode) {
  return Shell()._wfopen(path, mode);
}
inline int fclose(FileStream stream) { return Shell().fclose(stream); }

}  // namespace pf
