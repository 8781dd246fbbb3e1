// Entry of the Windows-side Today tests: COM for the picture decoder, unmanaged windows under Xvfb, and a failure when no test ran.
#include "tests/win/today/today_support.h"

#include <objbase.h>

#include <cstdio>

namespace {

// Without a window manager (Xvfb) Wine waits two seconds for each managed
// top-level window it hides; the programs this test starts keep their
// windows unmanaged, as nothing manages them anyway.
void UnmanagedWindowsForChildren() {
  const wchar_t* no = L"N";
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  ::RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(no), 4);
  ::RegCloseKey(key);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ::SetProcessDPIAware();
  UnmanagedWindowsForChildren();
  std::printf("[ostrel-today] screen %d dpi\n", ostrel::todaytest::ScreenDpi());
  std::fflush(stdout);
  int result = RUN_ALL_TESTS();
  const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
  if (result == 0 && unit.test_to_run_count() == 0) {
    std::printf("[ostrel-today] no test was selected: failing\n");
    result = 1;
  }
  ::CoUninitialize();
  return result;
}
