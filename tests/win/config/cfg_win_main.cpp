// Entry of the settings program's Windows-side tests: the paths of the programs under test from the command line, the device screen they play, COM for the captures.
#include "tests/win/config/cfg_win_support.h"

#include <objbase.h>

#include <cstdio>
#include <cstdlib>

namespace ostrel::cfgtest {

namespace {

// ctest names the programs by their build paths: a path from the root of
// the Unix file system is the same file on Wine's drive Z.
std::wstring WindowsPath(std::wstring path) {
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

bool ParseArguments(int argc, wchar_t** argv) {
  TestPaths& paths = Paths();
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i];
    const std::wstring value = WindowsPath(argv[i + 1]);
    if (name == L"--program") paths.program = value;
    else if (name == L"--todayhost") paths.todayhost = value;
    else if (name == L"--library") paths.library = value;
    else if (name == L"--out") paths.output = value + L"\\";
    else return false;
  }
  return !paths.program.empty() && !paths.todayhost.empty() && !paths.library.empty() &&
         !paths.output.empty();
}

}  // namespace

TestPaths& Paths() {
  static TestPaths paths;
  return paths;
}

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

int DeviceWidth() { return 240 * ScreenDpi() / 96; }
int DeviceHeight() { return 320 * ScreenDpi() / 96; }

}  // namespace ostrel::cfgtest

int wmain(int argc, wchar_t** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!ostrel::cfgtest::ParseArguments(argc, argv)) {
    std::fprintf(stderr, "usage: ostrelcfg_win_tests --program EXE --todayhost EXE --library DLL --out DIR\n");
    return 2;
  }
  ::CreateDirectoryW(ostrel::cfgtest::Paths().output.c_str(), nullptr);
  // The programs started by the tests play a device screen of 240 x 320
  // design pixels at this density (the Win32 layer reads this).
  const std::wstring screen = std::to_wstring(ostrel::cfgtest::DeviceWidth()) + L"x" +
                              std::to_wstring(ostrel::cfgtest::DeviceHeight());
  ::SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", screen.c_str());
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int result = RUN_ALL_TESTS();
  ::CoUninitialize();
  return result;
}
