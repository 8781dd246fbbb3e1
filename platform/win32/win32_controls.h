// The real windows and common controls behind pf::ControlsService, and the real window procedure through which ours are reached.
#pragma once

#include "platform/win32/win32.h"

#include <commctrl.h>

namespace pf::win32 {

// Our window procedure of a class registered through this layer; null for
// classes of others (the common controls, the desktop's own).
pf::WNDPROC ProcedureOfClass(HWND window);

// The real procedure of every class registered through this layer: finds
// our procedure by the window's class and hands it the message, WM_NOTIFY
// with our notification records. The desktop window manager's own messages,
// which the device never sends to a window procedure, go to DefWindowProcW.
LRESULT CALLBACK ClassTrampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The real WM_NOTIFY record as ours, handed to our procedure.
LRESULT DeliverNotify(pf::WNDPROC procedure, HWND window, WPARAM wParam, const ::NMHDR* header);

class Win32Controls : public pf::ControlsService {
 public:
  // Windows (platform/win32/controls.cpp).
  std::uint16_t RegisterClassW(const pf::WNDCLASSW* windowClass) override;
  pf::WindowHandle CreateWindowExW(std::uint32_t exStyle, const char16_t* className,
                                   const char16_t* windowName, std::uint32_t style, int x, int y,
                                   int width, int height, pf::WindowHandle parent,
                                   std::uintptr_t menuOrId, pf::ModuleHandle instance,
                                   void* param) override;
  int DestroyWindow(pf::WindowHandle window) override;
  int IsWindow(pf::WindowHandle window) override;
  int ShowWindow(pf::WindowHandle window, int command) override;
  int UpdateWindow(pf::WindowHandle window) override;
  int EnableWindow(pf::WindowHandle window, int enable) override;
  int IsWindowVisible(pf::WindowHandle window) override;
  int IsWindowEnabled(pf::WindowHandle window) override;
  int MoveWindow(pf::WindowHandle window, int x, int y, int width, int height,
                 int repaint) override;
  int SetWindowPos(pf::WindowHandle window, pf::WindowHandle insertAfter, int x, int y, int cx,
                   int cy, std::uint32_t flags) override;
  int SetWindowTextW(pf::WindowHandle window, const char16_t* text) override;
  int GetWindowTextW(pf::WindowHandle window, char16_t* buffer, int capacity) override;
  pf::WindowHandle GetDlgItem(pf::WindowHandle parent, int id) override;
  int GetDlgCtrlID(pf::WindowHandle window) override;
  void SetWindowFont(pf::WindowHandle window, pf::FontHandle font, int redraw) override;
  pf::WindowHandle FindWindowW(const char16_t* className, const char16_t* windowName) override;
  int SetForegroundWindow(pf::WindowHandle window) override;
  pf::IconHandle LoadIconW(pf::ModuleHandle instance, std::uintptr_t resourceId) override;
  pf::CursorHandle LoadCursorW(pf::ModuleHandle instance, std::uintptr_t resourceId) override;
  pf::CursorHandle SetCursor(pf::CursorHandle cursor) override;
  int GetSystemMetrics(int index) override;

  // Messages and the message loop (platform/win32/control_messages.cpp).
  pf::LRESULT SendMessageW(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam,
                           pf::LPARAM lParam) override;
  int PostMessageW(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam,
                   pf::LPARAM lParam) override;
  pf::LRESULT DefWindowProcW(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam,
                             pf::LPARAM lParam) override;
  void PostQuitMessage(int exitCode) override;
  int GetMessageW(pf::MSG* msg, pf::WindowHandle window, std::uint32_t filterMin,
                  std::uint32_t filterMax) override;
  int TranslateMessage(const pf::MSG* msg) override;
  pf::LRESULT DispatchMessageW(const pf::MSG* msg) override;
  int MessageBoxW(pf::WindowHandle owner, const char16_t* text, const char16_t* caption,
                  std::uint32_t type) override;

  // Control libraries and the shell's helpers (platform/win32/menu_bar.cpp).
  int InitCommonControls() override;
  int SHInitExtraControls() override;
  int SHCreateMenuBar(pf::SHMENUBARINFO* info) override;
  int ToolBarSetButtonInfo(pf::WindowHandle bar, int command,
                           const pf::TBBUTTONINFOW* info) override;
  int SHHandleWMActivate(pf::WindowHandle window, pf::WPARAM wParam, pf::LPARAM lParam,
                         pf::SHACTIVATEINFO* info, std::uint32_t flags) override;
  int SHHandleWMSettingChange(pf::WindowHandle window, pf::WPARAM wParam, pf::LPARAM lParam,
                              pf::SHACTIVATEINFO* info) override;

  // List view (platform/win32/control_lists.cpp).
  int ListViewInsertItem(pf::WindowHandle list, const pf::LVITEMW* item) override;
  int ListViewSetItem(pf::WindowHandle list, const pf::LVITEMW* item) override;
  int ListViewGetItem(pf::WindowHandle list, pf::LVITEMW* item) override;
  void ListViewSetItemText(pf::WindowHandle list, int item, int subItem,
                           const char16_t* text) override;
  void ListViewGetItemText(pf::WindowHandle list, int item, int subItem, char16_t* buffer,
                           int capacity) override;
  void ListViewSetItemState(pf::WindowHandle list, int item, std::uint32_t state,
                            std::uint32_t mask) override;
  std::uint32_t ListViewGetItemState(pf::WindowHandle list, int item, std::uint32_t mask) override;
  int ListViewDeleteItem(pf::WindowHandle list, int item) override;
  int ListViewDeleteAllItems(pf::WindowHandle list) override;
  int ListViewGetItemCount(pf::WindowHandle list) override;
  int ListViewInsertColumn(pf::WindowHandle list, int column, const pf::LVCOLUMNW* info) override;
  int ListViewSetColumnWidth(pf::WindowHandle list, int column, int width) override;
  int ListViewGetColumnWidth(pf::WindowHandle list, int column) override;
  int ListViewSortItems(pf::WindowHandle list, pf::PFNLVCOMPARE compare,
                        pf::LPARAM sortParam) override;
  int ListViewEnsureVisible(pf::WindowHandle list, int item, int partialOk) override;
  std::uint32_t ListViewSetExtendedStyle(pf::WindowHandle list, std::uint32_t exStyle) override;
  pf::ImageListHandle ListViewSetImageList(pf::WindowHandle list, pf::ImageListHandle images,
                                           int which) override;

  // Tab, combo box, check box, up-down and static (platform/win32/control_kinds.cpp).
  int TabCtrlInsertItem(pf::WindowHandle tab, int index, const pf::TCITEMW* item) override;
  int TabCtrlGetCurSel(pf::WindowHandle tab) override;
  int TabCtrlSetCurSel(pf::WindowHandle tab, int index) override;
  void TabCtrlAdjustRect(pf::WindowHandle tab, int larger, pf::RECT* rect) override;
  int ComboBoxAddString(pf::WindowHandle combo, const char16_t* text) override;
  int ComboBoxResetContent(pf::WindowHandle combo) override;
  int ComboBoxSetCurSel(pf::WindowHandle combo, int index) override;
  int ComboBoxGetCurSel(pf::WindowHandle combo) override;
  int ComboBoxGetCount(pf::WindowHandle combo) override;
  int ComboBoxSelectString(pf::WindowHandle combo, int start, const char16_t* text) override;
  int ButtonGetCheck(pf::WindowHandle button) override;
  void ButtonSetCheck(pf::WindowHandle button, int check) override;
  void UpDownSetRange32(pf::WindowHandle spin, int low, int high) override;
  void UpDownGetRange32(pf::WindowHandle spin, int* low, int* high) override;
  pf::WindowHandle UpDownSetBuddy(pf::WindowHandle spin, pf::WindowHandle buddy) override;
  pf::WindowHandle UpDownGetBuddy(pf::WindowHandle spin) override;
  int UpDownSetBase(pf::WindowHandle spin, int base) override;
  pf::IconHandle StaticSetIcon(pf::WindowHandle control, pf::IconHandle icon) override;
};

Win32Controls& Win32ControlsService();

// A message to a control, with the real handle.
inline LRESULT ToControl(pf::WindowHandle control, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(ToHwnd(control), message, wParam, lParam);
}

}  // namespace pf::win32
