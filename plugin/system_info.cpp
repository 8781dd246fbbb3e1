// Battery, main memory and disk texts of the system-information block.
#include "platform/device.h"
#include "platform/text.h"
#include "plugin/status_change.h"
#include "plugin/status_state.h"

namespace ostrel {

namespace {

// Room for any of the texts before the change rule cuts it to its field.
constexpr std::size_t kScratchCapacity = 64;

void FormatBattery(char16_t* out, std::size_t capacity) {
  out[0] = 0;
  pf::SYSTEM_POWER_STATUS_EX power;
  if (!pf::GetSystemPowerStatusEx(&power, 1)) return;
  // Whole-value tests: "charging and high" (9) shows its percentage.
  if (power.BatteryFlag == pf::BATTERY_FLAG_NO_BATTERY) {
    pf::CopyText(out, capacity, u"--");
  } else if (power.BatteryFlag == pf::BATTERY_FLAG_CHARGING) {
    pf::CopyText(out, capacity, u"=D~");
  } else {
    pf::FormatText(out, capacity, u"%i%s", static_cast<int>(power.BatteryLifePercent), u"%");
  }
}

// One memory figure in the form the settings ask for: percent used, bytes
// used or bytes free; an unknown form gives an empty text.
void FormatMemory(std::int32_t display, long long percentUsed, std::uint64_t used,
                  std::uint64_t available, char16_t* out, std::size_t capacity) {
  out[0] = 0;
  switch (display) {
    case PercentUsed:
      pf::FormatText(out, capacity, u"%li%s", percentUsed, u"%");
      break;
    case Used:
      FormatSize(used, u"U:", out, capacity);
      break;
    case Free:
      FormatSize(available, u"F:", out, capacity);
      break;
    default:
      break;
  }
}

std::uint64_t UsedBytes(std::uint64_t total, std::uint64_t available) {
  return total > available ? total - available : 0;
}

void FormatRam(std::int32_t display, char16_t* out, std::size_t capacity) {
  pf::MEMORYSTATUS memory;
  pf::GlobalMemoryStatus(&memory);
  FormatMemory(display, memory.dwMemoryLoad, UsedBytes(memory.dwTotalPhys, memory.dwAvailPhys),
               memory.dwAvailPhys, out, capacity);
}

// directory null = the device's own store. A failed query, or a card whose
// folder is not known, gives an empty text.
void FormatDisk(const char16_t* directory, std::int32_t display, char16_t* out,
                std::size_t capacity) {
  out[0] = 0;
  std::uint64_t available = 0;
  std::uint64_t total = 0;
  if (directory != nullptr && directory[0] == 0) return;
  if (!pf::GetDiskFreeSpaceExW(directory, &available, &total, nullptr)) return;
  const std::uint64_t used = UsedBytes(total, available);
  const long long percent = total == 0 ? 0 : static_cast<long long>(used * 100 / total);
  FormatMemory(display, percent, used, available, out, capacity);
}

}  // namespace

void FormatSize(std::uint64_t bytes, const char16_t* prefix, char16_t* out,
                std::size_t capacity) {
  constexpr std::uint64_t kKb = 1ULL << 10;
  constexpr std::uint64_t kMb = 1ULL << 20;
  constexpr std::uint64_t kGb = 1ULL << 30;
  std::uint64_t number = bytes;
  const char16_t* unit = u"b";
  if (bytes > kGb) {
    number = bytes >> 30;
    unit = u"Gb";
  } else if (bytes > kMb) {
    number = bytes >> 20;
    unit = u"Mb";
  } else if (bytes > kKb) {
    number = bytes >> 10;
    unit = u"Kb";
  }
  pf::FormatText(out, capacity, u"%s%li%s", prefix, static_cast<long long>(number), unit);
}

int ReadSystemInfo(const SysInfoSettings& settings, StatusState& status) {
  char16_t text[kScratchCapacity];
  FormatBattery(text, kScratchCapacity);
  int changed = UpdateText(status.BatteryText, text);

  FormatRam(settings.RamType, text, kScratchCapacity);
  changed |= UpdateText(status.RamText, text);

  FormatDisk(nullptr, settings.PhoneType, text, kScratchCapacity);
  changed |= UpdateText(status.PhoneText, text);

  FormatDisk(status.StorageCardPath, settings.CardType, text, kScratchCapacity);
  changed |= UpdateText(status.CardText, text);
  return changed;
}

}  // namespace ostrel
