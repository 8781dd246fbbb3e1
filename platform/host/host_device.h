// Host stand-in for the device figures: settable battery, memory and disks,
// each of which can be made to fail.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/device.h"

namespace pf::host {

struct DiskFigures {
  std::uint64_t totalBytes = 0;
  std::uint64_t freeBytes = 0;  // free to the caller and free in total alike
};

class HostDevice : public DeviceService {
 public:
  HostDevice() { Reset(); }

  int GetSystemPowerStatusEx(SYSTEM_POWER_STATUS_EX* status, int update) override;
  void GlobalMemoryStatus(MEMORYSTATUS* status) override;
  int GetDiskFreeSpaceExW(const char16_t* directory, std::uint64_t* freeBytesAvailable,
                          std::uint64_t* totalBytes, std::uint64_t* totalFreeBytes) override;

  // A plausible device: on battery at 85%, 64 MB of memory at 40% load, a
  // 128 MB own store with 32 MB free, no storage card, nothing failing.
  void Reset();

  void SetPowerStatus(const SYSTEM_POWER_STATUS_EX& status) { power_ = status; }
  void SetBattery(std::uint8_t flag, std::uint8_t percent, std::uint8_t acLine);
  void SetPowerFailure(bool fails) { powerFails_ = fails; }
  void SetMemory(std::uint32_t loadPercent, std::uint64_t totalPhys, std::uint64_t availPhys);
  // The device's own store (the null path).
  void SetOwnStore(DiskFigures figures) { ownStore_ = figures; ownStoreFails_ = false; }
  void SetOwnStoreFailure() { ownStoreFails_ = true; }
  // A folder such as a storage card's; paths compare without regard to case
  // or a trailing backslash. Unknown paths fail.
  void SetDisk(const std::u16string& path, DiskFigures figures);
  void RemoveDisk(const std::u16string& path);

  int PowerQueries() const { return powerQueries_; }
  int MemoryQueries() const { return memoryQueries_; }
  int DiskQueries() const { return diskQueries_; }

 private:
  static std::u16string DiskKey(const std::u16string& path);

  SYSTEM_POWER_STATUS_EX power_;
  bool powerFails_ = false;
  MEMORYSTATUS memory_;
  DiskFigures ownStore_;
  bool ownStoreFails_ = false;
  std::map<std::u16string, DiskFigures> disks_;
  int powerQueries_ = 0;
  int memoryQueries_ = 0;
  int diskQueries_ = 0;
};

HostDevice& HostDeviceService();

}  // namespace pf::host
