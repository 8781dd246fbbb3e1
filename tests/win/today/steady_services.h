// The clock, locale and device figures held still, so that the item's pictures do not depend on when its run ran.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/clock.h"
#include "platform/device.h"
#include "platform/locale.h"

namespace ostrel::todaytest {

// The clock at one moment that ticks one second when asked.
class SteppedClock : public pf::ClockService {
 public:
  void GetLocalTime(pf::SYSTEMTIME* time) override { *time = now_; }
  int SystemTimeToFileTime(const pf::SYSTEMTIME* time, pf::FILETIME* fileTime) override {
    return pf::PlatformClock().SystemTimeToFileTime(time, fileTime);
  }
  int FileTimeToSystemTime(const pf::FILETIME* fileTime, pf::SYSTEMTIME* time) override {
    return pf::PlatformClock().FileTimeToSystemTime(fileTime, time);
  }
  const pf::SYSTEMTIME& Now() const { return now_; }
  void Start() { now_ = pf::SYSTEMTIME{2026, 12, 0, 6, 7, 5, 30, 0}; }
  void Step() {
    if (++now_.wSecond < 60) return;
    now_.wSecond = 0;
    ++now_.wMinute;
  }

 private:
  pf::SYSTEMTIME now_{};
};

// The real formatter, its "now" the stepped clock's moment instead of the
// wall clock's, whose second moves on between runs.
class SteppedLocale : public pf::LocaleService {
 public:
  explicit SteppedLocale(const SteppedClock& clock) : clock_(clock) {}
  int GetTimeFormatW(pf::LCID locale, std::uint32_t flags, const pf::SYSTEMTIME* time, const char16_t* format,
                     char16_t* out, int size) override {
    return pf::PlatformLocale().GetTimeFormatW(locale, flags, At(time), format, out, size);
  }
  int GetDateFormatW(pf::LCID locale, std::uint32_t flags, const pf::SYSTEMTIME* date, const char16_t* format,
                     char16_t* out, int size) override {
    return pf::PlatformLocale().GetDateFormatW(locale, flags, At(date), format, out, size);
  }
  int GetLocaleInfoW(pf::LCID locale, std::uint32_t type, char16_t* out, int size) override {
    return pf::PlatformLocale().GetLocaleInfoW(locale, type, out, size);
  }

 private:
  const pf::SYSTEMTIME* At(const pf::SYSTEMTIME* time) const { return time != nullptr ? time : &clock_.Now(); }
  const SteppedClock& clock_;
};

// The real device's first answer to each question, given again ever after:
// memory in use and disk space change with the machine's other work.
class HeldDevice : public pf::DeviceService {
 public:
  int GetSystemPowerStatusEx(pf::SYSTEM_POWER_STATUS_EX* status, int update) override {
    if (!power_.asked) power_.Ask([&](auto* v) { return pf::PlatformDevice().GetSystemPowerStatusEx(v, update); });
    *status = power_.value;
    return power_.result;
  }
  void GlobalMemoryStatus(pf::MEMORYSTATUS* status) override {
    if (!memory_.asked) memory_.Ask([](auto* v) { pf::PlatformDevice().GlobalMemoryStatus(v); return 1; });
    *status = memory_.value;
  }
  int GetDiskFreeSpaceExW(const char16_t* directory, std::uint64_t* freeBytesAvailable, std::uint64_t* totalBytes,
                          std::uint64_t* totalFreeBytes) override {
    // A null directory (the device's own store) is kept apart from every named one.
    Held<DiskSpace>& held = disks_[directory == nullptr ? std::u16string(1, u'\0') : std::u16string(directory)];
    if (!held.asked) {
      held.Ask([&](DiskSpace* v) {
        return pf::PlatformDevice().GetDiskFreeSpaceExW(directory, &v->available, &v->total, &v->free);
      });
    }
    if (freeBytesAvailable != nullptr) *freeBytesAvailable = held.value.available;
    if (totalBytes != nullptr) *totalBytes = held.value.total;
    if (totalFreeBytes != nullptr) *totalFreeBytes = held.value.free;
    return held.result;
  }

 private:
  template <class T>
  struct Held {
    bool asked = false;
    T value{};
    int result = 0;
    template <class Call>
    void Ask(Call call) {
      result = call(&value);
      asked = true;
    }
  };
  struct DiskSpace {
    std::uint64_t available = 0;
    std::uint64_t total = 0;
    std::uint64_t free = 0;
  };
  Held<pf::SYSTEM_POWER_STATUS_EX> power_;
  Held<pf::MEMORYSTATUS> memory_;
  std::map<std::u16string, Held<DiskSpace>> disks_;
};

}  // namespace ostrel::todaytest
