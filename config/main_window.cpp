// The main window's procedure: creation, resize, the controls' notifications and commands, close and destroy.

#include "config/control_kit.h"
#include "config/pages.h"
#include "platform/controls.h"
#include "platform/window.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

constexpr std::uint32_t kMenuBarTemplate = 102;
constexpr const char16_t* kSipClass = u"SIPPREF";
constexpr const char16_t* kNoControlsText = u"Не удалось открыть настройки.";

// The button that acts on the selected row of a list of rows: the General
// list's and each block page's edit button, the file browser's Open.
bool RowButtonOf(WindowHandle list, Control* button) {
  if (list == Ctl(GeneralList)) {
    *button = EditButton;
    return true;
  }
  if (list == Ctl(FileList)) {
    *button = OpenButton;
    return true;
  }
  return BlockListButton(list, button);
}

// False when the bar could not be made.
bool CreateMenuBar(WindowHandle window) {
  Program& p = State();
  SHMENUBARINFO bar;
  bar.cbSize = sizeof(bar);
  bar.hwndParent = window;
  bar.nToolBarId = kMenuBarTemplate;
  bar.hInstRes = p.Instance;
  p.MenuBar = SHCreateMenuBar(&bar) ? bar.hwndMB : WindowHandle{};
  if (IsNull(p.MenuBar)) return false;
  TBBUTTONINFOW button;
  button.cbSize = sizeof(button);
  button.dwMask = TBIF_TEXT | TBIF_COMMAND;
  button.idCommand = kCommandCancel;
  button.pszText = const_cast<char16_t*>(u"Отмена");
  ToolBar_SetButtonInfo(p.MenuBar, kCommandCancel, &button);
  return true;
}

// The program cannot start without its controls: taps would land on others.
LRESULT RefuseToStart(WindowHandle window) {
  MessageBoxW(window, kNoControlsText, kWindowTitle, MB_OK | MB_ICONERROR);
  return -1;
}

void FillLists(const Frame& frame) {
  FillGeneralList(frame);
  FillPagesList(frame);
  FillBlockLists(frame);
  FillLauncherLists(frame);
  PrepareFileList(frame);
  FillFaceNames();
}

LRESULT OnCreate(WindowHandle window) {
  Program& p = State();
  ModuleHandle instance = p.Instance;
  p = Program();
  p.Instance = instance;
  p.Main = window;
  // The bar holds OK and Cancel: a refusal is asked once more. Without it the
  // window's own OK still saves.
  if (!CreateMenuBar(window)) CreateMenuBar(window);
  p.ActivateInfo = SHACTIVATEINFO();
  p.ActivateInfo.cbSize = sizeof(p.ActivateInfo);
  p.Settings.Owner = Deliverable::SettingsProgram;
  p.Settings.Module = instance;
  const LoadResult loaded = LoadSettings(p.Settings, &p.Found);
  InitCommonControls();
  Frame frame = ClientFrame();
  if (!CreateControls(frame)) return RefuseToStart(window);
  FillLists(frame);
  CreateWindowExW(0, kSipClass, u"", WS_CHILD, 0, 0, 0, 0, window, 0, instance, nullptr);
  // What could not be read shows its default and is not saved over.
  if (loaded == LoadResult::ReadFailed) MessageBoxW(window, kReadFailedText, kWindowTitle, MB_OK | MB_ICONERROR);
  return 0;
}

LRESULT OnSize() {
  if (!IsNull(Ctl(TabStrip))) RelayoutControls();
  return 0;
}

void OnTabChanged() {
  State().CurrentTab = TabCtrl_GetCurSel(Ctl(TabStrip));
  ShowCurrentView();
  InvalidateMain();
}

void OnListChanged(WindowHandle list, const NMLISTVIEW& change) {
  // Each row added would otherwise look for the selection in the whole
  // list; the refill sets the buttons once, at its end.
  if (list == State().FillingList) return;
  Control button;
  if (list == Ctl(LauncherList)) {
    UpdateLauncherButtons();
  } else if (list == Ctl(PagesList)) {
    OnPagesListChanged(change);
  } else if (RowButtonOf(list, &button)) {
    EnableWindow(Ctl(button), SelectedRow(list) >= 0);
  }
}

// A double tap on a row acts as its list's button.
void OnListDoubleTap(WindowHandle window, WindowHandle list) {
  // The Pages list and the launcher's list of programs open with Edit too.
  Control button = EditButton;
  if (list != Ctl(PagesList) && list != Ctl(LauncherList) && !RowButtonOf(list, &button)) return;
  if (SelectedRow(list) < 0) return;
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(ControlId(button), BN_CLICKED),
               static_cast<LPARAM>(Ctl(button)));
}

// Rows keep their kind as their image, and a toggle's kind is the value by
// which a list asks its parent for the image: the answer is that kind again.
void OnListAsksImage(NMLVDISPINFOW& info) {
  if (info.item.mask & LVIF_IMAGE) info.item.iImage = Toggle;
}

LRESULT OnNotify(WindowHandle window, LPARAM lParam) {
  const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
  if (header.hwndFrom == Ctl(TabStrip) && header.code == TCN_SELCHANGE) {
    OnTabChanged();
  } else if (header.code == LVN_ITEMCHANGED) {
    OnListChanged(header.hwndFrom, *reinterpret_cast<const NMLISTVIEW*>(lParam));
  } else if (header.code == NM_DBLCLK) {
    OnListDoubleTap(window, header.hwndFrom);
  } else if (header.code == LVN_GETDISPINFOW) {
    OnListAsksImage(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
  }
  return 0;
}

void OnEditButton() {
  Program& p = State();
  if (p.CurrentTab == 0) {
    OpenGeneralRow();
  } else if (p.CurrentTab == 1 && p.OpenBlock == kNoBlock) {
    OpenBlockPage();
  } else if (p.CurrentTab == 1 && p.OpenBlock == kLauncherPage) {
    EditShortcut();
  } else if (p.CurrentTab == 1) {
    OpenBlockRow(BlockListOf(p.OpenBlock));
  }
}

void OnMoveButton(int direction) {
  Program& p = State();
  if (p.CurrentTab != 1) return;
  if (p.OpenBlock == kNoBlock) MoveBlock(direction);
  if (p.OpenBlock == kLauncherPage) MoveShortcut(direction);
}

// The list buttons act only in a view that shows them; the open button only
// while the file browser is open.
bool OnButton(int id) {
  Program& p = State();
  bool browsing = p.OpenEditor == NewShortcutEditor || p.OpenEditor == FileRow;
  if (id == ControlId(OpenButton)) {
    if (browsing) OnOpenButton();
    return true;
  }
  if (p.OpenEditor != kNoEditor) return id >= kFirstControlId && id < kFirstControlId + ControlCount;
  bool launcher = p.CurrentTab == 1 && p.OpenBlock == kLauncherPage;
  switch (id - kFirstControlId) {
    case EditButton: OnEditButton(); return true;
    case PropsEditButton: if (launcher) OpenBlockRow(Ctl(LauncherPropsList)); return true;
    case UpButton: OnMoveButton(-1); return true;
    case DownButton: OnMoveButton(1); return true;
    case AddButton: if (launcher) AddShortcut(); return true;
    case RemoveButton: if (launcher) RemoveShortcut(); return true;
    default: return false;
  }
}

LRESULT OnCommand(WindowHandle window, WPARAM wParam, LPARAM lParam) {
  int id = static_cast<int>(LOWORD(wParam));
  unsigned code = HIWORD(wParam);
  if (id == IDOK || id == kCommandOk) {
    ApplyEdit();
    return 0;
  }
  if (id == kCommandCancel) {
    GoBack();
    return 0;
  }
  if (code == BN_CLICKED && OnButton(id)) return 0;
  bool channel = id == ControlId(RedEdit) || id == ControlId(GreenEdit) || id == ControlId(BlueEdit);
  if (code == EN_CHANGE && channel) {
    InvalidateMain();  // the swatch shows the color being typed
    return 0;
  }
  return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}

LRESULT OnPaint(WindowHandle window) {
  PAINTSTRUCT paint;
  SurfaceHandle surface = BeginPaint(window, &paint);
  if (!IsNull(surface)) PaintMainWindow(surface);
  EndPaint(window, &paint);
  return 0;
}

// A capture of the window: the same drawing on the caller's surface.
LRESULT OnPrintClient(WPARAM surface) {
  PaintMainWindow(static_cast<SurfaceHandle>(surface));
  return 0;
}

LRESULT OnStaticColors(WPARAM surface, LPARAM control) {
  return StaticColors(static_cast<SurfaceHandle>(surface), static_cast<WindowHandle>(control));
}

LRESULT OnClose(WindowHandle window) {
  DestroyWindow(window);
  return 0;
}

LRESULT OnDestroy() {
  Program& p = State();
  if (!IsNull(p.MenuBar)) DestroyWindow(p.MenuBar);
  p.MenuBar = WindowHandle{};
  DeleteProgramFonts();
  p.Main = WindowHandle{};
  PostQuitMessage(0);
  return 0;
}

}  // namespace

Program& State() {
  static Program program;
  return program;
}

LRESULT MainWindowProc(WindowHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
  Program& p = State();
  switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_SIZE: return OnSize();
    case WM_ACTIVATE: return SHHandleWMActivate(window, wParam, lParam, &p.ActivateInfo, 0);
    case WM_SETTINGCHANGE: return SHHandleWMSettingChange(window, wParam, lParam, &p.ActivateInfo);
    case WM_NOTIFY: return OnNotify(window, lParam);
    case WM_COMMAND: return OnCommand(window, wParam, lParam);
    case WM_PAINT: return OnPaint(window);
    case WM_PRINTCLIENT: return OnPrintClient(wParam);
    case WM_CTLCOLORSTATIC: return OnStaticColors(wParam, lParam);
    case WM_CLOSE: return OnClose(window);
    case WM_DESTROY: return OnDestroy();
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace ostrel::cfg
