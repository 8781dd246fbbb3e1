// ostrel-preview --dump-status: option parsing, the run, and the JSON report.
#include "tools/preview/dump_status.h"

#include <cstdio>
#include <vector>

#include "platform/host/host_clock.h"
#include "platform/host/host_device.h"
#include "platform/host/host_locale.h"
#include "platform/host/host_window.h"
#include "plugin/status_state.h"
#include "tools/preview/json_writer.h"

namespace ostrel::preview {

const char* const kStatusUsage =
    "       ostrel-preview [--reg FILE]... --dump-status [--now \"YYYY-MM-DD HH:MM:SS\"]\n"
    "                      [--locale ru|en] [--battery PERCENT|charging|none|fail]\n"
    "                      [--memory LOAD,TOTAL,AVAIL] [--store TOTAL,FREE|fail]\n"
    "                      [--card TOTAL,FREE|fail] [--ticks N] [--advance SECONDS]\n"
    "  --card needs the card's folder in the registry (HKEY_CURRENT_USER\\Software\\Microsoft\\\n"
    "  File Explorer, \"StorageCardPath\"); sizes are in bytes, LOAD in percent.\n";

namespace {

constexpr pf::WindowHandle kItemWindow{0x17E5};

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

void WriteStatusFields(JsonWriter& json, const StatusState& s) {
  json.Number("AlarmSet", s.AlarmSet);
  json.Text("AlarmText", s.AlarmText);
  json.Text("OperatorText", s.OperatorText);
  json.Number("MissedCalls", s.MissedCalls);
  json.Number("UnreadSms", s.UnreadSms);
  json.Number("UnreadEmail", s.UnreadEmail);
  json.Number("BluetoothOn", s.BluetoothOn);
  json.Number("WifiOn", s.WifiOn);
  json.Text("BatteryText", s.BatteryText);
  json.Text("RamText", s.RamText);
  json.Text("PhoneText", s.PhoneText);
  json.Text("CardText", s.CardText);
  json.Text("StorageCardPath", s.StorageCardPath);
  json.Text("TimeText", s.TimeText);
  json.Text("DateText1", s.DateText1);
  json.Text("DateText2", s.DateText2);
  json.BeginArray("CalendarGrid");
  for (const auto& week : s.CalendarGrid) {
    json.BeginArray();
    for (const CalendarCell& cell : week) {
      json.BeginObject();
      json.Number("Day", cell.Day);
      json.Number("Month", cell.Month);
      json.Number("Year", cell.Year);
      json.Number("DayOfWeek", cell.DayOfWeek);
      json.EndObject();
    }
    json.EndArray();
  }
  json.EndArray();
}

namespace {

void WriteStatusJson(std::ostream& out, const StatusState& s, int repaints) {
  JsonWriter json(out);
  json.BeginObject();
  WriteStatusFields(json, s);
  json.Number("repaints", repaints);
  json.EndObject();
}

}  // namespace

bool ParseStatusOption(const std::string& arg, ArgReader& args, StatusOptions& options) {
  if (arg == "--dump-status") {
    options.dump = true;
  } else if (arg == "--now") {
    options.now = ParseNow(args.Value(arg));
  } else if (arg == "--locale") {
    std::string value = args.Value(arg);
    if (value != "ru" && value != "en") throw UsageError("--locale: expected ru or en, got '" + value + "'");
    options.english = value == "en";
  } else if (arg == "--battery") {
    options.battery = args.Value(arg);
    CheckBattery(options.battery);
  } else if (arg == "--memory") {
    ParseMemory(args.Value(arg), options);
  } else if (arg == "--store") {
    options.store = ParseDisk(args.Value(arg), "--store");
  } else if (arg == "--card") {
    options.card = ParseDisk(args.Value(arg), "--card");
  } else if (arg == "--ticks") {
    options.ticks = args.IntValue(arg, 0, 1000000);
  } else if (arg == "--advance") {
    options.advance = args.IntValue(arg, -31622400, 31622400);
  } else {
    return false;
  }
  return true;
}

int RunDumpStatus(const StatusOptions& options, const Settings& settings, std::ostream& out) {
  PrepareDevice(options);
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
