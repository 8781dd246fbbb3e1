// The item with stored numbers at the ends of their range: margins, heights and font sizes give no overflow (the sanitizer build stops on one) and keep drawing inside the coordinates the platform holds.
#include <climits>

#include "plugin/int_range.h"
#include "tests/item_test_support.h"

namespace ostrel::testing {
namespace {

constexpr std::int32_t kEnds[] = {INT_MIN, INT_MIN + 1, -(1 << 27) - 5, 7, (1 << 27) + 5, INT_MAX};

class ItemExtremesTest : public ItemTest {
 protected:
  // Everything a user does with the item: every page painted, sliding too,
  // a tap and a double tap in each band, the shell's query.
  void UseEveryPage() {
    Query();
    const int pages = Item().PageCount > 0 ? Item().PageCount : 1;
    for (int page = 0; page < pages; ++page) {
      // A band edge held within the drawing range plus a renderer's own
      // offset from it (a cell, a line): far from the end of int.
      for (const DrawRecord& r : Paint()) {
        EXPECT_LE(std::abs(std::int64_t{r.rect.left}), 4 * kLargestCoordinate);
        EXPECT_LE(std::abs(std::int64_t{r.rect.top}), 4 * kLargestCoordinate);
      }
      Pen(pf::WM_LBUTTONDOWN, 200, 70);
      Pen(pf::WM_MOUSEMOVE, 120, 70);
      Paint();
      Pen(pf::WM_LBUTTONUP, 200, 70);
      for (int y = 2; y < 108; y += 15) {
        Tap(100, y);
        DoubleTap(30, y);
      }
      Key(pf::VK_RIGHT);
    }
  }

  void Destroy() {
    pf::DestroyWindow(item);
    item = pf::WindowHandle{};
  }
};

// The launcher's cells are made from the left and right margins; every
// alignment takes a different path through them.
TEST_F(ItemExtremesTest, LauncherCellsStayInRangeWhateverTheMargins) {
  SetLauncherPaths(5);
  SetRoot(u"FixedPageCount", 0);
  for (const std::int32_t left : kEnds) {
    for (const std::int32_t right : kEnds) {
      for (const std::uint32_t align : {0u, 1u, 2u}) {
        SetRoot(u"MarginLeft", static_cast<std::uint32_t>(left));
        SetRoot(u"MarginRight", static_cast<std::uint32_t>(right));
        SetBlock(u"Launcher", u"Align", align);
        Create();
        for (const LauncherEntry& entry : PluginSettings().LauncherEntries) {
          EXPECT_LE(std::abs(std::int64_t{entry.Bounds.left}), kLargestCoordinate) << left << " " << right;
          EXPECT_LE(std::abs(std::int64_t{entry.Bounds.right}), kLargestCoordinate) << left << " " << right;
        }
        const std::vector<LauncherEntry>& cells = PluginSettings().LauncherEntries;
        if (left >= 240) {
          while (Item().CurrentPage >= 0 && PluginSettings().BlockTable[Item().CurrentPage].Kind != Launcher) {
            Key(pf::VK_RIGHT);
          }
          EXPECT_TRUE(Of(Paint(), DrawKind::Icon).empty()) << "a left margin past the item hides the icons";
        } else if (align == 0 && left >= 0 && right >= 0 && std::int64_t{left} + right <= 100) {
          EXPECT_EQ(cells[0].Bounds.left, left) << "a sane margin still places the first icon there";
        }
        Destroy();
      }
    }
  }
}

TEST_F(ItemExtremesTest, EveryBlockDrawsAndTapsAtTheEndsOfItsNumbers) {
  SetLauncherPaths(3);
  SetBlock(u"Time", u"ShowAlarm", 1);
  for (const std::int32_t end : {INT_MIN, INT_MAX}) {
    for (const char16_t* margin : {u"MarginLeft", u"MarginTop", u"MarginRight", u"MarginBottom"}) {
      SetRoot(margin, static_cast<std::uint32_t>(end));
      Create();
      UseEveryPage();
      Destroy();
      SetRoot(margin, 2);
    }
  }
  for (const std::int32_t end : {INT_MIN, INT_MAX}) {
    for (const char16_t* block : {u"Wireless", u"Time", u"Date", u"Calendar", u"Launcher", u"SysInfo"}) {
      SetBlock(block, u"Height", static_cast<std::uint32_t>(end));
    }
    Create();
    UseEveryPage();
    Destroy();
  }
  for (const char16_t* block : {u"Wireless", u"Time", u"Date", u"Calendar", u"Launcher", u"SysInfo"}) {
    SetBlock(block, u"Height", static_cast<std::uint32_t>(-1));
  }
  for (const std::int32_t end : {INT_MIN, INT_MAX}) {
    for (const char16_t* size : {u"FontSize", u"FontSizeWeekdays"}) SetBlock(u"Calendar", size, static_cast<std::uint32_t>(end));
    for (const char16_t* size : {u"FontSize1", u"FontSize2"}) SetBlock(u"Time", size, static_cast<std::uint32_t>(end));
    SetBlock(u"Wireless", u"FontSize", static_cast<std::uint32_t>(end));
    Create();
    UseEveryPage();
    Destroy();
  }
}

}  // namespace
}  // namespace ostrel::testing
