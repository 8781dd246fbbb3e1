// Records and constants of windows and controls: message parameters, messages and notifications, styles, and the records the controls service exchanges.
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
constexpr std::uint32_t WM_SETREDRAW = 0x000B;
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
constexpr std::uint32_t LVN_GETDISPINFOW = 0u - 177u;
constexpr std::uint32_t TCN_SELCHANGE = 0u - 551u;
constexpr std::uint32_t TCN_SELCHANGING = 0u - 552u;
constexpr unsigned BN_CLICKED = 0;
constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned EN_CHANGE = 0x0300;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Message boxes.
constexpr std::uint32_t MB_OK = 0x00000000;
constexpr std::uint32_t MB_ICONERROR = 0x00000010;

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

// SetWindowPos flags.
constexpr std::uint32_t SWP_NOSIZE = 0x0001;
constexpr std::uint32_t SWP_NOMOVE = 0x0002;
constexpr std::uint32_t SWP_NOZORDER = 0x0004;
constexpr std::uint32_t SWP_NOACTIVATE = 0x0010;

// System metrics, colors, cursors.
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
  std::uintptr_t hbrBackground = 0;  // a brush, or a system color index + 1
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
// An item stored with this image has none of its own: whoever reads the
// image gets what the parent answers to LVN_GETDISPINFOW.
constexpr int I_IMAGECALLBACK = -1;

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
// LVN_GETDISPINFOW's record: item.mask says what the list asks for; the
// parent fills it in.
struct NMLVDISPINFOW {
  NMHDR hdr;
  LVITEMW item;
};

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

}  // namespace pf
