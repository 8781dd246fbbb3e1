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

// Rows not yet added count as checked, so while the list is being filled the
// rule only acts once all six rows are there.
int CheckedBlocks(WindowHandle list) {
  int checked = 0;
  for (int i = 0; i < BlockCount; ++i) {
    if (RowChecked(list, i)) ++checked;
  }
  return checked;
}

}  // namespace

void FillPagesList(const Frame& frame) {
  WindowHandle list = Ctl(PagesList);
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  AddColumns(list, 1, frame.R - ScaleX(102));
  const BlockTable& table = State().Settings.BlockTable;
  for (int i = 0; i < BlockCount; ++i) {
    const BlockEntry& entry = table[i];
    AddRow(list, entry.Name, u"", entry.Kind, entry.Visible != 0);
  }
  ListView_SetColumnWidth(list, 0, LVSCW_AUTOSIZE);
}

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
  // The user can never hide all six blocks.
  if (CheckedBlocks(list) == 0) SetRowChecked(list, change.iItem, true);
}

void MoveBlock(int direction) {
  WindowHandle list = Ctl(PagesList);
  int count = ListView_GetItemCount(list);
  int z = SelectedRow(list);
  int other = z + direction;
  if (z < 0 || other < 0 || other >= count) return;

  int kind = RowKindOf(list, z);
  SetRowKind(list, z, RowKindOf(list, other));
  SetRowKind(list, other, kind);

  // Both rows checked first, so that no moment has every row clear.
  bool checkZ = RowChecked(list, z);
  bool checkOther = RowChecked(list, other);
  SetRowChecked(list, z, true);
  SetRowChecked(list, other, true);
  SetRowChecked(list, z, checkOther);
  SetRowChecked(list, other, checkZ);

  char16_t captionZ[kTextCapacity] = {};
  char16_t captionOther[kTextCapacity] = {};
  RowCaption(list, z, captionZ, kTextCapacity);
  RowCaption(list, other, captionOther, kTextCapacity);
  ListView_SetItemText(list, z, 0, captionOther);
  ListView_SetItemText(list, other, 0, captionZ);

  SelectRow(list, z, false);
  SelectRow(list, other, true);
  EnableMoveButtons(list, count);
}

void OpenBlockPage() {
  WindowHandle list = Ctl(PagesList);
  int row = SelectedRow(list);
  if (row < 0) return;
  int kind = RowKindOf(list, row);
  if (BlockSettingsOf(kind) == nullptr) return;
  Program& p = State();
  p.OpenBlock = kind - 1;
  CopyBody(p.Settings.EditSettings, p.Settings);
  RefreshBlockPage(kind);
  ShowCurrentView();
  InvalidateMain();
}

void RebuildBlockTable(BlockTable& table) {
  for (int i = 0; i < BlockCount; ++i) {
    BlockEntry& entry = table[i];
    entry.Kind = 0;
    entry.Order = i;
    entry.Visible = 0;
    ClearText(entry.Name, kNameCapacity);
  }
  WindowHandle list = Ctl(PagesList);
  int count = ListView_GetItemCount(list);
  for (int i = 0; i < count && i < BlockCount; ++i) {
    BlockEntry& entry = table[i];
    entry.Kind = RowKindOf(list, i);
    RowCaption(list, i, entry.Name, kNameCapacity);
    entry.Order = i;
    entry.Visible = RowChecked(list, i) ? 1 : 0;
  }
}

}  // namespace ostrel::cfg
