// Windows and controls service: windows, messages, and typed list-view, tab, combo, button, up-down and menu-bar operations.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace pf {

// ---- Message parameters and window procedures -------------------------------

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

using WNDPROC = LRESULT (*)(WindowHandle window, std::uint32_t message, WPARAM wParam,
                            LPARAM lParam);

enum class ImageListHandle : std::uintptr_t {};
enum class CursorHandle : std::uintptr_t {};

constexpr WindowHandle HWND_BROADCAST{0xFFFF};
constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
  return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high) {
  return static_cast<LPARAM>(static_cast<std::uint32_t>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16)));
}
constexpr unsigned LOWORD(std::uintptr_t value) { return static_cast<unsigned>(value & 0xFFFFu); }
constexpr unsigned HIWORD(std::uintptr_t value) {
  return static_cast<unsigned>((value >> 16) & 0xFFFFu);
}

// Messages.
constexpr std::uint32_t WM_CREATE = 0x0001;
constexpr std::uint32_t WM_DESTROY = 0x0002;
constexpr std::uint32_t WM_SIZE = 0x0005;
constexpr std::uint32_t WM_ACTIVATE = 0x0006;
constexpr std::uint32_t WM_PAINT = 0x000F;
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_SETTINGCHANGE = 0x001A;
constexpr std::uint32_t WM_NOTIFY = 0x004E;
constexpr std::uint32_t WM_COMMAND = 0x0111;
constexpr std::uint32_t WM_CTLCOLORSTATIC = 0x0138;
constexpr std::uint32_t WM_PRINTCLIENT = 0x0318;

// Notification codes (NMHDR::code, or the high word of WM_COMMAND's wParam).
constexpr std::uint32_t NM_DBLCLK = 0u - 3u;
constexpr std::uint32_t LVN_ITEMCHANGED = 0u - 101u;
constexpr std::uint32_t TCN_SELCHANGE = 0u - 551u;
constexpr std::uint32_t TCN_SELCHANGING = 0u - 552u;
constexpr unsigned BN_CLICKED = 0;
constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned EN_CHANGE = 0x0300;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Window styles.
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t CS_VREDRAW = 0x0001;
constexpr std::uint32_t CS_HREDRAW = 0x0002;

// Control styles.
constexpr std::uint32_t SS_ICON = 0x0003;
constexpr std::uint32_t SS_LEFTNOWORDWRAP = 0x000C;
constexpr std::uint32_t BS_AUTOCHECKBOX = 0x0003;
constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr std::uint32_t ES_NUMBER = 0x2000;
constexpr std::uint32_t CBS_DROPDOWNLIST = 0x0003;
constexpr std::uint32_t LVS_REPORT = 0x0001;
constexpr std::uint32_t LVS_SINGLESEL = 0x0004;
constexpr std::uint32_t LVS_SHOWSELALWAYS = 0x0008;
constexpr std::uint32_t LVS_SHAREIMAGELISTS = 0x0040;
constexpr std::uint32_t LVS_NOCOLUMNHEADER = 0x4000;
constexpr std::uint32_t TCS_BOTTOM = 0x0002;
constexpr std::uint32_t UDS_SETBUDDYINT = 0x0002;
constexpr std::uint32_t UDS_ALIGNRIGHT = 0x0004;
constexpr std::uint32_t UDS_AUTOBUDDY = 0x0010;
constexpr std::uint32_t UDS_ARROWKEYS = 0x0020;
constexpr std::uint32_t UDS_NOTHOUSANDS = 0x0080;

// Control class names.
constexpr const char16_t* WC_STATIC = u"STATIC";
constexpr const char16_t* WC_BUTTON = u"BUTTON";
constexpr const char16_t* WC_EDIT = u"EDIT";
constexpr const char16_t* WC_COMBOBOX = u"COMBOBOX";
constexpr const char16_t* WC_LISTVIEW = u"SysListView32";
constexpr const char16_t* WC_TABCONTROL = u"SysTabControl32";
constexpr const char16_t* UPDOWN_CLASS = u"msctls_updown32";

// ShowWindow commands and SetWindowPos flags.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;
constexpr std::uint32_t SWP_NOSIZE = 0x0001;
constexpr std::uint32_t SWP_NOMOVE = 0x0002;
constexpr std::uint32_t SWP_NOZORDER = 0x0004;
constexpr std::uint32_t SWP_NOACTIVATE = 0x0010;

// System metrics, colours, cursors.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_GRAYTEXT = 17;
constexpr std::uintptr_t IDC_ARROW = 32512;
constexpr std::uintptr_t IDC_WAIT = 32514;

// ---- Records -----------------------------------------------------------------

struct WNDCLASSW {
  std::uint32_t style = 0;
  WNDPROC lpfnWndProc = nullptr;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  ModuleHandle hInstance{};
  IconHandle hIcon{};
  CursorHandle hCursor{};
  std::uintptr_t hbrBackground = 0;  // a brush, or a system colour index + 1
  const char16_t* lpszMenuName = nullptr;
  const char16_t* lpszClassName = nullptr;
};

struct MSG {
  WindowHandle hwnd{};
  std::uint32_t message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::uint32_t time = 0;
  POINT pt;
};

// WM_NOTIFY's lParam points to one of these (the header first).
struct NMHDR {
  WindowHandle hwndFrom{};
  std::uintptr_t idFrom = 0;
  std::uint32_t code = 0;
};

struct NMLISTVIEW {
  NMHDR hdr;
  int iItem = -1;
  int iSubItem = 0;
  std::uint32_t uNewState = 0;
  std::uint32_t uOldState = 0;
  std::uint32_t uChanged = 0;
  POINT ptAction;
  LPARAM lParam = 0;
};

struct NMITEMACTIVATE {
  NMHDR hdr;
  int iItem = -1;
  int iSubItem = 0;
  std::uint32_t uNewState = 0;
  std::uint32_t uOldState = 0;
  std::uint32_t uChanged = 0;
  POINT ptAction;
  LPARAM lParam = 0;
  std::uint32_t uKeyFlags = 0;
};

// List-view items and columns.
constexpr std::uint32_t LVIF_TEXT = 0x0001;
constexpr std::uint32_t LVIF_IMAGE = 0x0002;
constexpr std::uint32_t LVIF_PARAM = 0x0004;
constexpr std::uint32_t LVIF_STATE = 0x0008;
constexpr std::uint32_t LVIS_FOCUSED = 0x0001;
constexpr std::uint32_t LVIS_SELECTED = 0x0002;
constexpr std::uint32_t LVIS_STATEIMAGEMASK = 0xF000;
constexpr std::uint32_t INDEXTOSTATEIMAGEMASK(unsigned index) { return index << 12; }
constexpr std::uint32_t LVCF_WIDTH = 0x0002;
constexpr std::uint32_t LVCF_TEXT = 0x0004;
constexpr int LVSCW_AUTOSIZE = -1;
constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;
constexpr std::uint32_t LVS_EX_CHECKBOXES = 0x0004;
constexpr std::uint32_t LVS_EX_FULLROWSELECT = 0x0020;
constexpr int LVSIL_SMALL = 1;

struct LVITEMW {
  std::uint32_t mask = 0;
  int iItem = 0;
  int iSubItem = 0;
  std::uint32_t state = 0;
  std::uint32_t stateMask = 0;
  char16_t* pszText = nullptr;  // set: the text; get: the buffer of cchTextMax units
  int cchTextMax = 0;
  int iImage = 0;
  LPARAM lParam = 0;
};

struct LVCOLUMNW {
  std::uint32_t mask = 0;
  int fmt = 0;
  int cx = 0;
  char16_t* pszText = nullptr;
  int cchTextMax = 0;
  int iSubItem = 0;
};

// A list sort's comparison: the two items' params and the caller's value.
using PFNLVCOMPARE = int (*)(LPARAM item1, LPARAM item2, LPARAM sortParam);

// Tab items.
constexpr std::uint32_t TCIF_TEXT = 0x0001;
struct TCITEMW {
  std::uint32_t mask = 0;
  std::uint32_t dwState = 0;
  std::uint32_t dwStateMask = 0;
  char16_t* pszText = nullptr;
  int cchTextMax = 0;
  int iImage = -1;
  LPARAM lParam = 0;
};

constexpr int CB_ERR = -1;
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

// The soft-key menu bar and the shell's activation helpers.
struct SHMENUBARINFO {
  std::uint32_t cbSize = 0;
  WindowHandle hwndParent{};
  std::uint32_t dwFlags = 0;
  std::uint32_t nToolBarId = 0;
  ModuleHandle hInstRes{};
  int nBmpId = 0;
  int cBmpImages = 0;
  WindowHandle hwndMB{};  // out: the bar
  COLORREF clrBk = 0;
};

constexpr std::uint32_t TBIF_TEXT = 0x0002;
constexpr std::uint32_t TBIF_COMMAND = 0x0020;
struct TBBUTTONINFOW {
  std::uint32_t cbSize = 0;
  std::uint32_t dwMask = 0;
  int idCommand = 0;
  int iImage = 0;
  std::uint8_t fsState = 0;
  std::uint8_t fsStyle = 0;
  std::uint16_t cx = 0;
  std::uintptr_t lParam = 0;
  char16_t* pszText = nullptr;
  int cchText = 0;
};

struct SHACTIVATEINFO {
  std::uint32_t cbSize = 0;
  WindowHandle hwndLastFocus{};
  std::uint32_t flags = 0;  // fSipUp, fSipOnDeactivation, ...
};

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
  virtual int GetWindowRect(WindowHandle window, RECT* rect) = 0;
  virtual int GetClientRect(WindowHandle window, RECT* rect) = 0;
  // Converts points from one window's client coordinates to another's (null: the screen).
  virtual int MapWindowPoints(WindowHandle from, WindowHandle to, POINT* points,
                              unsigned count) = 0;
  virtual int SetWindowTextW(WindowHandle window, const char16_t* text) = 0;
  // Copies at most capacity - 1 units and terminates; returns the units copied.
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
inline int GetWindowRect(WindowHandle w, RECT* r) { return Controls().GetWindowRect(w, r); }
inline int GetClientRect(WindowHandle w, RECT* r) { return Controls().GetClientRect(w, r); }
inline int MapWindowPoints(WindowHandle from, WindowHandle to, POINT* points, unsigned count) {
  return Controls().MapWindowPoints(from, to, points, count);
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
