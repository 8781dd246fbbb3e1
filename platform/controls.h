// Windows and controls service: windows, messages, and typed list-view, tab, combo, button, up-down and menu-bar operations.
#pragma once

#include <cstdint>

#include "platform/control_records.h"
#include "platform/types.h"

namespace pf {

// ---- The service -------------------------------------------------------------
//
// Control messages (LVM_*, TCM_*, CB_*, BM_*, UDM_*, STM_*, WM_SETFONT) are
// typed operations here instead of SendMessageW; each is named after the
// platform's macro for the message (ListView_InsertItem, ...). Notifications
// come back to the parent's window procedure as WM_NOTIFY and WM_COMMAND, as
// the real controls send them: a state change of a list item (programmatic or
// by the user) sends LVN_ITEMCHANGED, new text in an edit sends EN_CHANGE.

class ControlsService {
 public:
  virtual ~ControlsService() = default;

  // Windows.
  virtual std::uint16_t RegisterClassW(const WNDCLASSW* windowClass) = 0;
  // menuOrId: a child control's id.
  virtual WindowHandle CreateWindowExW(std::uint32_t exStyle, const char16_t* className,
                                       const char16_t* windowName, std::uint32_t style, int x,
                                       int y, int width, int height, WindowHandle parent,
                                       std::uintptr_t menuOrId, ModuleHandle instance,
                                       void* param) = 0;
  virtual int DestroyWindow(WindowHandle window) = 0;
  virtual int IsWindow(WindowHandle window) = 0;
  virtual int ShowWindow(WindowHandle window, int command) = 0;
  virtual int UpdateWindow(WindowHandle window) = 0;
  virtual int EnableWindow(WindowHandle window, int enable) = 0;
  virtual int IsWindowVisible(WindowHandle window) = 0;
  virtual int IsWindowEnabled(WindowHandle window) = 0;
  virtual int MoveWindow(WindowHandle window, int x, int y, int width, int height,
                         int repaint) = 0;
  virtual int SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                           int cy, std::uint32_t flags) = 0;
  virtual int SetWindowTextW(WindowHandle window, const char16_t* text) = 0;
  // Copies at most capacity - 1 units and terminates; returns the units
  // copied, or -1 (and an empty text) when the text could not be read.
  virtual int GetWindowTextW(WindowHandle window, char16_t* buffer, int capacity) = 0;
  virtual WindowHandle GetDlgItem(WindowHandle parent, int id) = 0;
  virtual int GetDlgCtrlID(WindowHandle window) = 0;
  virtual void SetWindowFont(WindowHandle window, FontHandle font, int redraw) = 0;

  // Messages to windows with a window procedure of ours.
  virtual LRESULT SendMessageW(WindowHandle window, std::uint32_t message, WPARAM wParam,
                               LPARAM lParam) = 0;
  virtual int PostMessageW(WindowHandle window, std::uint32_t message, WPARAM wParam,
                           LPARAM lParam) = 0;
  virtual LRESULT DefWindowProcW(WindowHandle window, std::uint32_t message, WPARAM wParam,
                                 LPARAM lParam) = 0;
  virtual void PostQuitMessage(int exitCode) = 0;
  // > 0: a message; 0: WM_QUIT (its wParam is the exit code); -1: failure.
  virtual int GetMessageW(MSG* msg, WindowHandle window, std::uint32_t filterMin,
                          std::uint32_t filterMax) = 0;
  virtual int TranslateMessage(const MSG* msg) = 0;
  virtual LRESULT DispatchMessageW(const MSG* msg) = 0;
  // A modal message box owned by owner; returns the button that closed it.
  virtual int MessageBoxW(WindowHandle owner, const char16_t* text, const char16_t* caption,
                          std::uint32_t type) = 0;

  // Other instances, resources, cursor, metrics (icons are destroyed with the
  // drawing service's DestroyIcon).
  virtual WindowHandle FindWindowW(const char16_t* className, const char16_t* windowName) = 0;
  virtual int SetForegroundWindow(WindowHandle window) = 0;
  virtual IconHandle LoadIconW(ModuleHandle instance, std::uintptr_t resourceId) = 0;
  virtual CursorHandle LoadCursorW(ModuleHandle instance, std::uintptr_t resourceId) = 0;
  virtual CursorHandle SetCursor(CursorHandle cursor) = 0;
  virtual int GetSystemMetrics(int index) = 0;

  // Control libraries and the shell's window helpers.
  virtual int InitCommonControls() = 0;
  virtual int SHInitExtraControls() = 0;
  virtual int SHCreateMenuBar(SHMENUBARINFO* info) = 0;
  virtual int ToolBarSetButtonInfo(WindowHandle bar, int command, const TBBUTTONINFOW* info) = 0;
  virtual int SHHandleWMActivate(WindowHandle window, WPARAM wParam, LPARAM lParam,
                                 SHACTIVATEINFO* info, std::uint32_t flags) = 0;
  virtual int SHHandleWMSettingChange(WindowHandle window, WPARAM wParam, LPARAM lParam,
                                      SHACTIVATEINFO* info) = 0;

  // List view.
  virtual int ListViewInsertItem(WindowHandle list, const LVITEMW* item) = 0;
  virtual int ListViewSetItem(WindowHandle list, const LVITEMW* item) = 0;
  virtual int ListViewGetItem(WindowHandle list, LVITEMW* item) = 0;
  virtual void ListViewSetItemText(WindowHandle list, int item, int subItem,
                                   const char16_t* text) = 0;
  virtual void ListViewGetItemText(WindowHandle list, int item, int subItem, char16_t* buffer,
                                   int capacity) = 0;
  // item -1: every item.
  virtual void ListViewSetItemState(WindowHandle list, int item, std::uint32_t state,
                                    std::uint32_t mask) = 0;
  virtual std::uint32_t ListViewGetItemState(WindowHandle list, int item, std::uint32_t mask) = 0;
  virtual int ListViewDeleteItem(WindowHandle list, int item) = 0;
  virtual int ListViewDeleteAllItems(WindowHandle list) = 0;
  virtual int ListViewGetItemCount(WindowHandle list) = 0;
  virtual int ListViewInsertColumn(WindowHandle list, int column, const LVCOLUMNW* info) = 0;
  virtual int ListViewSetColumnWidth(WindowHandle list, int column, int width) = 0;
  virtual int ListViewGetColumnWidth(WindowHandle list, int column) = 0;
  virtual int ListViewSortItems(WindowHandle list, PFNLVCOMPARE compare, LPARAM sortParam) = 0;
  virtual int ListViewEnsureVisible(WindowHandle list, int item, int partialOk) = 0;
  virtual std::uint32_t ListViewSetExtendedStyle(WindowHandle list, std::uint32_t exStyle) = 0;
  virtual ImageListHandle ListViewSetImageList(WindowHandle list, ImageListHandle images,
                                               int which) = 0;

  // Tab control.
  virtual int TabCtrlInsertItem(WindowHandle tab, int index, const TCITEMW* item) = 0;
  virtual int TabCtrlGetCurSel(WindowHandle tab) = 0;
  virtual int TabCtrlSetCurSel(WindowHandle tab, int index) = 0;
  virtual void TabCtrlAdjustRect(WindowHandle tab, int larger, RECT* rect) = 0;

  // Combo box (drop-down list).
  virtual int ComboBoxAddString(WindowHandle combo, const char16_t* text) = 0;
  virtual int ComboBoxResetContent(WindowHandle combo) = 0;
  virtual int ComboBoxSetCurSel(WindowHandle combo, int index) = 0;
  virtual int ComboBoxGetCurSel(WindowHandle combo) = 0;
  virtual int ComboBoxGetCount(WindowHandle combo) = 0;
  // The first entry from start + 1 (start -1: from the top) that begins with
  // text, ignoring case, becomes the selection; CB_ERR and no change when none.
  virtual int ComboBoxSelectString(WindowHandle combo, int start, const char16_t* text) = 0;

  // Check box, up-down, static.
  virtual int ButtonGetCheck(WindowHandle button) = 0;
  virtual void ButtonSetCheck(WindowHandle button, int check) = 0;
  virtual void UpDownSetRange32(WindowHandle spin, int low, int high) = 0;
  virtual void UpDownGetRange32(WindowHandle spin, int* low, int* high) = 0;
  virtual WindowHandle UpDownSetBuddy(WindowHandle spin, WindowHandle buddy) = 0;
  virtual WindowHandle UpDownGetBuddy(WindowHandle spin) = 0;
  virtual int UpDownSetBase(WindowHandle spin, int base) = 0;
  virtual IconHandle StaticSetIcon(WindowHandle control, IconHandle icon) = 0;
};

ControlsService& Controls();
void SetControls(ControlsService* service);
ControlsService& PlatformControls();

// ---- The operations under their platform names --------------------------------

inline std::uint16_t RegisterClassW(const WNDCLASSW* c) { return Controls().RegisterClassW(c); }
inline WindowHandle CreateWindowExW(std::uint32_t exStyle, const char16_t* className,
                                    const char16_t* windowName, std::uint32_t style, int x, int y,
                                    int width, int height, WindowHandle parent,
                                    std::uintptr_t menuOrId, ModuleHandle instance, void* param) {
  return Controls().CreateWindowExW(exStyle, className, windowName, style, x, y, width, height,
                                    parent, menuOrId, instance, param);
}
inline int DestroyWindow(WindowHandle w) { return Controls().DestroyWindow(w); }
inline int IsWindow(WindowHandle w) { return Controls().IsWindow(w); }
inline int ShowWindow(WindowHandle w, int command) { return Controls().ShowWindow(w, command); }
inline int UpdateWindow(WindowHandle w) { return Controls().UpdateWindow(w); }
inline int EnableWindow(WindowHandle w, int enable) { return Controls().EnableWindow(w, enable); }
inline int IsWindowVisible(WindowHandle w) { return Controls().IsWindowVisible(w); }
inline int IsWindowEnabled(WindowHandle w) { return Controls().IsWindowEnabled(w); }
inline int MoveWindow(WindowHandle w, int x, int y, int width, int height, int repaint) {
  return Controls().MoveWindow(w, x, y, width, height, repaint);
}
inline int SetWindowPos(WindowHandle w, WindowHandle after, int x, int y, int cx, int cy,
                        std::uint32_t flags) {
  return Controls().SetWindowPos(w, after, x, y, cx, cy, flags);
}
inline int SetWindowTextW(WindowHandle w, const char16_t* text) {
  return Controls().SetWindowTextW(w, text);
}
inline int GetWindowTextW(WindowHandle w, char16_t* buffer, int capacity) {
  return Controls().GetWindowTextW(w, buffer, capacity);
}
inline WindowHandle GetDlgItem(WindowHandle parent, int id) {
  return Controls().GetDlgItem(parent, id);
}
inline int GetDlgCtrlID(WindowHandle w) { return Controls().GetDlgCtrlID(w); }
inline void SetWindowFont(WindowHandle w, FontHandle font, int redraw) {
  Controls().SetWindowFont(w, font, redraw);
}
inline LRESULT SendMessageW(WindowHandle w, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
  return Controls().SendMessageW(w, message, wParam, lParam);
}
inline int PostMessageW(WindowHandle w, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
  return Controls().PostMessageW(w, message, wParam, lParam);
}
inline int MessageBoxW(WindowHandle owner, const char16_t* text, const char16_t* caption, std::uint32_t type) {
  return Controls().MessageBoxW(owner, text, caption, type);
}
inline LRESULT DefWindowProcW(WindowHandle w, std::uint32_t message, WPARAM wParam,
                              LPARAM lParam) {
  return Controls().DefWindowProcW(w, message, wParam, lParam);
}
inline void PostQuitMessage(int exitCode) { Controls().PostQuitMessage(exitCode); }
inline int GetMessageW(MSG* msg, WindowHandle w, std::uint32_t filterMin, std::uint32_t filterMax) {
  return Controls().GetMessageW(msg, w, filterMin, filterMax);
}
inline int TranslateMessage(const MSG* msg) { return Controls().TranslateMessage(msg); }
inline LRESULT DispatchMessageW(const MSG* msg) { return Controls().DispatchMessageW(msg); }
inline WindowHandle FindWindowW(const char16_t* className, const char16_t* windowName) {
  return Controls().FindWindowW(className, windowName);
}
inline int SetForegroundWindow(WindowHandle w) { return Controls().SetForegroundWindow(w); }
inline IconHandle LoadIconW(ModuleHandle instance, std::uintptr_t id) {
  return Controls().LoadIconW(instance, id);
}
inline CursorHandle LoadCursorW(ModuleHandle instance, std::uintptr_t id) {
  return Controls().LoadCursorW(instance, id);
}
inline CursorHandle SetCursor(CursorHandle cursor) { return Controls().SetCursor(cursor); }
inline int GetSystemMetrics(int index) { return Controls().GetSystemMetrics(index); }
inline int InitCommonControls() { return Controls().InitCommonControls(); }
inline int SHInitExtraControls() { return Controls().SHInitExtraControls(); }
inline int SHCreateMenuBar(SHMENUBARINFO* info) { return Controls().SHCreateMenuBar(info); }
inline int ToolBar_SetButtonInfo(WindowHandle bar, int command, const TBBUTTONINFOW* info) {
  return Controls().ToolBarSetButtonInfo(bar, command, info);
}
inline int SHHandleWMActivate(WindowHandle w, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info,
                              std::uint32_t flags) {
  return Controls().SHHandleWMActivate(w, wParam, lParam, info, flags);
}
inline int SHHandleWMSettingChange(WindowHandle w, WPARAM wParam, LPARAM lParam,
                                   SHACTIVATEINFO* info) {
  return Controls().SHHandleWMSettingChange(w, wParam, lParam, info);
}

inline int ListView_InsertItem(WindowHandle l, const LVITEMW* item) {
  return Controls().ListViewInsertItem(l, item);
}
inline int ListView_SetItem(WindowHandle l, const LVITEMW* item) {
  return Controls().ListViewSetItem(l, item);
}
inline int ListView_GetItem(WindowHandle l, LVITEMW* item) {
  return Controls().ListViewGetItem(l, item);
}
inline void ListView_SetItemText(WindowHandle l, int item, int subItem, const char16_t* text) {
  Controls().ListViewSetItemText(l, item, subItem, text);
}
inline void ListView_GetItemText(WindowHandle l, int item, int subItem, char16_t* buffer,
                                 int capacity) {
  Controls().ListViewGetItemText(l, item, subItem, buffer, capacity);
}
inline void ListView_SetItemState(WindowHandle l, int item, std::uint32_t state,
                                  std::uint32_t mask) {
  Controls().ListViewSetItemState(l, item, state, mask);
}
inline std::uint32_t ListView_GetItemState(WindowHandle l, int item, std::uint32_t mask) {
  return Controls().ListViewGetItemState(l, item, mask);
}
inline int ListView_DeleteItem(WindowHandle l, int item) {
  return Controls().ListViewDeleteItem(l, item);
}
inline int ListView_DeleteAllItems(WindowHandle l) { return Controls().ListViewDeleteAllItems(l); }
inline int ListView_GetItemCount(WindowHandle l) { return Controls().ListViewGetItemCount(l); }
inline int ListView_InsertColumn(WindowHandle l, int column, const LVCOLUMNW* info) {
  return Controls().ListViewInsertColumn(l, column, info);
}
inline int ListView_SetColumnWidth(WindowHandle l, int column, int width) {
  return Controls().ListViewSetColumnWidth(l, column, width);
}
inline int ListView_GetColumnWidth(WindowHandle l, int column) {
  return Controls().ListViewGetColumnWidth(l, column);
}
inline int ListView_SortItems(WindowHandle l, PFNLVCOMPARE compare, LPARAM sortParam) {
  return Controls().ListViewSortItems(l, compare, sortParam);
}
inline int ListView_EnsureVisible(WindowHandle l, int item, int partialOk) {
  return Controls().ListViewEnsureVisible(l, item, partialOk);
}
inline std::uint32_t ListView_SetExtendedListViewStyle(WindowHandle l, std::uint32_t exStyle) {
  return Controls().ListViewSetExtendedStyle(l, exStyle);
}
inline ImageListHandle ListView_SetImageList(WindowHandle l, ImageListHandle images, int which) {
  return Controls().ListViewSetImageList(l, images, which);
}
inline int TabCtrl_InsertItem(WindowHandle t, int index, const TCITEMW* item) {
  return Controls().TabCtrlInsertItem(t, index, item);
}
inline int TabCtrl_GetCurSel(WindowHandle t) { return Controls().TabCtrlGetCurSel(t); }
inline int TabCtrl_SetCurSel(WindowHandle t, int index) {
  return Controls().TabCtrlSetCurSel(t, index);
}
inline void TabCtrl_AdjustRect(WindowHandle t, int larger, RECT* rect) {
  Controls().TabCtrlAdjustRect(t, larger, rect);
}
inline int ComboBox_AddString(WindowHandle c, const char16_t* text) {
  return Controls().ComboBoxAddString(c, text);
}
inline int ComboBox_ResetContent(WindowHandle c) { return Controls().ComboBoxResetContent(c); }
inline int ComboBox_SetCurSel(WindowHandle c, int index) {
  return Controls().ComboBoxSetCurSel(c, index);
}
inline int ComboBox_GetCurSel(WindowHandle c) { return Controls().ComboBoxGetCurSel(c); }
inline int ComboBox_GetCount(WindowHandle c) { return Controls().ComboBoxGetCount(c); }
inline int ComboBox_SelectString(WindowHandle c, int start, const char16_t* text) {
  return Controls().ComboBoxSelectString(c, start, text);
}
inline int Button_GetCheck(WindowHandle b) { return Controls().ButtonGetCheck(b); }
inline void Button_SetCheck(WindowHandle b, int check) { Controls().ButtonSetCheck(b, check); }
inline void UpDown_SetRange32(WindowHandle s, int low, int high) {
  Controls().UpDownSetRange32(s, low, high);
}
inline void UpDown_GetRange32(WindowHandle s, int* low, int* high) {
  Controls().UpDownGetRange32(s, low, high);
}
inline WindowHandle UpDown_SetBuddy(WindowHandle s, WindowHandle buddy) {
  return Controls().UpDownSetBuddy(s, buddy);
}
inline WindowHandle UpDown_GetBuddy(WindowHandle s) { return Controls().UpDownGetBuddy(s); }
inline int UpDown_SetBase(WindowHandle s, int base) { return Controls().UpDownSetBase(s, base); }
inline IconHandle Static_SetIcon(WindowHandle s, IconHandle icon) {
  return Controls().StaticSetIcon(s, icon);
}

}  // namespace pf
