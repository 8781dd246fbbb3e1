// Support for the Windows-side Today tests: folders and files, programs with their output, registry, preview figures, PNG pictures.
#include "tests/win/today/today_support.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace ostrel::todaytest {

std::wstring WindowsForm(const char* unixPath) {
  std::wstring path = L"Z:";
  for (const char* p = unixPath; *p != 0; ++p) path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
  return path;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += static_cast<char>(c < 128 ? c : '?');
  return out;
}

std::wstring TestFolder() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.rfind(L'\\') + 1);
}

std::wstring InstallFolder() { return TestFolder() + L"install\\"; }

std::wstring DataFolder() { return WindowsForm(OSTREL_TODAY_TEST_DATA) + L"\\"; }

std::wstring FreshFolder(const std::wstring& name) {
  const std::wstring folder = TestFolder() + name + L"\\";
  WIN32_FIND_DATAW found;
  HANDLE find = ::FindFirstFileW((folder + L"*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      ::DeleteFileW((folder + found.cFileName).c_str());
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
  }
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

bool CopyFromInstall(const std::wstring& folder, const std::wstring& name) {
  return ::CopyFileW((InstallFolder() + name).c_str(), (folder + name).c_str(), FALSE) != 0;
}

void CopyItemFiles(const std::wstring& folder) {
  ASSERT_TRUE(CopyFromInstall(folder, L"ostrel.dll")) << "run the today.install fixture first";
  for (const wchar_t* base : {L"battery", L"memory_ram", L"memory_phone", L"memory_card", L"alarm",
                              L"wifi", L"bt"}) {
    for (const wchar_t* dpi : {L"96", L"128", L"192"}) {
      EXPECT_TRUE(CopyFromInstall(folder, std::wstring(base) + dpi + L".png"));
    }
  }
  EXPECT_TRUE(CopyFromInstall(folder, L"battery.lnk"));
  EXPECT_TRUE(CopyFromInstall(folder, L"memory.lnk"));
}

bool FileExists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int RunsOf(const std::wstring& program) {
  std::ifstream in(Narrow(program + L".ran").c_str());
  int count = 0;
  for (std::string line; std::getline(in, line);) ++count;
  return count;
}

int WaitForRuns(const std::wstring& program, int count, DWORD timeoutMs) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  int runs = RunsOf(program);
  while (runs < count && ::GetTickCount64() < end) {
    ::Sleep(50);
    runs = RunsOf(program);
  }
  return runs;
}

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

std::vector<int> Figures(const std::string& name) {
  const std::wstring file = TestFolder() + L"expect" + std::to_wstring(ScreenDpi()) + L".txt";
  std::ifstream in(Narrow(file).c_str());
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key != name) continue;
    std::vector<int> values;
    for (int v; words >> v;) values.push_back(v);
    return values;
  }
  ADD_FAILURE() << "no figure '" << name << "' in " << Narrow(file)
                << " (written by the today.preview fixtures)";
  return {};
}

void DeleteItemKeys() {
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  ::RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kItemKey);
  ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kItemKey);
}

void SetRegText(HKEY root, const std::wstring& path, const std::wstring& name,
                const std::wstring& value) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(::RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  ::RegCloseKey(key);
}

void SetRegNumber(HKEY root, const std::wstring& path, const std::wstring& name, DWORD value) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(::RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                             sizeof value),
            ERROR_SUCCESS);
  ::RegCloseKey(key);
}

bool GetRegText(HKEY root, const std::wstring& path, const std::wstring& name, std::wstring* value) {
  wchar_t text[1024] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  DWORD type = 0;
  if (::RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_ANY, &type, text, &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return false;
  }
  *value = text;
  return true;
}

bool GetRegNumber(HKEY root, const std::wstring& path, const std::wstring& name, DWORD* value) {
  DWORD size = sizeof *value;
  DWORD type = 0;
  return ::RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_ANY, &type, value, &size) ==
             ERROR_SUCCESS &&
         type == REG_DWORD;
}

void RegisterItem(const std::wstring& folder) {
  SetRegNumber(HKEY_LOCAL_MACHINE, kItemKey, L"Type", 4);
  SetRegText(HKEY_LOCAL_MACHINE, kItemKey, L"DLL", folder + L"ostrel.dll");
  SetRegNumber(HKEY_LOCAL_MACHINE, kItemKey, L"Enabled", 1);
  SetRegNumber(HKEY_LOCAL_MACHINE, kItemKey, L"Options", 1);
  SetRegNumber(HKEY_LOCAL_MACHINE, kItemKey, L"Order", 0);
  SetRegNumber(HKEY_LOCAL_MACHINE, kItemKey, L"Selectability", 2);
}

int HostWidth() { return 240 * ScreenDpi() / 96; }
int HostHeight() { return 320 * ScreenDpi() / 96; }

std::wstring HostCommand(const std::wstring& arguments) {
  return L"\"" + InstallFolder() + L"todayhost.exe\" --size " + std::to_wstring(HostWidth()) + L"x" +
         std::to_wstring(HostHeight()) + L" " + arguments;
}

bool ParseItemLine(const std::string& line, ItemLine* item) {
  return std::sscanf(line.c_str(), "todayhost: item Ostrel height %d at %d,%d width %d", &item->height,
                     &item->x, &item->y, &item->width) == 4;
}

// ---- Programs ----

Program::~Program() {
  if (process_ != nullptr) {
    if (::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) ::TerminateProcess(process_, 255);
    ::CloseHandle(process_);
  }
  if (output_ != nullptr) ::CloseHandle(output_);
}

bool Program::Start(const std::wstring& commandLine) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE write = nullptr;
  if (!::CreatePipe(&output_, &write, &inherit, 0)) return false;
  ::SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = write;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION info{};
  std::wstring line = commandLine;
  const BOOL ok = ::CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                   &startup, &info);
  ::CloseHandle(write);
  if (!ok) return false;
  ::CloseHandle(info.hThread);
  process_ = info.hProcess;
  return true;
}

bool Program::ReadAvailable() {
  DWORD available = 0;
  if (!::PeekNamedPipe(output_, nullptr, 0, nullptr, &available, nullptr)) return false;
  if (available == 0) return true;
  std::string chunk(available, '\0');
  DWORD read = 0;
  if (!::ReadFile(output_, &chunk[0], available, &read, nullptr)) return false;
  pending_.append(chunk, 0, read);
  for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
    std::string text = pending_.substr(0, end);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    lines_.push_back(text);
    pending_.erase(0, end + 1);
  }
  return true;
}

bool Program::WaitForLine(const std::string& prefix, DWORD timeoutMs, std::string* line) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  for (;;) {
    const bool open = ReadAvailable();
    for (; seen_ < lines_.size(); ++seen_) {
      if (lines_[seen_].compare(0, prefix.size(), prefix) == 0) {
        *line = lines_[seen_++];
        return true;
      }
    }
    if (!open || ::GetTickCount64() >= end) return false;
    ::Sleep(30);
  }
}

int Program::Finish(DWORD timeoutMs) {
  if (process_ == nullptr) return -1;
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  while (::WaitForSingleObject(process_, 30) == WAIT_TIMEOUT) {
    ReadAvailable();
    if (::GetTickCount64() >= end) {
      ::TerminateProcess(process_, 255);
      ::WaitForSingleObject(process_, 5000);
      return -1;
    }
  }
  while (ReadAvailable()) {
    DWORD available = 0;
    if (!::PeekNamedPipe(output_, nullptr, 0, nullptr, &available, nullptr) || available == 0) break;
  }
  DWORD code = 0;
  ::GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

std::string Program::Output() const {
  std::string all;
  for (const std::string& line : lines_) all += line + "\n";
  return all + pending_;
}

int RunProgram(const std::wstring& commandLine, DWORD timeoutMs) {
  Program program;
  if (!program.Start(commandLine)) return -1;
  return program.Finish(timeoutMs);
}

bool ImportReg(const std::wstring& file) {
  return RunProgram(L"regedit.exe /S \"" + file + L"\"", 30000) == 0;
}

// ---- Pictures ----

bool LoadPicture(const std::wstring& path, Picture* picture) {
  IWICImagingFactory* factory = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICFormatConverter* converter = nullptr;
  UINT width = 0;
  UINT height = 0;
  bool ok = SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_PPV_ARGS(&factory)));
  ok = ok && SUCCEEDED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                          WICDecodeMetadataCacheOnDemand, &decoder));
  ok = ok && SUCCEEDED(decoder->GetFrame(0, &frame));
  ok = ok && SUCCEEDED(factory->CreateFormatConverter(&converter));
  ok = ok && SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                             nullptr, 0.0, WICBitmapPaletteTypeCustom));
  ok = ok && SUCCEEDED(converter->GetSize(&width, &height));
  std::vector<std::uint32_t> bgra(static_cast<std::size_t>(width) * height);
  ok = ok && SUCCEEDED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                             reinterpret_cast<BYTE*>(bgra.data())));
  if (converter) converter->Release();
  if (frame) frame->Release();
  if (decoder) decoder->Release();
  if (factory) factory->Release();
  if (!ok) return false;
  picture->width = static_cast<int>(width);
  picture->height = static_cast<int>(height);
  picture->pixels.resize(bgra.size());
  for (std::size_t i = 0; i < bgra.size(); ++i) {
    const std::uint32_t p = bgra[i];
    picture->pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  return true;
}

int ChannelDistance(COLORREF a, COLORREF b) {
  int most = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    most = std::max(most, d < 0 ? -d : d);
  }
  return most;
}

int CountColor(HDC surface, const RECT& area, COLORREF color) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (::GetPixel(surface, x, y) == color) ++count;
    }
  }
  return count;
}

}  // namespace ostrel::todaytest
