// The Date, Wireless and System information blocks on the recording surface.
#include <string>

#include "tests/render_support.h"

namespace ostrel::testing {
namespace {

using RenderDate = RenderTest;

TEST_F(RenderDate, DateTextsShareOneRowTheFirstAtTheLeftTheSecondEndingAtTheRight) {
  DateSettings& date = PluginSettings().DateSettings;
  date.Font1.Color = pf::RGB(1, 2, 3);
  date.Font2.Color = pf::RGB(4, 5, 6);
  date.Font2.Bold = 0;
  pf::CopyText(Status().DateText1, kDateTextCapacity, u"6 декабря 2026 г.");
  pf::CopyText(Status().DateText2, kDateTextCapacity, u"воскресенье");
  const std::vector<DrawRecord> log = Render(DrawDateBlock, 0, 45);
  ASSERT_EQ(Texts(log).size(), 2u);
  const DrawRecord left = Texts(log)[0];
  const DrawRecord right = Texts(log)[1];
  const pf::RECT band{10, 47, 230, 58};
  EXPECT_EQ(left.text, u"6 декабря 2026 г.");
  EXPECT_EQ(left.rect, band);
  EXPECT_EQ(left.format, kLine | pf::DT_LEFT);
  EXPECT_EQ(left.color, pf::RGB(1, 2, 3));
  EXPECT_EQ(left.fontWeight, 700);
  EXPECT_EQ(left.placed.left, 10);
  EXPECT_EQ(right.rect, band);
  EXPECT_EQ(right.format, kLine | pf::DT_RIGHT);
  EXPECT_EQ(right.color, pf::RGB(4, 5, 6));
  EXPECT_EQ(right.fontWeight, 400);
  EXPECT_EQ(right.fontHeight, -10);
  EXPECT_EQ(right.placed.right, 230);
}

class RenderWireless : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    LoadStateImages(ImageFolder());
    pf::CopyText(Status().OperatorText, kOperatorTextCapacity, u"Телефон выключен");
    Status().UnreadEmail = 3;
    Status().UnreadSms = 2;
    Status().MissedCalls = 1;
    Status().BluetoothOn = 1;
    Status().WifiOn = 1;
  }
};

TEST_F(RenderWireless, CountersEndAgainstTheIconsPackedFromTheRight) {
  const std::vector<DrawRecord> log = Render(DrawWirelessBlock);
  ASSERT_EQ(Images(log).size(), 2u);
  EXPECT_EQ(Images(log)[0].imageName, "bt96.png");
  EXPECT_EQ(Images(log)[0].rect, (pf::RECT{217, 2, 230, 15}));
  EXPECT_EQ(Images(log)[1].imageName, "wifi96.png");
  EXPECT_EQ(Images(log)[1].rect, (pf::RECT{202, 2, 215, 15}));
  const DrawRecord counters = TextCall(log, u"@:3 sms:2 calls:1 ");
  EXPECT_EQ(counters.rect, (pf::RECT{10, 2, 200, 13}));
  EXPECT_EQ(counters.format, kLine | pf::DT_RIGHT);
  const DrawRecord operatorLine = TextCall(log, u"Телефон выключен");
  EXPECT_EQ(operatorLine.rect, (pf::RECT{10, 2, 230, 13}));
  EXPECT_EQ(operatorLine.format, kLine | pf::DT_LEFT);
  EXPECT_EQ(operatorLine.color, pf::RGB(255, 255, 255));
  EXPECT_EQ(operatorLine.fontHeight, -10);
}

TEST_F(RenderWireless, IconsThatAreNotShownTakeNoRoomAndHiddenCountersCloseUp) {
  Status().BluetoothOn = 0;
  PluginSettings().WirelessSettings.ShowSMS = 0;
  std::vector<DrawRecord> log = Render(DrawWirelessBlock);
  ASSERT_EQ(Images(log).size(), 1u);
  EXPECT_EQ(Images(log)[0].imageName, "wifi96.png");
  EXPECT_EQ(Images(log)[0].rect, (pf::RECT{217, 2, 230, 15}));
  EXPECT_EQ(TextCall(log, u"@:3 calls:1 ").rect.right, 215);

  PluginSettings().WirelessSettings.ShowWF = 0;
  Status().UnreadEmail = 0;
  Status().MissedCalls = 0;
  log = Render(DrawWirelessBlock);
  EXPECT_TRUE(Images(log).empty());
  ASSERT_EQ(Texts(log).size(), 1u) << "no counters text at all";
}

TEST_F(RenderWireless, IconGapFollowsTheHorizontalDensity) {
  Defaults(192);
  LoadStateImages(ImageFolder());
  const std::vector<DrawRecord> log = Render(DrawWirelessBlock);
  ASSERT_EQ(Images(log).size(), 2u);
  // Margins 20 and 4 at 192 dpi, images 26 pixels, gap 4.
  EXPECT_EQ(Images(log)[0].rect, (pf::RECT{194, 4, 220, 30}));
  EXPECT_EQ(Images(log)[1].rect, (pf::RECT{164, 4, 190, 30}));
  EXPECT_EQ(TextCall(log, u"@:3 sms:2 calls:1 ").rect.right, 160);
}

class RenderSysInfo : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    LoadStateImages(ImageFolder());
    pf::CopyText(Status().BatteryText, kBatteryTextCapacity, u"85%");
    pf::CopyText(Status().RamText, kMemoryTextCapacity, u"45%");
    pf::CopyText(Status().PhoneText, kMemoryTextCapacity, u"F:19Mb");
    pf::CopyText(Status().CardText, kMemoryTextCapacity, u"U:1Gb");
  }
};

TEST_F(RenderSysInfo, FourColumnsOf55WithImagesCentredAndFiguresUnderThem) {
  const std::vector<DrawRecord> log = Render(DrawSysInfoBlock, 0, 100);
  const char* images[4] = {"battery96.png", "memory_ram96.png", "memory_phone96.png",
                           "memory_card96.png"};
  const std::u16string figures[4] = {u"85%", u"45%", u"F:19Mb", u"U:1Gb"};
  ASSERT_EQ(Images(log).size(), 4u);
  ASSERT_EQ(Texts(log).size(), 4u);
  for (int c = 0; c < 4; ++c) {
    SCOPED_TRACE(c);
    const int left = 10 + 55 * c;
    EXPECT_EQ(Images(log)[c].imageName, images[c]);
    EXPECT_EQ(Images(log)[c].rect, (pf::RECT{left + 21, 102, left + 34, 115}));
    EXPECT_EQ(Texts(log)[c].text, figures[c]);
    EXPECT_EQ(Texts(log)[c].rect, (pf::RECT{left, 115, left + 55, 146}));
    EXPECT_EQ(Texts(log)[c].format, kLine | pf::DT_CENTER);
  }
}

TEST_F(RenderSysInfo, MissingImagePutsItsFigureAtTheTop) {
  PluginSettings().MarginRight = 13;  // inner width 217: columns of 54, 1 pixel left over
  pf::DeleteObject(Item().Images.MemoryPhone);
  Item().Images.MemoryPhone = pf::BitmapHandle{};
  const std::vector<DrawRecord> log = Render(DrawSysInfoBlock);
  ASSERT_EQ(Images(log).size(), 3u);
  EXPECT_EQ(Images(log)[2].imageName, "memory_card96.png");
  EXPECT_EQ(Images(log)[2].rect.left, 10 + 3 * 54 + 20);
  const DrawRecord phone = TextCall(log, u"F:19Mb");
  EXPECT_EQ(phone.rect, (pf::RECT{118, 2, 172, 46}));
  EXPECT_EQ(TextCall(log, u"U:1Gb").rect.right, 226);
}

}  // namespace
}  // namespace ostrel::testing
