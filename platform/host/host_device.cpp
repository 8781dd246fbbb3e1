// Host stand-in for GetSystemPowerStatusEx, GlobalMemoryStatus and
// GetDiskFreeSpaceExW.
#include "platform/host/host_device.h"

#include "platform/host/memory_registry.h"

namespace pf::host {

void HostDevice::Reset() {
  power_ = SYSTEM_POWER_STATUS_EX();
  SetBattery(BATTERY_FLAG_HIGH, 85, AC_LINE_OFFLINE);
  powerFails_ = false;
  SetMemory(40, 64ULL << 20, (64ULL << 20) * 60 / 100);
  ownStore_ = DiskFigures{128ULL << 20, 32ULL << 20};
  ownStoreFails_ = false;
  disks_.clear();
  powerQueries_ = memoryQueries_ = diskQueries_ = 0;
}

void HostDevice::SetBattery(std::uint8_t flag, std::uint8_t percent, std::uint8_t acLine) {
  power_.BatteryFlag = flag;
  power_.BatteryLifePercent = percent;
  power_.ACLineStatus = acLine;
}

void HostDevice::SetMemory(std::uint32_t loadPercent, std::uint64_t totalPhys,
                           std::uint64_t availPhys) {
  memory_ = MEMORYSTATUS();
  memory_.dwMemoryLoad = loadPercent;
  memory_.dwTotalPhys = totalPhys;
  memory_.dwAvailPhys = availPhys;
  memory_.dwTotalVirtual = 32ULL << 20;
  memory_.dwAvailVirtual = 16ULL << 20;
}

int HostDevice::GetSystemPowerStatusEx(SYSTEM_POWER_STATUS_EX* status, int) {
  ++powerQueries_;
  if (powerFails_ || status == nullptr) return 0;
  *status = power_;
  return 1;
}

void HostDevice::GlobalMemoryStatus(MEMORYSTATUS* status) {
  ++memoryQueries_;
  if (status != nullptr) *status = memory_;
}

std::u16string HostDevice::DiskKey(const std::u16string& path) {
  std::u16string key = FoldCase(path);
  while (key.size() > 1 && (key.back() == u'\\' || key.back() == u'/')) key.pop_back();
  return key;
}

void HostDevice::SetDisk(const std::u16string& path, DiskFigures figures) {
  disks_[DiskKey(path)] = figures;
}

void HostDevice::RemoveDisk(const std::u16string& path) { disks_.erase(DiskKey(path)); }

int HostDevice::GetDiskFreeSpaceExW(const char16_t* directory, std::uint64_t* freeBytesAvailable,
                                    std::uint64_t* totalBytes, std::uint64_t* totalFreeBytes) {
  ++diskQueries_;
  DiskFigures figures;
  if (directory == nullptr) {
    if (ownStoreFails_) return 0;
    figures = ownStore_;
  } else {
    auto found = disks_.find(DiskKey(directory));
    if (found == disks_.end()) return 0;
    figures = found->second;
  }
  if (freeBytesAvailable != nullptr) *freeBytesAvailable = figures.freeBytes;
  if (totalBytes != nullptr) *totalBytes = figures.totalBytes;
  if (totalFreeBytes != nullptr) *totalFreeBytes = figures.freeBytes;
  return 1;
}

HostDevice& HostDeviceService() {
  static HostDevice device;
  return device;
}

}  // namespace pf::host

namespace pf {
DeviceService& PlatformDevice() { return host::HostDeviceService(); }
}  // namespace pf
