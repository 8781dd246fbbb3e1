// GetLocalTime, SystemTimeToFileTime and FileTimeToSystemTime forwarded to
// the real ones.
#include "platform/win32/win32_time.h"

namespace pf::win32 {

class Win32Clock : public pf::ClockService {
 public:
  void GetLocalTime(pf::SYSTEMTIME* time) override {
    if (time == nullptr) return;
    ::SYSTEMTIME now;
    ::GetLocalTime(&now);
    *time = FromWinTime(now);
  }

  int SystemTimeToFileTime(const pf::SYSTEMTIME* time, pf::FILETIME* fileTime) override {
    if (time == nullptr || fileTime == nullptr) return 0;
    const ::SYSTEMTIME in = ToWinTime(*time);
    ::FILETIME out;
    if (!::SystemTimeToFileTime(&in, &out)) return 0;
    *fileTime = FromWinFileTime(out);
    return 1;
  }

  int FileTimeToSystemTime(const pf::FILETIME* fileTime, pf::SYSTEMTIME* time) override {
    if (fileTime == nullptr || time == nullptr) return 0;
    const ::FILETIME in = ToWinFileTime(*fileTime);
    ::SYSTEMTIME out;
    if (!::FileTimeToSystemTime(&in, &out)) return 0;
    *time = FromWinTime(out);
    return 1;
  }
};

}  // namespace pf::win32

namespace pf {

ClockService& PlatformClock() {
  static win32::Win32Clock clock;
  return clock;
}

}  // namespace pf
