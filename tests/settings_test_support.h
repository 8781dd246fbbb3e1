// Test support: a fresh in-memory registry, screen density and module path per test.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/host/host_module.h"
#include "platform/host/host_screen.h"
#include "platform/host/memory_registry.h"
#include "platform/text.h"
#include "settings/settings.h"

namespace ostrel::testing {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pf::SetRegistry(&registry);
    pf::host::HostScreen().SetScreenDpi(96, 96);
    pf::host::HostModule().SetModulePath(u"\\Windows\\ostrel.dll");
  }
  void TearDown() override {
    pf::SetRegistry(nullptr);
    pf::host::HostScreen().SetScreenDpi(96, 96);
    EXPECT_EQ(registry.OpenHandleCount(), 0) << "a registry key was left open";
    EXPECT_EQ(pf::host::HostScreen().OpenScreenContexts(), 0) << "a screen context was not released";
  }

  Settings Load(Deliverable owner) {
    Settings s;
    s.Owner = owner;
    LoadSettings(s);
    return s;
  }

  static std::u16string Key(const char16_t* block) {
    return std::u16string(u"Software\\Vekta\\Ostrel\\") + block;
  }
  void SetInt(const char16_t* block, const char16_t* name, std::int32_t v) {
    registry.SetDword(pf::HKEY_CURRENT_USER, Key(block), name, static_cast<std::uint32_t>(v));
  }
  void SetText(const char16_t* block, const char16_t* name, const std::u16string& text) {
    registry.SetString(pf::HKEY_CURRENT_USER, Key(block), name, text);
  }

  pf::host::MemoryRegistry registry;
};

inline bool SameBody(const SettingsBody& a, const SettingsBody& b) {
  return std::memcmp(&a, &b, sizeof(SettingsBody)) == 0;
}

inline std::string Utf8(const char16_t* text) {
  std::string out;
  for (; *text; ++text) out.push_back(*text < 128 ? static_cast<char>(*text) : '?');
  return out;
}

}  // namespace ostrel::testing
