// Tests of the system-information texts: device figures in, texts out.
#include <gtest/gtest.h>

#include "tests/status_test_support.h"

namespace ostrel::testing {
namespace {

class SystemInfoTest : public StatusTest {
 protected:
  void SetUp() override {
    StatusTest::SetUp();
    device.SetOwnStore(pf::host::DiskFigures{1000000, 250000});
  }
  int Read() { return ReadSystemInfo(settings.SysInfoSettings, status); }
};

TEST_F(SystemInfoTest, BatteryFlagsAreWholeValues) {
  struct Case {
    std::uint8_t flag;
    std::uint8_t percent;
    const char* text;
  };
  const Case cases[] = {
      {pf::BATTERY_FLAG_HIGH, 85, "85%"},
      {pf::BATTERY_FLAG_CHARGING, 40, "=D~"},
      {pf::BATTERY_FLAG_CHARGING | pf::BATTERY_FLAG_HIGH, 90, "90%"},  // 9: not "charging"
      {pf::BATTERY_FLAG_NO_BATTERY, 255, "--"},
      {pf::BATTERY_FLAG_UNKNOWN, 255, "255%"},
      {pf::BATTERY_FLAG_NO_BATTERY | pf::BATTERY_FLAG_CHARGING, 7, "7%"},
  };
  for (const Case& c : cases) {
    device.SetBattery(c.flag, c.percent, pf::AC_LINE_OFFLINE);
    Read();
    EXPECT_EQ(U8(status.BatteryText), c.text) << "flag " << int(c.flag);
  }
  device.SetPowerFailure(true);
  EXPECT_EQ(Read(), 1);
  EXPECT_EQ(U8(status.BatteryText), "");
}

TEST_F(SystemInfoTest, MainMemoryInItsThreeForms) {
  device.SetMemory(37, 100000000, 40000000);
  Read();
  EXPECT_EQ(U8(status.RamText), "37%");
  settings.SysInfoSettings.RamType = Used;
  Read();
  EXPECT_EQ(U8(status.RamText), "U:57Mb");
  settings.SysInfoSettings.RamType = Free;
  Read();
  EXPECT_EQ(U8(status.RamText), "F:38Mb");
  settings.SysInfoSettings.RamType = 3;
  Read();
  EXPECT_EQ(U8(status.RamText), "");
}

TEST_F(SystemInfoTest, OwnStoreInItsThreeFormsAndOnFailure) {
  Read();
  EXPECT_EQ(U8(status.PhoneText), "75%");
  device.SetOwnStore(pf::host::DiskFigures{3000, 1000});
  settings.SysInfoSettings.PhoneType = Free;
  Read();
  EXPECT_EQ(U8(status.PhoneText), "F:1000b");
  settings.SysInfoSettings.PhoneType = Used;
  Read();
  EXPECT_EQ(U8(status.PhoneText), "U:1Kb");
  // Percentages are cut: 2 of 3 used is 66%.
  settings.SysInfoSettings.PhoneType = PercentUsed;
  Read();
  EXPECT_EQ(U8(status.PhoneText), "66%");
  device.SetOwnStoreFailure();
  EXPECT_EQ(Read(), 1);
  EXPECT_EQ(U8(status.PhoneText), "");
}

TEST_F(SystemInfoTest, CardFollowsItsPathAndItsOwnForm) {
  Read();
  EXPECT_EQ(U8(status.CardText), "") << "no card path: no card";
  pf::CopyText(status.StorageCardPath, kStorageCardPathCapacity, u"\\Storage Card");
  Read();
  EXPECT_EQ(U8(status.CardText), "") << "no disk at the path";
  device.SetDisk(u"\\storage card\\", pf::host::DiskFigures{4ULL << 30, 3ULL << 30});
  settings.SysInfoSettings.CardType = Free;
  EXPECT_EQ(Read(), 1);
  EXPECT_EQ(U8(status.CardText), "F:3Gb");
  EXPECT_EQ(U8(status.PhoneText), "75%") << "the own store keeps PhoneType";
}

TEST_F(SystemInfoTest, EmptyDiskGivesZeroPercentInsteadOfDividingByZero) {
  device.SetOwnStore(pf::host::DiskFigures{0, 0});
  Read();
  EXPECT_EQ(U8(status.PhoneText), "0%");
}

TEST_F(SystemInfoTest, ReportsChangeOnlyWhenATextChanges) {
  EXPECT_EQ(Read(), 1);
  EXPECT_EQ(Read(), 0);
  device.SetMemory(40, 64ULL << 20, 1);  // same load: the shown percentage is unchanged
  EXPECT_EQ(Read(), 0);
  device.SetBattery(pf::BATTERY_FLAG_HIGH, 84, pf::AC_LINE_OFFLINE);
  EXPECT_EQ(Read(), 1);
  EXPECT_EQ(U8(status.BatteryText), "84%");
}

}  // namespace
}  // namespace ostrel::testing
