// The Date, Wireless and System information blocks on the recording surface.
#include <string>

#include "tests/render_support.h"

namespace ostrel::testing {
namespace {

using RenderDate = RenderTest;

TEST_F(RenderDate, TextsShareOneRowTheFirstFromTheLeftTheSecondEndingAtTheRight) {
  DateSettings& date = PluginSettings().DateSettings;
  date.Font1.Color = pf::RGB(1, 2, 3);
  date.Font2 = {u"Tahoma", 8, 0, pf::RGB(4, 5, 6), 1};
  pf::CopyText(Status().DateText1, kDateTextCapacity, u"6 декабря 2026 г.");
  pf::CopyText(Status().DateText2, kDateTextCapacity, u"воскресенье");
  const Log texts = Texts(Render(DrawDateBlock, 0, 45));
  ASSERT_EQ(texts.size(), 2u);
  const pf::RECT band{10, 47, 230, 58};
  EXPECT_EQ(texts[0].text, u"6 декабря 2026 г.");
  EXPECT_EQ(texts[0].rect, band);
  EXPECT_EQ(texts[0].format, kLine | pf::DT_LEFT);
  EXPECT_EQ(texts[0].color, pf::RGB(1, 2, 3));
  EXPECT_EQ(texts[0].fontWeight, 700);
  EXPECT_EQ(texts[1].rect, band);
  EXPECT_EQ(texts[1].format, kLine | pf::DT_RIGHT);
  EXPECT_EQ(texts[1].color, pf::RGB(4, 5, 6));
  EXPECT_EQ(texts[1].fontWeight, 400);
  EXPECT_EQ(texts[1].placed.right, 230);
}

class RenderWireless : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    LoadStateImages(ImageFolder());
    StatusState& s = Status();
    pf::CopyText(s.OperatorText, kOperatorTextCapacity, u"Телефон выключен");
    s.UnreadEmail = 3;
    s.UnreadSms = 2;
    s.MissedCalls = 1;
    s.BluetoothOn = s.WifiOn = 1;
  }
};

TEST_F(RenderWireless, CountersEndAgainstTheIconsPackedFromTheRight) {
  const Log log = Render(DrawWirelessBlock);
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
  EXPECT_EQ(operatorLine.format, kLine | pf::DT_LEFT | pf::DT_NOPREFIX) << "an operator such as \"A&B\" shows its \"&\"";
  EXPECT_EQ(operatorLine.fontHeight, -10);
  EXPECT_EQ(operatorLine.color, pf::RGB(255, 255, 255));
}

TEST_F(RenderWireless, WhatIsNotShownTakesNoRoom) {
  Status().BluetoothOn = 0;
  PluginSettings().WirelessSettings.ShowSMS = 0;
  Log log = Render(DrawWirelessBlock);
  ASSERT_EQ(Images(log).size(), 1u);
  EXPECT_EQ(Images(log)[0].rect, (pf::RECT{217, 2, 230, 15})) << "Wi-Fi at the right edge";
  EXPECT_EQ(TextCall(log, u"@:3 calls:1 ").rect.right, 215);

  PluginSettings().WirelessSettings.ShowWF = 0;
  Status().UnreadEmail = Status().MissedCalls = 0;
  log = Render(DrawWirelessBlock);
  EXPECT_TRUE(Images(log).empty());
  EXPECT_EQ(Texts(log).size(), 1u) << "no counters text at all";

  Defaults(192);  // margins 20 and 4, images of 26, a gap of 4
  Status().BluetoothOn = 1;
  LoadStateImages(ImageFolder());
  log = Render(DrawWirelessBlock);
  ASSERT_EQ(Images(log).size(), 2u);
  EXPECT_EQ(Images(log)[1].rect, (pf::RECT{164, 4, 190, 30}));
}

TEST_F(RenderTest, SysInfoColumnsAreEqualQuartersWithImagesCentredAboveTheirFigures) {
  LoadStateImages(ImageFolder());
  const std::u16string figures[4] = {u"85%", u"45%", u"F:19Mb", u"U:1Gb"};
  pf::CopyText(Status().BatteryText, kBatteryTextCapacity, figures[0].c_str());
  pf::CopyText(Status().RamText, kMemoryTextCapacity, figures[1].c_str());
  pf::CopyText(Status().PhoneText, kMemoryTextCapacity, figures[2].c_str());
  pf::CopyText(Status().CardText, kMemoryTextCapacity, figures[3].c_str());
  const char* images[4] = {"battery96.png", "memory_ram96.png", "memory_phone96.png",
                           "memory_card96.png"};
  Log log = Render(DrawSysInfoBlock, 0, 100);
  ASSERT_EQ(Images(log).size(), 4u);
  ASSERT_EQ(Texts(log).size(), 4u);
  for (int c = 0; c < 4; ++c) {
    const int left = 10 + 55 * c;  // 240 wide, margins 10: columns of 55
    EXPECT_EQ(Images(log)[c].imageName, images[c]);
    EXPECT_EQ(Images(log)[c].rect, (pf::RECT{left + 21, 102, left + 34, 115}));
    EXPECT_EQ(Texts(log)[c].text, figures[c]);
    EXPECT_EQ(Texts(log)[c].rect, (pf::RECT{left, 115, left + 55, 146}));
    EXPECT_EQ(Texts(log)[c].format, kLine | pf::DT_CENTER);
  }

  PluginSettings().MarginRight = 13;  // inner width 217: columns of 54
  pf::DeleteObject(Item().Images.MemoryPhone);
  Item().Images.MemoryPhone = pf::BitmapHandle{};
  log = Render(DrawSysInfoBlock);
  ASSERT_EQ(Images(log).size(), 3u);
  EXPECT_EQ(Images(log)[2].rect.left, 10 + 3 * 54 + 20);
  EXPECT_EQ(TextCall(log, u"F:19Mb").rect, (pf::RECT{118, 2, 172, 46})) << "no image: at the top";
}

}  // namespace
}  // namespace ostrel::testing
