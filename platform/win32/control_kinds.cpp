// Tab, combo-box, check-box, up-down and static operations sent to the real controls as their messages.
#include "platform/win32/win32_controls.h"

namespace pf::win32 {

namespace {

LPARAM TextParam(const char16_t* text) { return reinterpret_cast<LPARAM>(W(text)); }

int AsInt(LRESULT result) { return static_cast<int>(result); }

}  // namespace

int Win32Controls::TabCtrlInsertItem(pf::WindowHandle tab, int index, const pf::TCITEMW* item) {
  if (item == nullptr) return -1;
  ::TCITEMW real{};
  real.mask = item->mask;
  real.dwState = item->dwState;
  real.dwStateMask = item->dwStateMask;
  real.pszText = W(item->pszText);
  real.cchTextMax = item->cchTextMax;
  real.iImage = item->iImage;
  real.lParam = item->lParam;
  return AsInt(ToControl(tab, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&real)));
}

int Win32Controls::TabCtrlGetCurSel(pf::WindowHandle tab) {
  return AsInt(ToControl(tab, TCM_GETCURSEL, 0, 0));
}

int Win32Controls::TabCtrlSetCurSel(pf::WindowHandle tab, int index) {
  return AsInt(ToControl(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0));
}

void Win32Controls::TabCtrlAdjustRect(pf::WindowHandle tab, int larger, pf::RECT* rect) {
  if (rect == nullptr) return;
  ::RECT real = ToWinRect(*rect);
  ToControl(tab, TCM_ADJUSTRECT, larger ? TRUE : FALSE, reinterpret_cast<LPARAM>(&real));
  *rect = FromWinRect(real);
}

int Win32Controls::ComboBoxAddString(pf::WindowHandle combo, const char16_t* text) {
  return AsInt(ToControl(combo, CB_ADDSTRING, 0, TextParam(text)));
}

int Win32Controls::ComboBoxResetContent(pf::WindowHandle combo) {
  return AsInt(ToControl(combo, CB_RESETCONTENT, 0, 0));
}

int Win32Controls::ComboBoxSetCurSel(pf::WindowHandle combo, int index) {
  return AsInt(ToControl(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

int Win32Controls::ComboBoxGetCurSel(pf::WindowHandle combo) {
  return AsInt(ToControl(combo, CB_GETCURSEL, 0, 0));
}

int Win32Controls::ComboBoxGetCount(pf::WindowHandle combo) {
  return AsInt(ToControl(combo, CB_GETCOUNT, 0, 0));
}

int Win32Controls::ComboBoxSelectString(pf::WindowHandle combo, int start, const char16_t* text) {
  return AsInt(ToControl(combo, CB_SELECTSTRING, static_cast<WPARAM>(start), TextParam(text)));
}

int Win32Controls::ButtonGetCheck(pf::WindowHandle button) {
  return AsInt(ToControl(button, BM_GETCHECK, 0, 0));
}

void Win32Controls::ButtonSetCheck(pf::WindowHandle button, int check) {
  ToControl(button, BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

void Win32Controls::UpDownSetRange32(pf::WindowHandle spin, int low, int high) {
  ToControl(spin, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

void Win32Controls::UpDownGetRange32(pf::WindowHandle spin, int* low, int* high) {
  int first = 0;
  int second = 0;
  ToControl(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&first),
            reinterpret_cast<LPARAM>(&second));
  if (low != nullptr) *low = first;
  if (high != nullptr) *high = second;
}

pf::WindowHandle Win32Controls::UpDownSetBuddy(pf::WindowHandle spin, pf::WindowHandle buddy) {
  return FromHwnd(reinterpret_cast<HWND>(
      ToControl(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(ToHwnd(buddy)), 0)));
}

pf::WindowHandle Win32Controls::UpDownGetBuddy(pf::WindowHandle spin) {
  return FromHwnd(reinterpret_cast<HWND>(ToControl(spin, UDM_GETBUDDY, 0, 0)));
}

int Win32Controls::UpDownSetBase(pf::WindowHandle spin, int base) {
  return AsInt(ToControl(spin, UDM_SETBASE, static_cast<WPARAM>(base), 0));
}

pf::IconHandle Win32Controls::StaticSetIcon(pf::WindowHandle control, pf::IconHandle icon) {
  return FromHicon(reinterpret_cast<HICON>(
      ToControl(control, STM_SETICON, reinterpret_cast<WPARAM>(ToHicon(icon)), 0)));
}

}  // namespace pf::win32
