// Test support for the item's status: fresh host registry, clock, locale,
// device figures and window service per test, and the item's settings.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/host_clock.h"
#include "platform/host/host_device.h"
#include "platform/host/host_locale.h"
#include "platform/host/host_window.h"
#include "platform/host/memory_registry.h"
#include "platform/text.h"
#include "plugin/status_state.h"
#include "settings/settings.h"

namespace ostrel::testing {

constexpr pf::WindowHandle kItem{0x17E5};

inline pf::SYSTEMTIME At(int year, int month, int day, int hour = 0, int minute = 0,
                         int second = 0) {
  pf::SYSTEMTIME t;
  t.wYear = static_cast<std::uint16_t>(year);
  t.wMonth = static_cast<std::uint16_t>(month);
  t.wDay = static_cast<std::uint16_t>(day);
  t.wHour = static_cast<std::uint16_t>(hour);
  t.wMinute = static_cast<std::uint16_t>(minute);
  t.wSecond = static_cast<std::uint16_t>(second);
  return t;
}

inline std::string U8(const char16_t* text) { return pf::ToUtf8(text); }

class StatusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pf::SetRegistry(&registry);
    pf::SetClock(&clock);
    pf::SetLocale(&locale);
    pf::SetDevice(&device);
    pf::SetWindows(&windows);
    settings.Owner = Deliverable::Plugin;
    ResetToDefaults(settings);
    clock.SetLocalTime(At(2026, 12, 6, 7, 5, 0));
  }
  void TearDown() override {
    pf::SetRegistry(nullptr);
    pf::SetClock(nullptr);
    pf::SetLocale(nullptr);
    pf::SetDevice(nullptr);
    pf::SetWindows(nullptr);
    EXPECT_EQ(registry.OpenHandleCount(), 0) << "a registry key was left open";
  }

  void SetHklmDword(const char16_t* key, const char16_t* name, std::uint32_t value) {
    registry.SetDword(pf::HKEY_LOCAL_MACHINE, key, name, value);
  }
  void SetHkcuDword(const char16_t* key, const char16_t* name, std::uint32_t value) {
    registry.SetDword(pf::HKEY_CURRENT_USER, key, name, value);
  }
  void SetOperator(const std::u16string& name) {
    registry.SetString(pf::HKEY_LOCAL_MACHINE, u"System\\State\\Phone", u"Current Operator Name",
                       name);
  }
  void SetNextAlarm(const pf::SYSTEMTIME& when) {
    std::uint64_t ticks = pf::host::TicksFromSystemTime(when);
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<std::uint8_t>(ticks >> (8 * i)));
    registry.SetValue(pf::HKEY_CURRENT_USER, u"System\\State\\Shell\\Alarms", u"Next",
                      pf::REG_BINARY, bytes);
  }
  int Repaints() const { return windows.InvalidateCount(kItem); }
  void Tick(int force = 0) { RefreshTick(kItem, force, settings, status); }
  // Advances the clock one second and ticks, count times.
  void RunSeconds(int count) {
    for (int i = 0; i < count; ++i) {
      clock.Advance(1);
      Tick();
    }
  }

  pf::host::MemoryRegistry registry;
  pf::host::HostClock clock;
  pf::host::HostLocale locale;
  pf::host::HostDevice device;
  pf::host::HostWindows windows;
  Settings settings;
  StatusState status;
};

}  // namespace ostrel::testing
