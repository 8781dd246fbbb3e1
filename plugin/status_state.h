// The plug-in's ready-made status texts and figures, and the routines that
// fill them: status readers, the refresh tick, clock and date texts, the
// calendar grid.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/types.h"
#include "settings/settings.h"

namespace ostrel {

// Capacities in UTF-16 code units, terminator included.
constexpr int kAlarmTextCapacity = 10;
constexpr int kOperatorTextCapacity = 100;
constexpr int kBatteryTextCapacity = 10;
constexpr int kMemoryTextCapacity = 20;
constexpr int kStorageCardPathCapacity = 260;
constexpr int kTimeTextCapacity = 100;
constexpr int kDateTextCapacity = 100;
// The clock text is formatted into a scratch text of this capacity.
constexpr int kClockScratchCapacity = 260;

constexpr int kCalendarRows = 6;
constexpr int kCalendarColumns = 7;

struct CalendarCell {
  std::uint16_t Day = 0;        // 1..31
  std::uint16_t Month = 0;      // 1..12
  std::uint16_t Year = 0;
  std::uint16_t DayOfWeek = 0;  // 1 Monday .. 7 Sunday
};

// Zero and empty at start; every text is always terminated.
struct StatusState {
  std::int32_t AlarmSet = 0;
  char16_t AlarmText[kAlarmTextCapacity] = {};
  char16_t OperatorText[kOperatorTextCapacity] = {};
  std::int32_t MissedCalls = 0;
  std::int32_t UnreadSms = 0;
  std::int32_t UnreadEmail = 0;
  std::int32_t BluetoothOn = 0;
  std::int32_t WifiOn = 0;
  char16_t BatteryText[kBatteryTextCapacity] = {};
  char16_t RamText[kMemoryTextCapacity] = {};
  char16_t PhoneText[kMemoryTextCapacity] = {};
  char16_t CardText[kMemoryTextCapacity] = {};
  char16_t StorageCardPath[kStorageCardPathCapacity] = {};
  char16_t TimeText[kTimeTextCapacity] = {};
  char16_t DateText1[kDateTextCapacity] = {};
  char16_t DateText2[kDateTextCapacity] = {};
  std::int32_t DateRefused = 0;  // bit 0 / bit 1: DateText1 / DateText2 the formatter refused
  // Six weeks, Monday first; row 0 starts on the Monday on or before the 1st.
  CalendarCell CalendarGrid[kCalendarRows][kCalendarColumns] = {};
};

// Reads the storage card's folder once, when the item window is created; a
// missing key or value leaves the path as it was. False when the registry
// refused the read (the path is then read again later).
bool ReadStorageCardPath(StatusState& status);
// Alarm, operator, missed calls, unread messages, Bluetooth and Wi-Fi.
// Returns 1 when any of them changed, else 0.
int ReadPhoneStatus(StatusState& status);
// Battery, main memory, the device's own store and the storage card, shown
// as the SysInfo settings ask. Returns 1 when any text changed, else 0.
int ReadSystemInfo(const SysInfoSettings& settings, StatusState& status);
// Writes prefix, a whole number and a unit ("b", "Kb", "Mb", "Gb") into out.
void FormatSize(std::uint64_t bytes, const char16_t* prefix, char16_t* out,
                std::size_t capacity);

// The once-a-second refresh of the item window (force 1 recomputes the
// clock, grid and date texts and repaints whatever changed).
void RefreshTick(pf::WindowHandle window, int force, const Settings& settings,
                 StatusState& status);

// The current local time in the clock's pattern; out holds
// kClockScratchCapacity units and is empty when formatting fails.
void FormatClockText(const TimeSettings& settings, char16_t* out);
// DateText1 and DateText2 from today's date and the two date patterns; a
// text the formatter refuses is left empty and noted in DateRefused.
void FormatDateTexts(const DateSettings& settings, StatusState& status);
// The texts noted in DateRefused formatted again; 1 when one of them came.
int RetryRefusedDates(const DateSettings& settings, StatusState& status);
// The 42 days around the current month, Monday first.
void BuildCalendarGrid(StatusState& status);

}  // namespace ostrel
