// Entry of the Windows-side tests: says where it runs, fails when no test ran,
// and holds the shared test support.
#include "tests/win/win_test_support.h"

#include <cstdio>
#include <cstdlib>

namespace ostrel::wintest {

int ExpectedDpi() {
  const char* dpi = std::getenv("OSTREL_WINE_DPI");
  return dpi != nullptr && *dpi != 0 ? std::atoi(dpi) : 96;
}

std::string WineVersion() {
  HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr) return "";
  using Getter = const char*(__cdecl*)();
  auto getter = reinterpret_cast<Getter>(
      reinterpret_cast<void*>(::GetProcAddress(ntdll, "wine_get_version")));
  return getter != nullptr ? std::string("Wine ") + getter() : "";
}

namespace {

// One scratch key per process and test, so that runs never meet.
std::u16string ScratchRootFor(const ::testing::TestInfo* test) {
  std::u16string root = u"Software\\OstrelTest\\";
  root += pf::FromUtf8(std::to_string(::GetCurrentProcessId()));
  root += u"\\";
  if (test != nullptr) {
    root += pf::FromUtf8(test->test_suite_name());
    root += u".";
    root += pf::FromUtf8(test->name());
  }
  return root;
}

}  // namespace

void ScratchRegistryTest::SetUp() {
  registry.SetScratchRoot(ScratchRootFor(::testing::UnitTest::GetInstance()->current_test_info()));
  registry.DeleteScratchTree();
  pf::SetRegistry(&registry);
}

void ScratchRegistryTest::TearDown() {
  pf::SetRegistry(nullptr);
  EXPECT_EQ(registry.DeleteScratchTree(), ERROR_SUCCESS);
  HKEY left = nullptr;
  EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, W(registry.ScratchRoot().c_str()), 0, KEY_READ, &left),
            ERROR_SUCCESS)
      << "the scratch tree was not deleted";
  if (left != nullptr) ::RegCloseKey(left);
  // Leaves "Software\OstrelTest\<process>" and its parent once they are empty.
  std::u16string parent = registry.ScratchRoot();
  for (int i = 0; i < 2; ++i) {
    parent.erase(parent.rfind(u'\\'));
    ::RegDeleteKeyW(HKEY_CURRENT_USER, W(parent.c_str()));
  }
}

std::u16string ScratchRegistryTest::RealPath(pf::KeyHandle root,
                                             const std::u16string& subKey) const {
  // Spelled out here, not taken from the layer under test.
  std::u16string path = registry.ScratchRoot();
  if (root == Hkcu()) {
    path += u"\\HKCU";
  } else if (root == Hklm()) {
    path += u"\\HKLM";
  } else {
    ADD_FAILURE() << "no scratch path for this root";
  }
  if (!subKey.empty()) path += u"\\" + subKey;
  return path;
}

bool ScratchRegistryTest::RealKeyExists(pf::KeyHandle root, const std::u16string& subKey) const {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, W(RealPath(root, subKey).c_str()), 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  ::RegCloseKey(key);
  return true;
}

void ScratchRegistryTest::RealSet(pf::KeyHandle root, const std::u16string& subKey,
                                  const std::u16string& name, DWORD type, const void* data,
                                  DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, W(RealPath(root, subKey).c_str()), 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(::RegSetValueExW(key, W(name.c_str()), 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
  ::RegCloseKey(key);
}

void ScratchRegistryTest::RealSetDword(pf::KeyHandle root, const std::u16string& subKey,
                                       const std::u16string& name, std::uint32_t value) {
  DWORD v = value;
  RealSet(root, subKey, name, REG_DWORD, &v, sizeof v);
}

void ScratchRegistryTest::RealSetText(pf::KeyHandle root, const std::u16string& subKey,
                                      const std::u16string& name, const std::u16string& text) {
  RealSet(root, subKey, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * 2));
}

bool ScratchRegistryTest::RealGet(pf::KeyHandle root, const std::u16string& subKey,
                                  const std::u16string& name, DWORD* type,
                                  std::vector<std::uint8_t>* data) const {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, W(RealPath(root, subKey).c_str()), 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  DWORD size = 0;
  LONG result = ::RegQueryValueExW(key, W(name.c_str()), nullptr, type, nullptr, &size);
  if (result == ERROR_SUCCESS) {
    data->assign(size, 0);
    result = ::RegQueryValueExW(key, W(name.c_str()), nullptr, type, data->data(), &size);
  }
  ::RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

}  // namespace ostrel::wintest

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);

  using namespace ostrel::wintest;
  HDC screen = ::GetDC(nullptr);
  int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ::ReleaseDC(nullptr, screen);
  std::string wine = WineVersion();
  std::printf("[ostrel] running on %s, screen %d dpi (expected %d), user locale 0x%04lx\n",
              wine.empty() ? "Windows" : wine.c_str(), dpi, ExpectedDpi(),
              static_cast<unsigned long>(::GetUserDefaultLCID()));
  std::fflush(stdout);

  int result = RUN_ALL_TESTS();
  const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
  std::printf("[ostrel] %d tests ran, %d passed, %d failed, %d skipped\n",
              unit.test_to_run_count(), unit.successful_test_count(), unit.failed_test_count(),
              unit.skipped_test_count());
  if (result == 0 && unit.test_to_run_count() == 0) {
    std::printf("[ostrel] no test was selected: failing\n");
    result = 1;
  }
  std::fflush(stdout);
  return result;
}
