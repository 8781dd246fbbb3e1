// Host controls' contents: list-view rows and columns, tabs, combo entries, checks, up-down ranges and buddies, icons, and the notifications they send.
#include <algorithm>

#include "platform/gdi.h"
#include "platform/host/host_controls.h"
#include "platform/host/memory_registry.h"
#include "platform/text.h"

namespace pf::host {

namespace {

std::u16string TextOf(const char16_t* text) { return text ? std::u16string(text) : std::u16string(); }

bool InRange(int index, std::size_t count) { return index >= 0 && index < static_cast<int>(count); }

}  // namespace

// ---- Notifications to the parent ----

LRESULT HostControls::Notify(WindowHandle control, NMHDR* header) {
  const HostWindow* w = Find(control);
  if (w == nullptr) return 0;
  header->hwndFrom = control;
  header->idFrom = static_cast<std::uintptr_t>(w->id);
  return SendMessageW(w->parent, WM_NOTIFY, static_cast<WPARAM>(w->id),
                      reinterpret_cast<LPARAM>(header));
}

void HostControls::Command(WindowHandle control, unsigned code) {
  const HostWindow* w = Find(control);
  if (w == nullptr || IsNull(w->parent)) return;
  SendMessageW(w->parent, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(w->id), code),
               static_cast<LPARAM>(control));
}

void HostControls::NotifyItemChanged(WindowHandle list, int item, std::uint32_t oldState,
                                     std::uint32_t newState, std::uint32_t changed) {
  NMLISTVIEW nm;
  nm.hdr.code = LVN_ITEMCHANGED;
  nm.iItem = item;
  nm.uOldState = oldState;
  nm.uNewState = newState;
  nm.uChanged = changed;
  if (const HostWindow* w = Find(list)) {
    if (InRange(item, w->rows.size())) nm.lParam = w->rows[item].param;
  }
  Notify(list, &nm.hdr);
}

// ---- List view ----

int HostControls::TextWidth(const std::u16string& text) const {
  // No glyphs here: a unit counts as 6 design pixels, plus the cell's padding.
  int dpi = const_cast<HostControls*>(this)->Dpi(LOGPIXELSX);
  return (static_cast<int>(text.size()) * 6 + 12) * dpi / 96;
}

void HostControls::ChangeItemState(WindowHandle list, int item, std::uint32_t state,
                                   std::uint32_t mask) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || !InRange(item, w->rows.size())) return;
  if ((mask & state & LVIS_SELECTED) && (w->style & LVS_SINGLESEL)) {
    for (int other = 0; other < static_cast<int>(w->rows.size()); ++other) {
      if (other != item) ChangeItemState(list, other, 0, LVIS_SELECTED);
      w = FindOf(list, WC_LISTVIEW);
      if (w == nullptr || !InRange(item, w->rows.size())) return;
    }
  }
  std::uint32_t old = w->rows[item].state;
  std::uint32_t now = (old & ~mask) | (state & mask);
  if (now == old) return;
  w->rows[item].state = now;
  NotifyItemChanged(list, item, old, now, LVIF_STATE);
}

int HostControls::ListViewInsertItem(WindowHandle list, const LVITEMW* item) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || item == nullptr || item->iSubItem != 0 || Fails("ListView_InsertItem")) return -1;
  int index = std::clamp(item->iItem, 0, static_cast<int>(w->rows.size()));
  HostListRow row;
  row.texts.push_back((item->mask & LVIF_TEXT) ? TextOf(item->pszText) : std::u16string());
  if (item->mask & LVIF_IMAGE) row.image = item->iImage;
  if (item->mask & LVIF_PARAM) row.param = item->lParam;
  std::uint32_t wanted = (item->mask & LVIF_STATE) ? (item->state & item->stateMask) : 0;
  w->rows.insert(w->rows.begin() + index, row);
  bool boxGiven = (item->mask & LVIF_STATE) && (item->stateMask & LVIS_STATEIMAGEMASK);
  if (w->HasCheckBoxes() && !boxGiven) {
    // A list with check boxes gives a new row the clear box unless the
    // caller said which, and reports it as a change.
    wanted |= INDEXTOSTATEIMAGEMASK(1);
  }
  if (wanted != 0) ChangeItemState(list, index, wanted, wanted);
  return index;
}

int HostControls::ListViewSetItem(WindowHandle list, const LVITEMW* item) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || item == nullptr || !InRange(item->iItem, w->rows.size())) return 0;
  if (item->mask & LVIF_TEXT) ListViewSetItemText(list, item->iItem, item->iSubItem, item->pszText);
  if (item->iSubItem != 0) return 1;
  HostListRow& row = w->rows[item->iItem];
  std::uint32_t changed = 0;
  if ((item->mask & LVIF_IMAGE) && row.image != item->iImage) {
    row.image = item->iImage;
    changed |= LVIF_IMAGE;
  }
  if ((item->mask & LVIF_PARAM) && row.param != item->lParam) {
    row.param = item->lParam;
    changed |= LVIF_PARAM;
  }
  std::uint32_t state = row.state;
  if (changed != 0) NotifyItemChanged(list, item->iItem, state, state, changed);
  if (item->mask & LVIF_STATE) ChangeItemState(list, item->iItem, item->state, item->stateMask);
  return 1;
}

int HostControls::ListViewGetItem(WindowHandle list, LVITEMW* item) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || item == nullptr || !InRange(item->iItem, w->rows.size())) return 0;
  if (Fails("ListView_GetItem")) return 0;
  const HostListRow row = w->rows[item->iItem];
  if (item->mask & LVIF_TEXT) {
    ListViewGetItemText(list, item->iItem, item->iSubItem, item->pszText, item->cchTextMax);
  }
  if (item->mask & LVIF_IMAGE) item->iImage = row.image;
  if (item->mask & LVIF_PARAM) item->lParam = row.param;
  if (item->mask & LVIF_STATE) item->state = row.state & item->stateMask;
  if ((item->mask & LVIF_IMAGE) && row.image == I_IMAGECALLBACK) {
    // As the real list does: the parent is asked, and an unanswered
    // question leaves the zeroed record's image, 0.
    NMLVDISPINFOW info;
    info.hdr.code = LVN_GETDISPINFOW;
    info.item.mask = LVIF_IMAGE;
    info.item.iItem = item->iItem;
    info.item.iSubItem = item->iSubItem;
    info.item.lParam = row.param;
    Notify(list, &info.hdr);
    item->iImage = info.item.iImage;
  }
  return 1;
}

void HostControls::ListViewSetItemText(WindowHandle list, int item, int subItem,
                                       const char16_t* text) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || !InRange(item, w->rows.size()) || subItem < 0) return;
  std::vector<std::u16string>& texts = w->rows[item].texts;
  if (static_cast<int>(texts.size()) <= subItem) texts.resize(subItem + 1);
  texts[subItem] = TextOf(text);
}

void HostControls::ListViewGetItemText(WindowHandle list, int item, int subItem,
                                       char16_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  buffer[0] = 0;
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || !InRange(item, w->rows.size()) || subItem < 0) return;
  const std::vector<std::u16string>& texts = w->rows[item].texts;
  if (subItem < static_cast<int>(texts.size())) {
    CopyText(buffer, static_cast<std::size_t>(capacity), texts[subItem].c_str());
  }
}

void HostControls::ListViewSetItemState(WindowHandle list, int item, std::uint32_t state,
                                        std::uint32_t mask) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr) return;
  if (item != -1) {
    ChangeItemState(list, item, state, mask);
    return;
  }
  for (int i = 0;; ++i) {
    w = FindOf(list, WC_LISTVIEW);
    if (w == nullptr || !InRange(i, w->rows.size())) return;
    ChangeItemState(list, i, state, mask);
  }
}

std::uint32_t HostControls::ListViewGetItemState(WindowHandle list, int item, std::uint32_t mask) {
  ++rowStateReads_;
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || !InRange(item, w->rows.size())) return 0;
  return w->rows[item].state & mask;
}

int HostControls::ListViewDeleteItem(WindowHandle list, int item) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || !InRange(item, w->rows.size()) || Fails("ListView_DeleteItem")) return 0;
  // The row gives up its selection (and says so) before it goes.
  ChangeItemState(list, item, 0, LVIS_SELECTED | LVIS_FOCUSED);
  w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || !InRange(item, w->rows.size())) return 0;
  w->rows.erase(w->rows.begin() + item);
  return 1;
}

int HostControls::ListViewDeleteAllItems(WindowHandle list) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || Fails("ListView_DeleteAllItems")) return 0;
  w->rows.clear();  // all at once, without item notifications
  w->scrolledTo = -1;
  return 1;
}

int HostControls::ListViewGetItemCount(WindowHandle list) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  return w == nullptr ? 0 : static_cast<int>(w->rows.size());
}

int HostControls::ListViewInsertColumn(WindowHandle list, int column, const LVCOLUMNW* info) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || info == nullptr || column < 0) return -1;
  int index = std::min(column, static_cast<int>(w->columnWidths.size()));
  w->columnWidths.insert(w->columnWidths.begin() + index, (info->mask & LVCF_WIDTH) ? info->cx : 0);
  w->columnTexts.insert(w->columnTexts.begin() + index,
                        (info->mask & LVCF_TEXT) ? TextOf(info->pszText) : std::u16string());
  return index;
}

int HostControls::ListViewSetColumnWidth(WindowHandle list, int column, int width) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || !InRange(column, w->columnWidths.size())) return 0;
  if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
    int widest = 0;
    for (const HostListRow& row : w->rows) {
      if (column < static_cast<int>(row.texts.size())) {
        widest = std::max(widest, TextWidth(row.texts[column]));
      }
    }
    if (width == LVSCW_AUTOSIZE_USEHEADER) {
      if (!w->columnTexts[column].empty()) {
        widest = std::max(widest, TextWidth(w->columnTexts[column]));
      }
      if (column + 1 == static_cast<int>(w->columnWidths.size())) {
        // The last column also takes the rest of the list's width.
        int others = 0;
        for (int c = 0; c < column; ++c) others += w->columnWidths[c];
        widest = std::max(widest, (w->rect.right - w->rect.left) - others);
      }
    }
    width = widest;
  }
  w->columnWidths[column] = width;
  return 1;
}

int HostControls::ListViewGetColumnWidth(WindowHandle list, int column) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  return (w == nullptr || !InRange(column, w->columnWidths.size())) ? 0 : w->columnWidths[column];
}

int HostControls::ListViewSortItems(WindowHandle list, PFNLVCOMPARE compare, LPARAM sortParam) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || compare == nullptr) return 0;
  std::vector<HostListRow> rows = w->rows;
  std::stable_sort(rows.begin(), rows.end(), [&](const HostListRow& a, const HostListRow& b) {
    return compare(a.param, b.param, sortParam) < 0;
  });
  if ((w = FindOf(list, WC_LISTVIEW)) == nullptr) return 0;
  w->rows = std::move(rows);
  return 1;
}

int HostControls::ListViewEnsureVisible(WindowHandle list, int item, int) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || !InRange(item, w->rows.size())) return 0;
  w->scrolledTo = item;
  return 1;
}

std::uint32_t HostControls::ListViewSetExtendedStyle(WindowHandle list, std::uint32_t exStyle) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr) return 0;
  std::uint32_t old = w->listExStyle;
  w->listExStyle = exStyle;
  return old;
}

ImageListHandle HostControls::ListViewSetImageList(WindowHandle list, ImageListHandle images,
                                                   int which) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || which != LVSIL_SMALL) return ImageListHandle{};
  ImageListHandle old = w->smallImages;
  w->smallImages = images;
  return old;
}

// ---- Tab control ----

int HostControls::TabCtrlInsertItem(WindowHandle tab, int index, const TCITEMW* item) {
  HostWindow* w = FindOf(tab, WC_TABCONTROL);
  if (w == nullptr || item == nullptr || index < 0) return -1;
  int at = std::min(index, static_cast<int>(w->tabs.size()));
  w->tabs.insert(w->tabs.begin() + at, (item->mask & TCIF_TEXT) ? TextOf(item->pszText) : u"");
  if (w->tabSelection < 0) {
    w->tabSelection = 0;
  } else if (at <= w->tabSelection) {
    ++w->tabSelection;
  }
  return at;
}

int HostControls::TabCtrlGetCurSel(WindowHandle tab) {
  HostWindow* w = FindOf(tab, WC_TABCONTROL);
  return w == nullptr ? -1 : w->tabSelection;
}

int HostControls::TabCtrlSetCurSel(WindowHandle tab, int index) {
  HostWindow* w = FindOf(tab, WC_TABCONTROL);
  if (w == nullptr || !InRange(index, w->tabs.size())) return -1;
  int old = w->tabSelection;
  w->tabSelection = index;
  return old;
}

// The tab row is 20 design pixels high, along the bottom edge with TCS_BOTTOM.
void HostControls::TabCtrlAdjustRect(WindowHandle tab, int larger, RECT* rect) {
  HostWindow* w = FindOf(tab, WC_TABCONTROL);
  if (w == nullptr || rect == nullptr) return;
  int row = 20 * Dpi(LOGPIXELSY) / 96;
  bool bottom = (w->style & TCS_BOTTOM) != 0;
  int delta = larger ? row : -row;
  if (bottom) {
    rect->bottom += delta;
  } else {
    rect->top -= delta;
  }
}

// ---- Combo box ----

int HostControls::ComboBoxAddString(WindowHandle combo, const char16_t* text) {
  HostWindow* w = FindOf(combo, WC_COMBOBOX);
  if (w == nullptr) return CB_ERR;
  w->entries.push_back(TextOf(text));
  return static_cast<int>(w->entries.size()) - 1;
}

int HostControls::ComboBoxResetContent(WindowHandle combo) {
  HostWindow* w = FindOf(combo, WC_COMBOBOX);
  if (w == nullptr) return 0;
  w->entries.clear();
  w->comboSelection = -1;
  return 1;
}

int HostControls::ComboBoxSetCurSel(WindowHandle combo, int index) {
  HostWindow* w = FindOf(combo, WC_COMBOBOX);
  if (w == nullptr) return CB_ERR;
  if (!InRange(index, w->entries.size())) {
    w->comboSelection = -1;
    return CB_ERR;
  }
  w->comboSelection = index;
  return index;
}

int HostControls::ComboBoxGetCurSel(WindowHandle combo) {
  HostWindow* w = FindOf(combo, WC_COMBOBOX);
  return w == nullptr ? CB_ERR : w->comboSelection;
}

int HostControls::ComboBoxGetCount(WindowHandle combo) {
  HostWindow* w = FindOf(combo, WC_COMBOBOX);
  return w == nullptr ? CB_ERR : static_cast<int>(w->entries.size());
}

int HostControls::ComboBoxSelectString(WindowHandle combo, int start, const char16_t* text) {
  HostWindow* w = FindOf(combo, WC_COMBOBOX);
  if (w == nullptr || text == nullptr) return CB_ERR;
  std::u16string prefix = FoldCase(text);
  int count = static_cast<int>(w->entries.size());
  int first = InRange(start, w->entries.size()) ? start + 1 : 0;
  for (int n = 0; n < count; ++n) {
    int i = (first + n) % count;  // from after start, round to the top
    if (FoldCase(w->entries[i]).compare(0, prefix.size(), prefix) == 0) {
      w->comboSelection = i;
      return i;
    }
  }
  return CB_ERR;
}

// ---- Check box, up-down, static ----

int HostControls::ButtonGetCheck(WindowHandle button) {
  HostWindow* w = FindOf(button, WC_BUTTON);
  return w == nullptr ? BST_UNCHECKED : w->check;
}

void HostControls::ButtonSetCheck(WindowHandle button, int check) {
  if (HostWindow* w = FindOf(button, WC_BUTTON)) w->check = check;
}

void HostControls::UpDownSetRange32(WindowHandle spin, int low, int high) {
  if (HostWindow* w = FindOf(spin, UPDOWN_CLASS)) {
    w->low = low;
    w->high = high;
  }
}

void HostControls::UpDownGetRange32(WindowHandle spin, int* low, int* high) {
  HostWindow* w = FindOf(spin, UPDOWN_CLASS);
  if (low != nullptr) *low = w ? w->low : 0;
  if (high != nullptr) *high = w ? w->high : 0;
}

// UDS_ALIGNRIGHT: the up-down takes the right end of its buddy, which
// narrows by the up-down's width (16 design pixels).
void HostControls::AlignSpinToBuddy(HostWindow& spin) {
  HostWindow* buddy = Find(spin.buddy);
  if (buddy == nullptr || !(spin.style & UDS_ALIGNRIGHT)) return;
  int width = 16 * Dpi(LOGPIXELSX) / 96;
  buddy->rect.right -= width;
  spin.rect = RECT{buddy->rect.right, buddy->rect.top, buddy->rect.right + width, buddy->rect.bottom};
}

WindowHandle HostControls::UpDownSetBuddy(WindowHandle spin, WindowHandle buddy) {
  HostWindow* w = FindOf(spin, UPDOWN_CLASS);
  if (w == nullptr) return WindowHandle{};
  WindowHandle old = w->buddy;
  w->buddy = buddy;
  AlignSpinToBuddy(*w);
  return old;
}

WindowHandle HostControls::UpDownGetBuddy(WindowHandle spin) {
  HostWindow* w = FindOf(spin, UPDOWN_CLASS);
  return w == nullptr ? WindowHandle{} : w->buddy;
}

int HostControls::UpDownSetBase(WindowHandle spin, int base) {
  HostWindow* w = FindOf(spin, UPDOWN_CLASS);
  if (w == nullptr || (base != 10 && base != 16)) return 0;
  int old = w->base;
  w->base = base;
  return old;
}

IconHandle HostControls::StaticSetIcon(WindowHandle control, IconHandle icon) {
  HostWindow* w = FindOf(control, WC_STATIC);
  if (w == nullptr) return IconHandle{};
  IconHandle old = w->icon;
  w->icon = icon;
  return old;
}

}  // namespace pf::host
