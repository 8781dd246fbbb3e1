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

// A message box of the process: a dialog window it shows; null after timeoutMs.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  do {
    for (HWND w = ::FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w != nullptr;
         w = ::FindWindowExW(nullptr, w, L"#32770", nullptr)) {
      DWORD owner = 0;
      ::GetWindowThreadProcessId(w, &owner);
      if (owner == processId && ::IsWindowVisible(w)) return w;
    }
    ::Sleep(50);
  } while (::GetTickCount() - start < timeoutMs);
  return nullptr;
}

// Every text the box's static controls show, one after the other.
std::wstring BoxTexts(HWND box) {
  std::wstring texts;
  for (HWND c = ::FindWindowExW(box, nullptr, L"Static", nullptr); c != nullptr;
       c = ::FindWindowExW(box, c, L"Static", nullptr)) {
    texts += SettingsWindow::TextOf(c) + L"\n";
  }
  return texts;
}

// A settings key the platform keeps in memory only: it refuses to create a
// lasting block key beneath it, so every block key of the save fails.
bool MakeSettingsKeyVolatile() {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  ::RegCloseKey(key);
  HKEY child = nullptr;
  const LONG refused = ::RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kSettingsKey) + L"\\Time").c_str(), 0,
                                         nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr);
  if (refused == ERROR_SUCCESS) ::RegCloseKey(child);
  return refused != ERROR_SUCCESS;
}

TEST_F(Saving, AFailedSaveShowsItsMessageBoxKeepsTheProgramOpenAndOkSavesAgain) {
  ASSERT_TRUE(MakeSettingsKeyVolatile()) << "the platform lets a lasting key live under a volatile one";
  Process process;
  auto window = Launch(process);
  ASSERT_TRUE(window);
  SettingsWindow& w = *window;
  BroadcastListener listener;
  Open(w, GeneralList, L"Фикс. страниц");
  w.Type(LeftEdit, L"2");
  w.Ok();

  // The save's box is modal: the click is posted, and the box closed by the test.
  ::PostMessageW(::GetDlgItem(w.Bar(), cfg::kCommandOk), BM_CLICK, 0, 0);
  HWND box = WaitForMessageBox(process.Id(), 15000);
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_NE(BoxTexts(box).find(L"Не удалось сохранить настройки."), std::wstring::npos) << Utf8(BoxTexts(box));
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(process.Wait(2000), -1) << "the program stays open";
  EXPECT_TRUE(w.Visible(GeneralList));
  EXPECT_EQ(Utf8(w.RowText(GeneralList, 1, 1)), "2") << "with the user's edits";
  listener.Pump(500);
  EXPECT_TRUE(listener.SettingChanges().empty()) << "no broadcast after a failed save";

  DeleteSettingsAndItem();
  w.Ok();
  EXPECT_EQ(process.Wait(10000), 0) << "OK saves again and ends the program";
  listener.Pump(500);
  EXPECT_EQ(listener.SettingChanges().size(), 1u);
  DWORD number = 0;
  EXPECT_TRUE(ReadNumber(L"", L"FixedPageCount", &number) && number == 2);
  EXPECT_TRUE(ReadNumber(L"Time", L"Visible", &number) && number == 1);
}

}  // namespace
}  // namespace ostrel::cfgtest
