// Automatic block heights on the item: every kind's content height from its fonts, images and launcher rows, at two densities, and the item height they add up to.
#include "plugin/band.h"
#include "plugin/layout.h"
#include "tests/item_test_support.h"

namespace ostrel::testing {
namespace {

const char16_t* const kBlocks[] = {u"Wireless", u"Time", u"Date", u"Calendar", u"Launcher", u"SysInfo"};

class ItemHeightsTest : public ItemTest {
 protected:
  // Every block automatic and fixed, so that each one is laid out.
  void AllAutomatic() {
    SetRoot(u"FixedPageCount", 6);
    for (const char16_t* block : kBlocks) SetBlock(block, u"Height", static_cast<std::uint32_t>(-1));
  }
  int HeightOf(std::int32_t kind) {
    const Settings& settings = PluginSettings();
    return ComputeBlockHeight(settings, Item(), FindEntryOfKind(settings.BlockTable, kind));
  }
  std::vector<int> Heights() {
    std::vector<int> out;
    for (std::int32_t kind = Wireless; kind <= SysInfo; ++kind) out.push_back(HeightOf(kind));
    return out;
  }
};

// Tahoma's lines at 96 dpi: 8 pt 12, 30 pt bold 48, 6 pt 10; margins 2 + 2;
// the calendar's rows shrink by 2; the battery image is 13 pixels high; seven
// launcher entries make two rows of 32-pixel icons.
TEST_F(ItemHeightsTest, EveryKindsAutomaticHeightAtTheDefaultFonts) {
  AllAutomatic();
  SetLauncherPaths(7);
  Create();
  EXPECT_EQ(Heights(), (std::vector<int>{16, 52, 16, 72, 68, 29}));
  EXPECT_EQ(listItem.cyp, 16u + 52u + 16u + 72u + 68u + 29u);
}

TEST_F(ItemHeightsTest, EveryKindsAutomaticHeightDoublesItsPartsAt192Dpi) {
  pf::host::HostScreen().SetScreenDpi(192, 192);
  AllAutomatic();
  SetLauncherPaths(7);
  Create(480);
  EXPECT_EQ(Heights(), (std::vector<int>{33, 105, 33, 149, 136, 59}));
}

TEST_F(ItemHeightsTest, EachKindMeasuresItsOwnFonts) {
  AllAutomatic();
  SetBlock(u"Date", u"FontSize2", 20);        // the taller of the two lines counts
  SetBlock(u"Time", u"FontSize2", 40);        // the alarm font adds nothing
  SetBlock(u"Time", u"ShowDate", DateTop);    // nor do the date lines above the clock
  SetBlock(u"Calendar", u"FontSizeWeekdays", 0);
  SetBlock(u"Calendar", u"FontSize", 12);
  SetBlock(u"Wireless", u"FontSize", 16);
  SetBlock(u"SysInfo", u"FontSize", 10);
  Create();
  EXPECT_EQ(Heights(), (std::vector<int>{29, 52, 35, 120, 4, 33}));
}

TEST_F(ItemHeightsTest, FixedHeightsAndHiddenBlocksIgnoreTheirContent) {
  AllAutomatic();
  SetBlock(u"Calendar", u"Height", 5);
  SetBlock(u"Time", u"Visible", 0);
  SetBlock(u"SysInfo", u"Height", 0);
  Create();
  EXPECT_EQ(HeightOf(Calendar), 5);
  EXPECT_EQ(HeightOf(Time), 0);
  EXPECT_EQ(HeightOf(SysInfo), 0);
  EXPECT_EQ(HeightOf(Launcher), 4) << "no entries: the margins only";
}

}  // namespace
}  // namespace ostrel::testing
