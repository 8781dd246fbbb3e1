// The Win32 platform layer on the real system: the registry with its scratch
// redirection, the screen's device context, the module path, the locale Wine
// was started with.
#include "tests/win/win_test_support.h"

#include <cstring>

namespace ostrel::wintest {
namespace {

using pf::win32::ours::ErrorFileNotFound;
using pf::win32::ours::ErrorMoreData;
using pf::win32::ours::ErrorSuccess;

class Win32RegistryTest : public ScratchRegistryTest {};

TEST_F(Win32RegistryTest, PredefinedRootsLandBelowTheScratchKeyOnly) {
  const std::u16string probe = u"Software\\Vekta\\OstrelProbe";
  HKEY real = nullptr;
  ASSERT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, W(probe.c_str()), 0, KEY_READ, &real), ERROR_SUCCESS)
      << "the real key must not exist before the test";

  pf::KeyHandle user{}, machine{};
  std::uint32_t disposition = 0;
  ASSERT_EQ(registry.RegCreateKeyExW(Hkcu(), probe.c_str(), 0, nullptr, 0, 0, nullptr, &user,
                                     &disposition),
            ErrorSuccess);
  EXPECT_EQ(disposition, pf::win32::ours::RegCreatedNewKey);
  ASSERT_EQ(registry.RegCreateKeyExW(Hklm(), u"Software\\Microsoft\\Today\\Items\\Ostrel", 0,
                                     nullptr, 0, 0, nullptr, &machine, nullptr),
            ErrorSuccess);
  const std::uint8_t one[4] = {1, 0, 0, 0};
  // Created with no access rights, as the store does, and still writable.
  EXPECT_EQ(registry.RegSetValueExW(user, u"Value", 0, REG_DWORD, one, 4), ErrorSuccess);
  EXPECT_EQ(registry.RegSetValueExW(machine, u"Enabled", 0, REG_DWORD, one, 4), ErrorSuccess);
  EXPECT_EQ(registry.RegCloseKey(user), ErrorSuccess);
  EXPECT_EQ(registry.RegCloseKey(machine), ErrorSuccess);

  EXPECT_TRUE(RealKeyExists(Hkcu(), probe));
  EXPECT_TRUE(RealKeyExists(Hklm(), u"Software\\Microsoft\\Today\\Items\\Ostrel"));
  EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, W(probe.c_str()), 0, KEY_READ, &real), ERROR_SUCCESS)
      << "the real HKEY_CURRENT_USER was written";
  EXPECT_NE(::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Today\\Items\\Ostrel", 0,
                            KEY_READ, &real),
            ERROR_SUCCESS)
      << "the real HKEY_LOCAL_MACHINE was written";
  DWORD type = 0;
  std::vector<std::uint8_t> data;
  ASSERT_TRUE(RealGet(Hklm(), u"Software\\Microsoft\\Today\\Items\\Ostrel", u"Enabled", &type, &data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(data, std::vector<std::uint8_t>(one, one + 4));
}

TEST_F(Win32RegistryTest, ValuesKeepTypeSizeAndTextAndFailLikeThePlatform) {
  pf::KeyHandle key{};
  ASSERT_EQ(registry.RegCreateKeyExW(Hkcu(), u"Software\\Vekta\\Ostrel\\Time", 0, nullptr, 0, 0,
                                     nullptr, &key, nullptr),
            ErrorSuccess);
  const std::uint8_t number[4] = {0xFE, 0xFF, 0xFF, 0xFF};  // -2
  const std::u16string text = u"Шрифт часов";
  ASSERT_EQ(registry.RegSetValueExW(key, u"FixedPageCount", 0, REG_DWORD, number, 4), ErrorSuccess);
  ASSERT_EQ(registry.RegSetValueExW(key, u"FontName1", 0, REG_SZ,
                                    reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                    static_cast<std::uint32_t>((text.size() + 1) * 2)),
            ErrorSuccess);
  ASSERT_EQ(registry.RegSetValueExW(key, u"Tap", 0, REG_SZ,
                                    reinterpret_cast<const std::uint8_t*>(u""), 2),
            ErrorSuccess);
  EXPECT_EQ(registry.RegCloseKey(key), ErrorSuccess);

  ASSERT_EQ(registry.RegOpenKeyExW(Hkcu(), u"Software\\Vekta\\Ostrel\\Time", 0,
                                   pf::win32::ours::KeyRead, &key),
            ErrorSuccess);
  std::uint8_t bytes[4] = {};
  std::uint32_t type = 0, size = 4;
  EXPECT_EQ(registry.RegQueryValueExW(key, u"FixedPageCount", nullptr, &type, bytes, &size),
            ErrorSuccess);
  EXPECT_EQ(type, static_cast<std::uint32_t>(REG_DWORD));
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(std::memcmp(bytes, number, 4), 0);

  char16_t buffer[260] = {};
  size = sizeof buffer;
  EXPECT_EQ(registry.RegQueryValueExW(key, u"FontName1", nullptr, &type,
                                      reinterpret_cast<std::uint8_t*>(buffer), &size),
            ErrorSuccess);
  EXPECT_EQ(type, static_cast<std::uint32_t>(REG_SZ));
  EXPECT_EQ(size, (text.size() + 1) * 2);
  EXPECT_EQ(Utf8(buffer), Utf8(text));

  size = sizeof buffer;
  EXPECT_EQ(registry.RegQueryValueExW(key, u"Tap", nullptr, &type,
                                      reinterpret_cast<std::uint8_t*>(buffer), &size),
            ErrorSuccess);
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(buffer[0], 0);

  // A value larger than the capacity does not fit; a missing one is not found.
  size = 4;
  EXPECT_EQ(registry.RegQueryValueExW(key, u"FontName1", nullptr, &type, bytes, &size),
            ErrorMoreData);
  size = 4;
  EXPECT_EQ(registry.RegQueryValueExW(key, u"Missing", nullptr, &type, bytes, &size),
            ErrorFileNotFound);
  EXPECT_EQ(registry.RegCloseKey(key), ErrorSuccess);

  pf::KeyHandle missing{};
  EXPECT_EQ(registry.RegOpenKeyExW(Hkcu(), u"Software\\Vekta\\Ostrel\\Nowhere", 0,
                                   pf::win32::ours::KeyRead, &missing),
            ErrorFileNotFound);
  EXPECT_TRUE(pf::IsNull(missing));

  // Deleting a value; creating an existing key opens it.
  std::uint32_t disposition = 0;
  ASSERT_EQ(registry.RegCreateKeyExW(Hkcu(), u"Software\\Vekta\\Ostrel\\Time", 0, nullptr, 0, 0,
                                     nullptr, &key, &disposition),
            ErrorSuccess);
  EXPECT_EQ(disposition, pf::win32::ours::RegOpenedExistingKey);
  EXPECT_EQ(registry.RegDeleteValueW(key, u"Tap"), ErrorSuccess);
  EXPECT_EQ(registry.RegDeleteValueW(key, u"Tap"), ErrorFileNotFound);
  size = sizeof buffer;
  EXPECT_EQ(registry.RegQueryValueExW(key, u"Tap", nullptr, &type,
                                      reinterpret_cast<std::uint8_t*>(buffer), &size),
            ErrorFileNotFound);
  EXPECT_EQ(registry.RegCloseKey(key), ErrorSuccess);
}

TEST_F(Win32RegistryTest, DeletingTheScratchTreeRemovesEverythingBelowIt) {
  pf::KeyHandle key{};
  ASSERT_EQ(registry.RegCreateKeyExW(Hkcu(), u"Software\\Vekta\\Ostrel\\Launcher", 0, nullptr, 0,
                                     0, nullptr, &key, nullptr),
            ErrorSuccess);
  registry.RegCloseKey(key);
  ASSERT_TRUE(RealKeyExists(Hkcu(), u"Software\\Vekta\\Ostrel\\Launcher"));
  EXPECT_EQ(registry.DeleteScratchTree(), ERROR_SUCCESS);
  EXPECT_FALSE(RealKeyExists(Hkcu(), u""));
  // The scratch root stays in force and comes back on the next use.
  EXPECT_EQ(registry.RegOpenKeyExW(Hkcu(), u"Software\\Vekta\\Ostrel\\Launcher", 0,
                                   pf::win32::ours::KeyRead, &key),
            ErrorFileNotFound);
  EXPECT_TRUE(RealKeyExists(Hkcu(), u""));
}

TEST(Win32Platform, UnredirectedRootsAreTheRealOnes) {
  pf::RegistryService& real = pf::PlatformRegistry();
  pf::KeyHandle key{};
  ASSERT_EQ(real.RegOpenKeyExW(Hklm(), u"Software\\Microsoft\\Windows NT\\CurrentVersion", 0,
                               pf::win32::ours::KeyRead, &key),
            ErrorSuccess);
  char16_t version[64] = {};
  std::uint32_t type = 0, size = sizeof version;
  EXPECT_EQ(real.RegQueryValueExW(key, u"CurrentVersion", nullptr, &type,
                                  reinterpret_cast<std::uint8_t*>(version), &size),
            ErrorSuccess);
  EXPECT_EQ(type, static_cast<std::uint32_t>(REG_SZ));
  EXPECT_NE(version[0], 0);
  EXPECT_EQ(real.RegCloseKey(key), ErrorSuccess);

  ASSERT_EQ(real.RegOpenKeyExW(Hkcu(), u"Control Panel", 0, pf::win32::ours::KeyRead, &key),
            ErrorSuccess);
  EXPECT_EQ(real.RegCloseKey(key), ErrorSuccess);
  // Closing a predefined root is harmless and keeps it usable.
  EXPECT_EQ(real.RegCloseKey(Hkcu()), ErrorSuccess);
  ASSERT_EQ(real.RegOpenKeyExW(Hkcu(), u"Control Panel", 0, pf::win32::ours::KeyRead, &key),
            ErrorSuccess);
  EXPECT_EQ(real.RegCloseKey(key), ErrorSuccess);
}

TEST(Win32Platform, ModuleFileNameIsTheRunningProgramAndIsCutToFit) {
  wchar_t expected[MAX_PATH] = {};
  DWORD length = ::GetModuleFileNameW(nullptr, expected, MAX_PATH);
  ASSERT_GT(length, 0u);

  char16_t path[pf::win32::ours::MaxPath] = {};
  EXPECT_EQ(pf::GetModuleFileNameW(pf::ModuleHandle{}, path, pf::win32::ours::MaxPath), length);
  EXPECT_EQ(Utf8(path), Utf8(pf::win32::U(expected)));
  const std::string name = "ostrel_win_tests.exe";
  std::string got = Utf8(path);
  ASSERT_GE(got.size(), name.size());
  EXPECT_EQ(got.substr(got.size() - name.size()), name);
  EXPECT_NE(got.find('\\'), std::string::npos);

  char16_t shortBuffer[6];
  std::memset(shortBuffer, 0x55, sizeof shortBuffer);
  EXPECT_EQ(pf::GetModuleFileNameW(pf::ModuleHandle{}, shortBuffer, 6), 5u);
  EXPECT_EQ(shortBuffer[5], 0);
  EXPECT_EQ(Utf8(shortBuffer), got.substr(0, 5));
}

TEST(Win32Platform, WineRunsWithTheRussianLocale) {
  if (WineVersion().empty()) GTEST_SKIP() << "the Russian locale is set up by wine-run.sh only";
  EXPECT_EQ(::GetUserDefaultLCID(), 0x0419u);
  EXPECT_EQ(::GetSystemDefaultLCID(), 0x0419u);
  SYSTEMTIME day = {};
  day.wYear = 2026;
  day.wMonth = 12;
  day.wDay = 6;
  day.wDayOfWeek = 0;
  wchar_t text[100] = {};
  // The prefix carries a device's regional long date, which the system
  // default locale honours as the user's does.
  ASSERT_GT(::GetDateFormatW(LOCALE_SYSTEM_DEFAULT, DATE_LONGDATE, &day, nullptr, text, 100), 0);
  EXPECT_EQ(Utf8(pf::win32::U(text)), "6 декабря 2026 г.");
  ASSERT_GT(::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &day, nullptr, text, 100), 0);
  EXPECT_EQ(Utf8(pf::win32::U(text)), "6 декабря 2026 г.");
  // Wine 8's own Russian long date puts a narrow no-break space (U+202F)
  // before "г."; the platform layer hands the item a plain space there,
  // which its fonts can draw.
  const std::uint32_t ownLongDate = DATE_LONGDATE | LOCALE_NOUSEROVERRIDE;
  ASSERT_GT(::GetDateFormatW(LOCALE_SYSTEM_DEFAULT, ownLongDate, &day, nullptr, text, 100), 0);
  EXPECT_EQ(Utf8(pf::win32::U(text)), "воскресенье, 6 декабря 2026\u202Fг.");
  pf::SYSTEMTIME ours{2026, 12, 0, 6, 0, 0, 0, 0};
  char16_t formatted[100] = {};
  ASSERT_GT(pf::GetDateFormatW(LOCALE_SYSTEM_DEFAULT, ownLongDate, &ours, nullptr, formatted, 100), 0);
  EXPECT_EQ(Utf8(formatted), "воскресенье, 6 декабря 2026 г.");
  ASSERT_GT(::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SABBREVDAYNAME1, text, 100), 0);
  EXPECT_EQ(Utf8(pf::win32::U(text)), "пн");
}

}  // namespace
}  // namespace ostrel::wintest
