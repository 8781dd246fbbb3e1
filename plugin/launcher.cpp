// The launcher block's icons and rows: icons fetched from the shell, cells laid out inside the margins with the chosen alignment.
#include "plugin/launcher.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/window.h"
#include "plugin/int_range.h"

namespace ostrel {

namespace {

pf::SIZE IconCell(const Settings& settings) {
  const bool big = settings.LauncherSettings.BigIcons != 0;
  return pf::SIZE{pf::GetSystemMetrics(big ? pf::SM_CXICON : pf::SM_CXSMICON),
                  pf::GetSystemMetrics(big ? pf::SM_CYICON : pf::SM_CYSMICON)};
}

// The full-row grid of one client width: where rows start, how many icons
// a full row holds and the gap that spreads them over the inner width.
// Margins are stored unchecked: the sums are taken in 64 bits and kept
// within the drawing coordinates.
struct RowGrid {
  std::int64_t left = 0;   // MarginLeft + client.left
  std::int64_t limit = 0;  // client.right - MarginRight - client.left
  std::int64_t perRow = 0;
  std::int64_t gap = 0;
  pf::SIZE cell;
  int align = AlignLeft;
};

RowGrid MakeGrid(const Settings& settings, const pf::RECT& client, pf::SIZE cell) {
  RowGrid grid;
  grid.cell = cell;
  grid.align = settings.LauncherSettings.Align;
  grid.left = CoordinateSum(settings.MarginLeft, client.left);
  grid.limit = CoordinateSum(client.right, -std::int64_t{settings.MarginRight}, -std::int64_t{client.left});
  const std::int64_t w = cell.cx;
  // The largest count whose next icon would still end before the limit.
  if (w > 0 && grid.limit > grid.left) grid.perRow = (grid.limit - grid.left - 1) / w;
  if (grid.perRow > 1) {
    const std::int64_t spare = client.right - grid.perRow * w - settings.MarginRight - grid.left;
    grid.gap = std::clamp<std::int64_t>(spare / (grid.perRow - 1), 0, kLargestCoordinate);
  }
  return grid;
}

// Where a row starts when `remaining` icons are still to be placed: a
// partial row moves by whole columns of the full-row grid.
std::int64_t RowStart(const RowGrid& grid, std::int64_t remaining) {
  if (remaining >= grid.perRow) return grid.left;
  const std::int64_t column = grid.gap + grid.cell.cx;
  switch (grid.align) {
    case AlignCentre: return grid.left + ((grid.perRow - remaining) / 2) * column;
    case AlignRight: return grid.left + (grid.perRow - remaining) * column;
    default: return grid.left;
  }
}

// Walks the entries in order, handing each its cell (when cells is not
// null); returns the number of rows used.
int WalkRows(const Settings& settings, const RowGrid& grid, std::vector<LauncherEntry>* cells) {
  const std::vector<LauncherEntry>& entries = settings.LauncherEntries;
  const int count = static_cast<int>(entries.size());
  const std::int64_t w = grid.cell.cx;
  const std::int64_t h = grid.cell.cy;
  std::int64_t x = RowStart(grid, count);
  std::int64_t y = settings.MarginTop;
  int rows = count > 0 ? 1 : 0;
  for (int i = 0; i < count; ++i) {
    if (cells != nullptr) {
      (*cells)[i].Bounds = pf::RECT{CoordinateSum(x, 0), CoordinateSum(y, 0), CoordinateSum(x, w), CoordinateSum(y, h)};
    }
    if (x + 2 * w > grid.limit) {
      y += h;
      x = RowStart(grid, count - i - 1);
      if (i + 1 < count) ++rows;
    } else {
      x += grid.gap + w;
    }
  }
  return rows;
}

// The grid of the window's client width; false when the platform gave no
// width or no icon size.
bool GridOf(const Settings& settings, pf::WindowHandle window, RowGrid* grid) {
  pf::RECT client;
  const bool sized = pf::GetClientRect(window, &client) != 0;
  const pf::SIZE cell = IconCell(settings);
  *grid = MakeGrid(settings, client, cell);
  return sized && client.right - client.left > 0 && cell.cx > 0 && cell.cy > 0;
}

}  // namespace

// Entries with the same path share the one icon the shell gave for it, so
// a long list of a few programs holds a few icons; each is destroyed once.
bool FetchLauncherIcons(Settings& settings) {
  ReleaseLauncherIcons(settings);
  pf::InitCommonControls();
  std::uint32_t flags = pf::SHGFI_ICON;
  if (settings.LauncherSettings.BigIcons == 0) flags |= pf::SHGFI_SMALLICON;
  std::unordered_map<std::u16string, pf::IconHandle> fetched;
  bool failed = false;
  for (LauncherEntry& entry : settings.LauncherEntries) {
    if (entry.Path[0] == 0) continue;
    const auto [known, isNew] = fetched.try_emplace(entry.Path, pf::IconHandle{});
    if (isNew) {
      pf::SHFILEINFOW info;
      pf::SHGetFileInfoW(entry.Path, 0, &info, sizeof(info), flags);
      known->second = info.hIcon;
      // No icon for a file that is there: the shell refused, not the file.
      if (pf::IsNull(info.hIcon) && pf::GetFileAttributesW(entry.Path) != pf::INVALID_FILE_ATTRIBUTES) failed = true;
    }
    entry.Icon = known->second;
  }
  return !failed;
}

void ReleaseLauncherIcons(Settings& settings) {
  std::unordered_set<std::uintptr_t> destroyed;
  for (LauncherEntry& entry : settings.LauncherEntries) {
    if (!pf::IsNull(entry.Icon) && destroyed.insert(static_cast<std::uintptr_t>(entry.Icon)).second) {
      pf::DestroyIcon(entry.Icon);
    }
    entry.Icon = pf::IconHandle{};
  }
}

bool LayoutLauncher(Settings& settings, pf::WindowHandle window) {
  if (settings.LauncherEntries.empty()) return true;
  RowGrid grid;
  const bool complete = GridOf(settings, window, &grid);
  WalkRows(settings, grid, &settings.LauncherEntries);
  return complete;
}

int LauncherRowCount(const Settings& settings, pf::WindowHandle window) {
  RowGrid grid;
  GridOf(settings, window, &grid);
  return WalkRows(settings, grid, nullptr);
}

int LauncherIconHeight(const Settings& settings) { return IconCell(settings).cy; }

}  // namespace ostrel
