// The settings program's process-wide state, its scaling and layout helpers, and the view routine.
#pragma once

#include <vector>

#include "config/config.h"
#include "platform/controls.h"
#include "settings/fields.h"

namespace ostrel::cfg {

// The editor of a new launcher entry; the other editors are the row kinds
// (RowKind) of the rows they edit.
constexpr int NewShortcutEditor = 7;
static_assert(Toggle == pf::I_IMAGECALLBACK, "a toggle row has no image");

constexpr int kNoEditor = -1;
constexpr int kNoBlock = -1;
constexpr int kLauncherPage = Launcher - 1;
constexpr int kTextCapacity = 260;  // captions, paths and edit texts read back
constexpr int kEditValueCapacity = 100;  // numbers and formats typed into edits
constexpr const char16_t* kReadFailedText = u"Не удалось прочитать настройки.";

struct Program {
  pf::WindowHandle Main{};
  pf::WindowHandle MenuBar{};
  pf::ModuleHandle Instance{};
  pf::SHACTIVATEINFO ActivateInfo;
  int CurrentTab = 0;
  int OpenBlock = kNoBlock;
  int OpenEditor = kNoEditor;
  pf::WindowHandle Handles[ControlCount] = {};
  ostrel::Settings Settings;
  // What the start's load found: the record as read and what it could not read.
  ostrel::StoredState Found;
  // The Launcher page's side of the launcher list, edited until the page's OK.
  std::vector<LauncherEntry> WorkingLaunchers;
  // The stored launcher list could not be read to its end: the page shows
  // what was read and lets nobody change it, so it is not saved over.
  bool LauncherListUnread = false;
  // The list the program itself is refilling (ListRefill), if any.
  pf::WindowHandle FillingList{};
  // The folder the file browser shows ("" = the top folder).
  char16_t CurrentFolder[pf::MAX_PATH] = {};
  // The face list holds every family; when not, the font editor keeps the
  // face it was opened with.
  bool FaceNamesListed = false;
  pf::FontHandle NameFont{};
  pf::FontHandle TitleFont{};
  pf::FontHandle HelpFont{};
};

Program& State();
inline pf::WindowHandle Ctl(Control control) { return State().Handles[control]; }

// Design pixels at 96 dots per inch scaled by the screen's density.
int ScaleX(int n);
int ScaleY(int n);

// The main window's client rectangle and the width of a third of an editor line.
struct Frame {
  int L = 0;
  int T = 0;
  int R = 0;
  int B = 0;
  int ThirdWidth = 0;
};
Frame ClientFrame();

// layout.cpp
// False when a control could not be created: the ones after it are not.
bool CreateControls(const Frame& frame);
void RefitTabStrip();
void RelayoutControls();

// view.cpp
void ShowCurrentView();
void InvalidateMain();
void SetTitle(const char16_t* text);

// program_fonts.cpp
void CreateProgramFonts();
void DeleteProgramFonts();
void FillFaceNames();

// main_paint.cpp: WM_PAINT and WM_PRINTCLIENT draw the same; WM_CTLCOLORSTATIC's answer.
void PaintMainWindow(pf::SurfaceHandle surface);
pf::LRESULT StaticColors(pf::SurfaceHandle surface, pf::WindowHandle control);

// about_tab.cpp
const char16_t* AboutText(Control label);
void PrepareAboutControls();

}  // namespace ostrel::cfg
