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

// Every setting, the block table and the launcher list off their defaults.
inline void FillNonDefault(Settings& s) {
  s.Enabled = 1;
  s.FixedPageCount = 2;
  s.MarginLeft = 3;
  s.MarginTop = 4;
  s.MarginRight = 5;
  s.MarginBottom = 6;
  s.TapType = 2;
  FontSpec* fonts[] = {&s.WirelessSettings.Font, &s.TimeSettings.Font1, &s.TimeSettings.Font2,
                       &s.DateSettings.Font1,    &s.DateSettings.Font2,  &s.CalendarSettings.Font,
                       &s.CalendarSettings.WeekdaysFont, &s.SysInfoSettings.Font};
  int n = 0;
  for (FontSpec* f : fonts) {
    ++n;
    pf::FormatText(f->FaceName, kPathCapacity, u"%s%i", u"Шрифт ", n);
    f->Size = 10 + n;
    f->Bold = n % 2;
    f->Color = 0x010203u * static_cast<std::uint32_t>(n);
    f->ClearType = (n + 1) % 2;
  }
  s.WirelessSettings = {-1, s.WirelessSettings.Font, 0, 0, 0, 0, 0, {}};
  pf::CopyText(s.WirelessSettings.Tap, kPathCapacity, u"\\Программы\\радио.exe");
  s.TimeSettings.Height = 44;
  s.TimeSettings.TimeFormat = 3;
  s.TimeSettings.ShowSeconds = 1;
  s.TimeSettings.ShowAlarm = 0;
  s.TimeSettings.ShowDate = 4;
  pf::CopyText(s.TimeSettings.Tap, kPathCapacity, u"");
  s.DateSettings.Height = 21;
  pf::CopyText(s.DateSettings.Format1, kFormatCapacity, u"d MMMM");
  pf::CopyText(s.DateSettings.Format2, kFormatCapacity, u"");
  pf::CopyText(s.DateSettings.Tap, kPathCapacity, u"date.exe");
  s.CalendarSettings.Height = 100;
  s.CalendarSettings.ColorToday = 1;
  s.CalendarSettings.ColorSaturday = 2;
  s.CalendarSettings.ColorSunday = 3;
  s.CalendarSettings.ColorOther = 4;
  pf::CopyText(s.CalendarSettings.Tap, kPathCapacity, u"cal.exe");
  s.LauncherSettings = {-1, 0, 2};
  s.SysInfoSettings.Height = 64;
  s.SysInfoSettings.RamType = 2;
  s.SysInfoSettings.PhoneType = 1;
  s.SysInfoSettings.CardType = 2;
  pf::CopyText(s.SysInfoSettings.Tap1, kPathCapacity, u"t1.lnk");
  pf::CopyText(s.SysInfoSettings.Tap2, kPathCapacity, u"t2.lnk");
  const std::int32_t orders[] = {5, 4, 3, 2, 1, 0};
  for (int i = 0; i < BlockCount; ++i) {
    s.BlockTable[i].Order = orders[s.BlockTable[i].Kind - 1];
    s.BlockTable[i].Visible = s.BlockTable[i].Kind % 2;
  }
  s.LauncherEntries.clear();
  for (const char16_t* p : {u"\\Windows\\a.exe", u"", u"\\Мои документы\\b.lnk"}) {
    LauncherEntry e;
    pf::CopyText(e.Path, kPathCapacity, p);
    s.LauncherEntries.push_back(e);
  }
}

}  // namespace ostrel::testing
