// The launcher block's icons and rows: icons fetched from the shell, cells laid out inside the margins with the chosen alignment.
#include "plugin/launcher.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/window.h"

namespace ostrel {

namespace {

pf::SIZE IconCell(const Settings& settings) {
  const bool big = settings.LauncherSettings.BigIcons != 0;
  return pf::SIZE{pf::GetSystemMetrics(big ? pf::SM_CXICON : pf::SM_CXSMICON),
                  pf::GetSystemMetrics(big ? pf::SM_CYICON : pf::SM_CYSMICON)};
}

// The full-row grid of one client width: where rows start, how many icons
// a full row holds and the gap that spreads them over the inner width.
struct RowGrid {
  int left = 0;     // MarginLeft + client.left
  int limit = 0;    // client.right - MarginRight - client.left
  int perRow = 0;
  int gap = 0;
  pf::SIZE cell;
  int align = AlignLeft;
};

RowGrid MakeGrid(const Settings& settings, const pf::RECT& client) {
  RowGrid grid;
  grid.cell = IconCell(settings);
  grid.align = settings.LauncherSettings.Align;
  grid.left = settings.MarginLeft + client.left;
  grid.limit = client.right - settings.MarginRight - client.left;
  const int w = grid.cell.cx;
  if (w > 0) {
    while (grid.left + (grid.perRow + 1) * w < grid.limit) ++grid.perRow;
  }
  if (grid.perRow > 1) {
    const int spare = client.right - grid.perRow * w - settings.MarginRight - grid.left;
    grid.gap = spare / (grid.perRow - 1);
    if (grid.gap < 0) grid.gap = 0;
  }
  return grid;
}

// Where a row starts when `remaining` icons are still to be placed: a
// partial row moves by whole columns of the full-row grid.
int RowStart(const RowGrid& grid, int remaining) {
  if (remaining >= grid.perRow) return grid.left;
  const int column = grid.gap + grid.cell.cx;
  switch (grid.align) {
    case AlignCentre: return grid.left + ((grid.perRow - remaining) / 2) * column;
    case AlignRight: return grid.left + (grid.perRow - remaining) * column;
    default: return grid.left;
  }
}

// Walks the entries in order, handing each its cell (when cells is not
// null); returns the number of rows used.
int WalkRows(const Settings& settings, const pf::RECT& client, std::vector<LauncherEntry>* cells) {
  const std::vector<LauncherEntry>& entries = settings.LauncherEntries;
  const int count = static_cast<int>(entries.size());
  const RowGrid grid = MakeGrid(settings, client);
  const int w = grid.cell.cx;
  const int h = grid.cell.cy;
  int x = RowStart(grid, count);
  int y = settings.MarginTop;
  int rows = count > 0 ? 1 : 0;
  for (int i = 0; i < count; ++i) {
    if (cells != nullptr) (*cells)[i].Bounds = pf::RECT{x, y, x + w, y + h};
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

pf::RECT ClientOf(pf::WindowHandle window) {
  pf::RECT client;
  pf::GetClientRect(window, &client);
  return client;
}

}  // namespace

// Entries with the same path share the one icon the shell gave for it, so
// a long list of a few programs holds a few icons; each is destroyed once.
void FetchLauncherIcons(Settings& settings) {
  ReleaseLauncherIcons(settings);
  pf::InitCommonControls();
  std::uint32_t flags = pf::SHGFI_ICON;
  if (settings.LauncherSettings.BigIcons == 0) flags |= pf::SHGFI_SMALLICON;
  std::unordered_map<std::u16string, pf::IconHandle> fetched;
  for (LauncherEntry& entry : settings.LauncherEntries) {
    if (entry.Path[0] == 0) continue;
    const auto [known, isNew] = fetched.try_emplace(entry.Path.Text(), pf::IconHandle{});
    if (isNew) {
      pf::SHFILEINFOW info;
      pf::SHGetFileInfoW(entry.Path, 0, &info, sizeof(info), flags);
      known->second = info.hIcon;
    }
    entry.Icon = known->second;
  }
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

void LayoutLauncher(Settings& settings, pf::WindowHandle window) {
  WalkRows(settings, ClientOf(window), &settings.LauncherEntries);
}

int LauncherRowCount(const Settings& settings, pf::WindowHandle window) {
  return WalkRows(settings, ClientOf(window), nullptr);
}

int LauncherIconHeight(const Settings& settings) { return IconCell(settings).cy; }

}  // namespace ostrel
