// Host shell: ShellExecuteEx records its calls, files open under the device root.
#include "platform/host/host_shell.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/host/host_files.h"
#include "platform/text.h"

namespace pf::host {

namespace {

std::u16string TextOf(const char16_t* text) { return text ? std::u16string(text) : std::u16string(); }

// A path as the shell takes it: one pair of surrounding quotation marks is
// not part of the name.
std::u16string Unquoted(const std::u16string& file) {
  if (file.size() >= 2 && file.front() == u'"' && file.back() == u'"') {
    return file.substr(1, file.size() - 2);
  }
  return file;
}

// The Linux path of an existing regular file, empty when there is none.
std::string ExistingFile(const std::u16string& devicePath) {
  // The device root is the one of the files stand-in in use (a test may install its own).
  auto* files = dynamic_cast<HostFiles*>(&pf::Files());
  std::string hostPath;
  if (devicePath.empty() || files == nullptr || !files->ToHostPath(devicePath, &hostPath)) return "";
  struct stat st;
  if (::stat(hostPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return "";
  return hostPath;
}

}  // namespace

int HostShell::ShellExecuteEx(SHELLEXECUTEINFO* info) {
  if (info == nullptr) return 0;
  ShellStart start;
  start.file = TextOf(info->lpFile);
  start.parameters = TextOf(info->lpParameters);
  start.size = info->cbSize;
  start.mask = info->fMask;
  start.show = info->nShow;
  start.started = !ExistingFile(Unquoted(start.file)).empty();
  starts_.push_back(start);
  info->hProcess = ProcessHandle{};
  if (!start.started) {
    info->hInstApp = ModuleHandle(2);  // SE_ERR_FNF
    return 0;
  }
  info->hInstApp = ModuleHandle(33);
  if (info->fMask & SEE_MASK_NOCLOSEPROCESS) {
    std::uintptr_t id = nextHandle_ += 4;
    processes_[id] = static_cast<int>(starts_.size()) - 1;
    info->hProcess = ProcessHandle(id);
  }
  return 1;
}

int HostShell::CloseHandle(ProcessHandle process) {
  return processes_.erase(static_cast<std::uintptr_t>(process)) ? 1 : 0;
}

FileStream HostShell::_wfopen(const char16_t* path, const char16_t* mode) {
  if (path == nullptr || mode == nullptr) return FileStream{};
  std::string hostPath = ExistingFile(path);
  if (hostPath.empty()) return FileStream{};
  std::FILE* file = std::fopen(hostPath.c_str(), ToUtf8(mode).c_str());
  if (file == nullptr) return FileStream{};
  std::uintptr_t id = nextHandle_ += 4;
  streams_[id] = file;
  return FileStream(id);
}

int HostShell::fclose(FileStream stream) {
  auto it = streams_.find(static_cast<std::uintptr_t>(stream));
  if (it == streams_.end()) return -1;  // EOF
  std::fclose(static_cast<std::FILE*>(it->second));
  streams_.erase(it);
  return 0;
}

void HostShell::Reset() {
  for (auto& [id, file] : streams_) std::fclose(static_cast<std::FILE*>(file));
  streams_.clear();
  starts_.clear();
  processes_.clear();
}

HostShell& HostShellService() {
  static HostShell shell;
  return shell;
}

}  // namespace pf::host

namespace pf {
ShellService& PlatformShell() { return host::HostShellService(); }
}  // namespace pf
