// Launcher lists of growing length on Win32: the .reg file imported by the platform's editor, the item's route to a tap, and the settings program opening its Launcher page.
#include "bench/win/win_bench.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "bench/bench_routes.h"
#include "config/config.h"
#include "platform/draw.h"
#include "settings/settings.h"

namespace ostrel::winbench {

namespace {

constexpr const wchar_t* kLauncherKey = L"Software\\Vekta\\Ostrel\\Launcher";

std::wstring TempFolder() {
  wchar_t folder[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, folder);
  return folder;
}

// The list as the platform's editor writes its files: UTF-16 with a
// byte-order mark and CRLF line ends.
bool WriteRegFile(const std::wstring& path, int entries) {
  const std::vector<std::u16string> programs = {u"C:\\windows\\notepad.exe", u"C:\\windows\\regedit.exe",
                                                u"C:\\windows\\explorer.exe", u"C:\\windows\\winhlp32.exe"};
  std::u16string text = u"\xFEFF";
  for (char16_t c : bench::LauncherRegText(entries, programs)) {
    if (c == u'\n') text += u'\r';
    text += c;
  }
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(text.size() * sizeof(char16_t));
  const BOOL ok = ::WriteFile(file, text.data(), size, &written, nullptr);
  ::CloseHandle(file);
  return ok && written == size;
}

// regedit /S FILE, to its end.
bool ImportWithRegedit(const std::wstring& file) {
  std::wstring command = L"regedit.exe /S \"" + file + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
    return false;
  }
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 1;
  ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return code == 0;
}

HWND Control(HWND main, cfg::Control control) { return ::GetDlgItem(main, cfg::ControlId(control)); }

void TapTab(HWND main, int index) {
  HWND tabs = Control(main, cfg::TabStrip);
  RECT r{};
  ::SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ::SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(tabs, WM_LBUTTONUP, 0, at);
}

int RowOf(HWND list, const wchar_t* caption) {
  const int rows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = 64;
    ::SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    if (std::wstring(text) == caption) return row;
  }
  return -1;
}

void SelectRow(HWND list, int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

std::string Figure(int entries, const char* name) {
  return "launcher." + std::to_string(entries) + "." + name;
}

// Where a route's time went, per entry: the shell's icons and icon
// indexes, and the registry.
void ReportCalls(int entries, const std::string& route, const CallTimes& times) {
  Report(Figure(entries, (route + "_icons_us_per_entry").c_str()), times.icons.us / entries);
  Report(Figure(entries, (route + "_icon_indexes_us_per_entry").c_str()), times.iconIndexes.us / entries);
  Report(Figure(entries, (route + "_registry_us_per_entry").c_str()), times.registry.us / entries);
  Report(Figure(entries, (route + "_registry_calls").c_str()), times.registry.calls);
  if (times.icons.calls > 0) {
    Report(Figure(entries, (route + "_icons_missing").c_str()), times.iconsMissing);
  }
}

}  // namespace

// The list imported by regedit, then the item made on it (LoadSettings,
// icons, layout), its launcher page shown and painted, and a tap beside the
// icons. Reported per entry: the whole route, and the item's part alone.
void RunLauncherScale(int entries) {
  const std::wstring file = TempFolder() + L"ostrel-launcher.reg";
  if (!WriteRegFile(file, entries)) {
    Report("error.reg_file_not_written", entries);
    return;
  }
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kLauncherKey);
  const int iconsBefore = pf::LiveDrawingObjectCounts().icons;
  const double start = NowUs();
  if (!ImportWithRegedit(file)) Report("error.regedit_failed", entries);
  const double imported = NowUs();
  {
    CallTimer calls;
    const double cpuStart = ProcessCpuUs();
    WinItem item;
    const double created = NowUs();
    Report(Figure(entries, "win32_create_cpu_us_per_entry"), (ProcessCpuUs() - cpuStart) / entries);
    HWND window = item.Window();
    if (!item.Made() || !bench::ShowLauncherPage(pf::win32::FromHwnd(window))) {
      Report("error.launcher_page_not_shown", entries);
      return;
    }
    PaintThroughWmPaint(window);
    const double painted = NowUs();
    const pf::POINT gap = bench::LauncherGapPoint(pf::win32::FromHwnd(window));
    Tap(window, gap.x, gap.y);
    const double done = NowUs();
    Report(Figure(entries, "win32_us_per_entry"), (done - start) / entries);
    Report(Figure(entries, "win32_import_us_per_entry"), (imported - start) / entries);
    Report(Figure(entries, "win32_create_us_per_entry"), (created - imported) / entries);
    Report(Figure(entries, "win32_paint_us_per_entry"), (painted - created) / entries);
    Report(Figure(entries, "win32_tap_us_per_entry"), (done - painted) / entries);
    Report(Figure(entries, "win32_icons_held"), pf::LiveDrawingObjectCounts().icons - iconsBefore);
    ReportCalls(entries, "win32", calls.Times());
  }
  ::DeleteFileW(file.c_str());
}

// The settings program started on the list that RunLauncherScale left in
// the registry, its Pages tab tapped and the Launcher page opened, with
// every message that this brought handled.
void RunSettingsLauncherPage(int entries) {
  const std::wstring screen = std::to_wstring(DeviceWidth()) + L"x" + std::to_wstring(DeviceHeight());
  ::SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", screen.c_str());
  const pf::ModuleHandle program = pf::win32::FromHmodule(::GetModuleHandleW(nullptr));
  CallTimer calls;
  const double start = NowUs();
  int exitCode = 0;
  HWND main = pf::win32::ToHwnd(cfg::StartSettingsProgram(program, SW_SHOWNORMAL, &exitCode));
  if (main == nullptr) {
    Report("error.settings_program_not_started", entries);
    return;
  }
  PumpMessages();
  const double started = NowUs();
  TapTab(main, 1);
  HWND pages = Control(main, cfg::PagesList);
  SelectRow(pages, RowOf(pages, L"Запуск"));
  ::SendMessageW(Control(main, cfg::EditButton), BM_CLICK, 0, 0);
  PumpMessages();
  const double done = NowUs();
  if (cfg::CurrentView().OpenBlock == Launcher - 1) {
    Report(Figure(entries, "config_win32_us_per_entry"), (done - start) / entries);
    Report(Figure(entries, "config_win32_start_us_per_entry"), (started - start) / entries);
    Report(Figure(entries, "config_win32_open_us_per_entry"), (done - started) / entries);
    ReportCalls(entries, "config_win32", calls.Times());
  } else {
    Report("error.launcher_page_not_opened", entries);
  }
  ::SendMessageW(main, WM_CLOSE, 0, 0);
  PumpMessages();
  ::UnregisterClassW(pf::win32::W(cfg::kClassName), ::GetModuleHandleW(nullptr));
  ::SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", nullptr);
}

}  // namespace ostrel::winbench
