// Test support: processes with their output, the settings program's window, the broadcast listener and the registry.
#include "tests/win/config/cfg_win_support.h"

namespace ostrel::cfgtest {

Process::~Process() {
  if (process_ != nullptr) {
    if (Running()) {
      ::TerminateProcess(process_, 99);
      ::WaitForSingleObject(process_, 5000);
    }
    ::CloseHandle(process_);
  }
  if (output_ != nullptr) ::CloseHandle(output_);
}

bool Process::Start(const std::wstring& commandLine, bool captureOutput) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  HANDLE write = nullptr;
  if (captureOutput) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    if (!::CreatePipe(&output_, &write, &inherit, 0)) return false;
    ::SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  }
  PROCESS_INFORMATION info{};
  std::wstring line = commandLine;
  const BOOL ok = ::CreateProcessW(nullptr, &line[0], nullptr, nullptr, captureOutput, 0, nullptr,
                                   nullptr, &startup, &info);
  if (write != nullptr) ::CloseHandle(write);
  if (!ok) return false;
  ::CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

int Process::Wait(DWORD timeoutMs) {
  if (process_ == nullptr || ::WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
  ReadOutput();
  DWORD code = 0;
  ::GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

bool Process::Running() const {
  return process_ != nullptr && ::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void Process::ReadOutput() {
  DWORD available = 0;
  while (output_ != nullptr && ::PeekNamedPipe(output_, nullptr, 0, nullptr, &available, nullptr) &&
         available > 0) {
    std::string chunk(available, '\0');
    DWORD read = 0;
    if (!::ReadFile(output_, &chunk[0], available, &read, nullptr) || read == 0) return;
    pending_.append(chunk, 0, read);
    for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
      std::string text = pending_.substr(0, end);
      if (!text.empty() && text.back() == '\r') text.pop_back();
      lines_.push_back(text);
      pending_.erase(0, end + 1);
    }
  }
}

bool Process::WaitForLine(const std::string& prefix, DWORD timeoutMs, std::string* line) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  for (;;) {
    ReadOutput();
    for (; taken_ < lines_.size(); ++taken_) {
      if (lines_[taken_].compare(0, prefix.size(), prefix) == 0) {
        *line = lines_[taken_++];
        return true;
      }
    }
    if (::GetTickCount64() >= end) return false;
    ::Sleep(50);
  }
}

std::string Process::Output() const {
  std::string all;
  for (const std::string& l : lines_) all += l + "\n";
  return all + pending_;
}

namespace {

struct WindowSearch {
  DWORD processId = 0;  // 0: any process
  std::vector<HWND> found;
};

BOOL CALLBACK CollectSettingsWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  wchar_t name[64] = {};
  wchar_t title[64] = {};
  ::GetClassNameW(window, name, 64);
  ::GetWindowTextW(window, title, 64);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (std::wstring(name) == L"OSTRELCFG" && std::wstring(title) == L"Ostrel" &&
      (search->processId == 0 || search->processId == owner)) {
    search->found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> SettingsWindows(DWORD processId) {
  WindowSearch search;
  search.processId = processId;
  ::EnumWindows(CollectSettingsWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

HWND WaitForSettingsWindow(DWORD processId, DWORD timeoutMs) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  do {
    for (HWND window : SettingsWindows(processId)) {
      if (::IsWindowVisible(window)) return window;
    }
    ::Sleep(50);
  } while (::GetTickCount64() < end);
  return nullptr;
}

int SettingsWindowCount() { return static_cast<int>(SettingsWindows(0).size()); }

namespace {

std::vector<std::pair<WPARAM, LPARAM>>& Heard() {
  static std::vector<std::pair<WPARAM, LPARAM>> heard;
  return heard;
}

LRESULT CALLBACK ListenerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTINGCHANGE) Heard().emplace_back(wParam, lParam);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

BroadcastListener::BroadcastListener() {
  Heard().clear();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ListenerProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"OstrelcfgTestListener";
  ::RegisterClassW(&windowClass);
  // Top-level and hidden: broadcasts reach it, the captures never see it.
  window_ = ::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
}

BroadcastListener::~BroadcastListener() {
  if (window_ != nullptr) ::DestroyWindow(window_);
}

void BroadcastListener::Pump(DWORD ms) {
  const ULONGLONG end = ::GetTickCount64() + ms;
  do {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::Sleep(20);
  } while (::GetTickCount64() < end);
}

const std::vector<std::pair<WPARAM, LPARAM>>& BroadcastListener::SettingChanges() const {
  return Heard();
}

void ProgramTest::SetUp() { DeleteSettingsAndItem(); }
void ProgramTest::TearDown() { DeleteSettingsAndItem(); }

std::unique_ptr<SettingsWindow> ProgramTest::Launch(Process& process) {
  EXPECT_TRUE(process.Start(L"\"" + Paths().program + L"\"")) << "cannot start the program";
  HWND main = WaitForSettingsWindow(process.Id(), 20000);
  EXPECT_NE(main, nullptr) << "the main window did not appear";
  return main != nullptr ? std::make_unique<SettingsWindow>(main) : nullptr;
}

void ProgramTest::Open(SettingsWindow& w, Control list, const std::wstring& caption) {
  const int row = w.RowOf(list, caption);
  ASSERT_GE(row, 0);
  w.Select(list, row);
  w.Click(cfg::EditButton);
}

void DeleteSettingsAndItem() {
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  ::RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kItemKey);
  ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kItemKey);
}

bool KeyExists(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(key);
  return true;
}

namespace {
std::wstring BlockPath(const std::wstring& block) {
  return block.empty() ? kSettingsKey : std::wstring(kSettingsKey) + L"\\" + block;
}
}  // namespace

bool ReadNumber(const std::wstring& block, const wchar_t* name, DWORD* value) {
  DWORD size = sizeof *value;
  return ::RegGetValueW(HKEY_CURRENT_USER, BlockPath(block).c_str(), name, RRF_RT_REG_DWORD,
                        nullptr, value, &size) == ERROR_SUCCESS;
}

bool ReadText(const std::wstring& block, const wchar_t* name, std::wstring* value) {
  wchar_t text[512] = {};
  DWORD size = sizeof text;
  if (::RegGetValueW(HKEY_CURRENT_USER, BlockPath(block).c_str(), name, RRF_RT_REG_SZ, nullptr,
                     text, &size) != ERROR_SUCCESS) {
    return false;
  }
  *value = text;
  return true;
}

void WriteNumber(HKEY root, const std::wstring& path, const wchar_t* name, DWORD value) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  ::RegCloseKey(key);
}

void WriteText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(key);
}

std::string Utf8(const std::wstring& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) {
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], size,
                          nullptr, nullptr);
  }
  return out;
}

}  // namespace ostrel::cfgtest
