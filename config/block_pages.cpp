// The six block pages: each page's rows bound to its block's settings in the edited copy, filled when the page opens and applied row by row.
#include "config/control_kit.h"
#include "config/pages.h"
#include "settings/blocks.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

enum ColumnRule { HalfLessFour, Half, FourTenths };

// The settings program's side of each block kind: the list that holds its
// page's rows, its column widths, the button that opens a row, and what else
// its page fills when opened.
struct BlockPage {
  Control list;
  ColumnRule columns;
  Control edit;
  void (*Opened)();
};

// By OpenBlock (kind - 1).
const BlockPage kPages[BlockCount] = {
    {WirelessList, HalfLessFour, EditButton, nullptr},
    {TimeList, HalfLessFour, EditButton, nullptr},
    {DateList, HalfLessFour, EditButton, nullptr},
    {CalendarList, Half, EditButton, nullptr},
    {LauncherPropsList, FourTenths, PropsEditButton, LoadWorkingLaunchers},  // and the list of programs
    {SysInfoList, Half, EditButton, nullptr},
};

RowTable RowsOf(int openBlock) { return RowTable{{&kBlockSettings[openBlock].Settings, nullptr}, 1}; }

int ColumnWidth(ColumnRule rule, const Frame& f) {
  switch (rule) {
    case HalfLessFour: return (f.R - f.L) / 2 - ScaleX(4);
    case Half: return (f.R - f.L) / 2;
    case FourTenths: return (f.R - f.L) * 4 / 10;
  }
  return 0;
}

const BlockPage* PageOf(int openBlock) {
  return (openBlock >= 0 && openBlock < BlockCount) ? &kPages[openBlock] : nullptr;
}

}  // namespace

void FillBlockLists(const Frame& frame) {
  for (int block = 0; block < BlockCount; ++block) {
    const BlockPage& page = kPages[block];
    WindowHandle list = Ctl(page.list);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    AddColumns(list, 2, ColumnWidth(page.columns, frame));
    AddSettingRows(list, RowsOf(block));
    // The value column reaches to the list's right edge, so the values
    // filled in when the page opens are not cut.
    ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE_USEHEADER);
  }
}

WindowHandle BlockListOf(int openBlock) {
  const BlockPage* page = PageOf(openBlock);
  return page ? Ctl(page->list) : WindowHandle{};
}

bool BlockListButton(WindowHandle list, Control* button) {
  for (const BlockPage& page : kPages) {
    if (Ctl(page.list) == list) {
      *button = page.edit;
      return true;
    }
  }
  return false;
}

void RefreshBlockPage(int kind) {
  const BlockPage* page = PageOf(kind - 1);
  if (page == nullptr) return;
  if (page->Opened != nullptr) page->Opened();
  ShowAllRowValues(Ctl(page->list), RowsOf(kind - 1), State().Settings.EditSettings);
}

void OpenBlockRow(WindowHandle list) {
  const BlockPage* page = PageOf(State().OpenBlock);
  if (page == nullptr || Ctl(page->list) != list) return;
  OpenSelectedRow(list, RowsOf(State().OpenBlock), State().Settings.EditSettings);
}

bool ApplyBlockRow() {
  const BlockPage* page = PageOf(State().OpenBlock);
  if (page == nullptr) return true;
  return ApplySelectedRow(Ctl(page->list), RowsOf(State().OpenBlock), State().Settings.EditSettings);
}

}  // namespace ostrel::cfg
