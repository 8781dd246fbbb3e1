// ostrel_win_bench: the item and the settings program measured on the real Win32 layer under Wine, each figure printed as "name value".
//
//   ostrel_win_bench [--quick] [--item] [--balance PAINTS] [--launcher ENTRIES]...
//                    [--memory ENTRIES]
//
// --item: a whole paint, the bare fill and copy of its frame, the idle tick
// and a settings load at the screen's density; --balance: the drawing
// objects one item window gains over PAINTS paints and ticks; --launcher:
// the launcher route and the settings program's Launcher page on a list of
// ENTRIES entries; --memory: the private bytes the item's creation on a
// launcher list of ENTRIES entries adds to the process (first, so that the
// libraries the item brings in are counted), and their growth over 10^4
// paints and ticks (100 with --quick). --quick times each body once (a smoke
// run).
#include "bench/win/win_bench.h"

#include <objbase.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace ostrel::winbench {
namespace {

constexpr const wchar_t* kSettingsKey = L"Software\\Vekta\\Ostrel";

struct Options {
  bool item = false;
  int balance = 0;
  int memory = 0;
  std::vector<int> launcher;
};

bool ParseCount(const wchar_t* text, int* count) {
  wchar_t* end = nullptr;
  const long value = std::wcstol(text, &end, 10);
  if (end == text || *end != 0 || value < 1 || value > 1000000) return false;
  *count = static_cast<int>(value);
  return true;
}

bool ParseOptions(int argc, wchar_t** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    int count = 0;
    if (arg == L"--quick") {
      CurrentTiming().batches = 0;
    } else if (arg == L"--item") {
      options->item = true;
    } else if ((arg == L"--balance" || arg == L"--launcher" || arg == L"--memory") &&
               i + 1 < argc && ParseCount(argv[i + 1], &count)) {
      ++i;
      if (arg == L"--balance") {
        options->balance = count;
      } else if (arg == L"--memory") {
        options->memory = count;
      } else {
        options->launcher.push_back(count);
      }
    } else {
      std::fprintf(stderr, "ostrel_win_bench: bad argument '%ls'\n", argv[i]);
      return false;
    }
  }
  return true;
}

// Without a window manager (Xvfb) Wine waits for each managed top-level
// window it hides: the program's windows stay unmanaged.
void UnmanagedWindows() {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  const wchar_t* no = L"N";
  ::RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(no), 4);
  ::RegCloseKey(key);
}

}  // namespace
}  // namespace ostrel::winbench

int wmain(int argc, wchar_t** argv) {
  using namespace ostrel::winbench;
  Options options;
  if (!ParseOptions(argc, argv, &options)) return 2;
  UnmanagedWindows();
  ::SetProcessDPIAware();
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // The item's figures are those of its default settings.
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  Report("screen_dpi", ScreenDpi());
  if (options.memory > 0) RunMemoryFigures(options.memory, CurrentTiming().batches > 0 ? 10000 : 100);
  if (options.item) RunItemFigures();
  if (options.balance > 0) RunObjectBalance(options.balance);
  for (int entries : options.launcher) {
    RunLauncherScale(entries);
    RunSettingsLauncherPage(entries);
  }
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  ::CoUninitialize();
  return 0;
}
