// Support for the settings program's Windows-side tests: the programs under test started as processes, their controls driven with real window messages across the process boundary, captures written as PNG, the registry and the broadcast.
#pragma once

// The program's control names and ids come first: they are our headers,
// which must precede <windows.h>.
#include "config/config.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ostrel::cfgtest {

using cfg::Control;

// What the test's command line names (Windows paths), and the screen's density.
struct TestPaths {
  std::wstring program;    // ostrelcfg.exe
  std::wstring todayhost;  // todayhost.exe
  std::wstring library;    // ostrel.dll
  std::wstring output;     // folder for the captures, with its trailing backslash
};
TestPaths& Paths();
int ScreenDpi();
// The device screen the tests play: 240 x 320 design pixels at the screen's density.
int DeviceWidth();
int DeviceHeight();

// A process started by a test, ended at the latest with the test.
class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();
  // Its standard output is kept when captureOutput is true.
  bool Start(const std::wstring& commandLine, bool captureOutput = false);
  // The exit code, or -1 when it did not end within timeoutMs.
  int Wait(DWORD timeoutMs);
  bool Running() const;
  HANDLE Handle() const { return process_; }
  DWORD Id() const { return id_; }
  // The next output line beginning with prefix, after those already taken.
  bool WaitForLine(const std::string& prefix, DWORD timeoutMs, std::string* line);
  std::string Output() const;

 private:
  void ReadOutput();
  HANDLE process_ = nullptr;
  HANDLE output_ = nullptr;
  DWORD id_ = 0;
  std::string pending_;
  std::vector<std::string> lines_;
  std::size_t taken_ = 0;
};

// The settings program's main window of a process; null after timeoutMs.
HWND WaitForSettingsWindow(DWORD processId, DWORD timeoutMs);
// Top-level windows of the program's class and title.
int SettingsWindowCount();

// Pixels grabbed from the screen, 0x00BBGGRR, rows top-down.
struct Picture {
  int left = 0;  // where its top-left pixel is on the screen
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  // Pixels of exactly `color` in [r.left, r.right) x [r.top, r.bottom).
  int Count(const RECT& r, COLORREF color) const;
};
bool SavePng(const Picture& picture, const std::wstring& path);

// The running settings program as a person sees and touches it: every call
// is a real window message to its real controls.
class SettingsWindow {
 public:
  explicit SettingsWindow(HWND main);
  ~SettingsWindow();
  SettingsWindow(const SettingsWindow&) = delete;
  SettingsWindow& operator=(const SettingsWindow&) = delete;

  HWND Main() const { return main_; }
  HWND Of(Control control) const { return GetDlgItem(main_, cfg::ControlId(control)); }
  // The soft-key bar: the window the main window owns.
  HWND Bar() const;
  bool Visible(Control c) const { return IsWindowVisible(Of(c)) != FALSE; }
  bool Enabled(Control c) const { return IsWindowEnabled(Of(c)) != FALSE; }
  std::wstring Text(Control c) const { return TextOf(Of(c)); }
  static std::wstring TextOf(HWND window);
  // The control's rectangle in the main window's client coordinates.
  RECT Place(Control c) const;

  // List views.
  int RowCount(Control list) const;
  std::wstring RowText(Control list, int row, int column) const;
  bool Selected(Control list, int row) const;
  bool Checked(Control list, int row) const;
  int RowOf(Control list, const std::wstring& caption) const;
  void Select(Control list, int row);
  void Check(Control list, int row, bool on);
  // Tabs.
  int TabCount() const;
  std::wstring TabText(int index) const;
  int CurrentTab() const;
  void TapTab(int index);
  // A click of a shown, enabled button (check boxes flip).
  void Click(Control button);
  void Type(Control edit, const std::wstring& text);
  void Choose(Control combo, int index);
  int ComboCount(Control combo) const;
  std::wstring ComboText(Control combo, int index) const;
  // The soft keys: 40000 "OK", 40001 "Отмена".
  void SoftKey(int command);
  void Ok() { SoftKey(cfg::kCommandOk); }
  void Cancel() { SoftKey(cfg::kCommandCancel); }

  // The main window and its bar as they are on the screen, after every
  // pending paint; written to Paths().output + name + ".png" when a name is given.
  Picture Grab(const std::wstring& name = L"");
  // A rectangle of the main window's client area where it lies in a grab.
  RECT InPicture(const Picture& picture, const RECT& client) const;

 private:
  // A block of memory in the program's process for the records a list view
  // or tab strip reads and writes.
  void* Remote(std::size_t size) const;
  void Put(const void* data, std::size_t size, std::size_t offset = 0) const;
  void Get(void* data, std::size_t size, std::size_t offset = 0) const;
  // A text the control wrote into the block at the text's place.
  std::wstring RemoteText() const;

  HWND main_;
  HANDLE process_ = nullptr;
  mutable void* remote_ = nullptr;  // made on first use
  static constexpr std::size_t kRemoteSize = 4096;
};

// A hidden top-level window of the test that hears broadcasts.
class BroadcastListener {
 public:
  BroadcastListener();
  ~BroadcastListener();
  // Handles the test's messages for up to ms milliseconds.
  void Pump(DWORD ms);
  // The (wParam, lParam) of every WM_SETTINGCHANGE heard.
  const std::vector<std::pair<WPARAM, LPARAM>>& SettingChanges() const;
  HWND Window() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// A test of the program with the settings tree and the Today item key
// removed before and after it.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Starts ostrelcfg.exe and waits for its main window to show; null (and a
  // failure) when it does not.
  static std::unique_ptr<SettingsWindow> Launch(Process& process);
  // Opens a row's editor, or a block page from the Pages list, by its caption.
  static void Open(SettingsWindow& w, Control list, const std::wstring& caption);
  // Design pixels at the screen's density.
  static int S(int n) { return n * ScreenDpi() / 96; }
};

// The settings tree (HKCU "Software\Vekta\Ostrel") and the Today item key.
constexpr const wchar_t* kSettingsKey = L"Software\\Vekta\\Ostrel";
constexpr const wchar_t* kItemKey = L"Software\\Microsoft\\Today\\Items\\Ostrel";
void DeleteSettingsAndItem();
bool KeyExists(HKEY root, const std::wstring& path);
bool ReadNumber(const std::wstring& block, const wchar_t* name, DWORD* value);
bool ReadText(const std::wstring& block, const wchar_t* name, std::wstring* value);
void WriteNumber(HKEY root, const std::wstring& path, const wchar_t* name, DWORD value);
void WriteText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value);

std::string Utf8(const std::wstring& text);

}  // namespace ostrel::cfgtest
