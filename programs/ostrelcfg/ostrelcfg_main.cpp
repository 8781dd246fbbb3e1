// The settings program's entry: WinMain hands the module and the show command to the portable start-up.
#include "config/config.h"

#include "platform/win32/win32.h"

#include <objbase.h>

// The file icons of the browser come from the shell, which wants COM on the
// calling thread. The exit code is the portable start-up's: 0 for a second
// instance or a window that could not be made, else the quit message's.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int exitCode = ostrel::cfg::SettingsProgramMain(pf::win32::FromHmodule(instance), showCommand);
  if (SUCCEEDED(com)) ::CoUninitialize();
  return exitCode;
}
