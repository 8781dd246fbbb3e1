// Tests of the status readers: registry state values in, status fields out.
#include <gtest/gtest.h>

#include "tests/status_test_support.h"

namespace ostrel::testing {
namespace {

const char16_t kHardware[] = u"System\\State\\Hardware";
const char16_t kPhone[] = u"System\\State\\Phone";

using PhoneStatusTest = StatusTest;

TEST_F(PhoneStatusTest, EmptyRegistryShowsPhoneOffOnceAndThenNoChange) {
  EXPECT_EQ(ReadPhoneStatus(status), 1);
  EXPECT_EQ(U8(status.OperatorText), "Телефон выключен");
  EXPECT_EQ(status.AlarmSet, 0);
  EXPECT_EQ(U8(status.AlarmText), "");
  EXPECT_EQ(status.BluetoothOn, 0);
  EXPECT_EQ(status.WifiOn, 0);
  // The substituted text is what is stored, so later readings see no change.
  EXPECT_EQ(ReadPhoneStatus(status), 0);
  EXPECT_EQ(ReadPhoneStatus(status), 0);
  SetOperator(u"");
  EXPECT_EQ(ReadPhoneStatus(status), 0);
  EXPECT_EQ(U8(status.OperatorText), "Телефон выключен");
}

TEST_F(PhoneStatusTest, ReadsEachValueUnderItsOwnRoot) {
  SetOperator(u"Вектор");
  SetHkcuDword(kPhone, u"Missed Call Count", 3);
  SetHkcuDword(u"System\\State\\Messages\\sms\\Unread", u"Count", 4);
  SetHkcuDword(u"System\\State\\Messages\\TotalEmail\\Unread", u"Count", 5);
  SetHklmDword(u"Software\\Microsoft\\Clock\\2", u"AlarmFlags", 1);
  SetNextAlarm(At(2026, 12, 7, 7, 5));
  EXPECT_EQ(ReadPhoneStatus(status), 1);
  EXPECT_EQ(U8(status.OperatorText), "Вектор");
  EXPECT_EQ(status.MissedCalls, 3);
  EXPECT_EQ(status.UnreadSms, 4);
  EXPECT_EQ(status.UnreadEmail, 5);
  EXPECT_EQ(status.AlarmSet, 1);
  EXPECT_EQ(U8(status.AlarmText), "07:05");
  EXPECT_EQ(ReadPhoneStatus(status), 0);
}

TEST_F(PhoneStatusTest, ValuesUnderTheOtherRootAreNotSeen) {
  // The operator lives under HKEY_LOCAL_MACHINE, the missed calls under
  // HKEY_CURRENT_USER, the alarm flags under HKEY_LOCAL_MACHINE.
  registry.SetString(pf::HKEY_CURRENT_USER, kPhone, u"Current Operator Name", u"Вектор");
  SetHklmDword(kPhone, u"Missed Call Count", 3);
  SetHkcuDword(u"Software\\Microsoft\\Clock\\0", u"AlarmFlags", 1);
  SetHklmDword(u"System\\State\\Messages\\sms\\Unread", u"Count", 4);
  SetHkcuDword(kHardware, u"Bluetooth", 1);
  ReadPhoneStatus(status);
  EXPECT_EQ(U8(status.OperatorText), "Телефон выключен");
  EXPECT_EQ(status.MissedCalls, 0);
  EXPECT_EQ(status.AlarmSet, 0);
  EXPECT_EQ(status.UnreadSms, 0);
  EXPECT_EQ(status.BluetoothOn, 0);
}

TEST_F(PhoneStatusTest, AnyOfTheThreeAlarmKeysSetsTheAlarm) {
  for (int k = 0; k < 3; ++k) {
    pf::host::MemoryRegistry fresh;
    pf::SetRegistry(&fresh);
    std::u16string key = u"Software\\Microsoft\\Clock\\" + std::u16string(1, u'0' + k);
    fresh.SetDword(pf::HKEY_LOCAL_MACHINE, key, u"AlarmFlags", 4);
    StatusState s;
    ReadPhoneStatus(s);
    EXPECT_EQ(s.AlarmSet, 1) << "key " << k;
    EXPECT_EQ(fresh.OpenHandleCount(), 0);
  }
  pf::SetRegistry(&registry);
  SetHklmDword(u"Software\\Microsoft\\Clock\\3", u"AlarmFlags", 1);
  SetHklmDword(u"Software\\Microsoft\\Clock\\0", u"AlarmFlags", 0);
  ReadPhoneStatus(status);
  EXPECT_EQ(status.AlarmSet, 0);
}

TEST_F(PhoneStatusTest, RadiosCompareWholeValues) {
  struct Case {
    std::uint32_t value;
    int bluetoothOn;
    int wifiOn;
  };
  const Case cases[] = {{0, 0, 1}, {1, 1, 0}, {5, 1, 0}, {8, 0, 1}, {9, 1, 1}, {2, 1, 1}};
  for (const Case& c : cases) {
    SetHklmDword(kHardware, u"Bluetooth", c.value);
    SetHklmDword(kHardware, u"Wifi", c.value);
    ReadPhoneStatus(status);
    EXPECT_EQ(status.BluetoothOn, c.bluetoothOn) << "Bluetooth " << c.value;
    EXPECT_EQ(status.WifiOn, c.wifiOn) << "Wifi " << c.value;
  }
  registry.DeleteKey(pf::HKEY_LOCAL_MACHINE, kHardware);
  EXPECT_EQ(ReadPhoneStatus(status), 1);
  EXPECT_EQ(status.BluetoothOn, 0);
  EXPECT_EQ(status.WifiOn, 0);
}

TEST_F(PhoneStatusTest, ValuesOfTheWrongTypeOrSizeCountAsMissing) {
  registry.SetString(pf::HKEY_LOCAL_MACHINE, kHardware, u"Wifi", u"0");  // 4 bytes, but text
  registry.SetValue(pf::HKEY_LOCAL_MACHINE, kHardware, u"Bluetooth", pf::REG_DWORD, {1, 0});
  registry.SetValue(pf::HKEY_CURRENT_USER, kPhone, u"Missed Call Count", pf::REG_BINARY,
                    {7, 0, 0, 0});
  registry.SetValue(pf::HKEY_CURRENT_USER, u"System\\State\\Shell\\Alarms", u"Next",
                    pf::REG_BINARY, {1, 2, 3, 4});
  registry.SetDword(pf::HKEY_LOCAL_MACHINE, kPhone, u"Current Operator Name", 0x00410041);
  ReadPhoneStatus(status);
  EXPECT_EQ(status.WifiOn, 0);
  EXPECT_EQ(status.BluetoothOn, 0);
  EXPECT_EQ(status.MissedCalls, 0);
  EXPECT_EQ(U8(status.AlarmText), "");
  EXPECT_EQ(U8(status.OperatorText), "Телефон выключен");
}

TEST_F(PhoneStatusTest, AlarmThatDoesNotConvertGivesNoText) {
  registry.SetValue(pf::HKEY_CURRENT_USER, u"System\\State\\Shell\\Alarms", u"Next",
                    pf::REG_BINARY, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  ReadPhoneStatus(status);
  EXPECT_EQ(U8(status.AlarmText), "");
  SetNextAlarm(At(2027, 1, 1, 23, 59, 30));
  EXPECT_EQ(ReadPhoneStatus(status), 1);
  EXPECT_EQ(U8(status.AlarmText), "23:59");
}

TEST_F(PhoneStatusTest, LongOperatorNameIsCutAndNotSeenAsChangedAgain) {
  std::u16string name(120, u'Ж');
  SetOperator(name);
  EXPECT_EQ(ReadPhoneStatus(status), 1);
  EXPECT_EQ(pf::TextLength(status.OperatorText), 99u);
  EXPECT_EQ(ReadPhoneStatus(status), 0);
  // Longer than the 260 bytes read: the read fails, as with no operator.
  SetOperator(std::u16string(130, u'Ж'));
  EXPECT_EQ(ReadPhoneStatus(status), 1);
  EXPECT_EQ(U8(status.OperatorText), "Телефон выключен");
}

TEST_F(PhoneStatusTest, StorageCardPathIsReadOnceAndKeptWhenMissing) {
  const char16_t kExplorer[] = u"Software\\Microsoft\\File Explorer";
  ReadStorageCardPath(status);
  EXPECT_EQ(U8(status.StorageCardPath), "");
  registry.SetString(pf::HKEY_CURRENT_USER, kExplorer, u"StorageCardPath", u"\\Storage Card");
  ReadStorageCardPath(status);
  EXPECT_EQ(U8(status.StorageCardPath), "\\Storage Card");
  pf::KeyHandle key{};
  ASSERT_EQ(registry.RegOpenKeyExW(pf::HKEY_CURRENT_USER, kExplorer, 0, pf::KEY_WRITE, &key), 0);
  registry.RegDeleteValueW(key, u"StorageCardPath");
  registry.RegCloseKey(key);
  ReadStorageCardPath(status);
  EXPECT_EQ(U8(status.StorageCardPath), "\\Storage Card");
  // A value filling all 520 bytes without a terminator is still terminated.
  std::vector<std::uint8_t> full;
  for (int i = 0; i < 260; ++i) {
    full.push_back('x');
    full.push_back(0);
  }
  registry.SetValue(pf::HKEY_CURRENT_USER, kExplorer, u"StorageCardPath", pf::REG_SZ, full);
  ReadStorageCardPath(status);
  EXPECT_EQ(pf::TextLength(status.StorageCardPath), 259u);
}

TEST(FormatSizeTest, ThresholdsAreStrictlyGreater) {
  struct Case {
    std::uint64_t bytes;
    const char* text;
  };
  const Case cases[] = {
      {0, "U:0b"},
      {1024, "U:1024b"},
      {1025, "U:1Kb"},
      {1048576, "U:1024Kb"},
      {1048577, "U:1Mb"},
      {60000000, "U:57Mb"},
      {1073741824, "U:1024Mb"},
      {1073741825, "U:1Gb"},
      {2040109465, "U:1Gb"},  // 1.9 GB is cut, not rounded
      {5ULL << 40, "U:5120Gb"},
  };
  for (const Case& c : cases) {
    char16_t out[20];
    FormatSize(c.bytes, u"U:", out, 20);
    EXPECT_EQ(U8(out), c.text) << c.bytes;
  }
  char16_t small[6];
  FormatSize(1000, u"F:", small, 6);
  EXPECT_EQ(U8(small), "F:100");
}

}  // namespace
}  // namespace ostrel::testing
