// Reads the platform's published state from the registry: storage card
// path, alarms, operator, missed calls, unread messages, Bluetooth, Wi-Fi.
#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "plugin/status_change.h"
#include "plugin/status_state.h"

namespace ostrel {

namespace {

// One registry key opened for reading and closed when the reader goes out
// of scope. A value of another type or size than expected counts as missing.
class KeyReader {
 public:
  KeyReader(pf::KeyHandle root, const char16_t* path) {
    const long result = pf::RegOpenKeyExW(root, path, 0, pf::KEY_READ, &key_);
    open_ = result == pf::ERROR_SUCCESS;
    Note(result);
  }
  ~KeyReader() {
    if (open_) pf::RegCloseKey(key_);
  }
  KeyReader(const KeyReader&) = delete;
  KeyReader& operator=(const KeyReader&) = delete;

  bool IsOpen() const { return open_; }
  // Whether the open or a read was refused for another reason than a
  // missing key or value or one too long: another try may succeed.
  bool Refused() const { return refused_; }

  bool ReadDword(const char16_t* name, std::uint32_t* value) {
    std::uint32_t data = 0;
    if (!Read(name, pf::REG_DWORD, &data, sizeof data, sizeof data)) return false;
    *value = data;
    return true;
  }

  bool ReadFileTime(const char16_t* name, pf::FILETIME* time) {
    std::uint8_t data[8] = {};
    if (!Read(name, pf::REG_BINARY, data, sizeof data, sizeof data)) return false;
    std::uint64_t ticks = 0;
    for (int i = 7; i >= 0; --i) ticks = (ticks << 8) | data[i];
    *time = pf::MakeFileTime(ticks);
    return true;
  }

  // A REG_SZ of at most maxBytes bytes, into out (capacity units); the text
  // is terminated even when the stored value is not.
  bool ReadString(const char16_t* name, std::uint32_t maxBytes, char16_t* out,
                  std::size_t capacity) {
    char16_t data[pf::MAX_PATH + 1] = {};
    if (maxBytes > pf::MAX_PATH * sizeof(char16_t)) maxBytes = pf::MAX_PATH * sizeof(char16_t);
    std::uint32_t size = maxBytes;
    std::uint32_t type = pf::REG_NONE;
    if (!open_) return false;
    const long result =
        pf::RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<std::uint8_t*>(data), &size);
    Note(result);
    if (result != pf::ERROR_SUCCESS || type != pf::REG_SZ) return false;
    data[size / sizeof(char16_t)] = 0;
    pf::CopyText(out, capacity, data);
    return true;
  }

 private:
  void Note(long result) {
    if (result != pf::ERROR_SUCCESS && result != pf::ERROR_FILE_NOT_FOUND && result != pf::ERROR_MORE_DATA) {
      refused_ = true;
    }
  }

  bool Read(const char16_t* name, std::uint32_t wantedType, void* data, std::uint32_t capacity,
            std::uint32_t wantedSize) {
    if (!open_) return false;
    std::uint32_t size = capacity;
    std::uint32_t type = pf::REG_NONE;
    return pf::RegQueryValueExW(key_, name, nullptr, &type, static_cast<std::uint8_t*>(data),
                                &size) == pf::ERROR_SUCCESS &&
           type == wantedType && size == wantedSize;
  }

  pf::KeyHandle key_{};
  bool open_ = false;
  bool refused_ = false;
};

constexpr std::uint32_t kOperatorMaxBytes = 260;
constexpr std::uint32_t kCardPathMaxBytes = 520;

std::int32_t ReadAlarmSet() {
  std::int32_t set = 0;
  for (int k = 0; k < 3; ++k) {
    char16_t path[64];
    pf::FormatText(path, 64, u"%s%i", u"Software\\Microsoft\\Clock\\", k);
    KeyReader key(pf::HKEY_LOCAL_MACHINE, path);
    std::uint32_t flags = 0;
    if (key.ReadDword(u"AlarmFlags", &flags) && flags != 0) set = 1;
  }
  return set;
}

// The next alarm as "HH:MM", taken as stored (no time-zone conversion);
// empty when there is none or it does not convert to a date.
void ReadNextAlarm(char16_t* out, std::size_t capacity) {
  out[0] = 0;
  KeyReader key(pf::HKEY_CURRENT_USER, u"System\\State\\Shell\\Alarms");
  pf::FILETIME next;
  pf::SYSTEMTIME time;
  if (key.ReadFileTime(u"Next", &next) && pf::FileTimeToSystemTime(&next, &time)) {
    pf::FormatText(out, capacity, u"%02d%s%02d", time.wHour, u":", time.wMinute);
  }
}

void ReadOperator(char16_t* out, std::size_t capacity) {
  out[0] = 0;
  KeyReader key(pf::HKEY_LOCAL_MACHINE, u"System\\State\\Phone");
  key.ReadString(u"Current Operator Name", kOperatorMaxBytes, out, capacity);
  if (out[0] == 0) pf::CopyText(out, capacity, u"Телефон выключен");
}

std::int32_t ReadCount(pf::KeyHandle root, const char16_t* path, const char16_t* name) {
  KeyReader key(root, path);
  std::uint32_t count = 0;
  key.ReadDword(name, &count);
  return static_cast<std::int32_t>(count);
}

// The whole values the radios publish: Bluetooth 0 and 8 mean off, Wi-Fi 1
// and 5 mean off; any other value is on, a missing one off.
void ReadRadios(std::int32_t* bluetoothOn, std::int32_t* wifiOn) {
  *bluetoothOn = 0;
  *wifiOn = 0;
  KeyReader key(pf::HKEY_LOCAL_MACHINE, u"System\\State\\Hardware");
  std::uint32_t value = 0;
  if (key.ReadDword(u"Bluetooth", &value)) *bluetoothOn = value != 0 && value != 8 ? 1 : 0;
  if (key.ReadDword(u"Wifi", &value)) *wifiOn = value != 1 && value != 5 ? 1 : 0;
}

}  // namespace

bool ReadStorageCardPath(StatusState& status) {
  KeyReader key(pf::HKEY_CURRENT_USER, u"Software\\Microsoft\\File Explorer");
  char16_t path[kStorageCardPathCapacity];
  if (key.ReadString(u"StorageCardPath", kCardPathMaxBytes, path, kStorageCardPathCapacity)) {
    pf::CopyText(status.StorageCardPath, kStorageCardPathCapacity, path);
  }
  return !key.Refused();
}

int ReadPhoneStatus(StatusState& status) {
  int changed = UpdateNumber(status.AlarmSet, ReadAlarmSet());

  char16_t alarm[kAlarmTextCapacity];
  ReadNextAlarm(alarm, kAlarmTextCapacity);
  changed |= UpdateText(status.AlarmText, alarm);

  char16_t name[kOperatorTextCapacity];
  ReadOperator(name, kOperatorTextCapacity);
  changed |= UpdateText(status.OperatorText, name);

  changed |= UpdateNumber(status.MissedCalls, ReadCount(pf::HKEY_CURRENT_USER,
                                                        u"System\\State\\Phone",
                                                        u"Missed Call Count"));
  changed |= UpdateNumber(status.UnreadSms, ReadCount(pf::HKEY_CURRENT_USER,
                                                      u"System\\State\\Messages\\sms\\Unread",
                                                      u"Count"));
  changed |= UpdateNumber(status.UnreadEmail,
                          ReadCount(pf::HKEY_CURRENT_USER,
                                    u"System\\State\\Messages\\TotalEmail\\Unread", u"Count"));

  std::int32_t bluetoothOn = 0;
  std::int32_t wifiOn = 0;
  ReadRadios(&bluetoothOn, &wifiOn);
  changed |= UpdateNumber(status.BluetoothOn, bluetoothOn);
  changed |= UpdateNumber(status.WifiOn, wifiOn);
  return changed;
}

}  // namespace ostrel
