// Pages, swipes and taps on the item window: the swipe threshold, the tap cancel, wrap-around paging, the sliding neighbour and the tap rules.
#include "tests/item_test_support.h"

namespace ostrel::testing {
namespace {

const std::string kClock = "\"Windows\\clock.exe\"";
const std::string kCalendar = "\"Windows\\calendar.exe\"";
const std::string kBattery = "\"\\Windows\\battery.lnk\"";
const std::string kMemory = "\"\\Windows\\memory.lnk\"";

// Which of the default pages a paint shows: the calendar's weekday header,
// the system information's battery figure, or neither (the launcher).
enum class Shown { Calendar, SysInfo, Neither };

Shown PageShown(const std::vector<DrawRecord>& log) {
  if (DrewText(log, u"пн")) return Shown::Calendar;
  if (DrewText(log, u"85%")) return Shown::SysInfo;
  return Shown::Neither;
}

TEST_F(ItemTest, SwipeTurnsThePageOnlyBeyondAQuarterOfTheWidth) {
  Create();
  Swipe(150, 90, 100);  // 60 pixels: exactly a quarter of 240
  EXPECT_EQ(PageShown(Paint()), Shown::Calendar);
  EXPECT_TRUE(shell.Starts().empty()) << "a press that moved is no tap";
  Swipe(150, 89, 100);  // 61 pixels to the left: the next page
  EXPECT_EQ(PageShown(Paint()), Shown::Neither);
  Swipe(100, 161, 100);  // to the right: the previous page
  EXPECT_EQ(PageShown(Paint()), Shown::Calendar);
  Swipe(100, 161, 100);  // and before the first page comes the last
  EXPECT_EQ(PageShown(Paint()), Shown::SysInfo);
  EXPECT_TRUE(pf::IsNull(windows.Capture())) << "the release gives the pen back";
}

TEST_F(ItemTest, ElevenPixelsSidewaysCancelTheTapButVerticalMovesDoNot) {
  Create();
  Pen(pf::WM_LBUTTONDOWN, 100, 80);
  EXPECT_EQ(windows.Capture(), item);
  Pen(pf::WM_MOUSEMOVE, 110, 110);
  Pen(pf::WM_LBUTTONUP, 110, 80);
  EXPECT_EQ(Launched(), std::vector<std::string>{kCalendar});
  Pen(pf::WM_LBUTTONDOWN, 100, 80);
  Pen(pf::WM_MOUSEMOVE, 111, 80);
  Pen(pf::WM_MOUSEMOVE, 100, 80);  // back again: the tap stays cancelled
  Pen(pf::WM_LBUTTONUP, 100, 80);
  EXPECT_EQ(Launched().size(), 1u);
  EXPECT_EQ(PageShown(Paint()), Shown::Calendar) << "too short to turn the page";
}

TEST_F(ItemTest, LeftSwipeBeyondTheItemsEdgeStillTurnsToTheNextPage) {
  Create();
  // With the pen captured, a position left of the window arrives as a
  // negative 16-bit coordinate.
  Swipe(40, -30, 80);
  EXPECT_EQ(PageShown(Paint()), Shown::Neither);
}

TEST_F(ItemTest, SlidingPaintBringsTheNeighbourInFromTheSideThePenLeaves) {
  SetLauncherPaths(3);
  Create();
  Pen(pf::WM_LBUTTONDOWN, 200, 80);
  Pen(pf::WM_MOUSEMOVE, 195, 80);
  EXPECT_EQ(Of(Paint(), DrawKind::Icon).size(), 0u) << "no slide before the pen moved 11 pixels";
  Pen(pf::WM_MOUSEMOVE, 130, 80);  // 70 to the left: the launcher comes in from the right
  std::vector<DrawRecord> icons = Of(Paint(), DrawKind::Icon);
  ASSERT_EQ(icons.size(), 2u) << "the third icon's corner, 84 + 240 - 70, is still past the right edge";
  EXPECT_EQ(icons[0].rect.left, 10 + 240 - 70);
  EXPECT_EQ(icons[1].rect.left, 47 + 240 - 70);
  EXPECT_EQ(icons[0].rect.top, 60 + 2) << "the page's slot starts below the fixed blocks";
  Pen(pf::WM_MOUSEMOVE, 270, 80);  // 70 to the right: the system information comes in from the left
  std::vector<DrawRecord> log = Paint();
  EXPECT_TRUE(Of(log, DrawKind::Icon).empty());
  bool battery = false;
  for (const DrawRecord& r : log) {
    if (r.kind == DrawKind::DrawText && r.text == u"85%") {
      battery = true;
      EXPECT_EQ(r.rect.left, 10 + 70 - 240);
    }
  }
  EXPECT_TRUE(battery);
  EXPECT_TRUE(DrewText(log, u"пн")) << "the current page moves with the pen";
  Pen(pf::WM_LBUTTONUP, 270, 80);
}

TEST_F(ItemTest, WithEveryBlockFixedThePenNeverTracksAndEveryReleaseIsATap) {
  SetRoot(u"FixedPageCount", 6);
  Create();
  EXPECT_EQ(listItem.cyp, 15u + 30u + 15u + 48u + 48u + 48u);
  const int before = Repaints();
  Pen(pf::WM_LBUTTONDOWN, 20, 30);
  Pen(pf::WM_MOUSEMOVE, 200, 30);
  EXPECT_EQ(Repaints(), before) << "moves do not repaint";
  Pen(pf::WM_LBUTTONUP, 200, 30);
  EXPECT_EQ(Launched(), std::vector<std::string>{kClock});
  EXPECT_EQ(Key(pf::VK_RIGHT), 1);
  std::vector<DrawRecord> log = Paint();
  EXPECT_TRUE(DrewText(log, u"пн"));
  EXPECT_TRUE(DrewText(log, u"85%"));
  int operatorLines = 0;
  for (const DrawRecord& r : Of(log, DrawKind::DrawText)) operatorLines += r.text == u"Телефон выключен";
  EXPECT_EQ(operatorLines, 1) << "no page is drawn besides the six fixed blocks";
}

TEST_F(ItemTest, WithNoFixedBlockTheItemShowsOneBlockAtATime) {
  SetRoot(u"FixedPageCount", 0);
  Create();
  EXPECT_EQ(listItem.cyp, 48u) << "the tallest page alone";
  std::vector<DrawRecord> log = Paint();
  EXPECT_TRUE(DrewText(log, u"Телефон выключен"));
  EXPECT_FALSE(DrewText(log, u"07:05"));
  Key(pf::VK_RIGHT);
  log = Paint();
  EXPECT_TRUE(DrewText(log, u"07:05"));
  EXPECT_FALSE(DrewText(log, u"Телефон выключен"));
  Tap(100, 20);
  EXPECT_EQ(Launched(), std::vector<std::string>{kClock}) << "the page starts at the top";
}

TEST_F(ItemTest, PagingSkipsHiddenPagesAndWrapsAround) {
  SetBlock(u"Launcher", u"Visible", 0);
  Create();
  EXPECT_EQ(listItem.cyp, 108u);
  Key(pf::VK_RIGHT);
  EXPECT_EQ(PageShown(Paint()), Shown::SysInfo) << "the hidden launcher is skipped";
  Key(pf::VK_RIGHT);
  EXPECT_EQ(PageShown(Paint()), Shown::Calendar) << "past the last page comes the first";
  Key(pf::VK_LEFT);
  EXPECT_EQ(PageShown(Paint()), Shown::SysInfo);
}

TEST_F(ItemTest, TheItemOpensOnTheFirstVisiblePage) {
  SetBlock(u"Calendar", u"Visible", 0);
  SetBlock(u"Launcher", u"Visible", 0);
  Create();
  EXPECT_EQ(PageShown(Paint()), Shown::SysInfo) << "the hidden pages are not drawn";
  Tap(20, 80);
  EXPECT_EQ(Launched(), std::vector<std::string>{kBattery}) << "the tap reaches the shown page";
  pf::DestroyWindow(item);
  listItem = pf::TODAYLISTITEM{};
  SetBlock(u"SysInfo", u"Visible", 0);
  Create();
  shell.Reset();
  EXPECT_EQ(PageShown(Paint()), Shown::Neither);
  Tap(100, 80);
  EXPECT_TRUE(shell.Starts().empty()) << "with every page hidden, no page answers a tap";
}

TEST_F(ItemTest, ASinglePageNeitherSlidesNorChanges) {
  SetBlock(u"Launcher", u"Visible", 0);
  SetBlock(u"SysInfo", u"Visible", 0);
  Create();
  Pen(pf::WM_LBUTTONDOWN, 200, 80);
  Pen(pf::WM_MOUSEMOVE, 100, 80);
  std::vector<DrawRecord> log = Paint();
  for (const DrawRecord& r : log) {
    if (r.kind == DrawKind::DrawText && r.text == u"пн") {
      EXPECT_GE(r.rect.left, 10);
    }
  }
  Pen(pf::WM_LBUTTONUP, 100, 80);
  EXPECT_EQ(PageShown(Paint()), Shown::Calendar);
  Key(pf::VK_LEFT);
  EXPECT_EQ(PageShown(Paint()), Shown::Calendar);
}

TEST_F(ItemTest, ATapOnTheLineBetweenTwoBlocksBelongsToTheLowerOne) {
  Touch("Windows/date.exe");
  SetBlockText(u"Date", u"Tap", u"Windows\\date.exe");
  Create();
  const std::pair<int, std::string> taps[] = {{14, "wrlsmgr.exe"}, {15, "clock.exe"},
                                              {44, "clock.exe"},   {45, "date.exe"},
                                              {59, "date.exe"},    {60, "calendar.exe"}};
  for (const auto& [y, program] : taps) {
    shell.Reset();
    Tap(100, y);
    ASSERT_EQ(Launched().size(), 1u) << "y " << y;
    EXPECT_NE(Launched()[0].find(program), std::string::npos) << "y " << y << ": " << Launched()[0];
  }
}

TEST_F(ItemTest, DoubleTapStartsABlocksProgramAsTheTapTypeSays) {
  const std::pair<int, std::size_t> cases[] = {{0, 0}, {1, 2}, {2, 1}, {7, 0}};
  for (const auto& [tapType, starts] : cases) {
    SetRoot(u"TapType", static_cast<std::uint32_t>(tapType));
    Create();
    shell.Reset();
    DoubleTap(100, 30);
    EXPECT_EQ(Launched(), std::vector<std::string>(starts, kClock)) << "tap type " << tapType;
    shell.Reset();
    Tap(100, 30);
    EXPECT_EQ(Launched().size(), tapType == 1 ? 1u : 0u) << "tap type " << tapType;
    pf::DestroyWindow(item);
    listItem = pf::TODAYLISTITEM{};
  }
  item = pf::WindowHandle{};
}

TEST_F(ItemTest, LauncherIconsStartUpToThreeTimesOnADoubleTapWhateverTheTapType) {
  SetLauncherPaths(3);
  for (int tapType : {0, 1, 2}) {
    SetRoot(u"TapType", static_cast<std::uint32_t>(tapType));
    Create();
    Key(pf::VK_RIGHT);
    shell.Reset();
    DoubleTap(50, 60 + 2 + 5);  // inside the second icon (47 .. 78)
    EXPECT_EQ(Launched(), std::vector<std::string>(3, "\"\\Apps\\app2.exe\"")) << "tap type " << tapType;
    shell.Reset();
    Tap(45, 70);  // the gap between the first and the second icon
    EXPECT_TRUE(Launched().empty());
    pf::DestroyWindow(item);
    listItem = pf::TODAYLISTITEM{};
  }
  item = pf::WindowHandle{};
}

TEST_F(ItemTest, SystemInformationTapsSplitAtAQuarterOfTheInnerWidth) {
  Create();
  Key(pf::VK_RIGHT);
  Key(pf::VK_RIGHT);
  const std::pair<int, std::string> taps[] = {{10, ""},       {11, kBattery}, {64, kBattery},
                                              {65, kMemory},  {229, kMemory}, {230, ""}};
  for (const auto& [x, expected] : taps) {
    shell.Reset();
    Tap(x, 80);
    EXPECT_EQ(Launched(), expected.empty() ? std::vector<std::string>{}
                                           : std::vector<std::string>{expected})
        << "x " << x;
  }
}

TEST_F(ItemTest, ALaunchHandsTheQuotedPathToTheShellAndClosesTheProcess) {
  Touch("Program Files/My App.exe");
  SetBlockText(u"Time", u"Tap", u"\\Program Files\\My App.exe");
  SetBlockText(u"Wireless", u"Tap", u"Windows\\missing.exe");
  SetBlockText(u"Date", u"Tap", u"");
  Create();
  Tap(100, 5);   // wireless: a missing file
  Tap(100, 50);  // date: no target
  EXPECT_TRUE(shell.Starts().empty());
  Tap(100, 30);
  ASSERT_EQ(shell.Starts().size(), 1u);
  const pf::host::ShellStart& start = shell.Starts()[0];
  EXPECT_EQ(start.file, u"\"\\Program Files\\My App.exe\"");
  EXPECT_EQ(start.size, 60u);
  EXPECT_EQ(start.mask, pf::SEE_MASK_NOCLOSEPROCESS);
  EXPECT_EQ(start.show, pf::SW_SHOWNORMAL);
  EXPECT_TRUE(start.parameters.empty());
  EXPECT_EQ(shell.OpenProcesses(), 0);
}

TEST_F(ItemTest, TapsAboveTheItemStartNothing) {
  Create();
  Tap(100, -5);
  DoubleTap(100, -1);
  Tap(300, -20);
  EXPECT_TRUE(shell.Starts().empty());
  Tap(100, 500);  // below the item: the current page's slot reaches down
  EXPECT_EQ(Launched(), std::vector<std::string>{kCalendar});
}

}  // namespace
}  // namespace ostrel::testing
