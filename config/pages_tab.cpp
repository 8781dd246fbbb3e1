// The Pages tab: the blocks in display order with their visibility, moving them, opening a block's page, and the block table they make.
#include "config/control_kit.h"
#include "config/pages.h"
#include "platform/text.h"
#include "settings/blocks.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

// Up and Down follow the selected row's position.
void EnableMoveButtons(WindowHandle list, int count) {
  EnableWindow(Ctl(UpButton), 0);
  EnableWindow(Ctl(DownButton), 0);
  for (int i = 0; i < count; ++i) {
    if (!(ListView_GetItemState(list, i, LVIS_SELECTED) & LVIS_SELECTED)) continue;
    if (i > 0) EnableWindow(Ctl(UpButton), 1);
    if (i < count - 1) EnableWindow(Ctl(DownButton), 1);
  }
}

BlockTable& Blocks() { return State().Settings.BlockTable; }

// Whether row i shows block i: all six rows are there.
bool RowsShowTheTable(WindowHandle list) { return ListView_GetItemCount(list) == BlockCount; }

bool AnyBlockVisible() {
  for (const BlockEntry& entry : Blocks().Entries) {
    if (entry.Visible != 0) return true;
  }
  return false;
}

// A row shows the block at its position in the table.
void ShowBlockRow(WindowHandle list, int row) {
  const BlockEntry& entry = Blocks()[row];
  SetRowKind(list, row, entry.Kind);
  ListView_SetItemText(list, row, 0, entry.Name);
  SetRowChecked(list, row, entry.Visible != 0);
}

}  // namespace

void FillPagesList(const Frame& frame) {
  WindowHandle list = Ctl(PagesList);
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  AddColumns(list, 1, frame.R - ScaleX(102));
  FillRows(list, BlockCount, [list](int i) {
    const BlockEntry& entry = Blocks()[i];
    return AddRow(list, entry.Name, u"", entry.Kind, entry.Visible != 0);
  });
  ListView_SetColumnWidth(list, 0, LVSCW_AUTOSIZE);
}

// The block table, in display order, is what the Pages list shows: a row's
// check box is the block's visibility, and nothing is read back from the
// rows, so a list that refuses a call never changes what is saved.
void OnPagesListChanged(const NMLISTVIEW& change) {
  WindowHandle list = Ctl(PagesList);
  int selected = SelectedRow(list);
  EnableWindow(Ctl(UpButton), 0);
  EnableWindow(Ctl(DownButton), 0);
  if (selected >= 0) {
    EnableWindow(Ctl(UpButton), selected > 0);
    EnableWindow(Ctl(DownButton), selected < BlockCount - 1);
  }
  EnableWindow(Ctl(EditButton), selected >= 0);
  const int row = change.iItem;
  const bool checkChanged = ((change.uOldState ^ change.uNewState) & LVIS_STATEIMAGEMASK) != 0;
  if (row < 0 || row >= BlockCount || !(change.uChanged & LVIF_STATE) || !checkChanged) return;
  if (!RowsShowTheTable(list)) return;
  Blocks()[row].Visible = ((change.uNewState & LVIS_STATEIMAGEMASK) >> 12) != 1 ? 1 : 0;
  // The user can never hide all six blocks.
  if (AnyBlockVisible()) return;
  Blocks()[row].Visible = 1;
  SetRowChecked(list, row, true);
}

void MoveBlock(int direction) {
  WindowHandle list = Ctl(PagesList);
  int z = SelectedRow(list);
  int other = z + direction;
  if (z < 0 || other < 0 || other >= BlockCount || !RowsShowTheTable(list)) return;
  BlockTable& table = Blocks();
  const BlockEntry moved = table[z];
  table[z] = table[other];
  table[other] = moved;
  table[z].Order = z;
  table[other].Order = other;
  ShowBlockRow(list, z);
  ShowBlockRow(list, other);
  SelectRow(list, z, false);
  SelectRow(list, other, true);
  EnableMoveButtons(list, ListView_GetItemCount(list));
}

void OpenBlockPage() {
  WindowHandle list = Ctl(PagesList);
  int row = SelectedRow(list);
  if (row < 0 || row >= BlockCount || !RowsShowTheTable(list)) return;
  int kind = Blocks()[row].Kind;
  if (BlockSettingsOf(kind) == nullptr) return;
  Program& p = State();
  p.OpenBlock = kind - 1;
  CopyBody(p.Settings.EditSettings, p.Settings);
  RefreshBlockPage(kind);
  ShowCurrentView();
  InvalidateMain();
}

void RebuildBlockTable(BlockTable& table) {
  for (int i = 0; i < BlockCount; ++i) table[i].Order = i;
}

}  // namespace ostrel::cfg
