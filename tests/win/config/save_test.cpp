// OK and Cancel through the layers of the real program: an editor's Cancel, a block page's Cancel, and OK, OK, OK saving into the registry with the broadcast that makes the Today shell reload.
#include "tests/win/config/cfg_win_support.h"

namespace ostrel::cfgtest {
namespace {

using namespace ostrel::cfg;

using Saving = ProgramTest;

TEST_F(Saving, ABlockEditSurvivesOkOkOkIntoTheRegistryWhileEachCancelDropsItsOwnLayer) {
  Process process;
  auto window = Launch(process);
  ASSERT_TRUE(window);
  SettingsWindow& w = *window;
  BroadcastListener listener;

  // General: a number typed into its editor reaches the row on OK.
  Open(w, GeneralList, L"Фикс. страниц");
  ASSERT_TRUE(w.Visible(LeftEdit));
  w.Type(LeftEdit, L"2");
  w.Ok();
  EXPECT_TRUE(w.Visible(GeneralList));
  EXPECT_EQ(Utf8(w.RowText(GeneralList, 1, 1)), "2");

  w.TapTab(1);
  Open(w, PagesList, L"Часы");
  const int fontRow = w.RowOf(TimeList, L"Шрифт часов");
  EXPECT_EQ(Utf8(w.RowText(TimeList, fontRow, 1)), "Tahoma 30 BC");

  // Cancel in the editor drops what was typed there.
  Open(w, TimeList, L"Шрифт часов");
  w.Type(SizeEdit, L"12");
  w.Cancel();
  EXPECT_TRUE(w.Visible(TimeList));
  EXPECT_EQ(Utf8(w.RowText(TimeList, fontRow, 1)), "Tahoma 30 BC");

  // Cancel on the page drops what its editors applied.
  Open(w, TimeList, L"Шрифт часов");
  w.Type(SizeEdit, L"12");
  w.Ok();
  EXPECT_EQ(Utf8(w.RowText(TimeList, fontRow, 1)), "Tahoma 12 BC");
  w.Cancel();
  EXPECT_TRUE(w.Visible(PagesList));
  Open(w, PagesList, L"Часы");
  EXPECT_EQ(Utf8(w.RowText(TimeList, fontRow, 1)), "Tahoma 30 BC");

  // OK, OK, OK keeps it.
  Open(w, TimeList, L"Шрифт часов");
  w.Type(SizeEdit, L"12");
  w.Type(RedEdit, L"255");
  w.Type(GreenEdit, L"0");
  w.Type(BlueEdit, L"0");
  w.Click(BoldCheck);
  w.Ok();
  EXPECT_EQ(Utf8(w.RowText(TimeList, fontRow, 1)), "Tahoma 12 C");
  w.Ok();
  ASSERT_TRUE(w.Visible(PagesList));
  const int dateRow = w.RowOf(PagesList, L"Дата");
  w.Check(PagesList, dateRow, false);
  EXPECT_FALSE(w.Checked(PagesList, dateRow));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "nothing is saved before the last OK";
  EXPECT_TRUE(listener.SettingChanges().empty());

  w.Ok();
  EXPECT_EQ(process.Wait(10000), 0) << "the last OK saves and ends the program";
  listener.Pump(500);
  ASSERT_EQ(listener.SettingChanges().size(), 1u) << "one broadcast";
  EXPECT_EQ(listener.SettingChanges()[0].first, 0xF2u);
  EXPECT_EQ(listener.SettingChanges()[0].second, 0);

  DWORD number = 0;
  std::wstring text;
  EXPECT_TRUE(ReadText(L"Time", L"FontName1", &text) && text == L"Tahoma");
  EXPECT_TRUE(ReadNumber(L"Time", L"FontSize1", &number) && number == 12);
  EXPECT_TRUE(ReadNumber(L"Time", L"FontBold1", &number) && number == 0);
  EXPECT_TRUE(ReadNumber(L"Time", L"FontColor1", &number) && number == 0x0000FF);
  EXPECT_TRUE(ReadNumber(L"Time", L"ClearType1", &number) && number == 1);
  EXPECT_TRUE(ReadNumber(L"", L"FixedPageCount", &number) && number == 2);
  EXPECT_TRUE(ReadNumber(L"Date", L"Visible", &number) && number == 0);
  EXPECT_TRUE(ReadNumber(L"Date", L"Order", &number) && number == static_cast<DWORD>(dateRow))
      << "the order is the list position";
  EXPECT_TRUE(ReadNumber(L"Time", L"Visible", &number) && number == 1);
}

}  // namespace
}  // namespace ostrel::cfgtest
