// The General and Pages tabs through the user's taps: toggles, numbers, margins, the tap type, block order and visibility, and the final save.
#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

using Texts = std::vector<std::u16string>;

TEST_F(ConfigTest, EnabledToggleFlipsInPlaceAndTwiceReturns) {
  Start();
  Open("GeneralList", 0);
  EXPECT_EQ(View().OpenEditor, -1) << "a toggle opens no editor";
  EXPECT_EQ(U8(Value("GeneralList", 0)), "да");
  EXPECT_TRUE(Visible("GeneralList"));
  ASSERT_TRUE(Press("EditButton"));
  EXPECT_EQ(U8(Value("GeneralList", 0)), "нет");
  ASSERT_TRUE(DoubleTap("GeneralList", 0));
  EXPECT_EQ(U8(Value("GeneralList", 0)), "да");
  Ok();
  EXPECT_EQ(EnabledValue(), 1);
}

TEST_F(ConfigTest, CancelOnTheGeneralTabEndsWithoutSavingAnything) {
  Start();
  Open("GeneralList", 0);
  Open("GeneralList", 1);
  Type("LeftEdit", u"5");
  Ok();  // applied to the settings in memory only
  EXPECT_EQ(U8(Value("GeneralList", 1)), "5");
  ASSERT_TRUE(Cancel());
  EXPECT_TRUE(Closed());
  EXPECT_FALSE(SavedAnything());
  EXPECT_TRUE(store().Broadcasts().empty());
}

TEST_F(ConfigTest, FixedPagesSpinStaysInItsRangeButATypedNumberIsTakenAsTyped) {
  Start();
  Open("GeneralList", 1);
  EXPECT_EQ(View().OpenEditor, 5);
  EXPECT_EQ(U8(Text("EditorCaption")), "Фикс. страниц");
  EXPECT_TRUE(Visible("LeftEdit"));
  EXPECT_FALSE(Visible("LeftLabel")) << "the number line has no label";
  EXPECT_EQ(U8(Text("LeftEdit")), "3");
  for (int i = 0; i < 5; ++i) store().UserSpin(H("LeftSpin"), 1);
  EXPECT_EQ(U8(Text("LeftEdit")), "6");
  for (int i = 0; i < 9; ++i) store().UserSpin(H("LeftSpin"), -1);
  EXPECT_EQ(U8(Text("LeftEdit")), "0");
  Type("LeftEdit", u"9");
  Ok();
  EXPECT_EQ(View().OpenEditor, -1);
  EXPECT_EQ(U8(Value("GeneralList", 1)), "9");
  Ok();
  EXPECT_EQ(Int(u"", u"FixedPageCount"), 9);
}

TEST_F(ConfigTest, MarginsShowCommasAndEmptyEditsSaveZeros) {
  SetInt(u"", u"MarginLeft", 4);
  SetInt(u"", u"MarginBottom", 7);
  Start();
  EXPECT_EQ(U8(Value("GeneralList", 2)), "4,2,10,7");
  Open("GeneralList", 2);
  EXPECT_EQ(U8(Text("TopEdit")), "2");
  EXPECT_TRUE(Visible("BottomLabel"));
  for (const char* edit : {"LeftEdit", "TopEdit", "RightEdit", "BottomEdit"}) Type(edit, u"");
  Ok();
  EXPECT_EQ(U8(Value("GeneralList", 2)), "0,0,0,0");
  Open("GeneralList", 2);
  Type("RightEdit", u"12a3");  // the number edit drops what is not a digit
  Ok();
  EXPECT_EQ(U8(Value("GeneralList", 2)), "0,0,123,0");
  Ok();
  EXPECT_EQ(Int(u"", u"MarginLeft"), 0);
  EXPECT_EQ(Int(u"", u"MarginRight"), 123);
}

TEST_F(ConfigTest, AStoredTapTypeOutsideTheListShowsEmptyAndOkStoresMinusOne) {
  SetInt(u"", u"TapType", 5);
  Start();
  EXPECT_EQ(U8(Value("GeneralList", 3)), "");
  Open("GeneralList", 3);
  EXPECT_EQ(View().OpenEditor, 4);
  EXPECT_EQ(W("ChoiceCombo").entries, (Texts{u"нет", u"тап", u"двойной тап"}));
  EXPECT_EQ(W("ChoiceCombo").comboSelection, -1);
  EXPECT_EQ(U8(Text("HelpLabel")), "");
  Ok();
  EXPECT_EQ(U8(Value("GeneralList", 3)), "");
  Open("GeneralList", 3);
  Choose("ChoiceCombo", 2);
  Cancel();
  EXPECT_EQ(U8(Value("GeneralList", 3)), "") << "Cancel drops the choice";
  Ok();
  EXPECT_EQ(Int(u"", u"TapType"), -1);
}

TEST_F(ConfigTest, WhenEveryBlockIsStoredHiddenTheLastRowOpensChecked) {
  for (const char16_t* block : {u"Wireless", u"Time", u"Date", u"Calendar", u"Launcher", u"SysInfo"}) {
    SetInt(block, u"Visible", 0);
  }
  Start();
  Tab(1);
  std::vector<ShownRow> rows = Rows("PagesList");
  ASSERT_EQ(rows.size(), 6u);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(rows[i].checked) << i;
  EXPECT_TRUE(rows[5].checked);
}

TEST_F(ConfigTest, UncheckingTheLastCheckedBlockRechecksIt) {
  for (const char16_t* block : {u"Wireless", u"Time", u"Date", u"Calendar", u"Launcher"}) {
    SetInt(block, u"Visible", 0);
  }
  Start();
  Tab(1);
  ASSERT_TRUE(Check("PagesList", 5, false));
  EXPECT_TRUE(Rows("PagesList")[5].checked);
  ASSERT_TRUE(Check("PagesList", 2, true));
  ASSERT_TRUE(Check("PagesList", 5, false));
  EXPECT_FALSE(Rows("PagesList")[5].checked) << "another block is still shown";
}

TEST_F(ConfigTest, MovingTheTopBlockDownAndBackUpRestoresTheList) {
  SetInt(u"Time", u"Visible", 0);
  Start();
  Tab(1);
  std::vector<ShownRow> before = Rows("PagesList");
  Select("PagesList", 0);
  EXPECT_FALSE(Enabled("UpButton"));
  EXPECT_TRUE(Enabled("DownButton"));
  ASSERT_TRUE(Press("DownButton"));
  std::vector<ShownRow> moved = Rows("PagesList");
  EXPECT_EQ(U8(moved[0].caption), "Часы");
  EXPECT_EQ(moved[0].kind, 2);
  EXPECT_FALSE(moved[0].checked);
  EXPECT_EQ(U8(moved[1].caption), "Беспр. связь");
  EXPECT_TRUE(moved[1].checked);
  EXPECT_TRUE(moved[1].selected);
  EXPECT_TRUE(Enabled("UpButton"));
  ASSERT_TRUE(Press("UpButton"));
  std::vector<ShownRow> after = Rows("PagesList");
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(after[i].caption, before[i].caption) << i;
    EXPECT_EQ(after[i].kind, before[i].kind) << i;
    EXPECT_EQ(after[i].checked, before[i].checked) << i;
  }
  EXPECT_TRUE(after[0].selected);
  Select("PagesList", 5);
  EXPECT_FALSE(Enabled("DownButton"));
  EXPECT_TRUE(Enabled("UpButton"));
}

TEST_F(ConfigTest, OkSavesOrderAsListPositionAndVisibleFromTheCheck) {
  SetInt(u"SysInfo", u"Order", -3);  // loads first
  Start();
  Tab(1);
  EXPECT_EQ(U8(Captions("PagesList")[0]), "Информация");
  Select("PagesList", 3);  // Date
  Press("UpButton");
  Check("PagesList", 4, false);  // Calendar
  Tab(0);  // leaving the tab keeps the pending order
  Ok();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(Int(u"SysInfo", u"Order"), 0);
  EXPECT_EQ(Int(u"Wireless", u"Order"), 1);
  EXPECT_EQ(Int(u"Date", u"Order"), 2);
  EXPECT_EQ(Int(u"Time", u"Order"), 3);
  EXPECT_EQ(Int(u"Calendar", u"Order"), 4);
  EXPECT_EQ(Int(u"Calendar", u"Visible"), 0);
  EXPECT_EQ(Int(u"Launcher", u"Order"), 5);
  EXPECT_EQ(Int(u"Launcher", u"Visible"), 1);
  ASSERT_EQ(store().Broadcasts().size(), 1u);
  EXPECT_EQ(store().Broadcasts()[0].wParam, 0xF2u);
}

TEST_F(ConfigTest, OkOnTheAboutTabSavesLikeTheGeneralTab) {
  Start();
  Open("GeneralList", 0);
  Tab(2);
  Ok();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(EnabledValue(), 1);
  EXPECT_EQ(Int(u"Time", u"Order"), 1);
  EXPECT_EQ(store().Broadcasts().size(), 1u);
}

}  // namespace
}  // namespace ostrel::testing
