// The settings program's first view and its soft-key bar on real controls, the single-instance rule, and Cancel on a tab ending it without saving.
#include "tests/win/config/cfg_win_support.h"

#include <algorithm>
#include <memory>

namespace ostrel::cfgtest {
namespace {

using namespace ostrel::cfg;

using FirstView = ProgramTest;

TEST_F(FirstView, ShowsTheGeneralListTabsButtonsTitleAndSoftKeysAtTheScreensDensity) {
  Process process;
  auto window = Launch(process);
  ASSERT_TRUE(window);
  SettingsWindow& w = *window;

  EXPECT_EQ(Utf8(w.Text(TitleLabel)), "Ostrel: Настройки");
  ASSERT_EQ(w.RowCount(GeneralList), 4);
  const char* captions[] = {"Включить плагин", "Фикс. страниц", "Отступы", "Запуск со страниц"};
  for (int row = 0; row < 4; ++row) EXPECT_EQ(Utf8(w.RowText(GeneralList, row, 0)), captions[row]);
  // Defaults: the item is off until installed, two fixed blocks, margins scaled.
  EXPECT_EQ(Utf8(w.RowText(GeneralList, 0, 1)), "нет");
  EXPECT_EQ(Utf8(w.RowText(GeneralList, 3, 1)), "тап");
  EXPECT_FALSE(w.RowText(GeneralList, 1, 1).empty());
  const std::wstring margins = w.RowText(GeneralList, 2, 1);
  EXPECT_EQ(std::count(margins.begin(), margins.end(), L','), 3) << Utf8(margins);

  ASSERT_EQ(w.TabCount(), 3);
  EXPECT_EQ(Utf8(w.TabText(0)), "Общие");
  EXPECT_EQ(Utf8(w.TabText(1)), "Страницы");
  EXPECT_EQ(Utf8(w.TabText(2)), "О программе");
  EXPECT_EQ(w.CurrentTab(), 0);

  RECT client{};
  ::GetClientRect(w.Main(), &client);
  const RECT strip = w.Place(TabStrip);
  EXPECT_EQ(strip.bottom, client.bottom) << "the tab strip sits at the bottom";
  EXPECT_EQ(strip.left, -S(2));
  EXPECT_EQ(strip.right, client.right);
  const RECT list = w.Place(GeneralList);
  EXPECT_EQ(list.left, S(8));
  EXPECT_EQ(list.top, S(55));
  // After the first resize the list reaches Y(25) above the bottom, which
  // the desktop's taller tab row covers in part.
  EXPECT_EQ(list.bottom, client.bottom - S(80) + S(55));

  for (Control button : {AddButton, EditButton, RemoveButton, UpButton, DownButton}) {
    EXPECT_TRUE(w.Visible(button)) << button;
    EXPECT_FALSE(w.Enabled(button)) << button << " with no row selected";
    EXPECT_EQ(w.Place(button).top, S(30));
    EXPECT_EQ(w.Place(button).bottom - w.Place(button).top, S(20));
  }
  EXPECT_EQ(Utf8(w.Text(UpButton)), "Вверх");
  EXPECT_EQ(Utf8(w.Text(DownButton)), "Вниз");
  EXPECT_EQ(Utf8(w.Text(RemoveButton)), "–");
  for (Control hidden : {PagesList, TimeList, FaceCombo, FileList, AboutIcon, EditorCaption}) {
    EXPECT_FALSE(w.Visible(hidden)) << hidden;
  }
  w.Select(GeneralList, 1);
  EXPECT_TRUE(w.Enabled(EditButton)) << "a selected row enables its edit button";
  EXPECT_FALSE(w.Enabled(UpButton));

  // The soft keys lie under the window, as wide as it, which gave up their height.
  HWND bar = w.Bar();
  ASSERT_NE(bar, nullptr) << "no soft-key bar";
  RECT frame{};
  RECT barFrame{};
  ::GetWindowRect(w.Main(), &frame);
  ::GetWindowRect(bar, &barFrame);
  EXPECT_EQ(barFrame.top, frame.bottom);
  EXPECT_EQ(barFrame.left, frame.left);
  EXPECT_EQ(barFrame.right, frame.right);
  EXPECT_EQ(frame.bottom - frame.top + barFrame.bottom - barFrame.top, DeviceHeight())
      << "the window and its bar fill the device screen";
  EXPECT_EQ(Utf8(SettingsWindow::TextOf(::GetDlgItem(bar, kCommandOk))), "OK");
  EXPECT_EQ(Utf8(SettingsWindow::TextOf(::GetDlgItem(bar, kCommandCancel))), "Отмена");

  HWND sip = ::FindWindowExW(w.Main(), nullptr, L"SIPPREF", nullptr);
  EXPECT_NE(sip, nullptr) << "the input panel's helper control is there";
  EXPECT_FALSE(::IsWindowVisible(sip));

  // The input panel opening shrinks the window: the lists follow, where they are.
  ::SetWindowPos(w.Main(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top - S(80),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT smaller{};
  ::GetClientRect(w.Main(), &smaller);
  EXPECT_EQ(smaller.bottom, client.bottom - S(80));
  EXPECT_EQ(w.Place(GeneralList).top, list.top);
  EXPECT_EQ(w.Place(GeneralList).bottom, smaller.bottom - S(80) + S(55));
  EXPECT_EQ(w.Place(TabStrip).bottom, smaller.bottom);
  EXPECT_EQ(w.Place(DownButton).left, w.Place(UpButton).right + S(2)) << "the buttons stay";

  w.Cancel();
  EXPECT_EQ(process.Wait(10000), 0);
}

// Another window of the desktop, in front until the second start.
HWND FrontWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"OstrelcfgTestFront";
  ::RegisterClassW(&windowClass);
  HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"front", WS_POPUP | WS_VISIBLE,
                                  600, 0, 100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
  ::SetForegroundWindow(window);
  return window;
}

TEST_F(FirstView, ASecondStartOnlyBringsTheFirstToTheFrontAndCancelEndsWithoutSaving) {
  Process first;
  auto window = Launch(first);
  ASSERT_TRUE(window);
  SettingsWindow& w = *window;
  HWND front = FrontWindow();
  ASSERT_EQ(::GetForegroundWindow(), front);

  Process second;
  ASSERT_TRUE(second.Start(L"\"" + Paths().program + L"\""));
  EXPECT_EQ(second.Wait(20000), 0) << "the second start ends at once with 0";
  EXPECT_EQ(SettingsWindowCount(), 1) << "no second window";
  EXPECT_EQ(::GetForegroundWindow(), w.Main()) << "the first instance came to the front";
  EXPECT_TRUE(first.Running());
  ::DestroyWindow(front);

  // A General edit, then Cancel on the tab: the program ends, nothing is saved or announced.
  BroadcastListener listener;
  w.Select(GeneralList, 0);
  w.Click(EditButton);
  EXPECT_EQ(Utf8(w.RowText(GeneralList, 0, 1)), "да") << "the toggle flips at once";
  EXPECT_FALSE(w.Visible(LeftEdit)) << "a toggle opens no editor";
  w.Cancel();
  EXPECT_EQ(first.Wait(10000), 0);
  listener.Pump(500);
  EXPECT_TRUE(listener.SettingChanges().empty());
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kItemKey));
}

}  // namespace
}  // namespace ostrel::cfgtest
