// Host stand-in for the shell service: records what would be started and opens files under the device root.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace pf::host {

// One ShellExecuteEx call as the program made it.
struct ShellStart {
  std::u16string file;        // lpFile exactly as passed (quotation marks included)
  std::u16string parameters;
  std::uint32_t size = 0;     // cbSize as the caller stated it
  std::uint32_t mask = 0;
  int show = 0;
  bool started = false;       // the file was found under the device root
};

// Paths name files under the device root of the files stand-in in use (pf::Files()).
class HostShell : public ShellService {
 public:
  int ShellExecuteEx(SHELLEXECUTEINFO* info) override;
  int CloseHandle(ProcessHandle process) override;
  FileStream _wfopen(const char16_t* path, const char16_t* mode) override;
  int fclose(FileStream stream) override;

  // Every ShellExecuteEx call in order.
  const std::vector<ShellStart>& Starts() const { return starts_; }
  // Process handles handed out and not yet closed; streams not yet closed.
  int OpenProcesses() const { return static_cast<int>(processes_.size()); }
  int OpenStreams() const { return static_cast<int>(streams_.size()); }
  void Reset();

 private:
  std::vector<ShellStart> starts_;
  std::map<std::uintptr_t, int> processes_;
  std::map<std::uintptr_t, void*> streams_;
  std::uintptr_t nextHandle_ = 0x9000;
};

HostShell& HostShellService();

}  // namespace pf::host
