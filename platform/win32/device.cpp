// Battery, memory and disk figures from the real system; on the desktop the
// device's GetSystemPowerStatusEx is stood in for by GetSystemPowerStatus.
#include "platform/device.h"

namespace {
// Our constants, captured before <windows.h> turns their names into macros.
constexpr std::uint8_t kOurCharging = pf::BATTERY_FLAG_CHARGING;
constexpr std::uint8_t kOurNoBattery = pf::BATTERY_FLAG_NO_BATTERY;
constexpr std::uint8_t kOurFlagUnknown = pf::BATTERY_FLAG_UNKNOWN;
constexpr std::uint8_t kOurPercentUnknown = pf::BATTERY_PERCENTAGE_UNKNOWN;
constexpr std::uint32_t kOurLifeUnknown = pf::BATTERY_LIFE_UNKNOWN;
}  // namespace

#include "platform/win32/win32.h"

static_assert(kOurCharging == BATTERY_FLAG_CHARGING && kOurNoBattery == BATTERY_FLAG_NO_BATTERY &&
                  kOurFlagUnknown == BATTERY_FLAG_UNKNOWN &&
                  kOurPercentUnknown == BATTERY_PERCENTAGE_UNKNOWN &&
                  kOurLifeUnknown == BATTERY_LIFE_UNKNOWN,
              "our battery constants are the platform's");

namespace pf::win32 {

class Win32Device : public pf::DeviceService {
 public:
  int GetSystemPowerStatusEx(pf::SYSTEM_POWER_STATUS_EX* status, int update) override {
    if (status == nullptr) return 0;
    *status = pf::SYSTEM_POWER_STATUS_EX();
#ifdef UNDER_CE
    ::SYSTEM_POWER_STATUS_EX real;
    if (!::GetSystemPowerStatusEx(&real, update ? TRUE : FALSE)) return 0;
    status->BackupBatteryFlag = real.BackupBatteryFlag;
    status->BackupBatteryLifePercent = real.BackupBatteryLifePercent;
    status->BackupBatteryLifeTime = real.BackupBatteryLifeTime;
    status->BackupBatteryFullLifeTime = real.BackupBatteryFullLifeTime;
#else
    // The desktop always reads afresh and has no backup battery: those
    // fields stay "unknown".
    (void)update;
    ::SYSTEM_POWER_STATUS real;
    if (!::GetSystemPowerStatus(&real)) return 0;
#endif
    status->ACLineStatus = real.ACLineStatus;
    status->BatteryFlag = real.BatteryFlag;
    status->BatteryLifePercent = real.BatteryLifePercent;
    status->BatteryLifeTime = real.BatteryLifeTime;
    status->BatteryFullLifeTime = real.BatteryFullLifeTime;
    return 1;
  }

  void GlobalMemoryStatus(pf::MEMORYSTATUS* status) override {
    if (status == nullptr) return;
    ::MEMORYSTATUS real;
    real.dwLength = sizeof real;
    ::GlobalMemoryStatus(&real);
    *status = pf::MEMORYSTATUS();
    status->dwMemoryLoad = real.dwMemoryLoad;
    status->dwTotalPhys = real.dwTotalPhys;
    status->dwAvailPhys = real.dwAvailPhys;
    status->dwTotalPageFile = real.dwTotalPageFile;
    status->dwAvailPageFile = real.dwAvailPageFile;
    status->dwTotalVirtual = real.dwTotalVirtual;
    status->dwAvailVirtual = real.dwAvailVirtual;
  }

  int GetDiskFreeSpaceExW(const char16_t* directory, std::uint64_t* freeBytesAvailable,
                          std::uint64_t* totalBytes, std::uint64_t* totalFreeBytes) override {
    ULARGE_INTEGER available{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER totalFree{};
    if (!::GetDiskFreeSpaceExW(W(directory), &available, &total, &totalFree)) return 0;
    if (freeBytesAvailable != nullptr) *freeBytesAvailable = available.QuadPart;
    if (totalBytes != nullptr) *totalBytes = total.QuadPart;
    if (totalFreeBytes != nullptr) *totalFreeBytes = totalFree.QuadPart;
    return 1;
  }
};

}  // namespace pf::win32

namespace pf {

DeviceService& PlatformDevice() {
  static win32::Win32Device device;
  return device;
}

}  // namespace pf
