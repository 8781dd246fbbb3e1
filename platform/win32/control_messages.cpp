// Messages to our windows: the class trampoline, WM_NOTIFY records translated to ours, sending and posting, and the message loop.
#include "platform/win32/win32_controls.h"

#include <cstddef>

namespace pf::win32 {

static_assert(sizeof(pf::NMHDR) == sizeof(::NMHDR) &&
                  offsetof(pf::NMHDR, code) == offsetof(::NMHDR, code),
              "notification headers of the same layout");
static_assert(sizeof(pf::WPARAM) == sizeof(WPARAM) && sizeof(pf::LPARAM) == sizeof(LPARAM) &&
                  sizeof(pf::LRESULT) == sizeof(LRESULT),
              "message parameters of the platform's size");

namespace {

// Messages of the desktop's window manager that the device never sends to a
// window procedure (non-client area, cursor, activation by the mouse, window
// texts, printing, menus of the system, session end). Our procedures were
// written for the device and answer unknown messages with 0, which here
// would fail creation (WM_NCCREATE) or break hit-testing and printing, so
// these keep the platform's default handling.
bool IsWindowManagerMessage(UINT message) {
  switch (message) {
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_QUERYENDSESSION:
    case WM_QUERYOPEN:
    case WM_SETCURSOR:
    case WM_MOUSEACTIVATE:
    case WM_GETMINMAXINFO:
    case WM_GETOBJECT:
    case WM_GETICON:
    case WM_SETICON:
    case WM_SYSCOMMAND:
    case WM_CHANGEUISTATE:
    case WM_UPDATEUISTATE:
    case WM_QUERYUISTATE:
    case WM_NCMOUSEHOVER:
    case WM_NCMOUSELEAVE:
    case WM_PRINT:
      return true;
    default:
      // WM_NCCREATE .. WM_SYNCPAINT and the non-client mouse messages.
      return (message >= WM_NCCREATE && message <= WM_SYNCPAINT) ||
             (message >= WM_NCMOUSEMOVE && message <= 0x00AF);
  }
}

bool IsListView(HWND window) {
  wchar_t name[32] = {};
  return window != nullptr && ::GetClassNameW(window, name, 32) > 0 &&
         ::lstrcmpiW(name, WC_LISTVIEWW) == 0;
}

// List-view notifications whose record is NMLISTVIEW.
bool CarriesListView(UINT code) {
  switch (code) {
    case LVN_ITEMCHANGING:
    case LVN_ITEMCHANGED:
    case LVN_INSERTITEM:
    case LVN_DELETEITEM:
    case LVN_DELETEALLITEMS:
    case LVN_COLUMNCLICK:
    case LVN_BEGINDRAG:
    case LVN_BEGINRDRAG:
      return true;
    default:
      return false;
  }
}

// Clicks on a list view, whose record is NMITEMACTIVATE.
bool CarriesActivation(UINT code) {
  return code == NM_CLICK || code == NM_DBLCLK || code == NM_RCLICK || code == NM_RDBLCLK ||
         code == LVN_ITEMACTIVATE;
}

pf::NMHDR HeaderOf(const ::NMHDR& real) {
  pf::NMHDR ours;
  ours.hwndFrom = FromHwnd(real.hwndFrom);
  ours.idFrom = real.idFrom;
  ours.code = real.code;
  return ours;
}

template <typename Ours, typename Real>
void CopyItemFields(const Real& real, Ours* ours) {
  ours->iItem = real.iItem;
  ours->iSubItem = real.iSubItem;
  ours->uNewState = real.uNewState;
  ours->uOldState = real.uOldState;
  ours->uChanged = real.uChanged;
  ours->ptAction.x = real.ptAction.x;
  ours->ptAction.y = real.ptAction.y;
  ours->lParam = real.lParam;
}

pf::LPARAM AsParam(void* record) { return reinterpret_cast<pf::LPARAM>(record); }

pf::MSG FromRealMsg(const ::MSG& real) {
  pf::MSG ours;
  ours.hwnd = FromHwnd(real.hwnd);
  ours.message = real.message;
  ours.wParam = real.wParam;
  ours.lParam = real.lParam;
  ours.time = real.time;
  ours.pt.x = real.pt.x;
  ours.pt.y = real.pt.y;
  return ours;
}

::MSG ToRealMsg(const pf::MSG& ours) {
  ::MSG real{};
  real.hwnd = ToHwnd(ours.hwnd);
  real.message = ours.message;
  real.wParam = ours.wParam;
  real.lParam = ours.lParam;
  real.time = ours.time;
  real.pt.x = ours.pt.x;
  real.pt.y = ours.pt.y;
  return real;
}

}  // namespace

LRESULT DeliverNotify(pf::WNDPROC procedure, HWND window, WPARAM wParam, const ::NMHDR* header) {
  const pf::WindowHandle ours = FromHwnd(window);
  if (header == nullptr) return procedure(ours, WM_NOTIFY, wParam, 0);
  if (IsListView(header->hwndFrom) && CarriesListView(header->code)) {
    pf::NMLISTVIEW record;
    record.hdr = HeaderOf(*header);
    CopyItemFields(*reinterpret_cast<const ::NMLISTVIEW*>(header), &record);
    return procedure(ours, WM_NOTIFY, wParam, AsParam(&record));
  }
  if (IsListView(header->hwndFrom) && CarriesActivation(header->code)) {
    const auto& real = *reinterpret_cast<const ::NMITEMACTIVATE*>(header);
    pf::NMITEMACTIVATE record;
    record.hdr = HeaderOf(*header);
    CopyItemFields(real, &record);
    record.uKeyFlags = real.uKeyFlags;
    return procedure(ours, WM_NOTIFY, wParam, AsParam(&record));
  }
  if (IsListView(header->hwndFrom) && header->code == LVN_GETDISPINFOW) {
    // The list asks for an item's image (a row stored with I_IMAGECALLBACK):
    // our procedure answers in our record, the answer goes back in the real one.
    auto& real = *reinterpret_cast<::NMLVDISPINFOW*>(const_cast<::NMHDR*>(header));
    pf::NMLVDISPINFOW record;
    record.hdr = HeaderOf(*header);
    record.item.mask = real.item.mask;
    record.item.iItem = real.item.iItem;
    record.item.iSubItem = real.item.iSubItem;
    record.item.iImage = real.item.iImage;
    record.item.lParam = real.item.lParam;
    const LRESULT result = procedure(ours, WM_NOTIFY, wParam, AsParam(&record));
    if (real.item.mask & LVIF_IMAGE) real.item.iImage = record.item.iImage;
    return result;
  }
  pf::NMHDR record = HeaderOf(*header);
  return procedure(ours, WM_NOTIFY, wParam, AsParam(&record));
}

LRESULT CALLBACK ClassTrampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const pf::WNDPROC procedure = ProcedureOfClass(window);
  if (procedure == nullptr || IsWindowManagerMessage(message)) {
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NOTIFY) {
    return DeliverNotify(procedure, window, wParam, reinterpret_cast<const ::NMHDR*>(lParam));
  }
  return procedure(FromHwnd(window), message, wParam, lParam);
}

pf::LRESULT Win32Controls::SendMessageW(pf::WindowHandle window, std::uint32_t message,
                                        pf::WPARAM wParam, pf::LPARAM lParam) {
  return ::SendMessageW(ToHwnd(window), message, wParam, lParam);
}

// The desktop takes some system messages (WM_SETTINGCHANGE among them) only
// synchronously, even when they carry no pointer; the device posts them.
// Such a message without a pointer is delivered at once instead, each window
// given a few seconds (a hung one is passed over).
int Win32Controls::PostMessageW(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam,
                                pf::LPARAM lParam) {
  if (::PostMessageW(ToHwnd(window), message, wParam, lParam)) return 1;
#ifndef UNDER_CE
  if (::GetLastError() == ERROR_MESSAGE_SYNC_ONLY && lParam == 0) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(ToHwnd(window), message, wParam, 0, SMTO_ABORTIFHUNG, 5000,
                                 &result) != 0
               ? 1
               : 0;
  }
#endif
  return 0;
}

pf::LRESULT Win32Controls::DefWindowProcW(pf::WindowHandle window, std::uint32_t message,
                                          pf::WPARAM wParam, pf::LPARAM lParam) {
  return ::DefWindowProcW(ToHwnd(window), message, wParam, lParam);
}

int Win32Controls::MessageBoxW(pf::WindowHandle owner, const char16_t* text, const char16_t* caption,
                               std::uint32_t type) {
  return ::MessageBoxW(ToHwnd(owner), W(text), W(caption), type);
}

void Win32Controls::PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

int Win32Controls::GetMessageW(pf::MSG* msg, pf::WindowHandle window, std::uint32_t filterMin,
                               std::uint32_t filterMax) {
  if (msg == nullptr) return -1;
  ::MSG real{};
  const BOOL result = ::GetMessageW(&real, ToHwnd(window), filterMin, filterMax);
  if (result != -1) *msg = FromRealMsg(real);
  return result;
}

int Win32Controls::TranslateMessage(const pf::MSG* msg) {
  if (msg == nullptr) return 0;
  const ::MSG real = ToRealMsg(*msg);
  return ::TranslateMessage(&real) ? 1 : 0;
}

pf::LRESULT Win32Controls::DispatchMessageW(const pf::MSG* msg) {
  if (msg == nullptr) return 0;
  const ::MSG real = ToRealMsg(*msg);
  return ::DispatchMessageW(&real);
}

}  // namespace pf::win32
