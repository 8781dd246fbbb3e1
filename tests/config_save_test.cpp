// The final save and its surroundings: reads that fail at the start, a registry that refuses keys, the launcher list shrinking, toggles against Cancel, the hidden-blocks rule on saving, and the program's fonts.
#include <algorithm>

#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

TEST_F(ConfigTest, ASaveThatCannotCreateAKeyIsShownAndTheProgramStaysOpen) {
  // The Time key refuses every creation: the save fails, and so does putting
  // back what was read, which the message says.
  registry.SetFailureHook([](pf::host::RegOp op, const std::u16string& path, const std::u16string&) -> long {
    bool time = path.size() >= 4 && path.compare(path.size() - 4, 4, u"Time") == 0;
    return op == pf::host::RegOp::Create && time ? pf::ERROR_ACCESS_DENIED : 0;
  });
  SetInt(u"SysInfo", u"Order", 2);
  Start();
  OpenPage(u"Дата");
  Open("DateList", 0);
  Type("LeftEdit", u"21");
  Ok();
  Ok();
  Ok();
  EXPECT_FALSE(Closed());
  EXPECT_TRUE(store().Broadcasts().empty());
  EXPECT_EQ(store().MessageBoxes(),
            (std::vector<std::u16string>{
                u"Не удалось сохранить настройки. Сохранённые настройки могут быть неполными."}));
  EXPECT_FALSE(Has(u"Time", u"Order")) << "the refused key is skipped";
  EXPECT_FALSE(Has(u"Date", u"Height")) << "a value that was missing is deleted again";
  EXPECT_EQ(Int(u"SysInfo", u"Order"), 2) << "the other keys hold what was read";
  Ok();
  EXPECT_EQ(store().MessageBoxes().size(), 2u) << "each failed save is shown once";
  Cancel();
  EXPECT_TRUE(Closed()) << "Cancel still ends the program without saving";
  EXPECT_TRUE(store().Broadcasts().empty());
}

TEST_F(ConfigTest, SavingAShorterLauncherListDeletesTheNamesPastIt) {
  for (int n = 1; n <= 3; ++n) {
    SetText(u"Launcher", (u"FileName" + pf::FromUtf8(std::to_string(n))).c_str(),
            u"Windows\\app" + pf::FromUtf8(std::to_string(n)) + u".exe");
  }
  Start();
  OpenPage(u"Запуск");
  Select("LauncherList", 1);
  Press("RemoveButton");
  Ok();
  Ok();
  EXPECT_EQ(U8(Str(u"Launcher", u"FileName1")), "Windows\\app1.exe");
  EXPECT_EQ(U8(Str(u"Launcher", u"FileName2")), "Windows\\app3.exe");
  EXPECT_FALSE(Has(u"Launcher", u"FileName3"));
}

TEST_F(ConfigTest, CancelClosesAnEditorButDoesNotUndoAToggle) {
  Start();
  OpenPage(u"Часы");
  Open("TimeList", 3);  // "Показать секунды"
  EXPECT_EQ(U8(Value("TimeList", 3)), "да");
  Open("TimeList", 0);
  EXPECT_EQ(View().OpenEditor, 5);
  Cancel();
  EXPECT_EQ(View().OpenEditor, -1);
  EXPECT_EQ(U8(Value("TimeList", 3)), "да");
  EXPECT_TRUE(Visible("TimeList"));
  Ok();
  Ok();
  EXPECT_EQ(Int(u"Time", u"ShowSeconds"), 1);
}

TEST_F(ConfigTest, BlocksStoredHiddenSaveWithTheLastOneShown) {
  for (const char16_t* block : {u"Wireless", u"Time", u"Date", u"Calendar", u"Launcher", u"SysInfo"}) {
    SetInt(block, u"Visible", 0);
  }
  Start();
  Ok();
  for (const char16_t* block : {u"Wireless", u"Time", u"Date", u"Calendar", u"Launcher"}) {
    EXPECT_EQ(Int(block, u"Visible"), 0) << U8(block);
  }
  EXPECT_EQ(Int(u"SysInfo", u"Visible"), 1);
}

TEST_F(ConfigTest, TheThreeFontsFollowTheScreenDensityAndGoWithTheWindow) {
  pf::host::HostScreen().SetScreenDpi(192, 192);
  store().SetScreenSize(480, 640);
  Start();
  pf::LOGFONTW title, help, name;
  ASSERT_GT(pf::GetObjectW(W("TitleLabel").font, sizeof(title), &title), 0);
  ASSERT_GT(pf::GetObjectW(W("HelpLabel").font, sizeof(help), &help), 0);
  ASSERT_GT(pf::GetObjectW(W("AboutNameLabel").font, sizeof(name), &name), 0);
  EXPECT_EQ(title.lfHeight, -(8 * 192) / 72);
  EXPECT_EQ(title.lfWeight, 700);
  EXPECT_EQ(help.lfHeight, -(8 * 192) / 72);
  EXPECT_EQ(help.lfWeight, 400);
  EXPECT_EQ(name.lfHeight, -(10 * 192) / 72);
  EXPECT_EQ(name.lfWeight, 700);
  EXPECT_EQ(pf::LiveDrawingObjects(), liveObjects + 3);
  Cancel();
  EXPECT_EQ(pf::LiveDrawingObjects(), liveObjects);
}

TEST_F(ConfigTest, ClosingFromOutsideSavesNothing) {
  Start();
  Open("GeneralList", 0);
  pf::SendMessageW(main, pf::WM_CLOSE, 0, 0);
  EXPECT_TRUE(Closed());
  EXPECT_TRUE(store().QuitPosted());
  EXPECT_FALSE(SavedAnything());
  EXPECT_TRUE(pf::IsNull(store().MenuBarOf(main))) << "the menu bar went with the window";
}

// One read fails at the start: the user is told once, and what could not be
// read is not saved over unless the user set it.
TEST_F(ConfigTest, ReadsThatFailAtTheStartAreShownOnceAndNotSavedOver) {
  for (int n = 1; n <= 5; ++n) {
    SetText(u"Launcher", (u"FileName" + pf::FromUtf8(std::to_string(n))).c_str(), u"app.exe");
  }
  SetInt(u"Wireless", u"Height", 16);
  SetInt(u"Date", u"Height", 40);
  registry.SetFailureHook([](pf::host::RegOp op, const std::u16string& path, const std::u16string& value) -> long {
    const bool failing = value == u"FileName1" || (value == u"Height" && path.find(u"\\Date") == std::u16string::npos);
    return op == pf::host::RegOp::Query && failing ? pf::ERROR_ACCESS_DENIED : 0;
  });
  Start();
  registry.SetFailureHook(nullptr);
  EXPECT_EQ(store().MessageBoxes(), std::vector<std::u16string>{u"Не удалось прочитать настройки."});
  OpenPage(u"Часы");
  Open("TimeList", 0);
  Type("LeftEdit", u"25");
  Ok();
  Ok();
  Ok();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(store().MessageBoxes().size(), 1u);
  EXPECT_TRUE(Has(u"Launcher", u"FileName5")) << "five programs stay five";
  EXPECT_EQ(Int(u"Wireless", u"Height"), 16);
  EXPECT_EQ(Int(u"Time", u"Height"), 25) << "a setting the user set is saved";
  EXPECT_EQ(Int(u"Date", u"Height"), 40);
  EXPECT_EQ(Int(u"Date", u"Order"), 2) << "what was missing takes its default";
}

// The save numbers the pages by position: when one Order could not be read,
// the six stand or go together.
TEST_F(ConfigTest, PageOrdersStayAPermutationWhenOneCouldNotBeRead) {
  const char16_t* blocks[] = {u"Wireless", u"Time", u"Date", u"Calendar", u"Launcher", u"SysInfo"};
  for (bool move : {false, true}) {
    SCOPED_TRACE(move ? "a page moved" : "nothing moved");
    registry.Clear();
    store().Reset();
    store().SetScreenSize(240, 320);
    for (int i = 0; i < 6; ++i) SetInt(blocks[i], u"Order", 5 - i);
    registry.SetFailureHook([](pf::host::RegOp op, const std::u16string& path, const std::u16string& value) -> long {
      const bool date = path.size() >= 4 && path.compare(path.size() - 4, 4, u"Date") == 0;
      return op == pf::host::RegOp::Query && date && value == u"Order" ? pf::ERROR_ACCESS_DENIED : 0;
    });
    Start();
    registry.SetFailureHook(nullptr);
    if (move) {
      Tab(1);
      Select("PagesList", 5);
      Press("UpButton");
    }
    Ok();
    ASSERT_TRUE(Closed());
    std::vector<int> orders;
    for (const char16_t* block : blocks) orders.push_back(Int(block, u"Order"));
    if (!move) {
      EXPECT_EQ(orders, (std::vector<int>{5, 4, 3, 2, 1, 0})) << "nothing renumbered";
    }
    std::sort(orders.begin(), orders.end());
    EXPECT_EQ(orders, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  }
}

}  // namespace
}  // namespace ostrel::testing
