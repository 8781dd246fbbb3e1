// Support for the Windows-side tests: a scratch registry root, the expected
// screen density, and direct reads of the real registry.
#pragma once

// The prelude first: it includes our platform headers before <windows.h>.
#include "platform/win32/win32.h"
#include "platform/win32/win32_registry.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ostrel::wintest {

using pf::win32::W;

// The density the test run's prefix was booted with (cmake/wine-run.sh passes
// OSTREL_WINE_DPI on, and Wine hands the Unix environment to the program).
int ExpectedDpi();
// "Wine 8.0" under Wine, empty on Windows.
std::string WineVersion();

// A scratch root under the real HKEY_CURRENT_USER for one test, deleted
// before and after it; the store's registry is redirected below it.
class ScratchRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The real path under HKEY_CURRENT_USER of a path below one of our roots.
  std::u16string RealPath(pf::KeyHandle root, const std::u16string& subKey) const;
  // Direct access to the real registry (not through the layer under test).
  bool RealKeyExists(pf::KeyHandle root, const std::u16string& subKey) const;
  void RealSet(pf::KeyHandle root, const std::u16string& subKey, const std::u16string& name,
               DWORD type, const void* data, DWORD size);
  void RealSetDword(pf::KeyHandle root, const std::u16string& subKey, const std::u16string& name,
                    std::uint32_t value);
  void RealSetText(pf::KeyHandle root, const std::u16string& subKey, const std::u16string& name,
                   const std::u16string& text);
  // Type and bytes of a stored value; false when it cannot be read.
  bool RealGet(pf::KeyHandle root, const std::u16string& subKey, const std::u16string& name,
               DWORD* type, std::vector<std::uint8_t>* data) const;

  pf::win32::Win32Registry registry;
};

// Our predefined roots, named without the <windows.h> macros.
inline pf::KeyHandle Hkcu() { return pf::win32::ours::HkeyCurrentUser; }
inline pf::KeyHandle Hklm() { return pf::win32::ours::HkeyLocalMachine; }

inline std::string Utf8(const char16_t* text) { return pf::ToUtf8(text); }
inline std::string Utf8(const std::u16string& text) { return pf::ToUtf8(text); }

}  // namespace ostrel::wintest
