// Support for the Windows-side tests of the item library, the controls layer and the Today host: folders, programs, registry, preview figures, pictures.
#pragma once

// The prelude first: it includes our platform headers before <windows.h>.
#include "platform/win32/win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ostrel::todaytest {

using pf::win32::W;

// A path of the Unix side as Wine's drive Z: shows it.
std::wstring WindowsForm(const char* unixPath);
// ASCII text (other characters as '?').
std::string Narrow(const std::wstring& text);

// Folders, each with its trailing backslash: this program's, the item folder
// that `cmake --install` laid out for the tests, and the tests' data (.reg files).
std::wstring TestFolder();
std::wstring InstallFolder();
std::wstring DataFolder();
// A fresh, empty folder under the test folder.
std::wstring FreshFolder(const std::wstring& name);
bool CopyFromInstall(const std::wstring& folder, const std::wstring& name);
// The item library, the state images and the shortcuts of the installed folder.
void CopyItemFiles(const std::wstring& folder);
bool FileExists(const std::wstring& path);
// The lines "<program>.ran" holds: how often a marker program ran.
int RunsOf(const std::wstring& program);
// Waits up to timeoutMs for a marker program to have run `count` times.
int WaitForRuns(const std::wstring& program, int count, DWORD timeoutMs);

int ScreenDpi();
// The figures ostrel-preview computed for this density ("name v1 v2 ...");
// an empty list (and a test failure) when the name is missing.
std::vector<int> Figures(const std::string& name);

// A program started by the test, its standard output read line by line.
class Program {
 public:
  ~Program();
  bool Start(const std::wstring& commandLine);
  // The next line that starts with prefix (earlier ones are kept in Lines()).
  bool WaitForLine(const std::string& prefix, DWORD timeoutMs, std::string* line);
  // Waits for the end; -1 when it did not end in time (it is then ended).
  int Finish(DWORD timeoutMs);
  const std::vector<std::string>& Lines() const { return lines_; }
  std::string Output() const;

 private:
  bool ReadAvailable();
  HANDLE process_ = nullptr;
  HANDLE output_ = nullptr;
  std::string pending_;
  std::vector<std::string> lines_;
  std::size_t seen_ = 0;
};

// Runs a program to its end; its exit code, or -1 when it did not end in time.
int RunProgram(const std::wstring& commandLine, DWORD timeoutMs);
// regedit /S FILE.
bool ImportReg(const std::wstring& file);
// Removes the settings tree and the Today item key.
void DeleteItemKeys();
void SetRegText(HKEY root, const std::wstring& path, const std::wstring& name,
                const std::wstring& value);
void SetRegNumber(HKEY root, const std::wstring& path, const std::wstring& name, DWORD value);
bool GetRegText(HKEY root, const std::wstring& path, const std::wstring& name, std::wstring* value);
bool GetRegNumber(HKEY root, const std::wstring& path, const std::wstring& name, DWORD* value);

// The Today item key's values for an item library in `folder`.
void RegisterItem(const std::wstring& folder);

// The device's screen at this density: QVGA at 96 dpi, VGA at 192.
int HostWidth();
int HostHeight();
// The installed todayhost.exe on that screen, with more arguments.
std::wstring HostCommand(const std::wstring& arguments);

// The line todayhost writes for the item: "todayhost: item Ostrel height H at X,Y width W".
struct ItemLine {
  int height = -1;
  int x = -1;
  int y = -1;
  int width = -1;
};
bool ParseItemLine(const std::string& line, ItemLine* item);

constexpr const wchar_t* kSettingsKey = L"Software\\Vekta\\Ostrel";
constexpr const wchar_t* kItemKey = L"Software\\Microsoft\\Today\\Items\\Ostrel";

// A picture decoded with WIC: rows top-down, pixels as COLORREF (0x00BBGGRR).
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
bool LoadPicture(const std::wstring& path, Picture* picture);
// Largest difference of one color channel.
int ChannelDistance(COLORREF a, COLORREF b);
// Pixels of exactly `color` inside [left, right) x [top, bottom) of a surface.
int CountColor(HDC surface, const RECT& area, COLORREF color);

}  // namespace ostrel::todaytest
