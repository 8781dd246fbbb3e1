// The Today item library's entry: the module entry and the two ordinal exports, forwarded to the portable item code.
#include "plugin/item_window.h"

#include "platform/win32/win32.h"

namespace {

using pf::win32::FromHmodule;
using pf::win32::FromHwnd;
using pf::win32::ToHwnd;

}  // namespace

// Attach registers the item's window class; when that fails the library
// does not load. Detach removes the class. Threads are of no concern.
extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      return ostrel::AttachModule(FromHmodule(module)) ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
      ostrel::DetachModule();
      return TRUE;
    default:
      return TRUE;
  }
}

// Ordinal 240: the shell's item record (declared field for field in
// platform/today.h) and the Today window; returns the item window.
extern "C" HWND WINAPI InitializeCustomItem(pf::TODAYLISTITEM* item, HWND parent) {
  return ToHwnd(ostrel::InitializeCustomItem(item, FromHwnd(parent)));
}

// Ordinal 241: the options dialog's procedure (a DLGPROC).
extern "C" INT_PTR CALLBACK CustomItemOptionsDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
  return ostrel::CustomItemOptionsDlgProc(FromHwnd(dialog), message, wParam, lParam);
}
