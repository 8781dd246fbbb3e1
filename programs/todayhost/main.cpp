// todayhost: a desktop stand-in for the Today shell that loads Today items from the registry.
#include <cstdio>
#include <cwchar>
#include <string>

#include "programs/todayhost/todayhost.h"

#include <objbase.h>
#include <shellapi.h>

namespace todayhost {

Host& TheHost() {
  static Host host;
  return host;
}

void Say(const std::wstring& line) {
  const std::wstring text = line + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], size,
                        nullptr, nullptr);
  }
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

namespace {

constexpr const wchar_t* kClassName = L"OstrelTodayHost";
constexpr UINT_PTR kScreenshotTimer = 10;
constexpr UINT_PTR kExitTimer = 11;

constexpr const char* kUsage =
    "usage: todayhost [--size WxH] [--script SCRIPT] [--screenshot FILE.png [--after MS]]\n"
    "                 [--exit-after MS]\n"
    "  SCRIPT is ';'-separated, played on the first item: tap X Y | dtap X Y | down X Y |\n"
    "  move X Y | up X Y | hold X Y | menu ID | key left|right|up|down | select | deselect |\n"
    "  tick [N] | query | options | wait MS | exit (X Y in the item's pixels).\n";

bool ParseSize(const wchar_t* text, int* width, int* height) {
  wchar_t* end = nullptr;
  long w = std::wcstol(text, &end, 10);
  if (end == text || *end != L'x') return false;
  const wchar_t* rest = end + 1;
  long h = std::wcstol(rest, &end, 10);
  if (end == rest || *end != 0 || w < 16 || h < 16 || w > 4000 || h > 4000) return false;
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  return true;
}

bool ParseMs(const wchar_t* text, int* ms) {
  wchar_t* end = nullptr;
  long v = std::wcstol(text, &end, 10);
  if (end == text || *end != 0 || v < 0 || v > 3600000) return false;
  *ms = static_cast<int>(v);
  return true;
}

bool CheckScript(const wchar_t* text, Options* options) {
  std::vector<ScriptEvent> events;
  std::wstring error;
  if (!ParseScript(text, &events, &error)) {
    std::fprintf(stderr, "todayhost: --script: %ls\n", error.c_str());
    return false;
  }
  options->script = text;
  return true;
}

// Returns false (after one line on stderr) for a bad command line.
bool ParseOptions(int argc, wchar_t** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    std::wstring arg = argv[i];
    bool hasValue = i + 1 < argc;
    bool ok = hasValue;
    if (arg == L"--size" && hasValue) ok = ParseSize(argv[++i], &options->width, &options->height);
    else if (arg == L"--screenshot" && hasValue) options->screenshot = argv[++i];
    else if (arg == L"--after" && hasValue) ok = ParseMs(argv[++i], &options->screenshotAfterMs);
    else if (arg == L"--exit-after" && hasValue) ok = ParseMs(argv[++i], &options->exitAfterMs);
    else if (arg == L"--script" && hasValue) ok = CheckScript(argv[++i], options);
    else ok = false;
    if (!ok) {
      std::fprintf(stderr, "todayhost: bad argument '%ls'\n%s", arg.c_str(), kUsage);
      return false;
    }
  }
  return true;
}

void CALLBACK OnScreenshotTimer(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  Host& host = TheHost();
  if (SaveScreenshot(host, host.options.screenshot)) {
    Say(L"todayhost: screenshot written to " + host.options.screenshot);
  } else {
    std::fprintf(stderr, "todayhost: could not write the screenshot %ls\n", host.options.screenshot.c_str());
  }
}

void CALLBACK OnExitTimer(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  DestroyWindow(window);
}

// The device's screen is the host's client area: the items and the programs
// they start take its size for the screen's (see the Win32 controls layer).
void DeclareDeviceScreen(const Options& options) {
  const std::wstring size = std::to_wstring(options.width) + L"x" + std::to_wstring(options.height);
  SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", size.c_str());
}

HWND CreateHostWindow(HINSTANCE instance, const Options& options) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = HostWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kClassName;
  if (!RegisterClassW(&wc)) return nullptr;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, options.width, options.height};
  AdjustWindowRect(&frame, style, FALSE);
  return CreateWindowExW(0, kClassName, L"Today", style, CW_USEDEFAULT, CW_USEDEFAULT,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
}

int Run(HINSTANCE instance, const Options& options) {
  Host& host = TheHost();
  host.options = options;
  HWND window = CreateHostWindow(instance, options);
  if (window == nullptr) {
    std::fprintf(stderr, "todayhost: could not create the window\n");
    return 1;
  }
  HDC screen = GetDC(nullptr);
  host.headerHeight = 24 * GetDeviceCaps(screen, LOGPIXELSY) / 96;
  ReleaseDC(nullptr, screen);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  DeclareDeviceScreen(options);
  CreateItems(host);
  ReportItems(host);
  if (!options.script.empty()) {
    std::vector<ScriptEvent> events;
    std::wstring error;
    ParseScript(options.script, &events, &error);
    StartScript(host, events);
  }
  if (!options.screenshot.empty()) SetTimer(window, kScreenshotTimer, options.screenshotAfterMs, OnScreenshotTimer);
  if (options.exitAfterMs > 0) SetTimer(window, kExitTimer, options.exitAfterMs, OnExitTimer);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace
}  // namespace todayhost

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  todayhost::Options options;
  if (argv == nullptr || !todayhost::ParseOptions(argc, argv, &options)) return 2;
  LocalFree(argv);
  SetProcessDPIAware();
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int code = todayhost::Run(GetModuleHandleW(nullptr), options);
  CoUninitialize();
  return code;
}
