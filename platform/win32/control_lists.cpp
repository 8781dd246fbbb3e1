// List-view operations: our item and column records as the real LVITEMW and LVCOLUMNW, sent as LVM_* messages.
#include "platform/win32/win32_controls.h"

namespace pf::win32 {

namespace {

// The real record: ours is a prefix of it; the rest stays zero.
::LVITEMW ToRealItem(const pf::LVITEMW& ours) {
  ::LVITEMW real{};
  real.mask = ours.mask;
  real.iItem = ours.iItem;
  real.iSubItem = ours.iSubItem;
  real.state = ours.state;
  real.stateMask = ours.stateMask;
  real.pszText = W(ours.pszText);
  real.cchTextMax = ours.cchTextMax;
  real.iImage = ours.iImage;
  real.lParam = ours.lParam;
  return real;
}

// A list view may answer a text query by pointing at its own copy instead of
// filling the buffer: the text is brought into the caller's buffer then.
void BringTextHome(const wchar_t* answered, char16_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  if (answered == nullptr) {
    buffer[0] = 0;
  } else if (answered != W(buffer)) {
    ::lstrcpynW(W(buffer), answered, capacity);
  }
}

struct SortCall {
  pf::PFNLVCOMPARE compare;
  pf::LPARAM sortParam;
};

int CALLBACK CompareThroughOurs(LPARAM item1, LPARAM item2, LPARAM call) {
  const SortCall* sort = reinterpret_cast<const SortCall*>(call);
  return sort->compare(item1, item2, sort->sortParam);
}

LPARAM AsParam(const void* record) { return reinterpret_cast<LPARAM>(record); }

}  // namespace

int Win32Controls::ListViewInsertItem(pf::WindowHandle list, const pf::LVITEMW* item) {
  if (item == nullptr) return -1;
  const ::LVITEMW real = ToRealItem(*item);
  return static_cast<int>(ToControl(list, LVM_INSERTITEMW, 0, AsParam(&real)));
}

int Win32Controls::ListViewSetItem(pf::WindowHandle list, const pf::LVITEMW* item) {
  if (item == nullptr) return 0;
  const ::LVITEMW real = ToRealItem(*item);
  return ToControl(list, LVM_SETITEMW, 0, AsParam(&real)) ? 1 : 0;
}

int Win32Controls::ListViewGetItem(pf::WindowHandle list, pf::LVITEMW* item) {
  if (item == nullptr) return 0;
  ::LVITEMW real = ToRealItem(*item);
  if (!ToControl(list, LVM_GETITEMW, 0, AsParam(&real))) return 0;
  if (item->mask & LVIF_TEXT) BringTextHome(real.pszText, item->pszText, item->cchTextMax);
  if (item->mask & LVIF_STATE) item->state = real.state;
  if (item->mask & LVIF_IMAGE) item->iImage = real.iImage;
  if (item->mask & LVIF_PARAM) item->lParam = real.lParam;
  return 1;
}

void Win32Controls::ListViewSetItemText(pf::WindowHandle list, int item, int subItem,
                                        const char16_t* text) {
  ::LVITEMW real{};
  real.iSubItem = subItem;
  real.pszText = const_cast<wchar_t*>(W(text));
  ToControl(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), AsParam(&real));
}

void Win32Controls::ListViewGetItemText(pf::WindowHandle list, int item, int subItem,
                                        char16_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  buffer[0] = 0;
  ::LVITEMW real{};
  real.iSubItem = subItem;
  real.pszText = W(buffer);
  real.cchTextMax = capacity;
  ToControl(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), AsParam(&real));
  BringTextHome(real.pszText, buffer, capacity);
}

void Win32Controls::ListViewSetItemState(pf::WindowHandle list, int item, std::uint32_t state,
                                         std::uint32_t mask) {
  ::LVITEMW real{};
  real.state = state;
  real.stateMask = mask;
  ToControl(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), AsParam(&real));
}

std::uint32_t Win32Controls::ListViewGetItemState(pf::WindowHandle list, int item,
                                                  std::uint32_t mask) {
  return static_cast<std::uint32_t>(
      ToControl(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), static_cast<LPARAM>(mask)));
}

int Win32Controls::ListViewDeleteItem(pf::WindowHandle list, int item) {
  return ToControl(list, LVM_DELETEITEM, static_cast<WPARAM>(item), 0) ? 1 : 0;
}

int Win32Controls::ListViewDeleteAllItems(pf::WindowHandle list) {
  return ToControl(list, LVM_DELETEALLITEMS, 0, 0) ? 1 : 0;
}

int Win32Controls::ListViewGetItemCount(pf::WindowHandle list) {
  return static_cast<int>(ToControl(list, LVM_GETITEMCOUNT, 0, 0));
}

int Win32Controls::ListViewInsertColumn(pf::WindowHandle list, int column,
                                        const pf::LVCOLUMNW* info) {
  if (info == nullptr) return -1;
  ::LVCOLUMNW real{};
  real.mask = info->mask;
  real.fmt = info->fmt;
  real.cx = info->cx;
  real.pszText = W(info->pszText);
  real.cchTextMax = info->cchTextMax;
  real.iSubItem = info->iSubItem;
  return static_cast<int>(
      ToControl(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), AsParam(&real)));
}

int Win32Controls::ListViewSetColumnWidth(pf::WindowHandle list, int column, int width) {
  return ToControl(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0))
             ? 1
             : 0;
}

int Win32Controls::ListViewGetColumnWidth(pf::WindowHandle list, int column) {
  return static_cast<int>(ToControl(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

int Win32Controls::ListViewSortItems(pf::WindowHandle list, pf::PFNLVCOMPARE compare,
                                     pf::LPARAM sortParam) {
  if (compare == nullptr) return 0;
  SortCall call{compare, sortParam};
  return ToControl(list, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&call),
                   reinterpret_cast<LPARAM>(&CompareThroughOurs))
             ? 1
             : 0;
}

int Win32Controls::ListViewEnsureVisible(pf::WindowHandle list, int item, int partialOk) {
  return ToControl(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOk ? TRUE : FALSE)
             ? 1
             : 0;
}

// wParam 0: every extended style bit is set from exStyle.
std::uint32_t Win32Controls::ListViewSetExtendedStyle(pf::WindowHandle list,
                                                      std::uint32_t exStyle) {
  return static_cast<std::uint32_t>(
      ToControl(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(exStyle)));
}

pf::ImageListHandle Win32Controls::ListViewSetImageList(pf::WindowHandle list,
                                                        pf::ImageListHandle images, int which) {
  return FromReal<pf::ImageListHandle>(reinterpret_cast<HIMAGELIST>(ToControl(
      list, LVM_SETIMAGELIST, static_cast<WPARAM>(which),
      reinterpret_cast<LPARAM>(ToReal<HIMAGELIST>(images)))));
}

}  // namespace pf::win32
