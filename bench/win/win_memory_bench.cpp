// The private bytes the item adds to its process on Win32: its creation on a launcher list, and its steady paints and ticks after that.
#include "bench/win/win_bench.h"

#include <psapi.h>

#include <string>

namespace ostrel::winbench {

namespace {

constexpr const wchar_t* kLauncherKey = L"Software\\Vekta\\Ostrel\\Launcher";

// The process's committed memory that no other process shares; -1 when the
// platform does not tell.
double PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(),
                              reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters)) {
    return -1;
  }
  // Windows gives the same figure twice (the commit charge); Wine fills in
  // only the older field.
  const SIZE_T bytes = counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
  return static_cast<double>(bytes);
}

// FileName1..N, each a program of the platform's own.
bool WriteLauncherList(int entries) {
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kLauncherKey);
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kLauncherKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::wstring program = L"C:\\windows\\notepad.exe";
  const DWORD size = static_cast<DWORD>((program.size() + 1) * sizeof(wchar_t));
  bool written = true;
  for (int n = 1; n <= entries && written; ++n) {
    const std::wstring name = L"FileName" + std::to_wstring(n);
    written = ::RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(program.c_str()), size) == ERROR_SUCCESS;
  }
  ::RegCloseKey(key);
  return written;
}

}  // namespace

void RunMemoryFigures(int entries, int steps) {
  if (!WriteLauncherList(entries)) {
    Report("error.launcher_not_written", entries);
    return;
  }
  const std::string prefix = "win32.memory.launcher" + std::to_string(entries) + ".";
  const double before = PrivateBytes();
  {
    WinItem item;
    if (!item.Made()) {
      Report("error.item_not_made", 1);
    } else {
      const double made = PrivateBytes();
      for (int i = 0; i < steps; ++i) {
        PaintThroughWmPaint(item.Window());
        ::SendMessageW(item.Window(), WM_TIMER, 1, 0);
      }
      const double steady = PrivateBytes();
      if (before < 0 || made < 0 || steady < 0) {
        Report("error.no_process_memory_info", 1);
      } else {
        Report(prefix + "item_private_bytes", made - before);
        Report(prefix + "steady_private_bytes_growth", steady - made);
        Report(prefix + "steady_steps", steps);
      }
    }
  }
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kLauncherKey);
}

}  // namespace ostrel::winbench
