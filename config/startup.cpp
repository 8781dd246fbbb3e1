// Start-up and the message loop: one instance only, the window class, the main window fitted above the menu bar.
#include "config/program.h"
#include "platform/controls.h"
#include "platform/window.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

constexpr std::uintptr_t kProgramIcon = 101;

bool RegisterMainClass(ModuleHandle instance) {
  WNDCLASSW windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, kProgramIcon);
  windowClass.hbrBackground = static_cast<std::uintptr_t>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassW(&windowClass) != 0;
}

// The window gives the menu bar its height at the bottom.
void FitAboveMenuBar(WindowHandle window) {
  WindowHandle bar = State().MenuBar;
  if (IsNull(bar)) return;
  RECT windowRect;
  RECT barRect;
  GetWindowRect(window, &windowRect);
  GetWindowRect(bar, &barRect);
  int height = (windowRect.bottom - windowRect.top) - (barRect.bottom - barRect.top);
  MoveWindow(window, windowRect.left, windowRect.top, windowRect.right - windowRect.left, height, 0);
}

}  // namespace

WindowHandle StartSettingsProgram(ModuleHandle instance, int showCommand, int* exitCode) {
  *exitCode = 0;
  SHInitExtraControls();
  WindowHandle running = FindWindowW(kClassName, kWindowTitle);
  if (!IsNull(running)) {
    // One instance only: the running one (and its owned windows) comes to the front.
    SetForegroundWindow(WindowHandle(static_cast<std::uintptr_t>(running) | 1));
    return WindowHandle{};
  }
  if (!RegisterMainClass(instance)) return WindowHandle{};
  State().Instance = instance;
  WindowHandle window = CreateWindowExW(0, kClassName, kWindowTitle, WS_VISIBLE, CW_USEDEFAULT,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                        WindowHandle{}, 0, instance, nullptr);
  if (IsNull(window)) return WindowHandle{};
  FitAboveMenuBar(window);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  return window;
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, WindowHandle{}, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int SettingsProgramMain(ModuleHandle instance, int showCommand) {
  int exitCode = 0;
  if (IsNull(StartSettingsProgram(instance, showCommand, &exitCode))) return exitCode;
  return RunMessageLoop();
}

ViewState CurrentView() {
  const Program& p = State();
  ViewState view;
  view.CurrentTab = p.CurrentTab;
  view.OpenBlock = p.OpenBlock;
  view.OpenEditor = p.OpenEditor;
  return view;
}

WindowHandle MainWindow() {
  WindowHandle main = State().Main;
  return IsWindow(main) ? main : WindowHandle{};
}

}  // namespace ostrel::cfg
