// Device figures service: battery, main memory and disk space.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace pf {

constexpr std::uint8_t AC_LINE_OFFLINE = 0;
constexpr std::uint8_t AC_LINE_ONLINE = 1;
constexpr std::uint8_t AC_LINE_UNKNOWN = 0xFF;

// BatteryFlag bits, and the two whole values "no battery" and "unknown".
constexpr std::uint8_t BATTERY_FLAG_HIGH = 0x01;
constexpr std::uint8_t BATTERY_FLAG_LOW = 0x02;
constexpr std::uint8_t BATTERY_FLAG_CRITICAL = 0x04;
constexpr std::uint8_t BATTERY_FLAG_CHARGING = 0x08;
constexpr std::uint8_t BATTERY_FLAG_NO_BATTERY = 0x80;
constexpr std::uint8_t BATTERY_FLAG_UNKNOWN = 0xFF;
constexpr std::uint8_t BATTERY_PERCENTAGE_UNKNOWN = 0xFF;
constexpr std::uint32_t BATTERY_LIFE_UNKNOWN = 0xFFFFFFFFu;

// Field order of the device's record.
struct SYSTEM_POWER_STATUS_EX {
  std::uint8_t ACLineStatus = AC_LINE_UNKNOWN;
  std::uint8_t BatteryFlag = BATTERY_FLAG_UNKNOWN;
  std::uint8_t BatteryLifePercent = BATTERY_PERCENTAGE_UNKNOWN;
  std::uint8_t Reserved1 = 0;
  std::uint32_t BatteryLifeTime = BATTERY_LIFE_UNKNOWN;
  std::uint32_t BatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
  std::uint8_t Reserved2 = 0;
  std::uint8_t BackupBatteryFlag = BATTERY_FLAG_UNKNOWN;
  std::uint8_t BackupBatteryLifePercent = BATTERY_PERCENTAGE_UNKNOWN;
  std::uint8_t Reserved3 = 0;
  std::uint32_t BackupBatteryLifeTime = BATTERY_LIFE_UNKNOWN;
  std::uint32_t BackupBatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
};

// Field order of the platform's record; byte counts are 64-bit here so that
// every build carries the same figures.
struct MEMORYSTATUS {
  std::uint32_t dwLength = sizeof(MEMORYSTATUS);
  std::uint32_t dwMemoryLoad = 0;  // percent of physical memory in use
  std::uint64_t dwTotalPhys = 0;
  std::uint64_t dwAvailPhys = 0;
  std::uint64_t dwTotalPageFile = 0;
  std::uint64_t dwAvailPageFile = 0;
  std::uint64_t dwTotalVirtual = 0;
  std::uint64_t dwAvailVirtual = 0;
};

class DeviceService {
 public:
  virtual ~DeviceService() = default;
  // update non-zero asks for a fresh reading. Returns non-zero on success.
  virtual int GetSystemPowerStatusEx(SYSTEM_POWER_STATUS_EX* status, int update) = 0;
  virtual void GlobalMemoryStatus(MEMORYSTATUS* status) = 0;
  // directory null = the device's own store. Any of the three outputs may be
  // null. Returns non-zero on success.
  virtual int GetDiskFreeSpaceExW(const char16_t* directory, std::uint64_t* freeBytesAvailable,
                                  std::uint64_t* totalBytes, std::uint64_t* totalFreeBytes) = 0;
};

DeviceService& Device();
void SetDevice(DeviceService* service);
DeviceService& PlatformDevice();

inline int GetSystemPowerStatusEx(SYSTEM_POWER_STATUS_EX* status, int update) {
  return Device().GetSystemPowerStatusEx(status, update);
}
inline void GlobalMemoryStatus(MEMORYSTATUS* status) { Device().GlobalMemoryStatus(status); }
inline int GetDiskFreeSpaceExW(const char16_t* directory, std::uint64_t* freeBytesAvailable,
                               std::uint64_t* totalBytes, std::uint64_t* totalFreeBytes) {
  return Device().GetDiskFreeSpaceExW(directory, freeBytesAvailable, totalBytes, totalFreeBytes);
}

}  // namespace pf
