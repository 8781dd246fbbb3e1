// ostrel-preview --dump-status: its options, the run, and the JSON report.
#include "tools/preview/dump_status.h"

#include <cstdio>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "platform/host/host_clock.h"
#include "platform/host/host_device.h"
#include "platform/host/host_locale.h"
#include "platform/host/host_window.h"
#include "platform/text.h"
#include "plugin/status_state.h"
#include "tools/json/json_layout.h"
#include "tools/preview/clock_budget.h"

namespace ostrel::preview {

namespace {

constexpr pf::WindowHandle kItemWindow{0x17E5};
constexpr int kAdvanceLimit = 31622400;  // a leap year in seconds

pf::SYSTEMTIME ParseNow(const std::string& text) {
  pf::SYSTEMTIME t;
  unsigned year, month, day, hour, minute, second;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4u-%2u-%2u %2u:%2u:%2u%c", &year, &month, &day, &hour, &minute,
                  &second, &tail) != 6) {
    throw UsageError("--now: expected \"YYYY-MM-DD HH:MM:SS\", got '" + text + "'");
  }
  t.wYear = static_cast<std::uint16_t>(year);
  t.wMonth = static_cast<std::uint16_t>(month);
  t.wDay = static_cast<std::uint16_t>(day);
  t.wHour = static_cast<std::uint16_t>(hour);
  t.wMinute = static_cast<std::uint16_t>(minute);
  t.wSecond = static_cast<std::uint16_t>(second);
  if (!pf::host::IsValidSystemTime(t)) throw UsageError("--now: no such time: '" + text + "'");
  return t;
}

// Comma-separated whole numbers, none negative, exactly `count` of them.
std::vector<std::uint64_t> ParseList(const std::string& text, std::size_t count,
                                     const std::string& what) {
  std::vector<std::uint64_t> values;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = text.find(',', start);
    std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    long long value = ParseInteger(part, what);
    if (value < 0) throw UsageError(what + ": sizes cannot be negative");
    values.push_back(static_cast<std::uint64_t>(value));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (values.size() != count) {
    throw UsageError(what + ": expected " + std::to_string(count) + " comma-separated numbers");
  }
  return values;
}

DiskOption ParseDisk(const std::string& text, const std::string& what) {
  DiskOption disk;
  if (text == "fail") return disk;
  std::vector<std::uint64_t> v = ParseList(text, 2, what + " TOTAL,FREE");
  if (v[1] > v[0]) throw UsageError(what + ": FREE cannot exceed TOTAL");
  disk.fails = false;
  disk.total = v[0];
  disk.free = v[1];
  return disk;
}

void ParseMemory(const std::string& text, StatusOptions& options) {
  std::vector<std::uint64_t> v = ParseList(text, 3, "--memory LOAD,TOTAL,AVAIL");
  if (v[0] > 100) throw UsageError("--memory: LOAD is a percentage, 0 to 100");
  if (v[2] > v[1]) throw UsageError("--memory: AVAIL cannot exceed TOTAL");
  options.memorySet = true;
  options.memoryLoad = static_cast<std::uint32_t>(v[0]);
  options.memoryTotal = v[1];
  options.memoryAvail = v[2];
}

void CheckBattery(const std::string& text) {
  if (text == "charging" || text == "none" || text == "fail") return;
  const bool digits = !text.empty() && text.size() <= 3 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  if (!digits || std::stoi(text) > 255) {
    throw UsageError("--battery: expected PERCENT (0 to 255), charging, none or fail, got '" +
                     text + "'");
  }
}

void ApplyBattery(const std::string& text, pf::host::HostDevice& device) {
  if (text.empty()) return;
  if (text == "fail") {
    device.SetPowerFailure(true);
  } else if (text == "charging") {
    device.SetBattery(pf::BATTERY_FLAG_CHARGING, 50, pf::AC_LINE_ONLINE);
  } else if (text == "none") {
    device.SetBattery(pf::BATTERY_FLAG_NO_BATTERY, pf::BATTERY_PERCENTAGE_UNKNOWN,
                      pf::AC_LINE_ONLINE);
  } else {
    int percent = static_cast<int>(ParseInteger(text, "--battery"));
    std::uint8_t flag = percent > 100  ? pf::BATTERY_FLAG_UNKNOWN
                        : percent < 20 ? pf::BATTERY_FLAG_LOW
                                       : pf::BATTERY_FLAG_HIGH;
    device.SetBattery(flag, static_cast<std::uint8_t>(percent), pf::AC_LINE_OFFLINE);
  }
}

}  // namespace

void PrepareDevice(const StatusOptions& options) {
  pf::host::HostClock& clock = pf::host::HostClockService();
  if (options.now) {
    clock.SetLocalTime(*options.now);
  } else {
    clock.UseRealTime();
  }
  pf::host::HostLocaleService().SetLanguage(options.english ? pf::host::HostLanguage::English
                                                            : pf::host::HostLanguage::Russian);
  pf::host::HostDevice& device = pf::host::HostDeviceService();
  ApplyBattery(options.battery, device);
  if (options.memorySet) device.SetMemory(options.memoryLoad, options.memoryTotal, options.memoryAvail);
  if (options.store) {
    if (options.store->fails) {
      device.SetOwnStoreFailure();
    } else {
      device.SetOwnStore(pf::host::DiskFigures{options.store->total, options.store->free});
    }
  }
}

// The storage card's figures belong to the folder the registry names.
void PrepareCard(const DiskOption& card, const StatusState& status) {
  if (card.fails) return;
  if (status.StorageCardPath[0] == 0) {
    throw UsageError("--card: the registry names no storage card folder "
                     "(HKEY_CURRENT_USER\\Software\\Microsoft\\File Explorer, StorageCardPath)");
  }
  pf::host::HostDeviceService().SetDisk(status.StorageCardPath,
                                        pf::host::DiskFigures{card.total, card.free});
}

json::Value StatusJson(const StatusState& s) {
  json::Value json = json::Value::object();
  json["AlarmSet"] = s.AlarmSet;
  json["AlarmText"] = pf::ToUtf8(s.AlarmText);
  json["OperatorText"] = pf::ToUtf8(s.OperatorText);
  json["MissedCalls"] = s.MissedCalls;
  json["UnreadSms"] = s.UnreadSms;
  json["UnreadEmail"] = s.UnreadEmail;
  json["BluetoothOn"] = s.BluetoothOn;
  json["WifiOn"] = s.WifiOn;
  json["BatteryText"] = pf::ToUtf8(s.BatteryText);
  json["RamText"] = pf::ToUtf8(s.RamText);
  json["PhoneText"] = pf::ToUtf8(s.PhoneText);
  json["CardText"] = pf::ToUtf8(s.CardText);
  json["StorageCardPath"] = pf::ToUtf8(s.StorageCardPath);
  json["TimeText"] = pf::ToUtf8(s.TimeText);
  json["DateText1"] = pf::ToUtf8(s.DateText1);
  json["DateText2"] = pf::ToUtf8(s.DateText2);
  json::Value& grid = json["CalendarGrid"] = json::Value::array();
  for (const auto& week : s.CalendarGrid) {
    json::Value days = json::Value::array();
    for (const CalendarCell& cell : week) {
      json::Value day = json::Value::object();
      day["Day"] = cell.Day;
      day["Month"] = cell.Month;
      day["Year"] = cell.Year;
      day["DayOfWeek"] = cell.DayOfWeek;
      days.push_back(std::move(day));
    }
    grid.push_back(std::move(days));
  }
  return json;
}

void AddStatusOptions(CLI::App& app, StatusOptions& options) {
  const std::string group = "Status options (--dump-status, and the item's device)";
  cli::AddFlag(app, "--dump-status", "write the status after the item's creation, a forced refresh and --ticks ticks",
               options.dump)->group(group);
  cli::AddValue(app, "--now", "\"YYYY-MM-DD HH:MM:SS\"", "the device's local time (default: the real time)",
                [&options](const std::string& text) { options.now = ParseNow(text); })->group(group);
  cli::AddValue(app, "--locale", "ru|en", "the device's language (default ru)", [&options](const std::string& text) {
    if (text != "ru" && text != "en") throw UsageError("--locale: expected ru or en, got '" + text + "'");
    options.english = text == "en";
  })->group(group);
  cli::AddValue(app, "--battery", "PERCENT|charging|none|fail", "the battery's charge (0 to 255) or state",
                [&options](const std::string& text) {
                  CheckBattery(text);
                  options.battery = text;
                })->group(group);
  cli::AddValue(app, "--memory", "LOAD,TOTAL,AVAIL", "main memory: load in percent, total and available bytes",
                [&options](const std::string& text) { ParseMemory(text, options); })->group(group);
  cli::AddValue(app, "--store", "TOTAL,FREE|fail", "the device's own store in bytes, or a failing read",
                [&options](const std::string& text) { options.store = ParseDisk(text, "--store"); })->group(group);
  cli::AddValue(app, "--card", "TOTAL,FREE|fail",
                "the storage card in bytes, in the folder the registry names (File Explorer, StorageCardPath)",
                [&options](const std::string& text) { options.card = ParseDisk(text, "--card"); })->group(group);
  cli::AddValue(app, "--ticks", "N", "timer ticks after the first refresh, --dump-status only (0 to 1000000)",
                [&options](const std::string& text) { options.ticks = IntValue("--ticks", text, 0, 1000000); })
      ->group(group);
  cli::AddValue(app, "--advance", "SECONDS", "seconds the clock moves before each tick (default 1)",
                [&options](const std::string& text) {
                  options.advance = IntValue("--advance", text, -kAdvanceLimit, kAdvanceLimit);
                })->group(group);
}

namespace {

void WriteStatusJson(std::ostream& out, const StatusState& s, int repaints) {
  json::Value json = StatusJson(s);
  json["repaints"] = repaints;
  json::Write(out, json);
}

}  // namespace

int RunDumpStatus(const StatusOptions& options, const Settings& settings, std::ostream& out) {
  PrepareDevice(options);
  ClockBudget().TicksAfterMoves(options.ticks, options.advance, "--ticks " + std::to_string(options.ticks) +
                                                                   " --advance " + std::to_string(options.advance));
  StatusState status;
  // What the item window's creation reads, then its first forced refresh.
  ReadStorageCardPath(status);
  PrepareCard(options.card, status);
  ReadPhoneStatus(status);
  ReadSystemInfo(settings.SysInfoSettings, status);
  RefreshTick(kItemWindow, 1, settings, status);

  pf::host::HostWindows& windows = pf::host::HostWindowService();
  const int before = windows.InvalidateCount(kItemWindow);
  for (int i = 0; i < options.ticks; ++i) {
    pf::host::HostClockService().Advance(options.advance);
    RefreshTick(kItemWindow, 0, settings, status);
  }
  WriteStatusJson(out, status, windows.InvalidateCount(kItemWindow) - before);
  return 0;
}

}  // namespace ostrel::preview
