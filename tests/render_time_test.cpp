// The Time block on the recording surface: the clock box for each date placement, the date lines, the alarm icon and time.
#include <algorithm>
#include <string>

#include "tests/render_support.h"

namespace ostrel::testing {
namespace {

constexpr std::uint32_t kClockFlags = pf::DT_SINGLELINE | pf::DT_RIGHT | pf::DT_VCENTER | pf::DT_NOCLIP;
const std::u16string kLine1 = u"6 декабря 2026 г.";
const std::u16string kLine2 = u"воскресенье";

class RenderTime : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    SetPixelHeight(Time, 70);  // band 10, 2 .. 230, 68
    PluginSettings().DateSettings.Font2.Size = 12;  // line 2 taller than line 1
    PluginSettings().DateSettings.Font1.Color = pf::RGB(1, 2, 3);
    PluginSettings().DateSettings.Font2.Color = pf::RGB(4, 5, 6);
    PluginSettings().TimeSettings.Font1.Color = pf::RGB(7, 8, 9);
    PluginSettings().TimeSettings.Font2.Color = pf::RGB(10, 11, 12);
    pf::CopyText(Status().TimeText, kTimeTextCapacity, u"7:05");
    pf::CopyText(Status().DateText1, kDateTextCapacity, kLine1.c_str());
    pf::CopyText(Status().DateText2, kDateTextCapacity, kLine2.c_str());
  }
  void SetAlarm(int set, const std::u16string& text) {
    Status().AlarmSet = set;
    pf::CopyText(Status().AlarmText, kAlarmTextCapacity, text.c_str());
  }
  Log RenderMode(int mode) {
    PluginSettings().TimeSettings.ShowDate = mode;
    return Render(DrawTimeBlock);
  }
};

// Band 10, 2 .. 230, 68. In Tahoma at 96 dpi "00:00" is 114 pixels wide at
// 30 pt bold; date line 1 (8 pt bold) is 87 x 12, line 2 (12 pt bold) 108 x 19.
TEST_F(RenderTime, ClockBoxAndDateLinesFollowEachDatePlacement) {
  struct Case {
    int mode;
    pf::RECT clock;
    int top1, top2;
    std::uint32_t align1, align2;
  };
  const Case cases[] = {
      {0, {63, 2, 177, 68}, -1, -1, 0, 0},  // centred: 10 + (220 - 114) / 2
      {1, {117, 2, 231, 68}, 2, 14, pf::DT_LEFT, pf::DT_LEFT},  // after the dates: 10 + 108 + (220 - 108 - 114) / 2
      {2, {63, 21, 177, 68}, 2, 2, pf::DT_LEFT, pf::DT_RIGHT},  // under the taller line
      {3, {9, 2, 123, 68}, 2, 14, pf::DT_RIGHT, pf::DT_RIGHT},  // before the dates
      {4, {63, 2, 177, 49}, 56, 49, pf::DT_LEFT, pf::DT_RIGHT},  // lines on the band's bottom
      {9, {63, 2, 177, 68}, -1, -1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    const Log log = RenderMode(c.mode);
    const DrawRecord clock = TextCall(log, u"7:05");
    EXPECT_EQ(clock.rect, c.clock);
    EXPECT_EQ(clock.format, kClockFlags);
    EXPECT_EQ(clock.fontHeight, -40);
    EXPECT_EQ(clock.fontWeight, 700);
    EXPECT_EQ(clock.color, pf::RGB(7, 8, 9));
    if (c.top1 < 0) {
      EXPECT_EQ(Texts(log).size(), 1u) << "date lines are measured but not drawn";
      continue;
    }
    const DrawRecord line1 = TextCall(log, kLine1);
    const DrawRecord line2 = TextCall(log, kLine2);
    EXPECT_EQ(line1.rect.top, c.top1);
    EXPECT_EQ(line2.rect.top, c.top2);
    EXPECT_EQ(line1.format, kLine | c.align1);
    EXPECT_EQ(line2.format, kLine | c.align2);
    EXPECT_EQ(line1.rect.left, 10);
    EXPECT_EQ(line2.rect.right, 230);
    EXPECT_EQ(line1.color, pf::RGB(1, 2, 3));
    EXPECT_EQ(line2.color, pf::RGB(4, 5, 6));
    EXPECT_EQ(line2.fontHeight, -16);
    EXPECT_EQ(Texts(log).back().text, u"7:05") << "dates first, then the clock";
  }
}

TEST_F(RenderTime, SecondsWidenTheBoxAndTheBandFollowsTheSlide) {
  PluginSettings().TimeSettings.ShowSeconds = 1;
  const DrawRecord clock = TextCall(Render(DrawTimeBlock, -100, 15), u"7:05");
  // "00:00:00" is 178 pixels wide: 10 - 100 + (220 - 178) / 2.
  EXPECT_EQ(clock.rect, (pf::RECT{-69, 17, 109, 83}));
}

TEST_F(RenderTime, AlarmIconSitsLeftOnlyWhenTheDatesAreRightAndBelowTheDatesWhenOnTop) {
  LoadStateImages(ImageFolder());
  SetAlarm(1, u"07:05");
  const int dH = 19;  // the taller date line
  struct Case {
    int mode;
    int x, y;
    std::uint32_t align;
  };
  for (const Case& c : {Case{0, 217, 2, pf::DT_RIGHT}, Case{1, 217, 2, pf::DT_RIGHT},
                        Case{2, 217, 2 + dH, pf::DT_RIGHT}, Case{3, 10, 2, pf::DT_LEFT},
                        Case{4, 217, 2, pf::DT_RIGHT}}) {
    SCOPED_TRACE(c.mode);
    const Log log = RenderMode(c.mode);
    ASSERT_EQ(Images(log).size(), 1u);
    const DrawRecord icon = Images(log)[0];
    EXPECT_EQ(icon.imageName, "alarm96.png");
    EXPECT_EQ(icon.rect, (pf::RECT{c.x, c.y, c.x + 13, c.y + 13}));
    EXPECT_EQ(icon.color, pf::RGB(255, 0, 255)) << "keyed on the top-left pixel";
    const DrawRecord text = TextCall(log, u"07:05");
    EXPECT_EQ(text.rect.top, c.y + 13);
    EXPECT_EQ(text.format, kLine | c.align);
    EXPECT_EQ(c.align == pf::DT_LEFT ? text.rect.left : text.rect.right, c.align == pf::DT_LEFT ? 10 : 230);
    EXPECT_EQ(text.fontHeight, -9);
    EXPECT_EQ(text.color, pf::RGB(10, 11, 12));
  }
}

TEST_F(RenderTime, AlarmNeedsTheSwitchASetAlarmAndTheImageAndItsTimeIsOptional) {
  LoadStateImages(ImageFolder());
  SetAlarm(0, u"07:05");
  Log log = Render(DrawTimeBlock);
  EXPECT_TRUE(Images(log).empty());
  EXPECT_FALSE(Drew(log, u"07:05"));

  SetAlarm(1, u"");
  log = Render(DrawTimeBlock);
  EXPECT_EQ(Images(log).size(), 1u);
  EXPECT_EQ(Texts(log).size(), 1u) << "the icon alone, no empty alarm time";

  SetAlarm(1, u"07:05");
  PluginSettings().TimeSettings.ShowAlarm = 0;
  log = Render(DrawTimeBlock);
  EXPECT_TRUE(Images(log).empty());
  EXPECT_FALSE(Drew(log, u"07:05"));

  PluginSettings().TimeSettings.ShowAlarm = 1;
  ReleaseStateImages(Item().Images);
  log = Render(DrawTimeBlock);
  EXPECT_TRUE(Images(log).empty());
  EXPECT_FALSE(Drew(log, u"07:05")) << "no image, no alarm time";
}

}  // namespace
}  // namespace ostrel::testing
