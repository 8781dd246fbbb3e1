// Block pages through the user's taps: the OK/Cancel chain, font and color editors, choices, formats, numbers and toggles on the edited copy.
#include "platform/host/host_window.h"
#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

using Texts = std::vector<std::u16string>;

TEST_F(ConfigTest, AFontEditSurvivesOnlyThroughThePagesOk) {
  Start();
  OpenPage(u"Часы");
  EXPECT_EQ(View().OpenBlock, 1);
  EXPECT_EQ(U8(Title()), "Ostrel: Настройки - Часы");
  EXPECT_FALSE(Visible("TabStrip"));
  EXPECT_EQ(U8(Value("TimeList", 1)), "Tahoma 30 BC");
  Open("TimeList", 1);
  EXPECT_EQ(View().OpenEditor, 1);
  EXPECT_EQ(U8(Title()), "Ostrel: Настройки - Часы") << "an editor keeps the title";
  EXPECT_EQ(U8(Text("EditorCaption")), "Шрифт часов");
  EXPECT_EQ(U8(Text("FaceCombo")), "Tahoma");
  EXPECT_EQ(U8(Text("SizeEdit")), "30");
  Choose("FaceCombo", 1);
  Type("SizeEdit", u"12");
  Tick("BoldCheck", false);
  Ok();  // the editor closes: the page shows the edit
  EXPECT_EQ(U8(Value("TimeList", 1)), "Courier New 12 C");
  Cancel();  // the page closes: the edit is dropped
  EXPECT_EQ(View().OpenBlock, -1);
  EXPECT_TRUE(Visible("PagesList"));
  OpenPage(u"Часы");
  EXPECT_EQ(U8(Value("TimeList", 1)), "Tahoma 30 BC");

  Open("TimeList", 1);
  Choose("FaceCombo", 1);
  Ok();
  Ok();  // the page's OK keeps it
  EXPECT_TRUE(Visible("PagesList"));
  EXPECT_FALSE(SavedAnything());
  Ok();  // the final OK saves
  EXPECT_TRUE(Closed());
  EXPECT_EQ(U8(Str(u"Time", u"FontName1")), "Courier New");
  EXPECT_EQ(Int(u"Time", u"FontSize1"), 30);
  EXPECT_EQ(Int(u"Time", u"FontBold1"), 1);
  EXPECT_EQ(store().Broadcasts().size(), 1u);
}

TEST_F(ConfigTest, ColorChannelsClampAndTheRowShowsTheColorref) {
  Start();
  OpenPage(u"Календарь");
  Open("CalendarList", 3);  // "Цвет сегодня"
  EXPECT_EQ(View().OpenEditor, 2);
  EXPECT_EQ(U8(Text("GreenEdit")), "255");
  EXPECT_EQ(Rect("RedEdit").top, 55);
  EXPECT_EQ(Rect("ColourLabel").top, 57);
  EXPECT_FALSE(Visible("FaceCombo"));
  int repaints = pf::host::HostWindowService().InvalidateCount(main);
  pf::RECT swatch;
  pf::COLORREF color = 0;
  Type("RedEdit", u"300");
  Type("GreenEdit", u"0");
  ASSERT_TRUE(cfg::SwatchShown(&swatch, &color));
  EXPECT_EQ(color, 0x0000FFu) << "the swatch shows the clamped color";
  EXPECT_EQ(swatch, (pf::RECT{50, 55, 70, 75}));
  EXPECT_EQ(pf::host::HostWindowService().InvalidateCount(main), repaints + 2)
      << "each change of a channel repaints the swatch";
  Ok();
  EXPECT_EQ(U8(Value("CalendarList", 3)), "0x000000FF");
  Open("CalendarList", 6);  // "Цвет других дней": 0x808080
  EXPECT_EQ(U8(Text("BlueEdit")), "128");
  Type("RedEdit", u"");
  Type("GreenEdit", u"");
  Type("BlueEdit", u"");
  Ok();
  EXPECT_EQ(U8(Value("CalendarList", 6)), "0x00000000");
  Ok();
  Ok();
  EXPECT_EQ(Int(u"Calendar", u"ColorToday"), 0xFF);
  EXPECT_EQ(Int(u"Calendar", u"ColorOther"), 0);
}

TEST_F(ConfigTest, TheFontEditorMovesTheColorLineBelowItsChecks) {
  Start();
  OpenPage(u"Информация");
  Open("SysInfoList", 1);
  EXPECT_EQ(Rect("RedEdit").top, 105);
  EXPECT_EQ(Rect("ColourLabel").top, 107);
  EXPECT_EQ(Rect("RedEdit").left, 78) << "x stays";
  pf::RECT swatch;
  pf::COLORREF color = 0;
  ASSERT_TRUE(cfg::SwatchShown(&swatch, &color));
  EXPECT_EQ(swatch.top, 105);
  EXPECT_EQ(color, 0xFFFFFFu);
  Type("BlueEdit", u"7");
  cfg::SwatchShown(&swatch, &color);
  EXPECT_EQ(color, 0x07FFFFu);
  Cancel();
  EXPECT_FALSE(cfg::SwatchShown(&swatch, &color));
}

TEST_F(ConfigTest, TheColorLineIsPlacedFromItsDesignPositionsAt131Dpi) {
  pf::host::HostScreen().SetScreenDpi(131, 131);
  store().SetScreenSize(328, 437);
  Start();
  OpenPage(u"Информация");
  Open("SysInfoList", 1);
  EXPECT_EQ(Rect("RedEdit").top, 143);  // 105 * 131 / 96
  EXPECT_EQ(Rect("BlueSpin").top, 143);
  EXPECT_EQ(Rect("ColourLabel").top, 146) << "107 * 131 / 96, not 143 + 2";
  pf::RECT swatch;
  pf::COLORREF color = 0;
  ASSERT_TRUE(cfg::SwatchShown(&swatch, &color));
  EXPECT_EQ(swatch, (pf::RECT{68, 143, 95, 170}));
  Cancel();
  Cancel();
  OpenPage(u"Календарь");
  Open("CalendarList", 3);
  EXPECT_EQ(Rect("GreenEdit").top, 75);  // 55 * 131 / 96
  EXPECT_EQ(Rect("ColourLabel").top, 77);
}

TEST_F(ConfigTest, AFaceThatIsNotInstalledKeepsTheComboAsItWas) {
  SetText(u"Date", u"FontName1", u"Nowhere Sans");
  SetText(u"Date", u"FontName2", u"courier");
  Start();
  OpenPage(u"Дата");
  Open("DateList", 1);
  EXPECT_EQ(W("FaceCombo").comboSelection, -1) << "nothing was selected before";
  Ok();
  EXPECT_EQ(U8(Value("DateList", 1)), " 8 BC") << "an empty face";
  Cancel();  // drop the page: the stored face comes back
  OpenPage(u"Дата");
  Open("DateList", 2);
  EXPECT_EQ(U8(Text("FaceCombo")), "Courier New") << "case-insensitive prefix";
  Cancel();
  Open("DateList", 1);
  EXPECT_EQ(U8(Text("FaceCombo")), "Courier New") << "the entry selected before stays";
  Ok();
  Ok();
  Ok();
  EXPECT_EQ(U8(Str(u"Date", u"FontName1")), "Courier New");
}

TEST_F(ConfigTest, WithoutTheListOfFamiliesTheFontEditorKeepsTheStoredFace) {
  SetText(u"Date", u"FontName1", u"Courier New");
  pf::host::HostFontFamilyList().SetFaces({});  // the enumeration gives nothing
  Start();
  OpenPage(u"Дата");
  Open("DateList", 1);
  EXPECT_TRUE(W("FaceCombo").entries.empty());
  Type("SizeEdit", u"9");
  Ok();
  EXPECT_EQ(U8(Value("DateList", 1)), "Courier New 9 BC") << "the face stays, the size typed is taken";

  pf::host::HostFontFamilyList().SetFaces(pf::host::HostFontFamilies::DefaultFaces());
  Open("DateList", 1);
  EXPECT_EQ(W("FaceCombo").entries.size(), pf::host::HostFontFamilies::DefaultFaces().size())
      << "listed again when an editor needs it";
  EXPECT_EQ(U8(Text("FaceCombo")), "Courier New");
  Choose("FaceCombo", 0);
  Ok();
  Ok();
  Ok();
  EXPECT_EQ(U8(Str(u"Date", u"FontName1")), "Tahoma");
  EXPECT_EQ(Int(u"Date", u"FontSize1"), 9);
}

TEST_F(ConfigTest, WeekdayFontSizeMayBeZero) {
  Start();
  OpenPage(u"Календарь");
  Open("CalendarList", 2);
  EXPECT_EQ(W("SizeSpin").low, 0);
  EXPECT_EQ(W("SizeSpin").high, 100);
  Cancel();
  Open("CalendarList", 1);
  EXPECT_EQ(W("SizeSpin").low, 1);
}

TEST_F(ConfigTest, TimeFormatOutsideTheListLeavesItsRowAndTheHelpShows) {
  SetInt(u"Time", u"TimeFormat", 7);
  Start();
  OpenPage(u"Часы");
  EXPECT_EQ(U8(Value("TimeList", 2)), "");
  EXPECT_EQ(U8(Value("TimeList", 0)), "30");
  EXPECT_EQ(U8(Value("TimeList", 6)), "нет");
  EXPECT_EQ(U8(Value("TimeList", 7)), "clock.exe");
  Open("TimeList", 2);
  EXPECT_EQ(W("ChoiceCombo").entries, (Texts{u"H:mm", u"h:mm", u"HH:mm", u"hh:mm"}));
  EXPECT_EQ(U8(Text("HelpLabel")),
            "H\t Часы (0-24)\nh\t Часы (0-12)\nHH\t Часы (00-24)\nhh\t Часы (00-12)\nmm\t Минуты (00-59)\n");
  Choose("ChoiceCombo", 3);
  Ok();
  EXPECT_EQ(U8(Value("TimeList", 2)), "hh:mm");
  Open("TimeList", 6);
  EXPECT_EQ(U8(Text("HelpLabel")), "") << "other choices have no help";
}

TEST_F(ConfigTest, DateFormatsAreTakenAsTypedUpToTheirCapacity) {
  Start();
  OpenPage(u"Дата");
  EXPECT_EQ(U8(Value("DateList", 4)), "dddd");
  Open("DateList", 4);
  EXPECT_EQ(View().OpenEditor, 3);
  EXPECT_EQ(U8(Text("FormatEdit")), "dddd");
  std::string help = U8(Text("HelpLabel"));
  EXPECT_EQ(help.rfind("если пусто - системный формат\nd\t День (0-31)\n", 0), 0u);
  EXPECT_NE(help.find("MMMM\t Месяц (январь-декабрь)\n"), std::string::npos);
  EXPECT_EQ(help.substr(help.size() - std::string("yyyy\t Год (четыре знака)").size()), "yyyy\t Год (четыре знака)");
  Type("FormatEdit", std::u16string(150, u'd'));
  Ok();
  EXPECT_EQ(Value("DateList", 4), std::u16string(99, u'd'));
  Ok();
  Ok();
  EXPECT_EQ(Str(u"Date", u"Format2"), std::u16string(99, u'd'));
}

TEST_F(ConfigTest, HeightsTakeTypedNumbersOutsideTheSpinRange) {
  Start();
  OpenPage(u"Беспр. связь");
  Open("WirelessList", 0);
  EXPECT_EQ(W("LeftSpin").low, -1);
  EXPECT_EQ(W("LeftSpin").high, 1000);
  Type("LeftEdit", u"5000");
  Ok();
  EXPECT_EQ(U8(Value("WirelessList", 0)), "5000");
  Open("WirelessList", 0);
  store().UserSpin(H("LeftSpin"), -6000);
  EXPECT_EQ(U8(Text("LeftEdit")), "-1") << "the arrows reach automatic height";
  Cancel();
  Ok();
  Ok();
  EXPECT_EQ(Int(u"Wireless", u"Height"), 5000);
}

TEST_F(ConfigTest, BlockToggleFlipsTheCopyAndCancelDropsIt) {
  Start();
  OpenPage(u"Беспр. связь");
  Open("WirelessList", 4);  // "Звонки"
  EXPECT_EQ(View().OpenEditor, -1);
  EXPECT_EQ(U8(Value("WirelessList", 4)), "нет");
  Cancel();
  OpenPage(u"Беспр. связь");
  EXPECT_EQ(U8(Value("WirelessList", 4)), "да");
  Open("WirelessList", 5);
  Ok();
  Ok();
  EXPECT_EQ(Int(u"Wireless", u"ShowSMS"), 0);
  EXPECT_EQ(Int(u"Wireless", u"ShowCalls"), 1);
}

TEST_F(ConfigTest, MemoryRowsStartAsPercentAndShowTheirListTexts) {
  SetInt(u"SysInfo", u"PhoneType", 2);
  SetInt(u"SysInfo", u"CardType", 9);
  Start();
  Tab(1);
  EXPECT_EQ(U8(Rows("SysInfoList")[2].value), "%");
  OpenPage(u"Информация");
  EXPECT_EQ(U8(Value("SysInfoList", 2)), "%");
  EXPECT_EQ(U8(Value("SysInfoList", 3)), "свободно");
  EXPECT_EQ(U8(Value("SysInfoList", 4)), "%") << "a stored 9 keeps the row's text";
  Open("SysInfoList", 3);
  EXPECT_EQ(W("ChoiceCombo").entries, (Texts{u"% (занято)", u"занято", u"свободно"}));
  Choose("ChoiceCombo", 1);
  Ok();
  EXPECT_EQ(U8(Value("SysInfoList", 3)), "занято");
}

}  // namespace
}  // namespace ostrel::testing
