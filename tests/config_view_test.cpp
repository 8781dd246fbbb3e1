// The settings program's start-up, first view, tabs, layout at two densities, relayout, single instance and taps on hidden or disabled controls.
#include "settings/blocks.h"
#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

using Names = std::vector<std::string>;
using Texts = std::vector<std::u16string>;

TEST_F(ConfigTest, FirstViewIsTheGeneralTabWithItsFourRows) {
  Start();
  EXPECT_EQ(U8(Title()), "Ostrel: Настройки");
  EXPECT_EQ(VisibleControls(), (Names{"TitleLabel", "TabStrip", "GeneralList", "AddButton",
                                      "EditButton", "RemoveButton", "DownButton", "UpButton"}));
  std::vector<ShownRow> rows = Rows("GeneralList");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(U8(rows[0].caption), "Включить плагин");
  EXPECT_EQ(U8(rows[0].value), "нет");
  EXPECT_EQ(U8(rows[1].value), "3");
  EXPECT_EQ(U8(rows[2].caption), "Отступы");
  EXPECT_EQ(U8(rows[2].value), "10,2,10,2");
  EXPECT_EQ(U8(rows[3].value), "тап");
  for (const char* button : {"AddButton", "EditButton", "RemoveButton", "UpButton", "DownButton"}) {
    EXPECT_FALSE(Enabled(button)) << button;
  }
  EXPECT_EQ(U8(W("TabStrip").tabs[2]), "О программе");
  const pf::host::HostWindow& bar = *store().Window(store().MenuBarOf(main));
  EXPECT_EQ(U8(bar.softKeys[0].text), "OK");
  EXPECT_EQ(U8(bar.softKeys[1].text), "Отмена");
  EXPECT_EQ(U8(W("RemoveButton").text), "\u2013");
}

TEST_F(ConfigTest, SelectingARowEnablesEditAndTheWindowSitsAboveTheMenuBar) {
  Start();
  pf::RECT client;
  pf::GetClientRect(main, &client);
  EXPECT_EQ(client.bottom, 320 - 26);
  // The relayout after the fit: lists B - Y(80) high, the tab strip on the bottom edge.
  EXPECT_EQ(Rect("GeneralList").bottom - Rect("GeneralList").top, 294 - 80);
  EXPECT_EQ(Rect("TabStrip").bottom, 294);
  EXPECT_EQ(Rect("TabStrip").bottom - Rect("TabStrip").top, 22);
  EXPECT_TRUE(Select("GeneralList", 1));
  EXPECT_TRUE(Enabled("EditButton"));
  EXPECT_FALSE(Enabled("UpButton"));
}

// Every list of rows: a selected row enables the list's own button, and a
// double tap does what that button does (an editor opens or a toggle flips).
TEST_F(ConfigTest, EachBlockPageListEnablesItsButtonAndOpensOnADoubleTap) {
  struct PageList {
    const char* list;
    const char* button;
  };
  // By block kind - 1; the Launcher page's settings sit in its properties list.
  const PageList kLists[BlockCount] = {
      {"WirelessList", "EditButton"}, {"TimeList", "EditButton"},
      {"DateList", "EditButton"},     {"CalendarList", "EditButton"},
      {"LauncherPropsList", "PropsEditButton"}, {"SysInfoList", "EditButton"},
  };
  Start();
  for (int block = 0; block < BlockCount; ++block) {
    const PageList& page = kLists[block];
    SCOPED_TRACE(page.list);
    OpenPage(kBlockSettings[block].PageName);
    ASSERT_TRUE(Visible(page.list));
    ASSERT_TRUE(Select(page.list, 0));
    EXPECT_TRUE(Enabled(page.button));
    const std::u16string before = Value(page.list, 0);
    ASSERT_TRUE(DoubleTap(page.list, 0));
    EXPECT_TRUE(View().OpenEditor >= 0 || Value(page.list, 0) != before)
        << "a double tap acts as " << page.button;
    if (View().OpenEditor >= 0) Cancel();  // the editor
    Cancel();                              // the page
    ASSERT_TRUE(Visible("PagesList"));
  }
}

TEST_F(ConfigTest, TabsShowTheirControlsAndTitles) {
  Start();
  ASSERT_TRUE(Tab(2));
  EXPECT_EQ(View().CurrentTab, 2);
  EXPECT_EQ(U8(Title()), "Ostrel: О программе");
  EXPECT_EQ(VisibleControls(), (Names{"TitleLabel", "TabStrip", "AboutNameLabel", "AboutYearsLabel",
                                      "AboutWebLabel", "AboutIcon"}));
  EXPECT_EQ(U8(Text("AboutNameLabel")), "Ostrel v1.3.8");
  EXPECT_FALSE(pf::IsNull(W("AboutIcon").icon));
  ASSERT_TRUE(Tab(1));
  EXPECT_EQ(U8(Title()), "Ostrel: Настройки");
  EXPECT_TRUE(Visible("PagesList"));
  EXPECT_FALSE(Visible("GeneralList"));
  EXPECT_EQ(Captions("PagesList"), (Texts{u"Беспр. связь", u"Часы", u"Дата", u"Календарь",
                                         u"Запуск", u"Информация"}));
}

TEST_F(ConfigTest, LayoutConstantsDoubleAt192Dpi) {
  Start();
  pf::RECT add96 = Rect("AddButton"), up96 = Rect("UpButton"), color96 = Rect("ColourLabel");
  pf::RECT help96 = Rect("HelpLabel"), margin96 = Rect("BottomLabel");
  EXPECT_EQ(add96, (pf::RECT{8, 30, 38, 50}));
  EXPECT_EQ(up96, (pf::RECT{240 - 52 - 46, 30, 240 - 52 - 46 + 44, 50}));
  pf::SendMessageW(main, pf::WM_CLOSE, 0, 0);

  store().Reset();
  pf::host::HostScreen().SetScreenDpi(192, 192);
  store().SetScreenSize(480, 640);
  Start();
  auto doubled = [](const pf::RECT& r) { return pf::RECT{2 * r.left, 2 * r.top, 2 * r.right, 2 * r.bottom}; };
  EXPECT_EQ(Rect("AddButton"), doubled(add96));
  EXPECT_EQ(Rect("UpButton"), doubled(up96));
  EXPECT_EQ(Rect("ColourLabel"), doubled(color96));
  EXPECT_EQ(Rect("HelpLabel"), doubled(help96));
  EXPECT_EQ(Rect("BottomLabel"), doubled(margin96));
  EXPECT_EQ(Rect("TabStrip").bottom - Rect("TabStrip").top, 44);
  pf::RECT client;
  pf::GetClientRect(main, &client);
  EXPECT_EQ(client.bottom, 640 - 52);
}

TEST_F(ConfigTest, ResizeRefitsTheListsInPlace) {
  Start();
  pf::RECT before = Rect("TimeList");
  ASSERT_TRUE(store().UserResize(main, 320, 200));
  EXPECT_EQ(Rect("GeneralList"), (pf::RECT{8, 55, 8 + 320 - 16, 55 + 200 - 80}));
  EXPECT_EQ(Rect("TimeList"), (pf::RECT{before.left, before.top, before.left + 304, before.top + 140}));
  EXPECT_EQ(Rect("LauncherPropsList"), (pf::RECT{8, 200 - 62, 8 + 320 - 48, 200 - 62 + 58}));
  EXPECT_EQ(Rect("PropsEditButton").left, 320 - 38);
  EXPECT_EQ(Rect("TabStrip"), (pf::RECT{-2, 200 - 22, 320, 200}));
}

TEST_F(ConfigTest, ASecondStartOnlyBringsTheFirstToTheFront) {
  Start();
  int exitCode = -1;
  pf::WindowHandle second = cfg::StartSettingsProgram(pf::ModuleHandle{}, pf::SW_SHOWNORMAL, &exitCode);
  EXPECT_TRUE(pf::IsNull(second));
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(store().ForegroundRequest(), pf::WindowHandle(static_cast<std::uintptr_t>(main) | 1));
  EXPECT_EQ(cfg::MainWindow(), main) << "the running program is untouched";
}

TEST_F(ConfigTest, AnInstanceOfAnotherProcessEndsTheStartWithoutAWindow) {
  pf::WindowHandle other = store().AddForeignWindow(u"OSTRELCFG", u"Ostrel");
  EXPECT_EQ(cfg::SettingsProgramMain(pf::ModuleHandle{}, pf::SW_SHOWNORMAL), 0);
  EXPECT_EQ(store().ForegroundRequest(), pf::WindowHandle(static_cast<std::uintptr_t>(other) | 1));
  EXPECT_TRUE(pf::IsNull(cfg::MainWindow()));
  EXPECT_FALSE(SavedAnything());
}

TEST_F(ConfigTest, AClassThatCannotBeRegisteredEndsTheStartSilently) {
  Start();
  ASSERT_TRUE(Cancel());
  // The class is still registered in this process, so registering fails.
  EXPECT_EQ(cfg::SettingsProgramMain(pf::ModuleHandle{}, pf::SW_SHOWNORMAL), 0);
  EXPECT_TRUE(pf::IsNull(cfg::MainWindow()));
  EXPECT_FALSE(SavedAnything());
}

TEST_F(ConfigTest, TapsOnHiddenOrDisabledControlsDoNothing) {
  Start();
  EXPECT_FALSE(Press("EditButton")) << "disabled while no row is selected";
  EXPECT_EQ(View().OpenEditor, -1);
  EXPECT_FALSE(Select("PagesList", 0)) << "hidden on the General tab";
  EXPECT_FALSE(Type("FormatEdit", u"x"));
  EXPECT_FALSE(Rows("PagesList")[0].selected);
  EXPECT_FALSE(Press("OpenButton"));
}

TEST_F(ConfigTest, WithoutAMenuBarTheWindowKeepsItsHeightAndIdokStillSaves) {
  store().SetMenuBarFails(true);
  Start();
  pf::RECT client;
  pf::GetClientRect(main, &client);
  EXPECT_EQ(client.bottom, 320);
  EXPECT_FALSE(Ok()) << "no soft keys";
  pf::SendMessageW(main, pf::WM_COMMAND, pf::MAKEWPARAM(pf::IDOK, 0), 0);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(Int(u"", u"FixedPageCount"), 3);
}

TEST_F(ConfigTest, TheMessageLoopRunsUntilTheProgramEnds) {
  int step = 0;
  store().SetUserInput([&]() {
    switch (step++) {
      case 0: return store().UserSelectRow(pf::GetDlgItem(cfg::MainWindow(), cfg::ControlId(cfg::GeneralList)), 0);
      case 1: return store().UserClick(pf::GetDlgItem(cfg::MainWindow(), cfg::ControlId(cfg::EditButton)));
      case 2: return store().UserSoftKey(cfg::MainWindow(), 0);
      default: return false;
    }
  });
  EXPECT_EQ(cfg::SettingsProgramMain(pf::ModuleHandle{}, pf::SW_SHOWNORMAL), 0);
  EXPECT_EQ(step, 3) << "the loop ended on the program's own quit";
  EXPECT_EQ(EnabledValue(), 1);
  ASSERT_EQ(store().Broadcasts().size(), 1u);
  EXPECT_EQ(store().Broadcasts()[0].message, 0x1Au);
  EXPECT_EQ(store().Broadcasts()[0].wParam, 0xF2u);
  EXPECT_EQ(store().Broadcasts()[0].lParam, 0);
}

}  // namespace
}  // namespace ostrel::testing
