// State images named after the screen density, loaded only for shown blocks; and the blocks drawn to a picture with their icons keyed out.
#include <string>
#include <vector>

#include "platform/host/png_io.h"
#include "tests/render_support.h"

namespace ostrel::testing {
namespace {

// The host drawing service, noting every image file asked for.
class OpeningRecorder : public pf::host::HostDrawing {
 public:
  pf::BitmapHandle SHLoadImageFile(const char16_t* path) override {
    opened.push_back(pf::ToUtf8(path));
    return HostDrawing::SHLoadImageFile(path);
  }
  std::vector<std::string> opened;
};

class RenderStateImages : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    pf::SetDrawing(&recorder);
  }
  void TearDown() override {
    ReleaseStateImages(Item().Images);
    pf::SetDrawing(nullptr);
    RenderTest::TearDown();
  }
  // File names asked for since the last call, without the folder.
  std::vector<std::string> Opened() {
    std::vector<std::string> names;
    for (const std::string& path : recorder.opened) names.push_back(path.substr(path.rfind('/') + 1));
    recorder.opened.clear();
    return names;
  }
  static std::vector<pf::BitmapHandle> All() {
    const StateImages& i = Item().Images;
    return {i.Bt, i.Wifi, i.Alarm, i.Battery, i.MemoryRam, i.MemoryPhone, i.MemoryCard};
  }
  static int Width(pf::BitmapHandle image) {
    pf::BITMAP info;
    return pf::GetObjectW(image, sizeof(info), &info) != 0 ? info.bmWidth : 0;
  }
  static void SetVisible(std::int32_t kind, int visible) {
    PluginSettings().BlockTable[FindEntryOfKind(PluginSettings().BlockTable, kind)].Visible = visible;
  }
  OpeningRecorder recorder;
};

TEST_F(RenderStateImages, FilesCarryTheDensityUnmappedAndNothingFallsBack) {
  LoadStateImages(ImageFolder());
  EXPECT_EQ(Opened(), (std::vector<std::string>{"bt96.png", "wifi96.png", "alarm96.png",
                                                "battery96.png", "memory_ram96.png",
                                                "memory_phone96.png", "memory_card96.png"}));
  for (pf::BitmapHandle image : All()) EXPECT_EQ(Width(image), 13);

  pf::host::HostScreen().SetScreenDpi(192, 192);
  LoadStateImages(ImageFolder());  // the first load's images are given back (teardown counts)
  EXPECT_EQ(Opened()[0], "bt192.png");
  for (pf::BitmapHandle image : All()) EXPECT_EQ(Width(image), 26);

  pf::host::HostScreen().SetScreenDpi(131, 131);
  LoadStateImages(ImageFolder());
  EXPECT_EQ(Opened()[3], "battery131.png");
  for (pf::BitmapHandle image : All()) EXPECT_TRUE(pf::IsNull(image)) << "no 131-dpi files";
}

TEST_F(RenderStateImages, HiddenBlocksAndASwitchedOffAlarmOpenNoFiles) {
  SetVisible(Wireless, 0);
  PluginSettings().TimeSettings.ShowAlarm = 0;
  LoadStateImages(ImageFolder());
  EXPECT_EQ(Opened(), (std::vector<std::string>{"battery96.png", "memory_ram96.png",
                                                "memory_phone96.png", "memory_card96.png"}));
  EXPECT_TRUE(pf::IsNull(Item().Images.Bt));

  SetVisible(SysInfo, 0);
  SetVisible(Wireless, 1);
  PluginSettings().TimeSettings.ShowAlarm = 1;
  SetVisible(Time, 0);
  LoadStateImages(ImageFolder());
  EXPECT_EQ(Opened(), (std::vector<std::string>{"bt96.png", "wifi96.png"}));
  EXPECT_TRUE(pf::IsNull(Item().Images.Battery)) << "the earlier load's images are gone";
}

TEST_F(RenderStateImages, NamesThatDoNotFitAPathAreNotOpenedRatherThanCut) {
  const std::u16string folder = u"/" + std::u16string(249, u'a') + u"/";  // 251 units
  LoadStateImages(folder.c_str());
  ASSERT_EQ(recorder.opened.size(), 1u) << "only bt96.png fits in 259 units";
  EXPECT_EQ(recorder.opened[0].size(), 259u);
  Opened();
  LoadStateImages((u"a" + folder).c_str());  // bt96.png would make 260 units
  EXPECT_TRUE(Opened().empty());
}

class RenderItemPicture : public RenderTest {
 protected:
  void Today2026() {
    BuildCalendarGrid(Status());
    StatusState& s = Status();
    pf::CopyText(s.OperatorText, kOperatorTextCapacity, u"Телефон выключен");
    s.UnreadEmail = 3;
    s.UnreadSms = 2;
    s.MissedCalls = 1;
    s.BluetoothOn = s.WifiOn = 1;
    s.AlarmSet = 1;
    pf::CopyText(s.AlarmText, kAlarmTextCapacity, u"07:05");
    pf::CopyText(s.TimeText, kTimeTextCapacity, u"07:05");
    pf::CopyText(s.DateText1, kDateTextCapacity, u"6 декабря 2026 г.");
    pf::CopyText(s.DateText2, kDateTextCapacity, u"воскресенье");
    pf::CopyText(s.BatteryText, kBatteryTextCapacity, u"85%");
    pf::CopyText(s.RamText, kMemoryTextCapacity, u"45%");
    pf::CopyText(s.PhoneText, kMemoryTextCapacity, u"F:19Mb");
    const char16_t* names[7] = {u"пн", u"вт", u"ср", u"чт", u"пт", u"сб", u"вс"};
    for (int c = 0; c < 7; ++c) pf::CopyText(Item().DayNames[c], kDayNameCapacity, names[c]);
  }
};

// The five blocks stacked as the item shows them, written to a picture to look
// at; the icons' key color must not reach the surface.
TEST_F(RenderItemPicture, BlocksDrawTheirTextAndIconsWithTheKeyColorLeftOut) {
  LoadStateImages(ImageFolder());
  Today2026();
  const pf::COLORREF background = pf::RGB(0x20, 0x30, 0x48);
  pf::SurfaceHandle surface = Surface(240, 156, background);
  pf::SetBkMode(surface, pf::TRANSPARENT);  // as the item's paint leaves it for the renderers
  const BlockPaint paint = PaintOn(surface);
  DrawWirelessBlock(paint, 0, 0);
  DrawTimeBlock(paint, 0, 15);
  DrawDateBlock(paint, 0, 45);
  DrawCalendarBlock(paint, 0, 60);
  DrawSysInfoBlock(paint, 0, 108);
  const pf::host::RasterImage* picture = pf::host::SurfacePicture(surface);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(pf::host::WritePng(OSTREL_BINARY_DIR "/render_blocks.png", *picture));

  for (int y = 0; y < 156; ++y) {
    for (int x = 0; x < 240; ++x) {
      ASSERT_NE(pf::GetPixel(surface, x, y), pf::RGB(255, 0, 255)) << x << "," << y;
    }
  }
  const pf::RECT ink[] = {{217, 2, 230, 15},    // Bluetooth icon
                          {217, 17, 230, 30},   // alarm icon
                          {31, 110, 44, 123},   // battery icon
                          {10, 2, 100, 13}};    // operator text
  for (const pf::RECT& area : ink) {
    EXPECT_FALSE(pf::host::IsEmpty(Ink(surface, area, background)))
        << area.left << "," << area.top;
  }
}

}  // namespace
}  // namespace ostrel::testing
