// What the item fetches from the platform at creation (settings, images, layout, icons, day names, cells, menu, timer), and fetching again what was refused.
#include <algorithm>

#include "platform/locale.h"
#include "platform/text.h"
#include "platform/window.h"
#include "plugin/item_handlers.h"
#include "plugin/item_state.h"
#include "plugin/item_window.h"
#include "plugin/launcher.h"
#include "plugin/layout.h"
#include "plugin/plugin_state.h"
#include "plugin/state_images.h"

namespace ostrel {

namespace {

// Room for any locale's abbreviation before it is cut to its slot.
constexpr int kDayNameScratch = 80;

// Parts that cost a reload of settings, images or icons: when the platform
// keeps refusing one, it is asked for after 1, 2, 4 ... up to this many
// ticks or queries, so a lasting fault does not reload every second.
constexpr std::uint32_t kCostlyParts = kMissingSettings | kMissingImages | kMissingIcons;
constexpr std::int32_t kLongestCostlyWait = 64;

// Abbreviated day names, Monday first; a name longer than its slot is cut.
// False when the locale gave not every name.
bool ReadDayNames(ItemState& item) {
  bool complete = true;
  for (int i = 0; i < 7; ++i) {
    char16_t name[kDayNameScratch] = {};
    if (pf::GetLocaleInfoW(pf::LOCALE_USER_DEFAULT, pf::LOCALE_SABBREVDAYNAME1 + i, name,
                           kDayNameScratch) == 0) {
      name[0] = 0;
      complete = false;
    }
    pf::CopyText(item.DayNames[i], kDayNameCapacity, name);
  }
  return complete;
}

// The pop-up menu with its one entry; nothing is kept when either call fails.
bool CreateContextMenu(ItemState& item) {
  if (!pf::IsNull(item.ContextMenu)) pf::DestroyMenu(item.ContextMenu);
  item.ContextMenu = pf::CreatePopupMenu();
  if (pf::IsNull(item.ContextMenu)) return false;
  if (pf::AppendMenuW(item.ContextMenu, pf::MF_STRING, CMD_SETTINGS, kSettingsMenuText) != 0) return true;
  pf::DestroyMenu(item.ContextMenu);
  item.ContextMenu = pf::MenuHandle{};
  return false;
}

bool LoadItemImages(const Settings& settings, ItemState& item) {
  char16_t folder[kPathCapacity];
  OwnFolder(item.ModuleInstance, folder);
  return LoadStateImages(settings, item.Images, folder);
}

std::uint32_t Unless(bool got, std::uint32_t part) { return got ? 0 : part; }

}  // namespace

std::uint32_t FetchParts(pf::WindowHandle window, std::uint32_t parts) {
  ItemState& item = Item();
  Settings& settings = PluginSettings();
  std::uint32_t missing = 0;
  if (parts & kMissingSettings) {
    ReleaseLauncherIcons(settings);
    missing |= Unless(LoadSettings(settings) == LoadResult::Complete, kMissingSettings);
    // Everything below is made from the settings.
    parts |= kMissingImages | kMissingIcons | kMissingCells;
  }
  if (parts & kMissingImages) missing |= Unless(LoadItemImages(settings, item), kMissingImages);
  // Band heights count the images; the pages follow the sorted table.
  if (parts & (kMissingSettings | kMissingImages)) PrepareLayout(settings, item);
  if (parts & kMissingSettings) item.CurrentPage = FirstPage(settings, item);
  if (parts & kMissingIcons) missing |= Unless(FetchLauncherIcons(settings), kMissingIcons);
  if (parts & kMissingDayNames) missing |= Unless(ReadDayNames(item), kMissingDayNames);
  if (parts & kMissingCells) missing |= Unless(LayoutLauncher(settings, window), kMissingCells);
  if (parts & kMissingMenu) missing |= Unless(CreateContextMenu(item), kMissingMenu);
  if (parts & kMissingCardPath) missing |= Unless(ReadStorageCardPath(Status()), kMissingCardPath);
  if (parts & kMissingTimer) {
    missing |= Unless(pf::SetTimer(window, kRefreshTimer, kRefreshPeriod, nullptr) != 0, kMissingTimer);
  }
  return missing;
}

void FetchMissingParts(pf::WindowHandle window) {
  ItemState& item = Item();
  // Only the window that owns the module's state mends it.
  if (item.Missing == 0 || window != item.ItemWindow) return;
  std::uint32_t wanted = item.Missing;
  if (item.CostlySkips > 0) {
    --item.CostlySkips;
    wanted &= ~kCostlyParts;
  }
  const std::uint32_t still = FetchParts(window, wanted);
  item.Missing = still | (item.Missing & ~wanted);
  // A costly part refused again waits twice as many chances as before.
  if ((wanted & kCostlyParts) != 0) {
    const bool refused = (still & kCostlyParts) != 0;
    item.CostlyWait = !refused ? 0 : item.CostlyWait == 0 ? 1 : std::min(2 * item.CostlyWait, kLongestCostlyWait);
    item.CostlySkips = item.CostlyWait;
  }
  // Whatever was got this time (a frame is only asked for) shows at once.
  if ((wanted & ~still & ~kMissingTimer) != 0) RepaintWhole(window);
}

}  // namespace ostrel
