// The launcher block on the item: icon rows and gaps, the three alignments, the automatic height and taps on cells.
#include "tests/item_test_support.h"

namespace ostrel::testing {
namespace {

struct Cell {
  int x;
  int y;
  bool operator==(const Cell& o) const { return x == o.x && y == o.y; }
};

std::ostream& operator<<(std::ostream& out, const Cell& c) { return out << "(" << c.x << "," << c.y << ")"; }

class ItemLauncherTest : public ItemTest {
 protected:
  // The launcher as the current page, painted: where its icons landed,
  // relative to the page's slot (the fixed blocks end at y 60).
  std::vector<Cell> Cells(int entries, int align = 0, int bigIcons = 1) {
    SetLauncherPaths(entries);
    SetBlock(u"Launcher", u"Align", static_cast<std::uint32_t>(align));
    SetBlock(u"Launcher", u"BigIcons", static_cast<std::uint32_t>(bigIcons));
    Create();
    Key(pf::VK_RIGHT);
    std::vector<Cell> cells;
    for (const DrawRecord& r : Of(Paint(), DrawKind::Icon)) {
      cells.push_back({r.rect.left, r.rect.top - 60});
    }
    return cells;
  }
};

TEST_F(ItemLauncherTest, SixLargeIconsFillARowOf240PixelsWithGapsOfFive) {
  const std::vector<Cell> cells = Cells(7);
  const std::vector<Cell> expected = {{10, 2}, {47, 2}, {84, 2}, {121, 2}, {158, 2}, {195, 2}, {10, 34}};
  EXPECT_EQ(cells, expected);
  std::vector<DrawRecord> icons = Of(Paint(), DrawKind::Icon);
  ASSERT_EQ(icons.size(), 7u);
  EXPECT_EQ(icons[0].rect.right - icons[0].rect.left, 32) << "icons at their own size";
  EXPECT_EQ(icons[6].iconName, "\\Apps\\app7.exe");
}

TEST_F(ItemLauncherTest, APartialRowMovesByWholeColumnsForCentreAndRight) {
  EXPECT_EQ(Cells(3, 1), (std::vector<Cell>{{47, 2}, {84, 2}, {121, 2}}));
}

TEST_F(ItemLauncherTest, RightAlignedPartialRowEndsAtTheLastColumn) {
  EXPECT_EQ(Cells(3, 2), (std::vector<Cell>{{121, 2}, {158, 2}, {195, 2}}));
}

TEST_F(ItemLauncherTest, OnlyTheLastRowOfEightIsMovedRight) {
  const std::vector<Cell> cells = Cells(8, 2);
  ASSERT_EQ(cells.size(), 8u);
  EXPECT_EQ(cells[0], (Cell{10, 2}));
  EXPECT_EQ(cells[5], (Cell{195, 2}));
  EXPECT_EQ(cells[6], (Cell{158, 34}));
  EXPECT_EQ(cells[7], (Cell{195, 34}));
}

TEST_F(ItemLauncherTest, SmallIconsMakeThirteenColumns) {
  const std::vector<Cell> cells = Cells(14, 0, 0);
  ASSERT_EQ(cells.size(), 14u);
  EXPECT_EQ(cells[1], (Cell{10 + 16 + 1, 2})) << "gap (240 - 13 * 16 - 20) / 12 = 1";
  EXPECT_EQ(cells[12], (Cell{10 + 12 * 17, 2}));
  EXPECT_EQ(cells[13], (Cell{10, 2 + 16}));
}

TEST_F(ItemLauncherTest, AutomaticHeightCountsTheRowsAndTheMargins) {
  SetBlock(u"Launcher", u"Height", static_cast<std::uint32_t>(-1));
  SetBlock(u"Calendar", u"Visible", 0);
  SetBlock(u"SysInfo", u"Visible", 0);
  Cells(7);
  EXPECT_EQ(listItem.cyp, 60u + 2u * 32u + 2u + 2u);
}

TEST_F(ItemLauncherTest, WithoutEntriesTheAutomaticHeightIsTheMarginsAndNothingIsDrawn) {
  SetBlock(u"Launcher", u"Height", static_cast<std::uint32_t>(-1));
  for (const char16_t* block : {u"Calendar", u"SysInfo", u"Wireless", u"Time", u"Date"}) {
    SetBlock(block, u"Visible", 0);
  }
  SetRoot(u"FixedPageCount", 0);
  SetBlock(u"Launcher", u"Order", 0);
  Create();
  EXPECT_EQ(listItem.cyp, 20u) << "2 + 2 is below the item's floor";
  EXPECT_TRUE(Of(Paint(), DrawKind::Icon).empty());
}

TEST_F(ItemLauncherTest, MissingProgramsGetNoIconAndStartNothing) {
  SetLauncherPaths(2);
  Remove("Apps/app1.exe");
  Create();
  Key(pf::VK_RIGHT);
  std::vector<DrawRecord> icons = Of(Paint(), DrawKind::Icon);
  ASSERT_EQ(icons.size(), 1u) << "the first cell stays empty";
  EXPECT_EQ(icons[0].rect.left, 47);
  Tap(20, 70);
  EXPECT_TRUE(shell.Starts().empty());
  Tap(50, 70);
  EXPECT_EQ(Launched(), std::vector<std::string>{"\"\\Apps\\app2.exe\""});
}

TEST_F(ItemLauncherTest, EntriesNamingOneProgramShareItsIconAndEachStartsIt) {
  SetLauncherPaths(2);
  SetBlockText(u"Launcher", u"FileName3", u"\\Apps\\app1.exe");
  SetBlockText(u"Launcher", u"FileName4", u"");
  SetBlockText(u"Launcher", u"FileName5", u"\\Apps\\app1.exe");
  const int iconsBefore = pf::LiveDrawingObjectCounts().icons;
  Create();
  EXPECT_EQ(pf::LiveDrawingObjectCounts().icons, iconsBefore + 2) << "one icon per program";
  Key(pf::VK_RIGHT);
  const std::vector<DrawRecord> icons = Of(Paint(), DrawKind::Icon);
  ASSERT_EQ(icons.size(), 4u) << "the empty path draws nothing";
  EXPECT_EQ(icons[2].icon, icons[0].icon);
  EXPECT_EQ(icons[3].icon, icons[0].icon);
  EXPECT_NE(icons[1].icon, icons[0].icon);
  EXPECT_EQ(icons[3].rect.left, 158) << "the fifth cell";
  Tap(160, 70);
  EXPECT_EQ(Launched(), std::vector<std::string>{"\"\\Apps\\app1.exe\""});
  // The shared icon is destroyed once (a second DestroyIcon is a fault the
  // fixture reports), and none is left.
}

// A list far longer than the item: the icons whose corner lies inside the
// client area are drawn (spilling past the block's band, as always), those
// below the item's bottom edge or on the page still off to the right are not.
TEST_F(ItemLauncherTest, OnlyIconsWhoseCornerIsInsideTheItemAreDrawn) {
  SetLauncherPaths(600);  // a hundred rows of six
  Create();
  pf::RECT client;
  ASSERT_TRUE(pf::GetClientRect(item, &client));
  EXPECT_TRUE(Of(Paint(), DrawKind::Icon).empty()) << "the launcher page is not the current one";
  Key(pf::VK_RIGHT);
  const std::vector<DrawRecord> icons = Of(Paint(), DrawKind::Icon);
  // Rows of 32 pixels every 32 from y 60 + 2; the default band of 48 pixels
  // leaves the item 60 + 48 = 108 high, so rows at 62 and 94 start inside.
  ASSERT_EQ(client.bottom, 108);
  ASSERT_EQ(icons.size(), 12u);
  EXPECT_EQ(icons.front().iconName, "\\Apps\\app1.exe");
  EXPECT_EQ(icons.back().iconName, "\\Apps\\app12.exe");
  EXPECT_EQ(icons.back().rect.top, 94);
  EXPECT_GT(icons.back().rect.bottom, client.bottom) << "a started row is drawn whole";
}

TEST_F(ItemLauncherTest, HighDensityIconsAreSixtyFourPixels) {
  pf::host::HostScreen().SetScreenDpi(192, 192);
  SetLauncherPaths(7);
  Create(480);
  Key(pf::VK_RIGHT);
  std::vector<DrawRecord> icons = Of(Paint(), DrawKind::Icon);
  ASSERT_EQ(icons.size(), 7u);
  // Margins 20: 20 + 6 * 64 = 404 < 460, 7 * 64 does not fit; gap (480 - 384 - 40) / 5 = 11.
  EXPECT_EQ(icons[1].rect.left, 20 + 64 + 11);
  EXPECT_EQ(icons[1].rect.right - icons[1].rect.left, 64);
  EXPECT_EQ(icons[6].rect.top, 120 + 4 + 64) << "fixed blocks of 30 + 60 + 30, margin 4";
}

}  // namespace
}  // namespace ostrel::testing
